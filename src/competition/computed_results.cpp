// The scores of the matches the user does not play, and the collection of a round's results.
#include "competition/computed_results.h"

#include <algorithm>

#include "base/game_flow_state.h"
#include "base/random_below.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "competition/standings.h"

namespace {

constexpr int kHalvingAbove = 4;

int TriesOf(int nationIndex) {
  return (TeamTable[nationIndex].qualifyingStrength + 1) * 3;
}

int DrawGoals(int tries) {
  int goals = 0;
  for (int t = 0; t < tries; ++t) goals += RandomBelow(3) == 1 ? 1 : 0;
  return goals;
}

// Halves a lead of `ahead` over `behind` when either has more than 4 goals; a lead that the
// halving would wipe out stays one goal.
void HalveLead(int& ahead, int& behind) {
  if (ahead <= behind || (ahead <= kHalvingAbove && behind <= kHalvingAbove)) return;
  ahead /= 2;
  behind /= 2;
  if (ahead == behind) ahead += 1;
}

void HalveHighScores(int& ga, int& gb) {
  HalveLead(ga, gb);
  HalveLead(gb, ga);
}

bool ValidIndex(int nationIndex) {
  return nationIndex >= 0 && nationIndex < kTeamTableSize;
}

}  // namespace

void ComputeMatch(int a, int b) {
  if (!ValidIndex(a) || !ValidIndex(b)) return;
  int ga = DrawGoals(TriesOf(a));
  int gb = DrawGoals(TriesOf(b));
  HalveHighScores(ga, gb);
  AppendResult(a + 1, b + 1, ga, gb);
}

void ComputeTie(int a, int b) {
  if (!ValidIndex(a - 1) || !ValidIndex(b - 1)) return;
  const int ta = TriesOf(a - 1);
  const int tb = TriesOf(b - 1);
  int ga = 0;
  int gb = 0;
  while (ga == gb) {
    ga += DrawGoals(ta);
    gb += DrawGoals(tb);
    HalveHighScores(ga, gb);
  }
  AppendResult(a, b, ga, gb);
}

void ComputeOtherPairings(int round, int skipA, int skipB) {
  const int slots = std::min<int>(leagueState.teamCount, kLeagueSlots);
  for (int j = 0; j < slots; ++j) {
    const int n = leagueState.slots[j];
    if (n == 0 || n == skipA || n == skipB) continue;
    const int o = PairedSlot(j, round);
    if (o == 0) continue;
    const int m = leagueState.slots[o - 1];
    if (m == 0 || StandsInResults(n) || StandsInResults(m)) continue;
    ComputeMatch(n - 1, m - 1);
  }
}

void CollectRoundResults() {
  ClearResults();
  const int user = gameFlow.userNation + 1;
  const int opponent = lastMatchResult.opponent;
  if (gameFlow.phase == Phase::kGroupLeague || opponent != 0) {
    resultTable.home[0] = static_cast<std::uint8_t>(user);
    resultTable.away[0] = static_cast<std::uint8_t>(opponent);
    resultTable.homeGoals[0] = static_cast<std::uint8_t>(lastMatchResult.userGoals);
    resultTable.awayGoals[0] = static_cast<std::uint8_t>(lastMatchResult.opponentGoals);
    resultTable.count = 1;
  }
  ComputeOtherPairings(gameFlow.lastRound, user, opponent);
}

int TieWinner(int firstNamed, int entries) {
  if (firstNamed == 0) return 0;
  for (int i = 0; i < std::min(entries, kResultEntries); ++i) {
    if (resultTable.home[i] != firstNamed && resultTable.away[i] != firstNamed) continue;
    return resultTable.homeGoals[i] > resultTable.awayGoals[i] ? resultTable.home[i]
                                                               : resultTable.away[i];
  }
  return 0;
}

void ComputeKnockoutRound(int opponent, int userGoals, int opponentGoals) {
  const int user = gameFlow.userNation + 1;
  resultTable.home.fill(0);
  resultTable.count = 0;
  AppendResult(user, opponent, userGoals, opponentGoals);

  auto& knockout = knockoutTable;
  if (gameFlow.roundIndex == kKnockoutFirstRound) {
    for (const auto& tie : kFirstRoundTies) {
      const int first = knockout.bracket[tie[0]];
      const int second = knockout.bracket[tie[1]];
      if (first != user && second != user) ComputeTie(first, second);
    }
    for (int k = 0; k < 4; ++k) {
      const int first = knockout.bracket[kFirstRoundTies[k][0]];
      knockout.semiFinalists[k] = static_cast<std::uint8_t>(TieWinner(first, 4));
    }
  } else if (gameFlow.roundIndex == kSemiFinal) {
    for (int k = 0; k < 2; ++k) {
      const int first = knockout.semiFinalists[2 * k];
      const int second = knockout.semiFinalists[2 * k + 1];
      if (first != user && second != user) ComputeTie(first, second);
    }
    for (int k = 0; k < 2; ++k) {
      knockout.finalists[k] =
          static_cast<std::uint8_t>(TieWinner(knockout.semiFinalists[2 * k], 2));
    }
  }
}
