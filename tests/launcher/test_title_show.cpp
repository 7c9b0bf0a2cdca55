// The title show as it runs: when each letter comes, when the sounds start, what the window
// shows at those moments, the sound switch, and the four pictures (or the black frame without
// them).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "launcher/title_drawing.h"
#include "support/archive_test_support.h"
#include "support/launcher_test_support.h"

namespace launcher_test {
namespace {

using archive_test::Bytes;

constexpr int kStepEvery = 31;
constexpr int kStepEveryWithFolder = 4;

// The counts the show has after step `step` (from 1): both lines spelt out one letter per
// step, the second beginning on the step where the first reaches 16, then the countdown.
Moment ExpectedAfterStep(int step) {
  Moment m;
  m.first = step < 16 ? step : 16;
  m.second = step < 16 ? 0 : (step - 15 < 16 ? step - 15 : 16);
  m.countdown = step <= 31 ? 0 : (step - 31 < 7 ? step - 31 : 7);
  return m;
}

class TitleShow : public LauncherRun {
 protected:
  // Every tick from the first to the last show step: the counts change on the step ticks and
  // only there.
  void ExpectStepsEvery(int every) {
    for (int step = 1; step <= 37; ++step) {
      const std::uint64_t tick = StepTick(step, every);
      SCOPED_TRACE("step " + std::to_string(step) + " at tick " + std::to_string(tick));
      ASSERT_EQ(moments_.count(tick), 1u);
      const Moment want = ExpectedAfterStep(step);
      const Moment got = moments_[tick];
      EXPECT_EQ(got.first, want.first);
      EXPECT_EQ(got.second, want.second);
      EXPECT_EQ(got.countdown, want.countdown);
      const Moment before = moments_[tick - 1];
      const Moment wantBefore = step == 1 ? Moment{} : ExpectedAfterStep(step - 1);
      EXPECT_EQ(before.first, wantBefore.first);
      EXPECT_EQ(before.second, wantBefore.second);
      EXPECT_EQ(before.countdown, wantBefore.countdown);
    }
    // The 38th step starts the game and the launcher ends on that tick.
    EXPECT_EQ(moments_.rbegin()->first, StepTick(38, every) - 1);
    EXPECT_EQ(launcher.startCommands, 1);
  }
};

TEST_F(TitleShow, WithoutAFolderStepsEvery31TicksWithTheCheerFirstAndTheWhistleAfterTheTitle) {
  CopyArtwork(game_);
  WriteGame(game_);
  int folderGrey = 0;
  atTick_ = [&](std::uint64_t tick) {
    if (tick != 5) return;
    for (int x = 10; x < 60; ++x) folderGrey += PixelAt(x, 12) == kFolderBackground ? 1 : 0;
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(folderGrey, 0);  // no folder, no folder text
  EXPECT_EQ(moments_[100].first, 0);
  ExpectStepsEvery(kStepEvery);
  const std::vector<SoundStart> expected{{1, "KANSEI1.wav"},
                                         {StepTick(32, kStepEvery), "WHISTLE.wav"}};
  EXPECT_EQ(sounds_, expected);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(TitleShow, WithAFolderStepsEvery4TicksWithoutTheCheerAndShowsTheFolder) {
  // The launcher runs in one folder (where it finds its pictures and sounds) and is given
  // another, the game's.
  const fs::path elsewhere = folder_ / "elsewhere";
  fs::create_directories(elsewhere);
  CopyArtwork(elsewhere);
  WriteGame(game_);
  fs::current_path(elsewhere);
  bool folderShown = false;
  atTick_ = [&](std::uint64_t tick) {
    if (tick == 5) {
      for (int x = 10; x < 30; ++x) folderShown |= PixelAt(x, 12) == kFolderBackground;
    }
  };
  EXPECT_EQ(Run(game_.string()), 0);
  ExpectStepsEvery(kStepEveryWithFolder);
  const std::vector<SoundStart> expected{{StepTick(32, kStepEveryWithFolder), "WHISTLE.wav"}};
  EXPECT_EQ(sounds_, expected);
  EXPECT_TRUE(folderShown);
}

// The sound switch is the second byte of SEL_.DAT: anything but 0 silences cheer and whistle;
// a file too short to hold it leaves sound on. The show and the start are the same either way.
TEST_F(TitleShow, TheSoundSwitchSilencesBothSoundsAndNothingElse) {
  struct Case {
    Bytes settings;
    bool sounds;
  } cases[] = {{{3, 1}, false}, {{0, 0xFF}, false}, {{3, 0}, true}, {{3}, true}, {{}, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE("SEL_.DAT of " + std::to_string(c.settings.size()) + " bytes");
    hl::Shutdown();
    ResetLauncherState();
    ResetGraphicsArchive();
    moments_.clear();
    sounds_.clear();
    CopyArtwork(game_);
    WriteGame(game_);
    fs::remove(game_ / "started");
    if (!c.settings.empty()) archive_test::WriteBytes("SEL_.DAT", c.settings);
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(sounds_.size(), c.sounds ? 2u : 0u);
    EXPECT_EQ(moments_[StepTick(37, kStepEvery)].countdown, 6);
    EXPECT_TRUE(Report(game_).has_value());
    fs::remove("SEL_.DAT");
  }
}

// Four pictures of one colour each, at their real sizes, none of them reddish.
const platform::Color kPictureColours[4] = {platform::Rgb(0, 0, 96), platform::Rgb(0, 96, 0),
                                            platform::Rgb(40, 40, 40), platform::Rgb(0, 64, 64)};
const int kPictureWidths[4] = {410, 220, 410, 220};

Bytes SolidPicture(int width, int height, platform::Color colour) {
  Bytes dib = archive_test::MakeDib(width, height, 24, 0);
  const std::size_t stride = ((std::size_t(width) * 24 + 31) / 32) * 4;
  for (int row = 0; row < height; ++row) {
    for (int x = 0; x < width; ++x) {
      const std::size_t at = 40 + std::size_t(row) * stride + std::size_t(x) * 3;
      dib[at] = std::uint8_t(platform::BlueOf(colour));
      dib[at + 1] = std::uint8_t(platform::GreenOf(colour));
      dib[at + 2] = std::uint8_t(platform::RedOf(colour));
    }
  }
  return dib;
}

std::vector<Bytes> FourPictures() {
  std::vector<Bytes> pictures;
  for (int i = 0; i < 4; ++i)
    pictures.push_back(SolidPicture(kPictureWidths[i], 270, kPictureColours[i]));
  return pictures;
}

class TitleScreen : public TitleShow {
 protected:
  int RedInLetter(platform::Point line, int index) {
    const int left = line.x + index * kTitleLetterWidth;
    return RedPixels(left, line.y, left + kTitleLetterWidth, line.y + kTitleLetterWidth);
  }
  // Which letters of a line show red, as a text of '#' (red) and '.' (none).
  std::string LettersShown(platform::Point line, int letters) {
    std::string shown;
    for (int i = 0; i < letters; ++i) shown += RedInLetter(line, i) > 0 ? '#' : '.';
    return shown;
  }
};

TEST_F(TitleScreen, ThePicturesStandAtTheirPlacesAndTheTitleGainsALetterPerStep) {
  archive_test::WriteBytes("ODAT.DAT", archive_test::MakeArchive(FourPictures()));
  WriteGame(game_);
  std::vector<platform::Color> corners;
  std::map<int, std::string> firstLine, secondLine;
  const std::map<std::uint64_t, int> steps = {
      {StepTick(1, kStepEvery), 1},   {StepTick(2, kStepEvery), 2},
      {StepTick(5, kStepEvery), 5},   {StepTick(11, kStepEvery), 11},
      {StepTick(16, kStepEvery), 16}, {StepTick(17, kStepEvery), 17},
      {StepTick(18, kStepEvery), 18}, {StepTick(31, kStepEvery), 31}};
  atTick_ = [&](std::uint64_t tick) {
    if (tick == 4) {
      corners = {PixelAt(5, 5),   PixelAt(409, 269), PixelAt(410, 0),   PixelAt(629, 269),
                 PixelAt(0, 270), PixelAt(409, 539), PixelAt(410, 270), PixelAt(629, 539)};
    }
    if (auto it = steps.find(tick); it != steps.end()) {
      firstLine[it->second] = LettersShown(kFirstLineAt, 11);
      secondLine[it->second] = LettersShown(kSecondLineAt, 10);
    }
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(launcher.archiveError, 0);
  const std::vector<platform::Color> expected{
      kPictureColours[0], kPictureColours[0], kPictureColours[1], kPictureColours[1],
      kPictureColours[2], kPictureColours[2], kPictureColours[3], kPictureColours[3]};
  EXPECT_EQ(corners, expected);
  // "VEXO VEDUZI": letter 4 is the blank; "WORLD  CUP": letters 5 and 6.
  EXPECT_EQ(firstLine[1], "#..........");
  EXPECT_EQ(firstLine[2], "##.........");
  EXPECT_EQ(firstLine[5], "####.......");
  EXPECT_EQ(firstLine[11], "####.######");
  EXPECT_EQ(firstLine[31], "####.######");
  // The second line stays empty until the step after the first line's count reaches 16, and
  // then begins with two letters.
  EXPECT_EQ(secondLine[16], "..........");
  EXPECT_EQ(secondLine[17], "##........");
  EXPECT_EQ(secondLine[18], "###.......");
  EXPECT_EQ(secondLine[31], "#####..###");
}

// Without its pictures the launcher shows the title over a black frame and starts the game all
// the same; of a damaged archive it keeps the pictures read before the damage.
TEST_F(TitleScreen, MissingOrDamagedPicturesLeaveTheFrameBlackAndTheGameStillStarts) {
  const std::vector<Bytes> pictures = FourPictures();
  Bytes whole = archive_test::MakeArchive(pictures);
  Bytes cut(whole.begin(), whole.end() - std::ptrdiff_t(pictures[3].size() + 100));
  struct Case {
    const char* name;
    std::optional<Bytes> archive;
    int error;
    std::vector<bool> shown;
  } cases[] = {
      {"missing", std::nullopt, -1, {false, false, false, false}},
      {"five entries",
       archive_test::MakeArchive({pictures[0], pictures[1], pictures[2], pictures[3], pictures[0]}),
       2,
       {false, false, false, false}},
      {"cut inside the third", cut, 2, {true, true, false, false}},
  };
  const platform::Point places[4] = {{5, 5}, {415, 5}, {5, 275}, {415, 275}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    hl::Shutdown();
    ResetLauncherState();
    ResetGraphicsArchive();
    fs::remove("ODAT.DAT");
    fs::remove("started");
    if (c.archive) archive_test::WriteBytes("ODAT.DAT", *c.archive);
    WriteGame(game_);
    std::vector<platform::Color> seen;
    int titleRed = 0;
    atTick_ = [&](std::uint64_t tick) {
      if (tick == 4) {
        seen.clear();
        for (const platform::Point& p : places) seen.push_back(PixelAt(p.x, p.y));
      }
      if (tick == StepTick(20, kStepEvery)) titleRed = RedInLetter(kFirstLineAt, 0);
    };
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(launcher.archiveError, c.error);
    ASSERT_EQ(seen.size(), 4u);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(seen[std::size_t(i)], c.shown[std::size_t(i)] ? kPictureColours[i] : 0u) << i;
    }
    EXPECT_GT(titleRed, 0);
    EXPECT_TRUE(Report(game_).has_value());
    EXPECT_TRUE(messages_.empty());
  }
}

}  // namespace
}  // namespace launcher_test
