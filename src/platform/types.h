// The types every part of the platform layer shares: points, rectangles, colours, and the
// handles of windows, programs, menus and drawing objects (opaque to the program).
#pragma once

#include <cstdint>

namespace platform {

struct Point {
  int x = 0;
  int y = 0;
};

// Right and bottom are exclusive, as on the classic desktop.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// 0x00RRGGBB, the layout of the 32-bit frame buffers.
using Color = std::uint32_t;
constexpr Color Rgb(int r, int g, int b) {
  return (Color(r & 255) << 16) | (Color(g & 255) << 8) | Color(b & 255);
}
constexpr int RedOf(Color c) {
  return int((c >> 16) & 255);
}
constexpr int GreenOf(Color c) {
  return int((c >> 8) & 255);
}
constexpr int BlueOf(Color c) {
  return int(c & 255);
}

// The light grey of dialogs, buttons and the window background.
constexpr Color kFaceGrey = Rgb(192, 192, 192);

// Handles.
struct Window;    // a top-level window, a modal dialog or a message box
struct Instance;  // a running program and its resources
struct Brush;
struct Pen;
struct Font;
struct Bitmap;
struct DeviceContext;
struct Menu;

}  // namespace platform
