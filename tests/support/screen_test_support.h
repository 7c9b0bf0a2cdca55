// Helpers for the tests of the competition screens and the ceremonies: the pitch view's
// canvas with the competition records reset, and a check that a text stands at a place,
// made by comparing the canvas with the same text drawn alone.
#pragma once

#include <string>
#include <string_view>

#include "base/random_below.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "competition/standings.h"
#include "platform/platform.h"
#include "support/pitch_test_support.h"

namespace screen_test {

using platform::Color;
using platform::Rgb;

class ScreenTest : public pitch_test::PitchViewTest {
 protected:
  void SetUp() override {
    PitchViewTest::SetUp();
    ResetFixtureRecords();
    ResetStandingsRecords();
    ResetNationRecords();
    InitTeamDatabase();
    SeedRandom(4321);
  }
  void TearDown() override {
    ResetFixtureRecords();
    ResetStandingsRecords();
    ResetNationRecords();
    PitchViewTest::TearDown();
  }

  // Whether `text` in `colour` stands with its first cell's corner at (x, y): inside the
  // text's cells the canvas has that colour exactly where the text drawn alone has ink.
  // A text without ink (no font) fails, so that nothing passes for want of glyphs.
  bool TextAt(int x, int y, std::string_view text, Color colour) const {
    const int width = platform::DisplayCells(text) * 8;
    if (width == 0) return false;
    platform::DeviceContext* scratch = platform::CreateCompatibleDC(nullptr);
    platform::Bitmap* bitmap = platform::CreateCompatibleBitmap(scratch, width, 16);
    platform::SelectBitmap(scratch, bitmap);
    const Color blank = colour == Rgb(1, 2, 3) ? Rgb(3, 2, 1) : Rgb(1, 2, 3);
    platform::Brush* brush = platform::CreateSolidBrush(blank);
    platform::FillRect(scratch, {0, 0, width, 16}, brush);
    platform::DeleteObject(brush);
    platform::SetBkMode(scratch, platform::BkMode::Transparent);
    platform::SetTextColor(scratch, colour);
    platform::TextOut(scratch, 0, 0, text);
    bool same = true;
    int ink = 0;
    for (int row = 0; row < 16 && same; ++row) {
      for (int column = 0; column < width; ++column) {
        const bool inked = platform::GetPixel(scratch, column, row) == colour;
        ink += inked ? 1 : 0;
        if (inked != (Pixel(x + column, y + row) == colour)) {
          same = false;
          break;
        }
      }
    }
    platform::DeleteDC(scratch);
    platform::DeleteObject(bitmap);
    return same && ink > 0;
  }
  // The number of pixels of `colour` in the area.
  int Count(Color colour, int left, int top, int right, int bottom) const {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) count += Pixel(x, y) == colour ? 1 : 0;
    }
    return count;
  }
  static std::string Name(int nationNumber) {
    return NationNames[std::size_t(nationNumber - 1)].data();
  }
  static int Cells(int nationNumber) { return platform::DisplayCells(Name(nationNumber)); }
  // A solid small flag for every nation, its colour told by the nation number.
  void InstallFlags() {
    for (int i = 0; i < kNationCount; ++i) {
      bitmapStore.smallFlags[std::size_t(i)] =
          Keep(pitch_test::SolidPicture(18, 12, FlagColour(i + 1)));
    }
  }
  static Color FlagColour(int nationNumber) { return Rgb(10 + nationNumber, 100, 200); }
};

}  // namespace screen_test
