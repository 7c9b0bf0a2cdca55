// Placement of the frame in the SDL window: whole-number scaling where it fits, letterbox
// bars, and the way back from a mouse position to a frame pixel.
#include <algorithm>
#include <cmath>

#include "platform/sdl/sdl_input.h"

namespace platform::sdl {

Rect PictureRect(const ViewGeometry& g) {
  if (g.frameWidth <= 0 || g.frameHeight <= 0 || g.outputWidth <= 0 || g.outputHeight <= 0) {
    return Rect{};
  }
  const int whole = std::min(g.outputWidth / g.frameWidth, g.outputHeight / g.frameHeight);
  int width, height;
  if (whole >= 1) {
    width = g.frameWidth * whole;
    height = g.frameHeight * whole;
  } else if (std::int64_t(g.outputWidth) * g.frameHeight <=
             std::int64_t(g.outputHeight) * g.frameWidth) {
    // The output is narrower than the frame's proportions: full width, bars above and below.
    width = g.outputWidth;
    height = std::max(1, int(std::int64_t(g.frameHeight) * g.outputWidth / g.frameWidth));
  } else {
    height = g.outputHeight;
    width = std::max(1, int(std::int64_t(g.frameWidth) * g.outputHeight / g.frameHeight));
  }
  const int left = (g.outputWidth - width) / 2;
  const int top = (g.outputHeight - height) / 2;
  return Rect{left, top, left + width, top + height};
}

bool WindowToFrame(const ViewGeometry& g, int x, int y, Point* framePoint) {
  const Rect picture = PictureRect(g);
  if (picture.Empty() || g.windowWidth <= 0 || g.windowHeight <= 0) {
    *framePoint = Point{};
    return false;
  }
  // The centre of the window unit, in output pixels, then in frame pixels.
  const double outX = (x + 0.5) * g.outputWidth / g.windowWidth;
  const double outY = (y + 0.5) * g.outputHeight / g.windowHeight;
  const int frameX = int(std::floor((outX - picture.left) * g.frameWidth / picture.Width()));
  const int frameY = int(std::floor((outY - picture.top) * g.frameHeight / picture.Height()));
  framePoint->x = std::clamp(frameX, 0, g.frameWidth - 1);
  framePoint->y = std::clamp(frameY, 0, g.frameHeight - 1);
  return frameX == framePoint->x && frameY == framePoint->y;
}

}  // namespace platform::sdl
