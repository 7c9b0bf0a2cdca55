// Where the SDL backend puts the frame in its window, and the way back from the mouse.
#include <gtest/gtest.h>

#include "platform/sdl/sdl_input.h"

namespace platform::sdl {
namespace {

ViewGeometry Window(int width, int height, int frameWidth = 900, int frameHeight = 600) {
  return ViewGeometry{width, height, width, height, frameWidth, frameHeight};
}

Point ToFrame(const ViewGeometry& g, int x, int y, bool expectInside = true) {
  Point p;
  EXPECT_EQ(WindowToFrame(g, x, y, &p), expectInside) << x << "," << y;
  return p;
}

void ExpectRect(const Rect& r, int left, int top, int right, int bottom) {
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.right, right);
  EXPECT_EQ(r.bottom, bottom);
}

void ExpectPoint(const Point& p, int x, int y) {
  EXPECT_EQ(p.x, x);
  EXPECT_EQ(p.y, y);
}

TEST(SdlView, WindowOfTheFrameSizeMapsOneToOne) {
  const ViewGeometry g = Window(900, 600);
  ExpectRect(PictureRect(g), 0, 0, 900, 600);
  ExpectPoint(ToFrame(g, 0, 0), 0, 0);
  ExpectPoint(ToFrame(g, 457, 123), 457, 123);
  ExpectPoint(ToFrame(g, 899, 599), 899, 599);
}

TEST(SdlView, ScaledWindowMapsEachBlockOfPixelsToOneFramePixel) {
  const ViewGeometry g = Window(2700, 1800);  // --scale 3
  ExpectRect(PictureRect(g), 0, 0, 2700, 1800);
  ExpectPoint(ToFrame(g, 0, 0), 0, 0);
  ExpectPoint(ToFrame(g, 2, 2), 0, 0);
  ExpectPoint(ToFrame(g, 3, 5), 1, 1);
  ExpectPoint(ToFrame(g, 2699, 1799), 899, 599);
}

TEST(SdlView, FullScreenUsesTheLargestWholeScaleWithBarsAround) {
  // 1920 × 1080 holds the frame once (twice would need 1200 lines): bars on all sides.
  const ViewGeometry hd = Window(1920, 1080);
  ExpectRect(PictureRect(hd), 510, 240, 1410, 840);
  ExpectPoint(ToFrame(hd, 510, 240), 0, 0);
  ExpectPoint(ToFrame(hd, 1409, 839), 899, 599);
  // 2560 × 1440 holds it twice.
  const ViewGeometry qhd = Window(2560, 1440);
  ExpectRect(PictureRect(qhd), 380, 120, 2180, 1320);
  ExpectPoint(ToFrame(qhd, 381, 121), 0, 0);
  ExpectPoint(ToFrame(qhd, 382, 122), 1, 1);
  ExpectPoint(ToFrame(qhd, 2179, 1319), 899, 599);
}

TEST(SdlView, PositionsOnTheBarsAreOutsideAndClampedToTheEdge) {
  const ViewGeometry g = Window(1920, 1080);
  ExpectPoint(ToFrame(g, 509, 240, false), 0, 0);
  ExpectPoint(ToFrame(g, 600, 10, false), 90, 0);
  ExpectPoint(ToFrame(g, 1410, 500, false), 899, 260);
  ExpectPoint(ToFrame(g, 1919, 1079, false), 899, 599);
  ExpectPoint(ToFrame(g, -5, 2000, false), 0, 599);
}

TEST(SdlView, OutputSmallerThanTheFrameKeepsItsProportions) {
  // Too narrow: full width, bars above and below.
  const ViewGeometry narrow = Window(800, 600);
  ExpectRect(PictureRect(narrow), 0, 33, 800, 566);
  ExpectPoint(ToFrame(narrow, 0, 33), 0, 0);
  ExpectPoint(ToFrame(narrow, 799, 565), 899, 599);
  ToFrame(narrow, 400, 20, false);
  // Too low: full height, bars left and right.
  const ViewGeometry low = Window(900, 300);
  ExpectRect(PictureRect(low), 225, 0, 675, 300);
  // Each window pixel covers two frame pixels: the one under its centre is reported.
  ExpectPoint(ToFrame(low, 225, 0), 1, 1);
  ExpectPoint(ToFrame(low, 674, 299), 899, 599);
}

TEST(SdlView, HighDensityOutputConvertsWindowUnitsFirst) {
  // The window is 900 × 600 units but the renderer draws 1800 × 1200 pixels.
  const ViewGeometry g{900, 600, 1800, 1200, 900, 600};
  ExpectRect(PictureRect(g), 0, 0, 1800, 1200);
  ExpectPoint(ToFrame(g, 10, 20), 10, 20);
  ExpectPoint(ToFrame(g, 899, 599), 899, 599);
}

TEST(SdlView, NothingToShowMeansNothingInside) {
  EXPECT_TRUE(PictureRect(Window(0, 0)).Empty());
  EXPECT_TRUE(PictureRect(Window(800, 600, 0, 0)).Empty());
  Point p{5, 5};
  EXPECT_FALSE(WindowToFrame(Window(800, 600, 0, 0), 10, 10, &p));
}

}  // namespace
}  // namespace platform::sdl
