// Pixel helpers for the layer's own desktop pieces (see paint_util.h).
#include "platform/draw/paint_util.h"

#include <algorithm>

namespace platform::detail {

Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (r.Empty()) return Rect{};
  return r;
}

Rect Union(const Rect& a, const Rect& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

Rect Offset(const Rect& r, int dx, int dy) {
  return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

Rect Inflate(const Rect& r, int d) {
  return Rect{r.left - d, r.top - d, r.right + d, r.bottom + d};
}

namespace {

Rect Bounds(const Surface* surface, const Rect* clip) {
  Rect all{0, 0, surface->width, surface->height};
  return clip ? Intersect(all, *clip) : all;
}

}  // namespace

void FillBox(Surface* surface, const Rect& rect, Color color, const Rect* clip) {
  Rect r = Intersect(rect, Bounds(surface, clip));
  if (r.Empty()) return;
  for (int y = r.top; y < r.bottom; ++y)
    std::fill(surface->Row(y) + r.left, surface->Row(y) + r.right, color);
  surface->dirty = true;
}

void SetDot(Surface* surface, int x, int y, Color color, const Rect* clip) {
  if (!Bounds(surface, clip).Contains(x, y)) return;
  surface->Row(y)[x] = color;
  surface->dirty = true;
}

void Edge(Surface* surface, const Rect& rect, Color outerLight, Color outerDark, Color innerLight,
          Color innerDark, const Rect* clip) {
  const Rect& r = rect;
  // Outer ring: top and left light, bottom and right dark.
  FillBox(surface, {r.left, r.top, r.right - 1, r.top + 1}, outerLight, clip);
  FillBox(surface, {r.left, r.top, r.left + 1, r.bottom - 1}, outerLight, clip);
  FillBox(surface, {r.left, r.bottom - 1, r.right, r.bottom}, outerDark, clip);
  FillBox(surface, {r.right - 1, r.top, r.right, r.bottom}, outerDark, clip);
  // Inner ring.
  FillBox(surface, {r.left + 1, r.top + 1, r.right - 2, r.top + 2}, innerLight, clip);
  FillBox(surface, {r.left + 1, r.top + 1, r.left + 2, r.bottom - 2}, innerLight, clip);
  FillBox(surface, {r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1}, innerDark, clip);
  FillBox(surface, {r.right - 2, r.top + 1, r.right - 1, r.bottom - 1}, innerDark, clip);
}

void RaisedEdge(Surface* surface, const Rect& rect, const Rect* clip) {
  Edge(surface, rect, kWhite, kBlack, kFaceGrey, kDarkGrey, clip);
}

void SunkenEdge(Surface* surface, const Rect& rect, const Rect* clip) {
  Edge(surface, rect, kDarkGrey, kWhite, kBlack, kFaceGrey, clip);
}

void FrameBox(Surface* surface, const Rect& r, Color color, const Rect* clip) {
  FillBox(surface, {r.left, r.top, r.right, r.top + 1}, color, clip);
  FillBox(surface, {r.left, r.bottom - 1, r.right, r.bottom}, color, clip);
  FillBox(surface, {r.left, r.top, r.left + 1, r.bottom}, color, clip);
  FillBox(surface, {r.right - 1, r.top, r.right, r.bottom}, color, clip);
}

void DottedFrame(Surface* surface, const Rect& r, Color color, const Rect* clip) {
  if (r.Empty()) return;
  // Walk the border clockwise from the top-left corner and set every other pixel.
  int step = 0;
  auto dot = [&](int x, int y) {
    if (step++ % 2 == 0) SetDot(surface, x, y, color, clip);
  };
  for (int x = r.left; x < r.right; ++x) dot(x, r.top);
  for (int y = r.top + 1; y < r.bottom; ++y) dot(r.right - 1, y);
  if (r.bottom - 1 > r.top) {
    for (int x = r.right - 2; x >= r.left; --x) dot(x, r.bottom - 1);
  }
  if (r.right - 1 > r.left) {
    for (int y = r.bottom - 2; y > r.top; --y) dot(r.left, y);
  }
}

void Blit(Surface* target, const Surface& source, int x, int y) {
  Rect r = Intersect(Rect{x, y, x + source.width, y + source.height},
                     Rect{0, 0, target->width, target->height});
  if (r.Empty()) return;
  for (int row = r.top; row < r.bottom; ++row) {
    const std::uint32_t* from = source.Row(row - y) + (r.left - x);
    std::copy(from, from + r.Width(), target->Row(row) + r.left);
  }
  target->dirty = true;
}

int SystemTextWidth(std::string_view text) {
  return DisplayCells(text) * kSystemCharWidth;
}

void DrawSystemText(Surface* surface, int x, int y, std::string_view text, Color color,
                    const Rect* clip) {
  if (text.empty()) return;
  DeviceContext* dc = CreateSurfaceDC(surface);
  if (!dc) return;
  SelectFont(dc, StockFont(StockObject::SystemFixedFont));
  SetTextColor(dc, color);
  SetBkMode(dc, BkMode::Transparent);
  if (clip) SetClipRect(dc, clip);
  TextOut(dc, x, y, text);
  DeleteDC(dc);
  surface->dirty = true;
}

void DrawGreyedText(Surface* surface, int x, int y, std::string_view text, const Rect* clip) {
  DrawSystemText(surface, x + 1, y + 1, text, kWhite, clip);
  DrawSystemText(surface, x, y, text, kDarkGrey, clip);
}

}  // namespace platform::detail
