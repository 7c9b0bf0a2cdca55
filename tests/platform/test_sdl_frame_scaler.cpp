// Copying the frame into the window's pixels: the scaled picture must be exactly the frame,
// pixel for pixel, whether drawn whole or only where rows changed.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/sdl/frame_scaler.h"

namespace platform::sdl {
namespace {

bool Same(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::vector<std::uint32_t> Pattern(int width, int height, std::uint32_t seed) {
  std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
  std::uint32_t v = seed;
  for (auto& p : pixels) {
    v = v * 1664525u + 1013904223u;
    p = v >> 8;
  }
  return pixels;
}

// What nearest-neighbour scaling must give, written the obvious way.
std::uint32_t Expected(const std::vector<std::uint32_t>& frame, int fw, int fh, const Rect& pic,
                       int x, int y) {
  const int sx = int(std::int64_t(x - pic.left) * fw / pic.Width());
  const int sy = int(std::int64_t(y - pic.top) * fh / pic.Height());
  return frame[std::size_t(sy) * std::size_t(fw) + std::size_t(sx)];
}

void ExpectPicture(const std::vector<std::uint32_t>& dest, int dw, int dh,
                   const std::vector<std::uint32_t>& frame, int fw, int fh, const Rect& pic,
                   std::uint32_t outside) {
  for (int y = 0; y < dh; ++y) {
    for (int x = 0; x < dw; ++x) {
      const std::uint32_t want = pic.Contains(x, y) ? Expected(frame, fw, fh, pic, x, y) : outside;
      ASSERT_EQ(dest[std::size_t(y) * std::size_t(dw) + std::size_t(x)], want)
          << "at " << x << "," << y;
    }
  }
}

TEST(SdlFrameScaler, WholeAndFractionalScalesGiveTheNearestFramePixelAndLeaveTheBars) {
  struct Case {
    int fw, fh, dw, dh;
    Rect pic;
  };
  const Case cases[] = {
      {30, 20, 30, 20, {0, 0, 30, 20}},   // 1x
      {30, 20, 90, 60, {0, 0, 90, 60}},   // 3x
      {30, 20, 100, 70, {5, 5, 95, 65}},  // 3x with bars
      {30, 20, 47, 31, {0, 0, 47, 31}},   // fractional, upwards
      {30, 20, 20, 14, {0, 1, 20, 14}},   // smaller than the frame
  };
  for (const Case& c : cases) {
    const auto frame = Pattern(c.fw, c.fh, 7);
    std::vector<std::uint32_t> dest(std::size_t(c.dw) * std::size_t(c.dh), 0xABCDEFu);
    FrameScaler scaler;
    scaler.Configure(c.fw, c.fh, c.pic);
    const Rect band = scaler.ScaleRows(frame.data(), c.fw, dest.data(), c.dw, 0, c.fh);
    EXPECT_EQ(band.top, c.pic.top);
    EXPECT_EQ(band.bottom, c.pic.bottom);
    ExpectPicture(dest, c.dw, c.dh, frame, c.fw, c.fh, c.pic, 0xABCDEFu);
  }
}

TEST(SdlFrameScaler, RedrawingOnlyTheChangedPartGivesTheSamePictureAsRedrawingAll) {
  const int fw = 40, fh = 30;
  auto before = Pattern(fw, fh, 1);
  auto after = before;
  // Changed pixels: row 0 at columns 7 and 14, rows 3 and 4 at 21, row 17 from 0 to 35, row 29
  // at the last column only.
  auto change = [&](int x, int y) { after[std::size_t(y * fw + x)] ^= 0x00FF00u; };
  change(7, 0);
  change(14, 0);
  change(21, 3);
  change(21, 4);
  for (int x = 0; x < 36; x += 7) change(x, 17);
  change(39, 29);
  // Rows 0 and 3 lie two unchanged rows apart: merged when the gap allowed is three.
  EXPECT_EQ(ChangedRowSpans(before.data(), after.data(), fw, fh, 2).size(), 4u);
  const auto spans = ChangedRowSpans(before.data(), after.data(), fw, fh, 3);
  ASSERT_EQ(spans, (std::vector<RowSpan>{{0, 5, 7, 22}, {17, 18, 0, 36}, {29, 30, 39, 40}}));
  EXPECT_TRUE(ChangedRowSpans(after.data(), after.data(), fw, fh, 2).empty());
  // Rows said to be equal are not looked at.
  std::vector<std::uint8_t> candidates(fh, 0);
  candidates[3] = candidates[17] = candidates[20] = 1;
  EXPECT_EQ(ChangedRowSpans(before.data(), after.data(), fw, fh, 3, candidates.data()),
            (std::vector<RowSpan>{{3, 4, 21, 22}, {17, 18, 0, 36}}));

  // Whole and fractional scales, with and without bars: the window holds the old frame, then
  // only the changed bands are scaled into it.
  struct Case {
    int dw, dh;
    Rect pic;
  };
  for (const Case& c : {Case{120, 90, {0, 0, 120, 90}}, Case{130, 96, {5, 3, 125, 93}},
                        Case{57, 41, {0, 0, 57, 41}}, Case{25, 19, {0, 0, 25, 19}}}) {
    FrameScaler scaler;
    scaler.Configure(fw, fh, c.pic);
    std::vector<std::uint32_t> partial(std::size_t(c.dw * c.dh), 0);
    scaler.ScaleRows(before.data(), fw, partial.data(), c.dw, 0, fh);
    for (const RowSpan& s : spans) {
      const Rect band = scaler.ScaleBand(after.data(), fw, partial.data(), c.dw, s);
      EXPECT_TRUE(Same(band, scaler.DestinationOf(s)));
    }
    ExpectPicture(partial, c.dw, c.dh, after, fw, fh, c.pic, 0);
  }
  // At 3x the bands' rectangles are exactly three times the frame's.
  FrameScaler triple;
  triple.Configure(fw, fh, Rect{0, 0, 120, 90});
  EXPECT_TRUE(Same(triple.DestinationOf(spans[0]), Rect{21, 0, 66, 15}));
  EXPECT_TRUE(Same(triple.DestinationOf(spans[2]), Rect{117, 87, 120, 90}));
}

TEST(SdlFrameScaler, ABandBufferHoldsJustTheRowsOfItsBand) {
  const int fw = 10, fh = 10;
  const Rect pic{2, 0, 22, 20};  // 2x, with two columns of bar on the left
  const auto frame = Pattern(fw, fh, 3);
  FrameScaler scaler;
  scaler.Configure(fw, fh, pic);
  const Rect part = scaler.DestinationOf(4, 6);
  ASSERT_EQ(part.top, 8);
  ASSERT_EQ(part.bottom, 12);
  const int stride = 24;
  std::vector<std::uint32_t> band(std::size_t(stride * part.Height()), 0);
  scaler.ScaleRows(frame.data(), fw, band.data(), stride, 4, 6, part.top);
  for (int y = part.top; y < part.bottom; ++y) {
    for (int x = pic.left; x < pic.right; ++x) {
      ASSERT_EQ(band[std::size_t((y - part.top) * stride + x)], Expected(frame, fw, fh, pic, x, y));
    }
  }
}

}  // namespace
}  // namespace platform::sdl
