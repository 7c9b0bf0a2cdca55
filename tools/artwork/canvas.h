// Small drawing primitives over artwork::Image: rectangles, lines, filled polygons and
// ellipses sampled at pixel centres (so the edges stay crisp and no colour is blended), and
// copies between images.
#pragma once

#include <vector>

#include "artwork/picture.h"

namespace artwork {

struct PointF {
  double x = 0;
  double y = 0;
};

// Transparent key used while drawing masked pictures; never an opaque colour of ours.
inline constexpr Rgb kKey = 0xFF00FF;

void FillRect(Image* image, int x, int y, int width, int height, Rgb colour);
// Both end points included.
void DrawLine(Image* image, int x0, int y0, int x1, int y1, Rgb colour);
// Even-odd fill of the pixels whose centres lie inside the polygon.
void FillPolygon(Image* image, const std::vector<PointF>& points, Rgb colour);
// The pixels whose centres lie inside the ellipse.
void FillEllipse(Image* image, double cx, double cy, double rx, double ry, Rgb colour);
// A ring: inside the outer ellipse and outside the inner one (radii shrunk by `thickness`).
void DrawEllipse(Image* image, double cx, double cy, double rx, double ry, double thickness,
                 Rgb colour);

// Copies `source` with its top-left corner at (x, y); BlitKeyed skips the pixels equal to `key`.
void Blit(Image* target, const Image& source, int x, int y);
void BlitKeyed(Image* target, const Image& source, int x, int y, Rgb key = kKey);
Image MirrorX(const Image& image);
Image Scale(const Image& image, int factor);
// Replaces every pixel of colour `from` with `to`.
void Recolour(Image* image, Rgb from, Rgb to);

// Colour arithmetic: `percent` 100 keeps the colour, below darkens, above lightens toward white.
Rgb Shade(Rgb colour, int percent);
Rgb Mix(Rgb a, Rgb b, int percentOfB);
int RedOf(Rgb c);
int GreenOf(Rgb c);
int BlueOf(Rgb c);

// A fixed-seed generator for scattering crowd faces and confetti: the same numbers on every run.
class Scatter {
 public:
  explicit Scatter(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  std::uint32_t Next();
  int Below(int n) { return n <= 1 ? 0 : int(Next() % std::uint32_t(n)); }

 private:
  std::uint32_t state_;
};

}  // namespace artwork
