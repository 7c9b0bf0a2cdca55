// Whole campaigns in the game's window: every nation through to its elimination or the title,
// with the competition's records checked after every round by the campaign driver, and the
// order of the announcements along the way.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/campaign_driver.h"

namespace {

namespace fs = std::filesystem;

constexpr int kShortPeriod = 2;  // seconds of a period on the match clock

// Each test plays in a folder of its own with the game's data files.
class CampaignCourse : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::current_path() /
        (std::string("course-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    previous_ = fs::current_path();
    fs::current_path(folder_);
    for (const char* file : {"GDAT.DAT", "PSMAT006.wav", "KANSEI1.wav"}) {
      fs::copy_file(fs::path(FELDO_GAME_DIR) / file, file);
    }
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  static campaign::Settings Short(int nation, std::uint32_t seed) {
    campaign::Settings s;
    s.userNation = nation;
    s.seed = seed;
    s.secondsPerPeriod = kShortPeriod;
    return s;
  }

  static std::string Faults(const campaign::Report& r) {
    std::string all;
    for (const std::string& f : r.faults) all += f + "\n";
    return all;
  }

  fs::path folder_, previous_;
};

TEST_F(CampaignCourse, EveryNationPlaysToItsEndWithConsistentRecords) {
  for (int nation = 0; nation < 31; ++nation) {
    const campaign::Report r = campaign::PlayCampaign(Short(nation, 100 + std::uint32_t(nation)));
    EXPECT_TRUE(r.ended) << nation;
    EXPECT_TRUE(r.faults.empty()) << nation << "\n" << Faults(r);
    EXPECT_GE(r.leagueRoundsChecked, 3) << nation;
    std::printf("nation %2d: %s after %d matches\n", nation, campaign::ReachedName(r.reached),
                r.userMatches);
  }
}

}  // namespace
