// A whole campaign from the competition's side, the user's matches given their scores: the
// qualifying, the other regions, the draw, the group league, the other groups and the
// knockout rounds, with what each stage hands on to the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "competition/computed_results.h"
#include "competition/group_draw.h"
#include "competition/qualification.h"
#include "support/competition_fixture.h"

namespace {

class CampaignRun : public CompetitionTest {
 protected:
  // Plays every round of the user's league, the user winning each match 4-0.
  static void PlayUsersLeague() {
    for (int round = 0; round < gameFlow.roundCount; ++round) {
      gameFlow.roundIndex = static_cast<std::uint8_t>(round);
      const int opponent = UserFixtureOpponent();
      lastMatchResult =
          LastMatchResult{opponent != 0 ? 4 : 0, 0, static_cast<std::uint8_t>(opponent)};
      gameFlow.lastRound = gameFlow.roundIndex;
      CollectRoundResults();
      ApplyRoundResults();
    }
    ComputeStandings();
  }
};

TEST_F(CampaignRun, FromTheQualifyingToTheFinal) {
  for (int region = 0; region < kRegionCount; ++region) {
    SCOPED_TRACE(region);
    SetUp();
    SeedRandom(1000 + static_cast<std::uint32_t>(region));
    gameFlow.region = static_cast<std::uint8_t>(region);
    gameFlow.userNation = static_cast<std::uint8_t>(RegionFirstNation(region) + 2);
    const int user = gameFlow.userNation + 1;

    SetUpQualifying();
    gameFlow.phase = Phase::kQualifying;
    PlayUsersLeague();
    // Unbeaten with 4-0 wins: alone on top.
    ASSERT_TRUE(DecideQualification());
    RecordRegionQualifiers();
    for (int other = 0; other < kRegionCount; ++other) {
      if (other != region) ComputeRegionQualifying(other);
    }
    EXPECT_EQ(QualifierTable[region][0], user);

    DrawGroups();
    std::set<int> drawn;
    for (const auto& group : GroupTable) drawn.insert(group.begin(), group.end());
    EXPECT_EQ(drawn.size(), 16u);
    EXPECT_EQ(drawn.count(0), 0u);
    EXPECT_EQ(drawn.count(user), 1u);

    gameFlow.phase = Phase::kGroupLeague;
    SetUpGroupLeague();
    EXPECT_EQ(gameFlow.roundCount, 3);
    PlayUsersLeague();
    ASSERT_TRUE(DecideQualification());
    knockoutTable.semiFinalists.fill(0);
    knockoutTable.finalists.fill(0);
    RecordGroupQualifiers();
    for (int g = 0; g < kGroupCount; ++g) {
      if (g != leagueState.userGroup) ComputeGroup(g);
    }
    EXPECT_EQ(knockoutTable.bracket[2 * leagueState.userGroup], user);
    std::set<int> bracket(knockoutTable.bracket.begin(), knockoutTable.bracket.end());
    EXPECT_EQ(bracket.size(), 8u);
    for (int entry = 0; entry < 8; ++entry) {
      const auto& group = GroupTable[entry / 2];
      EXPECT_NE(std::find(group.begin(), group.end(), knockoutTable.bracket[entry]), group.end())
          << "bracket entry " << entry;
    }

    gameFlow.phase = Phase::kKnockout;
    for (int round = 0; round < 3; ++round) {
      gameFlow.roundIndex = static_cast<std::uint8_t>(round);
      const int opponent = UserFixtureOpponent();
      ASSERT_NE(opponent, 0) << "round " << round;
      ASSERT_NE(opponent, user);
      if (round < 2) ComputeKnockoutRound(opponent, 2, 1);
    }
    std::set<int> semi(knockoutTable.semiFinalists.begin(), knockoutTable.semiFinalists.end());
    EXPECT_EQ(semi.size(), 4u);
    EXPECT_EQ(semi.count(user), 1u);
    for (int n : semi) EXPECT_EQ(bracket.count(n), 1u);
    EXPECT_TRUE(knockoutTable.finalists[0] == user || knockoutTable.finalists[1] == user);
    EXPECT_NE(knockoutTable.finalists[0], knockoutTable.finalists[1]);
  }
}

}  // namespace
