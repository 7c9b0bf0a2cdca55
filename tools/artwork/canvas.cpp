// Drawing primitives of the artwork generator.
#include "artwork/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace artwork {

void FillRect(Image* image, int x, int y, int width, int height, Rgb colour) {
  const int x0 = std::max(0, x), y0 = std::max(0, y);
  const int x1 = std::min(image->width, x + width), y1 = std::min(image->height, y + height);
  for (int py = y0; py < y1; ++py) {
    for (int px = x0; px < x1; ++px) image->pixels[std::size_t(py * image->width + px)] = colour;
  }
}

void DrawLine(Image* image, int x0, int y0, int x1, int y1, Rgb colour) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    image->Set(x0, y0, colour);
    if (x0 == x1 && y0 == y1) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

void FillPolygon(Image* image, const std::vector<PointF>& points, Rgb colour) {
  if (points.size() < 3) return;
  double top = points[0].y, bottom = points[0].y;
  for (const PointF& p : points) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  const int firstRow = std::max(0, int(std::floor(top)));
  const int lastRow = std::min(image->height - 1, int(std::ceil(bottom)));
  std::vector<double> crossings;
  for (int row = firstRow; row <= lastRow; ++row) {
    const double cy = row + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const PointF& a = points[i];
      const PointF& b = points[(i + 1) % points.size()];
      if ((a.y <= cy && b.y > cy) || (b.y <= cy && a.y > cy)) {
        crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
      }
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      // Pixel px is inside when its centre px + 0.5 lies in [left, right).
      const int from = int(std::ceil(crossings[i] - 0.5));
      const int to = int(std::ceil(crossings[i + 1] - 0.5)) - 1;
      for (int px = from; px <= to; ++px) image->Set(px, row, colour);
    }
  }
}

void FillEllipse(Image* image, double cx, double cy, double rx, double ry, Rgb colour) {
  if (rx <= 0 || ry <= 0) return;
  const int y0 = int(std::floor(cy - ry)), y1 = int(std::ceil(cy + ry));
  const int x0 = int(std::floor(cx - rx)), x1 = int(std::ceil(cx + rx));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
      if (u * u + v * v <= 1.0) image->Set(x, y, colour);
    }
  }
}

void DrawEllipse(Image* image, double cx, double cy, double rx, double ry, double thickness,
                 Rgb colour) {
  const int y0 = int(std::floor(cy - ry)), y1 = int(std::ceil(cy + ry));
  const int x0 = int(std::floor(cx - rx)), x1 = int(std::ceil(cx + rx));
  const double irx = rx - thickness, iry = ry - thickness;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
      if (u * u + v * v > 1.0) continue;
      if (irx > 0 && iry > 0) {
        const double iu = (x + 0.5 - cx) / irx, iv = (y + 0.5 - cy) / iry;
        if (iu * iu + iv * iv < 1.0) continue;
      }
      image->Set(x, y, colour);
    }
  }
}

void Blit(Image* target, const Image& source, int x, int y) {
  for (int sy = 0; sy < source.height; ++sy) {
    for (int sx = 0; sx < source.width; ++sx) target->Set(x + sx, y + sy, source.Get(sx, sy));
  }
}

void BlitKeyed(Image* target, const Image& source, int x, int y, Rgb key) {
  for (int sy = 0; sy < source.height; ++sy) {
    for (int sx = 0; sx < source.width; ++sx) {
      const Rgb c = source.Get(sx, sy);
      if (c != key) target->Set(x + sx, y + sy, c);
    }
  }
}

Image MirrorX(const Image& image) {
  Image out(image.width, image.height);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) out.Set(image.width - 1 - x, y, image.Get(x, y));
  }
  return out;
}

Image Scale(const Image& image, int factor) {
  Image out(image.width * factor, image.height * factor);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) out.Set(x, y, image.Get(x / factor, y / factor));
  }
  return out;
}

void Recolour(Image* image, Rgb from, Rgb to) {
  for (Rgb& c : image->pixels) {
    if (c == from) c = to;
  }
}

int RedOf(Rgb c) {
  return int((c >> 16) & 255);
}
int GreenOf(Rgb c) {
  return int((c >> 8) & 255);
}
int BlueOf(Rgb c) {
  return int(c & 255);
}

Rgb Shade(Rgb colour, int percent) {
  if (percent <= 100) {
    return MakeRgb(RedOf(colour) * percent / 100, GreenOf(colour) * percent / 100,
                   BlueOf(colour) * percent / 100);
  }
  return Mix(colour, kWhite, std::min(100, percent - 100));
}

Rgb Mix(Rgb a, Rgb b, int percentOfB) {
  const int p = std::clamp(percentOfB, 0, 100);
  return MakeRgb((RedOf(a) * (100 - p) + RedOf(b) * p) / 100,
                 (GreenOf(a) * (100 - p) + GreenOf(b) * p) / 100,
                 (BlueOf(a) * (100 - p) + BlueOf(b) * p) / 100);
}

std::uint32_t Scatter::Next() {
  // xorshift32
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

}  // namespace artwork
