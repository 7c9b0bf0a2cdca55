// The loaders that fill the bitmap store: the pitch pictures, the flags, the team sheets by kit
// and the dark overlay sheets, each picture in its slot or field.
#include <gtest/gtest.h>

#include "archive/graphics_archive.h"
#include "presentation/bitmap_store.h"
#include "support/archive_test_support.h"

namespace archive_test {
namespace {

class Loaders : public ArchiveTest {
 protected:
  void SetUp() override {
    ArchiveTest::SetUp();
    entries_ = FullEntries();
    WriteGameArchive(MakeArchive(entries_));
  }
  bool Holds(const Picture& picture, const char* name) {
    const int position = FindInDirectory(name);
    return position != kNotInDirectory && SameBytes(picture, entries_[std::size_t(position)]);
  }
  std::vector<Bytes> entries_;
};

TEST_F(Loaders, PitchPicturesFillTheirSlotsAndClearTheRest) {
  const Picture stale = LoadPicture("WLDMAP.BMP");
  for (Picture& slot : bitmapStore.slots) slot = stale;
  LoadPitchPictures();

  const char* const names[27] = {
      "LGOAL.BMP",   "LGOALX.BMP",  "RGOAL.BMP",   "RGOALX.BMP",  "POLE.BMP",    "POLEX.BMP",
      "BALL.BMP",    "BALLX.BMP",   "KANBAN0.BMP", "KANBAN1.BMP", "PLYA_1X.BMP", "PLYB_1X.BMP",
      "PLYC_1X.BMP", "PLYD_1X.BMP", "PLYE_1X.BMP", "PLYF_1X.BMP", "PLYG_1X.BMP", "PLYH_1X.BMP",
      "PLYI_1X.BMP", "PLYJ_1X.BMP", "PLYK_1X.BMP", "PLYL_1X.BMP", "HD_1X.BMP",   "RUN1_1X.BMP",
      "RUN2_1X.BMP", "kansyuu.BMP", "kabe.BMP"};
  for (int slot = 0; slot < 27; ++slot) EXPECT_TRUE(Holds(bitmapStore.slots[slot], names[slot]));
  EXPECT_TRUE(Holds(bitmapStore.slots[145], "SCUP1.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.slots[146], "SCUP1X.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.aeroplane, "飛行機.BMP"));
  for (int slot = 27; slot < 150; ++slot) {
    if (slot != 145 && slot != 146) {
      EXPECT_FALSE(bitmapStore.slots[slot]) << slot;
    }
  }
}

TEST_F(Loaders, FlagPicturesFillTheirFields) {
  LoadFlagPictures();
  const char* const tape[6] = {"FBUKI1.BMP",  "FBUKI2.BMP",  "FBUKI3.BMP",
                               "FBUKI1X.BMP", "FBUKI2X.BMP", "FBUKI3X.BMP"};
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(Holds(bitmapStore.tickerTape[i], tape[i]));
  EXPECT_TRUE(Holds(bitmapStore.tunnel, "ENT.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.smallFlags[0], "SF_JPN.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.smallFlags[14], "SF_BRA.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.smallFlags[30], "SF_MOR.BMP"));
  for (int n = 0; n < 31; ++n) {
    EXPECT_TRUE(SameBytes(bitmapStore.smallFlags[n], entries_[std::size_t(434 + n)])) << n;
  }
}

// The 23 sheets of a kit: its own poses and running pictures, its class's goalkeeper and extra
// poses.
void ExpectTeamSheets(int firstSlot, int kit, int colourClass) {
  const Picture* slots = &bitmapStore.slots[std::size_t(firstSlot)];
  for (int pose = 0; pose < 8; ++pose) {
    const char letter = char('A' + pose);
    EXPECT_EQ(slots[pose].bytes, LoadPicture(platform::Format("PLY%c_%d.BMP", letter, kit)).bytes);
    EXPECT_EQ(slots[8 + pose].bytes,
              LoadPicture(platform::Format("PLY2%c_%d.BMP", letter, colourClass)).bytes);
  }
  for (int pose = 0; pose < 4; ++pose) {
    EXPECT_EQ(slots[16 + pose].bytes,
              LoadPicture(platform::Format("PLY%c_%d.BMP", char('I' + pose), colourClass)).bytes);
  }
  EXPECT_EQ(slots[20].bytes, LoadPicture(platform::Format("HD_%d.BMP", kit)).bytes);
  EXPECT_EQ(slots[21].bytes, LoadPicture(platform::Format("RUN1_%d.BMP", kit)).bytes);
  EXPECT_EQ(slots[22].bytes, LoadPicture(platform::Format("RUN2_%d.BMP", kit)).bytes);
  for (int i = 0; i < 23; ++i) EXPECT_TRUE(slots[i]) << i;
}

TEST_F(Loaders, TeamSheetsFollowTheKitAndItsClass) {
  ASSERT_EQ(PreloadCache(), 0);
  LoadTeamSheets(110, 9);
  EXPECT_TRUE(Holds(bitmapStore.slots[110], "PLYA_9.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.slots[118], "PLY2A_3.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.slots[129], "PLYL_3.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.slots[132], "RUN2_9.BMP"));
  EXPECT_FALSE(bitmapStore.slots[133]);
  EXPECT_FALSE(bitmapStore.slots[109]);

  const std::pair<int, int> kits[] = {{1, 1},  {3, 1},  {4, 2},  {6, 2},  {7, 3},  {12, 3},
                                      {13, 4}, {15, 4}, {16, 5}, {17, 5}, {18, 6}, {19, 6},
                                      {20, 7}, {21, 1}, {22, 2}, {23, 1}, {26, 1}, {27, 6}};
  for (const auto& [kit, colourClass] : kits) {
    SCOPED_TRACE(kit);
    LoadTeamSheets(30, kit);
    ExpectTeamSheets(30, kit, colourClass);
  }
}

TEST_F(Loaders, KitCodesOutsideTheRangeLoadKitOne) {
  ASSERT_EQ(PreloadCache(), 0);
  for (int kit : {0, 28, 255}) {
    SCOPED_TRACE(kit);
    bitmapStore.slots.fill(Picture{});
    LoadTeamSheets(110, kit);
    ExpectTeamSheets(110, 1, 1);
    EXPECT_TRUE(Holds(bitmapStore.slots[110], "PLYA_1.BMP"));
  }
}

TEST_F(Loaders, DarkOverlaySheetsSitFiftyAboveTheirMasks) {
  ASSERT_EQ(PreloadCache(), 0);
  LoadDarkOverlaySheets(60);
  for (int pose = 0; pose < 12; ++pose) {
    EXPECT_TRUE(Holds(bitmapStore.slots[60 + pose],
                      platform::Format("PLY%c_BM.BMP", char('A' + pose)).c_str()));
  }
  EXPECT_TRUE(Holds(bitmapStore.slots[72], "H_BM.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.slots[73], "RUN1_BM.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.slots[74], "RUN2_BM.BMP"));
  EXPECT_FALSE(bitmapStore.slots[75]);
}

TEST_F(Loaders, TeamSheetsNearTheEndOfTheStoreStayInside) {
  ASSERT_EQ(PreloadCache(), 0);
  LoadTeamSheets(140, 2);
  EXPECT_TRUE(Holds(bitmapStore.slots[149], "PLY2B_1.BMP"));
}

}  // namespace
}  // namespace archive_test
