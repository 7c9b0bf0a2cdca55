// The scores of the matches the user does not play and the results of a round.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "competition/computed_results.h"
#include "support/competition_fixture.h"

namespace {

using ComputedResults = CompetitionTest;

// Nation indices of the strongest class (4) and the weakest (0).
constexpr int kItaly = 6, kGermany = 7, kChina = 2, kKuwait = 5;

// The goals the random source hands out over `tries` tries, as a side's raw count before any
// halving: the tries that come up 1 out of 0, 1, 2.
int RawGoals(int tries) {
  int goals = 0;
  for (int t = 0; t < tries; ++t) goals += RandomBelow(3) == 1 ? 1 : 0;
  return goals;
}

// Three matches from one seed: weak v weak (3 tries a side), strong v strong (15), strong v
// weak.
ResultTable ThreeMatches(std::uint32_t seed) {
  ClearResults();
  SeedRandom(seed);
  ComputeMatch(kChina, kKuwait);
  ComputeMatch(kItaly, kGermany);
  ComputeMatch(kItaly, kKuwait);
  return resultTable;
}

TEST_F(ComputedResults, ScoresStayInRangeAndFollowTheSeed) {
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    const ResultTable first = ThreeMatches(seed);
    ASSERT_EQ(first.count, 3);
    EXPECT_EQ(first.home[0], kChina + 1);
    EXPECT_EQ(first.away[0], kKuwait + 1);
    EXPECT_LE(std::max(first.homeGoals[0], first.awayGoals[0]), 3);
    EXPECT_LE(std::max({first.homeGoals[1], first.awayGoals[1], first.homeGoals[2]}), 15);
    const ResultTable again = ThreeMatches(seed);
    EXPECT_EQ(again.homeGoals, first.homeGoals);
    EXPECT_EQ(again.awayGoals, first.awayGoals);
  }
}

TEST_F(ComputedResults, StrongerSidesScoreMoreOnAverage) {
  int strong = 0, weak = 0, draws = 0, nilNil = 0;
  const int matches = 2000;
  for (int m = 0; m < matches; ++m) {
    ClearResults();
    ComputeMatch(kItaly, kChina);
    strong += resultTable.homeGoals[0];
    ClearResults();
    ComputeMatch(kChina, kKuwait);
    weak += resultTable.homeGoals[0];
    draws += resultTable.homeGoals[0] == resultTable.awayGoals[0] ? 1 : 0;
    nilNil += resultTable.homeGoals[0] + resultTable.awayGoals[0] == 0 ? 1 : 0;
  }
  // A strength-0 side averages one goal against another (no halving up to 3 goals); a
  // strength-4 side, halved when it runs away, still well above it.
  EXPECT_GT(weak, matches * 8 / 10);
  EXPECT_LT(weak, matches * 12 / 10);
  EXPECT_GT(strong, weak * 2);
  // Two weak sides: 0-0 with a chance of (2/3)^6, about 1 in 11.
  EXPECT_GT(nilNil, matches / 20);
  EXPECT_LT(nilNil, matches / 6);
  EXPECT_GT(draws, nilNil);
}

TEST_F(ComputedResults, HighScoresAreHalvedForTheSideAhead) {
  // Find seeds whose raw draws for two strength-4 sides are the wanted pairs, then see what
  // the match makes of them.
  const std::map<std::pair<int, int>, std::pair<int, int>> expected = {
      {{9, 2}, {4, 1}}, {{6, 6}, {6, 6}}, {{5, 4}, {3, 2}}, {{4, 5}, {2, 3}},
      {{4, 2}, {4, 2}}, {{8, 7}, {4, 3}}, {{2, 9}, {1, 4}},
  };
  std::set<std::pair<int, int>> seen;
  for (std::uint32_t seed = 1; seed < 200000 && seen.size() < expected.size(); ++seed) {
    SeedRandom(seed);
    const int ga = RawGoals(15);
    const int gb = RawGoals(15);
    const auto wanted = expected.find({ga, gb});
    if (wanted == expected.end() || seen.count({ga, gb})) continue;
    seen.insert({ga, gb});
    ClearResults();
    SeedRandom(seed);
    ComputeMatch(kItaly, kGermany);
    EXPECT_EQ(resultTable.homeGoals[0], wanted->second.first) << ga << "-" << gb;
    EXPECT_EQ(resultTable.awayGoals[0], wanted->second.second) << ga << "-" << gb;
  }
  EXPECT_EQ(seen.size(), expected.size());
}

TEST_F(ComputedResults, AKnockoutTieIsNeverLevel) {
  const int pairs[3][2] = {
      {kChina + 1, kKuwait + 1}, {kItaly + 1, kGermany + 1}, {kKuwait + 1, kItaly + 1}};
  for (std::uint32_t seed = 1; seed <= 500; ++seed) {
    SeedRandom(seed);
    ClearResults();
    for (const auto& pair : pairs) ComputeTie(pair[0], pair[1]);
    ASSERT_EQ(resultTable.count, 3);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(resultTable.home[i], pairs[i][0]);
      EXPECT_EQ(resultTable.away[i], pairs[i][1]);
      EXPECT_NE(resultTable.homeGoals[i], resultTable.awayGoals[i]) << "seed " << seed;
    }
  }
}

// The pairs of nation numbers among the first `count` results, each as (lower, higher).
std::set<std::pair<int, int>> ResultPairs() {
  std::set<std::pair<int, int>> pairs;
  for (int i = 0; i < resultTable.count; ++i) {
    pairs.insert(std::minmax<int>(resultTable.home[i], resultTable.away[i]));
  }
  return pairs;
}

// The pairs of nation numbers that the league's pairing table sets for `round`.
std::set<std::pair<int, int>> RoundPairs(int round) {
  std::set<std::pair<int, int>> pairs;
  for (int j = 0; j < leagueState.teamCount; ++j) {
    const int other = PairedSlot(j, round);
    if (other == 0 || leagueState.slots[other - 1] == 0) continue;
    pairs.insert(std::minmax<int>(leagueState.slots[j], leagueState.slots[other - 1]));
  }
  return pairs;
}

TEST_F(ComputedResults, ARoundOfTheUsersLeague) {
  for (int region = 0; region < kRegionCount; ++region) {
    SCOPED_TRACE(region);
    gameFlow.region = static_cast<std::uint8_t>(region);
    gameFlow.phase = Phase::kQualifying;
    gameFlow.userNation = static_cast<std::uint8_t>(RegionFirstNation(region) + 1);
    SetUpQualifying();
    for (int round = 0; round < gameFlow.roundCount; ++round) {
      gameFlow.roundIndex = static_cast<std::uint8_t>(round);
      gameFlow.lastRound = static_cast<std::uint8_t>(round);
      const int opponent = UserFixtureOpponent();
      lastMatchResult.userGoals = 2;
      lastMatchResult.opponentGoals = 1;
      lastMatchResult.opponent = static_cast<std::uint8_t>(opponent);
      resultTable.away.fill(31);  // leftovers of the last round must not count
      CollectRoundResults();

      // Every pairing of the round once; the user's own first, with its score.
      EXPECT_EQ(ResultPairs(), RoundPairs(round)) << "round " << round;
      EXPECT_EQ(static_cast<std::size_t>(resultTable.count), RoundPairs(round).size());
      if (opponent != 0) {
        EXPECT_EQ(resultTable.home[0], gameFlow.userNation + 1);
        EXPECT_EQ(resultTable.away[0], opponent);
        EXPECT_EQ(resultTable.homeGoals[0], 2);
        EXPECT_EQ(resultTable.awayGoals[0], 1);
      }
      for (int i = resultTable.count; i < kResultEntries; ++i) EXPECT_EQ(resultTable.away[i], 0);
      ApplyRoundResults();
    }
    // After the last round everybody has met everybody once.
    int matches = 0;
    for (int j = 0; j < leagueState.teamCount; ++j) {
      for (std::uint8_t outcome : TeamTable[leagueState.slots[j] - 1].results) {
        matches += outcome != 0 ? 1 : 0;
      }
    }
    const int n = leagueState.teamCount;
    EXPECT_EQ(matches, n * (n - 1));
  }
}

TEST_F(ComputedResults, TheGroupLeagueAlwaysListsTheUsersMatch) {
  GroupTable = {{{1, 7, 15, 26}, {2, 8, 16, 21}, {5, 9, 27, 22}, {10, 17, 11, 28}}};
  gameFlow.userNation = 15;
  SetUpGroupLeague();
  gameFlow.phase = Phase::kGroupLeague;
  gameFlow.lastRound = 1;
  lastMatchResult = LastMatchResult{0, 0, 0};  // no opponent recorded: still entry 0
  CollectRoundResults();
  EXPECT_EQ(resultTable.home[0], 16);
  EXPECT_EQ(resultTable.away[0], 0);
  EXPECT_GE(resultTable.count, 2);
}

TEST_F(ComputedResults, KnockoutRoundsFindTheirWinners) {
  // Winners and runners-up of groups A to D.
  knockoutTable.bracket = {7, 1, 15, 8, 21, 16, 9, 26};
  gameFlow.userNation = 7;  // nation number 8, runner-up of B: meets the winner of A
  for (std::uint32_t seed = 1; seed <= 50; ++seed) {
    SeedRandom(seed);
    gameFlow.roundIndex = 0;
    knockoutTable.semiFinalists.fill(0);
    knockoutTable.finalists.fill(0);
    ComputeKnockoutRound(7, 5, 4);  // won on penalties: the shoot-out goals included

    ASSERT_EQ(resultTable.count, 4);
    EXPECT_EQ(resultTable.home[0], 8);
    EXPECT_EQ(resultTable.away[0], 7);
    EXPECT_EQ(knockoutTable.semiFinalists[0], 8);
    for (int k = 1; k < 4; ++k) {
      const int first = knockoutTable.bracket[kFirstRoundTies[k][0]];
      const int second = knockoutTable.bracket[kFirstRoundTies[k][1]];
      EXPECT_EQ(resultTable.home[k], first);
      EXPECT_EQ(resultTable.away[k], second);
      const int winner = resultTable.homeGoals[k] > resultTable.awayGoals[k] ? first : second;
      EXPECT_EQ(knockoutTable.semiFinalists[k], winner);
    }

    // The semi-final: the user in the first tie as its second-named side.
    gameFlow.roundIndex = 1;
    std::swap(knockoutTable.semiFinalists[0], knockoutTable.semiFinalists[1]);
    const int rival = knockoutTable.semiFinalists[0];
    ComputeKnockoutRound(rival, 1, 0);
    ASSERT_EQ(resultTable.count, 2);
    EXPECT_EQ(resultTable.home[0], 8);
    EXPECT_EQ(knockoutTable.finalists[0], 8);
    const int other = resultTable.homeGoals[1] > resultTable.awayGoals[1] ? resultTable.home[1]
                                                                          : resultTable.away[1];
    EXPECT_EQ(knockoutTable.finalists[1], other);
    EXPECT_TRUE(other == knockoutTable.semiFinalists[2] || other == knockoutTable.semiFinalists[3]);
  }
}

}  // namespace
