// The timer tick of the main window (timer 1, every 10 ms): the countdowns it advances, the
// order in which it gives each tick to the captions, the clock and the frame step, the crowd
// sound, and the hand-over at the end of a match.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct TickCounters {
  std::int32_t frameDivider = 0;  // ticks since the last frame step; a frame runs when above 10
  std::int32_t crowdFrames = 0;   // frame steps since the crowd sound was last started
};

extern TickCounters tickCounters;

inline constexpr int kMatchTimerId = 1;
inline constexpr int kMatchTimerPeriodMs = 10;
inline constexpr int kCrowdSoundFrames = 300;

void OnMatchTimer(platform::Window* window);

// Starts the penalty shoot-out of a tie still level after extra time: the first kick set up,
// the keeper's hold cleared, the pitch with the shoot-out caption, the clock line, the
// scoreboard and the ball drawn, and the timer started (command 18). The shoot-out command
// of the game flow calls it.
void BeginShootOut(platform::Window* window);

void ResetTickCounters();
