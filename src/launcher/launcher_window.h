// The launcher program: its window (630 × 540), the window procedure that runs the title show
// and starts the game, and the program entry.
#pragma once

#include <string>

#include "platform/platform.h"

inline constexpr int kLauncherWindowWidth = 630;
inline constexpr int kLauncherWindowHeight = 540;

platform::Param LauncherWindowProc(platform::Window* window, platform::Msg msg, platform::Param a,
                                   platform::Param b);

// Registers the class and creates the window, not yet shown. nullptr when it cannot be made.
platform::Window* CreateLumarWindow(platform::Instance* instance);

// What the launcher ends with when its folder argument names no folder it can enter.
inline constexpr int kBadFolderExitCode = 2;

// The program entry: the language (--lang, else the locale), the window, the folder argument
// (the whole command line), the message loop. The exit code is the quit message's; a folder
// argument that names no folder the game could be started in ends the launcher at once with one
// line on standard error and kBadFolderExitCode.
int LumarMain(platform::Instance* instance, const std::string& commandLine, int showState);

// The launcher's fields under their own names, for scripts (expect-value firstLetters 16).
void RegisterLauncherValues();
