// Closing the main window: at once with no campaign, after a question during a campaign, and
// what Cancel does during a match and between matches.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "archive/graphics_archive.h"
#include "competition/nations.h"
#include "match/control_state.h"
#include "match/match_state.h"
#include "match/match_tick.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "presentation/bitmap_store.h"
#include "presentation/match_captions.h"
#include "resources/feldo_resources.h"
#include "shell/command_log.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"

namespace {

namespace hl = platform::headless;
namespace fs = std::filesystem;

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
}

class ClosePaths : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::current_path() /
        (std::string("close-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    previous_ = fs::current_path();
    fs::current_path(folder_);
    fs::copy_file(fs::path(FELDO_GAME_DIR) / "GDAT.DAT", "GDAT.DAT");
    ResetGame();
    platform::Instance* instance = hl::StartForTests(FeldoResources());
    hl::SetIdleHandler([this](std::optional<std::uint64_t>) {
      platform::Window* top = platform::TopDialog();
      if (top != nullptr && platform::DialogTemplateName(top) == "messagebox") {
        ++questions_;
        hl::PressControl(answer_);
      } else if (top != nullptr) {
        // The start-up and phase menus are left with Esc.
        hl::KeyDown(platform::KeyEscape);
        hl::KeyUp(platform::KeyEscape);
      } else {
        hl::Advance(10);
      }
    });
    window_ = CreateFeldoWindow(instance);
    ASSERT_NE(window_, nullptr);
    platform::ShowWindow(window_, 1);
    platform::UpdateWindow(window_);
  }
  void TearDown() override {
    hl::Shutdown();
    ResetGame();
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  // Runs the queued messages: true when the quit message comes (within a few messages), with
  // its exit code in `exitCode`.
  bool RunsToQuit(platform::Param* exitCode) {
    platform::QueuedMessage message;
    for (int i = 0; i < 50; ++i) {
      if (!platform::GetMessage(&message)) {
        *exitCode = message.a;
        return true;
      }
      platform::DispatchMessage(&message);
    }
    return false;
  }

  fs::path folder_, previous_;
  platform::Window* window_ = nullptr;
  int answer_ = platform::kIdCancel;
  int questions_ = 0;
};

TEST_F(ClosePaths, WithNoCampaignTheProgramEndsAtOnceAndKeepsTheSettings) {
  EXPECT_EQ(shellState.startupDone, 1);
  EXPECT_EQ(commandLog.received[1], 1);
  gameFlow.soundOff = 1;
  gameFlow.level = 0;
  platform::SendMessage(window_, platform::Msg::Close);
  EXPECT_EQ(questions_, 0);
  EXPECT_EQ(shellState.menuIdle, nullptr);  // destroyed
  ASSERT_TRUE(fs::exists("SEL_.DAT"));
  EXPECT_EQ(fs::file_size("SEL_.DAT"), 2u);
  platform::Param exitCode = -1;
  EXPECT_TRUE(RunsToQuit(&exitCode));
  EXPECT_EQ(exitCode, 0);
}

TEST_F(ClosePaths, CancelDuringAMatchPausesAsksAndResumes) {
  gameFlow.phase = Phase::kQualifying;
  match.half = 1;
  platform::SetMenu(window_, shellState.menuRunning);
  platform::SendMessage(window_, platform::Msg::Close);
  EXPECT_EQ(questions_, 1);
  EXPECT_EQ(commandLog.received[CommandId::kPause], 2);  // paused before asking, resumed after
  EXPECT_EQ(commandLog.received[CommandId::kStartTimer], 1);
  EXPECT_EQ(commandLog.received[CommandId::kPhaseMenu], 0);
  EXPECT_EQ(gameFlow.paused, 0);
  EXPECT_EQ(platform::GetMenu(window_), shellState.menuRunning);
  EXPECT_FALSE(fs::exists("SEL_.DAT"));  // nothing written: the program keeps running
}

TEST_F(ClosePaths, CancelWhilePausedLeavesThePauseAndAsksOnce) {
  gameFlow.phase = Phase::kGroupLeague;
  match.half = 2;
  platform::SendMessage(window_, platform::Msg::Command, CommandId::kPause);
  ASSERT_EQ(gameFlow.paused, 1);
  platform::SendMessage(window_, platform::Msg::Close);
  EXPECT_EQ(questions_, 1);
  // Not paused again before the question; Cancel then resumes the paused match.
  EXPECT_EQ(commandLog.received[CommandId::kPause], 2);
  EXPECT_EQ(gameFlow.paused, 0);
}

TEST_F(ClosePaths, CancelBetweenMatchesReopensThePhaseMenu) {
  gameFlow.phase = Phase::kQualifying;
  match.half = 0;
  platform::SendMessage(window_, platform::Msg::Close);
  EXPECT_EQ(questions_, 1);
  EXPECT_EQ(commandLog.received[CommandId::kPhaseMenu], 1);
  EXPECT_EQ(commandLog.received[CommandId::kPause], 0);
  EXPECT_NE(shellState.menuIdle, nullptr);  // still running
}

TEST_F(ClosePaths, OkDuringACampaignEndsTheProgram) {
  gameFlow.phase = Phase::kKnockout;
  match.half = 1;
  answer_ = platform::kIdOk;
  platform::SendMessage(window_, platform::Msg::Close);
  EXPECT_EQ(questions_, 1);
  EXPECT_TRUE(fs::exists("SEL_.DAT"));
  platform::Param exitCode = -1;
  EXPECT_TRUE(RunsToQuit(&exitCode));
}

TEST_F(ClosePaths, ExitFromTheMenuClosesLikeTheCloseButton) {
  EXPECT_TRUE(hl::ChooseMenuItem(CommandId::kExit));
  hl::Advance(20);
  EXPECT_EQ(commandLog.received[CommandId::kExit], 1);
  EXPECT_EQ(shellState.menuIdle, nullptr);
  EXPECT_TRUE(fs::exists("SEL_.DAT"));
}

}  // namespace
