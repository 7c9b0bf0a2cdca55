// The competition screens as drawn: where each round, pairing, result, standings row and
// mark stands for the largest and the smallest leagues, the groups and the dialogs' headings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/game_flow_state.h"
#include "competition/fixtures.h"
#include "competition/standings.h"
#include "presentation/competition_screens.h"
#include "support/screen_test_support.h"

namespace {

using platform::Format;
using screen_test::Rgb;

constexpr auto kWhite = Rgb(255, 255, 255);
constexpr auto kBlack = Rgb(0, 0, 0);
constexpr auto kRed = Rgb(255, 0, 0);
constexpr auto kBlue = Rgb(0, 0, 255);

class CompetitionScreens : public screen_test::ScreenTest {
 protected:
  void Qualifying(int region, int userNation) {
    gameFlow.region = std::uint8_t(region);
    gameFlow.userNation = std::uint8_t(userNation);
    gameFlow.phase = Phase::kQualifying;
    SetUpQualifying();
  }
  // The pairings of a round in the order the schedule draws them.
  static std::vector<std::pair<int, int>> Pairings(int round) {
    std::vector<std::pair<int, int>> pairings;
    bool done[kLeagueSlots] = {};
    for (int j = 0; j < leagueState.teamCount; ++j) {
      const int o = leagueState.pairing[j][round];
      if (done[j] || o == 0 || leagueState.slots[o - 1] == 0) continue;
      done[j] = done[o - 1] = true;
      pairings.emplace_back(leagueState.slots[j], leagueState.slots[o - 1]);
    }
    return pairings;
  }
  // Each round's heading and every pairing where it belongs, rounds `step` pixels apart.
  void ExpectSchedule(int step) {
    const int user = gameFlow.userNation + 1;
    for (int round = 0; round < gameFlow.roundCount; ++round) {
      SCOPED_TRACE(round);
      const int top = 10 + round * step;
      EXPECT_TRUE(TextAt(10, top, Format("ラウンド%d ", round + 1), kWhite));
      const auto pairings = Pairings(round);
      for (std::size_t p = 0; p < pairings.size(); ++p) {
        const auto [home, away] = pairings[p];
        const int x = 10 + int(p % 2) * 51 * 8;
        const int y = top + 20 + int(p / 2) * 20;
        const auto colour = home == user || away == user ? kRed : kBlack;
        EXPECT_TRUE(TextAt(x + 10 + (20 - Cells(home)) * 8, y, Name(home), colour)) << p;
        EXPECT_TRUE(TextAt(x + 250, y, Name(away), colour)) << p;
        EXPECT_TRUE(TextAt(x + 170, y, "    vs    ", colour)) << p;
        EXPECT_EQ(Pixel(x + 175, y + 1), FlagColour(home)) << p;
        EXPECT_EQ(Pixel(x + 221 + 17, y + 12), FlagColour(away)) << p;
      }
    }
  }
  // League records that rank the slots in reverse order: slot j wins j matches, scores
  // 10 + j goals and lets in 5.
  static void ReverseOrderRecords() {
    for (int j = 0; j < leagueState.teamCount; ++j) {
      TeamRecord& team = TeamTable[leagueState.slots[j] - 1];
      for (auto& outcome : team.results) outcome = 0;
      for (int w = 0; w < j; ++w) team.results[w] = 1;
      team.goalsFor = std::uint8_t(10 + j);
      team.goalsAgainst = 5;
    }
  }
  // Every row of the standings from (10, 50): slot n - 1 first; `marks` rows marked in red.
  void ExpectStandings(int marks, const char* mark) {
    const int n = leagueState.teamCount;
    const int left = 10, top = 50;
    EXPECT_EQ(Pixel(left + 100, top + (n + 1) * 22 - 1), kBlack) << "the grid's bottom";
    EXPECT_NE(Pixel(left + 100, top + (n + 1) * 22 + 1), kBlack);
    EXPECT_TRUE(TextAt(left + 9 + 34 * 8, top + 1, "勝点", kBlack));
    for (int q = 0; q < n; ++q) {
      SCOPED_TRACE(q);
      const int slot = n - 1 - q;
      const int nation = leagueState.slots[slot];
      const int y = top + 23 + q * 22;
      const auto colour = q < marks ? kRed : kBlack;
      EXPECT_TRUE(TextAt(left + 4, y, Format("%d", q + 1), colour));
      EXPECT_TRUE(TextAt(left + 2 + 8 * 8, y, Name(nation), colour));
      EXPECT_TRUE(TextAt(left + 2 + 34 * 8, y, Format("%d", 3 * slot), colour));
      EXPECT_TRUE(TextAt(left + 2 + 42 * 8, y, Format("%d", 5 + slot), colour));
      EXPECT_TRUE(TextAt(left + 2 + 50 * 8, y, Format("%d", 10 + slot), colour));
      if (marks == 0) {
        EXPECT_EQ(Count(kBlack, left + 2 + 58 * 8, y, left + 570, y + 16), 0);
      } else {
        EXPECT_TRUE(TextAt(left + 2 + 58 * 8, y, q < marks ? mark : "敗退", colour));
      }
    }
  }
};

TEST_F(CompetitionScreens, ScheduleOfTheLargestLeague) {
  InstallFlags();
  Qualifying(1, 7);  // Europe: eight nations, four pairings a round on two lines
  EXPECT_EQ(DrawSchedule(dc, 10, 10), 10 + 7 * 60);
  ExpectSchedule(60);
}

TEST_F(CompetitionScreens, ScheduleOfTheSmallestLeague) {
  InstallFlags();
  Qualifying(3, 22);  // five nations: two pairings a round, the free slot draws nothing
  EXPECT_EQ(DrawSchedule(dc, 10, 10), 10 + 5 * 40);
  ExpectSchedule(40);
}

TEST_F(CompetitionScreens, ScheduleOfSixNationsLeavesAHalfLine) {
  InstallFlags();
  Qualifying(0, 0);  // three pairings: the next heading moves one line further down, at the left
  EXPECT_EQ(DrawSchedule(dc, 10, 10), 10 + 5 * 60);
  ExpectSchedule(60);
}

TEST_F(CompetitionScreens, ResultRows) {
  InstallFlags();
  AppendResult(8, 15, 3, 12);
  AppendResult(23, 1, 0, 2);
  platform::SetBkMode(dc, platform::BkMode::Opaque);
  EXPECT_EQ(DrawResultRow(dc, 0, 50, 0), 75);
  EXPECT_EQ(DrawResultRow(dc, 0, 75, 1), 100);
  const int rows[2][4] = {{8, 15, 3, 12}, {23, 1, 0, 2}};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const int y = 50 + 25 * i;
    const int home = rows[i][0], away = rows[i][1];
    EXPECT_TRUE(TextAt(10 + (20 - Cells(home)) * 8, y, Name(home), kWhite));
    EXPECT_TRUE(TextAt(10 + 36 * 8, y, Name(away), kWhite));
    EXPECT_TRUE(TextAt(10 + 24 * 8, y, Format("%2d - %2d", rows[i][2], rows[i][3]), kWhite));
    EXPECT_EQ(Pixel(176, y + 1), FlagColour(home));
    EXPECT_EQ(Pixel(264 + 17, y + 12), FlagColour(away));
    // One band, 56 characters from x 10, white on blue.
    EXPECT_EQ(Pixel(10, y + 15), kBlue);
    EXPECT_EQ(Pixel(10 + 56 * 8 - 1, y + 15), kBlue);
    EXPECT_EQ(Pixel(10 + 56 * 8, y + 15), kWhite);
  }
}

TEST_F(CompetitionScreens, StandingsOfTheLargestLeagueWithMarks) {
  Qualifying(1, 7);
  ReverseOrderRecords();
  gameFlow.displayRegion = 1;  // five tickets
  ShowStandings(dc, 10, 50);
  ExpectStandings(5, "出場決定");
}

TEST_F(CompetitionScreens, StandingsOfTheSmallestLeagueInTheGroupLeagueWording) {
  Qualifying(3, 22);
  ReverseOrderRecords();
  gameFlow.phase = Phase::kGroupLeague;
  gameFlow.displayRegion = 3;  // two tickets
  ShowStandings(dc, 10, 50);
  ExpectStandings(2, "決勝Tへ");
}

TEST_F(CompetitionScreens, OwnViewBetweenRoundsHasNoMarks) {
  Qualifying(3, 22);
  ReverseOrderRecords();
  gameFlow.displayRegion = 100;
  ShowStandings(dc, 10, 50);
  ExpectStandings(0, "");
  EXPECT_EQ(Count(kRed, 0, 0, 600, 200), 0);
}

TEST_F(CompetitionScreens, GroupsScreen) {
  InstallFlags();
  for (int g = 0; g < kGroupCount; ++g) {
    for (int k = 0; k < kGroupSize; ++k) GroupTable[g][k] = std::uint8_t(1 + g * 4 + k);
  }
  DrawGroupsScreen(dc);
  const platform::Color headings[4] = {Rgb(255, 0, 0), Rgb(0, 200, 0), Rgb(0, 0, 200),
                                       Rgb(200, 0, 200)};
  for (int g = 0; g < kGroupCount; ++g) {
    SCOPED_TRACE(g);
    const int top = 10 + g * 70;
    EXPECT_TRUE(TextAt(10, top, GroupHeading(g), kWhite));
    EXPECT_EQ(Pixel(11, top + 1), headings[g]);
    for (int k = 0; k < kGroupSize; ++k) {
      const int nation = 1 + g * 4 + k;
      const int y = top + 20 + (k / 2) * 20;
      EXPECT_TRUE(TextAt(45 + (k % 2) * 160, y, Format(" %s  ", Name(nation).c_str()), kBlack));
      EXPECT_EQ(Pixel(25 + (k % 2) * 160, y + 1), FlagColour(nation));
    }
  }
}

TEST_F(CompetitionScreens, DisplayDialogHeadings) {
  struct Case {
    int content, phase, roundIndex, displayRegion, displayGroup;
    std::string heading;
  };
  gameFlow.region = 2;
  gameFlow.lastRound = 3;
  leagueState.userGroup = 1;
  gameFlow.playoffOpponent = 9;
  const std::vector<Case> cases = {
      {3, 2, 0, 0, 0, "ラウンド4 対戦結果"},
      {3, 4, 0, 0, 0, "決勝トーナメント1回戦 対戦結果"},
      {3, 4, 1, 0, 0, "決勝トーナメント準決勝 対戦結果"},
      {3, 4, 2, 0, 0, "決勝トーナメント決勝 対戦結果"},
      {4, 2, 0, 100, 0, "南米 地区予選 対戦結果"},
      {4, 2, 0, 4, 0, "アフリカ 地区予選 対戦結果"},
      {4, 3, 0, 10, 0, "グループリーグ  グループＢ 対戦結果"},
      {11, 3, 0, 10, 3, "グループ Ｄ 対戦結果"},
      {5, 2, 0, 0, 0, "プレイオフの対戦相手は"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heading);
    Clear(kWhite);
    gameFlow.displayContent = DisplayContent(c.content);
    gameFlow.phase = Phase(c.phase);
    gameFlow.roundIndex = std::uint8_t(c.roundIndex);
    gameFlow.displayRegion = std::uint8_t(c.displayRegion);
    gameFlow.displayGroup = std::uint8_t(c.displayGroup);
    DrawDisplayContent(dc);
    EXPECT_TRUE(TextAt(10, 10, c.heading, c.content == 3 ? kWhite : kBlack));
  }
  EXPECT_TRUE(TextAt(10, 50, Name(9) + " です", kBlack));
}

}  // namespace
