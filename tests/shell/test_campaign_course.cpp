// Whole campaigns in the game's window: every nation through to its elimination or the title,
// with the competition's records checked after every round by the campaign driver, and the
// order of the announcements along the way.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "savegame/campaign_file.h"
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
    // Whenever a phase menu offered to save, the campaign the save would write loaded again.
    EXPECT_EQ(refusedSaves_, 0) << "of " << menus_ << " phase menus";
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  // A campaign of short matches, whose every phase menu checks that its save would load.
  campaign::Settings Short(int nation, std::uint32_t seed) {
    campaign::Settings s;
    s.userNation = nation;
    s.seed = seed;
    s.secondsPerPeriod = kShortPeriod;
    s.onDialog = [this](const std::string& dialog) {
      if (dialog != "SinkiBox3" && dialog != "SinkiBox4" && dialog != "SinkiBox5") return;
      ++menus_;
      const CampaignBytes image = CampaignImage();
      if (!LoadCampaignImage(image.data(), image.size()) || CampaignImage() != image) {
        ++refusedSaves_;
      }
    };
    return s;
  }

  static std::string Faults(const campaign::Report& r) {
    std::string all;
    for (const std::string& f : r.faults) all += f + "\n";
    return all;
  }

  fs::path folder_, previous_;
  int menus_ = 0, refusedSaves_ = 0;
};

TEST_F(CampaignCourse, EveryNationPlaysToItsEndWithConsistentRecordsAndSavesThatLoad) {
  for (int nation = 0; nation < 31; ++nation) {
    const int menusBefore = menus_;
    const campaign::Report r = campaign::PlayCampaign(Short(nation, 100 + std::uint32_t(nation)));
    EXPECT_TRUE(r.ended) << nation;
    EXPECT_TRUE(r.faults.empty()) << nation << "\n" << Faults(r);
    EXPECT_GE(r.leagueRoundsChecked, 3) << nation;
    EXPECT_GE(menus_ - menusBefore, 3) << nation;
    std::printf("nation %2d: %s after %d matches\n", nation, campaign::ReachedName(r.reached),
                r.userMatches);
  }
}

// The dialogs seen, as "name kind/content", from the first one named `from` on.
std::vector<std::string> Tail(const campaign::Report& r, const std::string& from, int which = 0) {
  std::vector<std::string> out;
  int found = -1;
  for (const campaign::Seen& s : r.seen) {
    if (found < which && s.name == from) ++found;
    if (found == which) {
      out.push_back(s.name + " " + std::to_string(CodeValue(s.messageKind)) + "/" +
                    std::to_string(CodeValue(s.displayContent)));
    }
  }
  return out;
}

int CountSeen(const campaign::Report& r, const std::string& name, MessageKind messageKind) {
  int n = 0;
  for (const campaign::Seen& s : r.seen) n += s.name == name && s.messageKind == messageKind;
  return n;
}

TEST_F(CampaignCourse, TheTitleIsCelebratedAfterTheStagesInTheirOrder) {
  campaign::Settings s = Short(7, 3);
  s.userWins = true;
  const campaign::Report r = campaign::PlayCampaign(s);
  ASSERT_TRUE(r.faults.empty()) << Faults(r);
  ASSERT_TRUE(r.ended);
  EXPECT_EQ(r.reached, campaign::Reached::kChampion);
  EXPECT_EQ(r.champion, 8);
  // Europe: seven qualifying rounds, three group rounds, three knockout rounds.
  EXPECT_EQ(r.userMatches, 13);
  EXPECT_EQ(r.leagueRoundsChecked, 10);
  EXPECT_EQ(r.knockoutRoundsChecked, 2);
  // The user's final qualifying table, the four other regions and the three other groups.
  EXPECT_EQ(r.computedLeaguesChecked, 1 + 4 + 3);
  // The end of the qualifying: the final table, the qualification, the other regions, the
  // draw, the group schedule, the departure and the group league's menu.
  const std::vector<std::string> qualified = Tail(r, "DispRoundEndDlg1", 6);
  ASSERT_GE(qualified.size(), 11u);
  EXPECT_EQ(std::vector<std::string>(qualified.begin(), qualified.begin() + 11),
            (std::vector<std::string>{
                "DispRoundEndDlg1 0/3", "DispTaisenDlg1 0/4", "MessBox2 1/0", "DispTaisenDlg1 0/4",
                "DispTaisenDlg1 0/4", "DispTaisenDlg1 0/4", "DispTaisenDlg1 0/4",
                "DispGroupLeag 0/7", "DispSchedule2Dlg 0/8", "MessKanki1 5/0", "SinkiBox4 0/0"}));
  // The end of the group league: the qualification, the other groups, the bracket.
  EXPECT_EQ(CountSeen(r, "MessBox2", MessageKind::kGroupPassed), 1);
  // The final: the win, the cup, and nothing after it.
  const std::vector<std::string> end = Tail(r, "MessKanki2");
  EXPECT_EQ(end, (std::vector<std::string>{"MessKanki2 6/0"}));
  EXPECT_EQ(CountSeen(r, "MessBox3", MessageKind::kMatchResult), 3);
  // The team photo: after the frame of the dialog's first paint, one every 15 ticks of the 60
  // watched (the first after 10: ticks 10, 25, 40, 55), and none once the dialog has closed.
  EXPECT_EQ(r.photoFramesOpen, 4);
  EXPECT_EQ(r.photoFramesAfter, 0);
  // After the groups and two knockout wins.
  EXPECT_EQ(CountSeen(r, "DispTounament", MessageKind::kMatchResult), 3);
}

TEST_F(CampaignCourse, ElimininationInTheQualifyingEndsWithItsMessage) {
  const campaign::Report r = campaign::PlayCampaign(Short(0, 100));
  ASSERT_TRUE(r.faults.empty()) << Faults(r);
  ASSERT_EQ(r.reached, campaign::Reached::kQualifying);
  EXPECT_EQ(
      Tail(r, "DispRoundEndDlg1", 4),
      (std::vector<std::string>{"DispRoundEndDlg1 0/3", "DispTaisenDlg1 0/4", "MessBox2 2/0"}));
  EXPECT_EQ(r.champion, 0);
}

TEST_F(CampaignCourse, ALevelKnockoutTieGoesThroughExtraTimeAndPenaltiesToItsEnd) {
  campaign::Settings s = Short(7, 1);
  s.userWins = true;
  s.forceLevel = true;
  const campaign::Report r = campaign::PlayCampaign(s);
  ASSERT_TRUE(r.faults.empty()) << Faults(r);
  EXPECT_TRUE(r.ended);
  EXPECT_GE(r.reached, campaign::Reached::kFirstRound);
  const int knockoutMatches = r.userMatches - 10;
  EXPECT_EQ(r.extraTimes, knockoutMatches);
  EXPECT_EQ(r.shootOuts, knockoutMatches);
  // Each knockout match ends level: its result, then the shoot-out's, then what follows.
  EXPECT_EQ(CountSeen(r, "MessBox3", MessageKind::kMatchResult) +
                CountSeen(r, "MessBox2", MessageKind::kKnockedOut) +
                CountSeen(r, "MessBox2", MessageKind::kRunnerUp),
            knockoutMatches);
}

}  // namespace
