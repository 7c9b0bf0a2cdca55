// The cost of the match view and of one frame step on a typical mid-match frame: Germany and
// Brazil 150 frames after the kick-off, players spread over the pitch, the ball in play, with
// the game's own pictures when the generated game folder holds GDAT.DAT. Measured next to a
// memset and a memcpy of the 930 × 479 frame in the same run; the ratios printed at the end
// are what to watch (the view should stay within five times the copy).
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "base/game_flow_state.h"
#include "base/view_layout.h"
#include "competition/nations.h"
#include "frame_baseline.h"
#include "match/frame_step.h"
#include "match/match_frame.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/match_tick.h"
#include "match/match_view.h"
#include "match/net_rule.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "presentation/pitch_drawing.h"
#include "presentation/pitch_match_view.h"

namespace {

using frame_baseline::kFrameHeight;
using frame_baseline::kFrameWidth;
constexpr int kWarmUpFrames = 150;
constexpr int kFramesBeforeRestore = 200;  // the frame-step runs start again from the snapshot

// Everything a frame reads and writes, to start each run from the same mid-match moment.
struct MatchSnapshot {
  MatchState match;
  BallState ball;
  std::array<PlayerState, kPlayersPerSide> teamA;
  std::array<PlayerState, kPlayersPerSide> teamB;
  SavedFramePositions saved;
  void Take() {
    match = ::match;
    ball = ::ball;
    teamA = ::teamA;
    teamB = ::teamB;
    saved = savedFrame;
  }
  void Restore() const {
    ::match = match;
    ::ball = ball;
    ::teamA = teamA;
    ::teamB = teamB;
    savedFrame = saved;
  }
};

// One frame as the timer gives it: the ten ticks that only count (the keeper's hold, the
// still ball...), then the frame step.
void OneFrame() {
  tickCounters.frameDivider = 0;
  for (int tick = 0; tick < 10; ++tick) MatchTick([] {});
  MatchFrameStep();
}

struct Fixture {
  platform::Window* window = nullptr;  // a window of the headless backend, 900 × 580
  platform::DeviceContext* dc = nullptr;
  MatchSnapshot snapshot;
  bool pictures = false;

  Fixture() {
    const std::string gameDir = FELDO_GAME_DIR;
    if (platform::SetCurrentDirectory(gameDir) && platform::FileExists("GDAT.DAT")) {
      BuildDirectory();
      BuildCacheList();
      pictures = PreloadCache() == 0;
      LoadPitchPictures();
      LoadFlagPictures();
    }
    InitTeamDatabase();
    viewLayout.clientWidth = 900;
    viewLayout.clientHeight = 580;
    viewLayout.charWidth = 8;
    viewLayout.captionShift = CaptionShiftForWidth(900);
    platform::Instance* instance = platform::headless::StartForTests(platform::ResourceTable{});
    platform::WindowClass windowClass;
    windowClass.name = "Bench";
    windowClass.proc = platform::DefaultWindowProc;
    platform::RegisterWindowClass(instance, windowClass);
    window = platform::CreateMainWindow(instance, "Bench", "bench", 0, 0, 0, 900, 580);
    dc = platform::GetDC(window);
    CreateDrawingTools();
    SetMatchView(PitchMatchView(window));  // the pairing's pictures load with the match

    gameFlow.soundOff = 1;
    gameFlow.mode = Mode::kFriendly;
    gameFlow.userNation = 7;       // GER
    gameFlow.chosenOpponent = 15;  // BRA, with the dark overlay on every other player
    InitMatch();
    SetUpKickOff();
    match.half = 1;
    SetViewOffset(viewLayout.captionShift);
    DrawFullPitch(dc);
    for (int frame = 0; frame < kWarmUpFrames; ++frame) OneFrame();
    SaveFramePositions();
    snapshot.Take();
  }
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_DrawMatchFrame(benchmark::State& state) {
  Fixture& f = Shared();
  f.snapshot.Restore();
  for (auto _ : state) {
    DrawMatchFrame(f.dc);
    benchmark::DoNotOptimize(platform::GetPixel(f.dc, 450, 300));
  }
  state.SetLabel(f.pictures ? "with GDAT.DAT" : "without pictures");
}

void RunFrameSteps(benchmark::State& state, bool drawing) {
  Fixture& f = Shared();
  f.snapshot.Restore();
  SetMatchView(drawing ? PitchMatchView(f.window) : nullptr);
  int frames = 0;
  for (auto _ : state) {
    if (++frames == kFramesBeforeRestore) {
      f.snapshot.Restore();
      frames = 0;
    }
    OneFrame();
    benchmark::DoNotOptimize(ball.x);
  }
  SetMatchView(nullptr);
}

// Each iteration is one frame: the frame step and the ten counting ticks before it.
void BM_MatchFrameStepWithoutDrawing(benchmark::State& state) {
  RunFrameSteps(state, false);
}

void BM_MatchFrameStepWithDrawing(benchmark::State& state) {
  RunFrameSteps(state, true);
}

using frame_baseline::BM_MemcpyFrame;
using frame_baseline::BM_MemsetFrame;

BENCHMARK(BM_MemsetFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawMatchFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchFrameStepWithoutDrawing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchFrameStepWithDrawing)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  frame_baseline::RatioReporter reporter(
      {"BM_DrawMatchFrame", "BM_MatchFrameStepWithoutDrawing", "BM_MatchFrameStepWithDrawing"},
      [](const frame_baseline::RatioReporter::Seconds& seconds) {
        const double view = seconds("BM_DrawMatchFrame");
        const double memcpy = seconds("BM_MemcpyFrame");
        if (view > 0 && memcpy > 0) {
          std::printf("DrawMatchFrame / memcpy = %.2f (%s five)\n", view / memcpy,
                      view / memcpy <= 5.0 ? "within" : "ABOVE");
        }
      });
  return frame_baseline::RunWithRatios(argc, argv, &reporter);
}
