// The layout of the main window's client area as the game sees it: its size, the width of the
// fixed system font and the view offset of the match picture. The main window writes it (on
// creation and on each size message until the first paint); the match rules read the view
// offset from it at every full redraw, the drawing reads all of it.
#pragma once

#include <cstdint>

struct ViewLayout {
  std::int32_t clientWidth = -1;  // -1 until the first size message
  std::int32_t clientHeight = -1;
  std::int32_t charWidth = 8;      // average width of the fixed system font
  std::int32_t captionShift = 24;  // view offset of the match picture and centring shift of
                                   // the match captions
  std::uint8_t layoutLocked = 0;   // 1 after the first paint: sizes no longer change the layout
};

extern ViewLayout viewLayout;

// The caption shift for a client width: 150 up to 640, 0 from 930, in between
// 150 - (width - 640) / 2.
std::int32_t CaptionShiftForWidth(std::int32_t clientWidth);

void ResetViewLayout();
