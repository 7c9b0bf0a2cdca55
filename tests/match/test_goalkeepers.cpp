// The goalkeepers: the band, following the ball, depth, coming out, the reaching poses, the
// hold and the kick-out, and team B's keeper's rhythm.
#include <vector>

#include "match/goalkeepers.h"
#include "match/team_play.h"
#include "support/match_rules_fixture.h"

namespace {

class Goalkeepers : public MatchRules {
 protected:
  // Runs team A's keeper until he stands still.
  static void SettleKeeperA() {
    for (int frame = 0; frame < 40; ++frame) KeeperStepsA();
  }
  static void SettleKeeperB() {
    for (int frame = 0; frame < 40; ++frame) KeeperPositionB();
  }
};

TEST_F(Goalkeepers, FirstHalfBandReachesFromCyMinus55ToCyPlus40) {
  PutBall(300, 60);
  SettleKeeperA();
  SettleKeeperB();
  EXPECT_EQ(A(0).y, 200);
  EXPECT_EQ(B(0).y, 200);
  PutBall(300, 450);
  SettleKeeperA();
  SettleKeeperB();
  EXPECT_EQ(A(0).y, 295);
  EXPECT_EQ(B(0).y, 295);
}

TEST_F(Goalkeepers, SecondHalfBandReachesFromCyMinus40ToCyPlus55) {
  match.half = 2;
  PutBall(300, 60);
  SettleKeeperA();
  SettleKeeperB();
  EXPECT_EQ(A(0).y, 215);
  EXPECT_EQ(B(0).y, 215);
  PutBall(300, 450);
  SettleKeeperA();
  SettleKeeperB();
  EXPECT_EQ(A(0).y, 310);
  EXPECT_EQ(B(0).y, 310);
}

TEST_F(Goalkeepers, FollowsTheBallsRowAndStopsOnIt) {
  PutBall(300, 270);
  KeeperStepsA();
  EXPECT_EQ(A(0).y, 261);
  EXPECT_EQ(A(0).facing, 2);
  EXPECT_EQ(A(0).motion, 10);
  KeeperStepsA();
  KeeperStepsA();
  EXPECT_EQ(A(0).y, 270);
  EXPECT_EQ(A(0).pose, 3);
  EXPECT_EQ(A(0).motion, 0);
}

TEST_F(Goalkeepers, OutsideTheBandHeStepsBackIntoIt) {
  Place(teamA, 0, 40, 100);
  KeeperStepsA();
  EXPECT_EQ(A(0).y, 106);
  EXPECT_EQ(A(0).facing, 2);
  EXPECT_EQ(A(0).motion, 2);
  Place(teamB, 0, 888, 318);
  KeeperPositionB();
  EXPECT_EQ(B(0).y, 315);  // held at CY + 60
}

TEST_F(Goalkeepers, ComesOutToABallLyingStillFor201TicksButNot200) {
  PutBall(100, 255);
  match.ballStillTicks = 200;
  KeeperStepsA();
  EXPECT_EQ(A(0).x, 40);
  match.ballStillTicks = 201;
  KeeperStepsA();
  EXPECT_EQ(A(0).x, 46);
  EXPECT_EQ(A(0).facing, 6);
  EXPECT_EQ(A(0).motion, 2);
  PutBall(850, 250);
  KeeperPositionB();
  EXPECT_EQ(B(0).x, 882);
  EXPECT_EQ(B(0).y, 250);  // one step but not past the ball
}

TEST_F(Goalkeepers, NeverLeavesHisStripExceptWhenComingOut) {
  PutBall(45, 255);
  SettleKeeperA();
  EXPECT_EQ(A(0).x, 56);
  PutBall(300, 255);
  SettleKeeperA();
  EXPECT_EQ(A(0).x, 40);
  PutBall(880, 255);
  SettleKeeperB();
  EXPECT_EQ(B(0).x, 872);
  PutBall(300, 255);
  SettleKeeperB();
  EXPECT_EQ(B(0).x, 888);
}

TEST_F(Goalkeepers, ReachesUpAndDownForABallCloseToHimByHalf) {
  PutBall(50, 240);
  KeeperStepsA();
  EXPECT_EQ(A(0).pose, 11);
  EXPECT_EQ(A(0).y, 249);
  Place(teamA, 0, 40, 255);
  PutBall(50, 270);
  KeeperStepsA();
  EXPECT_EQ(A(0).pose, 9);
  match.half = 2;
  Place(teamA, 0, 40, 255);
  PutBall(50, 240);
  KeeperStepsA();
  EXPECT_EQ(A(0).pose, 10);
  PutBall(870, 240);
  KeeperPositionB();
  EXPECT_EQ(B(0).pose, 11);
  match.half = 1;
  Place(teamB, 0, 888, 255);
  KeeperPositionB();
  EXPECT_EQ(B(0).pose, 10);
  Place(teamB, 0, 888, 255);
  PutBall(870, 270);
  KeeperPositionB();
  EXPECT_EQ(B(0).pose, 8);
}

TEST_F(Goalkeepers, TeamAKeeperHoldsTwentyFiveTicksThenKicksOutAtSixteen) {
  match.ballHolder = 1;
  PutBall(45, 250);
  EXPECT_TRUE(KeeperStepsA());
  EXPECT_EQ(match.keeperHoldTicks, 25);
  EXPECT_EQ(ball.x, 40);
  EXPECT_EQ(ball.y, 255);
  match.keeperHoldTicks = 1;  // the timer tick counts it down to 1
  EXPECT_FALSE(KeeperStepsA());
  EXPECT_EQ(ball.dir, 6);
  EXPECT_EQ(ball.speed, 16);
  EXPECT_EQ(ball.climb, 5);
  EXPECT_EQ(match.ballHolder, 0);
  EXPECT_EQ(match.kickGrace, 100);
  EXPECT_EQ(match.restartFreeze, 20);
  EXPECT_EQ(match.faceRefresh, 1);
  EXPECT_EQ(match.keeperHoldTicks, 0);
  EXPECT_EQ(A(0).pose, 6);
}

TEST_F(Goalkeepers, TeamBKeeperHoldsFiveTicksThenKicksOutAtSeventeen) {
  match.ballHolder = 12;
  UpdateTeamB();
  EXPECT_EQ(match.keeperHoldTicks, 5);
  EXPECT_EQ(ball.x, 888);
  match.keeperHoldTicks = 1;
  UpdateTeamB();
  EXPECT_EQ(ball.dir, 4);
  EXPECT_EQ(ball.speed, 17);
  EXPECT_EQ(ball.climb, 5);
  EXPECT_EQ(match.ballHolder, 0);
  EXPECT_EQ(match.faceRefresh, 12);
  EXPECT_EQ(match.restartFreeze, 20);
  UpdateTeamB();  // the freeze that follows shows the keeper after his kick
  EXPECT_EQ(B(0).pose, 4);
}

TEST_F(Goalkeepers, EitherHoldStopsTeamAsOutfield) {
  match.ballHolder = 12;
  match.keeperHoldTicks = 5;
  PutBall(888, 255);
  Place(teamA, 4, 300, 300);  // far from his place: he would walk
  UpdateTeamA();
  EXPECT_EQ(A(4).x, 300);
  match.ballHolder = 0;
  UpdateTeamA();
  EXPECT_EQ(match.keeperHoldTicks, 0);
  EXPECT_NE(A(4).x, 300);
}

TEST_F(Goalkeepers, TeamBKeeperWithSkipOneMovesOnEverySecondFrame) {
  match.keeperSkipB = 1;
  match.keeperSkipCountB = 1;
  match.aiSkipB = match.aiSkipCountB = 5;
  PutBall(300, 60);
  std::vector<int> ys;
  for (int frame = 0; frame < 4; ++frame) {
    UpdateTeamB();
    ys.push_back(B(0).y);
  }
  EXPECT_EQ(ys, (std::vector<int>{255, 249, 249, 243}));
}

}  // namespace
