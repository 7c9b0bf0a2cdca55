// The whole match view: the per-frame redraw composed off screen and copied in one transfer
// (the top rows only while the ball is high on the screen), the shoot-out caption, the full
// redraw at the start of a period, the buffered redraw below the top strip, the scoreboard and
// the fallback erase of moved sprites.
#include <string>
#include <utility>
#include <vector>

#include "match/frame_step.h"
#include "match/net_rule.h"
#include "presentation/caption_drawing.h"
#include "support/pitch_test_support.h"

namespace pitch_test {
namespace {

constexpr Color kMarker = Rgb(1, 2, 3);  // what the "window" showed before the redraw
constexpr Color kRed = Rgb(255, 0, 0);

class MatchFrameDrawing : public PitchViewTest {
 protected:
  void SetUp() override {
    PitchViewTest::SetUp();
    savedFrame = SavedFramePositions{};
    match.half = 1;
    ball.x = 470;
    ball.y = 300;
    for (int i = 0; i < kPlayersPerSide; ++i) {
      teamA[std::size_t(i)] = PlayerState{200 + 10 * i, 300, 0, 0, 0, 6, 0};
      teamB[std::size_t(i)] = PlayerState{600 + 10 * i, 350, 0, 0, 0, 4, 0};
    }
    SaveFramePositions();
    Clear(kMarker);
  }
  // The ball where it was at the start of the frame, as SaveFramePositions keeps it.
  static void SavedBall(int x, int y, int height) {
    savedFrame.points[22] = {x, y - height / 2};
    savedFrame.points[23] = {x, y};
  }
  int Count(int left, int top, int right, int bottom, Color colour) const {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) n += Pixel(x, y) == colour ? 1 : 0;
    }
    return n;
  }
  // The scoreboard text as the scoreboard writes it, drawn on a canvas of its own.
  std::string ScoreboardLike(const std::string& text) {
    platform::DeviceContext* other = platform::CreateCompatibleDC(nullptr);
    platform::Bitmap* pixels = platform::CreateCompatibleBitmap(other, 200, 30);
    platform::SelectBitmap(other, pixels);
    platform::Font* font = platform::CreateFont(platform::FontSpec{10, 8, 10});
    platform::SelectFont(other, font);
    platform::SetTextColor(other, kWhite);
    platform::SetBkMode(other, platform::BkMode::Transparent);
    platform::TextOut(other, 10, 4, text);
    std::string out = Rows(other, 1, 1, 159, 29);
    platform::SelectFont(other, platform::StockFont(platform::StockObject::SystemFixedFont));
    platform::DeleteObject(font);
    platform::DeleteDC(other);
    platform::DeleteObject(pixels);
    return out;
  }
  // White pixels of an area as rows of 'o' and '.'.
  static std::string Rows(platform::DeviceContext* from, int left, int top, int right, int bottom) {
    std::string out;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x)
        out += platform::GetPixel(from, x, y) == kWhite ? 'o' : '.';
      out += '\n';
    }
    return out;
  }
};

// ---------------------------------------------------------------- per-frame redraw

TEST_F(MatchFrameDrawing, TopRowsAreCopiedOnlyWhileTheBallWasDrawnAboveRowFifty) {
  // Drawn y 49 (ground 69, height 40): the whole frame is copied.
  SavedBall(470, 69, 40);
  DrawMatchFrame(dc);
  EXPECT_NE(Pixel(5, 5), kMarker);
  EXPECT_NE(Pixel(5, 41), kMarker);

  // Drawn y 50: the frame from row 42 down only; the crowd rows stay as they were.
  Clear(kMarker);
  SavedBall(470, 70, 40);
  DrawMatchFrame(dc);
  EXPECT_EQ(Count(0, 0, kCanvasWidth, 42, kMarker), kCanvasWidth * 42);
  EXPECT_EQ(Count(0, 42, 900, 43, kMarker), 0);
  EXPECT_EQ(Pixel(5, 42), kPitchGreen);
}

TEST_F(MatchFrameDrawing, InTheSecondHalfTheBallIsHighOnTheScreenNearTheLowerTouchLine) {
  match.half = 2;
  // Ground y 470 is screen y 40: the top rows are redrawn.
  SavedBall(470, 470, 0);
  DrawMatchFrame(dc);
  EXPECT_NE(Pixel(5, 5), kMarker);
  // A lofted ball near the upper touch line is low on the screen: screen y 450 - 20.
  Clear(kMarker);
  SavedBall(470, 60, 40);
  DrawMatchFrame(dc);
  EXPECT_EQ(Pixel(5, 5), kMarker);
  // Ground y 461 at height 4 is drawn at screen y 47.
  Clear(kMarker);
  SavedBall(470, 461, 4);
  DrawMatchFrame(dc);
  EXPECT_NE(Pixel(5, 5), kMarker);
}

TEST_F(MatchFrameDrawing, FrameShowsPitchLinesPlayersAndBall) {
  Install(10, SolidPicture(4, 4, kBlack));  // pose 0 mask
  Install(110, SolidPicture(4, 4, Rgb(200, 0, 0)));
  Install(30, SolidPicture(4, 4, Rgb(0, 0, 200)));
  Install(7, SolidPicture(2, 2, kBlack));
  Install(6, SolidPicture(2, 2, Rgb(250, 0, 250)));
  match.scrollX = 20;
  teamA[3].pose = 0;  // at (230, 300): screen x 230 + 6 - 20
  teamB[6].pose = 0;  // at (660, 350): screen x 660 - 3 - 20
  DrawMatchFrame(dc);
  EXPECT_EQ(Pixel(216, 284), Rgb(200, 0, 0));
  EXPECT_EQ(Pixel(637, 334), Rgb(0, 0, 200));
  EXPECT_EQ(Pixel(450, 292), Rgb(250, 0, 250));  // the ball at (470, 300)
  EXPECT_EQ(Pixel(450, 200), kWhite);            // halfway line
  EXPECT_EQ(Pixel(300, 450), kWhite);            // near touch line
  // The goals were recorded for this view offset.
  EXPECT_EQ(pitchView.leftGoalScreenX, 30);
  EXPECT_EQ(pitchView.rightGoalScreenX, 872);
}

TEST_F(MatchFrameDrawing, FrameIsTheViewDrawnPieceByPieceWhateverTheOffsetAndWidth) {
  Install(10, SolidPicture(4, 4, kBlack));
  Install(110, SolidPicture(4, 4, Rgb(200, 0, 0)));
  Install(30, SolidPicture(4, 4, Rgb(0, 0, 200)));
  Install(26, SolidPicture(100, 14, Rgb(9, 9, 9)));
  Install(8, SolidPicture(100, 10, Rgb(0, 90, 0)));
  Install(5, SolidPicture(6, 6, kBlack));
  Install(4, SolidPicture(6, 6, Rgb(250, 250, 0)));
  platform::DeviceContext* other = platform::CreateCompatibleDC(nullptr);
  // The same view drawn call by call on a fresh frame, as the frame redraw describes it.
  auto reference = [other](int left, int top) {
    platform::Bitmap* pixels = platform::CreateCompatibleBitmap(other, kCanvasWidth, kCanvasHeight);
    platform::Bitmap* born = platform::SelectBitmap(other, pixels);
    FillPitch(other);
    DrawLines(other);
    DrawBoards(other);
    DrawCornerFlags(other);
    DrawLeftGoal(other);
    DrawRightGoal(other);
    DrawObjects(other);
    std::vector<Color> out;
    for (int y = top; y < kCanvasHeight; ++y) {
      for (int x = left; x < kCanvasWidth; ++x) out.push_back(platform::GetPixel(other, x, y));
    }
    platform::SelectBitmap(other, born);
    platform::DeleteObject(pixels);
    return out;
  };
  auto shown = [this](int left, int top) {
    std::vector<Color> out;
    for (int y = top; y < kCanvasHeight; ++y) {
      for (int x = left; x < kCanvasWidth; ++x) out.push_back(Pixel(x, y));
    }
    return out;
  };
  const std::pair<int, int> views[] = {{20, 900}, {20, 900},  {0, 900},
                                       {0, 930},  {150, 640}, {20, 900}};
  for (auto [offset, width] : views) {
    teamA[3].x += 37;  // nothing of the last frame may stay behind
    match.scrollX = offset;
    viewLayout.clientWidth = width;
    Clear(kMarker);
    DrawMatchFrame(dc);
    EXPECT_TRUE(shown(0, 42) == reference(0, 42)) << "offset " << offset << " width " << width;
  }
  platform::DeleteDC(other);
}

TEST_F(MatchFrameDrawing, ShootOutShowsItsCaptionOverThePitch) {
  SavedBall(470, 300, 0);
  DrawMatchFrame(dc);
  EXPECT_EQ(Count(380, 235, 560, 265, kRed), 0);
  for (PeriodKind kind : {PeriodKind::kShootOut, PeriodKind::kShootOutOver}) {
    Clear(kMarker);
    match.periodKind = kind;
    DrawMatchFrame(dc);
    // "    P K 戦 " at (450 - 48, 240): its letters start four cells in.
    EXPECT_GT(Count(434, 240, 520, 256, kRed), 20) << "periodKind " << int(kind);
    EXPECT_EQ(Count(380, 235, 432, 265, kRed), 0) << "periodKind " << int(kind);
  }
}

TEST_F(MatchFrameDrawing, NoWindowNoDrawing) {
  // Without a window context nothing is composed, so nothing touches the ball either.
  ball.x = 35;
  ball.y = 240;
  ball.climb = 3;
  DrawMatchFrame(nullptr);
  EXPECT_EQ(ball.climb, 3);
}

// ---------------------------------------------------------------- full and buffered redraws

TEST_F(MatchFrameDrawing, FullRedrawTakesTheViewOffsetAndLeavesOutPlayersWhileACaptionShows) {
  Install(10, SolidPicture(4, 4, kBlack));
  Install(110, SolidPicture(4, 4, Rgb(200, 0, 0)));
  SetViewOffset(20);
  DrawFullPitch(dc);
  EXPECT_EQ(match.scrollX, 20);
  EXPECT_EQ(Pixel(216, 284), Rgb(200, 0, 0));
  EXPECT_EQ(Pixel(450, 200), kWhite);

  for (int caption : {0, 1}) {
    Clear(kMarker);
    match.captionTimer = caption == 0 ? 40 : 0;
    captionState.entranceState = caption == 1 ? EntranceState::kWalkingIn : EntranceState::kNone;
    SetViewOffset(0);
    DrawFullPitch(dc);
    EXPECT_EQ(match.scrollX, 0);
    EXPECT_EQ(Pixel(236, 284), kPitchGreen) << "caption " << caption;
    EXPECT_EQ(Pixel(470, 200), kWhite) << "caption " << caption;
  }
}

TEST_F(MatchFrameDrawing, BufferedRedrawLeavesTheTopStripAlone) {
  Install(10, SolidPicture(4, 4, kBlack));
  Install(110, SolidPicture(4, 4, Rgb(200, 0, 0)));
  DrawPitchBuffered(dc);
  EXPECT_EQ(Count(0, 0, kCanvasWidth, 42, kMarker), kCanvasWidth * 42);
  EXPECT_EQ(Pixel(5, 42), kPitchGreen);
  EXPECT_EQ(Pixel(70, 255), kStripeGreen);
  EXPECT_EQ(Pixel(470, 200), kWhite);
  EXPECT_EQ(Pixel(236, 284), Rgb(200, 0, 0));
}

TEST_F(MatchFrameDrawing, ScoreboardPutsTheSideOnTheLeftOfTheScreenFirst) {
  gameFlow.userNation = 0;  // JPN
  match.opponent = 8;       // GER
  match.scoreA = 1;
  match.scoreB = 0;
  DrawScoreboard(dc);
  // A black box with a white outline from (370, 0) to (530, 30).
  EXPECT_EQ(Pixel(370, 0), kWhite);
  EXPECT_EQ(Pixel(529, 29), kWhite);
  EXPECT_EQ(Pixel(375, 20), kBlack);
  EXPECT_EQ(Rows(dc, 371, 1, 529, 29), ScoreboardLike("JPN  1 -  0  GER"));

  match.half = 2;
  DrawScoreboard(dc);
  EXPECT_EQ(Rows(dc, 371, 1, 529, 29), ScoreboardLike("GER  0 -  1  JPN"));
  EXPECT_NE(ScoreboardLike("GER  0 -  1  JPN"), ScoreboardLike("JPN  1 -  0  GER"));
}

// The clock line under the score, in each period: its period mark ("1st", "2nd", "Ext") is
// drawn large enough to read at 1x (its small letters span six rows or more), and the line
// stays inside the board without touching its white frame.
TEST_F(MatchFrameDrawing, ClockLineIsLegibleAndStaysInsideTheScoreboard) {
  struct Period {
    int half;
    PeriodKind kind;
    const char* mark;
  };
  gameFlow.userNation = 0;
  match.opponent = 8;
  match.clockMinutes = 2;
  match.clockSeconds = 58;
  for (const Period p :
       {Period{1, PeriodKind::kRegular, "1st"}, Period{2, PeriodKind::kRegular, "2nd"},
        Period{2, PeriodKind::kExtraTime, "Ext"}, Period{0, PeriodKind::kShootOut, nullptr}}) {
    match.half = p.half;
    match.periodKind = p.kind;
    Clear(kMarker);
    DrawScoreboard(dc);
    DrawClock(dc);
    for (int x = 370; x < 530; ++x) EXPECT_EQ(Pixel(x, 29), kWhite) << x;
    for (int y = 0; y < 30; ++y) {
      EXPECT_EQ(Pixel(370, y), kWhite) << y;
      EXPECT_EQ(Pixel(529, y), kWhite) << y;
    }
    EXPECT_EQ(Count(371, 30, 529, 42, kWhite), 0);
    if (p.mark == nullptr) continue;
    // The mark's second letter: its cell of 8 pixels after the first.
    int rows = 0;
    for (int y = 14; y < 29; ++y) rows += Count(450 - 70 + 8, y, 450 - 70 + 16, y + 1, kWhite) > 0;
    EXPECT_GE(rows, 6) << p.mark;
  }
}

// ---------------------------------------------------------------- fallback erase

TEST_F(MatchFrameDrawing, EraseCoversWhereMovedPlayersStoodAndLeavesTheOthers) {
  Clear(kMarker);
  teamA[2].x += 5;     // moved: erased around (220, 300)
  teamB[4].moved = 1;  // handled by a move routine: erased around (640, 350)
  match.controlledPlayer = 7;
  match.previousControlled = 8;  // control changed: team A's player 7 erased at (270, 300)
  EraseMovedSprites(dc);
  auto erased = [this](int sx, int y) {
    return Pixel(sx - 4, y - 24) != kMarker && Pixel(sx + 19, y + 3) != kMarker &&
           Pixel(sx - 5, y) == kMarker && Pixel(sx + 20, y) == kMarker;
  };
  EXPECT_TRUE(erased(220 + (470 - 220) * 150 / 5720, 300));
  EXPECT_TRUE(erased(640 + (470 - 640) * 100 / 5720, 350));
  EXPECT_TRUE(erased(270 + (470 - 270) * 150 / 5720, 300));
  EXPECT_EQ(Pixel(212, 300), kMarker);  // team A's player 1 did not move
  // Nothing reached the top rows, so the wall strip was not redrawn.
  EXPECT_EQ(Count(0, 0, kCanvasWidth, 42, kMarker), kCanvasWidth * 42);
}

TEST_F(MatchFrameDrawing, EraseNearTheTopRedrawsTheWallStrip) {
  Install(26, SolidPicture(100, 14, Rgb(9, 9, 9)));
  savedFrame.points[5] = {300, 70};  // team A's player 5 stood high on the screen
  EraseMovedSprites(dc);
  EXPECT_EQ(Pixel(0, 30), Rgb(9, 9, 9));
  EXPECT_EQ(Pixel(850, 43), Rgb(9, 9, 9));
}

}  // namespace
}  // namespace pitch_test
