// Sprite poses: the facing classes, the walking alternation, the one-step special pose and
// the refresh of a kicker's pose after his kick.
#include "match/animation.h"
#include "match/team_play.h"
#include "support/match_rules_fixture.h"

namespace {

TEST(SpriteFacingClass, ByDirectionAndMirror) {
  for (int d : {1, 4, 7}) {
    EXPECT_EQ(SpriteFacing(d, false), 2) << d;
    EXPECT_EQ(SpriteFacing(d, true), 3) << d;
  }
  for (int d : {3, 6, 9}) {
    EXPECT_EQ(SpriteFacing(d, false), 3) << d;
    EXPECT_EQ(SpriteFacing(d, true), 2) << d;
  }
  EXPECT_EQ(SpriteFacing(2, true), 1);
  EXPECT_EQ(SpriteFacing(8, false), 1);
  EXPECT_EQ(SpriteFacing(5, false), 0);
  EXPECT_EQ(SpriteFacing(0, true), 0);
}

using Animation = MatchRules;

TEST_F(Animation, WalkingOutfieldPlayerAlternatesHisTwoPoses) {
  A(4).motion = 5;
  A(4).facing = 6;
  AnimateTeamA();
  EXPECT_EQ(A(4).pose, 32);
  EXPECT_EQ(A(4).moved, 1);
  AnimateTeamA();
  EXPECT_EQ(A(4).pose, 33);
  AnimateTeamA();
  EXPECT_EQ(A(4).pose, 32);
  A(4).facing = 4;  // turning from the right-running pair's first pose
  A(4).pose = 32;
  AnimateTeamA();
  EXPECT_EQ(A(4).pose, 31);
  A(4).facing = 8;
  AnimateTeamA();
  EXPECT_EQ(A(4).pose, 1);
  AnimateTeamA();
  EXPECT_EQ(A(4).pose, 2);
}

TEST_F(Animation, SecondHalfMirrorsTheRunningPoses) {
  match.half = 2;
  A(4).motion = 5;
  A(4).facing = 6;
  AnimateTeamA();
  EXPECT_EQ(A(4).pose, 30);
  B(4).motion = 5;
  B(4).facing = 4;
  AnimateTeamB();
  EXPECT_EQ(B(4).pose, 32);
}

TEST_F(Animation, KeepersUseTheirOwnPairs) {
  A(0).motion = 2;
  A(0).facing = 4;
  AnimateTeamA();
  EXPECT_EQ(A(0).pose, 4);
  AnimateTeamA();
  EXPECT_EQ(A(0).pose, 5);
  A(0).facing = 9;
  A(0).pose = 4;
  AnimateTeamA();
  EXPECT_EQ(A(0).pose, 7);  // from the other pair's first pose to the second of this one
}

TEST_F(Animation, PlayersAtRestAreLeftAlone) {
  A(4).pose = 3;
  B(4).pose = 3;
  AnimateTeamA();
  AnimateTeamB();
  EXPECT_EQ(A(4).pose, 3);
  EXPECT_EQ(A(4).moved, 0);
  EXPECT_EQ(B(4).pose, 3);
}

TEST_F(Animation, HeaderPoseLastsOneStep) {
  // Team A's reset of the header pose also ends a pending refresh (here player 9's)...
  A(7).pose = 20;
  match.faceRefresh = 9;
  AnimateTeamA();
  EXPECT_EQ(A(7).pose, 7);
  EXPECT_EQ(match.faceRefresh, 0);
  EXPECT_EQ(A(8).moved, 0);
  // ...team B's does not: player 10 is still refreshed after player 9's reset.
  B(9).pose = 20;
  match.faceRefresh = 22;
  AnimateTeamB();
  EXPECT_EQ(B(9).pose, 7);
  EXPECT_EQ(B(10).moved, 1);
  EXPECT_EQ(B(10).pose, 0);
  EXPECT_EQ(match.faceRefresh, 0);
}

TEST_F(Animation, KickerRefreshAndKeeperPoseAfterHisKick) {
  match.faceRefresh = 1;
  AnimateTeamA();
  EXPECT_EQ(A(0).pose, 7);
  EXPECT_EQ(match.faceRefresh, 0);
  match.half = 2;
  match.faceRefresh = 1;
  AnimateTeamA();
  EXPECT_EQ(A(0).pose, 5);
  match.faceRefresh = 12;
  AnimateTeamB();
  EXPECT_EQ(B(0).pose, 7);
  match.half = 1;
  match.faceRefresh = 12;
  AnimateTeamB();
  EXPECT_EQ(B(0).pose, 5);
}

TEST_F(Animation, TeamBKickerIsShownFacingTeamAsGoal) {
  B(6).facing = 6;  // he ran right, then passed
  match.faceRefresh = 18;
  AnimateTeamB();
  EXPECT_EQ(B(6).pose, 30);
  EXPECT_EQ(match.faceRefresh, 0);
  match.half = 2;  // on the turned picture team A's goal is on the right
  B(6).pose = 3;
  match.faceRefresh = 18;
  AnimateTeamB();
  EXPECT_EQ(B(6).pose, 32);
}

}  // namespace
