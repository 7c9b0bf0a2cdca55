// The nations' flags, in nation order: Japan, Korea, China, Saudi Arabia, Iran, Kuwait, Italy,
// Germany, England, France, Netherlands, Spain, Czech Republic, Portugal, Brazil, Argentina,
// Uruguay, Chile, Paraguay, Colombia, Mexico, USA, Canada, Jamaica, Costa Rica, Cameroon,
// Nigeria, South Africa, Tunisia, Egypt, Morocco. Simplified for small pictures: no script,
// emblems reduced to a few shapes.
#include "artwork/flags.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

#include "artwork/canvas.h"

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;

constexpr Rgb kRed = MakeRgb(224, 16, 32);
constexpr Rgb kDarkRed = MakeRgb(160, 16, 32);
constexpr Rgb kFlagWhite = MakeRgb(255, 255, 255);
constexpr Rgb kNavy = MakeRgb(16, 40, 136);
constexpr Rgb kFlagBlue = MakeRgb(0, 64, 184);
constexpr Rgb kSky = MakeRgb(112, 176, 232);
constexpr Rgb kFlagGreen = MakeRgb(0, 144, 64);
constexpr Rgb kDarkGreen = MakeRgb(0, 104, 48);
constexpr Rgb kGold = MakeRgb(255, 200, 0);
constexpr Rgb kYellow = MakeRgb(255, 224, 0);
constexpr Rgb kFlagBlack = MakeRgb(8, 8, 8);
constexpr Rgb kBrown = MakeRgb(144, 88, 24);

bool InDisc(double x, double y, double cx, double cy, double r) {
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

double SegmentDistance(double x, double y, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((x - ax) * dx + (y - ay) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double px = ax + t * dx - x, py = ay + t * dy - y;
  return std::sqrt(px * px + py * py);
}

bool InPolygon(double x, double y, const std::vector<PointF>& points) {
  bool inside = false;
  for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
    const PointF& a = points[i];
    const PointF& b = points[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
      inside = !inside;
    }
  }
  return inside;
}

// A five-pointed star, one point up, outer radius r.
std::vector<PointF> StarPoints(double cx, double cy, double r) {
  std::vector<PointF> points;
  for (int i = 0; i < 10; ++i) {
    const double angle = -kPi / 2 + i * kPi / 5;
    const double radius = (i % 2 == 0) ? r : r * 0.382;
    points.push_back({cx + radius * std::cos(angle), cy + radius * std::sin(angle)});
  }
  return points;
}

bool InStar(double x, double y, double cx, double cy, double r) {
  if (!InDisc(x, y, cx, cy, r)) return false;
  return InPolygon(x, y, StarPoints(cx, cy, r));
}

// Near the outline of a pentagram (the five lines joining every second point).
bool OnPentagram(double x, double y, double cx, double cy, double r, double halfWidth) {
  PointF tips[5];
  for (int i = 0; i < 5; ++i) {
    const double angle = -kPi / 2 + i * 2 * kPi / 5;
    tips[i] = {cx + r * std::cos(angle), cy + r * std::sin(angle)};
  }
  for (int i = 0; i < 5; ++i) {
    const PointF& a = tips[i];
    const PointF& b = tips[(i + 2) % 5];
    if (SegmentDistance(x, y, a.x, a.y, b.x, b.y) <= halfWidth) return true;
  }
  return false;
}

Rgb Horizontal3(double y, Rgb top, Rgb middle, Rgb bottom) {
  return y < 1.0 / 3 ? top : (y < 2.0 / 3 ? middle : bottom);
}

Rgb Vertical3(double x, double aspect, Rgb left, Rgb middle, Rgb right) {
  const double u = x / aspect;
  return u < 1.0 / 3 ? left : (u < 2.0 / 3 ? middle : right);
}

// Korea: the taegeuk (red over blue, tilted along the diagonal) and the four trigrams.
Rgb Korea(double x, double y, double aspect) {
  const double cx = aspect / 2, cy = 0.5, r = 0.25;
  // Rotate into the taegeuk's frame (its axis runs along the flag's diagonal).
  const double angle = std::atan2(1.0, aspect);
  const double dx = x - cx, dy = y - cy;
  const double u = dx * std::cos(angle) + dy * std::sin(angle);
  const double v = -dx * std::sin(angle) + dy * std::cos(angle);
  if (u * u + v * v <= r * r) {
    if ((u + r / 2) * (u + r / 2) + v * v <= r * r / 4) return kRed;
    if ((u - r / 2) * (u - r / 2) + v * v <= r * r / 4) return kFlagBlue;
    return v < 0 ? kRed : kFlagBlue;
  }
  // Trigrams: three bars across each half-diagonal; pattern bit 1 = broken bar.
  constexpr std::array<std::array<int, 3>, 4> kBroken = {{
      {0, 0, 0},  // top left: three whole bars
      {1, 0, 1},  // top right
      {0, 1, 0},  // bottom left
      {1, 1, 1},  // bottom right: three broken bars
  }};
  const double diagonal = std::atan2(1.0, aspect);
  for (int corner = 0; corner < 4; ++corner) {
    const double sx = (corner % 2 == 0) ? -1 : 1, sy = (corner < 2) ? -1 : 1;
    // Unit vector from the centre to the corner and its normal.
    const double ax = sx * std::cos(diagonal), ay = sy * std::sin(diagonal);
    const double along = dx * ax + dy * ay;    // distance towards the corner
    const double across = -dx * ay + dy * ax;  // distance across the diagonal
    for (int bar = 0; bar < 3; ++bar) {
      const double at = 0.34 + bar * 0.07;
      if (std::abs(along - at) <= 0.025 && std::abs(across) <= 0.12) {
        if (kBroken[std::size_t(corner)][std::size_t(bar)] && std::abs(across) < 0.025) {
          return kFlagWhite;
        }
        return kFlagBlack;
      }
    }
  }
  return kFlagWhite;
}

Rgb Canada(double x, double y, double aspect) {
  const double u = x / aspect;
  if (u < 0.25 || u >= 0.75) return kRed;
  static const std::vector<PointF> kLeaf = {
      {0, -1},       {0.15, -0.72},  {0.38, -0.82},  {0.3, -0.28},   {0.62, -0.55},
      {0.68, -0.4},  {0.95, -0.45},  {0.85, -0.12},  {0.95, -0.05},  {0.5, 0.3},
      {0.58, 0.48},  {0.08, 0.4},    {0.08, 0.85},   {-0.08, 0.85},  {-0.08, 0.4},
      {-0.58, 0.48}, {-0.5, 0.3},    {-0.95, -0.05}, {-0.85, -0.12}, {-0.95, -0.45},
      {-0.68, -0.4}, {-0.62, -0.55}, {-0.3, -0.28},  {-0.38, -0.82}, {-0.15, -0.72}};
  const double scale = 0.36;
  if (InPolygon((x - aspect / 2) / scale, (y - 0.5) / scale, kLeaf)) return kRed;
  return kFlagWhite;
}

// South Africa: the green Y bordered in white, the black hoist triangle bordered in gold, red
// above and blue below.
Rgb SouthAfrica(double x, double y, double aspect) {
  const double jx = aspect * 0.4, jy = 0.5;
  const double d =
      std::min({SegmentDistance(x, y, 0, 0, jx, jy), SegmentDistance(x, y, 0, 1, jx, jy),
                SegmentDistance(x, y, jx, jy, aspect, jy)});
  // Inside the hoist triangle: left of both diagonals from the corners to the junction.
  const bool hoist = x < jx * (1 - std::abs(y - 0.5) * 2);
  if (d < 0.1) return kFlagGreen;
  if (d < 0.17) return hoist ? kGold : kFlagWhite;
  if (hoist) return kFlagBlack;
  return y < 0.5 ? kRed : kFlagBlue;
}

Rgb Brazil(double x, double y, double aspect) {
  const double cx = aspect / 2, cy = 0.5;
  const double margin = 0.085;
  const double rhombus =
      std::abs(x - cx) / (aspect / 2 - margin) + std::abs(y - cy) / (0.5 - margin);
  if (rhombus > 1) return kFlagGreen;
  if (!InDisc(x, y, cx, cy, 0.26)) return kYellow;
  // The white band rises from the lower left to the upper right.
  const double dx = x - (cx + 0.3);
  const double bandY = cy - 0.12 + 1.2 * dx * dx;
  if (std::abs(y - bandY) < 0.04) return kFlagWhite;
  return kNavy;
}

Rgb Usa(double x, double y) {
  const int stripe = std::clamp(int(y * 13), 0, 12);
  if (x < 0.76 && stripe < 7) {
    // Canton: rows of white stars on navy.
    const double cantonHeight = 7.0 / 13;
    const double row = y / cantonHeight * 9, column = x / 0.76 * 11;
    const int r = int(row), c = int(column);
    if ((r + c) % 2 == 0 && r < 9 && c < 11) {
      const double fx = row - r - 0.5, fy = column - c - 0.5;
      if (fx * fx + fy * fy < 0.16) return kFlagWhite;
    }
    return kNavy;
  }
  return stripe % 2 == 0 ? kRed : kFlagWhite;
}

Rgb Jamaica(double x, double y, double aspect) {
  const double diagonal = std::sqrt(1 + aspect * aspect);
  const double d1 = std::abs(x * 1 - y * aspect) / diagonal;
  const double d2 = std::abs(x * 1 - (1 - y) * aspect) / diagonal;
  if (std::min(d1, d2) < 0.09) return kGold;
  const double s = x / aspect - 0.5, t = y - 0.5;
  return std::abs(s) > std::abs(t) ? kFlagBlack : kFlagGreen;
}

Rgb Tunisia(double x, double y, double aspect) {
  const double cx = aspect / 2, cy = 0.5;
  if (!InDisc(x, y, cx, cy, 0.25)) return kRed;
  if (InDisc(x, y, cx - 0.02, cy, 0.19) && !InDisc(x, y, cx + 0.04, cy, 0.15)) return kRed;
  if (InStar(x, y, cx + 0.06, cy, 0.1)) return kRed;
  return kFlagWhite;
}

}  // namespace

Rgb FlagColourAt(int nation, double x, double y, double aspect) {
  const double u = x / aspect;  // 0 to 1 across
  switch (nation) {
    case 0:  // Japan
      return InDisc(x, y, aspect / 2, 0.5, 0.3) ? kRed : kFlagWhite;
    case 1:
      return Korea(x, y, aspect);
    case 2: {  // China: the large star and four small ones on red
      const double gx = u * 30, gy = y * 20;
      if (InStar(gx, gy, 5, 5, 3.4)) return kYellow;
      const double small[4][2] = {{10, 2}, {12, 4}, {12, 7}, {10, 9}};
      for (const auto& s : small) {
        if (InStar(gx, gy, s[0], s[1], 1.2)) return kYellow;
      }
      return kRed;
    }
    case 3: {  // Saudi Arabia: green, a white sword under the middle
      const double swordY = 0.66 + 0.08 * (u - 0.2) * (u - 0.2);  // the blade curves down
      if (u > 0.18 && u < 0.78 && std::abs(y - swordY) < 0.05) return kFlagWhite;
      if (u > 0.72 && u < 0.78 && std::abs(y - swordY) < 0.13) return kFlagWhite;  // hilt
      return kDarkGreen;
    }
    case 4: {  // Iran: green, white, red with a red emblem
      const double cx = aspect / 2;
      if (y >= 1.0 / 3 && y < 2.0 / 3) {
        const double dx = x - cx, dy = y - 0.5;
        if (std::abs(dx) < 0.025 && std::abs(dy) < 0.12) return kRed;
        if (std::abs(std::sqrt(dx * dx + dy * dy) - 0.1) < 0.025 && dy < 0.06) return kRed;
        return kFlagWhite;
      }
      return y < 0.5 ? kFlagGreen : kRed;
    }
    case 5: {  // Kuwait: green, white, red, black trapezoid at the hoist
      const double inset = std::min(y, 1 - y);  // 0 at the edges, 0.5 in the middle
      const double trapezoid = aspect * 0.25 * std::min(1.0, inset * 3);
      if (x < trapezoid) return kFlagBlack;
      return Horizontal3(y, kFlagGreen, kFlagWhite, kRed);
    }
    case 6:
      return Vertical3(x, aspect, kFlagGreen, kFlagWhite, kRed);
    case 7:
      return Horizontal3(y, kFlagBlack, kRed, kGold);
    case 8:  // England: St George's cross
      return (std::abs(x - aspect / 2) < 0.1 || std::abs(y - 0.5) < 0.1) ? kRed : kFlagWhite;
    case 9:
      return Vertical3(x, aspect, kFlagBlue, kFlagWhite, kRed);
    case 10:
      return Horizontal3(y, kRed, kFlagWhite, kFlagBlue);
    case 11: {  // Spain: red, broad yellow, red, the arms at the hoist side
      if (y < 0.25 || y >= 0.75) return kRed;
      const double dx = std::abs(x - aspect * 0.3);
      if (dx < 0.08 && y > 0.36 && y < 0.42) return kGold;           // the crown
      if (dx < 0.08 && y >= 0.42 && y < 0.62 - dx) return kDarkRed;  // the shield
      return kYellow;
    }
    case 12: {  // Czech Republic: white over red, blue wedge to the middle
      if (x < aspect * 0.5 * (1 - std::abs(y - 0.5) * 2)) return kFlagBlue;
      return y < 0.5 ? kFlagWhite : kRed;
    }
    case 13: {  // Portugal: green and red, the yellow sphere and shield on the border
      const double cx = aspect * 0.4, cy = 0.5;
      const double d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
      if (d < 0.12 && std::abs(x - cx) < 0.09 && y - cy < 0.1) {
        return (std::abs(x - cx) < 0.05 && std::abs(y - cy) < 0.06) ? kFlagWhite : kRed;
      }
      if (d < 0.23 && d >= 0.12) return kYellow;
      return u < 0.4 ? kFlagGreen : kRed;
    }
    case 14:
      return Brazil(x, y, aspect);
    case 15: {  // Argentina: sky, white, sky, the sun
      if (y >= 1.0 / 3 && y < 2.0 / 3) {
        const double dx = x - aspect / 2, dy = y - 0.5;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < 0.09) return kGold;
        if (d < 0.15 && std::cos(8 * std::atan2(dy, dx)) > 0.3) return kGold;
        return kFlagWhite;
      }
      return kSky;
    }
    case 16: {  // Uruguay: nine white and blue stripes, the sun on a white canton
      if (x < 5.0 / 9 && y < 5.0 / 9) {
        const double dx = x - 5.0 / 18, dy = y - 5.0 / 18;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < 0.09) return kGold;
        if (d < 0.16 && std::cos(8 * std::atan2(dy, dx)) > 0.3) return kGold;
        return kFlagWhite;
      }
      return std::clamp(int(y * 9), 0, 8) % 2 == 0 ? kFlagWhite : kFlagBlue;
    }
    case 17: {  // Chile: blue canton with a white star, white over red
      if (y < 0.5) {
        if (x < 0.5) return InStar(x, y, 0.25, 0.25, 0.15) ? kFlagWhite : kFlagBlue;
        return kFlagWhite;
      }
      return kRed;
    }
    case 18: {  // Paraguay: red, white, blue, the seal in the middle
      if (y >= 1.0 / 3 && y < 2.0 / 3) {
        const double d = std::sqrt((x - aspect / 2) * (x - aspect / 2) + (y - 0.5) * (y - 0.5));
        if (d < 0.05) return kGold;
        if (d < 0.14 && d >= 0.09) return kFlagGreen;
        return kFlagWhite;
      }
      return y < 0.5 ? kRed : kFlagBlue;
    }
    case 19:  // Colombia: yellow half, blue, red
      return y < 0.5 ? kYellow : (y < 0.75 ? kFlagBlue : kRed);
    case 20: {  // Mexico: green, white, red, the eagle on its cactus
      const double dx = x - aspect / 2, dy = y - 0.5;
      if (u >= 1.0 / 3 && u < 2.0 / 3) {
        if (dx * dx / 0.014 + (dy + 0.03) * (dy + 0.03) / 0.018 <= 1) return kBrown;
        if (std::abs(std::sqrt(dx * dx + dy * dy) - 0.17) < 0.03 && dy > 0.05) return kFlagGreen;
        return kFlagWhite;
      }
      return u < 0.5 ? kDarkGreen : kRed;
    }
    case 21:
      return Usa(x, y);
    case 22:
      return Canada(x, y, aspect);
    case 23:
      return Jamaica(x, y, aspect);
    case 24:  // Costa Rica: blue, white, broad red, white, blue
      return (y < 1.0 / 6 || y >= 5.0 / 6)   ? kFlagBlue
             : (y < 2.0 / 6 || y >= 4.0 / 6) ? kFlagWhite
                                             : kRed;
    case 25: {  // Cameroon: green, red with a yellow star, yellow
      if (u >= 1.0 / 3 && u < 2.0 / 3) {
        return InStar(x, y, aspect / 2, 0.5, 0.18) ? kYellow : kRed;
      }
      return u < 0.5 ? kFlagGreen : kYellow;
    }
    case 26:
      return Vertical3(x, aspect, kFlagGreen, kFlagWhite, kFlagGreen);
    case 27:
      return SouthAfrica(x, y, aspect);
    case 28:
      return Tunisia(x, y, aspect);
    case 29: {  // Egypt: red, white with the golden eagle, black
      if (y >= 1.0 / 3 && y < 2.0 / 3) {
        const double dx = x - aspect / 2, dy = y - 0.5;
        if (dx * dx / 0.02 + dy * dy / 0.006 <= 1 && dy < 0.02) return kGold;  // wings
        if (std::abs(dx) < 0.045 && std::abs(dy) < 0.12) return kGold;         // body
        return kFlagWhite;
      }
      return y < 0.5 ? kRed : kFlagBlack;
    }
    case 30:  // Morocco: red with the green interlaced star
      return OnPentagram(x, y, aspect / 2, 0.5, 0.26, 0.03) ? kDarkGreen : kDarkRed;
    default:
      return kFlagWhite;
  }
}

Image FlatFlag(int nation, int width, int height) {
  Image image(width, height);
  const double aspect = double(width) / double(height);
  // How much of the flag each colour covers: the rarer a colour (a star, an emblem), the more
  // its share of a pixel counts, so that small details survive at small sizes.
  std::map<Rgb, double> coverage;
  constexpr int kSurvey = 96;
  for (int j = 0; j < kSurvey; ++j) {
    for (int i = 0; i < kSurvey; ++i) {
      coverage[FlagColourAt(nation, (i + 0.5) / kSurvey * aspect, (j + 0.5) / kSurvey, aspect)] +=
          1.0 / (kSurvey * kSurvey);
    }
  }
  const int n = (width < 64) ? 4 : 2;  // samples per pixel side
  for (int py = 0; py < height; ++py) {
    for (int px = 0; px < width; ++px) {
      std::map<Rgb, double> votes;
      Rgb best = 0;
      double bestVote = -1;
      for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
          const double x = (px + (i + 0.5) / n) / height;
          const double y = (py + (j + 0.5) / n) / height;
          const Rgb c = FlagColourAt(nation, x, y, aspect);
          const double vote = votes[c] += 1.0 / std::sqrt(std::max(coverage[c], 0.01));
          if (vote > bestVote) {
            best = c;
            bestVote = vote;
          }
        }
      }
      image.Set(px, py, best);
    }
  }
  return image;
}

Image WavingFlag(int nation, int width, int height, int top, int clothHeight, double phase,
                 Rgb background) {
  Image image(width, height, background);
  const double aspect = double(width) / double(clothHeight);
  const double amplitude = clothHeight * 0.14;
  for (int px = 0; px < width; ++px) {
    const double u = (px + 0.5) / width;
    // The hoist is held still; the waves grow towards the fly.
    const double reach = std::min(1.0, u * 2.5);
    const double wave = std::sin(2 * kPi * (u * 1.3) - phase);
    const double offset = amplitude * reach * wave;
    const double slope = std::cos(2 * kPi * (u * 1.3) - phase) * reach;
    // Cloth seen edge-on where the wave turns is slightly shorter.
    const double squeeze = 1.0 - 0.08 * reach * std::abs(slope);
    const int shade = slope > 0.55 ? 78 : (slope < -0.55 ? 112 : 100);
    for (int py = 0; py < height; ++py) {
      const double v =
          (py + 0.5 - top - offset - clothHeight * (1 - squeeze) / 2) / (clothHeight * squeeze);
      if (v < 0 || v >= 1) continue;
      const Rgb c = FlagColourAt(nation, u * aspect, v, aspect);
      image.Set(px, py, shade == 100 ? c : Shade(c, shade));
    }
  }
  return image;
}

Rgb NationMainColour(int nation) {
  static const Rgb kMain[kNationCount] = {kRed,
                                          kRed,
                                          kRed,
                                          kDarkGreen,
                                          kFlagGreen,
                                          kFlagGreen,
                                          kFlagGreen,
                                          kFlagBlack,
                                          kRed,
                                          kFlagBlue,
                                          MakeRgb(255, 128, 0),
                                          kRed,
                                          kFlagBlue,
                                          kRed,
                                          kYellow,
                                          kSky,
                                          kSky,
                                          kRed,
                                          kRed,
                                          kYellow,
                                          kFlagGreen,
                                          kNavy,
                                          kRed,
                                          kGold,
                                          kFlagBlue,
                                          kFlagGreen,
                                          kFlagGreen,
                                          kFlagGreen,
                                          kRed,
                                          kRed,
                                          kDarkRed};
  return (nation >= 0 && nation < kNationCount) ? kMain[nation] : kFlagWhite;
}

Rgb NationSecondColour(int nation) {
  static const Rgb kSecond[kNationCount] = {
      kFlagWhite, kFlagBlue, kYellow,    kFlagWhite, kRed,       kFlagBlack, kRed,       kGold,
      kFlagWhite, kRed,      kFlagWhite, kYellow,    kRed,       kFlagGreen, kFlagGreen, kFlagWhite,
      kFlagWhite, kFlagBlue, kFlagWhite, kFlagBlue,  kRed,       kRed,       kFlagWhite, kFlagBlack,
      kRed,       kYellow,   kFlagWhite, kGold,      kFlagWhite, kFlagBlack, kDarkGreen};
  return (nation >= 0 && nation < kNationCount) ? kSecond[nation] : kFlagBlack;
}

}  // namespace artwork
