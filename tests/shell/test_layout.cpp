// The layout taken from the client size: the caption shift, and the lock after the first paint.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "shell/main_window.h"

namespace {

TEST(Layout, CaptionShiftFollowsTheClientWidth) {
  EXPECT_EQ(CaptionShiftForWidth(320), 150);
  EXPECT_EQ(CaptionShiftForWidth(640), 150);
  EXPECT_EQ(CaptionShiftForWidth(641), 150);  // 150 - 1 / 2, rounded toward zero
  EXPECT_EQ(CaptionShiftForWidth(642), 149);
  EXPECT_EQ(CaptionShiftForWidth(800), 70);
  EXPECT_EQ(CaptionShiftForWidth(900), 20);
  EXPECT_EQ(CaptionShiftForWidth(929), 6);
  EXPECT_EQ(CaptionShiftForWidth(930), 0);
  EXPECT_EQ(CaptionShiftForWidth(1280), 0);
}

TEST(Layout, SizeMessagesSetTheLayoutUntilTheFirstPaint) {
  ResetShellRecords();
  // No window is needed for the size rule: the procedure only measures a font with a null
  // context (which leaves the character width alone) and records the size.
  MainWindowProc(nullptr, platform::Msg::Size, 800, 500);
  EXPECT_EQ(viewLayout.clientWidth, 800);
  EXPECT_EQ(viewLayout.clientHeight, 500);
  EXPECT_EQ(viewLayout.captionShift, 70);
  viewLayout.layoutLocked = 1;
  MainWindowProc(nullptr, platform::Msg::Size, 641, 400);
  EXPECT_EQ(viewLayout.clientWidth, 800);
  EXPECT_EQ(viewLayout.captionShift, 70);
  ResetShellRecords();
}

}  // namespace
