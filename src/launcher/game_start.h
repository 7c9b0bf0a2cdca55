// The start of the game: the launcher moves into the game folder, starts the game program there
// with the folder as its argument (after "--lang CODE" when the launcher was given --lang),
// waits at most 5 s until it is ready for input, and ends. When the game cannot be started, or does
// not become ready, a message box says why before the launcher ends.
#pragma once

#include <string>

#include "platform/platform.h"

inline constexpr char kGameProgram[] = "feldo";  // in the game folder
inline constexpr int kGameReadyWaitMs = 5000;

// The start-game command: everything above, then the quit command to the window.
void StartGame(platform::Window* window);

// The string resource (resources/lumar_resources.h) of the message for a start that did not end
// with the game ready; 0 for a ready game.
int StartFailureTextId(platform::StartResult result);
// The message for a start that did not end with the game ready, naming `where` (the game
// folder, or the program's path); empty for a ready game.
std::string StartFailureText(platform::Instance* instance, platform::StartResult result,
                             const std::string& where);
