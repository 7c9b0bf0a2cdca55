// The ball on the screen: raised by half its height, its shadow on the ground, hidden while
// inside a goal. (The nets' rule itself is tested with the match rules.)
#include "match/net_rule.h"
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
    Clear(kWhite);
  }
  // Puts the ball, ends the frame as the frame step does (the net rule, then the drawing) and
  // tells whether its picture appeared at (sx, sy).
  bool DrawAt(int x, int y, int height, int sx, int sy) {
    ball.x = x;
    ball.y = y;
    ball.height = height;
    ApplyNetRule();
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

TEST_F(BallDrawing, BallInsideAGoalIsNotDrawnNotEvenItsShadow) {
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

}  // namespace
}  // namespace pitch_test
