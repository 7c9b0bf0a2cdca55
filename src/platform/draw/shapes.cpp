// Lines, rectangles, ellipses, arcs and polygons with the classic pixel rules (see
// docs/drawing.md): lines leave out their end point, closed shapes keep their outline inside
// the box [left, right) × [top, bottom), polygons fill the pixels whose centres lie inside.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/draw/draw.h"

namespace platform {

namespace {

using detail::FillBox;
using detail::FillRow;
using detail::Plot;
using detail::Target;

// Coordinates and sizes beyond these are not drawn (they keep the integer arithmetic exact).
constexpr long long kLargestLine = 1LL << 30;
constexpr int kLargestCurveBox = 1 << 15;
constexpr int kLargestPolygonCoordinate = 1 << 24;

// The dotted pen: three pixels on, three off, counted along the path.
constexpr int kDotPeriod = 6;
constexpr int kDotOn = 3;

// Paints the pixels of a path with the selected pen: its colour, its dot pattern (gaps in the
// background colour when the background mode is opaque) and its width (a wide pen repeats
// each pixel across the line's minor axis).
class Stroke {
 public:
  Stroke(const Target& target, const DeviceContext& dc)
      : target_(target),
        colour_(dc.pen->color),
        gapColour_(dc.bkColor),
        visible_(dc.pen->style != PenStyle::Null),
        dotted_(dc.pen->style == PenStyle::Dot),
        opaqueGaps_(dc.bkMode == BkMode::Opaque),
        width_(dc.pen->width) {}

  bool Visible() const { return visible_; }
  bool Dotted() const { return dotted_; }
  int Width() const { return width_; }
  Color Colour() const { return colour_; }

  // `step` is the pixel's place along the path (for the dot pattern); `steep` says that the
  // path runs more vertically than horizontally here.
  void Pixel(int x, int y, long long step, bool steep) const {
    Color colour = colour_;
    if (dotted_ && step % kDotPeriod >= kDotOn) {
      if (!opaqueGaps_) return;
      colour = gapColour_;
    }
    if (width_ == 1) {
      Plot(target_, x, y, colour);
      return;
    }
    const int first = -(width_ - 1) / 2;
    if (steep) {
      FillRow(target_, y, x + first, x + first + width_, colour);
    } else {
      for (int k = 0; k < width_; ++k) Plot(target_, x, y + first + k, colour);
    }
  }

  // Draws the line from (x0, y0) towards (x1, y1) without its end point: along the major
  // axis one pixel per step, on the minor axis the pixel nearest the ideal line (halves
  // rounded away from the start). Returns the number of steps (for a continuing pattern).
  long long Line(int x0, int y0, int x1, int y1, long long firstStep) const {
    const long long dx = static_cast<long long>(x1) - x0;
    const long long dy = static_cast<long long>(y1) - y0;
    const long long adx = std::llabs(dx);
    const long long ady = std::llabs(dy);
    const long long steps = std::max(adx, ady);
    if (steps == 0 || steps >= kLargestLine) return 0;
    const bool steep = ady > adx;
    const long long minor = steep ? adx : ady;
    const int majorSign = (steep ? dy : dx) > 0 ? 1 : -1;
    const int minorSign = (steep ? dx : dy) >= 0 ? 1 : -1;
    // Only the steps whose major coordinate lies inside the clip can show.
    const long long start = steep ? y0 : x0;
    const long long low = steep ? target_.clip.top : target_.clip.left;
    const long long high = steep ? target_.clip.bottom : target_.clip.right;  // exclusive
    long long first = 0;
    long long last = steps;  // exclusive
    if (majorSign > 0) {
      first = std::max(first, low - start);
      last = std::min(last, high - start);
    } else {
      first = std::max(first, start - high + 1);
      last = std::min(last, start - low + 1);
    }
    if (first >= last) return steps;
    // The minor offset of step i is (2 i minor + steps) / (2 steps); walk it incrementally.
    const long long denominator = 2 * steps;
    const long long numerator = 2 * first * minor + steps;
    long long offset = numerator / denominator;
    long long remainder = numerator % denominator;
    const long long across0 = steep ? x0 : y0;
    for (long long i = first; i < last; ++i) {
      const long long major = start + majorSign * i;
      const long long across = across0 + minorSign * offset;
      const int x = int(steep ? across : major);
      const int y = int(steep ? major : across);
      Pixel(x, y, firstStep + i, steep);
      remainder += 2 * minor;
      if (remainder >= denominator) remainder -= denominator, ++offset;
    }
    return steps;
  }

 private:
  const Target& target_;
  Color colour_;
  Color gapColour_;
  bool visible_;
  bool dotted_;
  bool opaqueGaps_;
  int width_;
};

void Normalise(int* left, int* top, int* right, int* bottom) {
  if (*left > *right) std::swap(*left, *right);
  if (*top > *bottom) std::swap(*top, *bottom);
}

// ----- ellipses

// A run of pixels [x0, x1) in one row; empty when x0 >= x1.
struct Span {
  int x0 = 0;
  int x1 = 0;
  bool Empty() const { return x0 >= x1; }
};

// The pixels of row y whose centres lie inside the ellipse inscribed in the box (sizes up to
// kLargestCurveBox). Exact: with W and H the box sizes and everything doubled, a centre
// (2x + 1, 2y + 1) is inside when (dx / W)^2 + (dy / H)^2 <= 1.
Span EllipseRow(const Rect& box, int y) {
  const long long width = box.right - box.left;
  const long long height = box.bottom - box.top;
  if (width <= 0 || height <= 0) return {};
  const long long dy = 2LL * y + 1 - box.top - box.bottom;
  if (dy < -height || dy > height) return {};
  const long long limit = width * width * (height * height - dy * dy);  // d^2 H^2 <= limit
  long long k = static_cast<long long>(std::sqrt(double(limit)) / double(height));
  while ((k + 1) * (k + 1) * height * height <= limit) ++k;
  while (k > 0 && k * k * height * height > limit) --k;
  // d = 2x + 1 - left - right has the parity of width + 1.
  if (((k - width - 1) & 1) != 0) --k;
  if (k < 0) return {};
  const long long sum = static_cast<long long>(box.left) + box.right - 1;
  return {int((sum - k) / 2), int((sum + k) / 2 + 1)};
}

// The rows of an ellipse from `top` - 1 to `bottom` inclusive, each computed once: drawing
// an outline asks for every row and for its neighbours, of the box and of the shrunk box.
class EllipseRows {
 public:
  EllipseRows(const Rect& box, int top, int bottom) : box_(box), first_(top - 1) {
    if (bottom > top) rows_.reserve(std::size_t(bottom - top) + 2);
    for (int y = top - 1; y <= bottom; ++y) rows_.push_back(EllipseRow(box, y));
  }
  Span Row(int y) const {
    const long long i = static_cast<long long>(y) - first_;
    return i >= 0 && i < static_cast<long long>(rows_.size()) ? rows_[std::size_t(i)]
                                                              : EllipseRow(box_, y);
  }
  // The pixels of row y inside the ellipse whose four neighbours are inside as well.
  Span Interior(int y) const {
    const Span row = Row(y);
    const Span above = Row(y - 1);
    const Span below = Row(y + 1);
    if (row.Empty() || above.Empty() || below.Empty()) return {};
    return {std::max({row.x0 + 1, above.x0, below.x0}), std::min({row.x1 - 1, above.x1, below.x1})};
  }

 private:
  Rect box_;
  int first_;
  std::vector<Span> rows_;
};

bool CurveBoxFits(const Rect& box) {
  return box.right - box.left <= kLargestCurveBox && box.bottom - box.top <= kLargestCurveBox &&
         std::abs(box.left) <= kLargestPolygonCoordinate &&
         std::abs(box.top) <= kLargestPolygonCoordinate;
}

// Directions from the centre of a box, doubled so that they are whole numbers; y grows
// upwards so that counter-clockwise reads as on the screen. A point (x, y) is the centre of
// pixel (x, y), as everywhere in the drawing model.
struct Direction {
  long long x = 0;
  long long y = 0;
};

Direction PixelDirection(const Rect& box, int x, int y) {
  return {2LL * x + 1 - box.left - box.right,
          static_cast<long long>(box.top) + box.bottom - (2LL * y + 1)};
}

Direction PointDirection(const Rect& box, int x, int y) {
  Direction d = PixelDirection(box, x, y);
  if (d.x == 0 && d.y == 0) d.x = 1;  // a radial through the centre: take the one to the right
  return d;
}

// Compares the counter-clockwise angles of u and v measured from `from`, exactly.
class AngleFrom {
 public:
  explicit AngleFrom(Direction from) : from_(from) {}
  bool Less(Direction u, Direction v) const {
    const int hu = Half(u);
    const int hv = Half(v);
    if (hu != hv) return hu < hv;
    return Cross(u, v) > 0;
  }
  bool IsZero(Direction v) const { return Cross(from_, v) == 0 && Dot(from_, v) > 0; }

 private:
  static long long Cross(Direction a, Direction b) { return a.x * b.y - a.y * b.x; }
  static long long Dot(Direction a, Direction b) { return a.x * b.x + a.y * b.y; }
  // 0 for angles in [0, pi), 1 for [pi, 2 pi).
  int Half(Direction v) const {
    const long long cross = Cross(from_, v);
    if (cross > 0) return 0;
    if (cross == 0 && Dot(from_, v) > 0) return 0;
    return 1;
  }
  Direction from_;
};

struct Pixel {
  int x = 0;
  int y = 0;
};

// Draws the outline of the ellipse in `box` (and fills its inside with `fill` unless null):
// a pen of width w covers the pixels of the ellipse that are not inside the 4-connected
// interior of the ellipse in the box shrunk by w - 1 on each side. When `sweep` is given,
// only outline pixels within the counter-clockwise sweep from its first to its second
// direction are drawn (an arc).
void DrawEllipse(const Target& target, const DeviceContext& dc, Rect box, const Brush* fill,
                 const Direction* sweep) {
  Stroke stroke(target, dc);
  if (!stroke.Visible()) {
    // No pen: the filled area is one pixel smaller on the right and at the bottom.
    if (fill == nullptr) return;
    box.right -= 1;
    box.bottom -= 1;
    const int top = std::max(box.top, target.clip.top);
    const int bottom = std::min(box.bottom, target.clip.bottom);
    for (int y = top; y < bottom; ++y) {
      const Span row = EllipseRow(box, y);
      FillRow(target, y, row.x0, row.x1, fill->color);
    }
    return;
  }
  const int w = stroke.Width();
  const Rect inner{box.left + w - 1, box.top + w - 1, box.right - w + 1, box.bottom - w + 1};
  const bool collect = stroke.Dotted() || sweep != nullptr;
  std::vector<Pixel> outline;
  // A dotted outline is walked whole so that clipping does not shift its pattern.
  const int top = stroke.Dotted() ? box.top : std::max(box.top, target.clip.top);
  const int bottom = stroke.Dotted() ? box.bottom : std::min(box.bottom, target.clip.bottom);
  const EllipseRows outer(box, top, bottom);
  // With a one-pixel pen the shrunk box is the box itself.
  const EllipseRows shrunk(inner, w == 1 ? 0 : top, w == 1 ? 0 : bottom);
  const EllipseRows& innerRows = w == 1 ? outer : shrunk;
  for (int y = top; y < bottom; ++y) {
    const Span row = outer.Row(y);
    if (row.Empty()) continue;
    Span inside = inner.Empty() ? Span{} : innerRows.Interior(y);
    inside.x0 = std::max(inside.x0, row.x0);
    inside.x1 = std::min(inside.x1, row.x1);
    if (inside.Empty()) inside = {row.x1, row.x1};
    if (fill != nullptr) FillRow(target, y, inside.x0, inside.x1, fill->color);
    if (!collect) {
      FillRow(target, y, row.x0, inside.x0, stroke.Colour());
      FillRow(target, y, inside.x1, row.x1, stroke.Colour());
      continue;
    }
    // The outline pixels of the row: left and right of the inside, in order of x.
    for (const Span part : {Span{row.x0, inside.x0}, Span{inside.x1, row.x1}}) {
      for (int x = part.x0; x < part.x1; ++x) {
        if (stroke.Dotted() || target.clip.Contains(x, y)) outline.push_back({x, y});
      }
    }
  }
  if (!collect) return;
  const Direction origin = sweep != nullptr ? sweep[0] : Direction{1, 0};
  const AngleFrom angle(origin);
  if (sweep != nullptr && !angle.IsZero(sweep[1])) {
    const Direction end = sweep[1];
    std::erase_if(outline,
                  [&](const Pixel& p) { return angle.Less(end, PixelDirection(box, p.x, p.y)); });
  }
  if (stroke.Dotted()) {
    std::stable_sort(outline.begin(), outline.end(), [&](const Pixel& a, const Pixel& b) {
      return angle.Less(PixelDirection(box, a.x, a.y), PixelDirection(box, b.x, b.y));
    });
  }
  long long step = 0;
  for (const Pixel& p : outline) stroke.Pixel(p.x, p.y, step++, false);
}

// ----- polygons

// An edge of a polygon while the rows are scanned: where it meets row y is n / d, kept as
// quotient and remainder and stepped row by row, so that no row needs a division.
struct Edge {
  int top = 0;     // the first row the edge counts for
  int bottom = 0;  // the row it stops counting at (exclusive)
  long long d = 1;
  long long quotient = 0;
  long long remainder = 0;  // 0 <= remainder < d
  long long stepQuotient = 0;
  long long stepRemainder = 0;
  // The first pixel at or right of the crossing: ceil(n / d).
  long long First() const { return quotient + (remainder > 0 ? 1 : 0); }
  void Step() {
    quotient += stepQuotient;
    remainder += stepRemainder;
    if (remainder >= d) remainder -= d, ++quotient;
  }
};

// floor(n / d) and the remainder, for d > 0.
void FloorDiv(long long n, long long d, long long* quotient, long long* remainder) {
  *quotient = n / d;
  *remainder = n % d;
  if (*remainder < 0) *remainder += d, --*quotient;
}

// Alternate (even-odd) fill: pixel (x, y) is filled when the point (x, y) lies inside, an edge
// counting for the rows from its upper end up to but not including its lower end, and a span
// running from the left crossing up to but not including the right one.
void FillPolygon(const Target& target, const Point* points, int count, Color colour) {
  std::vector<Edge> edges;
  int minY = points[0].y;
  int maxY = points[0].y;
  for (int i = 0; i < count; ++i) {
    const Point a = points[i];
    const Point b = points[(i + 1) % count];
    minY = std::min(minY, a.y);
    maxY = std::max(maxY, a.y);
    if (a.y == b.y) continue;
    const Point upper = a.y < b.y ? a : b;
    const Point lower = a.y < b.y ? b : a;
    Edge edge;
    edge.top = std::max(upper.y, target.clip.top);
    edge.bottom = std::min(lower.y, target.clip.bottom);
    if (edge.top >= edge.bottom) continue;
    // x at row y = upper.x + (y - upper.y)(lower.x - upper.x) / d, with d = lower.y - upper.y.
    edge.d = static_cast<long long>(lower.y) - upper.y;
    const long long dx = static_cast<long long>(lower.x) - upper.x;
    FloorDiv(static_cast<long long>(upper.x) * edge.d + (edge.top - upper.y) * dx, edge.d,
             &edge.quotient, &edge.remainder);
    FloorDiv(dx, edge.d, &edge.stepQuotient, &edge.stepRemainder);
    edges.push_back(edge);
  }
  const int top = std::max(minY, target.clip.top);
  const int bottom = std::min(maxY, target.clip.bottom);
  // The crossings of one row; a few (the usual case) are sorted by insertion in place.
  constexpr std::size_t kFewCrossings = 16;
  long long few[kFewCrossings];
  std::vector<long long> many(edges.size() > kFewCrossings ? edges.size() : 0);
  long long* const crossings = many.empty() ? few : many.data();
  for (int y = top; y < bottom; ++y) {
    std::size_t n = 0;
    for (Edge& edge : edges) {
      if (y < edge.top || y >= edge.bottom) continue;
      crossings[n++] = edge.First();
      edge.Step();
    }
    // ceil keeps the order of the crossings, so sorting the first pixels is enough.
    if (n <= kFewCrossings) {
      for (std::size_t i = 1; i < n; ++i) {
        const long long x = crossings[i];
        std::size_t k = i;
        for (; k > 0 && crossings[k - 1] > x; --k) crossings[k] = crossings[k - 1];
        crossings[k] = x;
      }
    } else {
      std::sort(crossings, crossings + n);
    }
    for (std::size_t k = 0; k + 1 < n; k += 2) {
      const long long x0 = std::max<long long>(crossings[k], target.clip.left);
      const long long x1 = std::min<long long>(crossings[k + 1], target.clip.right);
      if (x0 < x1) FillRow(target, y, int(x0), int(x1), colour);
    }
  }
}

}  // namespace

void LineTo(DeviceContext* dc, int x, int y) {
  if (dc == nullptr) return;
  const Point from = dc->position;
  dc->position = {x, y};
  Target target;
  if (!detail::OpenTarget(dc, &target)) return;
  const Stroke stroke(target, *dc);
  if (stroke.Visible()) stroke.Line(from.x, from.y, x, y, 0);
}

void Rectangle(DeviceContext* dc, int left, int top, int right, int bottom) {
  Target target;
  if (!detail::OpenTarget(dc, &target)) return;
  Normalise(&left, &top, &right, &bottom);
  const Stroke stroke(target, *dc);
  const Brush* brush = dc->brush;
  if (!stroke.Visible()) {
    if (!brush->hollow) FillBox(target, {left, top, right - 1, bottom - 1}, brush->color);
    return;
  }
  if (right <= left || bottom <= top) return;
  const int w = stroke.Width();
  if (!brush->hollow) {
    FillBox(target, {left + w, top + w, right - w, bottom - w}, brush->color);
  }
  if (!stroke.Dotted()) {
    const Color c = stroke.Colour();
    const int bandBottom = std::min(top + w, bottom);
    const int bandTop = std::max(bottom - w, bandBottom);
    FillBox(target, {left, top, right, bandBottom}, c);
    FillBox(target, {left, bandTop, right, bottom}, c);
    FillBox(target, {left, bandBottom, std::min(left + w, right), bandTop}, c);
    FillBox(target, {std::max(right - w, left), bandBottom, right, bandTop}, c);
    return;
  }
  // A dotted outline runs clockwise from the top-left corner, the pattern continuing round.
  if (right - left == 1 || bottom - top == 1) {
    long long step = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) stroke.Pixel(x, y, step++, false);
    }
    return;
  }
  long long step = 0;
  step += stroke.Line(left, top, right - 1, top, step);
  step += stroke.Line(right - 1, top, right - 1, bottom - 1, step);
  step += stroke.Line(right - 1, bottom - 1, left, bottom - 1, step);
  stroke.Line(left, bottom - 1, left, top, step);
}

void Ellipse(DeviceContext* dc, int left, int top, int right, int bottom) {
  Target target;
  if (!detail::OpenTarget(dc, &target)) return;
  Normalise(&left, &top, &right, &bottom);
  const Rect box{left, top, right, bottom};
  if (!CurveBoxFits(box)) return;
  const Brush* fill = dc->brush->hollow ? nullptr : dc->brush;
  DrawEllipse(target, *dc, box, fill, nullptr);
}

void Arc(DeviceContext* dc, int left, int top, int right, int bottom, int x1, int y1, int x2,
         int y2) {
  Target target;
  if (!detail::OpenTarget(dc, &target)) return;
  Normalise(&left, &top, &right, &bottom);
  const Rect box{left, top, right, bottom};
  if (!CurveBoxFits(box)) return;
  const Direction sweep[2] = {PointDirection(box, x1, y1), PointDirection(box, x2, y2)};
  DrawEllipse(target, *dc, box, nullptr, sweep);
}

void Polygon(DeviceContext* dc, const Point* points, int count) {
  if (points == nullptr || count < 2) return;
  for (int i = 0; i < count; ++i) {
    if (std::abs(points[i].x) > kLargestPolygonCoordinate ||
        std::abs(points[i].y) > kLargestPolygonCoordinate) {
      return;
    }
  }
  Target target;
  if (!detail::OpenTarget(dc, &target)) return;
  if (!dc->brush->hollow) FillPolygon(target, points, count, dc->brush->color);
  const Stroke stroke(target, *dc);
  if (!stroke.Visible()) return;
  long long step = 0;
  for (int i = 0; i < count; ++i) {
    const Point a = points[i];
    const Point b = points[(i + 1) % count];
    step += stroke.Line(a.x, a.y, b.x, b.y, step);
  }
}

}  // namespace platform
