// Encoding pictures as packed device-independent bitmaps and writing the archive.
#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "artwork/dib_encode.h"
#include "artwork/picture.h"
#include "platform/platform.h"
#include "presentation/bitmap_store.h"
#include "support/dib_decode.h"

namespace artwork {
namespace {

using artwork_test::DecodeDib;
using artwork_test::Le16;
using artwork_test::Le32;

// A picture of `colours` different colours, `width` wide, filled in a repeating pattern.
Image Colourful(int width, int height, int colours) {
  Image image(width, height);
  for (int i = 0; i < width * height; ++i) {
    const int v = i % colours;
    image.pixels[std::size_t(i)] = MakeRgb(v & 255, v >> 8, 200);
  }
  return image;
}

TEST(DibEncode, HeaderDescribesThePictureBottomUpWithoutCompression) {
  const Bytes dib = EncodeDib(Colourful(5, 3, 4), Storage::Colour);
  EXPECT_EQ(Le32(dib, 0), 40u);      // header size
  EXPECT_EQ(Le32(dib, 4), 5u);       // width
  EXPECT_EQ(Le32(dib, 8), 3u);       // height, positive: rows bottom-up
  EXPECT_EQ(Le16(dib, 12), 1u);      // planes
  EXPECT_EQ(Le32(dib, 16), 0u);      // no compression
  EXPECT_EQ(Le32(dib, 32), 4u);      // colours used
  EXPECT_EQ(Le32(dib, 20), 4u * 3);  // image size: 3 rows of 4 bytes (5 nibbles padded)
  EXPECT_EQ(dib.size(), 40u + 4 * 4 + 4 * 3);
}

TEST(DibEncode, ChoosesTheBitDepthByTheNumberOfColours) {
  struct Case {
    int colours;
    int bitCount;
  };
  for (const Case& c : {Case{1, 4}, Case{16, 4}, Case{17, 8}, Case{256, 8}, Case{257, 24}}) {
    const Image image = Colourful(40, 8, c.colours);
    const Bytes dib = EncodeDib(image, Storage::Colour);
    EXPECT_EQ(int(Le16(dib, 14)), c.bitCount) << c.colours << " colours";
    EXPECT_EQ(Le32(dib, 32), c.bitCount == 24 ? 0u : std::uint32_t(c.colours));
    EXPECT_EQ(DecodeDib(dib).pixels, image.pixels) << c.colours << " colours";
  }
}

TEST(DibEncode, ColourTableHoldsExactlyTheColoursUsedInAscendingOrder) {
  Image image(3, 1);
  image.Set(0, 0, 0x30FF20);
  image.Set(1, 0, 0x0000FF);
  image.Set(2, 0, 0x30FF20);
  const Bytes dib = EncodeDib(image, Storage::Colour);
  ASSERT_EQ(Le32(dib, 32), 2u);
  // Blue, green, red, reserved.
  EXPECT_EQ(std::vector<std::uint8_t>(dib.begin() + 40, dib.begin() + 48),
            (std::vector<std::uint8_t>{0xFF, 0x00, 0x00, 0, 0x20, 0xFF, 0x30, 0}));
  // Indexes 1, 0, 1 in nibbles, high nibble first.
  EXPECT_EQ(dib[48], 0x10);
  EXPECT_EQ(dib[49], 0x10);
}

TEST(DibEncode, RowsArePaddedToFourBytesWithZeros) {
  // 24 bits: a 3-pixel row takes 9 bytes, padded to 12.
  const Image image = Colourful(3, 100, 300);
  const Bytes dib = EncodeDib(image, Storage::Colour);
  ASSERT_EQ(Le16(dib, 14), 24u);
  EXPECT_EQ(dib.size(), 40u + 100 * 12);
  for (std::size_t row = 0; row < 100; ++row) {
    for (std::size_t pad = 9; pad < 12; ++pad) EXPECT_EQ(dib[40 + row * 12 + pad], 0);
  }
  // The first row stored is the bottom one, blue first.
  EXPECT_EQ(dib[40], std::uint8_t(image.Get(0, 99) & 255));
  EXPECT_EQ(dib[42], std::uint8_t((image.Get(0, 99) >> 16) & 255));
}

TEST(DibEncode, MaskIsOneBitBlackThenWhiteWithWhiteAsSetBits) {
  Image mask(9, 2, kBlack);
  mask.Set(0, 0, kWhite);
  mask.Set(8, 1, kWhite);
  const Bytes dib = EncodeDib(mask, Storage::Mask);
  EXPECT_EQ(Le16(dib, 14), 1u);
  EXPECT_EQ(Le32(dib, 32), 2u);
  EXPECT_EQ(std::vector<std::uint8_t>(dib.begin() + 40, dib.begin() + 48),
            (std::vector<std::uint8_t>{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
  ASSERT_EQ(dib.size(), 48u + 2 * 4);  // 9 bits round up to 4 bytes a row
  // Bottom row first: pixel 8 is the top bit of its second byte.
  EXPECT_EQ((std::vector<std::uint8_t>(dib.begin() + 48, dib.end())),
            (std::vector<std::uint8_t>{0x00, 0x80, 0, 0, 0x80, 0x00, 0, 0}));
  EXPECT_EQ(DecodeDib(dib).pixels, mask.pixels);
}

TEST(DibEncode, RefusesAMaskWithAnyOtherColourAndAnEmptyPicture) {
  Image mask(2, 2, kWhite);
  mask.Set(1, 1, 0x808080);
  EXPECT_THROW(EncodeDib(mask, Storage::Mask), std::invalid_argument);
  EXPECT_THROW(EncodeDib(Image(), Storage::Colour), std::invalid_argument);
}

TEST(DibEncode, EveryDepthIsAcceptedByThePlatformReader) {
  for (int colours : {2, 16, 200, 1000}) {
    const Image image = Colourful(31, 20, colours);
    const Bytes dib = EncodeDib(image, Storage::Colour);
    platform::DibInfo info;
    ASSERT_TRUE(platform::ParsePackedDib(dib.data(), dib.size(), &info)) << colours;
    EXPECT_EQ(info.width, 31);
    EXPECT_EQ(info.height, 20);
    EXPECT_EQ(info.bitsOffset + info.stride * 20, dib.size());
  }
}

TEST(ArchiveWriter, WritesBigEndianCountAndSizesThenTheEntries) {
  const std::vector<Bytes> entries = {Bytes(0x0102, 7), Bytes{1, 2, 3}, Bytes{}};
  const Bytes archive = EncodeArchive(entries);
  ASSERT_EQ(archive.size(), 2 + 3 * 4 + 0x0102 + 3u);
  EXPECT_EQ(archive[0], 0);
  EXPECT_EQ(archive[1], 3);
  EXPECT_EQ((std::vector<std::uint8_t>(archive.begin() + 2, archive.begin() + 14)),
            (std::vector<std::uint8_t>{0, 0, 1, 2, 0, 0, 0, 3, 0, 0, 0, 0}));
  EXPECT_EQ(archive[14], 7);
  EXPECT_EQ((std::vector<std::uint8_t>(archive.end() - 3, archive.end())),
            (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(ArchiveWriter, RoundTripsThroughTheGamesArchiveReader) {
  std::vector<Bytes> entries;
  entries.push_back(EncodeDib(Colourful(10, 4, 5), Storage::Colour));
  entries.push_back(EncodeDib(Colourful(3, 9, 100), Storage::Colour));
  entries.push_back(EncodeDib(Image(17, 3, kWhite), Storage::Mask));
  entries.push_back(EncodeDib(Colourful(2, 2, 4), Storage::Colour));
  const Bytes archive = EncodeArchive(entries);
  const std::string path = std::string(FELDO_TEST_WORK_DIR) + "/artwork-roundtrip.DAT";
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(archive.data()), std::streamsize(archive.size()));
  }
  std::vector<Picture> pictures;
  EXPECT_EQ(ReadWholeArchive(path, 4, &pictures), 0);
  ASSERT_EQ(pictures.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    ASSERT_TRUE(pictures[i]) << i;
    EXPECT_EQ(Bytes(pictures[i].bytes, pictures[i].bytes + pictures[i].size), entries[i]) << i;
  }
  ReleasePictures();
  EXPECT_EQ(artwork_test::SplitArchive(archive), entries);
}

}  // namespace
}  // namespace artwork
