// Drawing packed device-independent bitmaps: colour table conversion, nearest-neighbour
// scaling, mirroring with a negative width and the raster operations. The header is checked
// by ParsePackedDib first; nothing here reads outside the picture's bytes after that.
#include <algorithm>
#include <array>
#include <vector>

#include "platform/draw/draw.h"

namespace platform {

namespace {

// The colour table as 0x00RRGGBB; indices past the table's end read as black.
std::array<Color, 256> ReadPalette(const std::uint8_t* dib, const DibInfo& info) {
  std::array<Color, 256> palette{};
  const std::size_t entryBytes = info.headerSize == 12 ? 3 : 4;
  const std::uint8_t* entry = dib + info.headerSize;
  const int count = std::min(info.colourCount, 256);
  for (int i = 0; i < count; ++i, entry += entryBytes) {
    palette[std::size_t(i)] = Rgb(entry[2], entry[1], entry[0]);  // stored blue, green, red
  }
  return palette;
}

// Converts the source columns listed in `columns` of one stored row into colours.
void DecodeRow(const std::uint8_t* row, int bitCount, const std::array<Color, 256>& palette,
               const std::vector<int>& columns, std::vector<Color>* out) {
  out->resize(columns.size());
  Color* o = out->data();
  switch (bitCount) {
    case 1:
      for (int u : columns) *o++ = palette[(row[u >> 3] >> (7 - (u & 7))) & 1];
      break;
    case 4:
      for (int u : columns) *o++ = palette[(row[u >> 1] >> ((u & 1) != 0 ? 0 : 4)) & 15];
      break;
    case 8:
      for (int u : columns) *o++ = palette[row[u]];
      break;
    default:  // 24 bits: blue, green, red
      for (int u : columns) {
        const std::uint8_t* p = row + std::size_t(u) * 3;
        *o++ = Rgb(p[2], p[1], p[0]);
      }
      break;
  }
}

// The same for a run of consecutive source columns, from `first` rightwards (or leftwards for
// a mirrored picture): the picture drawn at its own width.
void DecodeRun(const std::uint8_t* row, int bitCount, const std::array<Color, 256>& palette,
               int first, int count, bool mirrored, std::vector<Color>* out) {
  out->resize(std::size_t(count));
  Color* o = out->data();
  const int step = mirrored ? -1 : 1;
  int u = first;
  switch (bitCount) {
    case 1:
      for (int i = 0; i < count; ++i, u += step) o[i] = palette[(row[u >> 3] >> (7 - (u & 7))) & 1];
      break;
    case 4:
      for (int i = 0; i < count; ++i, u += step) {
        o[i] = palette[(row[u >> 1] >> ((u & 1) != 0 ? 0 : 4)) & 15];
      }
      break;
    case 8:
      for (int i = 0; i < count; ++i, u += step) o[i] = palette[row[u]];
      break;
    default:  // 24 bits: blue, green, red
      for (int i = 0; i < count; ++i, u += step) {
        const std::uint8_t* p = row + std::size_t(u) * 3;
        o[i] = Rgb(p[2], p[1], p[0]);
      }
      break;
  }
}

}  // namespace

void StretchDib(DeviceContext* dc, int x, int y, int width, int height, const std::uint8_t* dib,
                std::size_t size, Rop rop) {
  if (dc == nullptr || width == 0 || height <= 0) return;
  DibInfo info;
  if (!ParsePackedDib(dib, size, &info)) return;
  detail::Target target;
  if (!detail::OpenTarget(dc, &target)) return;
  const bool mirrored = width < 0;
  const long long drawWidth = width < 0 ? -static_cast<long long>(width) : width;
  const long long left = std::max<long long>(x, target.clip.left);
  const long long right = std::min<long long>(x + drawWidth, target.clip.right);
  const long long top = std::max<long long>(y, target.clip.top);
  const long long bottom =
      std::min<long long>(static_cast<long long>(y) + height, target.clip.bottom);
  if (left >= right || top >= bottom) return;

  // Nearest neighbour: destination pixel i takes source column floor((i + 1/2) * w / W),
  // which is column i itself when the picture is drawn at its own size.
  static std::vector<int> columns;
  columns.clear();
  const bool ownWidth = drawWidth == info.width;
  for (long long dx = left; dx < right; ++dx) {
    int u = ownWidth ? int(dx - x) : int(((2 * (dx - x) + 1) * info.width) / (2 * drawWidth));
    if (mirrored) u = info.width - 1 - u;
    columns.push_back(u);
  }
  const std::array<Color, 256> palette = ReadPalette(dib, info);
  static std::vector<Color> decoded;
  int decodedRow = -1;
  const bool ownHeight = height == info.height;
  for (long long dy = top; dy < bottom; ++dy) {
    const int v =
        ownHeight ? int(dy - y) : int(((2 * (dy - y) + 1) * info.height) / (2LL * height));
    if (v != decodedRow) {
      const std::size_t stored = std::size_t(info.height - 1 - v);  // rows are bottom-up
      const std::uint8_t* bits = dib + info.bitsOffset + stored * info.stride;
      if (ownWidth) {
        DecodeRun(bits, info.bitCount, palette, columns.front(), int(columns.size()), mirrored,
                  &decoded);
      } else {
        DecodeRow(bits, info.bitCount, palette, columns, &decoded);
      }
      decodedRow = v;
    }
    detail::CombineRow(target.surface->Row(int(dy)) + left, decoded.data(), int(right - left), rop);
  }
}

void DibToDevice(DeviceContext* dc, int x, int y, const std::uint8_t* dib, std::size_t size) {
  DibInfo info;
  if (dc == nullptr || !ParsePackedDib(dib, size, &info)) return;
  StretchDib(dc, x, y, info.width, info.height, dib, size, Rop::SrcCopy);
}

}  // namespace platform
