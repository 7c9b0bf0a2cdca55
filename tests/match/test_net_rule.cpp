// The goal nets: where the ball's picture stands in the match picture, and what happens when
// that point meets a goal on the screen (the climb stops, a low ball over a goal line away
// from the mouth slows to a halt, offZone names the goal beside or above which it passed).
// The rule runs in every frame step whether the match is drawn or not.
#include <gtest/gtest.h>

#include <utility>

#include "match/match_state.h"
#include "match/net_rule.h"

namespace {

// (x, y) of a point, for comparisons.
std::pair<int, int> XY(platform::Point p) {
  return {p.x, p.y};
}

class NetRule : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetMatchRecords();
    match.half = 1;
    match.scrollX = 0;
  }
  // Puts the ball and runs the rule; returns the picture point the rule used.
  platform::Point RuleAt(int x, int y, int height) {
    ball.x = x;
    ball.y = y;
    ball.height = height;
    const platform::Point p = BallPicturePoint();
    ApplyNetRule();
    return p;
  }
};

TEST_F(NetRule, PicturePointIsRaisedByHalfTheHeightShiftedAtTheRaisedPointAndTurnedLater) {
  EXPECT_EQ(XY(RuleAt(470, 300, 0)), std::make_pair(470, 292));
  // At height 41 the raised point is y 280; (470 - 300) × (450 - 280) / 5720 = 5.
  EXPECT_EQ(XY(RuleAt(300, 300, 41)), std::make_pair(305, 272));
  match.scrollX = 24;
  EXPECT_EQ(XY(RuleAt(300, 300, 41)), std::make_pair(281, 272));
  EXPECT_EQ(LeftGoalScreenX(), 26);
  EXPECT_EQ(RightGoalScreenX(), 868);
  match.scrollX = 0;
  match.half = 2;
  EXPECT_EQ(XY(RuleAt(926 - 470, 510 - 300, 0)), std::make_pair(470, 292));
}

TEST_F(NetRule, BallBesideAGoalAboveItsMouthMarksThatGoal) {
  ball.speed = 0;
  RuleAt(10, 60, 0);  // sx 41 < 50
  EXPECT_EQ(match.offZone, 1);
  match.offZone = 0;
  RuleAt(930, 100, 0);  // sx 902 > 892
  EXPECT_EQ(match.offZone, 2);
  match.offZone = 0;
  RuleAt(470, 100, 0);
  RuleAt(10, 204 + 8, 0);  // sy 204: not above 196
  EXPECT_EQ(match.offZone, 0);
  // The goals move with the view: at any offset the same ball meets the same net.
  for (int offset : {24, 150}) {
    match.scrollX = offset;
    match.offZone = 0;
    RuleAt(60, 60, 0);  // sx 89 - offset: right of the left mouth
    EXPECT_EQ(match.offZone, 0) << offset;
    RuleAt(10, 60, 0);
    EXPECT_EQ(match.offZone, 1) << offset;
  }
}

TEST_F(NetRule, GoalsAreNamedByTheirPlaceOnTheScreenInTheSecondHalf) {
  match.half = 2;
  RuleAt(916, 410, 0);  // team B's goal line is on the left of the screen: sx 38
  EXPECT_EQ(match.offZone, 1);
}

TEST_F(NetRule, LowBallBeyondAGoalLineAwayFromTheMouthIsSlowedToOne) {
  ball.speed = 6;
  ball.climb = 2;
  RuleAt(905, 400, 10);
  EXPECT_EQ(ball.speed, 1);
  EXPECT_EQ(ball.climb, 2);
  EXPECT_EQ(match.offZone, 0);
  ball.speed = 6;
  RuleAt(25, 420, 10);
  EXPECT_EQ(ball.speed, 1);
  for (int height : {0, 18}) {
    ball.speed = 6;
    RuleAt(905, 400, height);
    EXPECT_EQ(ball.speed, 6) << "height " << height;
  }
  ball.speed = 6;
  match.offZone = 2;
  RuleAt(905, 400, 10);
  EXPECT_EQ(ball.speed, 6);
  match.offZone = 0;
  RuleAt(880, 400, 10);
  EXPECT_EQ(ball.speed, 6);
}

TEST_F(NetRule, HighBallPassingAGoalAboveOrBelowTheMouthStopsClimbingAndMarksIt) {
  ball.speed = 5;
  ball.climb = 3;
  EXPECT_EQ(XY(RuleAt(30, 150, 40)), std::make_pair(54, 122));
  EXPECT_EQ(ball.climb, 0);
  EXPECT_EQ(match.offZone, 1);
  EXPECT_EQ(ball.speed, 5);
  ball.climb = 3;
  match.offZone = 0;
  RuleAt(905, 420, 30);
  EXPECT_EQ(ball.climb, 0);
  EXPECT_EQ(match.offZone, 2);
  ball.speed = 0;
  ball.climb = 3;
  match.offZone = 0;
  RuleAt(905, 420, 30);
  EXPECT_EQ(ball.climb, 3);
  EXPECT_EQ(match.offZone, 0);
}

TEST_F(NetRule, AtTheGoalsTheClimbStopsAndInsideThemTheBallIsHidden) {
  ball.speed = 4;
  ball.climb = 2;
  RuleAt(35, 240, 0);  // sx 50, sy 232: inside the left goal
  EXPECT_EQ(ball.climb, 0);
  EXPECT_TRUE(BallInsideGoal());
  RuleAt(915, 240, 0);  // sx 899, right of 892 - 19
  EXPECT_TRUE(BallInsideGoal());
  EXPECT_EQ(match.offZone, 0);  // the mouth itself marks nothing
  ball.climb = 3;
  RuleAt(35, 198, 0);  // sy 190: just above the goal's area, drawn but no longer climbing
  EXPECT_EQ(ball.climb, 0);
  EXPECT_FALSE(BallInsideGoal());
  ball.climb = 3;
  RuleAt(300, 240, 0);
  EXPECT_EQ(ball.climb, 3);
  EXPECT_FALSE(BallInsideGoal());
}

}  // namespace
