// Who plays whom: the pairing tables, the league set-ups of every region and group, and the
// opponent the user meets in each round.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "competition/fixtures.h"
#include "competition/match_titles.h"
#include "competition/pairing.h"
#include "support/competition_fixture.h"

namespace {

using Fixtures = CompetitionTest;

// Every pair of the first `size` slots meets exactly once in rounds 0 to size - 2, the
// pairing is symmetric, and nothing is entered outside those slots and rounds.
void ExpectRoundRobin(int size) {
  int meetings[kLeagueSlots][kLeagueSlots] = {};
  for (int slot = 0; slot < kLeagueSlots; ++slot) {
    for (int round = 0; round < kPairingRounds; ++round) {
      const int other = leagueState.pairing[slot][round];
      if (slot >= size || round >= size - 1) {
        EXPECT_EQ(other, 0) << "slot " << slot << " round " << round;
        continue;
      }
      ASSERT_GE(other, 1) << "slot " << slot << " has no match in round " << round;
      ASSERT_LE(other, size);
      EXPECT_NE(other - 1, slot);
      EXPECT_EQ(leagueState.pairing[other - 1][round], slot + 1) << "round " << round;
      ++meetings[slot][other - 1];
    }
  }
  for (int a = 0; a < size; ++a) {
    for (int b = 0; b < size; ++b) {
      if (a != b) {
        EXPECT_EQ(meetings[a][b], 1) << a << " v " << b;
      }
    }
  }
}

TEST_F(Fixtures, EveryPairingSizeIsARoundRobin) {
  for (int size : {4, 6, 8}) {
    SCOPED_TRACE(size);
    // Leftovers of another table must not survive.
    for (auto& row : leagueState.pairing) row.fill(9);
    BuildPairing(size);
    ExpectRoundRobin(size);
  }
}

TEST_F(Fixtures, PairingTablesByRound) {
  BuildPairing(4);
  const int four[3][4] = {{3, 4, 1, 2}, {4, 3, 2, 1}, {2, 1, 4, 3}};
  for (int r = 0; r < 3; ++r) {
    for (int s = 0; s < 4; ++s) EXPECT_EQ(leagueState.pairing[s][r], four[r][s]) << r << s;
  }

  // Eight slots: rounds 1 to 4 put the first four against the last four, rounds 5 to 7 are
  // played within each half, and round 7 pairs neighbours.
  BuildPairing(8);
  for (int r = 0; r < 7; ++r) {
    for (int s = 0; s < 8; ++s) {
      const int other = leagueState.pairing[s][r] - 1;
      if (r < 4) {
        EXPECT_NE(s < 4, other < 4) << "round " << r + 1 << " slot " << s;
      } else {
        EXPECT_EQ(s < 4, other < 4) << "round " << r + 1 << " slot " << s;
      }
    }
  }
  EXPECT_EQ(leagueState.pairing[0][0], 5);
  EXPECT_EQ(leagueState.pairing[3][1], 5);
  EXPECT_EQ(leagueState.pairing[0][4], 3);
  EXPECT_EQ(leagueState.pairing[6][6], 8);
}

TEST_F(Fixtures, QualifyingOfEveryRegion) {
  const int teamCounts[5] = {6, 8, 6, 5, 6};
  for (int region = 0; region < kRegionCount; ++region) {
    SCOPED_TRACE(region);
    SeedRandom(100 + static_cast<std::uint32_t>(region));
    gameFlow.region = static_cast<std::uint8_t>(region);
    // A league part left over from an earlier league, and standings of another league.
    TeamTable[6].results[3] = 1;
    TeamTable[20].goalsFor = 7;
    TeamTable[29].spareResults[0] = 2;
    Standings[2].points = 9;
    Standings[2].rank = 1;
    leagueState.slots.fill(31);

    SetUpQualifying();

    EXPECT_EQ(TeamTable[6].results[3], 0);
    EXPECT_EQ(TeamTable[20].goalsFor, 0);
    EXPECT_EQ(TeamTable[29].spareResults[0], 0);
    EXPECT_EQ(Standings[2].points, 0);
    EXPECT_EQ(Standings[2].rank, 0);
    EXPECT_EQ(leagueState.teamCount, teamCounts[region]);
    const int size = region == 1 ? 8 : 6;
    EXPECT_EQ(gameFlow.roundCount, size - 1);

    // The region's nations, each in one slot, and nothing else.
    std::vector<int> placed(leagueState.slots.begin(), leagueState.slots.end());
    std::vector<int> expected(kLeagueSlots, 0);
    const int first = RegionFirstNation(region);
    for (int r = 0; r < teamCounts[region]; ++r) expected[r] = first + r + 1;
    std::sort(placed.begin(), placed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(placed, expected);
    ExpectRoundRobin(size);

    // Each nation meets every other nation of its region once over the rounds, and has a
    // round without a match only in the five-nation region, exactly once.
    for (int user = first; user < first + teamCounts[region]; ++user) {
      gameFlow.phase = Phase::kQualifying;
      gameFlow.userNation = static_cast<std::uint8_t>(user);
      std::multiset<int> met;
      int byes = 0;
      for (int round = 0; round < gameFlow.roundCount; ++round) {
        gameFlow.roundIndex = static_cast<std::uint8_t>(round);
        const int opponent = UserFixtureOpponent();
        if (opponent == 0) {
          ++byes;
        } else {
          met.insert(opponent);
        }
      }
      EXPECT_EQ(byes, teamCounts[region] == 5 ? 1 : 0) << "nation " << user;
      EXPECT_EQ(met.size(), static_cast<std::size_t>(teamCounts[region] - 1));
      EXPECT_EQ(std::set<int>(met.begin(), met.end()).size(), met.size());
      EXPECT_EQ(met.count(user + 1), 0u);
    }
  }
}

TEST_F(Fixtures, TheFiveNationRegionsFreeRounds) {
  gameFlow.region = 3;
  SetUpQualifying();
  EXPECT_EQ(leagueState.slots[5], 0);
  // The slot that meets the empty sixth slot has the round off: 4, 0, 2, 1, 3 in rounds 1-5.
  const int freeSlot[5] = {4, 0, 2, 1, 3};
  for (int round = 0; round < 5; ++round) {
    EXPECT_EQ(leagueState.pairing[freeSlot[round]][round], 6) << round;
    gameFlow.phase = Phase::kQualifying;
    gameFlow.roundIndex = static_cast<std::uint8_t>(round);
    gameFlow.userNation = static_cast<std::uint8_t>(leagueState.slots[freeSlot[round]] - 1);
    EXPECT_EQ(UserFixtureOpponent(), 0) << round;
  }
}

TEST_F(Fixtures, PlacingFollowsTheRandomSource) {
  gameFlow.region = 1;
  SeedRandom(7);
  SetUpQualifying();
  const auto first = leagueState.slots;
  SeedRandom(7);
  SetUpQualifying();
  EXPECT_EQ(leagueState.slots, first);
  // Other seeds give other orders.
  std::set<std::array<std::uint8_t, kLeagueSlots>> orders;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    SeedRandom(seed);
    SetUpQualifying();
    orders.insert(leagueState.slots);
  }
  EXPECT_GT(orders.size(), 10u);
}

TEST_F(Fixtures, ComputedRegionLeagueKeepsTheUsersCounters) {
  gameFlow.roundCount = 7;
  gameFlow.roundIndex = 4;
  leagueState.teamCount = 8;
  TeamTable[0].goalsFor = 3;
  SetUpRegionLeague(3);
  EXPECT_EQ(leagueState.teamCount, 8);
  EXPECT_EQ(gameFlow.roundCount, 7);
  EXPECT_EQ(gameFlow.roundIndex, 4);
  EXPECT_EQ(TeamTable[0].goalsFor, 3);
  std::vector<int> placed(leagueState.slots.begin(), leagueState.slots.begin() + 5);
  std::sort(placed.begin(), placed.end());
  EXPECT_EQ(placed, (std::vector<int>{21, 22, 23, 24, 25}));
  ExpectRoundRobin(6);
}

TEST_F(Fixtures, GroupLeagueOfTheUsersGroup) {
  GroupTable = {{{1, 7, 15, 26}, {2, 8, 16, 21}, {5, 9, 27, 22}, {10, 17, 11, 28}}};
  gameFlow.userNation = 21;  // nation number 22, group C
  gameFlow.roundIndex = 4;
  TeamTable[21].results[4] = 1;
  SetUpGroupLeague();
  EXPECT_EQ(leagueState.userGroup, 2);
  EXPECT_EQ(leagueState.teamCount, 4);
  EXPECT_EQ(gameFlow.roundCount, 3);
  EXPECT_EQ(gameFlow.roundIndex, 0);
  EXPECT_EQ(TeamTable[21].results[4], 0);
  std::vector<int> placed(leagueState.slots.begin(), leagueState.slots.begin() + 4);
  std::sort(placed.begin(), placed.end());
  EXPECT_EQ(placed, (std::vector<int>{5, 9, 22, 27}));
  EXPECT_EQ(leagueState.slots[4], 0);
  ExpectRoundRobin(4);

  gameFlow.phase = Phase::kGroupLeague;
  std::set<int> met;
  for (int round = 0; round < 3; ++round) {
    gameFlow.roundIndex = static_cast<std::uint8_t>(round);
    met.insert(UserFixtureOpponent());
  }
  EXPECT_EQ(met, (std::set<int>{5, 9, 27}));

  // Another group, computed without the user: the user's group and counters stay.
  TeamTable[21].results[4] = 1;
  SetUpComputedGroup(3);
  EXPECT_EQ(leagueState.userGroup, 2);
  EXPECT_EQ(TeamTable[21].results[4], 1);
  placed.assign(leagueState.slots.begin(), leagueState.slots.begin() + 4);
  std::sort(placed.begin(), placed.end());
  EXPECT_EQ(placed, (std::vector<int>{10, 11, 17, 28}));
}

TEST_F(Fixtures, FriendlyOpponentsComeFromOtherRegions) {
  const std::vector<int> fromJapan = FriendlyOpponents(0);
  EXPECT_EQ(fromJapan.size(), 25u);
  EXPECT_EQ(fromJapan.front(), 6);
  EXPECT_EQ(fromJapan.back(), 30);
  EXPECT_TRUE(std::is_sorted(fromJapan.begin(), fromJapan.end()));
  const std::vector<int> fromCanada = FriendlyOpponents(22);
  EXPECT_EQ(fromCanada.size(), 26u);
  for (int nation : fromCanada) {
    EXPECT_TRUE(nation < 20 || nation > 24) << nation;
    EXPECT_NE(nation, kYouthSelection);
  }
}

TEST_F(Fixtures, TitlesOfCampaignMatches) {
  std::string title = "unchanged";
  gameFlow.phase = Phase::kQualifying;
  gameFlow.region = 3;
  gameFlow.roundIndex = 4;
  gameFlow.level = 0;
  ASSERT_TRUE(CampaignMatchTitle(&title));
  EXPECT_EQ(title, "ワールドカップ 北中米カリブ地区予選 ラウンド 5  [ LEVEL S ]");
  gameFlow.phase = Phase::kGroupLeague;
  gameFlow.roundIndex = 0;
  gameFlow.level = 3;
  ASSERT_TRUE(CampaignMatchTitle(&title));
  EXPECT_EQ(title, "ワールドカップ グループリーグ ラウンド 1  [ LEVEL 3 ]");
  gameFlow.phase = Phase::kKnockout;
  gameFlow.level = 2;
  const char* knockout[3] = {"ワールドカップ 決勝トーナメント1回戦  [ LEVEL 2 ]",
                             "ワールドカップ 準決勝  [ LEVEL 2 ]",
                             "ワールドカップ 決勝  [ LEVEL 2 ]"};
  for (int round = 0; round < 3; ++round) {
    gameFlow.roundIndex = static_cast<std::uint8_t>(round);
    ASSERT_TRUE(CampaignMatchTitle(&title));
    EXPECT_EQ(title, knockout[round]);
  }
  // No title past the final, for a level outside the four, or outside the campaign stages.
  title = "unchanged";
  gameFlow.roundIndex = 3;
  EXPECT_FALSE(CampaignMatchTitle(&title));
  gameFlow.roundIndex = 1;
  gameFlow.level = 4;
  EXPECT_FALSE(CampaignMatchTitle(&title));
  gameFlow.level = 1;
  gameFlow.phase = Phase::kSetUp;
  EXPECT_FALSE(CampaignMatchTitle(&title));
  EXPECT_EQ(title, "unchanged");
}

}  // namespace
