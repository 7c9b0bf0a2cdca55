// The pictures a new pairing loads: both sides' sprite sheets by their kits and the dark
// overlay sheets, once per pairing, through the pitch view that the game installs.
#include <gtest/gtest.h>

#include "archive/graphics_archive.h"
#include "base/game_flow_state.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "presentation/bitmap_store.h"
#include "presentation/pitch_match_view.h"
#include "support/archive_test_support.h"

namespace {

constexpr int kCanada = 22, kCostaRica = 24, kGermany = 7;

class PairingPictures : public archive_test::ArchiveTest {
 protected:
  void SetUp() override {
    ArchiveTest::SetUp();
    entries_ = archive_test::FullEntries();
    WriteGameArchive(archive_test::MakeArchive(entries_));
    ASSERT_EQ(PreloadCache(), 0);
    ResetMatchRecords();
    ResetGameFlow();
    ResetFixtureRecords();
    ResetNationRecords();
    InitTeamDatabase();
    SetMatchView(PitchMatchView(nullptr));
  }
  void TearDown() override {
    SetMatchView(nullptr);
    ResetMatchRecords();
    ResetGameFlow();
    ResetNationRecords();
    ArchiveTest::TearDown();
  }
  bool Holds(int slot, const char* name) {
    const int position = FindInDirectory(name);
    return position != kNotInDirectory &&
           archive_test::SameBytes(bitmapStore.slots[std::size_t(slot)],
                                   entries_[std::size_t(position)]);
  }
  static void Friendly(int user, int opponent) {
    gameFlow.mode = Mode::kFriendly;
    gameFlow.userNation = static_cast<std::uint8_t>(user);
    gameFlow.chosenOpponent = static_cast<std::uint8_t>(opponent + 1);
    SelectOpponent();
  }
  std::vector<archive_test::Bytes> entries_;
};

TEST_F(PairingPictures, SheetsFollowTheKitsWorn) {
  Friendly(kCanada, kCostaRica);  // Costa Rica changes to its second kit, 2
  EXPECT_TRUE(Holds(110, "PLYA_7.BMP"));
  EXPECT_TRUE(Holds(118, "PLY2A_3.BMP"));
  EXPECT_TRUE(Holds(132, "RUN2_7.BMP"));
  EXPECT_TRUE(Holds(30, "PLYA_2.BMP"));
  EXPECT_TRUE(Holds(38, "PLY2A_1.BMP"));
  EXPECT_TRUE(Holds(52, "RUN2_2.BMP"));
  EXPECT_TRUE(Holds(60, "PLYA_BM.BMP"));
  EXPECT_TRUE(Holds(74, "RUN2_BM.BMP"));
  EXPECT_EQ(match.kitsLoaded, 1);
}

TEST_F(PairingPictures, LoadedOncePerPairing) {
  Friendly(kCanada, kCostaRica);
  bitmapStore.slots.fill(Picture{});
  Friendly(kCanada, kGermany);
  EXPECT_FALSE(bitmapStore.slots[110]);
  EXPECT_FALSE(bitmapStore.slots[30]);
  EXPECT_FALSE(bitmapStore.slots[60]);

  // A new pairing (the game flow clears kitsLoaded) loads again.
  match.kitsLoaded = 0;
  Friendly(kCanada, kGermany);
  EXPECT_TRUE(Holds(110, "PLYA_7.BMP"));
  EXPECT_TRUE(Holds(30, "PLYA_3.BMP"));
  EXPECT_TRUE(Holds(60, "PLYA_BM.BMP"));
}

}  // namespace
