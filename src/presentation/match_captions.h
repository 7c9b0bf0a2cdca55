// The scoreboard at the top of the match view and the screens that frame a match: the
// players' entrance, the fixture caption, the kick-off caption and the supporters'
// celebration after a goal. Their steps are paced by the timer tick through a shared
// countdown.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct CaptionState {
  std::uint8_t entranceState = 0;     // 0 none, 1 players walking in, 2 fixture caption due
  std::uint8_t captionStep = 0;       // step of the entrance, fixture caption or celebration
  std::uint8_t captionCountdown = 0;  // ticks until the next step
  std::uint8_t goalCelebration = 0;   // 1 while the goal celebration runs (set by the goal rule)
  std::uint8_t celebrateTeamB = 0;    // 1 when the celebrated goal was team B's
  std::uint8_t cheerPlayed = 0;       // 1 once the cheer of this entrance or celebration started
};

extern CaptionState captionState;

// The scoreboard: the left team on the screen first (the user's side in the first half).
void DrawScoreboard(platform::DeviceContext* dc);
// The pitch with the players, composed off screen and copied below the top 42 rows.
void DrawPitchBuffered(platform::DeviceContext* dc);
// Half the client width, but 320 when the client width is 640 or less.
int CaptionCentre();

void ResetCaptionState();
