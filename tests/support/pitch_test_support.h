// Helpers for the match view tests: a 930 × 479 memory canvas standing in for the window, the
// view records reset around each test, and small synthetic pictures put into the bitmap store
// so that what was drawn where can be read back from the pixels.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "base/game_flow_state.h"
#include "base/record_resets.h"
#include "base/view_layout.h"
#include "match/match_state.h"
#include "platform/platform.h"
#include "presentation/bitmap_store.h"
#include "presentation/match_captions.h"
#include "presentation/pitch_drawing.h"
#include "support/dib_builder.h"

namespace pitch_test {

using platform::Color;
using platform::Rgb;

constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kPitchGreen = Rgb(0, 240, 0);
constexpr Color kStripeGreen = Rgb(0, 220, 0);
constexpr int kCanvasWidth = 930;
constexpr int kCanvasHeight = 479;

using test_dib::MakePicture;

inline std::vector<std::uint8_t> SolidPicture(int width, int height, Color colour) {
  return MakePicture(width, height, [colour](int, int) { return colour; });
}

// Every view record at its start-up values, a 900 × 580 client area and a white canvas.
class PitchViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetAllRecords();
    viewLayout.clientWidth = 900;
    viewLayout.clientHeight = 580;
    viewLayout.charWidth = 8;
    match.scrollX = 0;
    CreateDrawingTools();
    dc = platform::CreateCompatibleDC(nullptr);
    bitmap = platform::CreateCompatibleBitmap(dc, kCanvasWidth, kCanvasHeight);
    ASSERT_NE(bitmap, nullptr);
    platform::SelectBitmap(dc, bitmap);
    Clear(kWhite);
  }
  void TearDown() override {
    platform::DeleteDC(dc);
    platform::DeleteObject(bitmap);
    ResetAllRecords();
  }

  void Clear(Color colour) {
    platform::Brush* brush = platform::CreateSolidBrush(colour);
    platform::FillRect(dc, platform::Rect{0, 0, kCanvasWidth, kCanvasHeight}, brush);
    platform::DeleteObject(brush);
  }
  Color Pixel(int x, int y) const { return platform::GetPixel(dc, x, y); }

  // Keeps the bytes alive for the test and puts them into a slot (or a named field).
  Picture Keep(std::vector<std::uint8_t> bytes) {
    pictures_.push_back(std::move(bytes));
    return Picture{pictures_.back().data(), pictures_.back().size()};
  }
  void Install(int slot, std::vector<std::uint8_t> bytes) {
    bitmapStore.slots[std::size_t(slot)] = Keep(std::move(bytes));
  }

  platform::DeviceContext* dc = nullptr;
  platform::Bitmap* bitmap = nullptr;

 private:
  std::deque<std::vector<std::uint8_t>> pictures_;
};

}  // namespace pitch_test
