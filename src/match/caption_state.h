// The screens that frame a match and hold its play while they show: the players' entrance,
// the fixture caption and the supporters' celebration after a campaign goal. The goal rule
// starts the celebration; the timer tick paces every step through one shared countdown and
// runs no play while one of them is under way, whether the match is drawn or not.
#pragma once

#include <cstdint>

// Where the players' entrance stands (CaptionState::entranceState).
enum class EntranceState : std::uint8_t {
  kNone = 0,
  kWalkingIn = 1,       // the players walk in from the tunnel
  kFixtureCaption = 2,  // they stand lined up; the fixture caption shows until the kick-off
};

struct CaptionState {
  EntranceState entranceState = EntranceState::kNone;
  std::uint8_t captionStep = 0;       // step of the entrance, fixture caption or celebration
  std::uint8_t captionCountdown = 0;  // ticks until the next step
  std::uint8_t goalCelebration = 0;   // 1 while the goal celebration runs (set by the goal rule)
  std::uint8_t celebrateTeamB = 0;    // 1 when the celebrated goal was team B's
  std::uint8_t cheerPlayed = 0;       // 1 once the cheer of this entrance or celebration started
};

extern CaptionState captionState;

// Starts the celebration of a campaign goal; `teamBScored` marks whose goal it was.
void StartGoalCelebration(bool teamBScored);

void ResetCaptionState();
