// Goals and the kick-off after them, throw-ins, corners, goal kicks by the last toucher, the
// steep-angle flag and offside.
#include "match/restart_kicks.h"
#include "match/restarts.h"
#include "presentation/match_captions.h"
#include "support/match_rules_fixture.h"

namespace {

class Goals : public MatchRules {
 protected:
  void SetUp() override {
    MatchRules::SetUp();
    ResetCaptionState();
    match.lastToucher = 9;
  }
};

TEST_F(Goals, Line205IsOutsideTheFirstHalfGoalMouthAnd206Inside) {
  PutBall(905, 205);
  CheckGoalAndOut();
  EXPECT_EQ(match.scoreA, 0);
  EXPECT_EQ(match.matchEvent, MatchEvent::kOutOfPlay);  // a goal kick for team B
  EXPECT_EQ(ball.x, 888);
  EXPECT_EQ(ball.dir, 4);
  PutBall(905, 206);
  CheckGoalAndOut();
  EXPECT_EQ(match.scoreA, 1);
  EXPECT_EQ(match.goalsA1, 1);
  EXPECT_EQ(match.matchEvent, MatchEvent::kGoalByA);
}

TEST_F(Goals, GoalByTeamAGivesTeamBTheKickOff) {
  PutBall(902, 250);
  captionState.captionStep = 9;  // left over from the entrance
  CheckGoalAndOut();
  EXPECT_EQ(match.scoreA, 1);
  EXPECT_EQ(match.captionTimer, 40);
  EXPECT_EQ(match.userKicksOff, 0);
  EXPECT_EQ(match.kickOffPendingB, 1);
  EXPECT_EQ(B(8).pose, 0);  // team B's taker at the centre spot
  EXPECT_EQ(ball.x, match.centreX - 4);
  EXPECT_EQ(ball.y, match.centreY);
  EXPECT_EQ(captionState.goalCelebration, 1);
  EXPECT_EQ(captionState.celebrateTeamB, 0);
  EXPECT_EQ(captionState.captionStep, 0);
  EXPECT_EQ(captionState.captionCountdown, 1);  // the first step on the next tick
}

TEST_F(Goals, GoalByTeamBInTheSecondHalfCountsThereAndTeamAKicksOff) {
  match.half = 2;
  PutBall(30, 290);  // 217 ... 302 in the second half
  CheckGoalAndOut();
  EXPECT_EQ(match.scoreB, 1);
  EXPECT_EQ(match.goalsB2, 1);
  EXPECT_EQ(match.goalsB1, 0);
  EXPECT_EQ(match.matchEvent, MatchEvent::kGoalByB);
  EXPECT_EQ(match.userKicksOff, 1);
  EXPECT_EQ(A(8).pose, 0);
  EXPECT_EQ(captionState.celebrateTeamB, 1);
  PutBall(905, 220);
  CheckGoalAndOut();
  EXPECT_EQ(match.goalsA2, 1);
  EXPECT_EQ(match.scoreA, 1);
}

TEST_F(Goals, NoCelebrationOutsideTheCampaign) {
  gameFlow.mode = Mode::kFriendly;
  PutBall(902, 250);
  CheckGoalAndOut();
  EXPECT_EQ(match.scoreA, 1);
  EXPECT_EQ(captionState.goalCelebration, 0);
}

TEST_F(Goals, ShotAtHeightEighteenIsNeitherGoalNorOut) {
  PutBall(905, 250, 18);
  CheckGoalAndOut();
  EXPECT_EQ(match.scoreA, 0);
  EXPECT_EQ(match.matchEvent, MatchEvent::kNothing);
  EXPECT_EQ(ball.x, 905);
  // Over the net the ball drawing flags it; it comes down beyond the goal line: out of play.
  match.offZone = 2;
  PutBall(915, 250, 17);
  CheckGoalAndOut();
  EXPECT_EQ(match.scoreA, 0);
  EXPECT_EQ(match.matchEvent, MatchEvent::kOutOfPlay);
}

TEST_F(Goals, SteepAngleFlagTurnsAGoalIntoAGoalKick) {
  match.offZone = 1;
  PutBall(905, 250);
  CheckGoalAndOut();
  EXPECT_EQ(match.scoreA, 0);
  EXPECT_EQ(match.matchEvent, MatchEvent::kOutOfPlay);
  EXPECT_EQ(ball.x, 888);
}

using OutOfPlay = MatchRules;

TEST_F(OutOfPlay, GoalKicksGoToTheSideThatDidNotPlayItOut) {
  match.lastToucher = 14;
  PutBall(25, 120);
  CheckGoalAndOut();
  EXPECT_EQ(ball.x, 40);
  EXPECT_EQ(ball.y, 255);
  EXPECT_EQ(ball.dir, 6);
  EXPECT_EQ(ball.speed, 16);
  EXPECT_EQ(ball.climb, 5);
  EXPECT_EQ(match.kickGrace, 100);
  EXPECT_EQ(match.restartFreeze, 20);
  EXPECT_EQ(match.faceRefresh, 1);
  EXPECT_EQ(match.matchEvent, MatchEvent::kOutOfPlay);
  match.lastToucher = 0;  // nobody touched it: team B's goal kick on the right
  PutBall(903, 400);
  CheckGoalAndOut();
  EXPECT_EQ(ball.x, 888);
  EXPECT_EQ(ball.dir, 4);
  EXPECT_EQ(match.faceRefresh, 12);
}

TEST_F(OutOfPlay, TeamBCornerFromTheUpperAndLowerCorner) {
  match.lastToucher = 3;
  PutBall(20, 120, 5);
  CheckGoalAndOut();
  EXPECT_EQ(B(5).x, 30);
  EXPECT_EQ(B(5).y, 60);
  EXPECT_EQ(ball.x, 30);
  EXPECT_EQ(ball.y, 60);
  EXPECT_EQ(ball.height, 0);
  EXPECT_EQ(ball.dir, 3);
  EXPECT_EQ(ball.speed, 13);
  EXPECT_EQ(ball.climb, 7);
  EXPECT_EQ(match.kickGrace, 15);
  EXPECT_EQ(match.faceRefresh, 17);
  EXPECT_EQ(match.matchEvent, MatchEvent::kOutOfPlay);
  PutBall(20, 330);
  CheckGoalAndOut();
  EXPECT_EQ(B(7).y, 450);
  EXPECT_EQ(ball.dir, 9);
  EXPECT_EQ(match.faceRefresh, 19);
}

TEST_F(OutOfPlay, TeamACornerFromTheRightGoalLine) {
  match.lastToucher = 20;
  PutBall(930, 100);
  CheckGoalAndOut();
  EXPECT_EQ(A(5).x, 910);
  EXPECT_EQ(A(5).y, 60);
  EXPECT_EQ(ball.dir, 1);
  EXPECT_EQ(match.faceRefresh, 6);
  PutBall(930, 400);
  CheckGoalAndOut();
  EXPECT_EQ(A(7).y, 450);
  EXPECT_EQ(ball.dir, 7);
  EXPECT_EQ(ball.speed, 13);
}

using ThrowIns = MatchRules;

TEST_F(ThrowIns, TeamBThrowsAfterTeamAPlayedItOverTheUpperLine) {
  match.lastToucher = 6;
  Place(teamB, 3, 290, 120);  // his nearest mate
  PutBall(300, 50);
  CheckGoalAndOut();
  EXPECT_EQ(ball.y, 55);
  EXPECT_EQ(B(5).x, 300);
  EXPECT_EQ(B(5).y, 55);
  EXPECT_EQ(B(3).x, 240);
  EXPECT_EQ(B(3).y, 105);
  EXPECT_EQ(ball.dir, 1);
  EXPECT_EQ(ball.speed, 6);
  EXPECT_EQ(ball.height, 8);
  EXPECT_EQ(ball.climb, 4);
  EXPECT_EQ(match.kickGrace, 15);
  EXPECT_EQ(match.matchEvent, MatchEvent::kMoved);
}

TEST_F(ThrowIns, NearTeamAsGoalTeamBThrowsStraightDownOrUp) {
  match.lastToucher = 6;
  PutBall(70, 50);
  CheckGoalAndOut();
  EXPECT_EQ(ball.dir, 2);
  EXPECT_EQ(ball.speed, 7);
  PutBall(70, 460);
  CheckGoalAndOut();
  EXPECT_EQ(ball.y, 449);
  EXPECT_EQ(B(7).y, 449);
  EXPECT_EQ(ball.dir, 8);
  PutBall(300, 460);
  CheckGoalAndOut();
  EXPECT_EQ(ball.dir, 7);
}

TEST_F(ThrowIns, TeamAThrowsForwardAndStraightNearTeamBsGoal) {
  match.lastToucher = 15;
  PutBall(500, 50);
  CheckGoalAndOut();
  EXPECT_EQ(A(5).x, 500);
  EXPECT_EQ(ball.dir, 3);
  EXPECT_EQ(A(10).x, 550);  // he was parked nearest, at (400, 80)
  EXPECT_EQ(A(10).y, 105);
  PutBall(800, 455);
  CheckGoalAndOut();
  EXPECT_EQ(ball.dir, 8);
  PutBall(700, 455);
  CheckGoalAndOut();
  EXPECT_EQ(ball.dir, 9);
}

TEST_F(ThrowIns, NearestMateLeavesOutTheThrowerAndFallsBackToPlayerOne) {
  Place(teamA, 5, 470, 255);
  Place(teamA, 6, 480, 255);
  Place(teamA, 2, 460, 255);
  EXPECT_EQ(NearestMateA(5), 2);  // 6 and 2 tie at 10 px: the lower index
  for (int i = 1; i < kPlayersPerSide; ++i) Place(teamB, i, 900, 450);
  EXPECT_EQ(NearestMateB(5), 1);  // all farther than sqrt(70000)
}

using Offside = MatchRules;

TEST_F(Offside, ElevenPixelsAheadWithOnlyTheKeeperBeyondIsOffside) {
  PutBall(600, 255);
  for (int i = 1; i < kPlayersPerSide; ++i) Place(teamB, i, 500, 430);
  Place(teamA, 9, 611, 255);
  EXPECT_EQ(IsOffsideA(9), 1);
  Place(teamA, 9, 610, 255);
  EXPECT_EQ(IsOffsideA(9), 0);
  Place(teamA, 9, 611, 255);
  Place(teamB, 4, 611, 430);  // level with him counts as beyond
  EXPECT_EQ(IsOffsideA(9), 0);
}

TEST_F(Offside, TeamBMirrorsIt) {
  PutBall(400, 255);
  for (int i = 1; i < kPlayersPerSide; ++i) Place(teamA, i, 600, 80);
  Place(teamB, 9, 389, 255);
  EXPECT_EQ(IsOffsideB(9), 1);
  Place(teamB, 9, 390, 255);
  EXPECT_EQ(IsOffsideB(9), 0);
  Place(teamB, 9, 389, 255);
  Place(teamA, 2, 389, 80);
  EXPECT_EQ(IsOffsideB(9), 0);
}

}  // namespace
