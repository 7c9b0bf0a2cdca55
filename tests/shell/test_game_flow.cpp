// The game flow between matches: the commands of the main window and the dialogs they open,
// played in the game's own window on the headless layer. A driver answers each dialog as it
// comes to the top, by name, and records the order in which they appeared.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "competition/standings.h"
#include "match/caption_state.h"
#include "match/control_state.h"
#include "match/match_state.h"
#include "match/match_tick.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "presentation/bitmap_store.h"
#include "resources/feldo_dialogs.h"
#include "resources/feldo_resources.h"
#include "shell/command_log.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"

namespace {

namespace hl = platform::headless;
namespace fs = std::filesystem;

using Reply = std::function<void(platform::Window* dialog)>;

void ResetGame() {
  ResetShellRecords();
  ResetGameFlow();
  ResetMatchRecords();
  ResetCommandLog();
  ResetGraphicsArchive();
  ResetBitmapStore();
  ResetNationRecords();
  ResetCaptionState();
  ResetControlState();
  ResetTickCounters();
  ResetFixtureRecords();
  ResetStandingsRecords();
}

void PressEscape() {
  hl::KeyDown(platform::KeyEscape);
  hl::KeyUp(platform::KeyEscape);
}

struct Seen {
  std::string name;
  MessageKind messageKind;
  DisplayContent displayContent;
};

class GameFlow : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::current_path() /
        (std::string("flow-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    previous_ = fs::current_path();
    fs::current_path(folder_);
    for (const char* file : {"GDAT.DAT", "PSMAT006.wav", "KANSEI1.wav"}) {
      fs::copy_file(fs::path(FELDO_GAME_DIR) / file, file);
    }
    ResetGame();
    platform::Instance* instance = hl::StartForTests(FeldoResources());
    hl::SetIdleHandler([this](std::optional<std::uint64_t>) { Idle(); });
    window_ = CreateFeldoWindow(instance);
    ASSERT_NE(window_, nullptr);
    platform::ShowWindow(window_, 1);
    platform::UpdateWindow(window_);  // the start-up menu opens and is left with Esc
    seen_.clear();
  }
  void TearDown() override {
    hl::Shutdown();
    ResetGame();
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  // A dialog new on top is recorded and answered: by its answer when it has one (each answer
  // is used once per appearance), otherwise with Esc. With no dialog, time passes.
  void Idle() {
    if (++idleCalls_ > 200000) {
      ADD_FAILURE() << "the flow does not come to an end";
      platform::PostQuitMessage(0);
      return;
    }
    platform::Window* top = platform::TopDialog();
    if (top == nullptr) {
      hl::Advance(10);
      return;
    }
    const std::string name(platform::DialogTemplateName(top));
    if (top != lastTop_) {
      lastTop_ = top;
      seen_.push_back({name, gameFlow.messageKind, gameFlow.displayContent});
      auto answer = answers_.find(name);
      if (answer != answers_.end() && !answer->second.empty()) {
        Reply next = answer->second.front();
        answer->second.erase(answer->second.begin());
        next(top);
        return;
      }
    }
    PressEscape();
  }

  void OnDialog(const std::string& dialog, Reply answer) { answers_[dialog].push_back(answer); }
  // A click at a point of a dialog given in dialog units.
  static void Click(platform::Window* dialog, int x, int y) {
    const platform::Rect client = platform::GetClientScreenRect(dialog);
    hl::MouseDown(client.left + 2 * x, client.top + 2 * y);
    hl::MouseUp(client.left + 2 * x, client.top + 2 * y);
  }
  void Command(int id) { platform::SendMessage(window_, platform::Msg::Command, id, 0); }
  std::vector<std::string> SeenNames() const {
    std::vector<std::string> names;
    for (const Seen& s : seen_) names.push_back(s.name);
    return names;
  }

  fs::path folder_, previous_;
  platform::Window* window_ = nullptr;
  platform::Window* lastTop_ = nullptr;
  std::map<std::string, std::vector<Reply>> answers_;
  std::vector<Seen> seen_;
  int idleCalls_ = 0;
};

// ---------------------------------------------------------------- templates

TEST(DialogTemplates, EveryControlLiesInsideItsDialogAndNamesAreUnique) {
  const std::vector<platform::DialogTemplate> dialogs = FeldoDialogTemplates();
  std::map<std::string, int> names;
  for (const platform::DialogTemplate& d : dialogs) {
    ++names[std::string(d.name)];
    for (const platform::ControlTemplate& c : d.controls) {
      EXPECT_GE(c.x, 0) << d.name << " control " << c.id;
      EXPECT_GE(c.y, 0) << d.name << " control " << c.id;
      EXPECT_LE(c.x + c.width, d.width) << d.name << " control " << c.id;
      EXPECT_LE(c.y + c.height, d.height) << d.name << " control " << c.id;
    }
  }
  for (const auto& [name, count] : names) EXPECT_EQ(count, 1) << name;
  EXPECT_EQ(names.size(), 26u);
}

// ---------------------------------------------------------------- region and nation

TEST_F(GameFlow, ARegionButtonClosesTheOpenListAndTheInfoLineFollowsTheChoice) {
  platform::Window* regions = nullptr;
  int firstListCount = -1;
  int secondListCount = -1;
  OnDialog("SelChikuDlg", [&](platform::Window* dialog) {
    regions = dialog;
    hl::PressControl(206);  // Asia
  });
  OnDialog("SelTeamDlg", [&](platform::Window* list) {
    firstListCount = platform::ListCount(list, DialogItem::kNationList);
    // North/Central America and Caribbean (190, 24, 80, 14), clicked while the Asian list is
    // open.
    Click(regions, 190 + 40, 24 + 7);
  });
  OnDialog("SelTeamDlg", [&](platform::Window* list) {
    secondListCount = platform::ListCount(list, DialogItem::kNationList);
    hl::SelectListLine(DialogItem::kNationList, 4);
    hl::PressControl(DialogItem::kOk);
  });
  // Back on top after the lists.
  OnDialog("SelChikuDlg", [](platform::Window*) { hl::PressControl(DialogItem::kOk); });
  Command(CommandId::kChooseRegion);
  EXPECT_EQ(firstListCount, 6);
  EXPECT_EQ(secondListCount, 5);
  EXPECT_EQ(gameFlow.region, 3);
  EXPECT_EQ(gameFlow.userNation, 24);
  // The Asian list was closed: the region dialog came back on top, never the old list.
  EXPECT_EQ(SeenNames(),
            (std::vector<std::string>{"SelChikuDlg", "SelTeamDlg", "SelTeamDlg", "SelChikuDlg"}));
}

TEST_F(GameFlow, TheInfoLineNamesRegionAndNation) {
  gameFlow.region = 1;
  gameFlow.userNation = 7;
  std::string info;
  OnDialog("SelChikuDlg", [&](platform::Window* dialog) {
    info = platform::GetItemText(dialog, DialogItem::kInfoLine);
    hl::PressControl(DialogItem::kOk);
  });
  Command(CommandId::kChooseRegion);
  EXPECT_EQ(info, "プレイする地区: ヨーロッパ   国名: ドイツ");
}

TEST_F(GameFlow, OkWithoutALineKeepsANationOfTheRegionOrTakesItsFirst) {
  gameFlow.region = 3;
  gameFlow.userNation = 22;
  OnDialog("SelTeamDlg", [](platform::Window*) { hl::PressControl(DialogItem::kOk); });
  OnDialog("SelTeamDlg", [](platform::Window*) { hl::PressControl(DialogItem::kOk); });
  Command(CommandId::kNationListFirst + 3);
  EXPECT_EQ(gameFlow.userNation, 22);
  Command(CommandId::kNationListFirst + 1);  // Europe: Costa Rica is not there
  EXPECT_EQ(gameFlow.userNation, 6);
  EXPECT_EQ(gameFlow.region, 1);
  // Cancel changes nothing.
  Command(CommandId::kNationListFirst + 4);
  EXPECT_EQ(gameFlow.userNation, 6);
  EXPECT_EQ(gameFlow.region, 1);
}

// ---------------------------------------------------------------- friendly and practice

TEST_F(GameFlow, TheFriendlyListHoldsOnlyNationsOfOtherRegions) {
  struct Case {
    int userNation, line, expectedOpponent, count;
  };
  // Asia (0-5): line 0 is Italy; North/Central America (20-24): line 20 skips to 25.
  for (const Case c :
       {Case{2, 0, 7, 25}, Case{2, 24, 31, 25}, Case{22, 20, 26, 26}, Case{10, 6, 15, 23}}) {
    gameFlow.userNation = std::uint8_t(c.userNation);
    gameFlow.mode = Mode::kCampaign;
    int count = -1;
    OnDialog("SelTestMatchDlg", [&](platform::Window* list) {
      count = platform::ListCount(list, DialogItem::kNationList);
      hl::SelectListLine(DialogItem::kNationList, c.line);
      hl::PressControl(DialogItem::kOk);
    });
    Command(CommandId::kFriendly);
    platform::KillTimer(window_, kMatchTimerId);
    EXPECT_EQ(count, c.count) << c.userNation;
    EXPECT_EQ(gameFlow.chosenOpponent, c.expectedOpponent) << c.userNation;
    EXPECT_EQ(match.opponent, c.expectedOpponent) << c.userNation;
    EXPECT_EQ(gameFlow.mode, Mode::kFriendly);
    EXPECT_EQ(match.half, 1);
    EXPECT_EQ(platform::GetMenu(window_), shellState.menuRunning);
  }
}

TEST_F(GameFlow, AFriendlyWithoutAChoiceReopensThePhaseMenu) {
  gameFlow.phase = Phase::kQualifying;
  OnDialog("SelTestMatchDlg", [](platform::Window*) { hl::PressControl(DialogItem::kOk); });
  Command(CommandId::kFriendly);
  EXPECT_EQ(gameFlow.mode, Mode::kCampaign);
  EXPECT_EQ(match.half, 0);
  EXPECT_EQ(SeenNames(), (std::vector<std::string>{"SelTestMatchDlg", "SinkiBox3"}));
}

TEST_F(GameFlow, ThePracticeOpponentIsTheYouthSelection) {
  gameFlow.userNation = 7;
  OnDialog("SelTestMatch2Dlg", [](platform::Window*) { hl::PressControl(DialogItem::kOk); });
  Command(CommandId::kPractice);
  platform::KillTimer(window_, kMatchTimerId);
  EXPECT_EQ(gameFlow.mode, Mode::kPractice);
  EXPECT_EQ(match.opponent, kPracticeOpponent);
  EXPECT_EQ(match.matchKind, 0);  // set by the next reset of the match records
  EXPECT_EQ(platform::GetWindowTitle(window_), "練習試合  [ LEVEL 3 ]");
}

TEST_F(GameFlow, AFriendlyResultReturnsToThePhaseMenuWithModeBackAtZero) {
  gameFlow.phase = Phase::kQualifying;
  gameFlow.mode = Mode::kFriendly;
  gameFlow.userNation = 2;
  match.opponent = 7;
  match.scoreA = 3;
  match.scoreB = 1;
  Command(CommandId::kEndOfMatch);
  EXPECT_EQ(gameFlow.mode, Mode::kCampaign);
  EXPECT_EQ(lastMatchResult.userGoals, 3);
  EXPECT_EQ(lastMatchResult.opponentGoals, 1);
  EXPECT_EQ(lastMatchResult.opponent, 7);
  EXPECT_EQ(gameFlow.roundIndex, 0);  // the campaign did not move
  EXPECT_EQ(SeenNames(), (std::vector<std::string>{"MessBox2", "SinkiBox3"}));
}

// ---------------------------------------------------------------- the end of a match

TEST_F(GameFlow, AQualifyingRoundEndsWithItsResultsAndTheNextRound) {
  gameFlow.region = 0;
  gameFlow.userNation = 2;
  SetUpQualifying();
  gameFlow.phase = Phase::kQualifying;
  gameFlow.roundIndex = 0;
  const int opponent = UserFixtureOpponent();
  match.opponent = std::uint8_t(opponent);
  match.scoreA = 2;
  match.scoreB = 0;
  Command(CommandId::kEndOfMatch);
  EXPECT_EQ(gameFlow.roundIndex, 1);
  EXPECT_EQ(gameFlow.lastRound, 0);
  EXPECT_EQ(SeenNames(), (std::vector<std::string>{"MessBox2", "DispRoundEndDlg1", "SinkiBox3"}));
  EXPECT_EQ(seen_[1].displayContent, DisplayContent::kRoundResults);
  if (opponent != 0) {
    EXPECT_EQ(resultTable.home[0], 3);
    EXPECT_EQ(resultTable.away[0], opponent);
    EXPECT_EQ(resultTable.homeGoals[0], 2);
  }
  EXPECT_EQ(gameFlow.displayContent, DisplayContent::kNone);  // reset after the screen
}

TEST_F(GameFlow, AKnockoutDefeatEndsTheCampaign) {
  gameFlow.phase = Phase::kKnockout;
  gameFlow.roundIndex = 1;
  match.opponent = 8;
  match.scoreA = 0;
  match.scoreB = 2;
  Command(CommandId::kEndOfMatch);
  EXPECT_EQ(gameFlow.phase, Phase::kNone);
  ASSERT_EQ(seen_.size(), 2u);  // the result, the message; no phase menu in phase 0
  EXPECT_EQ(seen_[0].messageKind, MessageKind::kMatchResult);
  EXPECT_EQ(seen_[1].name, "MessBox2");
  EXPECT_EQ(seen_[1].messageKind, MessageKind::kKnockedOut);
}

TEST_F(GameFlow, AWonFinalIsCelebratedWithTheTimerRunningAndItsMusic) {
  gameFlow.phase = Phase::kKnockout;
  gameFlow.roundIndex = 2;
  match.opponent = 8;
  match.scoreA = 1;
  match.scoreB = 0;
  std::string music;
  OnDialog("MessKanki2", [&](platform::Window*) {
    music = platform::CurrentSound();
    match.clockMillis = 500;
    hl::Advance(300);  // ticks arrive and hold still while the celebration shows
  });
  OnDialog("MessKanki2", [](platform::Window*) {});
  Command(CommandId::kEndOfMatch);
  EXPECT_EQ(SeenNames(), (std::vector<std::string>{"MessBox3", "MessKanki2"}));
  EXPECT_EQ(seen_[1].messageKind, MessageKind::kVictory);
  EXPECT_EQ(music, "PSMAT006.wav");
  EXPECT_EQ(match.clockMillis, 500);
  EXPECT_EQ(platform::CurrentSound(), "");  // ended after the celebration
  EXPECT_EQ(gameFlow.phase, Phase::kNone);
  EXPECT_EQ(gameFlow.messageKind, MessageKind::kMatchResult);
}

TEST_F(GameFlow, ALevelKnockoutAfterExtraTimeGoesToPenalties) {
  gameFlow.phase = Phase::kKnockout;
  match.opponent = 8;
  match.scoreA = match.scoreB = 1;
  match.periodKind = PeriodKind::kExtraTime;
  Command(CommandId::kEndOfMatch);
  EXPECT_EQ(commandLog.received[CommandId::kShootOut], 1);
  EXPECT_TRUE(seen_.empty());
  EXPECT_EQ(gameFlow.phase, Phase::kKnockout);
}

TEST_F(GameFlow, AMatchWithoutAnOpponentIsReportedAndCountsNil) {
  gameFlow.phase = Phase::kNone;
  gameFlow.mode = Mode::kCampaign;
  match.scoreA = 4;
  Command(CommandId::kStartMatch);
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].name, "MessBox2");
  EXPECT_EQ(seen_[0].messageKind, MessageKind::kNoMatch);
  EXPECT_EQ(commandLog.received[CommandId::kEndOfMatch], 1);
  EXPECT_EQ(commandLog.received[CommandId::kStartTimer], 0);
  EXPECT_EQ(lastMatchResult.userGoals, 0);
  EXPECT_EQ(lastMatchResult.opponent, 0);
  EXPECT_EQ(match.half, 0);
}

// ---------------------------------------------------------------- menus, level, sound

TEST_F(GameFlow, TheFirstMenuEndsAPausedMatchForGood) {
  match.half = 1;
  platform::SetMenu(window_, shellState.menuRunning);
  Command(CommandId::kPause);
  ASSERT_EQ(gameFlow.paused, 1);
  OnDialog("MessBox1", [](platform::Window*) { hl::PressControl(DialogItem::kOk); });
  Command(CommandId::kBackToFirstMenu);
  EXPECT_EQ(SeenNames(), (std::vector<std::string>{"MessBox1", "SinkiBox"}));
  EXPECT_EQ(match.half, 0);
  EXPECT_EQ(gameFlow.paused, 0);
  EXPECT_EQ(platform::GetMenu(window_), shellState.menuIdle);
}

TEST_F(GameFlow, AFriendlyLeftForTheFirstMenuLeavesTheCampaignsModeBehind) {
  for (Mode left : {Mode::kFriendly, Mode::kPractice}) {
    gameFlow.mode = left;
    match.half = 1;
    platform::SetMenu(window_, shellState.menuRunning);
    OnDialog("MessBox1", [](platform::Window*) { hl::PressControl(DialogItem::kOk); });
    Command(CommandId::kBackToFirstMenu);
    // The next match of the campaign is a match of the campaign, not another friendly.
    EXPECT_EQ(gameFlow.mode, Mode::kCampaign) << int(CodeValue(left));
    EXPECT_EQ(match.matchKind, 0);
  }
}

TEST_F(GameFlow, CancellingTheFirstMenuQuestionLeavesTheMatchRunning) {
  match.half = 1;
  const int before = commandLog.received[CommandId::kStartupMenu];
  Command(CommandId::kBackToFirstMenu);  // answered with Esc
  EXPECT_EQ(commandLog.received[CommandId::kStartupMenu], before);
  EXPECT_EQ(match.half, 1);
  EXPECT_EQ(dialogWindows.soundDialog, nullptr);
}

TEST_F(GameFlow, TheLevelDialogSetsTheLevelAndReopensTheStartupMenu) {
  OnDialog("SetLevelDlg", [](platform::Window* dialog) {
    platform::SendMessage(dialog, platform::Msg::Command, DialogItem::kLevelFirst + 1, 0);
    EXPECT_TRUE(platform::IsButtonChecked(dialog, DialogItem::kLevelFirst + 1));
    EXPECT_FALSE(platform::IsButtonChecked(dialog, DialogItem::kLevelFirst + 3));
    hl::PressControl(DialogItem::kOk);
  });
  Command(CommandId::kLevelDialog);
  EXPECT_EQ(gameFlow.level, 1);
  EXPECT_EQ(commandLog.received[CommandId::kLevel1], 1);
  EXPECT_EQ(SeenNames(), (std::vector<std::string>{"SetLevelDlg", "SinkiBox"}));
}

TEST_F(GameFlow, AfterAPracticeMatchTheCampaignLevelOnlyBeeps) {
  gameFlow.mode = Mode::kCampaign;
  match.matchKind = 1;
  Command(CommandId::kLevel1);
  EXPECT_EQ(gameFlow.level, 3);
  match.matchKind = 0;
  const int resets = commandLog.received[CommandId::kCampaignMode];
  Command(CommandId::kLevel1);
  EXPECT_EQ(gameFlow.level, 1);
  EXPECT_EQ(commandLog.received[CommandId::kCampaignMode], resets + 1);
  // Outside the campaign the title follows the level.
  gameFlow.mode = Mode::kPractice;
  Command(CommandId::kLevelS);
  EXPECT_EQ(platform::GetWindowTitle(window_), "サッカー   練習試合        [ LEVEL S ]    ");
}

TEST_F(GameFlow, TheSoundDialogOpensOnceAndSwitchesAtOnce) {
  platform::PlaySound("KANSEI1.wav", true);
  ASSERT_EQ(platform::CurrentSound(), "KANSEI1.wav");
  platform::Window* first = nullptr;
  OnDialog("SetSoundDlg", [&](platform::Window* dialog) {
    first = dialog;
    EXPECT_TRUE(platform::IsButtonChecked(dialog, DialogItem::kSoundOn));
    Command(CommandId::kSoundDialog);  // already open: nothing happens
    EXPECT_EQ(platform::TopDialog(), dialog);
    platform::SendMessage(dialog, platform::Msg::Command, DialogItem::kSoundOn, 0);
    EXPECT_EQ(gameFlow.soundOff, 1);
    EXPECT_EQ(platform::CurrentSound(), "");
    EXPECT_FALSE(platform::IsButtonChecked(dialog, DialogItem::kSoundOn));
    hl::PressControl(DialogItem::kOk);
  });
  Command(CommandId::kSoundDialog);
  EXPECT_EQ(SeenNames(), (std::vector<std::string>{"SetSoundDlg"}));
  EXPECT_EQ(dialogWindows.soundDialog, nullptr);
  EXPECT_EQ(gameFlow.soundOff, 1);
}

// The SOUND menu marks the item in force in all three menus, whichever way the sound changed:
// at start from the settings, by the menu's commands, by the sound dialog.
TEST_F(GameFlow, TheSoundMenuChecksTheChoiceInForce) {
  const auto marks = [] {
    std::vector<int> all;
    for (platform::Menu* menu :
         {shellState.menuIdle, shellState.menuRunning, shellState.menuPaused}) {
      all.push_back(platform::IsMenuItemChecked(menu, CommandId::kSoundOn) ? 1 : 0);
      all.push_back(platform::IsMenuItemChecked(menu, CommandId::kSoundOff) ? 1 : 0);
    }
    return all;
  };
  const std::vector<int> on = {1, 0, 1, 0, 1, 0};
  const std::vector<int> off = {0, 1, 0, 1, 0, 1};
  EXPECT_EQ(marks(), on);  // no settings file: sound on
  Command(CommandId::kSoundOff);
  EXPECT_EQ(marks(), off);
  Command(CommandId::kSoundOn);
  EXPECT_EQ(marks(), on);
  OnDialog("SetSoundDlg", [&](platform::Window* dialog) {
    platform::SendMessage(dialog, platform::Msg::Command, DialogItem::kSoundOn, 0);
    EXPECT_EQ(marks(), off);
    hl::PressControl(DialogItem::kOk);
  });
  Command(CommandId::kSoundDialog);
  EXPECT_EQ(marks(), off);

  // A new start reads the switch from the settings written at the end.
  platform::SendMessage(window_, platform::Msg::Close, 0, 0);
  hl::Shutdown();
  ResetGame();
  platform::Instance* instance = hl::StartForTests(FeldoResources());
  window_ = CreateFeldoWindow(instance);
  ASSERT_NE(window_, nullptr);
  EXPECT_EQ(gameFlow.soundOff, 1);
  EXPECT_EQ(marks(), off);
}

TEST_F(GameFlow, APhaseMenuButtonClosesTheSoundDialogFirst) {
  gameFlow.phase = Phase::kQualifying;
  platform::Window* menu = nullptr;
  OnDialog("SinkiBox3", [&](platform::Window* dialog) {
    menu = dialog;
    hl::PressControl(DialogItem::kSoundSwitch);
  });
  OnDialog("SetSoundDlg", [&](platform::Window*) {
    // The first button of the menu below (35, 22, 150, 14), clicked while the sound dialog
    // is open: the round's match (there is none without fixtures).
    Click(menu, 35 + 75, 22 + 7);
  });
  Command(CommandId::kPhaseMenu);
  EXPECT_EQ(dialogWindows.soundDialog, nullptr);
  EXPECT_EQ(commandLog.received[CommandId::kStartMatch], 1);
  const std::vector<std::string> names = SeenNames();
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(names[1], "SetSoundDlg");
  EXPECT_NE(names[2], "SetSoundDlg");
}

}  // namespace
