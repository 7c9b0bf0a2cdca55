// Smooth motion's drawing: where the blend puts the players and the ball between two rule
// frames, that placements are never slid, and that the picture redrawn only around the objects
// is exactly the picture drawn whole.
#include <random>
#include <vector>

#include "match/frame_step.h"
#include "match/net_rule.h"
#include "presentation/motion_blend.h"
#include "support/pitch_test_support.h"

namespace pitch_test {
namespace {

class MotionBlendDrawing : public PitchViewTest {
 protected:
  void SetUp() override {
    PitchViewTest::SetUp();
    // Every picture a solid block of its own size: black masks, coloured sprites, so that all
    // of them show, and the areas redrawn must follow each picture's size.
    for (int slot = 0; slot < int(kBitmapSlots); ++slot) {
      Install(slot, SolidPicture(14 + slot % 9, 18 + slot % 7,
                                 slot % 2 == 1 ? kBlack : Rgb(40 + slot % 200, 80, 200)));
    }
    match.half = 1;
    for (int i = 0; i < kPlayersPerSide; ++i) {
      teamA[std::size_t(i)] = PlayerState{200 + 40 * i, 120 + 25 * i, 0, 0, 3, 6, 0};
      teamB[std::size_t(i)] = PlayerState{240 + 40 * i, 400 - 25 * i, 0, 0, 3, 4, 0};
    }
    ball = BallState{470, 255, 0, 0, 0, 0, 0, 0};
    SetMotionBlending(true);
  }
  void TearDown() override {
    SetMotionBlending(false);
    PitchViewTest::TearDown();
  }
  std::vector<Color> Canvas() const {
    const std::uint32_t* p = platform::BitmapPixels(bitmap);
    return {p, p + std::size_t(kCanvasWidth) * kCanvasHeight};
  }
  // Moves every player and the ball by up to `step` pixels on each axis.
  static void MoveAll(std::mt19937& random, int step) {
    std::uniform_int_distribution<int> d(-step, step);
    for (auto* team : {&teamA, &teamB}) {
      for (PlayerState& p : *team) {
        p.x += d(random);
        p.y += d(random);
      }
    }
    ball.x += d(random);
    ball.y += d(random);
    ball.height = std::max(0, ball.height + d(random));
  }
};

TEST_F(MotionBlendDrawing, BetweenTwoFramesEveryObjectStandsPartWayAndAPlacementAtOnce) {
  NoteRuleFrame(false);
  const platform::Point start = DrawnPlayer(false, 3);
  teamA[3].x += 10;                      // a run
  teamB[5].x += kPlacementDistance + 1;  // placed (a set-up), not moved
  ball.height = 20;
  NoteRuleFrame(false);
  EXPECT_EQ(motionBlend.fraction, 0);
  EXPECT_EQ(DrawnPlayer(false, 3).x, start.x);  // the picture trails the rules by one frame
  ASSERT_TRUE(AdvanceBlend(motionBlend.frameTime + kRuleFrameMs / 2));
  EXPECT_EQ(DrawnPlayer(false, 3).x, start.x + 5);
  EXPECT_EQ(DrawnPlayer(true, 5).x, teamB[5].x);
  EXPECT_EQ(DrawnBall().height, 10);
  EXPECT_FALSE(AdvanceBlend(motionBlend.frameTime + kRuleFrameMs / 2));  // nothing new to draw
  EXPECT_TRUE(AdvanceBlend(motionBlend.frameTime + 5 * kRuleFrameMs));
  EXPECT_EQ(DrawnPlayer(false, 3).x, teamA[3].x);
  EXPECT_FALSE(motionBlend.sliding);

  // A frame that placed (a restart), the change of ends and anything drawn afresh: no slide.
  const auto noSlideAfter = [&](auto change) {
    teamA[2].x += 6;
    change();
    EXPECT_FALSE(motionBlend.sliding);
    EXPECT_EQ(DrawnPlayer(false, 2).x, teamA[2].x);
  };
  noSlideAfter([] { NoteRuleFrame(true); });
  noSlideAfter([] {
    match.half = 2;
    NoteRuleFrame(false);
  });
  noSlideAfter([] {
    NoteRuleFrame(false);
    PlaceAllObjects();
  });
  // Off, the drawing is where the records are.
  SetMotionBlending(false);
  teamA[1].x += 6;
  NoteRuleFrame(false);
  EXPECT_EQ(DrawnPlayer(false, 1).x, teamA[1].x);
}

TEST_F(MotionBlendDrawing, APictureRedrawnAroundTheObjectsIsThePictureDrawnWhole) {
  std::mt19937 random(7);
  for (int trial = 0; trial < 12; ++trial) {
    match.half = trial % 3 == 2 ? 2 : 1;
    match.controlledPlayer = 1 + trial % kPlayersPerSide;
    SaveFramePositions();
    NoteRuleFrame(false);
    DrawMatchFrame(dc);
    MoveAll(random, 12);
    SaveFramePositions();
    NoteRuleFrame(false);
    DrawMatchFrame(dc);
    for (int step = 1; step <= 6; ++step) {
      AdvanceBlend(motionBlend.frameTime + std::uint64_t(step * kRuleFrameMs / 7));
      DrawMatchFrameBetween(dc);
      const std::vector<Color> between = Canvas();
      DrawMatchFrame(dc);
      ASSERT_EQ(between, Canvas()) << "trial " << trial << ", step " << step;
    }
  }
}

}  // namespace
}  // namespace pitch_test
