// The save and load commands in the game's window: saving from a phase menu with OK and Cancel,
// loading in a fresh window after every record was reset and playing on against the same
// opponent, a pending play-off after a load, a damaged file and failed saves with their boxes.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/record_resets.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "match/match_state.h"
#include "match/match_tick.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "resources/feldo_dialogs.h"
#include "resources/feldo_resources.h"
#include "savegame/campaign_file.h"
#include "savegame/file_error.h"
#include "shell/command_log.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"
#include "support/campaign_driver.h"
#include "support/campaign_stages.h"

namespace {

namespace hl = platform::headless;
namespace fs = std::filesystem;

struct Shown {
  std::string name;
  std::string caption;
  DisplayContent displayContent;
  std::string text;  // a message box's text
};

class SaveCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::current_path() /
        (std::string("save-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    previous_ = fs::current_path();
    fs::current_path(folder_);
    fs::copy_file(fs::path(FELDO_GAME_DIR) / "GDAT.DAT", "GDAT.DAT");
    ResetAllRecords();
  }
  void TearDown() override {
    hl::LimitFileWrites(-1);
    hl::Shutdown();
    ResetAllRecords();
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  // A fresh game window. Its first paint opens the start-up menu: left with Esc here, or left
  // to the caller's UpdateWindow and answers.
  void OpenWindow(bool leaveStartupMenu = true) {
    hl::Shutdown();
    platform::ProgramOptions options;
    options.seed = 1;  // the window seeds the random source with it
    platform::Instance* instance = hl::StartForTests(FeldoResources(), options);
    hl::SetIdleHandler([this](std::optional<std::uint64_t>) { Idle(); });
    window_ = CreateFeldoWindow(instance);
    ASSERT_NE(window_, nullptr);
    platform::ShowWindow(window_, 1);
    if (leaveStartupMenu) platform::UpdateWindow(window_);
    lastTop_ = nullptr;
    shown_.clear();
  }

  static void PressEscape() {
    hl::KeyDown(platform::KeyEscape);
    hl::KeyUp(platform::KeyEscape);
  }

  // A dialog new on top is recorded and pressed with its next answer, or left with Esc.
  void Idle() {
    platform::Window* top = platform::TopDialog();
    if (top == nullptr) {
      hl::Advance(10);
      return;
    }
    if (top == lastTop_) {
      PressEscape();
      return;
    }
    lastTop_ = top;
    const std::string name(platform::DialogTemplateName(top));
    const bool box = name == "messagebox";
    shown_.push_back({name, box ? platform::GetWindowTitle(top) : std::string(),
                      gameFlow.displayContent,
                      box ? platform::GetItemText(top, -1) : std::string()});
    std::vector<int>& answers = answers_[name];
    if (!answers.empty()) {
      const int id = answers.front();
      answers.erase(answers.begin());
      hl::PressControl(id);
      return;
    }
    PressEscape();
  }

  void Command(int id) { platform::SendMessage(window_, platform::Msg::Command, id, 0); }
  void Press(const std::string& dialog, int id) { answers_[dialog].push_back(id); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const Shown& s : shown_) names.push_back(s.name);
    return names;
  }
  // Builds a campaign at a stage in the window's records, saves it through the phase menu.
  void SaveThroughTheMenu(CampaignStage stage, const char* menu) {
    BuildCampaignAt(stage, 5);
    FillNationNames();
    Press(menu, CommandId::kSaveCampaign);
    Press("messagebox", platform::kIdOk);
    Command(CommandId::kPhaseMenu);
  }

  fs::path folder_, previous_;
  platform::Window* window_ = nullptr;
  platform::Window* lastTop_ = nullptr;
  std::map<std::string, std::vector<int>> answers_;
  std::vector<Shown> shown_;
};

TEST_F(SaveCommands, SavingFromAPhaseMenuAsksWritesAndReopensTheMenu) {
  OpenWindow();
  SaveThroughTheMenu(CampaignStage::kGroupLeague, "SinkiBox4");
  EXPECT_EQ(Names(), (std::vector<std::string>{"SinkiBox4", "messagebox", "SinkiBox4"}));
  EXPECT_EQ(shown_[1].caption, "ゲームのセーブ");
  ASSERT_TRUE(fs::exists(kCampaignFileName));
  EXPECT_EQ(fs::file_size(kCampaignFileName), std::uintmax_t(kCampaignFileBytes));
}

TEST_F(SaveCommands, CancellingTheQuestionWritesNothing) {
  OpenWindow();
  BuildCampaignAt(CampaignStage::kQualifying, 5);
  Press("SinkiBox3", CommandId::kSaveCampaign);
  Press("messagebox", platform::kIdCancel);
  Command(CommandId::kPhaseMenu);
  EXPECT_EQ(Names(), (std::vector<std::string>{"SinkiBox3", "messagebox", "SinkiBox3"}));
  EXPECT_FALSE(fs::exists(kCampaignFileName));
}

TEST_F(SaveCommands, ALoadInAFreshWindowPlaysOnAgainstTheSameOpponent) {
  struct Case {
    CampaignStage stage;
    const char* menu;
  };
  for (const Case c : {Case{CampaignStage::kQualifying, "SinkiBox3"},
                       Case{CampaignStage::kGroupLeague, "SinkiBox4"},
                       Case{CampaignStage::kSemiFinal, "SinkiBox5"}}) {
    OpenWindow();
    SaveThroughTheMenu(c.stage, c.menu);
    const int opponent = UserFixtureOpponent();
    const Phase phase = gameFlow.phase;
    const int round = gameFlow.roundIndex;
    ASSERT_NE(opponent, 0) << c.menu;
    // Everything forgotten, a new window: the start-up menu's load, then the round's match.
    hl::Shutdown();
    ResetAllRecords();
    OpenWindow(false);
    Press("SinkiBox", DialogItem::kLoadGame);
    Press(c.menu, DialogItem::kPlayRound);
    platform::UpdateWindow(window_);
    // The saved campaign's level (LEVEL 1) is not the new window's: a message says so.
    EXPECT_EQ(Names(), (std::vector<std::string>{"SinkiBox", "messagebox", c.menu})) << c.menu;
    EXPECT_EQ(gameFlow.phase, phase) << c.menu;
    EXPECT_EQ(gameFlow.roundIndex, round) << c.menu;
    EXPECT_EQ(match.opponent, opponent) << c.menu;
    EXPECT_EQ(match.half, 1) << c.menu;
    platform::KillTimer(window_, kMatchTimerId);
  }
}

TEST_F(SaveCommands, ALoadedCampaignIsPlayedToItsEndWithConsistentRecords) {
  OpenWindow();
  SaveThroughTheMenu(CampaignStage::kGroupLeague, "SinkiBox4");
  hl::Shutdown();
  campaign::Settings s;
  s.userNation = 8;
  s.load = true;
  s.userWins = true;
  s.secondsPerPeriod = 2;
  const campaign::Report r = campaign::PlayCampaign(s);
  for (const std::string& f : r.faults) ADD_FAILURE() << f;
  EXPECT_TRUE(r.ended);
  EXPECT_EQ(r.reached, campaign::Reached::kChampion);
  EXPECT_EQ(r.userMatches, 2 + 3);  // the group league's last two rounds and the knockout
  // The level dialog, the start-up menu again, the message of the loaded campaign's level, then
  // its menu.
  ASSERT_GE(r.seen.size(), 5u);
  EXPECT_EQ(r.seen[3].name, "messagebox");
  EXPECT_EQ(r.seen[4].name, "SinkiBox4");
}

TEST_F(SaveCommands, APendingPlayoffAfterALoadGoesToItsAnnouncementOrTheShootOut) {
  for (const int period : {0, 1}) {
    OpenWindow();
    BuildCampaignAt(CampaignStage::kPendingPlayoff, 9);
    const int opponent = gameFlow.playoffOpponent;
    ASSERT_NE(opponent, 0);
    match.periodKind = static_cast<PeriodKind>(period);
    ASSERT_TRUE(SaveCampaign(kCampaignFileName));
    hl::Shutdown();
    ResetAllRecords();
    OpenWindow(false);
    Press("SinkiBox", DialogItem::kLoadGame);
    platform::UpdateWindow(window_);
    EXPECT_EQ(gameFlow.playoffOpponent, opponent) << period;
    if (period == 0) {
      EXPECT_EQ(Names(), (std::vector<std::string>{"SinkiBox", "messagebox", "PlayoffMsg2"}));
      EXPECT_EQ(shown_.at(2).displayContent, DisplayContent::kPlayoffOpponent);
      EXPECT_EQ(match.opponent, opponent);
      EXPECT_EQ(match.half, 1);
    } else {
      EXPECT_EQ(Names(), (std::vector<std::string>{"SinkiBox", "messagebox"}));
      EXPECT_EQ(commandLog.received[CommandId::kShootOut], 1);
      EXPECT_EQ(match.periodKind, PeriodKind::kShootOut);
    }
    platform::KillTimer(window_, kMatchTimerId);
  }
}

// A play-off won in extra time leaves extra time in the records until the next match; a save
// made then is no pending play-off and goes back to the phase menu, not to penalties.
TEST_F(SaveCommands, ExtraTimeLeftFromAWonPlayoffIsNoPendingShootOut) {
  OpenWindow();
  BuildCampaignAt(CampaignStage::kGroupLeague, 5);
  match.periodKind = PeriodKind::kExtraTime;
  ASSERT_TRUE(SaveCampaign(kCampaignFileName));
  hl::Shutdown();
  ResetAllRecords();
  OpenWindow(false);
  Press("SinkiBox", DialogItem::kLoadGame);
  platform::UpdateWindow(window_);
  EXPECT_EQ(Names(), (std::vector<std::string>{"SinkiBox", "messagebox", "SinkiBox4"}));
  EXPECT_EQ(commandLog.received[CommandId::kShootOut], 0);
}

// A campaign saved at another level brings that level back, and a one-line message says which
// before its menu; at the level in force nothing is said.
TEST_F(SaveCommands, ALoadThatChangesTheLevelSaysSo) {
  OpenWindow();
  BuildCampaignAt(CampaignStage::kQualifying, 5);  // at LEVEL 1
  ASSERT_TRUE(SaveCampaign(kCampaignFileName));
  struct Case {
    std::uint8_t levelBefore;
    std::vector<std::string> names;
  };
  for (const Case& c :
       {Case{3, {"SinkiBox", "messagebox", "SinkiBox3"}},
        Case{0, {"SinkiBox", "messagebox", "SinkiBox3"}}, Case{1, {"SinkiBox", "SinkiBox3"}}}) {
    hl::Shutdown();
    ResetAllRecords();
    OpenWindow(false);
    gameFlow.level = c.levelBefore;
    Press("SinkiBox", DialogItem::kLoadGame);
    platform::UpdateWindow(window_);
    EXPECT_EQ(Names(), c.names) << int(c.levelBefore);
    EXPECT_EQ(gameFlow.level, 1);
    if (c.names.size() == 3) {
      EXPECT_EQ(shown_[1].caption, "ゲームのロード");
      EXPECT_EQ(shown_[1].text, "対戦相手の強さが LEVEL 1(上級) になりました");
    }
  }
}

TEST_F(SaveCommands, ADamagedFileIsReportedAndLeavesTheGameAsItWas) {
  OpenWindow();
  SaveThroughTheMenu(CampaignStage::kQualifying, "SinkiBox3");
  // Another campaign in the records; the saved file cut short.
  BuildCampaignAt(CampaignStage::kGroupLeague, 7);
  fs::resize_file(kCampaignFileName, 1000);
  const auto teams = TeamTable;
  const GameFlowState flow = gameFlow;
  const LeagueState league = leagueState;
  shown_.clear();
  lastTop_ = nullptr;
  Command(CommandId::kLoadCampaign);
  ASSERT_EQ(Names(), (std::vector<std::string>{"messagebox", "SinkiBox4"}));
  EXPECT_EQ(shown_[0].caption, "サッカー");
  EXPECT_EQ(std::memcmp(&teams, &TeamTable, sizeof teams), 0);
  EXPECT_EQ(gameFlow.phase, flow.phase);
  EXPECT_EQ(gameFlow.roundIndex, flow.roundIndex);
  EXPECT_EQ(gameFlow.userNation, flow.userNation);
  EXPECT_EQ(leagueState.slots, league.slots);
  // Outside a campaign the start-up menu comes back instead.
  ResetAllRecords();
  OpenWindow();
  Command(CommandId::kLoadCampaign);
  EXPECT_EQ(Names(), (std::vector<std::string>{"messagebox", "SinkiBox"}));
}

TEST_F(SaveCommands, AFailedSaveSaysWhyAndKeepsTheOldSave) {
  OpenWindow();
  SaveThroughTheMenu(CampaignStage::kQualifying, "SinkiBox3");
  std::ifstream in(kCampaignFileName, std::ios::binary);
  const std::string before((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  BuildCampaignAt(CampaignStage::kGroupLeague, 7);
  // The save from the group league's menu, answered OK, and the failure box, answered OK.
  auto saveAndAnswer = [this] {
    shown_.clear();
    lastTop_ = nullptr;
    Press("SinkiBox4", CommandId::kSaveCampaign);
    Press("messagebox", platform::kIdOk);
    Press("messagebox", platform::kIdOk);
    Command(CommandId::kPhaseMenu);
  };
  // The disk fills up part-way through the file.
  hl::LimitFileWrites(500);
  saveAndAnswer();
  hl::LimitFileWrites(-1);
  ASSERT_EQ(Names(),
            (std::vector<std::string>{"SinkiBox4", "messagebox", "messagebox", "SinkiBox4"}));
  EXPECT_EQ(shown_[2].caption, "Write DATA Error");
  std::ifstream after(kCampaignFileName, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(after)), std::istreambuf_iterator<char>()),
            before);
  // No file can be made where a folder has the temporary file's name.
  fs::create_directory(CampaignTempName(kCampaignFileName));
  fs::create_directory(fs::path(CampaignTempName(kCampaignFileName)) / "inside");
  saveAndAnswer();
  ASSERT_EQ(shown_.size(), 4u);
  EXPECT_EQ(shown_[2].caption, "Coud not open MOT file");
  // Another game holds the folder for a save of its own for longer than the save waits.
  fs::remove_all(CampaignTempName(kCampaignFileName));
  const platform::FileHandle other = platform::LockFolder(kCampaignFileName, 0);
  ASSERT_GE(other, 0);
  saveAndAnswer();
  platform::CloseFile(other);
  ASSERT_EQ(shown_.size(), 4u);
  EXPECT_EQ(shown_[2].caption, "サッカー");
  EXPECT_EQ(fileErrorCode, kFileBusy);
}

}  // namespace
