// A finished league built from played scores, as a league's rounds leave it: every nation
// meets every other once, and each score goes through the round results into both sides'
// records, so that points, goals for and goals against agree with each other.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "competition/fixtures.h"
#include "competition/standings.h"

namespace played_league {

struct Score {
  int home, away;  // goals of the lower slot and of the higher one
};

// Puts the nations (numbers) into slots 0, 1, ... and plays the scores of every pairing in the
// order (0, 1), (0, 2), ..., (0, n - 1), (1, 2), ..., (n - 2, n - 1), the lower slot at home.
inline void PlayLeague(std::initializer_list<int> nations, std::initializer_list<Score> scores) {
  leagueState.slots.fill(0);
  int n = 0;
  for (int nation : nations) leagueState.slots[std::size_t(n++)] = std::uint8_t(nation);
  leagueState.teamCount = std::uint8_t(n);
  ASSERT_EQ(int(scores.size()), n * (n - 1) / 2) << "a league plays every pairing once";
  const Score* score = scores.begin();
  for (int a = 0; a < n; ++a) {
    for (int b = a + 1; b < n; ++b, ++score) {
      ClearResults();
      AppendResult(leagueState.slots[std::size_t(a)], leagueState.slots[std::size_t(b)],
                   score->home, score->away);
      ApplyRoundResults();
    }
  }
  ComputeStandings();
}

}  // namespace played_league
