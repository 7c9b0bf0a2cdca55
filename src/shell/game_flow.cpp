// Where the user is in the game.
#include "shell/game_flow.h"

GameFlowState gameFlow;
LastMatchResult lastMatchResult;

void ResetGameFlow() {
  gameFlow = GameFlowState{};
  lastMatchResult = LastMatchResult{};
}
