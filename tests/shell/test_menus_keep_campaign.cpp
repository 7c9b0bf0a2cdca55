// A campaign in progress survives every way of leaving its menus without a choice: Esc or a
// close on a phase menu or on the start-up menu, the window's close box and its question, and
// the GAME menu's Menu with either answer. Each path ends at the phase menu of the campaign's
// phase, with the campaign as it was, and never with a second menu left open behind it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "base/record_resets.h"
#include "match/match_state.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "resources/feldo_dialogs.h"
#include "resources/feldo_resources.h"
#include "savegame/campaign_file.h"
#include "shell/command_log.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"
#include "support/campaign_stages.h"
#include "support/game_window.h"

namespace {

namespace hl = platform::headless;

// What the user does when a dialog (or, for kMenuItem, the bare window) is in front of him.
enum class Act {
  kEsc,       // the Esc key
  kClose,     // the dialog is closed (as a window manager closes it)
  kCloseBox,  // the main window's close box
  kOk,        // the OK button
  kCancel,    // the Cancel button
  kLevel,     // the start-up menu's level button
  kMenuItem,  // GAME → Menu, in the bare window
  kOkMatch,   // GAME → Menu during a match: the match is set running first
};

struct Step {
  const char* dialog;  // "" for the bare window
  Act act;
};

struct Path {
  std::string name;
  CampaignStage stage;
  const char* phaseMenu;
  std::vector<Step> steps;  // from the phase menu's first appearance on
};

void PrintTo(const Path& path, std::ostream* out) {
  *out << path.name;
}

std::string Bytes(const char* file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class MenusKeepTheCampaign : public ::testing::TestWithParam<Path> {
 protected:
  void SetUp() override {
    folder_.emplace();
    // The start-up menu of the first paint is left with Esc: no campaign yet.
    window_ = game_window::Open(
        1, [this](std::optional<std::uint64_t>) { Idle(); }, false);
    ASSERT_NE(window_, nullptr);
    startupDone_ = true;
  }
  void TearDown() override { folder_.reset(); }

  void Do(Act act, platform::Window* dialog) {
    switch (act) {
      case Act::kEsc:
        hl::KeyDown(platform::KeyEscape);
        hl::KeyUp(platform::KeyEscape);
        break;
      case Act::kClose:
        platform::PostMessage(dialog, platform::Msg::Close);
        break;
      case Act::kCloseBox:
        hl::CloseMainWindow();
        break;
      case Act::kOk:
        hl::PressControl(platform::kIdOk);
        break;
      case Act::kCancel:
        hl::PressControl(platform::kIdCancel);
        break;
      case Act::kLevel:
        hl::PressControl(DialogItem::kChangeLevel);
        break;
      case Act::kOkMatch:
        // A match of the round is running behind the question.
        match.half = 1;
        gameFlow.paused = 0;
        platform::SetMenu(window_, shellState.menuRunning);
        [[fallthrough]];
      case Act::kMenuItem:
        hl::ChooseMenuItem(CommandId::kBackToFirstMenu);
        break;
    }
  }

  // Each dialog new in front gets the next step; a dialog that no step foresees is a failure,
  // and is left with Esc.
  void Idle() {
    if (++idleCalls_ > 20000) {
      ADD_FAILURE() << "the menus do not come to an end";
      steps_.clear();
      platform::PostQuitMessage(0);
      return;
    }
    platform::Window* top = platform::TopDialog();
    if (top == nullptr || top == lastTop_) {
      hl::Advance(10);
      return;
    }
    lastTop_ = top;
    const std::string name(platform::DialogTemplateName(top));
    seen_.push_back(name);
    if (!steps_.empty() && name == steps_.front().dialog) {
      const Step step = steps_.front();
      steps_.erase(steps_.begin());
      Do(step.act, top);
      return;
    }
    if (startupDone_) ADD_FAILURE() << name << " comes unforeseen";
    Do(Act::kEsc, top);
  }

  // The steps play out; those for the bare window are taken here, between the dialogs.
  void PlaySteps() {
    for (int i = 0; i < 2000 && !steps_.empty(); ++i) {
      if (*steps_.front().dialog == 0 && platform::TopDialog() == nullptr) {
        const Step step = steps_.front();
        steps_.erase(steps_.begin());
        lastTop_ = nullptr;
        Do(step.act, nullptr);
      }
      hl::Advance(10);
    }
    EXPECT_TRUE(steps_.empty()) << "steps left: " << steps_.size();
  }

  std::optional<game_window::TestFolder> folder_;
  platform::Window* window_ = nullptr;
  platform::Window* lastTop_ = nullptr;
  std::vector<Step> steps_;
  std::vector<std::string> seen_;
  int idleCalls_ = 0;
  bool startupDone_ = false;  // the start-up menu of the first paint has been left
};

TEST_P(MenusKeepTheCampaign, AndTheUserComesBackToItsPhaseMenu) {
  const Path& path = GetParam();
  BuildCampaignAt(path.stage, 3);
  platform::SendMessage(window_, platform::Msg::Command, CommandId::kCampaignMode);
  ASSERT_TRUE(SaveCampaign("before.$$$"));
  const Phase phase = gameFlow.phase;

  steps_ = path.steps;
  steps_.push_back({path.phaseMenu, Act::kEsc});  // back at the phase menu: the end
  std::vector<std::string> expected;
  for (const Step& step : steps_) {
    if (*step.dialog != 0) expected.push_back(step.dialog);
  }
  seen_.clear();
  platform::SendMessage(window_, platform::Msg::Command, CommandId::kPhaseMenu);
  PlaySteps();
  hl::Advance(100);

  // Every dialog in its turn, the phase menu last, and nothing left open behind it (a second
  // phase menu over the first would come to the front once more).
  EXPECT_EQ(seen_, expected);
  EXPECT_EQ(platform::TopDialog(), nullptr);
  EXPECT_EQ(gameFlow.phase, phase);
  EXPECT_NE(shellState.menuIdle, nullptr) << "the program ended";
  EXPECT_EQ(platform::GetMenu(window_), shellState.menuIdle);
  ASSERT_TRUE(SaveCampaign("after.$$$"));
  EXPECT_EQ(Bytes("after.$$$"), Bytes("before.$$$")) << "the campaign changed";
}

// Every way out of the phase menu (Esc, a close) and of the start-up menu (Esc, a close, each
// also after the level dialog), with each answer to the GAME menu's question, in each phase.
std::vector<Path> AllPaths() {
  struct Stage {
    CampaignStage stage;
    const char* menu;
  };
  const Stage stages[] = {{CampaignStage::kQualifying, "SinkiBox3"},
                          {CampaignStage::kGroupLeague, "SinkiBox4"},
                          {CampaignStage::kFirstRound, "SinkiBox5"}};
  std::vector<Path> paths;
  for (const Stage& s : stages) {
    const char* menu = s.menu;
    for (const Act leave : {Act::kEsc, Act::kClose}) {
      const bool esc = leave == Act::kEsc;
      const auto named = [&](const char* what) {
        return std::string(menu) + (esc ? "Esc" : "Close") + what;
      };
      paths.push_back({named("ThenMenuCancel"),
                       s.stage,
                       menu,
                       {{menu, leave}, {"", Act::kMenuItem}, {"MessBox1", Act::kCancel}}});
      paths.push_back(
          {named("ThenMenuOkStartupLeft"),
           s.stage,
           menu,
           {{menu, leave}, {"", Act::kMenuItem}, {"MessBox1", Act::kOk}, {"SinkiBox", leave}}});
      paths.push_back({named("StartupLeftAfterTheLevelDialog"),
                       s.stage,
                       menu,
                       {{menu, leave},
                        {"", Act::kMenuItem},
                        {"MessBox1", Act::kOk},
                        {"SinkiBox", Act::kLevel},
                        {"SetLevelDlg", Act::kOk},
                        {"SinkiBox", leave}}});
      paths.push_back(
          {named("StartupLeftDuringAMatch"),
           s.stage,
           menu,
           {{menu, leave}, {"", Act::kOkMatch}, {"MessBox1", Act::kOk}, {"SinkiBox", leave}}});
    }
    // The window's close box over the phase menu and over the start-up menu, answered Cancel.
    paths.push_back({std::string(menu) + "CloseBox",
                     s.stage,
                     menu,
                     {{menu, Act::kCloseBox}, {"messagebox", Act::kCancel}}});
    paths.push_back({std::string(menu) + "StartupCloseBox",
                     s.stage,
                     menu,
                     {{menu, Act::kEsc},
                      {"", Act::kMenuItem},
                      {"MessBox1", Act::kOk},
                      {"SinkiBox", Act::kCloseBox},
                      {"messagebox", Act::kCancel},
                      {"SinkiBox", Act::kEsc}}});
  }
  return paths;
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, MenusKeepTheCampaign, ::testing::ValuesIn(AllPaths()),
                         [](const ::testing::TestParamInfo<Path>& info) {
                           return info.param.name;
                         });

}  // namespace
