// The records of the match in progress.
#include "match/match_state.h"

#include "base/record_resets.h"

MatchState match;
BallState ball;
std::array<PlayerState, kPlayersPerSide> teamA;
std::array<PlayerState, kPlayersPerSide> teamB;

int DirectionDx(int direction) {
  switch (direction) {
    case 1:
    case 4:
    case 7:
      return -1;
    case 3:
    case 6:
    case 9:
      return 1;
    default:
      return 0;
  }
}

int DirectionDy(int direction) {
  switch (direction) {
    case 7:
    case 8:
    case 9:
      return -1;
    case 1:
    case 2:
    case 3:
      return 1;
    default:
      return 0;
  }
}

void ResetMatchRecords() {
  match = MatchState{};
  ball = BallState{};
  teamA.fill(PlayerState{});
  teamB.fill(PlayerState{});
}

namespace {
const bool kMatchRecordsRegistered = RegisterRecordReset(ResetMatchRecords);
}  // namespace
