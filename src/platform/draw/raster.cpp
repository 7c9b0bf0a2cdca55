// Row-level painting: filled boxes and spans, the raster operations of block copies, and
// BitBlt. Everything here works on whole rows of 32-bit pixels, clipped once per call.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/draw/draw.h"

namespace platform {

namespace detail {

namespace {

// A row of one colour to copy from: block copies of the C library are several times faster
// than a loop of 32-bit stores.
const Color* ColourRow(Color colour, std::size_t count) {
  static std::vector<Color> row;
  static Color rowColour = 0;
  if (row.size() < count || rowColour != colour) {
    row.assign(std::max(count, row.size()), colour);
    rowColour = colour;
  }
  return row.data();
}

void Fill(Color* dst, std::size_t count, Color colour) {
  if (count < 16) {
    std::fill_n(dst, count, colour);
  } else {
    std::memcpy(dst, ColourRow(colour, count), count * sizeof(Color));
  }
}

}  // namespace

void FillBox(const Target& target, Rect box, Color colour) {
  box.left = std::max(box.left, target.clip.left);
  box.top = std::max(box.top, target.clip.top);
  box.right = std::min(box.right, target.clip.right);
  box.bottom = std::min(box.bottom, target.clip.bottom);
  if (box.Empty()) return;
  const auto count = std::size_t(box.right - box.left);
  for (int y = box.top; y < box.bottom; ++y) Fill(target.surface->Row(y) + box.left, count, colour);
}

void FillRow(const Target& target, int y, int x0, int x1, Color colour) {
  if (y < target.clip.top || y >= target.clip.bottom) return;
  x0 = std::max(x0, target.clip.left);
  x1 = std::min(x1, target.clip.right);
  if (x0 >= x1) return;
  Fill(target.surface->Row(y) + x0, std::size_t(x1 - x0), colour);
}

namespace {

// dst[i] = op(dst[i], src[i]) for the row, in blocks of eight that the compiler turns into
// vector operations, then one by one. The rows never overlap (BitBlt copies a block of the
// same surface first).
template <typename Op>
void CombineEach(std::uint32_t* __restrict dst, const std::uint32_t* __restrict src, int count,
                 Op op) {
  constexpr int kBlock = 8;
  int i = 0;
  for (; i + kBlock <= count; i += kBlock) {
    for (int k = 0; k < kBlock; ++k) dst[i + k] = op(dst[i + k], src[i + k]);
  }
  for (; i < count; ++i) dst[i] = op(dst[i], src[i]);
}

}  // namespace

void CombineRow(std::uint32_t* dst, const std::uint32_t* src, int count, Rop rop) {
  if (count <= 0) return;
  switch (rop) {
    case Rop::SrcCopy:
      std::memmove(dst, src, std::size_t(count) * sizeof(std::uint32_t));
      break;
    case Rop::SrcAnd:
      CombineEach(dst, src, count, [](std::uint32_t d, std::uint32_t s) { return d & s; });
      break;
    case Rop::SrcPaint:
      CombineEach(dst, src, count, [](std::uint32_t d, std::uint32_t s) { return d | s; });
      break;
    case Rop::SrcInvert:
      CombineEach(dst, src, count, [](std::uint32_t d, std::uint32_t s) { return d ^ s; });
      break;
  }
}

}  // namespace detail

void FillRect(DeviceContext* dc, const Rect& rect, Brush* brush) {
  if (brush == nullptr || brush->hollow) return;
  detail::Target target;
  if (!detail::OpenTarget(dc, &target)) return;
  detail::FillBox(target, rect, brush->color);
}

// Copies the width × height block at (srcX, srcY) of `src` to (x, y) of `dst`. The block is
// clipped by the destination's clipping rectangle and by both surfaces; destination pixels
// whose source lies outside the source surface are left as they are.
void BitBlt(DeviceContext* dst, int x, int y, int width, int height, DeviceContext* src, int srcX,
            int srcY, Rop rop) {
  if (width <= 0 || height <= 0) return;
  detail::Surface* from = detail::SurfaceOf(src);
  if (from == nullptr) return;
  detail::Target target;
  if (!detail::OpenTarget(dst, &target)) return;
  // Work in 64 bits: the caller's numbers may be anything.
  const long long shiftX = static_cast<long long>(srcX) - x;
  const long long shiftY = static_cast<long long>(srcY) - y;
  long long left = std::max<long long>({x, target.clip.left, -shiftX});
  long long top = std::max<long long>({y, target.clip.top, -shiftY});
  long long right = std::min<long long>(
      {static_cast<long long>(x) + width, target.clip.right, from->width - shiftX});
  long long bottom = std::min<long long>(
      {static_cast<long long>(y) + height, target.clip.bottom, from->height - shiftY});
  if (left >= right || top >= bottom) return;
  const int count = int(right - left);
  const int srcLeft = int(left + shiftX);

  if (from == target.surface) {
    // Source and destination share pixels: take a copy of the source block first.
    static std::vector<std::uint32_t> block;
    block.resize(std::size_t(count) * std::size_t(bottom - top));
    for (long long row = top; row < bottom; ++row) {
      std::memcpy(block.data() + std::size_t(row - top) * std::size_t(count),
                  from->Row(int(row + shiftY)) + srcLeft, std::size_t(count) * sizeof(Color));
    }
    for (long long row = top; row < bottom; ++row) {
      detail::CombineRow(target.surface->Row(int(row)) + left,
                         block.data() + std::size_t(row - top) * std::size_t(count), count, rop);
    }
    return;
  }
  for (long long row = top; row < bottom; ++row) {
    detail::CombineRow(target.surface->Row(int(row)) + left, from->Row(int(row + shiftY)) + srcLeft,
                       count, rop);
  }
}

}  // namespace platform
