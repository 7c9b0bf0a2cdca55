// A gamepad in a friendly match in the game's own window on the real SDL backend (SDL's dummy
// video driver, no screen): a software pad plugged in once play is under way works at once,
// its held d-pad makes the user's controlled player run, a face button kicks the ball, and
// pulling it out pauses the match as the GAME menu's Pause does.
//
// The window runs on the real clock, so the test runs the message loop itself and waits for
// what the match records show, each wait bounded by a generous count of messages.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/game_flow_state.h"
#include "base/record_resets.h"
#include "match/caption_state.h"
#include "match/match_state.h"
#include "match/match_tick.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "platform/sdl/virtual_pad.h"
#include "resources/feldo_commands.h"
#include "resources/feldo_resources.h"
#include "shell/main_window.h"
#include "support/campaign_driver.h"

// SDL's D-Bus connection keeps a buffer that libdbus never frees; it is not ours to fix.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n";
}

namespace {

namespace fs = std::filesystem;
namespace hl = platform::headless;
using platform::sdl::PadButton;

constexpr int kMessageBudget = 60000;  // messages per wait: minutes of the match's 10 ms timer

class PadMatch : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::current_path() / "pad-match";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    previous_ = fs::current_path();
    fs::current_path(folder_);
    fs::copy_file(fs::path(FELDO_GAME_DIR) / "GDAT.DAT", "GDAT.DAT");
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ResetAllRecords();
    platform::ProgramOptions options;
    options.seed = 5;
    platform::Instance* instance = hl::StartOnSdlForTests(FeldoResources(), options);
    ASSERT_NE(instance, nullptr);
    window_ = CreateFeldoWindow(instance);
    ASSERT_NE(window_, nullptr);
    // The match is started as the qualifying menu's friendly button starts it, without the
    // menus before it: the start-up menu is taken as shown.
    shellState.startupDone = 1;
    gameFlow.soundOff = 1;
    platform::ShowWindow(window_, 1);
    platform::UpdateWindow(window_);
    gameFlow.userNation = 7;      // GER
    gameFlow.chosenOpponent = 9;  // ENG
    gameFlow.mode = Mode::kFriendly;
    platform::SendMessage(window_, platform::Msg::Command, CommandId::kStartMatch, 0);
  }
  void TearDown() override {
    pad_.PullOut();
    hl::Shutdown();
    ResetAllRecords();
    unsetenv("SDL_VIDEODRIVER");
    unsetenv("SDL_AUDIODRIVER");
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  // Runs the window's messages until `done` holds; false when the budget ran out first.
  template <typename Condition>
  bool RunUntil(Condition done) {
    for (int n = 0; n < kMessageBudget; ++n) {
      if (done()) return true;
      platform::QueuedMessage message;
      if (!platform::GetMessage(&message)) return false;
      platform::TranslateMessage(&message);
      platform::DispatchMessage(&message);
    }
    return done();
  }
  // Runs until the next frame of play has been stepped.
  bool NextFrame() {
    bool before = tickCounters.frameDivider == 0;
    return RunUntil([&] {
      const bool stepped = !before && tickCounters.frameDivider == 0;
      before = tickCounters.frameDivider == 0;
      return stepped;
    });
  }
  static bool PlayRuns() {
    return match.half != 0 && captionState.entranceState == EntranceState::kNone &&
           match.captionTimer == 0 && match.controlledPlayer >= 2 &&
           match.controlledPlayer <= kPlayersPerSide;
  }

  fs::path folder_, previous_;
  platform::Window* window_ = nullptr;
  platform::sdl::VirtualPad pad_;
};

// The d-pad buttons toward `(x, y)` from the controlled player, as a person steers.
void Steer(platform::sdl::VirtualPad& pad, int x, int y) {
  const PlayerState& p = teamA[std::size_t(match.controlledPlayer - 1)];
  pad.SetButton(PadButton::DpadRight, x > p.x + 4);
  pad.SetButton(PadButton::DpadLeft, x < p.x - 4);
  pad.SetButton(PadButton::DpadDown, y > p.y + 4);
  pad.SetButton(PadButton::DpadUp, y < p.y - 4);
}

TEST_F(PadMatch, PadPluggedInMidMatchRunsAndKicksAndPullingItOutPauses) {
  // Plugged in while the players walk in.
  ASSERT_TRUE(RunUntil([] { return match.half != 0; }));
  ASSERT_TRUE(pad_.PlugIn());
  ASSERT_TRUE(RunUntil(PlayRuns));

  // The d-pad held to the right: the controlled player keeps running, frame after frame,
  // far beyond the one short slide a single press gives.
  pad_.SetButton(PadButton::DpadRight, true);
  int runningFrames = 0;
  for (int frame = 0; frame < 30; ++frame) {
    const int before = match.controlledPlayer;
    const int x = teamA[std::size_t(before - 1)].x;
    ASSERT_TRUE(NextFrame());
    if (match.controlledPlayer == before && teamA[std::size_t(before - 1)].x > x) {
      ++runningFrames;
    }
  }
  pad_.SetButton(PadButton::DpadRight, false);
  EXPECT_GE(runningFrames, 20) << "slide of " << match.motionBase + 3 << " frames";

  // Steered to the ball until he has it, then B shoots: the ball leaves him at speed.
  bool kicked = false;
  for (int frame = 0; frame < 3000 && !kicked && !HasFailure(); ++frame) {
    const int controlled = match.controlledPlayer;
    if (controlled < 2 || controlled > kPlayersPerSide) {
      ASSERT_TRUE(NextFrame());
      continue;
    }
    if (match.ballHolder != controlled) {
      Steer(pad_, ball.x, ball.y);
      ASSERT_TRUE(NextFrame());
      continue;
    }
    Steer(pad_, teamA[std::size_t(controlled - 1)].x, teamA[std::size_t(controlled - 1)].y);
    pad_.SetButton(PadButton::B, true);
    for (int wait = 0; wait < 5 && !kicked; ++wait) {
      ASSERT_TRUE(NextFrame());
      kicked = match.ballHolder != controlled && ball.speed > 0;
    }
    pad_.SetButton(PadButton::B, false);
  }
  EXPECT_TRUE(kicked);

  // Pulled out: the match pauses, as the GAME menu's Pause pauses it.
  ASSERT_EQ(gameFlow.paused, 0);
  pad_.SetButton(PadButton::DpadLeft, true);
  ASSERT_TRUE(NextFrame());
  pad_.PullOut();
  EXPECT_TRUE(RunUntil([] { return gameFlow.paused != 0; }));
  EXPECT_EQ(platform::GetMenu(window_), shellState.menuPaused);
}

}  // namespace
