// A match on the timer: its start, the tick of the game's 10 ms timer and the start of a
// penalty shoot-out. The tick advances the countdowns and gives each tick, in a fixed order,
// to the cup celebration, the goal celebration, the shoot-out's save, the entrance and its
// fixture caption, the half-time and extra-time captions, the match clock, the shoot-out and
// the frame step, each of which holds the later ones while it runs; the crowd sound is
// started every 301 frames while sound is on. What must be seen at once is drawn by the match
// view (match/match_view.h); the end of a match or shoot-out is handed to the game flow.
#pragma once

#include <cstdint>
#include <functional>

// The tick's own counters.
struct TickCounters {
  std::int32_t frameDivider = 0;  // ticks since the last frame step; a frame runs when above 10
  std::int32_t crowdFrames = 0;   // frame steps since the crowd sound was last started
};

extern TickCounters tickCounters;

inline constexpr int kMatchTimerPeriodMs = 10;
inline constexpr int kCrowdSoundFrames = 300;
inline constexpr int kKickHoldLimitTicks = 1000;

// What the game flow does when the clock has ended the match or a shoot-out is decided: the
// timer stopped, the idle menu back, and the end-of-match command run to its end, before the
// rest of the tick runs (the end-of-match command may already have started a shoot-out that
// the rest of the tick then advances).
using EndOfMatch = std::function<void()>;

// One tick of the timer.
void MatchTick(const EndOfMatch& endOfMatch);

// What the last match left, cleared before a new match is set up: the crowd sound's count,
// the period, the ceremonies and captions, and the pairing's pictures as not loaded.
void ClearForNewMatch();
// The start of a match once its opponent is set up: the first half with nobody under the
// user's control until the kick-off, the players' entrance, the clock at 3:00 shown with the
// scoreboard, and the frame rhythm from its start.
void BeginMatch();
// The penalty shoot-out of a tie still level after extra time: the first kick set up, the
// keeper's hold cleared and the pitch shown for the first kick. The game flow then starts
// the timer.
void BeginShootOut();

void ResetTickCounters();
