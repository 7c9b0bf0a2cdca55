// A finished league built from played scores, as a league's rounds leave it: every nation
// meets every other once, and each score goes through the round results into both sides'
// records, so that points, goals for and goals against agree with each other.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <sstream>
#include <string>

#include "competition/fixtures.h"
#include "competition/standings.h"

namespace played_league {

// Puts the nations (numbers) into slots 0, 1, ... and plays the scores of every pairing, given
// as "home-away" separated by spaces in the order (0, 1), (0, 2), ..., (0, n - 1), (1, 2), ...,
// (n - 2, n - 1), the lower slot at home.
inline void PlayLeague(std::initializer_list<int> nations, const std::string& scores) {
  leagueState.slots.fill(0);
  int n = 0;
  for (int nation : nations) leagueState.slots[std::size_t(n++)] = std::uint8_t(nation);
  leagueState.teamCount = std::uint8_t(n);
  std::istringstream in(scores);
  for (int a = 0; a < n; ++a) {
    for (int b = a + 1; b < n; ++b) {
      int home = 0, away = 0;
      char dash = 0;
      ASSERT_TRUE(in >> home >> dash >> away && dash == '-')
          << "a league plays every pairing once: no score for slots " << a << " and " << b;
      ClearResults();
      AppendResult(leagueState.slots[std::size_t(a)], leagueState.slots[std::size_t(b)], home,
                   away);
      ApplyRoundResults();
    }
  }
  std::string rest;
  ASSERT_FALSE(in >> rest) << "more scores than pairings";
  ComputeStandings();
}

}  // namespace played_league
