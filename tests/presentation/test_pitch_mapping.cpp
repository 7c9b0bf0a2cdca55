// The match view's geometry and its static pieces: pitch points to screen points (the far
// side narrower, the second half turned round, the view offset), the stripes, the crowd
// tiles, the advertising boards and the pitch furniture.
#include "support/pitch_test_support.h"

namespace pitch_test {
namespace {

using platform::Point;

bool Same(Point a, Point b) {
  return a.x == b.x && a.y == b.y;
}

// ---------------------------------------------------------------- from pitch to screen

TEST_F(PitchViewTest, FarTouchLineIsDrawnThirtyPixelsNarrowerAtEachGoalLine) {
  match.half = 1;
  EXPECT_TRUE(Same(PitchToScreen(30, 60), {60, 60}));
  EXPECT_TRUE(Same(PitchToScreen(910, 60), {880, 60}));
  EXPECT_TRUE(Same(PitchToScreen(470, 60), {470, 60}));
  // The near touch line and anything below it are not shifted.
  EXPECT_TRUE(Same(PitchToScreen(30, 450), {30, 450}));
  EXPECT_TRUE(Same(PitchToScreen(910, 450), {910, 450}));
  EXPECT_TRUE(Same(PitchToScreen(30, 476), {30, 476}));
  // The shift truncates towards zero on both sides of the centre: 26.9 and -26.9.
  EXPECT_TRUE(Same(PitchToScreen(30, 100), {56, 100}));
  EXPECT_TRUE(Same(PitchToScreen(910, 100), {884, 100}));
}

TEST_F(PitchViewTest, SecondHalfTurnsThePictureRoundAboutTheMirrorPoint) {
  match.half = 2;  // mirrorX 926, mirrorY 510
  // Team A's goal line now lies on the right; its lower corner is on the far touch line.
  EXPECT_TRUE(Same(PitchToScreen(30, 450), {867, 60}));  // 896 - 29
  EXPECT_TRUE(Same(PitchToScreen(30, 255), {882, 255}));
  EXPECT_TRUE(Same(PitchToScreen(910, 60), {16, 450}));
  // The same point in the first half is on the left.
  match.half = 1;
  EXPECT_TRUE(Same(PitchToScreen(30, 255), {45, 255}));
  // No half being played draws as the first half.
  match.half = 0;
  EXPECT_TRUE(Same(PitchToScreen(30, 255), {45, 255}));
}

TEST_F(PitchViewTest, ViewOffsetMovesEverythingLeft) {
  match.half = 1;
  match.scrollX = 150;
  EXPECT_TRUE(Same(PitchToScreen(30, 450), {-120, 450}));
  EXPECT_TRUE(Same(PitchToScreen(30, 60), {-90, 60}));
  match.half = 2;
  EXPECT_TRUE(Same(PitchToScreen(30, 450), {717, 60}));
}

// ---------------------------------------------------------------- stripes

TEST_F(PitchViewTest, StripesLeaveOutLeftBandsWhoseLowerCornerIsOffTheLeftEdge) {
  FillPitch(dc);
  // Band 0 of the left half runs from (60, 60)-(30, 450) to (115, 60)-(100, 450).
  EXPECT_EQ(Pixel(70, 255), kStripeGreen);
  EXPECT_EQ(Pixel(20, 255), kPitchGreen);
  // Band 0 of the right half mirrors it.
  EXPECT_EQ(Pixel(870, 255), kStripeGreen);
  // The fill covers the client area only.
  EXPECT_EQ(Pixel(899, 470), kPitchGreen);
  EXPECT_EQ(Pixel(905, 470), kWhite);

  // With the view offset 150 band 1 would start at x 5 on row 255, but its lower left corner
  // lies at x -5, so it is left out.
  Clear(kWhite);
  match.scrollX = 150;
  FillPitch(dc);
  EXPECT_EQ(Pixel(30, 255), kPitchGreen);
  // Band 2 (lower left corner at x 110) is drawn.
  EXPECT_EQ(Pixel(130, 255), kStripeGreen);
}

TEST_F(PitchViewTest, StripesInRectDrawOnlyInsideTheRectangle) {
  platform::Brush* grass = platform::CreateSolidBrush(kPitchGreen);
  platform::FillRect(dc, platform::Rect{0, 0, 200, 479}, grass);
  platform::DeleteObject(grass);
  StripesInRect(dc, platform::Rect{60, 250, 80, 260});
  EXPECT_EQ(Pixel(70, 255), kStripeGreen);
  EXPECT_EQ(Pixel(90, 255), kPitchGreen);  // inside band 0, outside the rectangle
  EXPECT_EQ(Pixel(70, 240), kPitchGreen);
  // The clipping is lifted afterwards.
  platform::SetPixel(dc, 5, 5, kBlack);
  EXPECT_EQ(Pixel(5, 5), kBlack);
}

TEST_F(PitchViewTest, LinesAreWhiteAndFollowTheViewOffset) {
  Clear(kPitchGreen);
  match.scrollX = 20;
  DrawLines(dc);
  EXPECT_EQ(Pixel(40, 60), kWhite);    // far corner of the left goal line
  EXPECT_EQ(Pixel(860, 60), kWhite);   // far corner of the right goal line
  EXPECT_EQ(Pixel(450, 300), kWhite);  // halfway line
  EXPECT_EQ(Pixel(300, 450), kWhite);  // near touch line
  EXPECT_NE(Pixel(470, 300), kWhite);  // nothing where the unshifted halfway line would be
}

// ---------------------------------------------------------------- crowd and boards

class CrowdStrip : public PitchViewTest {
 protected:
  static constexpr Color kGeneral = Rgb(1, 2, 3);
  static constexpr Color kCrowdA = Rgb(10, 20, 30);
  static constexpr Color kCrowdB = Rgb(40, 50, 60);
  void SetUp() override {
    PitchViewTest::SetUp();
    Install(25, SolidPicture(100, 30, kGeneral));
    bitmapStore.crowd[0] = Keep(SolidPicture(100, 30, kCrowdA));
    bitmapStore.crowd[1] = Keep(SolidPicture(100, 30, kCrowdB));
  }
  // The picture of each 100-pixel tile, one letter each: g general, a team A, b team B,
  // . nothing drawn.
  std::string Tiles() {
    std::string out;
    for (int x = 0; x < kCanvasWidth; x += 100) {
      const Color c = Pixel(x + 50, 10);
      out += c == kGeneral ? 'g' : c == kCrowdA ? 'a' : c == kCrowdB ? 'b' : '.';
    }
    return out;
  }
};

TEST_F(CrowdStrip, CampaignMatchShowsBothSidesSupportersAtTheEnds) {
  gameFlow.phase = Phase::kQualifying;
  DrawCrowd(dc);
  // Client width 900: n = 4; tiles 0-2 team A, 3-5 general, 6-8 team B; none at x 900.
  EXPECT_EQ(Tiles(), "aaagggbbb.");

  Clear(kWhite);
  viewLayout.clientWidth = 640;  // n = 3: tiles 0-1 team A, 2-4 general, 5-6 team B
  DrawCrowd(dc);
  EXPECT_EQ(Tiles(), "aagggbb...");
}

TEST_F(CrowdStrip, PracticeAndNoCampaignShowTheGeneralCrowdOnly) {
  gameFlow.phase = Phase::kGroupLeague;
  gameFlow.mode = Mode::kPractice;
  DrawCrowd(dc);
  EXPECT_EQ(Tiles(), "ggggggggg.");

  for (int phase : {0, 1}) {
    Clear(kWhite);
    gameFlow.mode = Mode::kFriendly;  // a friendly outside a campaign
    gameFlow.phase = Phase(phase);
    DrawCrowd(dc);
    EXPECT_EQ(Tiles(), "ggggggggg.") << "phase " << phase;
  }
}

TEST_F(CrowdStrip, MissingSupportersPicturesFallBackToTheGeneralCrowd) {
  gameFlow.phase = Phase::kKnockout;
  bitmapStore.crowd[0] = Picture{};
  bitmapStore.crowd[1] = Picture{};
  DrawCrowd(dc);
  EXPECT_EQ(Tiles(), "ggggggggg.");
}

TEST_F(CrowdStrip, WallStripIsTiledAtRowThirty) {
  Install(26, SolidPicture(100, 14, kCrowdB));
  DrawWallStrip(dc);
  EXPECT_EQ(Pixel(0, 30), kCrowdB);
  EXPECT_EQ(Pixel(899, 43), kCrowdB);
  EXPECT_EQ(Pixel(905, 35), kWhite);
  EXPECT_EQ(Pixel(0, 29), kWhite);
}

class Boards : public PitchViewTest {
 protected:
  static constexpr Color kCampaignBoard = Rgb(200, 0, 0);
  static constexpr Color kFriendlyBoard = Rgb(0, 0, 200);
  void SetUp() override {
    PitchViewTest::SetUp();
    Install(8, SolidPicture(100, 10, kCampaignBoard));
    Install(9, SolidPicture(100, 10, kFriendlyBoard));
  }
};

TEST_F(Boards, FiveBoardsOneHundredSixtyApartFromNinety) {
  match.scrollX = 20;
  DrawBoards(dc);
  for (int i = 0; i < 5; ++i) {
    const int x = i * 160 - 20 + 90;
    EXPECT_EQ(Pixel(x, 44), kCampaignBoard) << "board " << i;
    EXPECT_EQ(Pixel(x + 99, 53), kCampaignBoard) << "board " << i;
    EXPECT_EQ(Pixel(x - 1, 44), kWhite) << "board " << i;
  }
  EXPECT_EQ(Pixel(100, 43), kWhite);
}

TEST_F(Boards, ABoardAtANegativeXIsNotDrawnAtAll) {
  match.scrollX = 150;  // boards at -60, 100, 260, 420, 580
  DrawBoards(dc);
  EXPECT_EQ(Pixel(0, 44), kWhite);
  EXPECT_EQ(Pixel(39, 50), kWhite);
  EXPECT_EQ(Pixel(100, 44), kCampaignBoard);
  EXPECT_EQ(Pixel(580, 44), kCampaignBoard);
}

TEST_F(Boards, FriendlyAndPracticeMatchesShowTheOtherBoard) {
  for (Mode mode : {Mode::kFriendly, Mode::kPractice}) {
    gameFlow.mode = mode;
    DrawBoards(dc);
    EXPECT_EQ(Pixel(90, 44), kFriendlyBoard) << "mode " << CodeValue(mode);
  }
}

// ---------------------------------------------------------------- goals and flags

TEST_F(PitchViewTest, GoalsAndFlagsAreMaskedAtTheirPlacesAndRecordTheGoalMouths) {
  // Masks: black where the picture goes except the left column, which lets the canvas show.
  auto mask = MakePicture(4, 4, [](int x, int) { return x == 0 ? kWhite : kBlack; });
  Install(1, mask);
  Install(3, mask);
  Install(5, mask);
  Install(0, SolidPicture(4, 4, Rgb(0, 0, 10)));
  Install(2, SolidPicture(4, 4, Rgb(0, 0, 20)));
  Install(4, SolidPicture(4, 4, Rgb(0, 0, 30)));
  match.scrollX = 10;
  DrawLeftGoal(dc);
  DrawRightGoal(dc);
  DrawCornerFlags(dc);
  EXPECT_EQ(pitchView.leftGoalScreenX, 40);
  EXPECT_EQ(pitchView.rightGoalScreenX, 882);
  // The canvas shows in the mask's open column, the picture elsewhere.
  EXPECT_EQ(Pixel(3, 200), kWhite);
  EXPECT_EQ(Pixel(4, 200), Rgb(0, 0, 10));
  EXPECT_EQ(Pixel(882, 203), kWhite);
  EXPECT_EQ(Pixel(885, 203), Rgb(0, 0, 20));
  EXPECT_EQ(Pixel(886, 203), kWhite);
  for (Point flag : {Point{54, 44}, Point{24, 434}, Point{874, 44}, Point{904, 434}}) {
    EXPECT_EQ(Pixel(flag.x - 10, flag.y), kWhite) << flag.x << "," << flag.y;
    EXPECT_EQ(Pixel(flag.x - 10 + 1, flag.y), Rgb(0, 0, 30)) << flag.x << "," << flag.y;
    EXPECT_EQ(Pixel(flag.x - 10 + 3, flag.y + 3), Rgb(0, 0, 30)) << flag.x << "," << flag.y;
  }
}

}  // namespace
}  // namespace pitch_test
