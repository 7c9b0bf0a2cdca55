// Whole frames without drawing: the user's command within its frame, a held ball, a goal and
// the kick-off it leads to, and a restart's saved positions.
#include "match/frame_step.h"
#include "match/match_frame.h"
#include "match/match_setup.h"
#include "presentation/match_captions.h"
#include "support/match_rules_fixture.h"

namespace {

class FrameStep : public MatchRules {
 protected:
  void SetUp() override {
    MatchRules::SetUp();
    ResetCaptionState();
    match.userKicksOff = 1;
    SetUpKickOff();
    ball.climb = 0;  // no toss: the ball lies on the centre spot
    ball.speed = 0;
  }
};

TEST_F(FrameStep, ArrowMovesTheControlledPlayerInTheSameFrame) {
  const int x0 = A(10).x;
  controlState.keyCommand = 6;
  MatchFrameStep();
  EXPECT_EQ(controlState.keyCommand, 0);
  EXPECT_EQ(A(10).slideDir, 6);
  // The command set motionBase + 3 and the slide moved him that far.
  EXPECT_EQ(A(10).x, x0 + match.motionBase + 3);
  EXPECT_EQ(savedFrame.points[10].x, x0);
  EXPECT_EQ(match.matchEvent, MatchEvent::kNothing);
}

TEST_F(FrameStep, KickOffTakerWithTheBallPassesOnTheKickKey) {
  // Team A's centre forward at the ball becomes its holder and the controlled player in the
  // first frame; a pass follows on the next.
  Place(teamA, 9, 460, 255);
  MatchFrameStep();
  EXPECT_EQ(match.ballHolder, 10);
  EXPECT_EQ(match.controlledPlayer, 10);
  EXPECT_EQ(match.nearPlayer, 10);
  controlState.keyCommand = 'S';
  MatchFrameStep();
  EXPECT_EQ(ball.dir, 6);
  EXPECT_GT(ball.speed, 0);
  EXPECT_EQ(match.lastToucher, 10);
}

TEST_F(FrameStep, HeldBallDropsCommandsAndFreezesTeamB) {
  match.ballHolder = 1;
  match.controlledPlayer = 1;
  match.keeperHoldTicks = 25;
  const PlayerState before = B(9);
  controlState.keyCommand = 6;
  for (int frame = 0; frame < 3; ++frame) MatchFrameStep();
  EXPECT_EQ(B(9).x, before.x);
  EXPECT_EQ(B(9).y, before.y);
  EXPECT_EQ(ball.x, A(0).x);
  EXPECT_EQ(A(10).slideDir, 0);
  EXPECT_EQ(controlState.keyCommand, 0);
  match.keeperHoldTicks = 1;  // as the timer tick leaves it
  MatchFrameStep();
  EXPECT_EQ(match.ballHolder, 0);
  EXPECT_EQ(ball.dir, 6);
  EXPECT_GT(ball.x, A(0).x);
}

TEST_F(FrameStep, GoalFrameSavesThePositionsOfTheKickOff) {
  match.lastToucher = 10;
  Place(teamB, 0, 888, 150);  // the keeper is beaten
  PutBall(895, 250);
  ball.dir = 6;
  ball.speed = 10;
  ball.frictionCount = ball.frictionPeriod = 5;
  MatchFrameStep();
  EXPECT_EQ(match.scoreA, 1);
  EXPECT_EQ(match.captionTimer, 40);
  EXPECT_EQ(match.matchEvent, MatchEvent::kNothing);
  // Re-saved after the goal: the drawing erases nothing of the scene before it.
  for (int i = 0; i < kPlayersPerSide; ++i) {
    EXPECT_EQ(savedFrame.points[std::size_t(i)].x, A(i).x) << i;
    EXPECT_EQ(savedFrame.points[std::size_t(11 + i)].x, B(i).x) << i;
  }
  EXPECT_EQ(savedFrame.points[23].x, ball.x);
}

}  // namespace
