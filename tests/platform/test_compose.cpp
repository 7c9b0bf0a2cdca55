// Composing the frame again over the one presented before: only the main window's rows that
// differ are copied and marked, and the frame is the same as one composed whole.
#include <algorithm>

#include "platform/core/core.h"
#include "platform/draw/paint_util.h"
#include "support/core_test_support.h"

namespace core_test {
namespace {

using namespace platform;

class Compose : public CoreTest {
 protected:
  // What the core does once it has presented the frame.
  static void Presented(detail::Surface* frame) {
    std::fill(frame->changedRows.begin(), frame->changedRows.end(), std::uint8_t{0});
    detail::Core().layoutDirty = false;
  }
  static void ExpectSameAsWhole(const detail::Surface& frame) {
    detail::Surface whole;
    detail::ComposeFrame(&whole);
    ASSERT_EQ(whole.width, frame.width);
    ASSERT_EQ(whole.height, frame.height);
    EXPECT_TRUE(whole.pixels == frame.pixels);
  }
};

TEST_F(Compose, OnlyTheRowsThatDifferAreMarkedAndTheFrameIsWhole) {
  CreateMain("Main");
  const int top = main->screen.top;
  ASSERT_GT(top, 0);  // below the menu bar
  detail::Surface frame;
  detail::ComposeFrame(&frame, true);
  EXPECT_FALSE(frame.rowsKnown);  // nothing composed into it before
  Presented(&frame);

  detail::FillBox(&main->surface, Rect{10, 100, 50, 104}, Rgb(1, 2, 3));
  detail::SetDot(&main->surface, 899, 599, Rgb(4, 5, 6));
  detail::ComposeFrame(&frame, true);
  ASSERT_TRUE(frame.rowsKnown);
  for (int y = 0; y < frame.height; ++y) {
    const bool changed = y < top || (y >= top + 100 && y < top + 104) || y == top + 599;
    ASSERT_EQ(frame.changedRows[std::size_t(y)] != 0, changed) << "row " << y;
  }
  ExpectSameAsWhole(frame);
  Presented(&frame);

  // Drawn again with the same pixels: nothing below the menu bar is marked.
  detail::FillBox(&main->surface, Rect{10, 100, 50, 104}, Rgb(1, 2, 3));
  detail::ComposeFrame(&frame, true);
  ASSERT_TRUE(frame.rowsKnown);
  EXPECT_EQ(std::count(frame.changedRows.begin(), frame.changedRows.end(), 1), top);
  Presented(&frame);
}

TEST_F(Compose, AChangeOfLayoutOrAFrameNotComposedBeforeIsComposedWhole) {
  CreateMain("Main");
  detail::Surface frame;
  detail::ComposeFrame(&frame, true);
  Presented(&frame);
  detail::FillBox(&main->surface, Rect{0, 0, 900, 600}, Rgb(9, 9, 9));
  detail::Core().layoutDirty = true;  // a window or dialog moved, opened or closed
  detail::ComposeFrame(&frame, true);
  EXPECT_FALSE(frame.rowsKnown);
  ExpectSameAsWhole(frame);
  Presented(&frame);
  // A screenshot's frame of its own is composed whole and says nothing of rows.
  detail::Surface shot;
  detail::ComposeFrame(&shot);
  EXPECT_FALSE(shot.rowsKnown);
  EXPECT_TRUE(shot.changedRows.empty());
}

}  // namespace
}  // namespace core_test
