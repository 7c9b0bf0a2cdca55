// How the standings table reads: the places shown, the marks and their colours, and the
// knockout paths of the bracket.
#include <vector>

#include "competition/bracket_progress.h"
#include "competition/standings_lines.h"
#include "support/competition_fixture.h"

namespace {

class StandingsScreen : public CompetitionTest {
 protected:
  // Standings given directly: the rank of each slot, nations 1, 2, ... in slot order.
  static void SetRanks(std::initializer_list<int> ranks) {
    int slot = 0;
    for (int rank : ranks) {
      Standings[slot].nation = static_cast<std::uint8_t>(slot + 1);
      Standings[slot].rank = static_cast<std::uint8_t>(rank);
      ++slot;
    }
    leagueState.teamCount = static_cast<std::uint8_t>(slot);
  }
  struct Seen {
    int slot, number;
    LineColour colour;
    StandingsMark mark;
    bool operator==(const Seen&) const = default;
  };
  static std::vector<Seen> Lines(int tickets, bool qualifying = true) {
    std::vector<Seen> seen;
    for (const StandingsLine& line : StandingsLines(tickets, qualifying)) {
      seen.push_back({line.slot, line.number, line.colour, line.mark});
    }
    return seen;
  }
  static constexpr auto kBlack = LineColour::Black, kRed = LineColour::Red,
                        kBlue = LineColour::Blue;
  static constexpr auto kIn = StandingsMark::Qualified, kOut = StandingsMark::Out,
                        kPlayoff = StandingsMark::Playoff, kNone = StandingsMark::None;
};

TEST_F(StandingsScreen, TicketsByView) {
  const int expected[][2] = {{0, 3}, {1, 5}, {2, 3}, {3, 2}, {4, 3}, {10, 2}, {100, 0}, {5, 0}};
  for (const auto& [view, tickets] : expected) EXPECT_EQ(StandingsTickets(view), tickets) << view;
}

TEST_F(StandingsScreen, PlacesCloseGapsAndShareTies) {
  // Ranks 1, 2, 4, 5 show as 1, 2, 3, 4.
  SetRanks({2, 1, 5, 4});
  std::array<int, kLeagueSlots> n = StandingsPlaces();
  EXPECT_EQ((std::vector<int>{n[0], n[1], n[2], n[3]}), (std::vector<int>{2, 1, 4, 3}));
  EXPECT_EQ(Lines(0).back(), (Seen{2, 4, kBlack, kNone}));
  SetRanks({1, 2, 2, 3});
  n = StandingsPlaces();
  EXPECT_EQ((std::vector<int>{n[0], n[1], n[2], n[3]}), (std::vector<int>{1, 2, 2, 4}));
  // Lines go by place, then slot order.
  const std::vector<Seen> lines = Lines(0);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1].slot, 1);
  EXPECT_EQ(lines[2].slot, 2);
  EXPECT_EQ(lines[3].number, 4);
}

TEST_F(StandingsScreen, OwnViewShowsNoMarks) {
  SetRanks({1, 2, 3, 4, 5, 6});
  for (const Seen& line : Lines(0)) {
    EXPECT_EQ(line.colour, kBlack);
    EXPECT_EQ(line.mark, kNone);
  }
}

TEST_F(StandingsScreen, MarksOnExactlyTheQualifyingRows) {
  SetRanks({3, 1, 5, 2, 4, 6, 7, 8});  // Europe: five tickets
  gameFlow.userNation = 0;             // nation 1, in slot 0, third
  EXPECT_EQ(Lines(5), (std::vector<Seen>{{1, 1, kRed, kIn},
                                         {3, 2, kRed, kIn},
                                         {0, 3, kRed, kIn},
                                         {4, 4, kRed, kIn},
                                         {2, 5, kRed, kIn},
                                         {5, 6, kBlack, kOut},
                                         {6, 7, kBlack, kOut},
                                         {7, 8, kBlack, kOut}}));
  // The group league's mark.
  EXPECT_EQ(Lines(5, false)[0].mark, StandingsMark::ToKnockout);
}

TEST_F(StandingsScreen, UserLevelAtTheBoundaryShowsEveryLevelNationInThePlayoff) {
  SetRanks({1, 2, 2, 2, 5});  // two tickets; three share second place
  gameFlow.userNation = 2;    // nation 3 is one of them
  EXPECT_TRUE(UserInStandings());
  EXPECT_EQ(Lines(2), (std::vector<Seen>{{0, 1, kRed, kIn},
                                         {1, 2, kBlue, kPlayoff},
                                         {2, 2, kBlue, kPlayoff},
                                         {3, 2, kBlue, kPlayoff},
                                         {4, 5, kBlack, kOut}}));
}

TEST_F(StandingsScreen, PlayoffFollowsTheShownPlacesWhenRankValuesRunAhead) {
  // Ranks 1, 1, 2, 2, 3 show as 1, 1, 3, 3, 5: with three tickets the second pair stands
  // across the boundary and both of them are in the play-off.
  SetRanks({1, 1, 2, 2, 3});
  gameFlow.userNation = 3;
  EXPECT_TRUE(IsPlayoffPlace(2, 3));
  EXPECT_FALSE(IsPlayoffPlace(1, 3));
  const std::vector<Seen> lines = Lines(3);
  EXPECT_EQ(lines[2], (Seen{2, 3, kBlue, kPlayoff}));
  EXPECT_EQ(lines[3], (Seen{3, 3, kBlue, kPlayoff}));
  EXPECT_EQ(lines[4], (Seen{4, 5, kBlack, kOut}));
}

TEST_F(StandingsScreen, ComputedLeagueMarksLevelNationsInSlotOrder) {
  SetRanks({1, 2, 2, 2, 5});
  gameFlow.userNation = 20;  // not in this league
  EXPECT_FALSE(UserInStandings());
  EXPECT_EQ(Lines(2), (std::vector<Seen>{{0, 1, kRed, kIn},
                                         {1, 2, kRed, kIn},
                                         {2, 2, kBlack, kOut},
                                         {3, 2, kBlack, kOut},
                                         {4, 5, kBlack, kOut}}));
}

TEST_F(StandingsScreen, EveryEntryShowsOnItsPlaceHoweverFarItsRankRuns) {
  // Five nations on ranks 1, 2, 4, 7, 5: rank 7 lies beyond n + 1 and still shows, fifth.
  SetRanks({1, 2, 4, 7, 5});
  EXPECT_EQ(Lines(2), (std::vector<Seen>{{0, 1, kRed, kIn},
                                         {1, 2, kRed, kIn},
                                         {2, 3, kBlack, kOut},
                                         {4, 4, kBlack, kOut},
                                         {3, 5, kBlack, kOut}}));
  EXPECT_EQ(Lines(0)[4], (Seen{3, 5, kBlack, kNone}));
}

TEST_F(StandingsScreen, PathsThroughTheKnockout) {
  knockoutTable.semiFinalists = {3, 9, 12, 20};
  knockoutTable.finalists = {9, 20};
  gameFlow.roundIndex = 0;
  EXPECT_FALSE(StillIn(3));
  EXPECT_FALSE(ReachedSemiFinal(3));
  gameFlow.roundIndex = 1;
  EXPECT_TRUE(StillIn(3));
  EXPECT_TRUE(ReachedSemiFinal(3));
  EXPECT_FALSE(StillIn(4));
  gameFlow.roundIndex = 2;
  EXPECT_FALSE(StillIn(3));
  EXPECT_TRUE(ReachedSemiFinal(3));
  EXPECT_TRUE(StillIn(9));
  knockoutTable.finalists = {0, 20};
  EXPECT_FALSE(StillIn(0));
}

}  // namespace
