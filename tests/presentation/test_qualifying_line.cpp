// The final table of the user's league and the decision after it, for leagues played from
// their scores whose tie-breaks leave the rank values apart from the places: every nation is
// drawn on its place, and the decision says what the user's line shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/game_flow_state.h"
#include "competition/fixtures.h"
#include "competition/qualification.h"
#include "competition/standings.h"
#include "presentation/competition_screens.h"
#include "support/played_league.h"
#include "support/screen_test_support.h"

namespace {

using pitch_test::kBlack;
using pitch_test::kWhite;
using platform::Format;
using played_league::PlayLeague;
using screen_test::Color;

constexpr Color kRed = screen_test::Rgb(255, 0, 0), kBlue = screen_test::Rgb(0, 0, 255);

constexpr Phase kQualifying = Phase::kQualifying, kGroupLeague = Phase::kGroupLeague;

class QualifyingLine : public screen_test::ScreenTest {
 protected:
  // One drawn line of the table: whose it is, the place shown, the mark and its colour.
  struct Row {
    int slot, place;
    const char* mark;
    Color colour;
  };

  // The final table as the end of the league shows it, with the user in `userSlot`.
  void ShowFinalTable(Phase phase, int region, int userSlot) {
    gameFlow.phase = phase;
    gameFlow.region = std::uint8_t(region);
    gameFlow.userNation = std::uint8_t(leagueState.slots[std::size_t(userSlot)] - 1);
    gameFlow.playoffOpponent = 0;
    gameFlow.displayContent = DisplayContent::kStandings;
    gameFlow.displayRegion = std::uint8_t(phase == kGroupLeague ? kDisplayGroupLeague : region);
    Clear(kWhite);
    DrawDisplayContent(dc);
  }

  // Exactly these lines, from the table's first row at (10, 50) down, and a grid of that many.
  void ExpectRows(const std::vector<Row>& rows) {
    const int left = 10, top = 50;
    const int n = int(rows.size());
    ASSERT_EQ(n, leagueState.teamCount);
    EXPECT_EQ(Pixel(left + 100, top + (n + 1) * 22 - 1), kBlack) << "the grid's bottom";
    EXPECT_NE(Pixel(left + 100, top + (n + 1) * 22 + 1), kBlack);
    for (int q = 0; q < n; ++q) {
      const Row& row = rows[std::size_t(q)];
      const int nation = leagueState.slots[std::size_t(row.slot)];
      SCOPED_TRACE(Name(nation));
      const int y = top + 23 + q * 22;
      EXPECT_TRUE(TextAt(left + 4, y, Format("%d", row.place), row.colour));
      EXPECT_TRUE(TextAt(left + 2 + 8 * 8, y, Name(nation), row.colour));
      EXPECT_TRUE(TextAt(left + 2 + 58 * 8, y, row.mark, row.colour));
    }
  }

  // A table without a play-off, the same with each nation of the league as the user; the
  // decision passes the user whose line is marked in red and no other.
  void ExpectEveryUsersTableAndDecision(Phase phase, int region, const std::vector<Row>& table) {
    for (const Row& own : table) {
      SCOPED_TRACE(own.slot);
      ShowFinalTable(phase, region, own.slot);
      ExpectRows(table);
      EXPECT_EQ(DecideQualification(), own.colour == kRed);
      EXPECT_EQ(gameFlow.playoffOpponent, 0);
    }
  }

  static int Nation(int slot) { return leagueState.slots[std::size_t(slot)]; }

  // The play-off just played, with the user's and the opponent's goals.
  static void PlayoffWon() {
    lastMatchResult.userGoals = 2;
    lastMatchResult.opponentGoals = 1;
    lastMatchResult.opponent = gameFlow.playoffOpponent;
  }
};

// Asia: three nations on 8 points, two of them level on goal difference, split by goals for;
// the ranks come out 1, 2, 4, 5, 6, 8 for six nations.
void PlayAsiaWithAGapBeforeTheThird() {
  PlayLeague({2, 1, 3, 4, 5, 6}, "1-1 0-1 2-1 2-2 0-1  0-2 1-1 1-0 2-1  1-1 0-1 1-1  2-1 2-0  0-0");
}

TEST_F(QualifyingLine, TheThirdOfThreeTicketsGoesThroughWhateverItsRankValue) {
  PlayAsiaWithAGapBeforeTheThird();
  ASSERT_EQ(Standings[1].rank, 4);  // Japan, third
  ASSERT_EQ(Standings[5].rank, 8);  // beyond n + 1
  const std::vector<Row> table = {{3, 1, "出場決定", kRed}, {2, 2, "出場決定", kRed},
                                  {1, 3, "出場決定", kRed}, {0, 4, "敗退", kBlack},
                                  {4, 5, "敗退", kBlack},   {5, 6, "敗退", kBlack}};
  ExpectEveryUsersTableAndDecision(kQualifying, 0, table);

  // Japan goes through with the two marked above it.
  ShowFinalTable(kQualifying, 0, 1);
  ASSERT_TRUE(DecideQualification());
  RecordRegionQualifiers();
  EXPECT_EQ(QualifierTable[0][0], 1);
  EXPECT_EQ(QualifierTable[0][1], Nation(3));
  EXPECT_EQ(QualifierTable[0][2], Nation(2));
  EXPECT_EQ(QualifierTable[0][3], 0);
}

TEST_F(QualifyingLine, ATieAcrossTheLastTicketIsAPlayoffWhateverItsRankValue) {
  // Asia: four nations on 9 points; two of them level on everything share the third place,
  // on rank value 4.
  PlayLeague({1, 2, 3, 4, 5, 6}, "3-2 1-2 1-3 3-0 2-1  2-0 3-1 0-2 1-0  0-1 2-0 1-2  1-3 2-1  3-2");
  ASSERT_EQ(Standings[3].rank, 4);
  ASSERT_EQ(Standings[4].rank, 4);
  ShowFinalTable(kQualifying, 0, 3);
  ExpectRows({{0, 1, "出場決定", kRed},
              {1, 2, "出場決定", kRed},
              {3, 3, "プレイオフ", kBlue},
              {4, 3, "プレイオフ", kBlue},
              {2, 5, "敗退", kBlack},
              {5, 6, "敗退", kBlack}});
  EXPECT_FALSE(DecideQualification());
  EXPECT_EQ(gameFlow.playoffOpponent, Nation(4));

  // Won: the user takes the third ticket and the beaten nation stays out.
  PlayoffWon();
  ASSERT_TRUE(DecideQualification());
  RecordRegionQualifiers();
  EXPECT_EQ(QualifierTable[0][0], Nation(3));
  EXPECT_EQ(QualifierTable[0][1], Nation(0));
  EXPECT_EQ(QualifierTable[0][2], Nation(1));
}

TEST_F(QualifyingLine, EveryNationOfTheSmallestLeagueIsDrawnThoughItsRanksRunToSeven) {
  // North/Central America and Caribbean: five nations on 6 points each, ranked 1, 2, 4, 7, 5.
  PlayLeague({21, 22, 23, 24, 25}, "1-3 3-0 3-2 2-3  1-3 0-1 2-0  2-3 3-1  0-3");
  ASSERT_EQ(Standings[3].rank, 7);
  const std::vector<Row> table = {{0, 1, "出場決定", kRed},
                                  {1, 2, "出場決定", kRed},
                                  {2, 3, "敗退", kBlack},
                                  {4, 4, "敗退", kBlack},
                                  {3, 5, "敗退", kBlack}};
  ExpectEveryUsersTableAndDecision(kQualifying, 3, table);
  // The user's own view between rounds draws every nation as well, without marks.
  gameFlow.displayRegion = 100;
  Clear(kWhite);
  DrawDisplayContent(dc);
  EXPECT_TRUE(TextAt(10 + 4, 50 + 23 + 4 * 22, "5", kBlack));
  EXPECT_TRUE(TextAt(10 + 2 + 8 * 8, 50 + 23 + 4 * 22, Name(24), kBlack));
}

TEST_F(QualifyingLine, TheGroupLeaguesTwoPlacesAfterAGapInTheRanks) {
  // A group of four, three on 6 points: ranks 2, 4, 5, 1.
  PlayLeague({7, 22, 15, 26}, "0-2 3-0 3-1  3-1 0-3  1-3");
  ASSERT_EQ(Standings[1].rank, 4);
  leagueState.userGroup = 2;
  const std::vector<Row> table = {{3, 1, "決勝Tへ", kRed},
                                  {0, 2, "決勝Tへ", kRed},
                                  {1, 3, "敗退", kBlack},
                                  {2, 4, "敗退", kBlack}};
  ExpectEveryUsersTableAndDecision(kGroupLeague, 1, table);
  ShowFinalTable(kGroupLeague, 1, 0);
  ASSERT_TRUE(DecideQualification());
  RecordGroupQualifiers();
  EXPECT_EQ(knockoutTable.bracket[4], 26);
  EXPECT_EQ(knockoutTable.bracket[5], 7);
}

TEST_F(QualifyingLine, TheGroupLeaguesPlayoffForTheSecondPlace) {
  // Three nations on 2 points behind the winner; two of them level on everything.
  PlayLeague({7, 22, 15, 26}, "3-3 1-2 2-2  2-3 1-1  3-0");
  leagueState.userGroup = 0;
  ShowFinalTable(kGroupLeague, 1, 0);
  ExpectRows({{2, 1, "決勝Tへ", kRed},
              {0, 2, "プレイオフ", kBlue},
              {1, 2, "プレイオフ", kBlue},
              {3, 4, "敗退", kBlack}});
  EXPECT_FALSE(DecideQualification());
  EXPECT_EQ(gameFlow.playoffOpponent, 22);

  PlayoffWon();
  ASSERT_TRUE(DecideQualification());
  RecordGroupQualifiers();
  EXPECT_EQ(knockoutTable.bracket[0], 15);
  EXPECT_EQ(knockoutTable.bracket[1], 7);
}

}  // namespace
