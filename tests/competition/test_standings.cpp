// The league record of each nation, the standings and their tie-breaks.
#include <gtest/gtest.h>

#include "competition/standings.h"
#include "support/competition_fixture.h"
#include "support/played_league.h"

namespace {

using StandingsTest = CompetitionTest;
using played_league::PlayLeague;

TEST_F(StandingsTest, RoundResultsGoIntoBothSidesRecords) {
  AppendResult(1, 2, 3, 1);   // Japan beat Korea
  AppendResult(3, 4, 0, 2);   // China lost to Saudi Arabia
  AppendResult(5, 6, 2, 2);   // Iran and Kuwait level
  AppendResult(7, 32, 5, 0);  // the youth selection never plays in a league: left out
  resultTable.home[4] = 0;    // a free entry inside count is left out as well
  resultTable.count = 5;
  TeamTable[0].goalsFor = 254;  // 8-bit sums wrap
  ApplyRoundResults();

  EXPECT_EQ(TeamTable[0].results[1], 1);
  EXPECT_EQ(TeamTable[1].results[0], 2);
  EXPECT_EQ(TeamTable[2].results[3], 2);
  EXPECT_EQ(TeamTable[3].results[2], 1);
  EXPECT_EQ(TeamTable[4].results[5], 3);
  EXPECT_EQ(TeamTable[5].results[4], 3);
  EXPECT_EQ(TeamTable[0].goalsFor, 1);
  EXPECT_EQ(TeamTable[0].goalsAgainst, 1);
  EXPECT_EQ(TeamTable[1].goalsFor, 1);
  EXPECT_EQ(TeamTable[1].goalsAgainst, 3);
  EXPECT_EQ(TeamTable[3].goalsFor, 2);
  EXPECT_EQ(TeamTable[6].goalsFor, 0);
  EXPECT_EQ(TeamTable[6].results[30], 0);
}

TEST_F(StandingsTest, AppendedResultsStopAtTenEntries) {
  for (int i = 0; i < 12; ++i) AppendResult(i + 1, i + 2, i, 0);
  EXPECT_EQ(resultTable.count, 10);
  EXPECT_EQ(resultTable.home[9], 10);
  EXPECT_EQ(resultTable.homeGoals[9], 9);
  ClearResults();
  EXPECT_EQ(resultTable.count, 0);
  AppendResult(4, 5, 1, 1);
  EXPECT_EQ(resultTable.home[0], 4);
  EXPECT_TRUE(StandsInResults(5));
  EXPECT_FALSE(StandsInResults(6));
}

TEST_F(StandingsTest, PointsAreThreeAWinAndOneADraw) {
  SetLeague({1, 2, 3, 4});
  SetRecord(1, 2, 1, 5, 2);
  SetRecord(2, 0, 3, 2, 2);
  SetRecord(3, 1, 0, 4, 6);
  SetRecord(4, 0, 0, 0, 3);
  ComputeStandings();
  EXPECT_EQ(Standings[0].nation, 1);
  EXPECT_EQ(Standings[0].points, 7);
  EXPECT_EQ(Standings[1].points, 3);
  EXPECT_EQ(Standings[2].points, 3);
  EXPECT_EQ(Standings[2].goalsFor, 4);
  EXPECT_EQ(Standings[2].goalDifference, -2);
  EXPECT_EQ(Standings[3].points, 0);
  // 3 points each: goal difference 0 beats -2.
  EXPECT_EQ(Ranks(), (std::array<int, kLeagueSlots>{1, 2, 3, 4}));
  EXPECT_EQ(Standings[4].nation, 0);
  EXPECT_EQ(Standings[4].rank, 0);
}

TEST_F(StandingsTest, TiesBrokenByGoalDifferenceThenGoals) {
  // Points 9, 6, 6, 6, 3 give dense ranks 1, 2, 2, 2, 3. Goal differences 4, 4, 1 among the
  // 6-point nations make them 2, 2, 4 and the last 5; goals 5 and 7 for the two still level
  // split them into 3 and 2 and move every rank behind them down once more.
  SetLeague({10, 11, 12, 13, 14});
  SetRecord(10, 3, 0, 9, 1);
  SetRecord(11, 2, 0, 5, 1);
  SetRecord(12, 2, 0, 7, 3);
  SetRecord(13, 2, 0, 4, 3);
  SetRecord(14, 1, 0, 2, 5);
  ComputeStandings();
  EXPECT_EQ(Standings[1].goalDifference, 4);
  EXPECT_EQ(Standings[2].goalDifference, 4);
  EXPECT_EQ(Standings[4].goalDifference, -3);
  EXPECT_EQ(Ranks(), (std::array<int, kLeagueSlots>{1, 3, 2, 5, 6}));
  EXPECT_EQ(CountAtRank(4), 0);
  EXPECT_EQ(NthAtRank(2, 0), 12);
  EXPECT_EQ(NthAtRank(5, 0), 13);
  EXPECT_EQ(NthAtRank(4, 0), 0);
}

TEST_F(StandingsTest, EveryRankBehindASplitMovesDownByItsWidth) {
  // Three level on points with goal differences 5, 3 and 1 take three ranks, and the nation
  // behind them moves from the second rank to the fourth.
  SetLeague({1, 2, 3, 4});
  SetRecord(1, 0, 1, 2, 1);
  SetRecord(2, 2, 0, 4, 1);
  SetRecord(3, 2, 0, 6, 1);
  SetRecord(4, 2, 0, 2, 1);
  ComputeStandings();
  EXPECT_EQ(Ranks(), (std::array<int, kLeagueSlots>{4, 2, 1, 3}));
}

TEST_F(StandingsTest, LevelOnEverythingShareARankInSlotOrder) {
  SetLeague({20, 21, 22, 23});
  SetRecord(20, 1, 1, 3, 3);
  SetRecord(21, 2, 0, 4, 2);
  SetRecord(22, 1, 1, 3, 3);
  SetRecord(23, 1, 1, 3, 3);
  ComputeStandings();
  EXPECT_EQ(Ranks(), (std::array<int, kLeagueSlots>{2, 1, 2, 2}));
  EXPECT_EQ(CountAtRank(2), 3);
  EXPECT_EQ(NthAtRank(2, 0), 20);
  EXPECT_EQ(NthAtRank(2, 1), 22);
  EXPECT_EQ(NthAtRank(2, 2), 23);
  EXPECT_EQ(NthAtRank(2, 3), 0);
}

TEST_F(StandingsTest, NobodyHasPlayed) {
  SetLeague({21, 22, 23, 24, 25});
  ComputeStandings();
  EXPECT_EQ(Ranks(), (std::array<int, kLeagueSlots>{1, 1, 1, 1, 1}));
  EXPECT_EQ(CountAtRank(1), 5);

  // Nations on 0 points share the rank after the last points value before the tie-breaks:
  // goal differences 0, -1, 0, -1 split them into 2, 4, 2, 4, and goals 1 and 0 then split
  // the two on rank 4.
  SetRecord(21, 1, 0, 2, 0);
  SetRecord(23, 0, 0, 1, 2);
  SetRecord(25, 0, 0, 0, 1);
  ComputeStandings();
  EXPECT_EQ(Ranks(), (std::array<int, kLeagueSlots>{1, 2, 4, 2, 5}));
}

TEST_F(StandingsTest, TiesPushedPastTheLeaguesSizeAreBrokenToo) {
  // Five nations on 5 points behind the leader. The splits above them move the two on goal
  // difference -2 to rank 7, beyond the six of the league; goals for (5 and 4) still split them.
  PlayLeague({1, 2, 3, 4, 5, 6}, "2-0 1-2 0-0 1-1 1-2  1-1 2-1 1-1 0-1  0-2 2-2 0-1  1-1 0-1  1-1");
  for (int j = 0; j < 5; ++j) EXPECT_EQ(Standings[j].points, 5) << j;
  EXPECT_EQ(Standings[1].goalDifference, Standings[2].goalDifference);
  EXPECT_EQ(Ranks(), (std::array<int, kLeagueSlots>{3, 8, 7, 4, 2, 1}));
  EXPECT_EQ(StandingsPlaces(), (std::array<int, kLeagueSlots>{3, 6, 5, 4, 2, 1}));
}

TEST_F(StandingsTest, StandingsOfTheFiveNationLeagueLeaveTheEmptySlotOut) {
  SetLeague({21, 22, 23, 24, 25});
  leagueState.slots[5] = 26;  // outside teamCount
  SetRecord(26, 5, 0, 10, 0);
  ComputeStandings();
  EXPECT_EQ(Standings[5].nation, 0);
  EXPECT_EQ(Standings[5].rank, 0);
  EXPECT_EQ(CountAtRank(1), 5);
}

}  // namespace
