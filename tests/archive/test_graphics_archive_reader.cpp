// Reading the archive: pictures by name, the preload of the cache, the count check, archives
// cut short, the launcher's whole-archive read, the check after the first paint and the
// release of the picture memory.
#include <gtest/gtest.h>

#include "archive/graphics_archive.h"
#include "presentation/bitmap_store.h"
#include "support/archive_test_support.h"

namespace archive_test {
namespace {

using ArchiveRead = ArchiveTest;

TEST_F(ArchiveRead, PicturesComeBackByNameWithTheirBytes) {
  const std::vector<Bytes> entries = FullEntries();
  WriteGameArchive(MakeArchive(entries));

  for (int position : {0, 1, 26, 30, 427, 465, 578, 587}) {
    const Picture picture = LoadPicture(graphicsArchive.directory[std::size_t(position)]);
    EXPECT_TRUE(SameBytes(picture, entries[std::size_t(position)])) << position;
    EXPECT_EQ(graphicsArchive.archiveError, 0);
  }
  ASSERT_EQ(PreloadCache(), 0);
  EXPECT_EQ(graphicsArchive.archiveError, 0);
  EXPECT_EQ(CountCachedPictures(), 396);
  for (int position = 31; position <= 426; ++position) {
    const Picture picture = LoadPicture(graphicsArchive.directory[std::size_t(position)]);
    ASSERT_TRUE(SameBytes(picture, entries[std::size_t(position)])) << position;
  }
}

TEST_F(ArchiveRead, CachedAndAlreadyReadPicturesNeedNoFile) {
  const std::vector<Bytes> entries = FullEntries();
  WriteGameArchive(MakeArchive(entries));
  const Picture ball = LoadPicture("BALL.BMP");
  ASSERT_EQ(PreloadCache(), 0);
  ASSERT_TRUE(platform::DeleteFile("GDAT.DAT"));

  graphicsArchive.archiveError = 7;
  EXPECT_TRUE(SameBytes(LoadPicture("PLYC_5.BMP"), entries[31 + 11 * 4 + 2]));
  const Picture again = LoadPicture("BALL.BMP");
  EXPECT_EQ(again.bytes, ball.bytes);
  EXPECT_EQ(graphicsArchive.archiveError, 7);

  EXPECT_FALSE(LoadPicture("BALLX.BMP"));
  EXPECT_EQ(graphicsArchive.archiveError, -1);
}

TEST_F(ArchiveRead, CachedNamesBeforeThePreloadAreNull) {
  WriteGameArchive(MakeArchive(FullEntries()));
  graphicsArchive.archiveError = 7;
  EXPECT_FALSE(LoadPicture("PLYA_1.BMP"));
  EXPECT_EQ(graphicsArchive.archiveError, 7);
}

TEST_F(ArchiveRead, NamesOutsideTheDirectoryLeaveTheErrorAlone) {
  WriteGameArchive(MakeArchive(FullEntries()));
  graphicsArchive.archiveError = 10;
  EXPECT_FALSE(LoadPicture("UFO1.BMP"));
  EXPECT_FALSE(LoadPicture("NOSUCH.BMP"));
  EXPECT_EQ(graphicsArchive.archiveError, 10);
}

TEST_F(ArchiveRead, FirstEntryIsReadWithoutTheRest) {
  // The size table promises 588 entries, but the file ends inside the second one.
  Bytes bytes = MakeArchive(FullEntries());
  const std::size_t firstEntryEnd = 2 + 4 * 588 + EntryFor(0).size();
  bytes.resize(firstEntryEnd + 5);
  WriteGameArchive(bytes);

  EXPECT_TRUE(SameBytes(LoadPicture("WLDMAP.BMP"), EntryFor(0)));
  EXPECT_EQ(graphicsArchive.archiveError, 0);
  EXPECT_FALSE(LoadPicture("LGOAL.BMP"));
  EXPECT_EQ(graphicsArchive.archiveError, 2);
}

TEST_F(ArchiveRead, CountsOtherThanTheDirectoryAreRejected) {
  for (int count : {587, 589}) {
    SCOPED_TRACE(count);
    ResetGraphicsArchive();
    ResetBitmapStore();
    BuildDirectory();
    WriteGameArchive(MakeArchive(FullEntries(count)));
    EXPECT_FALSE(LoadPicture("WLDMAP.BMP"));
    EXPECT_EQ(graphicsArchive.archiveError, 2);
    EXPECT_EQ(PreloadCache(), 1);
    EXPECT_EQ(graphicsArchive.archiveError, 2);
    EXPECT_EQ(CountCachedPictures(), 0);
    EXPECT_EQ(CountHeldPictures(), 0u);
  }
}

TEST_F(ArchiveRead, ACountFieldThatLiesAboutItsTableIsRejected) {
  // 588 entries with a count field of 587: the table is read as one entry shorter.
  WriteGameArchive(MakeArchive(FullEntries(), 587));
  EXPECT_EQ(PreloadCache(), 1);
  EXPECT_EQ(graphicsArchive.archiveError, 2);
}

TEST_F(ArchiveRead, HeadersCutShortAreShortReads) {
  const Bytes whole = MakeArchive(FullEntries());
  for (std::size_t length : {std::size_t(0), std::size_t(1), std::size_t(2), std::size_t(100),
                             std::size_t(2 + 4 * 588 - 1)}) {
    SCOPED_TRACE(length);
    WriteGameArchive(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(length)));
    EXPECT_FALSE(LoadPicture("WLDMAP.BMP"));
    EXPECT_EQ(graphicsArchive.archiveError, 2);
    EXPECT_EQ(PreloadCache(), 1);
    EXPECT_EQ(graphicsArchive.archiveError, 2);
  }
}

TEST_F(ArchiveRead, MissingArchiveIsErrorMinusOne) {
  BuildCacheList();
  EXPECT_FALSE(LoadPicture("WLDMAP.BMP"));
  EXPECT_EQ(graphicsArchive.archiveError, -1);
  EXPECT_EQ(PreloadCache(), 1);
  EXPECT_EQ(graphicsArchive.archiveError, -1);
}

TEST_F(ArchiveRead, ArchiveCutShortInsideTheDataFailsThePreload) {
  const std::vector<Bytes> entries = FullEntries();
  Bytes bytes = MakeArchive(entries);
  // Cut inside entry 200 (a cached kit sheet).
  std::size_t offset = 2 + 4 * 588;
  for (int i = 0; i < 200; ++i) offset += entries[std::size_t(i)].size();
  bytes.resize(offset + 10);
  WriteGameArchive(bytes);

  EXPECT_EQ(PreloadCache(), 1);
  EXPECT_EQ(graphicsArchive.archiveError, 2);
  // The sheets read before the cut stay; the rest are null.
  EXPECT_EQ(CountCachedPictures(), 200 - 31);
  EXPECT_TRUE(SameBytes(LoadPicture(graphicsArchive.directory[199]), entries[199]));
  EXPECT_FALSE(LoadPicture(graphicsArchive.directory[200]));
  // Pictures in front of the cut still load on their own.
  EXPECT_TRUE(SameBytes(LoadPicture("kabe.BMP"), entries[27]));
  EXPECT_FALSE(LoadPicture("UFO9.bmp"));
  EXPECT_EQ(graphicsArchive.archiveError, 2);
}

TEST_F(ArchiveRead, SizeTablesClaimingMoreThanTheFileAreShortReads) {
  const std::vector<Bytes> entries = FullEntries();
  std::vector<std::uint32_t> sizes;
  for (const Bytes& entry : entries) sizes.push_back(std::uint32_t(entry.size()));

  sizes.back() += 1;  // one byte more than the file holds
  WriteGameArchive(MakeArchive(entries, -1, &sizes));
  EXPECT_EQ(PreloadCache(), 1);
  EXPECT_EQ(graphicsArchive.archiveError, 2);
  EXPECT_FALSE(LoadPicture("UFO9.bmp"));
  EXPECT_EQ(graphicsArchive.archiveError, 2);

  // A size near 4 GiB in the middle: read through, not allocated, and short.
  ResetGraphicsArchive();
  ResetBitmapStore();
  BuildDirectory();
  sizes.back() -= 1;
  sizes[300] = 0xFFFFFFF0u;
  WriteGameArchive(MakeArchive(entries, -1, &sizes));
  EXPECT_EQ(PreloadCache(), 1);
  EXPECT_EQ(graphicsArchive.archiveError, 2);
  EXPECT_EQ(CountCachedPictures(), 300 - 31);
  EXPECT_FALSE(LoadPicture("MF_X.BMP"));
  EXPECT_EQ(graphicsArchive.archiveError, 2);
}

TEST_F(ArchiveRead, LaunchersArchiveIsReadWhole) {
  const std::vector<Bytes> entries = {MakeDib(40, 30, 8, 1), MakeDib(20, 10, 24, 2),
                                      MakeDib(16, 16, 4, 3, true), MakeDib(9, 5, 1, 4)};
  WriteBytes("ODAT.DAT", MakeArchive(entries));
  std::vector<Picture> pictures;
  EXPECT_EQ(ReadWholeArchive("ODAT.DAT", 4, &pictures), 0);
  ASSERT_EQ(pictures.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_TRUE(SameBytes(pictures[i], entries[i])) << i;
  EXPECT_EQ(graphicsArchive.archiveError, 0);
}

TEST_F(ArchiveRead, LaunchersArchiveKeepsWhatCameBeforeAFault) {
  const std::vector<Bytes> entries = {MakeDib(40, 30, 8, 1), MakeDib(20, 10, 24, 2),
                                      MakeDib(16, 16, 4, 3), MakeDib(9, 5, 1, 4)};
  std::vector<Picture> pictures;

  EXPECT_EQ(ReadWholeArchive("ODAT.DAT", 4, &pictures), -1);
  EXPECT_EQ(pictures.size(), 4u);
  for (const Picture& picture : pictures) EXPECT_FALSE(picture);

  WriteBytes("ODAT.DAT", MakeArchive(entries, 5));
  EXPECT_EQ(ReadWholeArchive("ODAT.DAT", 4, &pictures), 2);
  for (const Picture& picture : pictures) EXPECT_FALSE(picture);

  Bytes cut = MakeArchive(entries);
  cut.resize(2 + 16 + entries[0].size() + entries[1].size() + 3);
  WriteBytes("ODAT.DAT", cut);
  EXPECT_EQ(ReadWholeArchive("ODAT.DAT", 4, &pictures), 2);
  ASSERT_EQ(pictures.size(), 4u);
  EXPECT_TRUE(SameBytes(pictures[0], entries[0]));
  EXPECT_TRUE(SameBytes(pictures[1], entries[1]));
  EXPECT_FALSE(pictures[2]);
  EXPECT_FALSE(pictures[3]);
}

TEST_F(ArchiveRead, CheckAfterFirstPaintPreloadsOnce) {
  WriteBytes("GDAT.DAT", MakeArchive(FullEntries()));
  ResetGraphicsArchive();  // as if the directory had not been built yet
  ResetBitmapStore();
  EXPECT_FALSE(CheckArchiveAfterFirstPaint());
  EXPECT_EQ(graphicsArchive.directory.size(), 588u);
  EXPECT_EQ(graphicsArchive.playerNameCount, 396);
  EXPECT_EQ(CountCachedPictures(), 396);

  // Once the cache list exists the check does nothing, even with the archive gone.
  ASSERT_TRUE(platform::DeleteFile("GDAT.DAT"));
  const std::size_t held = CountHeldPictures();
  EXPECT_FALSE(CheckArchiveAfterFirstPaint());
  EXPECT_EQ(CountHeldPictures(), held);
}

TEST_F(ArchiveRead, CheckAfterFirstPaintReportsAMissingArchiveOnce) {
  EXPECT_TRUE(CheckArchiveAfterFirstPaint());
  EXPECT_EQ(graphicsArchive.archiveError, -1);
  EXPECT_FALSE(CheckArchiveAfterFirstPaint());
}

TEST_F(ArchiveRead, ReleaseLeavesNothingBehindAndLoadingWorksAgain) {
  const std::vector<Bytes> entries = FullEntries();
  WriteGameArchive(MakeArchive(entries));
  LoadPitchPictures();
  LoadFlagPictures();
  ASSERT_EQ(PreloadCache(), 0);
  LoadTeamSheets(110, 3);
  LoadDarkOverlaySheets(60);
  std::vector<Picture> launcher;
  WriteBytes("ODAT.DAT", MakeArchive({EntryFor(1), EntryFor(2), EntryFor(3), EntryFor(4)}));
  ASSERT_EQ(ReadWholeArchive("ODAT.DAT", 4, &launcher), 0);
  EXPECT_EQ(CountHeldPictures(), 30u + 38u + 396u + 4u);

  ReleasePictures();
  EXPECT_EQ(CountHeldPictures(), 0u);
  EXPECT_EQ(CountCachedPictures(), 0);
  for (const Picture& slot : bitmapStore.slots) EXPECT_FALSE(slot);
  EXPECT_FALSE(bitmapStore.aeroplane);
  EXPECT_FALSE(bitmapStore.tunnel);
  for (const Picture& flag : bitmapStore.smallFlags) EXPECT_FALSE(flag);
  for (const Picture& tape : bitmapStore.tickerTape) EXPECT_FALSE(tape);
  EXPECT_FALSE(LoadPicture("PLYA_1.BMP"));  // the cache is empty again

  // The names stay; pictures load again from the archive.
  EXPECT_EQ(graphicsArchive.playerNameCount, 396);
  EXPECT_TRUE(SameBytes(LoadPicture("BALL.BMP"), entries[7]));
  ASSERT_EQ(PreloadCache(), 0);
  EXPECT_TRUE(SameBytes(LoadPicture("PLYA_1.BMP"), entries[31]));
  ReleasePictures();
  ReleasePictures();
  EXPECT_EQ(CountHeldPictures(), 0u);
}

TEST_F(ArchiveRead, PreloadingTwiceKeepsOneCopy) {
  WriteGameArchive(MakeArchive(FullEntries()));
  ASSERT_EQ(PreloadCache(), 0);
  const Picture first = LoadPicture("PLYA_1.BMP");
  ASSERT_EQ(PreloadCache(), 0);
  EXPECT_EQ(CountHeldPictures(), 396u);
  EXPECT_EQ(LoadPicture("PLYA_1.BMP").bytes, first.bytes);
}

}  // namespace
}  // namespace archive_test
