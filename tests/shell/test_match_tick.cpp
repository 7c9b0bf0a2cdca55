// The timer tick of the main window: a frame step on every eleventh tick, the counters the
// tick owns or counts down, the caption that holds play and restarts it with the whistle, the
// kick key's hold, and the crowd sound every 301 frames while sound is on.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "base/record_resets.h"
#include "match/control_state.h"
#include "match/frame_step.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/match_tick.h"
#include "match/shoot_out.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "presentation/bitmap_store.h"
#include "presentation/match_captions.h"
#include "presentation/pitch_drawing.h"
#include "resources/feldo_resources.h"
#include "shell/command_log.h"
#include "shell/game_flow.h"
#include "shell/keyboard.h"
#include "shell/main_window.h"

namespace {

namespace hl = platform::headless;

constexpr platform::Point kNotSaved = {-1000, -1000};
constexpr int kFrameTicks = 11;  // a frame step on every eleventh tick

// A mono 8-bit WAV file of one second.
void WriteWav(const std::string& name) {
  const std::uint32_t bytes = 8000;
  std::vector<char> data;
  auto put = [&data](std::uint32_t v, int count) {
    for (int i = 0; i < count; ++i) data.push_back(char((v >> (8 * i)) & 255));
  };
  auto tag = [&data](const char* t) { data.insert(data.end(), t, t + 4); };
  tag("RIFF");
  put(36 + bytes, 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);
  put(1, 2);  // PCM
  put(1, 2);  // mono
  put(8000, 4);
  put(8000, 4);
  put(1, 2);
  put(8, 2);
  tag("data");
  put(bytes, 4);
  data.resize(data.size() + bytes, char(128));
  std::ofstream(name, std::ios::binary).write(data.data(), std::streamsize(data.size()));
}

// Each test runs in a folder of its own holding the two sounds the tick plays, with the
// headless layer started (for the sounds) and a friendly match set up at its kick-off.
class MatchTick : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::path(FELDO_TEST_WORK_DIR) / (std::string("tick-") + info->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    previous_ = platform::CurrentDirectory();
    ASSERT_TRUE(platform::SetCurrentDirectory(folder_.string()));
    WriteWav("KANSEI4.wav");
    WriteWav("WHISTLE.wav");
    hl::StartForTests(FeldoResources());
    ResetRecords();
    gameFlow.mode = Mode::kFriendly;
    gameFlow.userNation = 7;      // GER
    gameFlow.chosenOpponent = 9;  // ENG
    InitMatch();
    SetUpKickOff();
    match.half = 1;
  }
  void TearDown() override {
    ResetPitchView();  // the window's drawing tools go before the layer does
    hl::Shutdown();
    ResetRecords();
    platform::SetCurrentDirectory(previous_);
    std::filesystem::remove_all(folder_);
  }
  static void ResetRecords() { ResetAllRecords(); }
  // One tick; true when it ran a frame step (which saves the positions first).
  static bool Tick() {
    savedFrame.points[23] = kNotSaved;
    OnMatchTimer(nullptr);
    return savedFrame.points[23].x != kNotSaved.x;
  }
  static void Ticks(int n) {
    for (int i = 0; i < n; ++i) OnMatchTimer(nullptr);
  }

  std::filesystem::path folder_;
  std::string previous_;
};

// ---------------------------------------------------------------- frames

TEST_F(MatchTick, FrameStepRunsOnEveryEleventhTickWhileAHalfIsPlayed) {
  std::vector<int> frameTicks;
  for (int tick = 1; tick <= 55; ++tick) {
    if (Tick()) frameTicks.push_back(tick);
  }
  EXPECT_EQ(frameTicks, (std::vector<int>{11, 22, 33, 44, 55}));

  match.half = 0;
  for (int tick = 1; tick <= 30; ++tick) EXPECT_FALSE(Tick()) << tick;
}

TEST_F(MatchTick, BallStillTicksCountOnlyWhileTheBallHasNeitherSpeedNorClimb) {
  ball.speed = 0;
  ball.climb = 0;
  Ticks(5);
  EXPECT_EQ(match.ballStillTicks, 5);
  ball.climb = -2;  // falling
  Ticks(1);
  EXPECT_EQ(match.ballStillTicks, 0);
  ball.climb = 0;
  Ticks(3);
  ball.speed = 1;
  Ticks(1);
  EXPECT_EQ(match.ballStillTicks, 0);
  // Between halves nothing is counted.
  match.half = 0;
  ball.speed = 0;
  Ticks(4);
  EXPECT_EQ(match.ballStillTicks, 0);
}

// ---------------------------------------------------------------- counters

TEST_F(MatchTick, EngineCountersCountDownToZeroAndTheKeepersHoldStopsAtOne) {
  match.half = 0;
  match.possessionBlockTicks = 3;
  match.nearSticky = 100;
  match.userKickTicks = 1;
  match.diveLockTicks = 2;
  match.keeperHoldTicks = 5;
  Ticks(10);
  EXPECT_EQ(match.possessionBlockTicks, 0);
  EXPECT_EQ(match.nearSticky, 90);
  EXPECT_EQ(match.userKickTicks, 0);
  EXPECT_EQ(match.diveLockTicks, 0);
  EXPECT_EQ(match.keeperHoldTicks, 1);  // the keeper kicks out in the frame that sees 1
  match.keeperHoldTicks = 0;
  Ticks(3);
  EXPECT_EQ(match.keeperHoldTicks, 0);
}

TEST_F(MatchTick, KickKeyHoldIsCountedUpTo1000) {
  match.half = 0;
  HandleKeyDown(platform::KeySpace);
  Ticks(49);
  HandleKeyUp(platform::KeySpace);
  EXPECT_EQ(controlState.kickPower, 1);

  HandleKeyDown(platform::KeySpace);
  Ticks(50);
  EXPECT_EQ(controlState.kickHoldTicks, 50);
  Ticks(1500);
  EXPECT_EQ(controlState.kickHoldTicks, 1000);
  HandleKeyUp(platform::KeySpace);
  EXPECT_EQ(controlState.kickPower, 3);
  EXPECT_EQ(controlState.keyCommand, 32);

  // Shift's lob mode is no charge.
  HandleKeyDown(platform::KeyShift);
  Ticks(20);
  EXPECT_EQ(controlState.kickHoldTicks, 0);
}

// A held arrow runs the controlled player, its auto-repeat coming every third tick as a
// keyboard sends it. Let go just after a repeat, he stops at once: the next frame does not take
// the direction that repeat left. Kicks typed while an arrow is held are still played.
TEST_F(MatchTick, ReleasingAHeldArrowStopsThePlayerAtOnceAndKicksArePlayed) {
  const auto send = [](platform::Msg msg, int key, platform::Param b = 0) {
    MainWindowProc(nullptr, msg, key, b);
  };
  // Holds `key` from one frame to just after the repeat before the next `frames` later.
  const auto hold = [&](int key, int frames) {
    while (!Tick()) {
    }
    send(platform::Msg::KeyDown, key);
    for (int tick = 1; tick <= frames * kFrameTicks - 2; ++tick) {
      Tick();
      if (tick % 3 == 0) send(platform::Msg::KeyDown, key, 1);
    }
    send(platform::Msg::KeyDown, key, 1);
  };
  const auto controlled = [] { return teamA[std::size_t(match.controlledPlayer - 1)]; };
  for (int key : {platform::KeyLeft, platform::KeyUp, platform::KeyRight, platform::KeyDown}) {
    SetUpKickOff();
    Ticks(200);  // the kick-off played and the controlled player free to run
    ASSERT_GT(match.controlledPlayer, 1) << key;
    const PlayerState before = controlled();
    hold(key, 3);
    const PlayerState held = controlled();
    EXPECT_TRUE(held.x != before.x || held.y != before.y) << key;
    send(platform::Msg::KeyUp, key);
    for (int tick = 0; tick < 2 * kFrameTicks; ++tick) Tick();
    EXPECT_EQ(controlled().x, held.x) << key;
    EXPECT_EQ(controlled().y, held.y) << key;
  }
  // A pass typed and the kick key released while an arrow repeats reach the engine.
  for (const auto& [typed, command] :
       {std::pair<int, int>{platform::KeyA + ('S' - 'A'), 'S'}, {platform::KeySpace, 32}}) {
    hold(platform::KeyRight, 1);
    send(platform::Msg::KeyDown, typed);
    send(platform::Msg::Char, typed == platform::KeySpace ? ' ' : 's');
    send(platform::Msg::KeyUp, typed);
    send(platform::Msg::KeyUp, platform::KeyRight);
    match.currentCommand = 0;
    while (!Tick()) {
    }
    EXPECT_EQ(match.currentCommand, command);
  }
}

// ---------------------------------------------------------------- captions

TEST_F(MatchTick, CaptionHoldsPlayAndRestartsItWithTheWhistle) {
  match.captionTimer = 3;
  match.captionKind = CaptionKind::kHalfTime;
  match.keeperHoldTicks = 50;
  match.possessionBlockTicks = 10;
  ball.speed = 0;
  ball.climb = 0;
  HandleKeyDown(platform::KeySpace);
  for (int tick = 1; tick <= 2; ++tick) EXPECT_FALSE(Tick()) << tick;
  EXPECT_EQ(match.captionTimer, 1);
  EXPECT_EQ(match.captionKind, CaptionKind::kHalfTime);
  EXPECT_EQ(platform::CurrentSound(), "");
  // While the caption shows only the engine's own counters move.
  EXPECT_EQ(match.possessionBlockTicks, 8);
  EXPECT_EQ(match.keeperHoldTicks, 50);
  EXPECT_EQ(match.ballStillTicks, 0);
  EXPECT_EQ(controlState.kickHoldTicks, 0);

  EXPECT_FALSE(Tick());  // the caption runs out: the restart, and nothing else this tick
  EXPECT_EQ(match.captionTimer, 0);
  EXPECT_EQ(match.captionKind, CaptionKind::kNone);
  EXPECT_EQ(match.keeperHoldTicks, 0);
  EXPECT_EQ(platform::CurrentSound(), "WHISTLE.wav");
  EXPECT_EQ(controlState.kickHoldTicks, 0);

  // Play goes on: the first frame eleven ticks later.
  int ticks = 0;
  while (!Tick()) ++ticks;
  EXPECT_EQ(ticks, 10);
  EXPECT_EQ(controlState.kickHoldTicks, 11);
}

TEST_F(MatchTick, NoWhistleWithSoundOff) {
  gameFlow.soundOff = 1;
  match.captionTimer = 1;
  Ticks(1);
  EXPECT_EQ(match.captionTimer, 0);
  EXPECT_EQ(platform::CurrentSound(), "");
}

// ---------------------------------------------------------------- crowd sound

TEST_F(MatchTick, CrowdSoundStartsEvery301FramesWhileSoundIsOn) {
  std::vector<int> started;
  for (int frame = 1; frame <= 602; ++frame) {
    while (!Tick()) {
    }
    // The crowd sound starts right after the frame step, in the same tick.
    if (platform::CurrentSound() == "KANSEI4.wav") {
      started.push_back(frame);
      platform::PlaySound("silent", false);
    }
  }
  EXPECT_EQ(started, (std::vector<int>{301, 602}));
}

TEST_F(MatchTick, NoCrowdSoundAndNoCountWithSoundOff) {
  gameFlow.soundOff = 1;
  for (int frame = 1; frame <= 320; ++frame) {
    while (!Tick()) {
    }
    ASSERT_NE(platform::CurrentSound(), "KANSEI4.wav") << frame;
  }
  EXPECT_EQ(tickCounters.crowdFrames, 0);
  // Switched on again, the count starts from where it stood.
  gameFlow.soundOff = 0;
  for (int frame = 1; frame <= 301; ++frame) {
    while (!Tick()) {
    }
  }
  EXPECT_EQ(platform::CurrentSound(), "KANSEI4.wav");
}

// ---------------------------------------------------------------- the window's timer

// The game's main window on the headless layer, with the match set up again after its
// creation (which resets the records).
platform::Window* CreateGameWindow() {
  platform::Instance* instance = hl::StartForTests(FeldoResources());
  platform::WindowClass windowClass;
  windowClass.name = "feldo-test";
  windowClass.proc = MainWindowProc;
  if (!platform::RegisterWindowClass(instance, windowClass)) return nullptr;
  platform::Window* window = platform::CreateMainWindow(instance, "feldo-test", "test", 0,
                                                        platform::kDefaultPosition, 0, 900, 600);
  // The start-up work after the first paint is done (no archive here, no start-up menu).
  graphicsArchive.playerNameCount = kCacheListSize;
  shellState.startupDone = 1;
  gameFlow.mode = Mode::kFriendly;
  gameFlow.userNation = 7;
  gameFlow.chosenOpponent = 9;
  InitMatch();
  SetUpKickOff();
  match.half = 1;
  ResetTickCounters();
  return window;
}

TEST_F(MatchTick, CaptionRunningOutRedrawsThePitchButNotDuringAShootOut) {
  platform::Window* window = CreateGameWindow();
  ASSERT_NE(window, nullptr);
  constexpr platform::Color kMarker = platform::Rgb(1, 2, 3);
  for (int periodKind : {0, 2}) {
    platform::DeviceContext* dc = platform::GetDC(window);
    platform::Brush* brush = platform::CreateSolidBrush(kMarker);
    platform::FillRect(dc, platform::Rect{0, 0, 900, 580}, brush);
    platform::DeleteObject(brush);
    match.periodKind = static_cast<PeriodKind>(periodKind);
    match.captionTimer = 1;
    OnMatchTimer(window);
    const platform::Color grass = platform::GetPixel(dc, 250, 420);
    if (periodKind == 0) {
      EXPECT_TRUE(grass == platform::Rgb(0, 240, 0) || grass == platform::Rgb(0, 220, 0)) << grass;
    } else {
      EXPECT_EQ(grass, kMarker);
    }
    platform::ReleaseDC(window, dc);
  }
}

TEST_F(MatchTick, MainWindowTimerDrivesTheTickEveryTenMilliseconds) {
  platform::Window* window = CreateGameWindow();
  ASSERT_NE(window, nullptr);
  platform::SendMessage(window, platform::Msg::Command, CommandId::kStartTimer, 0);

  savedFrame.points[23] = kNotSaved;
  hl::Advance(109);  // ten ticks
  EXPECT_EQ(savedFrame.points[23].x, kNotSaved.x);
  hl::Advance(1);  // the eleventh
  EXPECT_NE(savedFrame.points[23].x, kNotSaved.x);
  // Paused: the timer stops and nothing moves.
  platform::SendMessage(window, platform::Msg::Command, CommandId::kPause, 0);
  savedFrame.points[23] = kNotSaved;
  hl::Advance(500);
  EXPECT_EQ(savedFrame.points[23].x, kNotSaved.x);
}

// ---------------------------------------------------------------- the shoot-out

TEST_F(MatchTick, AShownSaveIsRecordedWithTheWhistleWhenItsTicksRunOut) {
  match.half = 0;
  StartShootOut();
  match.saveResult = SaveResult::kByKeeperB;
  match.saveTicks = 3;
  Ticks(2);
  EXPECT_EQ(match.shootKick, 0);
  EXPECT_EQ(platform::CurrentSound(), "");
  Ticks(1);
  EXPECT_EQ(match.shootKick, 1);
  EXPECT_EQ(match.shootResultsA[0], 0);
  EXPECT_EQ(match.saveResult, SaveResult::kNone);
  EXPECT_EQ(platform::CurrentSound(), "WHISTLE.wav");

  // Ticks that run out with no save shown record nothing.
  match.saveTicks = 1;
  Ticks(1);
  EXPECT_EQ(match.shootKick, 1);
}

TEST_F(MatchTick, ShootOutRunsAFrameOnEveryEleventhTickAndCountsTheWaitInFrames) {
  match.half = 0;
  StartShootOut();
  match.shootKick = 1;  // team B's kick: his taker waits 40 frames
  SetUpPenalty();
  std::vector<int> frameTicks;
  for (int tick = 1; tick <= 33; ++tick) {
    if (Tick()) frameTicks.push_back(tick);
  }
  EXPECT_EQ(frameTicks, (std::vector<int>{11, 22, 33}));
  EXPECT_EQ(match.preKickWait, 37);
  // Nothing of the regular play runs meanwhile.
  EXPECT_EQ(match.ballStillTicks, 0);
}

TEST_F(MatchTick, ADecidedShootOutIsHandedOverOnceAndALevelOneGoesOn) {
  platform::Window* window = CreateGameWindow();
  ASSERT_NE(window, nullptr);
  match.half = 0;
  StartShootOut();
  ResetCommandLog();
  platform::SendMessage(window, platform::Msg::Command, CommandId::kStartTimer, 0);

  match.shootKick = 10;  // 4 : 4 after five each
  match.shootGoalsA = 4;
  match.shootGoalsB = 4;
  SetUpPenalty();
  hl::Advance(300);
  EXPECT_EQ(match.periodKind, PeriodKind::kShootOut);
  EXPECT_EQ(commandLog.received[CommandId::kEndOfMatch], 0);

  match.shootKick = 12;  // 5 : 4 after the sixth pair
  match.shootGoalsA = 5;
  // The end of the match shows its result; the boxes are closed as they come.
  int boxes = 0;
  hl::SetIdleHandler([&boxes](std::optional<std::uint64_t>) {
    if (platform::TopDialog() == nullptr) return;
    ++boxes;
    hl::KeyDown(platform::KeyEscape);
    hl::KeyUp(platform::KeyEscape);
  });
  hl::Advance(10);
  EXPECT_GE(boxes, 1);
  EXPECT_EQ(match.periodKind, PeriodKind::kShootOutOver);
  EXPECT_EQ(commandLog.received[CommandId::kEndOfMatch], 1);
  EXPECT_EQ(platform::GetMenu(window), shellState.menuIdle);
  const int frozenWait = match.preKickWait;
  hl::Advance(1000);  // the timer is stopped
  EXPECT_EQ(commandLog.received[CommandId::kEndOfMatch], 1);
  EXPECT_EQ(match.preKickWait, frozenWait);
}

TEST_F(MatchTick, TheShootOutCommandSetsUpTheFirstKickDrawsItsCaptionAndStartsTheTimer) {
  platform::Window* window = CreateGameWindow();
  ASSERT_NE(window, nullptr);
  match.half = 0;
  match.keeperHoldTicks = 30;
  ResetCommandLog();
  platform::SendMessage(window, platform::Msg::Command, CommandId::kShootOut, 0);
  EXPECT_EQ(match.periodKind, PeriodKind::kShootOut);
  EXPECT_EQ(match.keeperHoldTicks, 0);
  EXPECT_EQ(match.ballHolder, 11);
  EXPECT_EQ(commandLog.received[CommandId::kStartTimer], 1);

  platform::DeviceContext* dc = platform::GetDC(window);
  bool red = false;
  const int m = CaptionCentre();
  for (int x = m - 48; x < m + 60 && !red; ++x) {
    for (int y = 240; y < 256 && !red; ++y)
      red = platform::GetPixel(dc, x, y) == platform::Rgb(255, 0, 0);
  }
  platform::ReleaseDC(window, dc);
  EXPECT_TRUE(red) << "no shoot-out caption";

  // The timer runs the shoot-out: the user aims and his taker shoots.
  controlState.keyCommand = 'A';
  hl::Advance(10 * 11 * 8);
  EXPECT_NE(ball.x, match.pitchLeft + 65);
}

}  // namespace
