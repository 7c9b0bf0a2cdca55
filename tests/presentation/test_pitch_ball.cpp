// The ball on the screen: raised by half its height, its shadow on the ground, and the goal
// nets: a ball that reaches a goal's screen area stops climbing, is not drawn while inside it,
// and marks offZone when it passes beside or above a goal.
#include "support/pitch_test_support.h"

namespace pitch_test {
namespace {

constexpr Color kBall = Rgb(250, 0, 250);

class BallDrawing : public PitchViewTest {
 protected:
  void SetUp() override {
    PitchViewTest::SetUp();
    Install(7, SolidPicture(2, 2, kBlack));
    Install(6, SolidPicture(2, 2, kBall));
    match.half = 1;
    DrawLeftGoal(nullptr);  // records the goal mouths: left x 50, right x 892, top y 200
    DrawRightGoal(nullptr);
    Clear(kWhite);
  }
  // Puts the ball, draws it and tells whether its picture appeared at (sx, sy).
  bool DrawAt(int x, int y, int height, int sx, int sy) {
    ball.x = x;
    ball.y = y;
    ball.height = height;
    DrawBall(dc);
    return Pixel(sx, sy) == kBall;
  }
};

TEST_F(BallDrawing, BallIsRaisedByHalfItsHeightAndShiftedAtTheRaisedPoint) {
  // On the ground at (470, 300): drawn at (470, 292).
  EXPECT_TRUE(DrawAt(470, 300, 0, 470, 292));
  // At height 41 the raised point is y 280 (half of 41 is 20); the shift is taken there:
  // (470 - 300) × (450 - 280) / 5720 = 5.05, so sx 305 and sy 272. (From the ground point it
  // would be 4.)
  Clear(kWhite);
  EXPECT_TRUE(DrawAt(300, 300, 41, 305, 272));
  EXPECT_EQ(Pixel(304, 272), kWhite);
  // In the second half the ground point is mirrored first.
  Clear(kWhite);
  match.half = 2;
  EXPECT_TRUE(DrawAt(926 - 470, 510 - 300, 0, 470, 292));
}

TEST_F(BallDrawing, ShadowOnlyWhileAboveTheGroundAndSmallerTheHigherTheBall) {
  // The shadow is a black ellipse of radius r centred 8 pixels above the ground point; its
  // width is read on its middle row, y 412.
  auto shadowWidth = [this](int height) {
    Clear(kWhite);
    ball.x = 470;
    ball.y = 420;  // the ground point (470, 420) is not shifted
    ball.height = height;
    DrawBall(dc);
    int width = 0;
    for (int x = 450; x < 490; ++x) {
      width += Pixel(x, 412) == kBlack || Pixel(x, 412) == kPitchGreen ? 1 : 0;
    }
    return width;
  };
  EXPECT_EQ(shadowWidth(0), 0);
  const int r4 = shadowWidth(24);
  EXPECT_EQ(r4, 8);
  EXPECT_EQ(shadowWidth(4), r4);
  EXPECT_GT(r4, shadowWidth(25));               // r 3 from 25
  EXPECT_GT(shadowWidth(25), shadowWidth(50));  // r 2 from 50
  EXPECT_GT(shadowWidth(50), shadowWidth(75));  // r 1 from 75
  EXPECT_EQ(shadowWidth(75), shadowWidth(100));
  EXPECT_EQ(shadowWidth(99), shadowWidth(400));
  EXPECT_GT(shadowWidth(400), 0);
  // Drawn with the grass pen around it: the outline is grass green.
  Clear(kWhite);
  ball.height = 10;
  DrawBall(dc);
  EXPECT_EQ(Pixel(470 - 4, 412), kPitchGreen);
  EXPECT_EQ(Pixel(470, 412), kBlack);
}

TEST_F(BallDrawing, BallBesideAGoalAboveItsMouthMarksThatGoal) {
  // Left of the left goal's mouth on the far touch line: sx 41 < 50.
  ball.speed = 0;
  EXPECT_TRUE(DrawAt(10, 60, 0, 41, 52));
  EXPECT_EQ(match.offZone, 1);
  // Right of the right goal's mouth: sx 902 > 892.
  match.offZone = 0;
  Clear(kWhite);
  EXPECT_TRUE(DrawAt(930, 100, 0, 902, 92));
  EXPECT_EQ(match.offZone, 2);
  // Between the goals, or below the top of the mouth less 4, nothing is marked.
  match.offZone = 0;
  DrawAt(470, 100, 0, 0, 0);
  DrawAt(10, 204 + 8, 0, 0, 0);  // sy 204: not above 196
  EXPECT_EQ(match.offZone, 0);
}

TEST_F(BallDrawing, GoalsAreNamedByTheirPlaceOnTheScreenInTheSecondHalf) {
  match.half = 2;
  // Team B's goal line lies on the left of the screen now: pitch x 916 is screen x 38.
  ball.x = 916;
  ball.y = 410;
  DrawBall(dc);
  EXPECT_EQ(match.offZone, 1);
}

TEST_F(BallDrawing, LowBallBeyondAGoalLineAwayFromTheMouthIsSlowedToOne) {
  ball.speed = 6;
  ball.climb = 2;
  // Height 10 beyond team B's goal line (x > 901), sy 387 well below the mouth.
  EXPECT_TRUE(DrawAt(905, 400, 10, 901, 387));
  EXPECT_EQ(ball.speed, 1);
  EXPECT_EQ(ball.climb, 2);
  EXPECT_EQ(match.offZone, 0);
  // Beyond team A's goal line (x < 30) the same.
  ball.speed = 6;
  DrawAt(25, 420, 10, 0, 0);
  EXPECT_EQ(ball.speed, 1);
  // Not on the ground, not without speed, not once offZone is set, not from height 18 on.
  for (int height : {0, 18}) {
    ball.speed = 6;
    DrawAt(905, 400, height, 0, 0);
    EXPECT_EQ(ball.speed, 6) << "height " << height;
  }
  ball.speed = 6;
  match.offZone = 2;
  DrawAt(905, 400, 10, 0, 0);
  EXPECT_EQ(ball.speed, 6);
  // Inside the pitch nothing happens either.
  match.offZone = 0;
  DrawAt(880, 400, 10, 0, 0);
  EXPECT_EQ(ball.speed, 6);
}

TEST_F(BallDrawing, HighBallPassingAGoalAboveOrBelowTheMouthStopsClimbingAndMarksIt) {
  ball.speed = 5;
  ball.climb = 3;
  // Height 40 at (30, 150): raised to y 130, sy 122 (above the mouth less 12), sx 54: its left
  // edge less 8 is left of the left goal's mouth.
  EXPECT_TRUE(DrawAt(30, 150, 40, 54, 122));
  EXPECT_EQ(ball.climb, 0);
  EXPECT_EQ(match.offZone, 1);
  EXPECT_EQ(ball.speed, 5);
  // Below the mouth at the right goal: (905, 420) at height 30 is sy 397, sx 902.
  ball.climb = 3;
  match.offZone = 0;
  DrawAt(905, 420, 30, 0, 0);
  EXPECT_EQ(ball.climb, 0);
  EXPECT_EQ(match.offZone, 2);
  // Without speed the rule does not apply.
  ball.speed = 0;
  ball.climb = 3;
  match.offZone = 0;
  DrawAt(905, 420, 30, 0, 0);
  EXPECT_EQ(ball.climb, 3);
  EXPECT_EQ(match.offZone, 0);
}

TEST_F(BallDrawing, BallInsideAGoalIsNotDrawnAndStopsClimbing) {
  ball.speed = 4;
  ball.climb = 2;
  // (35, 240) on the ground: sx 50, sy 232, inside the left goal's area.
  EXPECT_FALSE(DrawAt(35, 240, 0, 50, 232));
  EXPECT_EQ(ball.climb, 0);
  // Nothing at all is drawn, not even the shadow of a raised ball.
  ball.climb = 2;
  DrawAt(35, 250, 20, 0, 0);
  int drawn = 0;
  for (int y = 200; y < 280; ++y) {
    for (int x = 0; x < 120; ++x) drawn += Pixel(x, y) != kWhite ? 1 : 0;
  }
  EXPECT_EQ(drawn, 0);
  EXPECT_EQ(ball.climb, 0);
  // The right goal: (915, 240) is sx 899, right of 892 - 19.
  EXPECT_FALSE(DrawAt(915, 240, 0, 899, 232));
  EXPECT_EQ(match.offZone, 0);  // the mouth itself marks nothing
}

TEST_F(BallDrawing, BallJustOutsideTheGoalAreaIsDrawnButStillStopsClimbing) {
  ball.climb = 3;
  // (35, 198) is sx 54, sy 190: between the top less 16 and the top less 8, so drawn, but
  // its left edge less 8 is inside the goal's x: no longer climbing.
  EXPECT_TRUE(DrawAt(35, 198, 0, 54, 190));
  EXPECT_EQ(ball.climb, 0);
  // Well inside the pitch the climb goes on.
  ball.climb = 3;
  DrawAt(300, 240, 0, 0, 0);
  EXPECT_EQ(ball.climb, 3);
}

}  // namespace
}  // namespace pitch_test
