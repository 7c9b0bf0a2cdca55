// Team B's walk and its play: the rhythm, the chase marks, the positional table, the
// midfielders at the touch lines, the forwards' extra step, the offside retreat and the
// anti-stall tackle.
#include <vector>

#include "match/team_play.h"
#include "support/match_rules_fixture.h"

namespace {

using TeamBWalk = MatchRules;

TEST_F(TeamBWalk, StepsBySpeedAndFacesTheLongerAxis) {
  match.speedB[4] = 7;
  Place(teamB, 4, 500, 300);
  WalkTeamB(4, 400, 290);
  EXPECT_EQ(B(4).x, 493);
  EXPECT_EQ(B(4).y, 293);
  EXPECT_EQ(B(4).facing, 4);  // farther to go across than down
  EXPECT_EQ(B(4).motion, 21);
  EXPECT_EQ(B(4).moved, 1);
}

TEST_F(TeamBWalk, StepBackAfterOvershootingIsOneShorter) {
  Place(teamB, 4, 500, 300);
  WalkTeamB(4, 497, 200);
  EXPECT_EQ(B(4).x, 499);  // 6 left, then 5 back right
  EXPECT_EQ(B(4).y, 294);
  EXPECT_EQ(B(4).facing, 8);
  Place(teamB, 4, 500, 300);
  WalkTeamB(4, 400, 297);
  EXPECT_EQ(B(4).y, 299);  // 6 up, then 5 back down
}

TEST_F(TeamBWalk, AtRestWhenNotMovedAndClampedToThePitch) {
  B(4).motion = 5;
  Place(teamB, 4, 30, 60);
  WalkTeamB(4, 0, 0);
  EXPECT_EQ(B(4).x, 30);
  EXPECT_EQ(B(4).y, 60);
  EXPECT_EQ(B(4).motion, 0);
}

TEST_F(TeamBWalk, KeepsOffTheKeepersInTheGoalMouth) {
  Place(teamB, 9, 60, 240);
  WalkTeamB(9, 20, 250);
  EXPECT_EQ(B(9).x, 54);
  EXPECT_EQ(B(9).y, 240);
}

using TeamBPlay = MatchRules;

TEST_F(TeamBPlay, NearestWithinTheLimitTiesToTheLowerIndex) {
  Place(teamB, 6, 480, 255);
  Place(teamB, 3, 470, 265);
  EXPECT_EQ(NearestTeamB(50), 4);
  EXPECT_EQ(NearestTeamB(10), 0);
  EXPECT_EQ(NearestTeamB(11), 4);
}

TEST_F(TeamBPlay, OutfieldActsOnEveryThirdFrameWithSkipTwoAndRestsBetween) {
  match.aiSkipB = 2;
  match.aiSkipCountB = 2;
  PutBall(700, 255);  // player 4 chases a ball beyond CX + 60
  Place(teamB, 4, 600, 255);
  std::vector<int> xs;
  std::vector<int> poses;
  for (int frame = 0; frame < 6; ++frame) {
    UpdateTeamB();
    xs.push_back(B(4).x);
    poses.push_back(B(4).pose);
  }
  EXPECT_EQ(xs, (std::vector<int>{600, 600, 606, 606, 606, 612}));
  EXPECT_EQ(poses, (std::vector<int>{3, 3, 32, 32, 32, 33}));
}

TEST_F(TeamBPlay, StandsStillWhileTeamAKeeperHoldsOrAQueuedKickRuns) {
  PutBall(700, 255);
  Place(teamB, 4, 600, 255);
  match.ballHolder = 1;
  UpdateTeamB();
  EXPECT_EQ(B(4).x, 600);
  EXPECT_EQ(B(0).y, 255);
  match.ballHolder = 0;
  match.userKickTicks = 3;
  UpdateTeamB();
  EXPECT_EQ(B(4).x, 600);
}

TEST_F(TeamBPlay, LooseBallMarksTheNearestIdleMidfielderWhoTakesOneStep) {
  PutBall(600, 200);
  Place(teamB, 5, 630, 210);
  UpdateTeamB();
  EXPECT_EQ(match.chaseMarkB[5], 1);
  EXPECT_EQ(B(5).x, 624);  // one step to the ball; his table rule is skipped
  EXPECT_EQ(B(5).y, 204);
}

TEST_F(TeamBPlay, BusyMidfielderHandsTheBallToWhoeverIsWithinTwenty) {
  PutBall(600, 200);
  Place(teamB, 5, 630, 210);
  B(5).motion = 4;
  UpdateTeamB();
  EXPECT_EQ(match.chaseMarkB[5], 0);
  EXPECT_EQ(B(5).x, 624);  // now by his table rule: the ball is in his zone
  Place(teamB, 6, 612, 200);
  Place(teamB, 5, 630, 210);
  B(5).motion = 4;
  UpdateTeamB();
  EXPECT_EQ(match.chaseMarkB[6], 1);
}

TEST_F(TeamBPlay, MidfieldersWaitOnTheirLinesWhenTheBallIsAway) {
  PutBall(200, 400);
  match.offsideLineA = 130;
  Place(teamB, 6, 500, 300);
  Place(teamB, 5, 400, 100);
  Place(teamB, 7, 400, 300);
  UpdateTeamB();
  EXPECT_EQ(B(6).x, 494);  // towards offsideLineA + 240 = 370
  EXPECT_EQ(B(6).y, 300);
  EXPECT_EQ(B(5).x, 406);  // towards CX + 30
  EXPECT_EQ(B(7).x, 406);  // towards CX - 30 = 440
}

TEST_F(TeamBPlay, ForwardsLurkOnTeamAsOffsideLine) {
  PutBall(700, 255);
  match.offsideLineA = 200;
  Place(teamB, 8, 300, 100);
  Place(teamB, 9, 300, 255);
  Place(teamB, 10, 300, 400);
  UpdateTeamB();
  EXPECT_EQ(B(8).x, 294);  // towards 230
  EXPECT_EQ(B(8).y, 106);  // towards CY - 150
  EXPECT_EQ(B(9).x, 294);  // towards 206
  EXPECT_EQ(B(10).y, 406);
}

TEST_F(TeamBPlay, CentreForwardGoesWideForABallNearTeamAsGoal) {
  PutBall(60, 120);
  Place(teamB, 9, 200, 255);
  UpdateTeamB();
  EXPECT_EQ(B(9).x, 194);  // towards L + 42 = 72
  EXPECT_EQ(B(9).y, 255);
}

TEST_F(TeamBPlay, MidfielderAtATouchLineComesBackIn) {
  PutBall(600, 255);
  Place(teamA, 1, 50, 80);  // two of team A behind him: not offside
  Place(teamB, 7, 100, 445);
  UpdateTeamB();
  EXPECT_EQ(B(7).x, 112);  // his table step to CX - 30, then towards L + 110
}

TEST_F(TeamBPlay, ForwardNearALooseBallMayTakeTwoStepsInAFrame) {
  PutBall(300, 150);
  Place(teamB, 8, 315, 150);
  UpdateTeamB();
  EXPECT_EQ(B(8).x, 303);
  Place(teamB, 8, 330, 150);
  UpdateTeamB();
  EXPECT_EQ(B(8).x, 324);  // 24 px from the ball after his first step: no second
}

TEST_F(TeamBPlay, OffsidePlayerRetreatsTowardsHisOwnGoal) {
  PutBall(400, 255);
  Place(teamB, 9, 200, 300);
  for (int i = 1; i < kPlayersPerSide; ++i) Place(teamA, i, 600, 80);
  match.offsideLineA = 400;
  UpdateTeamB();
  EXPECT_EQ(match.offsideB[9], 1);
  EXPECT_GT(B(9).x, 200);
}

TEST_F(TeamBPlay, BallKeptStillOver1000TicksIsTackledTowardsTeamAsGoal) {
  Place(teamA, 5, 466, 255);
  match.ballHolder = 6;
  match.controlledPlayer = 6;
  Place(teamB, 6, 480, 260);  // 15 px away
  match.ballStillTicks = 1000;
  UpdateTeamB();
  EXPECT_EQ(ball.speed, 0);
  match.ballStillTicks = 1001;
  Place(teamB, 6, 480, 260);
  UpdateTeamB();
  EXPECT_EQ(ball.dir, 4);
  EXPECT_EQ(ball.speed, 7);
  EXPECT_EQ(match.ballHolder, 0);
}

}  // namespace
