// Helpers for the drawing tests: a canvas with a context, pixel pictures written as text, and
// packed device-independent bitmaps built byte by byte.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/internal.h"
#include "platform/platform.h"

namespace drawing_test {

using platform::Color;
using platform::Rgb;

constexpr Color kGreen = Rgb(0, 240, 0);
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 240);

// A surface filled with green and a context drawing into it. Every test ends with the
// drawing layer shut down, so each starts from fresh stock objects.
class Canvas : public ::testing::Test {
 protected:
  void SetUp() override {
    surface.Resize(40, 30, kGreen);
    dc = platform::detail::CreateSurfaceDC(&surface);
  }
  void TearDown() override { platform::detail::ShutdownDrawing(); }

  // The pixels of the area as rows of characters: '.' green, '#' black, 'o' white, 'r' red,
  // 'b' blue, '?' anything else.
  std::string Art(int left, int top, int right, int bottom) const {
    std::string out;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) out += Letter(surface.Row(y)[x]);
      out += '\n';
    }
    return out;
  }
  static char Letter(Color c) {
    static const std::map<Color, char> letters = {
        {kGreen, '.'}, {kBlack, '#'}, {kWhite, 'o'}, {kRed, 'r'}, {kBlue, 'b'}};
    auto it = letters.find(c);
    return it == letters.end() ? '?' : it->second;
  }
  // Rows joined with newlines, so that expected pictures read as pictures.
  static std::string Rows(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* row : rows) (out += row) += '\n';
    return out;
  }
  // Number of pixels of the whole surface that are not green.
  int Changed() const {
    int count = 0;
    for (Color c : surface.pixels) count += c != kGreen ? 1 : 0;
    return count;
  }

  platform::detail::Surface surface;
  platform::DeviceContext* dc = nullptr;
};

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

}  // namespace drawing_test
