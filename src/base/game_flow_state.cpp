// Where the user is in the game: the one instance of each record.
#include "base/game_flow_state.h"

#include "base/record_resets.h"

GameFlowState gameFlow;
LastMatchResult lastMatchResult;

void ResetGameFlow() {
  gameFlow = GameFlowState{};
  lastMatchResult = LastMatchResult{};
}

namespace {
const bool kGameFlowRegistered = RegisterRecordReset(ResetGameFlow);
}  // namespace
