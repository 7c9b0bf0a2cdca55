// The key help in the game's own window: F1 opens it over a menu, a screen or a match, and so
// does the GAME menu's item wherever the menu bar can be reached; Esc or OK closes it and the
// player is back where he was. A match being played pauses behind it and goes on afterwards;
// a paused one stays paused. It names every key the game reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "base/record_resets.h"
#include "match/caption_state.h"
#include "match/match_state.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "resources/dialog_names.h"
#include "resources/feldo_dialogs.h"
#include "resources/feldo_resources.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"
#include "support/campaign_stages.h"
#include "support/game_window.h"

namespace {

namespace hl = platform::headless;

enum class Where { kStartupMenu, kPhaseMenu, kScreen, kBareWindow, kMatch, kPausedMatch };
enum class Opened { kF1, kGameMenu };

struct Case {
  const char* name;
  Where where;
  Opened opened;
  int closeKey;  // platform::KeyEscape, or KeyReturn for OK
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

class KeyHelp : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    folder_.emplace();
    // The start-up menu opens when a case asks for it.
    window_ = game_window::Open(
        2, [this](std::optional<std::uint64_t>) { Idle(); }, true);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override { folder_.reset(); }

  static void Press(int key) {
    hl::KeyDown(key);
    hl::KeyUp(key);
  }

  void OpenHelp() {
    if (GetParam().opened == Opened::kF1) {
      Press(platform::KeyF1);
    } else {
      EXPECT_TRUE(hl::ChooseMenuItem(CommandId::kKeyHelp));
    }
  }

  // The help is looked at and closed; the menu or screen under it gets F1 the first time it is
  // in front, and Esc once the help has been and gone.
  void Idle() {
    platform::Window* top = platform::TopDialog();
    if (top == nullptr) {
      hl::Advance(10);
      return;
    }
    const std::string name(platform::DialogTemplateName(top));
    if (name == DialogName::kKeyHelpDlg) {
      if (top != lastTop_) {
        lastTop_ = top;
        seen_.push_back(name);
        helpShown_ = true;
        pausedBehind_ = gameFlow.paused;
        clockAtOpen_ = Clock();
        hl::Advance(500);  // half a second with the help open
        return;
      }
      clockStood_ = Clock() == clockAtOpen_;
      Press(platform::KeyF1);  // no second help
      Press(GetParam().closeKey);
      return;
    }
    if (top == lastTop_) {
      Press(platform::KeyEscape);
      return;
    }
    lastTop_ = top;
    seen_.push_back(name);
    if (seen_.size() == 1) {
      host_ = top;
      OpenHelp();
      return;
    }
    if (helpShown_ && !backAtHost_) {
      backAtHost_ = true;
      EXPECT_EQ(top, host_) << "not back at " << seen_.front();
    }
    Press(platform::KeyEscape);
  }

  static int Clock() {
    return (match.clockMinutes * 60 + match.clockSeconds) * 1000 + match.clockMillis;
  }

  std::optional<game_window::TestFolder> folder_;
  platform::Window* window_ = nullptr;
  platform::Window* lastTop_ = nullptr;
  platform::Window* host_ = nullptr;
  bool helpShown_ = false;
  bool backAtHost_ = false;
  std::vector<std::string> seen_;
  int pausedBehind_ = -1;
  int clockAtOpen_ = -1;
  bool clockStood_ = false;
};

TEST_P(KeyHelp, OpensOverWhateverIsOpenAndClosesBackToIt) {
  const Case& c = GetParam();
  const auto command = [this](int id) {
    platform::SendMessage(window_, platform::Msg::Command, id);
  };
  switch (c.where) {
    case Where::kStartupMenu:
      command(CommandId::kStartupMenu);
      break;
    case Where::kPhaseMenu:
      BuildCampaignAt(CampaignStage::kGroupLeague, 2);
      command(CommandId::kPhaseMenu);
      break;
    case Where::kScreen:
      BuildCampaignAt(CampaignStage::kQualifying, 2);
      command(CommandId::kStandings);  // the standings, then the phase menu: left with Esc
      break;
    case Where::kBareWindow:
      OpenHelp();
      hl::Advance(100);
      break;
    case Where::kMatch:
    case Where::kPausedMatch:
      game_window::StartFriendly(window_, 1000);
      ASSERT_EQ(match.half, 1);
      if (c.where == Where::kPausedMatch) command(CommandId::kPause);
      OpenHelp();
      hl::Advance(100);
      break;
  }
  ASSERT_GE(seen_.size(), 1u);
  const std::size_t help = c.where >= Where::kBareWindow ? 0 : 1;
  ASSERT_GT(seen_.size(), help);
  EXPECT_EQ(seen_[help], DialogName::kKeyHelpDlg);
  EXPECT_EQ(std::count(seen_.begin(), seen_.end(), std::string(DialogName::kKeyHelpDlg)), 1);
  EXPECT_EQ(platform::TopDialog(), nullptr);
  if (c.where == Where::kMatch || c.where == Where::kPausedMatch) {
    // Paused while the help was open, the clock standing; afterwards as it was before.
    EXPECT_EQ(pausedBehind_, 1);
    EXPECT_TRUE(clockStood_);
    const bool paused = c.where == Where::kPausedMatch;
    EXPECT_EQ(gameFlow.paused, paused ? 1 : 0);
    EXPECT_EQ(platform::GetMenu(window_), paused ? shellState.menuPaused : shellState.menuRunning);
    const int clock = Clock();
    hl::Advance(1500);
    EXPECT_EQ(Clock() != clock, !paused);
  }
}

const Case kCases[] = {
    {"StartupMenuF1Esc", Where::kStartupMenu, Opened::kF1, platform::KeyEscape},
    {"StartupMenuF1Ok", Where::kStartupMenu, Opened::kF1, platform::KeyReturn},
    {"PhaseMenuF1Esc", Where::kPhaseMenu, Opened::kF1, platform::KeyEscape},
    {"ScreenF1Ok", Where::kScreen, Opened::kF1, platform::KeyReturn},
    {"BareWindowF1Esc", Where::kBareWindow, Opened::kF1, platform::KeyEscape},
    {"BareWindowGameMenuOk", Where::kBareWindow, Opened::kGameMenu, platform::KeyReturn},
    {"MatchF1Esc", Where::kMatch, Opened::kF1, platform::KeyEscape},
    {"MatchGameMenuOk", Where::kMatch, Opened::kGameMenu, platform::KeyReturn},
    {"PausedMatchF1Ok", Where::kPausedMatch, Opened::kF1, platform::KeyReturn},
    {"PausedMatchGameMenuEsc", Where::kPausedMatch, Opened::kGameMenu, platform::KeyEscape},
};

INSTANTIATE_TEST_SUITE_P(Everywhere, KeyHelp, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return std::string(info.param.name);
                         });

// The help names every key the game reads: the arrows, each kick letter the engine knows, the
// kick key and Shift, and the keys of the shoot-out.
TEST(KeyHelpText, NamesEveryKeyTheGameReads) {
  std::string text;
  for (const platform::DialogTemplate& d : FeldoDialogTemplates()) {
    if (d.name != DialogName::kKeyHelpDlg) continue;
    for (const platform::ControlTemplate& control : d.controls) {
      text += std::string(control.text) + "\n";
    }
  }
  for (const char* key :
       {"↑",     "↓",     "←",      "→",   "S",   "W",   "X",   "A", "Q", "Z", "P",
        "Space", "Shift", "P K 戦", "F10", "F11", "F12", "Esc", "*", ":", "/", "?"}) {
    EXPECT_NE(text.find(key), std::string::npos) << key;
  }
}

}  // namespace
