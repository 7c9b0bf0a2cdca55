// The bracket after each knockout round, the supporters' steps, the victory photo's frames
// and the pictures each pairing loads.
#include <gtest/gtest.h>

#include "archive/graphics_archive.h"
#include "base/game_flow_state.h"
#include "competition/fixtures.h"
#include "match/caption_state.h"
#include "match/ceremonies.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "presentation/bracket_screen.h"
#include "presentation/ceremony_drawing.h"
#include "presentation/pitch_match_view.h"
#include "support/archive_test_support.h"
#include "support/screen_test_support.h"

namespace {

using screen_test::Rgb;

constexpr auto kBlack = Rgb(0, 0, 0);
constexpr auto kRed = Rgb(255, 0, 0);
constexpr auto kNameRed = Rgb(250, 0, 0);
constexpr auto kTape1 = Rgb(255, 255, 0), kTape2 = Rgb(0, 255, 255), kTape3 = Rgb(255, 0, 255);
constexpr auto kFlag1 = Rgb(200, 0, 0), kFlag2 = Rgb(0, 0, 200);

class Bracket : public screen_test::ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    knockoutTable.bracket = {1, 7, 15, 26, 8, 21, 12, 3};
  }
  void Draw() {
    DrawBracketLines(dc, 10, 40, 8, 20);
    DrawBracketNames(dc, 10, 40, 8, 20);
  }
  // The nation's name in its box, red while it is still in, and the box's frame to match.
  void ExpectBox(bool right, int row, bool stillIn) {
    const int entry = right ? kBracketRightColumn[row] : kBracketLeftColumn[row];
    const int nation = knockoutTable.bracket[entry];
    const int x = right ? 10 + 52 * 8 : 10;
    const int y = 40 + 40 * row;
    EXPECT_TRUE(TextAt(x + 4, y + 2, Name(nation) + " ", stillIn ? kNameRed : kBlack))
        << right << row;
    EXPECT_EQ(Pixel(x + 60, y), stillIn ? kRed : kBlack) << right << row;
  }
};

TEST_F(Bracket, BeforeTheFirstRoundAllIsBlack) {
  Draw();
  for (int row = 0; row < 4; ++row) {
    ExpectBox(false, row, false);
    ExpectBox(true, row, false);
  }
  EXPECT_EQ(Count(kRed, 0, 0, 600, 300), 0);
  EXPECT_EQ(Count(kNameRed, 0, 0, 600, 300), 0);
}

TEST_F(Bracket, AfterTheFirstRoundTheSemiFinalistsAreRed) {
  knockoutTable.semiFinalists = {26, 15, 8, 3};  // rows 1, 2 left and 0, 1 right
  gameFlow.roundIndex = 1;
  Draw();
  const bool left[4] = {false, true, true, false}, right[4] = {true, true, false, false};
  for (int row = 0; row < 4; ++row) {
    ExpectBox(false, row, left[row]);
    ExpectBox(true, row, right[row]);
  }
  // The winners' stubs and the ties' stubs inwards are red; the side joins not yet.
  EXPECT_EQ(Pixel(10 + 128 + 20, 40 + 40 + 10), kRed);
  EXPECT_EQ(Pixel(10 + 128 + 20, 40 + 10), kBlack);
  EXPECT_EQ(Pixel(10 + 21 * 8 + 20, 40 + 30), kRed);
  EXPECT_EQ(Pixel(10 + 26 * 8, 40 + 50), kBlack);
}

TEST_F(Bracket, AfterTheSemiFinalsOnlyTheFinalistsBoxesStayRed) {
  knockoutTable.semiFinalists = {26, 15, 8, 3};
  knockoutTable.finalists = {15, 8};
  gameFlow.roundIndex = 2;
  Draw();
  const bool left[4] = {false, false, true, false}, right[4] = {true, false, false, false};
  for (int row = 0; row < 4; ++row) {
    ExpectBox(false, row, left[row]);
    ExpectBox(true, row, right[row]);
  }
  // The beaten semi-finalist's path stays red up to its tie's stub.
  EXPECT_EQ(Pixel(10 + 128 + 20, 40 + 40 + 10), kRed);
  EXPECT_EQ(Pixel(10 + 21 * 8 + 20, 40 + 30), kRed);
  // The side joins: red for the finalist's tie (lower left), black for the other.
  EXPECT_EQ(Pixel(10 + 26 * 8, 40 + 90), kRed);
  EXPECT_EQ(Pixel(10 + 26 * 8, 40 + 50), kBlack);
  // The final line stays black.
  EXPECT_EQ(Pixel(10 + 34 * 8, 40 + 70), kBlack);
}

// Synthetic pictures: the supporters' flags in two colours, and three tapes that show one
// 3 × 3 block at (2, 2) in their own colour and leave everything else alone.
class TopStripAndPhoto : public screen_test::ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    ResetSupporters();
    ResetVictoryCelebration();
    for (std::size_t side = 0; side < 2; ++side) {
      bitmapStore.supportersFlag1[side] = Keep(pitch_test::SolidPicture(40, 28, kFlag1));
      bitmapStore.supportersFlag2[side] = Keep(pitch_test::SolidPicture(40, 28, kFlag2));
    }
    const platform::Color tapes[3] = {kTape1, kTape2, kTape3};
    for (std::size_t t = 0; t < 3; ++t) {
      const auto inBlock = [](int x, int y) { return x >= 2 && x < 5 && y >= 2 && y < 5; };
      bitmapStore.tickerTape[t] = Keep(pitch_test::MakePicture(
          90, 40, [&](int x, int y) { return inBlock(x, y) ? tapes[t] : kBlack; }));
      bitmapStore.tickerTape[3 + t] = Keep(pitch_test::MakePicture(
          90, 40, [&](int x, int y) { return inBlock(x, y) ? kBlack : Rgb(255, 255, 255); }));
    }
  }
  void TearDown() override {
    ResetSupporters();
    ResetVictoryCelebration();
    ScreenTest::TearDown();
  }
};

TEST_F(TopStripAndPhoto, SupportersFlagEveryFourthStepAndNoTapeOnTheFourth) {
  SetUpSupporters();
  const platform::Color flags[13] = {kFlag1, kFlag1, kFlag1, kFlag1, kFlag1, kFlag2, kFlag2,
                                     kFlag2, kFlag2, kFlag1, kFlag1, kFlag1, kFlag1};
  const platform::Color tapes[8] = {kTape1, kTape2, kTape3, Rgb(255, 255, 255),
                                    kTape1, kTape2, kTape3, Rgb(255, 255, 255)};
  for (int step = 0; step < 13; ++step) {
    SCOPED_TRACE(step + 1);
    Clear(Rgb(255, 255, 255));
    DrawSupportersA(dc, 0);
    EXPECT_EQ(Pixel(150, 20), flags[step]);
    EXPECT_EQ(Pixel(3, 3), tapes[step % 8 == 3 || step % 8 == 7 ? 3 : step % 4]);
    EXPECT_EQ(Pixel(53, 3), Pixel(3, 3));
    EXPECT_EQ(Pixel(183, 3), Pixel(3, 3));
  }
}

TEST_F(TopStripAndPhoto, TeamBSupportersAtTheRightOfTheStrip) {
  SetUpSupporters();
  const int w = 900;
  DrawSupportersB(dc, w - 140);
  EXPECT_EQ(Pixel(w - 180 + 10, 20), kFlag1);
  for (int spot : {w - 260, w - 310, w - 140, w - 90}) EXPECT_EQ(Pixel(spot + 3, 3), kTape1);
  EXPECT_EQ(supporters.tapeStep[0], 0);  // team A's counter is its own
}

TEST_F(TopStripAndPhoto, StreamersFromTheSecondSideDrawnOnAndTheirFramesTurn) {
  SetUpSupporters();
  Clear(kBlack);
  DrawSupportersA(dc, 0);  // the countdown goes 2 -> 1: no streamers yet
  EXPECT_EQ(Count(Rgb(255, 255, 255), 0, 0, 130, 30), 0);
  DrawSupportersB(dc, 760);  // from 1 on they are drawn, the countdown stays 1
  EXPECT_EQ(supporters.countdown, 1);
  EXPECT_GT(Count(Rgb(255, 255, 255), 900 - 260 + 30, 0, 900 - 260 + 70, 30), 20);
  EXPECT_EQ(supporters.streamers[4].frame, 1);  // streamer 5 starts at frame 1
  for (int i = 0; i < 3; ++i) AdvanceStreamers();
  EXPECT_EQ(supporters.streamers[4].frame, 4);
  AdvanceStreamers();
  EXPECT_EQ(supporters.streamers[4].frame, 1);
}

TEST_F(TopStripAndPhoto, VictoryPhotoFramesInOrder) {
  gameFlow.userNation = 7;
  DrawVictoryScreen(dc);
  EXPECT_EQ(victoryCelebration.animating, 1);
  EXPECT_EQ(victoryCelebration.countdown, 10);
  EXPECT_EQ(victoryCelebration.photoPoses[0], 4);  // pose 3 turns to 4, 4 to 5, 5 to 4
  EXPECT_EQ(victoryCelebration.photoPoses[1], 5);
  EXPECT_EQ(victoryCelebration.photoPoses[2], 4);
  const platform::Color none = Rgb(0, 240, 0);  // the pitch green behind the photo
  const platform::Color expected[12] = {none,   kTape1, kTape1, kTape2, kTape2, kTape2,
                                        kTape3, kTape3, kTape3, none,   none,   kTape1};
  for (int frame = 0; frame < 12; ++frame) {
    SCOPED_TRACE(frame + 1);
    if (frame > 0) DrawTeamPhotoFrame(dc);
    for (int y : {30, 55, 80}) EXPECT_EQ(Pixel(40 + 3, y + 3), expected[frame]);
  }
  EXPECT_EQ(victoryCelebration.photoPoses[1], 4);  // twelve frames: back where it began
  // Redrawing the screen (a paint) neither restarts the countdown nor the photo.
  victoryCelebration.countdown = 3;
  DrawVictoryScreen(dc);
  EXPECT_EQ(victoryCelebration.countdown, 3);
  EXPECT_EQ(victoryCelebration.photoStep, 3);
  // Once the game flow clears the flag the next victory starts over.
  victoryCelebration.animating = 0;
  DrawVictoryScreen(dc);
  EXPECT_EQ(victoryCelebration.countdown, 10);
}

class PairingCeremonyPictures : public archive_test::ArchiveTest {
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
    ResetVictoryCelebration();
    InitTeamDatabase();
    SetMatchView(PitchMatchView(nullptr));
  }
  void TearDown() override {
    SetMatchView(nullptr);
    ResetMatchRecords();
    ResetGameFlow();
    ResetNationRecords();
    ResetVictoryCelebration();
    bitmapStore = BitmapStore{};
    ArchiveTest::TearDown();
  }
  bool Holds(const Picture& picture, const std::string& name) {
    const int position = FindInDirectory(name);
    return position != kNotInDirectory &&
           archive_test::SameBytes(picture, entries_[std::size_t(position)]);
  }
  std::vector<archive_test::Bytes> entries_;
};

TEST_F(PairingCeremonyPictures, UfoByKitClassWithTwoKitsOfTheirOwn) {
  for (int kit = 1; kit <= 27; ++kit) {
    match.kitA = std::uint8_t(kit);
    match.kitB = std::uint8_t(28 - kit);
    LoadCeremonyPictures();
    const int a = kit == 16 ? 9 : kit == 21 ? 8 : KitColourClass(kit);
    const int b = 28 - kit == 16 ? 9 : 28 - kit == 21 ? 8 : KitColourClass(28 - kit);
    EXPECT_TRUE(Holds(bitmapStore.ufo[0], platform::Format("UFO%d.bmp", a))) << kit;
    EXPECT_TRUE(Holds(bitmapStore.ufo[1], platform::Format("UFO%d.bmp", b))) << kit;
  }
}

TEST_F(PairingCeremonyPictures, CrowdsAndFlagsOfBothNationsThroughTheOpponentChoice) {
  gameFlow.mode = Mode::kFriendly;
  gameFlow.userNation = 10;  // the Netherlands' crowd is 8 whatever its kit
  gameFlow.chosenOpponent = 15;
  SelectOpponent();
  EXPECT_TRUE(Holds(bitmapStore.crowd[0], "KANSYUU8.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.crowd[1],
                    platform::Format("KANSYUU%d.BMP", KitColourClass(TeamTable[14].firstKit))));
  EXPECT_TRUE(Holds(bitmapStore.supportersFlag1[0], "SS1F_DCH.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.supportersFlag2[0], "SS2F_DCH.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.supportersFlag1[1], "SS1F_BRA.BMP"));
  EXPECT_TRUE(Holds(bitmapStore.supportersFlag2[1], "SS2F_BRA.BMP"));
  // The youth selection has no supporters' flag.
  match.kitsLoaded = 0;
  gameFlow.mode = Mode::kPractice;
  gameFlow.chosenOpponent = kPracticeOpponent;
  SelectOpponent();
  EXPECT_FALSE(bitmapStore.supportersFlag1[1]);
  EXPECT_FALSE(bitmapStore.supportersFlag2[1]);
}

TEST_F(PairingCeremonyPictures, TheEntranceSetsUpTheSupporters) {
  ResetSupporters();
  StartEntrance();
  EXPECT_EQ(supporters.countdown, 2);
  EXPECT_EQ(supporters.streamers[0].x, 42);
  EXPECT_EQ(supporters.streamers[7].y, 7);
  EXPECT_EQ(supporters.streamers[7].frame, 4);
  ResetSupporters();
}

TEST_F(PairingCeremonyPictures, JoyPictureByNationAndReloadedForAnotherNation) {
  const int cases[][2] = {{10, 8},  {23, 10}, {24, 10},
                          {25, 10}, {26, 11}, {15, 12},
                          {18, 7},  {20, 4},  {7, KitColourClass(TeamTable[7].firstKit)}};
  platform::DeviceContext* dc = platform::CreateCompatibleDC(nullptr);
  for (const auto& [nation, joy] : cases) {
    gameFlow.userNation = std::uint8_t(nation);
    victoryCelebration.animating = 0;
    DrawVictoryScreen(dc);
    EXPECT_TRUE(Holds(bitmapStore.joy, platform::Format("歓喜%d.BMP", joy))) << nation;
    EXPECT_TRUE(
        Holds(bitmapStore.teamPhoto, platform::Format("MF_%s.BMP", kPictureAbbreviations[nation])))
        << nation;
  }
  EXPECT_TRUE(Holds(bitmapStore.teamPhotoMask, "MF_X.BMP"));
  platform::DeleteDC(dc);
}

}  // namespace
