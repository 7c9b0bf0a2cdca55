// The title show, run by the launcher's 1 ms timer: the first four ticks repaint the window;
// after 100 ticks a show step comes every 31st tick (every 4th when the launcher was given a
// folder). Each step spells one more letter of "VEXO VEDUZI", then of "WORLD  CUP"; once both
// lines are complete the whistle sounds and six steps later the game is started. The opening
// cheer starts on the first tick when no folder was given.
#pragma once

#include "platform/platform.h"

inline constexpr int kShowTimerId = 1;
inline constexpr int kShowTimerPeriodMs = 1;
inline constexpr int kStepTicks = 30;           // ticks between steps without a folder
inline constexpr int kStepTicksWithFolder = 3;  // ... with one
inline constexpr char kCheerSound[] = "KANSEI1.wav";
inline constexpr char kWhistleSound[] = "WHISTLE.wav";

// One tick of the show timer: the repaint phase, the step delay (and a show step when it has
// run out), the opening cheer.
void RunShowTick(platform::Window* window);

// One step of the show: while the second line is not complete, draws the title on the window
// with the current counts and counts one letter on; afterwards the whistle and the countdown
// to the start-game command.
void RunShowStep(platform::Window* window);
