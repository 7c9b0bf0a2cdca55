// Who goes on from a league: the user's qualification at the ticket boundary with its
// play-off, and the qualifiers of the user's and of the computed regions and groups.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "competition/qualification.h"
#include "competition/standings_lines.h"
#include "support/competition_fixture.h"

namespace {

class Qualification : public CompetitionTest {
 protected:
  // A finished league of the given nation numbers with the given ranks, slot by slot, the
  // user being nation number `user`.
  static void SetFinalTable(std::initializer_list<int> nations, std::initializer_list<int> ranks,
                            int user, int phase, int region) {
    SetLeague(nations);
    Standings.fill(StandingsEntry{});
    int j = 0;
    for (int rank : ranks) {
      Standings[j].nation = leagueState.slots[j];
      Standings[j].rank = static_cast<std::uint8_t>(rank);
      ++j;
    }
    gameFlow.userNation = static_cast<std::uint8_t>(user - 1);
    gameFlow.phase = Phase(phase);
    gameFlow.region = static_cast<std::uint8_t>(region);
    gameFlow.playoffOpponent = 0;
  }

  // Asia: six nations, three tickets; the user is Japan (nation number 1).
  static void AsiaTable(std::initializer_list<int> ranks) {
    SetFinalTable({2, 3, 1, 4, 5, 6}, ranks, 1, 2, 0);
  }

  // A World Cup group of four, two tickets; the user is nation number 22.
  static void GroupTableOf(std::initializer_list<int> ranks) {
    SetFinalTable({7, 22, 15, 26}, ranks, 22, 3, 3);
  }

  static void PlayoffResult(int userGoals, int opponentGoals) {
    lastMatchResult.userGoals = userGoals;
    lastMatchResult.opponentGoals = opponentGoals;
    lastMatchResult.opponent = gameFlow.playoffOpponent;
  }
};

TEST_F(Qualification, TheTicketBoundaryOfTheUsersRegion) {
  // Asia, three tickets; slots hold nation numbers 2, 3, 1 (Japan, the user), 4, 5, 6.
  struct Case {
    std::array<int, 6> ranks;
    bool passed;
    int playoffOpponent;
  };
  const Case cases[] = {
      {{1, 2, 3, 4, 5, 6}, true, 0},   // third of six
      {{1, 2, 4, 3, 5, 6}, false, 0},  // fourth
      {{1, 2, 2, 4, 5, 6}, true, 0},   // level with others, all inside the tickets
      {{1, 1, 1, 4, 5, 6}, true, 0},
      {{1, 2, 4, 5, 6, 7}, true, 0},   // a missing rank value: the user on 4 stands third
      {{1, 2, 4, 4, 6, 7}, false, 4},  // ...and level with Saudi Arabia across the boundary
      {{1, 1, 3, 1, 5, 6}, false, 0},  // the nations above hold every ticket...
      {{1, 1, 2, 1, 2, 6}, false, 0},  // ...even with a nation level just behind
      {{1, 2, 3, 3, 5, 6}, false, 4},  // level with Saudi Arabia on the last ticket
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.ranks));
    AsiaTable({c.ranks[0], c.ranks[1], c.ranks[2], c.ranks[3], c.ranks[4], c.ranks[5]});
    EXPECT_EQ(DecideQualification(), c.passed);
    EXPECT_EQ(gameFlow.playoffOpponent, c.playoffOpponent);
  }

  // Four nations level at the top for three tickets: a play-off against one of the others.
  AsiaTable({1, 1, 1, 1, 5, 6});
  EXPECT_FALSE(DecideQualification());
  EXPECT_TRUE(gameFlow.playoffOpponent >= 2 && gameFlow.playoffOpponent <= 4);
}

TEST_F(Qualification, TheBoundaryOfOtherTicketCounts) {
  // Europe has five tickets: the same boundary is further down.
  SetFinalTable({7, 8, 9, 10, 11, 12, 13, 14}, {1, 2, 3, 4, 5, 5, 7, 8}, 12, 2, 1);
  EXPECT_FALSE(DecideQualification());
  EXPECT_EQ(gameFlow.playoffOpponent, 11);
  SetFinalTable({7, 8, 9, 10, 11, 12, 13, 14}, {1, 2, 3, 4, 5, 6, 6, 8}, 12, 2, 1);
  EXPECT_FALSE(DecideQualification());
  EXPECT_EQ(gameFlow.playoffOpponent, 0);

  // North/Central America and Caribbean: two tickets.
  SetFinalTable({21, 22, 23, 24, 25}, {1, 2, 2, 4, 5}, 23, 2, 3);
  EXPECT_FALSE(DecideQualification());
  EXPECT_EQ(gameFlow.playoffOpponent, 22);
}

TEST_F(Qualification, ThePlayoffOpponentIsDrawnAmongTheLevelNations) {
  // Three level on rank 2 of a group with two tickets: the user meets one of the other two,
  // the first in slot order twice as often as the second.
  int counts[33] = {};
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    SeedRandom(seed);
    GroupTableOf({2, 2, 1, 2});
    ASSERT_FALSE(DecideQualification());
    ++counts[gameFlow.playoffOpponent];
    gameFlow.playoffOpponent = 0;
  }
  EXPECT_EQ(counts[7] + counts[26], 300);
  EXPECT_GT(counts[26], 50);
  EXPECT_GT(counts[7], counts[26] + 50);
}

TEST_F(Qualification, ThePlayoffDecides) {
  AsiaTable({1, 2, 3, 3, 5, 6});
  ASSERT_FALSE(DecideQualification());
  ASSERT_EQ(gameFlow.playoffOpponent, 4);

  // Won: passed, and the beaten nation stays recorded for the qualifiers.
  PlayoffResult(2, 1);
  EXPECT_TRUE(DecideQualification());
  EXPECT_EQ(gameFlow.playoffOpponent, 4);

  // Level after extra time: still pending, for the shoot-out.
  PlayoffResult(1, 1);
  EXPECT_FALSE(DecideQualification());
  EXPECT_EQ(gameFlow.playoffOpponent, 4);

  // Decided on penalties, either way.
  EXPECT_TRUE(DecideQualification({true, 4, 3}));
  EXPECT_EQ(gameFlow.playoffOpponent, 4);
  EXPECT_FALSE(DecideQualification({true, 2, 4}));
  EXPECT_EQ(gameFlow.playoffOpponent, 0);

  // Lost.
  gameFlow.playoffOpponent = 4;
  PlayoffResult(0, 3);
  EXPECT_FALSE(DecideQualification());
  EXPECT_EQ(gameFlow.playoffOpponent, 0);
}

TEST_F(Qualification, TheUsersRegionRowStartsWithTheUser) {
  // Japan second; the walk fills the other two places by rank, skipping Japan.
  AsiaTable({1, 3, 2, 4, 5, 6});
  QualifierTable[0].fill(30);
  RecordRegionQualifiers();
  EXPECT_EQ(QualifierTable[0], (std::array<std::uint8_t, 10>{1, 2, 3, 0, 0, 0, 0, 0, 0, 0}));

  // A missing rank value is skipped: ranks 1, 2, 4.
  AsiaTable({1, 5, 2, 4, 6, 7});
  RecordRegionQualifiers();
  EXPECT_EQ(QualifierTable[0], (std::array<std::uint8_t, 10>{1, 2, 4, 0, 0, 0, 0, 0, 0, 0}));

  // Three level on rank 2 for two tickets: after a won play-off against China (3) the
  // beaten nation stays out and the third of them goes through.
  AsiaTable({1, 2, 2, 2, 5, 6});
  ASSERT_FALSE(DecideQualification());
  gameFlow.playoffOpponent = 3;
  PlayoffResult(2, 1);
  ASSERT_TRUE(DecideQualification());
  RecordRegionQualifiers();
  EXPECT_EQ(QualifierTable[0], (std::array<std::uint8_t, 10>{1, 2, 4, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(Qualification, TheUsersGroupQualifiers) {
  knockoutTable.bracket = {1, 2, 3, 4, 5, 6, 9, 9};
  leagueState.userGroup = 3;

  // Without a play-off: the walk of the ranks, the user like any other nation.
  GroupTableOf({2, 1, 3, 4});
  RecordGroupQualifiers();
  EXPECT_EQ(knockoutTable.bracket, (std::array<std::uint8_t, 8>{1, 2, 3, 4, 5, 6, 22, 7}));

  // Ranks 1, 2, 2, 2 and a won play-off against 26: the user takes the second place and the
  // other nation of rank 2 stays out.
  GroupTableOf({2, 2, 1, 2});
  gameFlow.playoffOpponent = 26;
  PlayoffResult(2, 0);
  RecordGroupQualifiers();
  EXPECT_EQ(knockoutTable.bracket[6], 15);
  EXPECT_EQ(knockoutTable.bracket[7], 22);

  // Three level on top and a won play-off against 7: the user first, then the third of them.
  GroupTableOf({1, 1, 1, 4});
  gameFlow.playoffOpponent = 7;
  PlayoffResult(1, 0);
  RecordGroupQualifiers();
  EXPECT_EQ(knockoutTable.bracket[6], 22);
  EXPECT_EQ(knockoutTable.bracket[7], 15);
  EXPECT_EQ(knockoutTable.bracket[5], 6);
}

// Every nation of the league in leagueState has met every other nation of it once.
void ExpectEveryoneMetEveryone() {
  for (int a = 0; a < leagueState.teamCount; ++a) {
    for (int b = 0; b < leagueState.teamCount; ++b) {
      const int na = leagueState.slots[a];
      const int nb = leagueState.slots[b];
      if (a == b || na == 0 || nb == 0) continue;
      const int ab = TeamTable[na - 1].results[nb - 1];
      const int ba = TeamTable[nb - 1].results[na - 1];
      ASSERT_NE(ab, 0) << na << " never met " << nb;
      EXPECT_EQ(ab == 3, ba == 3);
      if (ab != 3) {
        EXPECT_EQ(ab + ba, 3);
      }
    }
  }
}

// The nations of `row` are the first `count` of the walk of the ranks: nobody left out stands
// on a better rank than a qualifier.
void ExpectBestRanksQualified(const std::uint8_t* row, int count) {
  int worstQualified = 0;
  std::set<int> qualified(row, row + count);
  EXPECT_EQ(qualified.size(), static_cast<std::size_t>(count));
  for (int j = 0; j < leagueState.teamCount; ++j) {
    if (qualified.count(Standings[j].nation)) {
      worstQualified = std::max<int>(worstQualified, Standings[j].rank);
    }
  }
  for (int j = 0; j < leagueState.teamCount; ++j) {
    if (!qualified.count(Standings[j].nation)) {
      EXPECT_GE(Standings[j].rank, worstQualified) << "nation " << int(Standings[j].nation);
    }
  }
}

TEST_F(Qualification, EveryComputedRegionSendsItsTicketsWorth) {
  const int tickets[5] = {3, 5, 3, 2, 3};
  for (int region = 0; region < kRegionCount; ++region) {
    SCOPED_TRACE(region);
    SeedRandom(40 + static_cast<std::uint32_t>(region));
    QualifierTable[region].fill(31);
    ComputeRegionQualifying(region);

    EXPECT_EQ(leagueState.teamCount, RegionNationCount(region));
    const auto& row = QualifierTable[region];
    for (int i = 0; i < 10; ++i) {
      if (i < tickets[region]) {
        ASSERT_NE(row[i], 0);
        EXPECT_EQ(TeamTable[row[i] - 1].region, region);
      } else {
        EXPECT_EQ(row[i], 0);
      }
    }
    ExpectEveryoneMetEveryone();
    ExpectBestRanksQualified(row.data(), tickets[region]);
  }
}

TEST_F(Qualification, ComputedRegionsFollowTheRandomSource) {
  SeedRandom(5);
  ComputeRegionQualifying(1);
  const auto first = QualifierTable[1];
  const auto standings = Standings;
  std::set<std::vector<int>> rows;
  for (std::uint32_t seed = 1; seed <= 10; ++seed) {
    ResetNationRecords();
    InitTeamDatabase();
    SeedRandom(seed);
    ComputeRegionQualifying(1);
    if (seed == 5) {
      EXPECT_EQ(QualifierTable[1], first);
      for (int j = 0; j < 8; ++j) EXPECT_EQ(Standings[j].points, standings[j].points);
    }
    rows.insert(std::vector<int>(QualifierTable[1].begin(), QualifierTable[1].end()));
  }
  EXPECT_GT(rows.size(), 3u);
}

TEST_F(Qualification, EveryComputedGroupSendsTwo) {
  GroupTable = {{{1, 7, 15, 26}, {2, 8, 16, 21}, {5, 9, 27, 22}, {10, 17, 11, 28}}};
  knockoutTable.bracket.fill(99);
  for (int group = 0; group < kGroupCount; ++group) {
    SCOPED_TRACE(group);
    ClearLeagueRecords();
    ComputeGroup(group);
    EXPECT_EQ(leagueState.teamCount, 4);
    const std::uint8_t* pair = &knockoutTable.bracket[2 * group];
    const auto& members = GroupTable[group];
    EXPECT_NE(std::find(members.begin(), members.end(), pair[0]), members.end());
    EXPECT_NE(std::find(members.begin(), members.end(), pair[1]), members.end());
    ExpectEveryoneMetEveryone();
    ExpectBestRanksQualified(pair, 2);
    if (group < 3) {
      EXPECT_EQ(knockoutTable.bracket[2 * group + 2], 99);
    }
  }
}

// What a finished computed league shows and decides, and how often the sweep met the cases
// where rank values and places part.
struct Agreement {
  int leagues = 0;
  int ranksApartFromPlaces = 0;
  int passedOnAPlaceBeyondItsRank = 0;  // a user whose rank value lies past the tickets
  int playoffs = 0;
};

// Every entry once, by place and then slot, in the order of points, goal difference and goals
// for, and level on a place only when level on all three.
void ExpectEveryNationOnItsPlace(const std::vector<StandingsLine>& lines, Agreement* seen) {
  const int n = leagueState.teamCount;
  ASSERT_EQ(int(lines.size()), n);
  const std::array<int, kLeagueSlots> places = StandingsPlaces();
  std::set<int> slots;
  for (int i = 0; i < n; ++i) {
    const StandingsEntry& e = Standings[lines[i].slot];
    slots.insert(lines[i].slot);
    EXPECT_EQ(lines[i].number, places[lines[i].slot]);
    EXPECT_LE(int(e.rank), kHighestRank);
    if (e.rank != places[lines[i].slot]) ++seen->ranksApartFromPlaces;
    if (i == 0) continue;
    const StandingsEntry& before = Standings[lines[i - 1].slot];
    const auto key = [](const StandingsEntry& x) {
      return std::array<int, 3>{x.points, x.goalDifference, x.goalsFor};
    };
    EXPECT_GE(key(before), key(e));
    EXPECT_EQ(lines[i].number == lines[i - 1].number, key(before) == key(e));
    if (lines[i].number != lines[i - 1].number) {
      EXPECT_EQ(lines[i].number, i + 1);
    } else {
      EXPECT_LT(lines[i - 1].slot, lines[i].slot);
    }
  }
  EXPECT_EQ(int(slots.size()), n);
}

// The line of a slot among the lines of the table.
const StandingsLine& LineOf(const std::vector<StandingsLine>& lines, int slot) {
  for (const StandingsLine& line : lines) {
    if (line.slot == slot) return line;
  }
  return lines.front();
}

// A computed league just finished, its qualifiers in `qualifiers`: the marks name them; and
// with each nation of the league in turn as the user, the user's line says what the decision
// decides and the recorded qualifiers are the nations marked as through.
void ExpectTheTableAndTheDecisionsAgree(int region, int group, const std::uint8_t* qualifiers,
                                        Agreement* seen) {
  const bool qualifying = group < 0;
  const int tickets = qualifying ? RegionTickets(region) : kGroupTickets;
  const StandingsMark through = qualifying ? StandingsMark::Qualified : StandingsMark::ToKnockout;
  ++seen->leagues;

  gameFlow.userNation = 31;  // the youth selection stands in no league: a computed view
  const std::vector<StandingsLine> computed = StandingsLines(tickets, qualifying);
  ExpectEveryNationOnItsPlace(computed, seen);
  std::set<int> marked, recorded(qualifiers, qualifiers + tickets);
  for (const StandingsLine& line : computed) {
    if (line.mark == through) marked.insert(Standings[line.slot].nation);
  }
  EXPECT_EQ(marked, recorded);

  for (int slot = 0; slot < leagueState.teamCount; ++slot) {
    SCOPED_TRACE(slot);
    const int user = Standings[slot].nation;
    gameFlow.userNation = std::uint8_t(user - 1);
    gameFlow.phase = qualifying ? Phase::kQualifying : Phase::kGroupLeague;
    gameFlow.region = std::uint8_t(qualifying ? region : TeamTable[user - 1].region);
    gameFlow.playoffOpponent = 0;
    const std::vector<StandingsLine> lines = StandingsLines(tickets, qualifying);
    const StandingsLine& own = LineOf(lines, slot);
    const bool passed = DecideQualification();
    if (gameFlow.playoffOpponent != 0) {
      ++seen->playoffs;
      EXPECT_FALSE(passed);
      EXPECT_EQ(own.mark, StandingsMark::Playoff);
      int opponent = 0;
      while (Standings[opponent].nation != gameFlow.playoffOpponent) ++opponent;
      EXPECT_EQ(LineOf(lines, opponent).mark, StandingsMark::Playoff);
      EXPECT_EQ(LineOf(lines, opponent).number, own.number);
      continue;
    }
    EXPECT_EQ(own.mark, passed ? through : StandingsMark::Out);
    if (!passed) continue;
    if (Standings[slot].rank > tickets) ++seen->passedOnAPlaceBeyondItsRank;
    std::set<int> through_;
    if (qualifying) {
      RecordRegionQualifiers();
      through_.insert(QualifierTable[region].begin(), QualifierTable[region].begin() + tickets);
    } else {
      leagueState.userGroup = std::uint8_t(group);
      RecordGroupQualifiers();
      through_.insert(&knockoutTable.bracket[2 * group], &knockoutTable.bracket[2 * group + 2]);
    }
    for (const StandingsLine& line : lines) {
      const int nation = Standings[line.slot].nation;
      if (line.mark == through) {
        EXPECT_EQ(through_.count(nation), 1u) << nation;
      } else if (through_.count(nation) != 0) {
        EXPECT_EQ(line.mark, StandingsMark::Playoff) << nation;
      }
    }
  }
}

TEST_F(Qualification, TheFinalTableTheDecisionAndTheQualifiersAgreeInPlayedLeagues) {
  Agreement seen;
  for (std::uint32_t seed = 1; seed <= 150; ++seed) {
    SCOPED_TRACE(seed);
    ResetNationRecords();
    InitTeamDatabase();
    SeedRandom(seed);
    for (int region = 0; region < kRegionCount; ++region) {
      SCOPED_TRACE(region);
      ComputeRegionQualifying(region);
      const auto row = QualifierTable[region];
      ExpectTheTableAndTheDecisionsAgree(region, -1, row.data(), &seen);
    }
    GroupTable = {{{1, 7, 15, 26}, {2, 8, 16, 21}, {5, 9, 27, 22}, {10, 17, 11, 28}}};
    for (int group = 0; group < kGroupCount; ++group) {
      SCOPED_TRACE(group);
      ComputeGroup(group);
      const std::array<std::uint8_t, 2> pair = {knockoutTable.bracket[2 * group],
                                                knockoutTable.bracket[2 * group + 1]};
      ExpectTheTableAndTheDecisionsAgree(-1, group, pair.data(), &seen);
    }
  }
  // The sweep met the cases that matter.
  EXPECT_EQ(seen.leagues, 150 * 9);
  EXPECT_GT(seen.ranksApartFromPlaces, 0);
  EXPECT_GT(seen.passedOnAPlaceBeyondItsRank, 0);
  EXPECT_GT(seen.playoffs, 0);
  std::printf("%d leagues, %d entries off their place, %d passed beyond their rank, %d play-offs\n",
              seen.leagues, seen.ranksApartFromPlaces, seen.passedOnAPlaceBeyondItsRank,
              seen.playoffs);
}

}  // namespace
