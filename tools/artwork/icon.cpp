// The desktop icon: a ball with its shadow on the centre spot, the halfway line and the centre
// circle behind it, on a pitch mown in stripes. Everything is laid out on a 256-unit square and
// drawn four times larger than wanted, then each 4 × 4 block is averaged into one pixel.
#include "artwork/icon.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "artwork/canvas.h"
#include "artwork/review_sheet.h"

namespace artwork {

namespace {

constexpr int kSmoothing = 4;
constexpr Rgb kLightGrass = MakeRgb(62, 158, 70);
constexpr Rgb kDarkGrass = MakeRgb(44, 128, 54);
constexpr Rgb kChalk = MakeRgb(236, 240, 232);
constexpr Rgb kLeather = MakeRgb(250, 250, 246);
constexpr Rgb kPatch = MakeRgb(24, 24, 30);
constexpr Rgb kRim = MakeRgb(40, 44, 40);

// A regular pentagon around (cx, cy) with one corner in direction `angle` (radians).
std::vector<PointF> Pentagon(double cx, double cy, double radius, double angle) {
  std::vector<PointF> corners;
  for (int i = 0; i < 5; ++i) {
    const double a = angle + i * 2 * std::numbers::pi / 5;
    corners.push_back({cx + radius * std::cos(a), cy + radius * std::sin(a)});
  }
  return corners;
}

// A straight band of `width` from a to b, for the seams between the patches.
std::vector<PointF> Band(PointF a, PointF b, double width) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length = std::hypot(dx, dy);
  const double nx = -dy / length * width / 2, ny = dx / length * width / 2;
  return {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}};
}

// The ball, on the key colour: white leather, the black centre patch facing the viewer, the
// five patches around it foreshortened towards the edge, seams, a rim, and light from the
// upper left.
Image DrawBall(int side, double cx, double cy, double radius) {
  Image ball(side, side, kKey);
  FillEllipse(&ball, cx, cy, radius, radius, kLeather);
  const double up = -std::numbers::pi / 2;
  const std::vector<PointF> centre = Pentagon(cx, cy, radius * 0.34, up);
  for (int i = 0; i < 5; ++i) {
    const double a = up + i * 2 * std::numbers::pi / 5;
    const double distance = radius * 0.92;
    const PointF outer{cx + distance * std::cos(a), cy + distance * std::sin(a)};
    // The outer patches lie on the ball's curve: squeezed along the radius.
    std::vector<PointF> patch = Pentagon(0, 0, radius * 0.30, a + std::numbers::pi);
    for (PointF& p : patch) {
      const double along = p.x * std::cos(a) + p.y * std::sin(a);
      const double across = -p.x * std::sin(a) + p.y * std::cos(a);
      const double squeezed = along * 0.55;
      p = {outer.x + squeezed * std::cos(a) - across * std::sin(a),
           outer.y + squeezed * std::sin(a) + across * std::cos(a)};
    }
    FillPolygon(&ball, patch, kPatch);
    FillPolygon(&ball, Band(centre[std::size_t(i)], outer, radius * 0.05), Shade(kLeather, 70));
  }
  FillPolygon(&ball, centre, kPatch);
  // What was drawn past the ball's edge is not the ball.
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      const double reach = std::hypot(dx, dy) / radius;
      if (reach > 1) {
        ball.Set(x, y, kKey);
        continue;
      }
      if (ball.Get(x, y) == kKey) continue;
      // Brightest towards the upper left, darker towards the lower right.
      const double light = (-dx - dy) / (radius * std::numbers::sqrt2);
      const int percent = int(std::lround(88 + 14 * light - 10 * reach * reach));
      ball.Set(x, y, Shade(ball.Get(x, y), percent));
    }
  }
  DrawEllipse(&ball, cx, cy, radius, radius, radius * 0.05, kRim);
  return ball;
}

// Each block of factor × factor pixels becomes one, the mean of its colours.
Image Shrink(const Image& large, int factor) {
  Image small(large.width / factor, large.height / factor);
  const int count = factor * factor;
  for (int y = 0; y < small.height; ++y) {
    for (int x = 0; x < small.width; ++x) {
      int r = 0, g = 0, b = 0;
      for (int dy = 0; dy < factor; ++dy) {
        for (int dx = 0; dx < factor; ++dx) {
          const Rgb c = large.Get(x * factor + dx, y * factor + dy);
          r += RedOf(c);
          g += GreenOf(c);
          b += BlueOf(c);
        }
      }
      small.Set(x, y,
                MakeRgb((r + count / 2) / count, (g + count / 2) / count, (b + count / 2) / count));
    }
  }
  return small;
}

}  // namespace

Image DrawIcon(int size) {
  const int side = size * kSmoothing;
  const double unit = side / 256.0;
  Image icon(side, side, kDarkGrass);
  for (int stripe = 0; stripe < 8; stripe += 2) {
    FillRect(&icon, int(std::lround(stripe * 32 * unit)), 0, int(std::lround(32 * unit)), side,
             kLightGrass);
  }
  const double middle = 128 * unit;
  const double line = std::max(6 * unit, 1.5 * kSmoothing);
  FillRect(&icon, int(std::lround(middle - line / 2)), 0, int(std::lround(line)), side, kChalk);
  DrawEllipse(&icon, middle, middle, 100 * unit, 100 * unit, line, kChalk);
  const double radius = 70 * unit;
  FillEllipse(&icon, middle + 12 * unit, middle + 18 * unit, radius * 0.95, radius * 0.85,
              Shade(kDarkGrass, 60));
  BlitKeyed(&icon, DrawBall(side, middle - 4 * unit, middle - 6 * unit, radius), 0, 0);
  return Shrink(icon, kSmoothing);
}

bool WriteIcons(const std::string& folder) {
  bool written = true;
  for (int size : kIconSizes) {
    written &= WritePng(folder + "/feldo-" + std::to_string(size) + ".png", DrawIcon(size));
  }
  return written;
}

}  // namespace artwork
