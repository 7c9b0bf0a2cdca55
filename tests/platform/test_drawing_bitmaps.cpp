// Off-screen bitmaps, memory contexts, block copies and packed device-independent bitmaps:
// masks drawn with AND then OR, mirrored and scaled pictures, both header kinds, and pictures
// whose header promises more than their bytes hold.
#include <memory>

#include "support/drawing_test_support.h"

namespace {

using namespace platform;
using drawing_test::Canvas;
using drawing_test::kBlack;
using drawing_test::kBlue;
using drawing_test::kGreen;
using drawing_test::kRed;
using drawing_test::kWhite;
using drawing_test::MakeDib;

using Objects = Canvas;
using BlockCopies = Canvas;
using Pictures = Canvas;

void Draw(DeviceContext* dc, int x, int y, const std::vector<std::uint8_t>& dib, Rop rop,
          bool mirrored = false) {
  DibInfo info;
  ASSERT_TRUE(ParsePackedDib(dib.data(), dib.size(), &info));
  StretchDib(dc, x, y, mirrored ? -info.width : info.width, info.height, dib.data(), dib.size(),
             rop);
}

TEST_F(Objects, BitmapsAreBlackAndSizeChecked) {
  EXPECT_EQ(CreateCompatibleBitmap(dc, 0, 10), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(dc, 10, -1), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(dc, 8193, 1), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(dc, 1, 8193), nullptr);
  Bitmap* bitmap = CreateCompatibleBitmap(dc, 930, 479);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(BitmapWidth(bitmap), 930);
  EXPECT_EQ(BitmapHeight(bitmap), 479);
  EXPECT_EQ(BitmapPixels(bitmap)[930 * 479 - 1], kBlack);
  EXPECT_EQ(detail::BitmapSurface(bitmap)->width, 930);
  DeleteObject(bitmap);
}

TEST_F(Objects, MemoryContextDrawsIntoItsSelectedBitmap) {
  DeviceContext* memory = CreateCompatibleDC(dc);
  // Born with a 1 × 1 bitmap.
  EXPECT_EQ(GetPixel(memory, 0, 0), kBlack);
  EXPECT_EQ(GetPixel(memory, 1, 0), 0xFFFFFFFFu);
  Bitmap* bitmap = CreateCompatibleBitmap(dc, 8, 6);
  Bitmap* born = SelectBitmap(memory, bitmap);
  ASSERT_NE(born, nullptr);
  EXPECT_EQ(detail::ContextSurface(memory), detail::BitmapSurface(bitmap));
  Rectangle(memory, 0, 0, 8, 6);
  EXPECT_EQ(BitmapPixels(bitmap)[0], kBlack);
  EXPECT_EQ(BitmapPixels(bitmap)[8 + 1], kWhite);
  // A selected bitmap can neither be deleted nor selected into a second context.
  DeviceContext* other = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SelectBitmap(other, bitmap), nullptr);
  DeleteObject(bitmap);
  EXPECT_EQ(BitmapWidth(bitmap), 8);
  // Window contexts hold no bitmap.
  EXPECT_EQ(SelectBitmap(dc, bitmap), nullptr);
  EXPECT_EQ(SelectBitmap(memory, born), bitmap);
  EXPECT_NE(SelectBitmap(other, bitmap), nullptr);
  DeleteDC(other);
  DeleteDC(memory);
  DeleteObject(bitmap);
}

TEST_F(Objects, StockAndSelectedObjectsSurviveDeletion) {
  Pen* red = CreatePen(PenStyle::Solid, 1, kRed);
  Brush* blue = CreateSolidBrush(kBlue);
  Font* big = CreateFont({24, 12, 400});
  SelectPen(dc, red);
  SelectBrush(dc, blue);
  SelectFont(dc, big);
  DeleteObject(red);
  DeleteObject(blue);
  DeleteObject(big);
  DeleteObject(StockPen(StockObject::BlackPen));
  Rectangle(dc, 0, 0, 4, 4);
  EXPECT_EQ(GetPixel(dc, 0, 0), kRed);
  EXPECT_EQ(GetPixel(dc, 1, 1), kBlue);
  EXPECT_EQ(AverageCharWidth(dc), 12);
  EXPECT_EQ(SelectPen(dc, StockPen(StockObject::BlackPen)), red);
  EXPECT_EQ(SelectBrush(dc, StockBrush(StockObject::WhiteBrush)), blue);
  EXPECT_EQ(SelectFont(dc, StockFont(StockObject::SystemFixedFont)), big);
  DeleteObject(red);
  DeleteObject(blue);
  DeleteObject(big);
  // Deleted objects are no longer accepted; deleting twice is harmless.
  EXPECT_EQ(SelectPen(dc, red), nullptr);
  EXPECT_EQ(SelectBrush(dc, blue), nullptr);
  EXPECT_EQ(SelectFont(dc, big), nullptr);
  DeleteObject(red);
  Rectangle(dc, 10, 0, 14, 4);
  EXPECT_EQ(GetPixel(dc, 10, 0), kBlack);
  EXPECT_EQ(GetPixel(dc, 11, 1), kWhite);
}

TEST_F(Objects, FontSizesFollowHeightWidthAndDefaults) {
  Font* half = CreateFont({20, 0, 400});
  SelectFont(dc, half);
  EXPECT_EQ(AverageCharWidth(dc), 10);
  EXPECT_EQ(GetTextExtent(dc, "AB日本").x, 60);
  EXPECT_EQ(GetTextExtent(dc, "AB日本").y, 20);
  SelectFont(dc, StockFont(StockObject::SystemFixedFont));
  DeleteObject(half);
}

TEST_F(BlockCopies, RasterOperationsCombineThePixels) {
  detail::Surface sourceSurface;
  sourceSurface.Resize(4, 1, 0);
  sourceSurface.pixels = {0x00FF00FF, 0x0000FFFF, 0x00000000, 0x00FFFFFF};
  DeviceContext* source = detail::CreateSurfaceDC(&sourceSurface);
  const Rop rops[] = {Rop::SrcCopy, Rop::SrcAnd, Rop::SrcPaint, Rop::SrcInvert};
  for (int r = 0; r < 4; ++r) {
    for (int x = 0; x < 4; ++x) SetPixel(dc, x, r, 0x00F0F00F);
    BitBlt(dc, 0, r, 4, 1, source, 0, 0, rops[r]);
  }
  auto row = [&](int y) { return std::vector<Color>(surface.Row(y), surface.Row(y) + 4); };
  EXPECT_EQ(row(0), (std::vector<Color>{0x00FF00FF, 0x0000FFFF, 0x00000000, 0x00FFFFFF}));
  EXPECT_EQ(row(1), (std::vector<Color>{0x00F0000F, 0x0000F00F, 0x00000000, 0x00F0F00F}));
  EXPECT_EQ(row(2), (std::vector<Color>{0x00FFF0FF, 0x00F0FFFF, 0x00F0F00F, 0x00FFFFFF}));
  EXPECT_EQ(row(3), (std::vector<Color>{0x000FF0F0, 0x00F00FF0, 0x00F0F00F, 0x000F0FF0}));
  DeleteDC(source);
}

TEST_F(BlockCopies, ClippedToBothSurfacesAndSafeWhenOverlapping) {
  detail::Surface small;
  small.Resize(3, 3, kRed);
  DeviceContext* source = detail::CreateSurfaceDC(&small);
  // Asking for more than the source holds copies only what exists.
  BitBlt(dc, 38, 28, 10, 10, source, -1, -1, Rop::SrcCopy);
  EXPECT_EQ(GetPixel(dc, 38, 28), kGreen);  // source (-1, -1) does not exist
  EXPECT_EQ(GetPixel(dc, 39, 29), kRed);
  EXPECT_EQ(Changed(), 1);
  // Copying within one surface behaves as if the source were read first.
  for (int x = 0; x < 6; ++x) SetPixel(dc, x, 0, Rgb(x, 0, 0));
  BitBlt(dc, 1, 0, 6, 1, dc, 0, 0, Rop::SrcCopy);
  for (int x = 1; x < 7; ++x) EXPECT_EQ(GetPixel(dc, x, 0), Rgb(x - 1, 0, 0));
  DeleteDC(source);
}

TEST_F(BlockCopies, FrameComposedOffScreenReachesTheWindow) {
  DeviceContext* memory = CreateCompatibleDC(dc);
  Bitmap* frame = CreateCompatibleBitmap(dc, 40, 30);
  Bitmap* born = SelectBitmap(memory, frame);
  FillRect(memory, Rect{0, 0, 40, 30}, StockBrush(StockObject::WhiteBrush));
  SetPixel(memory, 5, 20, kBlue);
  surface.dirty = false;
  BitBlt(dc, 0, 10, 40, 20, memory, 0, 10, Rop::SrcCopy);
  EXPECT_TRUE(surface.dirty);
  EXPECT_EQ(GetPixel(dc, 0, 9), kGreen);
  EXPECT_EQ(GetPixel(dc, 0, 10), kWhite);
  EXPECT_EQ(GetPixel(dc, 5, 20), kBlue);
  SelectBitmap(memory, born);
  DeleteDC(memory);
  DeleteObject(frame);
}

// A 4 × 3 sprite: 'x' shows the sprite's colours, '.' is transparent.
//   . x x .
//   x x x x
//   . x . .
const std::vector<std::vector<std::uint32_t>> kMaskRows = {
    {1, 0, 0, 1}, {0, 0, 0, 0}, {1, 0, 1, 1}};  // white (1) where the background shows
const std::vector<std::vector<std::uint32_t>> kSpriteRows = {
    {0, 1, 2, 0}, {2, 2, 1, 1}, {0, 1, 0, 0}};  // 1 red, 2 blue, 0 black outside the sprite

TEST_F(Pictures, MaskWithAndThenPictureWithOrShowsTheBackground) {
  const auto mask = MakeDib(1, {kBlack, kWhite}, kMaskRows);
  const auto sprite8 = MakeDib(8, {kBlack, kRed, kBlue}, kSpriteRows);
  std::vector<std::vector<std::uint32_t>> oneBitRows = kSpriteRows;
  for (auto& row : oneBitRows) {
    for (auto& v : row) v = v != 0 ? 1 : 0;
  }
  const auto sprite1 = MakeDib(1, {kBlack, kRed}, oneBitRows);
  Draw(dc, 2, 1, mask, Rop::SrcAnd);
  Draw(dc, 2, 1, sprite8, Rop::SrcPaint);
  Draw(dc, 10, 1, mask, Rop::SrcAnd);
  Draw(dc, 10, 1, sprite1, Rop::SrcPaint);
  EXPECT_EQ(Art(1, 0, 15, 5), Rows({"..............", "..rb......rr..", ".bbrr....rrrr.",
                                    "..r.......r...", ".............."}));
  // Only the mask: black where the sprite will go.
  Draw(dc, 20, 1, mask, Rop::SrcAnd);
  EXPECT_EQ(Art(20, 1, 24, 4), Rows({".##.", "####", ".#.."}));
}

TEST_F(Pictures, MirroredKeepsItsLeftEdgeAndScalingIsNearestNeighbour) {
  const auto sprite = MakeDib(8, {kBlack, kRed, kBlue}, kSpriteRows);
  Draw(dc, 2, 1, sprite, Rop::SrcCopy, true);
  EXPECT_EQ(Art(1, 0, 7, 5), Rows({"......", ".#br#.", ".rrbb.", ".##r#.", "......"}));
  // Twice the size: every pixel becomes a 2 × 2 block; mirrored and halved height too.
  StretchDib(dc, 10, 1, 8, 6, sprite.data(), sprite.size(), Rop::SrcCopy);
  EXPECT_EQ(Art(10, 1, 18, 7),
            Rows({"##rrbb##", "##rrbb##", "bbbbrrrr", "bbbbrrrr", "##rr####", "##rr####"}));
  StretchDib(dc, 20, 1, -4, 6, sprite.data(), sprite.size(), Rop::SrcCopy);
  EXPECT_EQ(Art(20, 1, 24, 7), Rows({"#br#", "#br#", "rrbb", "rrbb", "##r#", "##r#"}));
  // A zero width or a non-positive height draws nothing.
  surface.Resize(40, 30, kGreen);
  StretchDib(dc, 1, 1, 0, 3, sprite.data(), sprite.size(), Rop::SrcCopy);
  StretchDib(dc, 1, 1, 4, 0, sprite.data(), sprite.size(), Rop::SrcCopy);
  StretchDib(dc, 1, 1, 4, -3, sprite.data(), sprite.size(), Rop::SrcCopy);
  EXPECT_EQ(Changed(), 0);
}

TEST_F(Pictures, HeaderKindsAndPixelDepthsGiveTheSameColours) {
  // Rows are stored bottom-up: the first row given here is the picture's top.
  const std::vector<Color> palette = {kBlack, kRed, kBlue, kWhite};
  const std::vector<std::vector<std::uint32_t>> rows = {{1, 2, 3}, {3, 0, 1}};
  const std::vector<std::vector<std::uint32_t>> rgb = {{kRed, kBlue, kWhite},
                                                       {kWhite, kBlack, kRed}};
  const std::vector<std::uint8_t> dibs[] = {
      MakeDib(4, palette, rows),     MakeDib(8, palette, rows),     MakeDib(24, {}, rgb),
      MakeDib(4, palette, rows, 12), MakeDib(8, palette, rows, 12), MakeDib(24, {}, rgb, 12),
  };
  for (const auto& dib : dibs) {
    surface.Resize(40, 30, kGreen);
    DibToDevice(dc, 5, 6, dib.data(), dib.size());
    EXPECT_EQ(Art(4, 5, 9, 9), Rows({".....", ".rbo.", ".o#r.", "....."}))
        << "header " << int(dib[0]);
  }
}

TEST_F(Pictures, IndicesPastTheColourTableAreBlack) {
  // Two colours used, but the pixels name entries 2 and 255.
  const auto dib = MakeDib(8, {kRed, kWhite}, {{0, 1, 2, 255}});
  DibToDevice(dc, 0, 0, dib.data(), dib.size());
  EXPECT_EQ(Art(0, 0, 5, 1), Rows({"ro##."}));
}

TEST_F(Pictures, InvalidOrShortPicturesDrawNothing) {
  const auto whole =
      MakeDib(8, {kRed, kWhite},
              std::vector<std::vector<std::uint32_t>>(16, std::vector<std::uint32_t>(16, 1)));
  // Exactly as many bytes as the header promises, in their own allocation so that a read past
  // the end is caught by the address sanitizer.
  std::vector<std::uint8_t> exact(whole);
  DibToDevice(dc, 0, 0, exact.data(), exact.size());
  EXPECT_EQ(Changed(), 256);
  surface.Resize(40, 30, kGreen);
  for (std::size_t cut : {std::size_t(1), std::size_t(16), whole.size() - 40}) {
    const std::size_t size = whole.size() - cut;
    auto bytes = std::make_unique<std::uint8_t[]>(size);
    std::copy(whole.begin(), whole.begin() + std::ptrdiff_t(size), bytes.get());
    DibToDevice(dc, 0, 0, bytes.get(), size);
    StretchDib(dc, 0, 0, -16, 16, bytes.get(), size, Rop::SrcPaint);
  }
  std::vector<std::uint8_t> compressed(whole);
  compressed[16] = 1;  // run-length compression is not drawn
  DibToDevice(dc, 0, 0, compressed.data(), compressed.size());
  std::vector<std::uint8_t> sixteenBits(whole);
  sixteenBits[14] = 16;
  DibToDevice(dc, 0, 0, sixteenBits.data(), sixteenBits.size());
  DibToDevice(dc, 0, 0, nullptr, 100);
  EXPECT_EQ(Changed(), 0);
}

TEST_F(Pictures, DrawnOnlyInsideTheClipAndTheSurface) {
  const auto sprite = MakeDib(8, {kBlack, kRed, kBlue}, kSpriteRows);
  const Rect clip{3, 2, 40, 30};
  SetClipRect(dc, &clip);
  Draw(dc, 2, 1, sprite, Rop::SrcCopy);
  Draw(dc, 38, 28, sprite, Rop::SrcCopy);
  Draw(dc, -3, -2, sprite, Rop::SrcCopy);
  EXPECT_EQ(Art(1, 0, 7, 5), Rows({"......", "......", "..brr.", "..r##.", "......"}));
  EXPECT_EQ(Art(37, 27, 40, 30), Rows({"...", ".#r", ".bb"}));
}

}  // namespace
