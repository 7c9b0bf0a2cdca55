// Lines, pens, rectangles, ellipses, arcs, polygons and clipping, pixel by pixel.
#include <utility>

#include "support/drawing_test_support.h"

namespace {

using namespace platform;
using drawing_test::Canvas;
using drawing_test::kBlack;
using drawing_test::kGreen;
using drawing_test::kRed;
using drawing_test::kWhite;

using Defaults = Canvas;
using Lines = Canvas;
using Rectangles = Canvas;
using Ellipses = Canvas;
using Arcs = Canvas;
using Polygons = Canvas;
using Clipping = Canvas;

TEST_F(Defaults, ContextStartsWithBlackPenWhiteBrushAndSystemFont) {
  EXPECT_EQ(MoveTo(dc, 3, 4).x, 0);
  EXPECT_EQ(SetTextColor(dc, kRed), kBlack);
  EXPECT_EQ(SetBkColor(dc, kRed), kWhite);
  EXPECT_EQ(SetBkMode(dc, BkMode::Transparent), BkMode::Opaque);
  EXPECT_EQ(AverageCharWidth(dc), 8);
  EXPECT_EQ(GetTextExtent(dc, "A").y, 16);
  Rectangle(dc, 1, 1, 5, 4);
  EXPECT_EQ(Art(0, 0, 6, 5), Rows({"......", ".####.", ".#oo#.", ".####.", "......"}));
  EXPECT_TRUE(surface.dirty);
}

TEST_F(Defaults, NullContextDrawsNothingAndAnswersNeutrally) {
  const Point square[] = {{0, 0}, {5, 0}, {5, 5}};
  MoveTo(nullptr, 1, 1);
  LineTo(nullptr, 9, 9);
  Rectangle(nullptr, 0, 0, 9, 9);
  Ellipse(nullptr, 0, 0, 9, 9);
  Arc(nullptr, 0, 0, 9, 9, 0, 0, 9, 9);
  Polygon(nullptr, square, 3);
  FillRect(nullptr, Rect{0, 0, 9, 9}, StockBrush(StockObject::BlackBrush));
  SetPixel(nullptr, 1, 1, kBlack);
  TextOut(nullptr, 0, 0, "ABC");
  BitBlt(nullptr, 0, 0, 5, 5, dc, 0, 0, Rop::SrcCopy);
  BitBlt(dc, 0, 0, 5, 5, nullptr, 0, 0, Rop::SrcCopy);
  SetClipRect(nullptr, nullptr);
  EXPECT_EQ(Changed(), 0);
  EXPECT_EQ(GetPixel(nullptr, 0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(GetTextExtent(nullptr, "ABC").x, 0);
  EXPECT_EQ(AverageCharWidth(nullptr), 0);
  EXPECT_EQ(SelectPen(nullptr, StockPen(StockObject::WhitePen)), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, 10, 10), nullptr);
}

TEST_F(Lines, EndPointIsNotDrawnInAnyDirection) {
  MoveTo(dc, 2, 3);
  LineTo(dc, 7, 3);
  EXPECT_EQ(Art(0, 3, 9, 4), Rows({"..#####.."}));
  EXPECT_EQ(MoveTo(dc, 0, 0).x, 7);  // the position moved to the end point

  // Eight directions from (20, 15): the start drawn, the end not, one pixel per step.
  const std::pair<int, int> ends[] = {{26, 15}, {26, 21}, {20, 21}, {14, 21},
                                      {14, 15}, {14, 9},  {20, 9},  {26, 9}};
  for (auto [ex, ey] : ends) {
    surface.Resize(40, 30, kGreen);
    MoveTo(dc, 20, 15);
    LineTo(dc, ex, ey);
    EXPECT_EQ(GetPixel(dc, 20, 15), kBlack) << ex << "," << ey;
    EXPECT_EQ(GetPixel(dc, ex, ey), kGreen) << ex << "," << ey;
    EXPECT_EQ(Changed(), 6) << ex << "," << ey;
  }
}

TEST_F(Lines, ShallowAndSteepLinesFollowBresenham) {
  MoveTo(dc, 0, 0);
  LineTo(dc, 6, 2);
  EXPECT_EQ(Art(0, 0, 7, 3), Rows({"##.....", "..###..", ".....#."}));
  MoveTo(dc, 10, 0);
  LineTo(dc, 12, 6);
  EXPECT_EQ(Art(10, 0, 13, 7), Rows({"#..", "#..", ".#.", ".#.", ".#.", "..#", "..."}));
  // A line of length zero draws nothing.
  MoveTo(dc, 30, 5);
  LineTo(dc, 30, 5);
  EXPECT_EQ(GetPixel(dc, 30, 5), kGreen);
}

TEST_F(Lines, WideDottedAndNullPens) {
  Pen* wide = CreatePen(PenStyle::Solid, 2, kRed);
  SelectPen(dc, wide);
  MoveTo(dc, 1, 1);
  LineTo(dc, 6, 1);  // flat: widened downwards
  MoveTo(dc, 1, 4);
  LineTo(dc, 1, 8);  // steep: widened to the right
  EXPECT_EQ(Art(0, 0, 7, 9), Rows({".......", ".rrrrr.", ".rrrrr.", ".......", ".rr....", ".rr....",
                                   ".rr....", ".rr....", "......."}));

  // Dotted: three on, three off; the gaps take the background colour when it is opaque.
  Pen* dotted = CreatePen(PenStyle::Dot, 1, kBlack);
  SelectPen(dc, dotted);
  MoveTo(dc, 0, 10);
  LineTo(dc, 14, 10);
  SetBkMode(dc, BkMode::Transparent);
  MoveTo(dc, 0, 11);
  LineTo(dc, 14, 11);
  EXPECT_EQ(Art(0, 10, 15, 12), Rows({"###ooo###ooo##.", "###...###...##."}));
  // Round a rectangle the pattern runs on, clockwise from the top-left corner.
  SelectBrush(dc, StockBrush(StockObject::NullBrush));
  Rectangle(dc, 20, 10, 25, 14);
  EXPECT_EQ(Art(20, 10, 25, 14), Rows({"###..", "#....", "#...#", "...##"}));
  SelectBrush(dc, StockBrush(StockObject::WhiteBrush));

  SelectPen(dc, StockPen(StockObject::NullPen));
  MoveTo(dc, 0, 20);
  LineTo(dc, 30, 20);
  EXPECT_EQ(Art(0, 20, 31, 21), Rows({"..............................."}));
  SelectPen(dc, StockPen(StockObject::BlackPen));
  DeleteObject(wide);
  DeleteObject(dotted);
}

TEST_F(Rectangles, OutlineInsideTheBoxFillInside) {
  Rectangle(dc, 5, 4, 1, 1);  // corners given in any order
  EXPECT_EQ(Art(0, 0, 6, 5), Rows({"......", ".####.", ".#oo#.", ".####.", "......"}));

  SelectBrush(dc, StockBrush(StockObject::NullBrush));
  Rectangle(dc, 10, 1, 14, 4);
  EXPECT_EQ(Art(10, 1, 14, 4), Rows({"####", "#..#", "####"}));

  Pen* wide = CreatePen(PenStyle::Solid, 2, kRed);
  SelectPen(dc, wide);
  SelectBrush(dc, StockBrush(StockObject::WhiteBrush));
  Rectangle(dc, 20, 0, 26, 6);
  EXPECT_EQ(Art(19, 0, 27, 7), Rows({".rrrrrr.", ".rrrrrr.", ".rroorr.", ".rroorr.", ".rrrrrr.",
                                     ".rrrrrr.", "........"}));
  SelectPen(dc, StockPen(StockObject::BlackPen));
  DeleteObject(wide);
}

TEST_F(Rectangles, NullPenFillsOnePixelLessAtRightAndBottom) {
  SelectPen(dc, StockPen(StockObject::NullPen));
  Rectangle(dc, 1, 1, 5, 4);
  EXPECT_EQ(Art(0, 0, 6, 5), Rows({"......", ".ooo..", ".ooo..", "......", "......"}));
  // FillRect covers the whole rectangle, right and bottom exclusive.
  FillRect(dc, Rect{10, 1, 14, 4}, StockBrush(StockObject::BlackBrush));
  EXPECT_EQ(Art(9, 0, 15, 5), Rows({"......", ".####.", ".####.", ".####.", "......"}));
  // Null pen and null brush: nothing at all.
  SelectBrush(dc, StockBrush(StockObject::NullBrush));
  Rectangle(dc, 20, 1, 30, 10);
  FillRect(dc, Rect{20, 1, 30, 10}, StockBrush(StockObject::NullBrush));
  EXPECT_EQ(GetPixel(dc, 20, 1), kGreen);
}

TEST_F(Ellipses, OutlineAndFillFollowThePixelCentres) {
  Ellipse(dc, 0, 0, 5, 5);
  EXPECT_EQ(Art(0, 0, 6, 6), Rows({".###..", "#ooo#.", "#ooo#.", "#ooo#.", ".###..", "......"}));
  Ellipse(dc, 10, 0, 18, 4);
  EXPECT_EQ(Art(10, 0, 18, 4), Rows({".######.", "#oooooo#", "#oooooo#", ".######."}));
  // Without a pen the ellipse of the box one pixel smaller is filled.
  SelectPen(dc, StockPen(StockObject::NullPen));
  Ellipse(dc, 20, 0, 28, 4);
  EXPECT_EQ(Art(20, 0, 28, 4), Rows({".ooooo..", "ooooooo.", ".ooooo..", "........"}));
}

TEST_F(Ellipses, WidePenStaysInsideTheBox) {
  Pen* wide = CreatePen(PenStyle::Solid, 2, kRed);
  SelectPen(dc, wide);
  Ellipse(dc, 1, 1, 9, 7);
  EXPECT_EQ(Art(1, 3, 9, 4), Rows({"rroooorr"}));
  int outside = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (!Rect{1, 1, 9, 7}.Contains(x, y)) outside += GetPixel(dc, x, y) != kGreen ? 1 : 0;
    }
  }
  EXPECT_EQ(outside, 0);
  SelectPen(dc, StockPen(StockObject::BlackPen));
  DeleteObject(wide);
}

TEST_F(Arcs, CounterClockwiseFromFirstRadialToSecond) {
  // From the radial to the right round to the one straight up: the upper right quarter.
  Arc(dc, 0, 0, 5, 5, 100, 2, 2, -100);
  EXPECT_EQ(Art(0, 0, 5, 5), Rows({"..##.", "....#", "....#", ".....", "....."}));
  // The other way round: the remaining three quarters (pixels on a radial belong to both).
  Arc(dc, 10, 0, 15, 5, 12, -100, 110, 2);
  EXPECT_EQ(Art(10, 0, 15, 5), Rows({".##..", "#....", "#...#", "#...#", ".###."}));
  // The same radial twice: the whole outline, never a fill.
  Arc(dc, 20, 0, 25, 5, 30, 2, 40, 2);
  EXPECT_EQ(Art(20, 0, 25, 5), Rows({".###.", "#...#", "#...#", "#...#", ".###."}));
}

TEST_F(Arcs, CornerArcOfTheLowerRightQuarter) {
  surface.Resize(80, 80, kGreen);
  Arc(dc, 50, 50, 70, 70, 60, 70, 70, 60);
  EXPECT_EQ(GetPixel(dc, 69, 60), kBlack);
  EXPECT_EQ(GetPixel(dc, 69, 59), kGreen);
  EXPECT_EQ(GetPixel(dc, 60, 69), kBlack);
  EXPECT_EQ(GetPixel(dc, 59, 69), kGreen);
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 80; ++x) {
      if (GetPixel(dc, x, y) == kBlack) {
        EXPECT_TRUE(x >= 60 && y >= 60) << x << "," << y;
      }
    }
  }
}

TEST_F(Polygons, FillsPixelCentresThenDrawsTheClosedOutline) {
  const Point triangle[] = {{0, 0}, {8, 0}, {0, 8}};
  SelectPen(dc, StockPen(StockObject::NullPen));
  Polygon(dc, triangle, 3);
  EXPECT_EQ(Art(0, 0, 9, 9), Rows({"oooooooo.", "ooooooo..", "oooooo...", "ooooo....", "oooo.....",
                                   "ooo......", "oo.......", "o........", "........."}));
  surface.Resize(40, 30, kGreen);
  SelectPen(dc, StockPen(StockObject::BlackPen));
  Polygon(dc, triangle, 3);
  EXPECT_EQ(Art(0, 0, 9, 9), Rows({"#########", "#oooooo#.", "#ooooo#..", "#oooo#...", "#ooo#....",
                                   "#oo#.....", "#o#......", "##.......", "#........"}));
}

TEST_F(Polygons, AlternateRuleLeavesTheInnerSquareOpen) {
  const Point ring[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0},
                        {3, 3}, {3, 7},  {7, 7},   {7, 3},  {3, 3}};
  SelectPen(dc, StockPen(StockObject::NullPen));
  Polygon(dc, ring, 10);
  EXPECT_EQ(Art(0, 0, 11, 11), Rows({"oooooooooo.", "oooooooooo.", "oooooooooo.", "ooo....ooo.",
                                     "ooo....ooo.", "ooo....ooo.", "ooo....ooo.", "oooooooooo.",
                                     "oooooooooo.", "oooooooooo.", "..........."}));
}

TEST_F(Clipping, EveryOperationStaysInsideTheClipRectangle) {
  const Rect clip{10, 10, 20, 20};
  SetClipRect(dc, &clip);
  const Point triangle[] = {{0, 0}, {39, 0}, {0, 29}};
  MoveTo(dc, 0, 15);
  LineTo(dc, 39, 15);
  Rectangle(dc, 0, 0, 40, 30);
  Ellipse(dc, 5, 5, 25, 25);
  Arc(dc, 0, 0, 40, 30, 0, 0, 0, 0);
  Polygon(dc, triangle, 3);
  FillRect(dc, Rect{0, 0, 40, 30}, StockBrush(StockObject::BlackBrush));
  TextOut(dc, 0, 8, "XXXXXXXX");
  SetPixel(dc, 5, 5, kRed);
  SetPixel(dc, 12, 12, kRed);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (!clip.Contains(x, y)) {
        EXPECT_EQ(GetPixel(dc, x, y), kGreen) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(GetPixel(dc, 12, 12), kRed);
  // Removing the clip opens the whole surface again; a clip off the surface shows nothing.
  SetClipRect(dc, nullptr);
  SetPixel(dc, 5, 5, kRed);
  EXPECT_EQ(GetPixel(dc, 5, 5), kRed);
  const Rect away{100, 100, 200, 200};
  SetClipRect(dc, &away);
  FillRect(dc, Rect{0, 0, 40, 30}, StockBrush(StockObject::WhiteBrush));
  EXPECT_EQ(GetPixel(dc, 0, 0), kGreen);
}

TEST_F(Clipping, ShapesFarOffTheSurfaceAreHarmless) {
  MoveTo(dc, -500000000, 5);
  LineTo(dc, 500000000, 5);
  EXPECT_EQ(GetPixel(dc, 0, 5), kBlack);
  EXPECT_EQ(GetPixel(dc, 39, 5), kBlack);
  Rectangle(dc, -2000000000, -2000000000, 2000000000, 2000000000);
  Ellipse(dc, -1000, -1000, 1000, 1000);
  const Point far[] = {{-100000, -100000}, {100000, -100000}, {0, 100000}};
  Polygon(dc, far, 3);
  EXPECT_EQ(GetPixel(dc, 20, 20), kWhite);
}

}  // namespace
