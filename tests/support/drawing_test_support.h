// Helpers for the drawing tests: a canvas with a context, pixel pictures written as text, and
// packed device-independent bitmaps (support/dib_builder.h).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/internal.h"
#include "platform/platform.h"
#include "support/dib_builder.h"

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

using test_dib::MakeDib;

}  // namespace drawing_test
