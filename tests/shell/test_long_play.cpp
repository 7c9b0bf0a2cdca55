// A long evening of play in one process: friendlies back to back in the game's own window,
// drawn with the pictures of GDAT.DAT, under the virtual clock. The pictures a match reads by
// name (the entrance's crowds and craft, the goal celebrations, the flags) are read once and
// handed out again, so after the first few matches neither the pictures held nor the
// process's resident memory may grow from match to match.
//
// FELDO_LONG_PLAY_MATCHES sets the number of matches (default 100; tools/soak.sh plays more
// under the sanitizers). A sanitizer build checks the pictures but not the resident size: its
// allocator keeps freed memory aside, so the size says nothing there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "support/campaign_driver.h"

namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr int kWarmUpMatches = 10;  // every pairing of the cycle played more than once
constexpr int kSecondsPerPeriod = 10;
// The resident size may move by a little between the two moments (the allocator's own
// bookkeeping, a page of a growing vector), but not by a match's pictures.
constexpr long kResidentSlackBytes = 1024 * 1024;

long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * ::sysconf(_SC_PAGESIZE);
}

struct Moment {
  std::size_t pictures = 0;
  std::size_t pictureBytes = 0;
  long resident = 0;
};

Moment Now() {
  return Moment{CountHeldPictures(), CountHeldPictureBytes(), ResidentBytes()};
}

int MatchesToPlay() {
  if (const char* asked = std::getenv("FELDO_LONG_PLAY_MATCHES")) {
    const int n = std::atoi(asked);
    if (n > kWarmUpMatches) return n;
  }
  return 100;
}

// Each test plays in a folder of its own with the game's data files.
class LongPlay : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::current_path() / (std::string("long-play-") +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    previous_ = fs::current_path();
    fs::current_path(folder_);
    for (const char* file : {"GDAT.DAT", "PSMAT006.wav", "KANSEI1.wav", "KANSEI4.wav"}) {
      fs::copy_file(fs::path(FELDO_GAME_DIR) / file, file);
    }
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  fs::path folder_, previous_;
};

TEST_F(LongPlay, MemoryDoesNotGrowFromMatchToMatch) {
  const int matches = MatchesToPlay();
  campaign::Settings settings;
  settings.seed = 7;
  settings.userNation = 7;
  settings.secondsPerPeriod = kSecondsPerPeriod;
  settings.friendlies = matches;
  settings.friendlyCycle = 3;
  settings.matchBudget = matches + 5;
  Moment warm, last;
  int resultsSeen = 0;
  bool noPictures = false;
  settings.afterMatch = [&](int results) {
    resultsSeen = results;
    if (results == kWarmUpMatches) warm = Now();
    if (results == matches) last = Now();
    noPictures = noPictures || CountCachedPictures() == 0;
  };
  const campaign::Report report = campaign::PlayCampaign(settings);

  std::printf("after match %d: %zu pictures, %zu bytes, resident %ld KiB\n", kWarmUpMatches,
              warm.pictures, warm.pictureBytes, warm.resident / 1024);
  std::printf("after match %d: %zu pictures, %zu bytes, resident %ld KiB\n", matches, last.pictures,
              last.pictureBytes, last.resident / 1024);
  int goals = 0;
  for (const auto& [user, opponent] : report.scores) goals += user + opponent;
  std::printf("%d matches, %d goals, %d key events\n", int(report.scores.size()), goals,
              report.keyEvents);
  ASSERT_EQ(resultsSeen, matches);
  EXPECT_EQ(report.userMatches, matches);
  EXPECT_TRUE(report.faults.empty()) << report.faults.front();
  EXPECT_FALSE(noPictures);  // the matches were drawn with the archive's pictures
  EXPECT_GT(warm.pictures, std::size_t(kCacheListSize));
  EXPECT_EQ(last.pictures, warm.pictures);
  EXPECT_EQ(last.pictureBytes, warm.pictureBytes);
  if (!kSanitized) {
    EXPECT_LE(last.resident - warm.resident, kResidentSlackBytes);
  }
}

// The cup celebration shows the champion's joy picture and team photo. Won campaigns one after
// another in one window: the first celebration reads them, the second finds them held and
// reads nothing. (A third campaign follows, so that the second celebration has a dialog after
// it, where the pictures are counted.)
TEST_F(LongPlay, ASecondCupCelebrationReadsNoPictureAgain) {
  campaign::Settings settings;
  settings.seed = 3;
  settings.userNation = 7;
  settings.secondsPerPeriod = 2;
  settings.userWins = true;
  settings.campaigns = 3;
  settings.matchBudget = 120;
  // Counted at the final's result, and at the first dialog after the celebration (the
  // celebration has painted by the time its own dialog reaches the driver).
  std::vector<std::size_t> before, after;
  std::size_t atResult = 0;
  bool celebrating = false;
  settings.onDialog = [&](const std::string& dialog) {
    if (celebrating) after.push_back(CountHeldPictures());
    celebrating = dialog == "MessKanki2";
    if (celebrating) before.push_back(atResult);
    if (dialog == "MessBox3") atResult = CountHeldPictures();
  };
  const campaign::Report report = campaign::PlayCampaign(settings);
  EXPECT_TRUE(report.faults.empty()) << report.faults.front();
  EXPECT_EQ(report.reached, campaign::Reached::kChampion);
  ASSERT_GE(before.size(), 2u);
  ASSERT_GE(after.size(), 2u);
  std::printf("first celebration: %zu -> %zu pictures, second: %zu -> %zu\n", before[0], after[0],
              before[1], after[1]);
  EXPECT_GT(after[0], before[0]);  // the joy picture and the photo were read
  EXPECT_EQ(after[1], before[1]);
}

}  // namespace
