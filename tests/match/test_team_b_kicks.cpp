// Team B's ball carrier: pass directions, the silent second pass, shots, crosses to a mate in
// front of the goal, the long shot by Level, and the carrier's choice by where he stands.
#include <functional>

#include "base/random_below.h"
#include "match/kicks.h"
#include "match/team_b_kicks.h"
#include "match/team_play.h"
#include "support/match_rules_fixture.h"

namespace {

// Seeds the random source so that its next draws satisfy `wanted` (which makes the same
// draws as the code under test will).
void SeedSoThat(const std::function<bool()>& wanted) {
  for (std::uint32_t seed = 1; seed < 10000; ++seed) {
    SeedRandom(seed);
    if (wanted()) {
      SeedRandom(seed);
      return;
    }
  }
  FAIL() << "no seed found";
}

class TeamBPasses : public MatchRules {
 protected:
  void SetUp() override {
    MatchRules::SetUp();
    // Carrier 5 at (500, 200); every other team B player behind him (larger x) but one.
    for (int i = 1; i < kPlayersPerSide; ++i) Place(teamB, i, 700, 430);
    Place(teamB, 5, 500, 200);
    PutBall(500, 200);
    SeedRandom(7);
  }
  int PassTo(int x, int y) {
    Place(teamB, 3, x, y);
    match.lastPasserB = 0;
    EXPECT_EQ(TeamBPass(5), 3);
    return ball.dir;
  }
};

TEST_F(TeamBPasses, ReceiverLevelWithinTwentyEightGetsAStraightPass) {
  EXPECT_EQ(PassTo(300, 228), 4);
  EXPECT_EQ(PassTo(300, 172), 4);
}

TEST_F(TeamBPasses, ReceiverLowerDownGetsDownOrDownLeftAtTwentyEightAhead) {
  EXPECT_EQ(PassTo(472, 229), 2);
  EXPECT_EQ(PassTo(471, 229), 1);
}

TEST_F(TeamBPasses, ReceiverHigherUpGetsUpOrUpLeftAtTwelveAhead) {
  EXPECT_EQ(PassTo(488, 171), 8);
  EXPECT_EQ(PassTo(487, 171), 7);
}

TEST_F(TeamBPasses, NoReceiverAheadMeansNoPass) {
  EXPECT_EQ(TeamBPass(5), 0);
  EXPECT_EQ(ball.speed, 0);
}

TEST_F(TeamBPasses, SearchOrderDependsOnTheDraw) {
  Place(teamB, 2, 400, 200);
  Place(teamB, 9, 300, 200);
  SeedSoThat([] { return RandomBelow(5) != 0; });
  EXPECT_EQ(TeamBPass(5), 2);
  SeedSoThat([] { return RandomBelow(5) == 0; });
  EXPECT_EQ(TeamBPass(5), 9);
}

TEST_F(TeamBPasses, SamePlayersSecondPassIsSilent) {
  Place(teamB, 3, 300, 200);
  match.nearSticky = 50;
  TeamBPass(5);
  EXPECT_EQ(match.nearSticky, 0);  // the sounding kick
  EXPECT_EQ(match.lastPasserB, 17);
  EXPECT_EQ(match.faceRefresh, 17);
  match.nearSticky = 50;
  TeamBPass(5);
  EXPECT_EQ(match.nearSticky, 50);  // the quiet kick leaves it
  EXPECT_EQ(ball.speed, 13);
}

using TeamBShots = MatchRules;

TEST_F(TeamBShots, FirstShotAfterItsKickOffGoesUpLeft) {
  match.kickOffPendingB = 1;
  PutBall(300, 255);
  SeedSoThat([] { return RandomBelow(5) != 1 && RandomBelow(5) != 3; });
  TeamBShot();
  EXPECT_EQ(ball.dir, 7);
  EXPECT_EQ(ball.speed, 17);
  EXPECT_EQ(match.kickOffPendingB, 0);
  SeedSoThat([] { return RandomBelow(5) != 1 && RandomBelow(5) != 3; });
  TeamBShot();
  EXPECT_EQ(ball.dir, 4);
  match.levelCode = 4;
  SeedSoThat([] { return RandomBelow(5) != 1 && RandomBelow(5) != 3; });
  TeamBShot();
  EXPECT_EQ(ball.speed, 21);
}

TEST_F(TeamBShots, RandomDiagonalsFromFarOut) {
  PutBall(300, 255);
  SeedSoThat([] { return RandomBelow(5) == 1; });
  TeamBShot();
  EXPECT_EQ(ball.dir, 7);
  EXPECT_EQ(ball.speed, 12);  // no shot's extra speed
  SeedSoThat([] { return RandomBelow(5) != 1 && RandomBelow(5) == 3; });
  TeamBShot();
  EXPECT_EQ(ball.dir, 1);
  EXPECT_EQ(ball.speed, 12);
}

TEST_F(TeamBShots, CloseInNoRandomDiagonal) {
  PutBall(80, 255);
  SeedSoThat([] { return RandomBelow(5) == 1; });
  TeamBShot();
  EXPECT_EQ(ball.dir, 4);
  EXPECT_EQ(ball.speed, 18);
}

TEST_F(TeamBShots, WideBallIsCrossedToAMateInFrontOfTheGoal) {
  Place(teamB, 9, 100, 250);
  PutBall(80, 200);
  TeamBShot();
  EXPECT_EQ(ball.dir, 2);
  EXPECT_EQ(ball.speed, 13);
  PutBall(80, 300);
  TeamBShot();
  EXPECT_EQ(ball.dir, 8);
  Place(teamB, 9, 130, 250);  // nobody in front any more: shoot at the far corner
  PutBall(80, 200);
  TeamBShot();
  EXPECT_EQ(ball.dir, 1);
  EXPECT_EQ(ball.speed, 17);
}

TEST_F(TeamBShots, QuietShotCrossesWithTheCommonKick) {
  Place(teamB, 9, 100, 250);
  PutBall(80, 200);
  match.nearPlayer = 16;
  TeamBShotQuiet();
  EXPECT_EQ(ball.dir, 2);
  EXPECT_EQ(match.nearPlayer, 0);  // the common kick, not team B's own
}

TEST_F(TeamBShots, MateInFrontOnlyInsideTheBox) {
  Place(teamB, 6, 119, 216);
  EXPECT_EQ(TeamBMateInFront(), 1);
  Place(teamB, 6, 120, 216);
  EXPECT_EQ(TeamBMateInFront(), 0);
  Place(teamB, 6, 100, 215);
  EXPECT_EQ(TeamBMateInFront(), 0);
  Place(teamB, 0, 40, 255);  // the keeper does not count
  EXPECT_EQ(TeamBMateInFront(), 0);
}

class CarrierDecision : public MatchRules {
 protected:
  void SetUp() override {
    MatchRules::SetUp();
    for (int i = 1; i < kPlayersPerSide; ++i) Place(teamB, i, 700, 430);
  }
  void Carrier(int i, int x, int y) {
    Place(teamB, i, x, y);
    PutBall(x, y);
    match.ballHolder = i + 12;
  }
};

TEST_F(CarrierDecision, LongShotAtLevelsSAndOneOrAgainstAWeakerSide) {
  gameFlow.level = 1;
  match.levelCode = 5;
  Carrier(6, 130, 150);
  TeamBCarrierDecision();
  EXPECT_EQ(ball.dir, 1);
  EXPECT_EQ(ball.speed, 20);  // 12 + 5 + 3
  EXPECT_EQ(match.faceRefresh, 18);
  // At Level 2 against a strong side he passes instead (to a mate level with him).
  gameFlow.level = 2;
  Place(teamB, 3, 60, 360);
  Carrier(6, 130, 360);
  TeamBCarrierDecision();
  EXPECT_EQ(ball.dir, 4);
  EXPECT_EQ(match.lastPasserB, 18);
  match.levelCode = 3;
  Carrier(6, 130, 360);
  TeamBCarrierDecision();
  EXPECT_EQ(ball.dir, 7);
  EXPECT_EQ(ball.speed, 17);
}

TEST_F(CarrierDecision, ChipInFrontOfTheGoal) {
  Carrier(9, 70, 255);
  SeedRandom(3);
  TeamBCarrierDecision();
  EXPECT_EQ(ball.climb, 9);
  EXPECT_EQ(match.faceRefresh, 21);
}

TEST_F(CarrierDecision, HeaderInFrontOfTheGoalGoesDown) {
  Carrier(9, 70, 255);
  ball.height = 12;
  SeedSoThat([] { return RandomBelow(5) != 1 && RandomBelow(5) != 3; });
  TeamBCarrierDecision();
  EXPECT_EQ(ball.dir, 4);
  EXPECT_EQ(ball.climb, -9);
  EXPECT_EQ(ball.speed, 21);
  EXPECT_EQ(B(9).y, 249);
  EXPECT_EQ(B(9).pose, 20);
}

TEST_F(CarrierDecision, BesideTheGoalTheBallIsLiftedAcross) {
  Carrier(8, 60, 150);
  TeamBCarrierDecision();
  EXPECT_EQ(ball.dir, 2);
  EXPECT_EQ(ball.climb, 4);
  EXPECT_EQ(ball.speed, 12);
}

TEST_F(CarrierDecision, DefenderWithNobodyAheadShootsQuietly) {
  Carrier(2, 300, 255);
  for (int i = 1; i < kPlayersPerSide; ++i) {
    if (i != 2) Place(teamB, i, 700, 430);
  }
  SeedSoThat([] {
    RandomBelow(5);  // the pass's search order
    return RandomBelow(5) != 1 && RandomBelow(5) != 3;
  });
  TeamBCarrierDecision();
  EXPECT_EQ(ball.dir, 4);
  EXPECT_EQ(ball.speed, 18);
  EXPECT_EQ(match.faceRefresh, 14);
}

TEST_F(CarrierDecision, ForwardShootsOnOneDrawInTen) {
  Carrier(9, 300, 255);
  Place(teamB, 4, 200, 255);  // a mate to pass to
  SeedSoThat([] { return RandomBelow(10) == 1 && RandomBelow(5) == 0 && RandomBelow(5) == 0; });
  TeamBCarrierDecision();
  EXPECT_EQ(ball.dir, 4);
  EXPECT_EQ(ball.speed, 18);
  EXPECT_EQ(match.lastPasserB, 0);
  Carrier(9, 300, 255);
  SeedSoThat([] { return RandomBelow(10) != 1; });
  TeamBCarrierDecision();
  EXPECT_EQ(match.lastPasserB, 21);  // he passed
}

}  // namespace
