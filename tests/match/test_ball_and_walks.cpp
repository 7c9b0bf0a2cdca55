// The ball's flight and friction, team A's walk and run, the goal-mouth rule, the saved
// frame positions and the offside line.
#include <vector>

#include "match/frame_step.h"
#include "support/match_rules_fixture.h"

namespace {

using BallMotion = MatchRules;

TEST_F(BallMotion, ClimbOfFiveReachesFifteenAndLandsFiveFramesLater) {
  ball.climb = 5;
  std::vector<int> heights;
  for (int frame = 0; frame < 11; ++frame) {
    MoveBall();
    heights.push_back(ball.height);
  }
  EXPECT_EQ(heights, (std::vector<int>{5, 9, 12, 14, 15, 14, 12, 9, 5, 0, 0}));
  EXPECT_EQ(ball.climb, 0);
}

TEST_F(BallMotion, GroundBallSlowsEverySecondFrameWithPeriodTwo) {
  ball.dir = 6;
  ball.speed = 10;
  ball.frictionCount = ball.frictionPeriod = 2;
  std::vector<int> speeds;
  std::vector<int> xs;
  for (int frame = 0; frame < 6; ++frame) {
    MoveBall();
    speeds.push_back(ball.speed);
    xs.push_back(ball.x);
  }
  EXPECT_EQ(speeds, (std::vector<int>{10, 9, 9, 8, 8, 7}));
  EXPECT_EQ(xs, (std::vector<int>{480, 490, 499, 508, 516, 524}));
  EXPECT_EQ(ball.y, 255);
}

TEST_F(BallMotion, RisingBallSlowsOnlyEveryTwelfthFrame) {
  ball.dir = 6;
  ball.speed = 10;
  ball.climb = 9;
  ball.frictionCount = ball.frictionPeriod = 2;
  std::vector<int> speeds;
  for (int frame = 0; frame < 14; ++frame) {
    MoveBall();
    speeds.push_back(ball.speed);
  }
  // First drop after the kick's own count of 2; the reload while rising is 12; the ball has
  // started to fall when the next drop comes, so the count after it is 2 again.
  EXPECT_EQ(speeds[0], 10);
  for (int frame = 1; frame < 13; ++frame) EXPECT_EQ(speeds[std::size_t(frame)], 9) << frame;
  EXPECT_EQ(speeds[13], 8);
  EXPECT_EQ(ball.frictionCount, 2);
}

TEST_F(BallMotion, BallWithoutSpeedGoesStraightUpAndDown) {
  ball.climb = 4;
  ball.dir = 3;
  for (int frame = 0; frame < 10; ++frame) MoveBall();
  EXPECT_EQ(ball.x, 470);
  EXPECT_EQ(ball.y, 255);
  EXPECT_EQ(ball.height, 0);
  EXPECT_EQ(match.matchEvent, MatchEvent::kNothing);  // nothing moved on the ground
}

TEST_F(BallMotion, DiagonalMovesBothAxesAndNoneMovesNothing) {
  ball.dir = 7;
  ball.speed = 5;
  ball.frictionCount = ball.frictionPeriod = 10;
  MoveBall();
  EXPECT_EQ(ball.x, 465);
  EXPECT_EQ(ball.y, 250);
  EXPECT_EQ(match.matchEvent, MatchEvent::kMoved);
  ball.dir = 5;
  MoveBall();
  ball.dir = 12;
  MoveBall();
  EXPECT_EQ(ball.x, 465);
  EXPECT_EQ(ball.y, 250);
}

using TeamAWalk = MatchRules;

TEST_F(TeamAWalk, StepsOnBothAxesAndTheVerticalFacingWins) {
  Place(teamA, 5, 300, 120);
  WalkTeamA(5, 400, 140);
  EXPECT_EQ(A(5).x, 306);
  EXPECT_EQ(A(5).y, 126);
  EXPECT_EQ(A(5).facing, 2);
  EXPECT_EQ(A(5).motion, match.motionBase + 1);
  EXPECT_EQ(A(5).moved, 1);
  EXPECT_EQ(match.matchEvent, MatchEvent::kMoved);
}

TEST_F(TeamAWalk, PlayerWithinOneStepStepsPastAndBackAndComesToRest) {
  Place(teamA, 5, 306, 120);
  A(5).motion = 9;
  WalkTeamA(5, 303, 120);
  EXPECT_EQ(A(5).x, 306);
  EXPECT_EQ(A(5).facing, 6);  // the step back to the right was the last one
  EXPECT_EQ(A(5).motion, 0);  // did not move in the end
  EXPECT_EQ(A(5).moved, 1);
}

TEST_F(TeamAWalk, ControlledPlayerKeepsHisMotionWhenHeDoesNotMove) {
  match.controlledPlayer = 6;
  Place(teamA, 5, 306, 120);
  WalkTeamA(5, 303, 120);
  EXPECT_EQ(A(5).motion, match.motionBase + 1);
}

TEST_F(TeamAWalk, ClampedToThePitch) {
  Place(teamA, 5, 34, 64);
  WalkTeamA(5, 0, 0);
  EXPECT_EQ(A(5).x, 30);
  EXPECT_EQ(A(5).y, 60);
  EXPECT_EQ(A(5).facing, 8);
  Place(teamA, 6, 908, 447);
  WalkTeamA(6, 1000, 500);
  EXPECT_EQ(A(6).x, 910);
  EXPECT_EQ(A(6).y, 450);
}

TEST_F(TeamAWalk, VerticalStepAgainstTheLineLeavesTheHorizontalFacing) {
  Place(teamA, 5, 300, 60);
  WalkTeamA(5, 200, 0);
  EXPECT_EQ(A(5).x, 294);
  EXPECT_EQ(A(5).y, 60);
  EXPECT_EQ(A(5).facing, 4);
}

TEST_F(TeamAWalk, RunStepsTwelveWithoutTheGoalMouthRule) {
  Place(teamA, 5, 100, 240);
  RunTeamA(5, 0, 240);
  EXPECT_EQ(A(5).x, 88);  // past team A's keeper + 4
  EXPECT_EQ(A(5).y, 240);
  EXPECT_EQ(A(5).motion, match.motionBase + 5);
}

using GoalMouthRule = MatchRules;

TEST_F(GoalMouthRule, WalkTowardsTheKeeperInTheBandStopsFourPixelsShortAndKeepsHisRow) {
  Place(teamA, 5, 60, 220);
  WalkTeamA(5, 40, 260);  // straight below team A's keeper (x 40)
  EXPECT_EQ(A(5).x, 54);
  EXPECT_EQ(A(5).y, 220);
  // Within one step of the limit he steps past it and back, never nearer than 4 px.
  Place(teamA, 5, 47, 220);
  WalkTeamA(5, 40, 260);
  EXPECT_EQ(A(5).x, 47);
  EXPECT_EQ(A(5).y, 220);
}

TEST_F(GoalMouthRule, FirstHalfBandIsOpenAt192And304) {
  int tx = 20, ty = 192;
  EXPECT_FALSE(ApplyGoalMouthRule(&tx, &ty, 100));
  EXPECT_EQ(tx, 20);
  ty = 193;
  EXPECT_TRUE(ApplyGoalMouthRule(&tx, &ty, 100));
  EXPECT_EQ(tx, 44);
  EXPECT_EQ(ty, 100);
  tx = 900, ty = 303;
  EXPECT_TRUE(ApplyGoalMouthRule(&tx, &ty, 100));
  EXPECT_EQ(tx, 884);  // team B's keeper at 888 - 4
  tx = 900, ty = 304;
  EXPECT_FALSE(ApplyGoalMouthRule(&tx, &ty, 100));
}

TEST_F(GoalMouthRule, SecondHalfBandIsShiftedDown) {
  match.half = 2;
  int tx = 20, ty = 204;
  EXPECT_FALSE(ApplyGoalMouthRule(&tx, &ty, 100));
  ty = 205;
  EXPECT_TRUE(ApplyGoalMouthRule(&tx, &ty, 100));
  tx = 20, ty = 315;
  EXPECT_TRUE(ApplyGoalMouthRule(&tx, &ty, 100));
  tx = 20, ty = 316;
  EXPECT_FALSE(ApplyGoalMouthRule(&tx, &ty, 100));
}

TEST_F(GoalMouthRule, TargetsBetweenTheKeepersAreLeftAlone) {
  int tx = 44, ty = 250;
  EXPECT_FALSE(ApplyGoalMouthRule(&tx, &ty, 100));
  tx = 884;
  EXPECT_FALSE(ApplyGoalMouthRule(&tx, &ty, 100));
  EXPECT_EQ(ty, 250);
}

using FrameBookkeeping = MatchRules;

TEST_F(FrameBookkeeping, SavedPositionsHoldThePlayersAndBothBallPoints) {
  Place(teamB, 3, 611, 222);
  PutBall(300, 200, 9);
  match.controlledPlayer = 7;
  SaveFramePositions();
  EXPECT_EQ(savedFrame.points[0].x, 40);
  EXPECT_EQ(savedFrame.points[14].x, 611);
  EXPECT_EQ(savedFrame.points[14].y, 222);
  EXPECT_EQ(savedFrame.points[22].y, 196);  // 200 - 9 / 2
  EXPECT_EQ(savedFrame.points[23].y, 200);
  EXPECT_EQ(match.previousControlled, 7);
}

TEST_F(FrameBookkeeping, OffsideLineIsTheLastOutfieldPlayerOrTheBall) {
  Place(teamA, 4, 95, 300);
  UpdateOffsideLine();
  EXPECT_EQ(match.offsideLineA, 95);  // the keeper at 40 does not count
  PutBall(70, 300);
  UpdateOffsideLine();
  EXPECT_EQ(match.offsideLineA, 70);
}

}  // namespace
