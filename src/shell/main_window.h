// The game program's main window: start-up, the window procedure through which everything
// happens, the layout computed from the window size, the paint composition, close and
// destroy.
#pragma once

#include <cstdint>
#include <string>

#include "base/view_layout.h"
#include "platform/platform.h"

// The title the main window shows: the program's, a match's (set when it starts) or the level's
// (after a change of level outside the campaign), kept so that a change of language can show
// the same title anew.
enum class WindowTitle : std::uint8_t { kProgram, kMatch, kLevel };

struct ShellState {
  platform::Window* mainWindow = nullptr;
  platform::Instance* instance = nullptr;
  platform::Menu* menuIdle = nullptr;     // MenuMain: no match running (Pause greyed)
  platform::Menu* menuRunning = nullptr;  // MenuMain2: a match or shoot-out runs
  platform::Menu* menuPaused = nullptr;   // MenuMain3: a match is paused (Continue)
  std::uint8_t startupDone = 0;           // 1 once the start-up command has been sent after a paint
  std::uint8_t matchTimerOn = 0;  // 1 while the match timer runs (StartMatchTimer, StopMatchTimer)
  WindowTitle title = WindowTitle::kProgram;
};

extern ShellState shellState;

// The main window's match timer: it drives every match, its captions and ceremonies and the
// cup celebration, every 10 ms (kMatchTimerPeriodMs).
inline constexpr int kMatchTimerId = 1;
// The display timer of smooth motion: while a match or shoot-out runs with smooth motion on, it
// draws the picture between the rule frames at the display's rate (platform::DisplayFrameMs).
inline constexpr int kDisplayTimerId = 2;

// A tick of the timer: the match takes it; when the match or shoot-out is over, the timer
// stops, the idle menu comes back and the end-of-match command runs.
void OnMatchTimer(platform::Window* window);

// A half or a shoot-out is being played, or stands paused (a decided shoot-out is over).
bool MatchBeingPlayed();

// The window between matches, once a match has ended or been left: the pitch without players,
// the scoreboard empty, the pause sign gone and the game's plain title.
void ShowCleanPitch(platform::Window* window);

platform::Param MainWindowProc(platform::Window* window, platform::Msg msg, platform::Param a,
                               platform::Param b);

// Registers the class and creates the main window, not yet shown (the first paint follows
// ShowWindow and UpdateWindow). nullptr when the window cannot be created.
platform::Window* CreateFeldoWindow(platform::Instance* instance);

// The program entry: chooses the interface's language (--lang, else the player's choice in
// FELDO.CFG, else the locale), registers the class, creates the window and runs the message
// loop.
int FeldoMain(platform::Instance* instance, const std::string& commandLine, int showState);

void ResetShellRecords();
