// The one builder of packed device-independent bitmaps for the tests (the game's own pictures
// are made by the artwork tool's encoder): a 40-byte or 12-byte header, the colour table and
// the rows bottom-up, padded to four bytes, at 1, 4, 8 or 24 bits per pixel.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace test_dib {

using platform::Color;

// A packed bitmap with a 40-byte (or 12-byte) header. `rows` are palette indices (or 0xRRGGBB
// for 24 bits), given from the TOP row down; they are stored bottom-up as the format wants.
inline std::vector<std::uint8_t> MakeDib(int bitCount, const std::vector<Color>& palette,
                                         const std::vector<std::vector<std::uint32_t>>& rows,
                                         int headerSize = 40) {
  const int height = int(rows.size());
  const int width = int(rows[0].size());
  const std::size_t stride = ((std::size_t(width) * std::size_t(bitCount) + 31) / 32) * 4;
  std::vector<std::uint8_t> dib;
  auto put16 = [&](std::uint32_t v) {
    dib.push_back(std::uint8_t(v));
    dib.push_back(std::uint8_t(v >> 8));
  };
  auto put32 = [&](std::uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  if (headerSize == 12) {
    put32(12);
    put16(std::uint32_t(width));
    put16(std::uint32_t(height));
    put16(1);
    put16(std::uint32_t(bitCount));
  } else {
    put32(40);
    put32(std::uint32_t(width));
    put32(std::uint32_t(height));
    put16(1);
    put16(std::uint32_t(bitCount));
    put32(0);  // no compression
    put32(std::uint32_t(stride * std::size_t(height)));
    put32(2835);
    put32(2835);
    put32(std::uint32_t(palette.size()));  // colours used
    put32(0);
  }
  // A 12-byte header has no count of colours used: its table is always full.
  std::vector<Color> table = palette;
  if (headerSize == 12 && bitCount != 24) table.resize(std::size_t(1) << bitCount, 0);
  for (Color c : table) {
    dib.push_back(std::uint8_t(platform::BlueOf(c)));
    dib.push_back(std::uint8_t(platform::GreenOf(c)));
    dib.push_back(std::uint8_t(platform::RedOf(c)));
    if (headerSize != 12) dib.push_back(0);
  }
  for (int r = height - 1; r >= 0; --r) {
    std::vector<std::uint8_t> line(stride, 0);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = rows[std::size_t(r)][std::size_t(x)];
      switch (bitCount) {
        case 1:
          line[std::size_t(x / 8)] |= std::uint8_t((v & 1) << (7 - x % 8));
          break;
        case 4:
          line[std::size_t(x / 2)] |= std::uint8_t((v & 15) << (x % 2 == 0 ? 4 : 0));
          break;
        case 8:
          line[std::size_t(x)] = std::uint8_t(v);
          break;
        default:
          line[std::size_t(x) * 3] = std::uint8_t(platform::BlueOf(v));
          line[std::size_t(x) * 3 + 1] = std::uint8_t(platform::GreenOf(v));
          line[std::size_t(x) * 3 + 2] = std::uint8_t(platform::RedOf(v));
          break;
      }
    }
    dib.insert(dib.end(), line.begin(), line.end());
  }
  return dib;
}

// A packed 24-bit bitmap (40-byte header) whose pixel (x, y), y from the top, is pixel(x, y).
template <typename PixelFn>
std::vector<std::uint8_t> MakePicture(int width, int height, PixelFn pixel) {
  const std::vector<std::uint32_t> row(static_cast<std::size_t>(width));
  std::vector<std::vector<std::uint32_t>> rows(static_cast<std::size_t>(height), row);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) rows[std::size_t(y)][std::size_t(x)] = pixel(x, y);
  }
  return MakeDib(24, {}, rows);
}

}  // namespace test_dib
