// Damaged entries: every kind of header that does not describe its bytes yields a null
// picture, in the cache as when read by name, while the valid pictures around it load. And the
// header helpers over valid pictures.
#include <gtest/gtest.h>

#include <functional>

#include "archive/graphics_archive.h"
#include "presentation/bitmap_store.h"
#include "support/archive_test_support.h"

namespace archive_test {
namespace {

struct BadEntry {
  const char* name;
  std::function<Bytes()> make;
};

Bytes Patched(Bytes dib, std::size_t at, std::uint32_t value, int width = 4) {
  if (width == 2) {
    PutLe16(&dib, at, int(value));
  } else {
    PutLe32(&dib, at, value);
  }
  return dib;
}

Bytes Truncated(Bytes dib, std::size_t size) {
  dib.resize(size);
  return dib;
}

const BadEntry kBadEntries[] = {
    {"Empty", [] { return Bytes{}; }},
    {"ShorterThanAnyHeader", [] { return Truncated(MakeDib(8, 2, 1, 0), 11); }},
    {"HeaderSizeZero", [] { return Patched(MakeDib(8, 2, 8, 0), 0, 0); }},
    {"HeaderSizeBetween", [] { return Patched(MakeDib(8, 2, 8, 0), 0, 24); }},
    {"HeaderSizeHuge", [] { return Patched(MakeDib(8, 2, 8, 0), 0, 0xFFFFFFFFu); }},
    {"HeaderLongerThanEntry", [] { return Truncated(MakeDib(8, 2, 24, 0), 39); }},
    {"WidthZero", [] { return Patched(MakeDib(8, 2, 8, 0), 4, 0); }},
    {"WidthNegative", [] { return Patched(MakeDib(8, 2, 8, 0), 4, 0xFFFFFFF8u); }},
    {"WidthHuge", [] { return Patched(MakeDib(8, 2, 8, 0), 4, 100000); }},
    {"HeightZero", [] { return Patched(MakeDib(8, 2, 8, 0), 8, 0); }},
    {"HeightNegative", [] { return Patched(MakeDib(8, 2, 8, 0), 8, 0xFFFFFFFEu); }},
    {"HeightBeyondRows", [] { return Patched(MakeDib(8, 2, 8, 0), 8, 3); }},
    {"BitCountZero", [] { return Patched(MakeDib(8, 2, 8, 0), 14, 0, 2); }},
    {"BitCountTwo", [] { return Patched(MakeDib(8, 2, 8, 0), 14, 2, 2); }},
    {"BitCountSixteen", [] { return Patched(MakeDib(8, 2, 8, 0), 14, 16, 2); }},
    {"BitCountThirtyTwo", [] { return Patched(MakeDib(8, 2, 8, 0), 14, 32, 2); }},
    {"BitCountHuge", [] { return Patched(MakeDib(8, 2, 8, 0), 14, 0xFFFF, 2); }},
    {"Compressed", [] { return Patched(MakeDib(8, 2, 8, 0), 16, 1); }},
    {"ColourTableBeyondEntry", [] { return Patched(MakeDib(8, 2, 1, 0), 32, 200); }},
    {"ColoursUsedHuge", [] { return Patched(MakeDib(8, 2, 8, 0), 32, 0x40000000u); }},
    {"RowsCutShort", [] { return Truncated(MakeDib(8, 4, 24, 0), 40 + 24 * 4 - 1); }},
    {"TableCutShort", [] { return Truncated(MakeDib(8, 1, 8, 0), 40 + 1024 - 1); }},
    {"CoreWidthZero", [] { return Patched(MakeDib(8, 2, 4, 0, true), 4, 0, 2); }},
    {"CoreHeightHuge", [] { return Patched(MakeDib(8, 2, 4, 0, true), 6, 60000, 2); }},
    {"CoreBitCountSixteen", [] { return Patched(MakeDib(8, 2, 4, 0, true), 10, 16, 2); }},
    {"CoreRowsCutShort", [] { return Truncated(MakeDib(8, 2, 4, 0, true), 12 + 48 + 7); }},
};

class DamagedEntry : public ArchiveTest, public ::testing::WithParamInterface<BadEntry> {};

TEST_P(DamagedEntry, IsNullWhereverItIsRead) {
  // The bad entry stands at position 0 (read by name) and 31 ("PLYA_1.BMP", cached).
  std::vector<Bytes> entries = FullEntries();
  entries[0] = GetParam().make();
  entries[31] = GetParam().make();
  WriteGameArchive(MakeArchive(entries));

  EXPECT_FALSE(LoadPicture("WLDMAP.BMP"));
  EXPECT_EQ(graphicsArchive.archiveError, 2);
  EXPECT_TRUE(SameBytes(LoadPicture("LGOAL.BMP"), entries[1]));
  EXPECT_EQ(graphicsArchive.archiveError, 0);

  EXPECT_EQ(PreloadCache(), 1);
  EXPECT_EQ(graphicsArchive.archiveError, 2);
  EXPECT_EQ(CountCachedPictures(), 395);
  LoadTeamSheets(110, 1);
  EXPECT_FALSE(bitmapStore.slots[110]);
  EXPECT_TRUE(SameBytes(bitmapStore.slots[111], entries[32]));
  EXPECT_TRUE(SameBytes(bitmapStore.slots[132], entries[41]));
  EXPECT_EQ(CountHeldPictures(), 1u + 395u);

  // The launcher's reader treats it the same way.
  WriteBytes("ODAT.DAT", MakeArchive({EntryFor(0), GetParam().make(), EntryFor(2), EntryFor(3)}));
  std::vector<Picture> pictures;
  EXPECT_EQ(ReadWholeArchive("ODAT.DAT", 4, &pictures), 2);
  EXPECT_TRUE(pictures[0]);
  EXPECT_FALSE(pictures[1]);
  EXPECT_TRUE(SameBytes(pictures[3], EntryFor(3)));
}

TEST_P(DamagedEntry, OutsideTheCacheStillFailsThePreload) {
  // Only the world map (read by name, later) is damaged: the start-up check reports it while
  // every cached picture is kept, and nothing of the map is held.
  std::vector<Bytes> entries = FullEntries();
  entries[0] = GetParam().make();
  WriteGameArchive(MakeArchive(entries));
  EXPECT_EQ(PreloadCache(), 1);
  EXPECT_EQ(graphicsArchive.archiveError, 2);
  EXPECT_EQ(CountCachedPictures(), 396);
  EXPECT_EQ(CountHeldPictures(), 396u);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DamagedEntry, ::testing::ValuesIn(kBadEntries),
                         [](const ::testing::TestParamInfo<BadEntry>& info) {
                           return std::string(info.param.name);
                         });

using GoodEntry = ArchiveTest;

TEST_F(GoodEntry, EveryAcceptedKindLoadsAndItsHeaderReadsBack) {
  struct Case {
    int width, height, bitCount;
    bool core;
    std::size_t tableBytes;
  };
  const Case cases[] = {{1, 1, 1, false, 8},  {33, 7, 4, false, 64}, {17, 3, 8, false, 1024},
                        {5, 9, 24, false, 0}, {8, 2, 1, true, 6},    {7, 5, 4, true, 48},
                        {3, 4, 8, true, 768}, {6, 6, 24, true, 0},   {4096, 1, 1, false, 8}};
  std::vector<Bytes> entries = FullEntries();
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    entries[i] = MakeDib(cases[i].width, cases[i].height, cases[i].bitCount, int(i), cases[i].core);
  }
  // A 40-byte header with a short colour table (colours used = 3).
  Bytes shortTable = MakeDib(4, 2, 8, 9);
  shortTable.erase(shortTable.begin() + 40 + 12, shortTable.begin() + 40 + 1024);
  PutLe32(&shortTable, 32, 3);
  entries[std::size(cases)] = shortTable;
  WriteGameArchive(MakeArchive(entries));

  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const Picture picture = LoadPicture(graphicsArchive.directory[i]);
    ASSERT_TRUE(SameBytes(picture, entries[i]));
    EXPECT_EQ(DibHeaderSize(picture), cases[i].core ? 12 : 40);
    EXPECT_EQ(DibWidth(picture), cases[i].width);
    EXPECT_EQ(DibHeight(picture), cases[i].height);
    const std::size_t headerSize = cases[i].core ? 12 : 40;
    EXPECT_EQ(DibBits(picture), picture.bytes + headerSize + cases[i].tableBytes);
    EXPECT_EQ(*DibBits(picture), std::uint8_t(i));  // the first row's tag
  }
  const Picture picture = LoadPicture(graphicsArchive.directory[std::size(cases)]);
  ASSERT_TRUE(SameBytes(picture, shortTable));
  EXPECT_EQ(DibBits(picture), picture.bytes + 40 + 12);
}

TEST(DibHelpers, NullPictureReadsAsNothing) {
  const Picture none;
  EXPECT_EQ(DibHeaderSize(none), 0);
  EXPECT_EQ(DibWidth(none), 0);
  EXPECT_EQ(DibHeight(none), 0);
  EXPECT_EQ(DibBits(none), nullptr);
}

}  // namespace
}  // namespace archive_test
