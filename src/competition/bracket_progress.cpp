// The knockout paths the bracket screen marks.
#include "competition/bracket_progress.h"

#include <algorithm>

#include "base/game_flow_state.h"
#include "competition/fixtures.h"

namespace {

template <typename List>
bool Holds(const List& list, int nationNumber) {
  return nationNumber != 0 && std::find(list.begin(), list.end(), nationNumber) != list.end();
}

}  // namespace

bool StillIn(int nationNumber) {
  if (gameFlow.roundIndex == kSemiFinal) return Holds(knockoutTable.semiFinalists, nationNumber);
  if (gameFlow.roundIndex == kFinal) return Holds(knockoutTable.finalists, nationNumber);
  return false;
}

bool ReachedSemiFinal(int nationNumber) {
  return gameFlow.roundIndex != kKnockoutFirstRound &&
         Holds(knockoutTable.semiFinalists, nationNumber);
}
