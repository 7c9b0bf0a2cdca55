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

#include "competition/nations.h"
#include "match/frame_step.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "platform/platform.h"
#include "presentation/graphics_archive.h"
#include "presentation/pitch_drawing.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"
#include "shell/match_tick.h"

namespace {

constexpr int kFrameWidth = 930;
constexpr int kFrameHeight = 479;
constexpr int kFrameMs = 110;
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
void OneFrame(platform::DeviceContext* dc) {
  tickCounters.frameDivider = 0;
  for (int tick = 0; tick < 10; ++tick) OnMatchTimer(nullptr);
  MatchFrameStep(dc);
}

struct Fixture {
  platform::DeviceContext* window = nullptr;  // stands in for the window's client area
  platform::Bitmap* client = nullptr;
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
    CreateDrawingTools();
    window = platform::CreateCompatibleDC(nullptr);
    client = platform::CreateCompatibleBitmap(window, 900, 580);
    platform::SelectBitmap(window, client);

    gameFlow.soundOff = 1;
    gameFlow.mode = 1;
    gameFlow.userNation = 7;       // GER
    gameFlow.chosenOpponent = 15;  // BRA, with the dark overlay on every other player
    InitMatch();
    SetUpKickOff();
    match.half = 1;
    DrawFullPitch(window, viewLayout.captionShift);  // records the goal mouths for the ball
    for (int frame = 0; frame < kWarmUpFrames; ++frame) OneFrame(nullptr);
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
    DrawMatchFrame(f.window);
    benchmark::DoNotOptimize(platform::BitmapPixels(f.client));
  }
  state.SetLabel(f.pictures ? "with GDAT.DAT" : "without pictures");
}

void RunFrameSteps(benchmark::State& state, platform::DeviceContext* dc) {
  Fixture& f = Shared();
  f.snapshot.Restore();
  int frames = 0;
  for (auto _ : state) {
    if (++frames == kFramesBeforeRestore) {
      f.snapshot.Restore();
      frames = 0;
    }
    OneFrame(dc);
    benchmark::DoNotOptimize(ball.x);
  }
}

// Each iteration is one frame: the frame step and the ten counting ticks before it.
void BM_MatchFrameStepWithoutDrawing(benchmark::State& state) {
  RunFrameSteps(state, nullptr);
}

void BM_MatchFrameStepWithDrawing(benchmark::State& state) {
  RunFrameSteps(state, Shared().window);
}

std::vector<std::uint32_t>& Buffer(int which) {
  static std::vector<std::uint32_t> buffers[2] = {
      std::vector<std::uint32_t>(std::size_t(kFrameWidth) * kFrameHeight, 1),
      std::vector<std::uint32_t>(std::size_t(kFrameWidth) * kFrameHeight, 2)};
  return buffers[which];
}

void BM_MemsetFrame(benchmark::State& state) {
  auto& buffer = Buffer(0);
  int value = 0;
  for (auto _ : state) {
    std::memset(buffer.data(), ++value & 255, buffer.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
}

void BM_MemcpyFrame(benchmark::State& state) {
  auto& from = Buffer(0);
  auto& to = Buffer(1);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_MemsetFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawMatchFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchFrameStepWithoutDrawing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchFrameStepWithDrawing)->Unit(benchmark::kMicrosecond);

// Prints the usual table, then each run against memset and memcpy of the same frame.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred) {
        seconds_[run.benchmark_name()] = run.real_accumulated_time / double(run.iterations);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const double memset = Seconds("BM_MemsetFrame");
    const double memcpy = Seconds("BM_MemcpyFrame");
    if (memset <= 0 || memcpy <= 0) return;
    std::printf("\nOne %d x %d frame, relative to memset and memcpy of the same buffer:\n",
                kFrameWidth, kFrameHeight);
    for (const char* name :
         {"BM_DrawMatchFrame", "BM_MatchFrameStepWithoutDrawing", "BM_MatchFrameStepWithDrawing"}) {
      const double s = Seconds(name);
      if (s <= 0) continue;
      std::printf("  %-32s %8.1f us = %6.2f x memset %6.2f x memcpy  %5.2f %% of a %d ms frame\n",
                  name, s * 1e6, s / memset, s / memcpy, 100.0 * s / (kFrameMs / 1000.0), kFrameMs);
    }
    const double view = Seconds("BM_DrawMatchFrame");
    if (view > 0) {
      std::printf("DrawMatchFrame / memcpy = %.2f (%s five)\n", view / memcpy,
                  view / memcpy <= 5.0 ? "within" : "ABOVE");
    }
  }

 private:
  double Seconds(const std::string& name) const {
    auto it = seconds_.find(name);
    return it == seconds_.end() ? 0.0 : it->second;
  }
  std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
