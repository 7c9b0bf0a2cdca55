// A whole self-playing match (two halves of 18 000 timer ticks, about 3 270 frames, with a
// random stream of key events): once without drawing, the rules alone, and once in a window
// of the headless backend with every frame drawn. Next to them, in the same run, a memcpy of
// one 930 × 479 frame; the per-frame cost of the match is printed against it and against the
// 110 ms a frame may take. A second pair plays a level play-off from the entrance through
// both halves, the half-time and extra-time captions, extra time and a penalty shoot-out to
// its decision, again without and with drawing.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../tests/support/self_play.cpp"
#include "../tests/support/self_play.h"

namespace {

constexpr int kFrameWidth = 930;
constexpr int kFrameHeight = 479;
constexpr int kFrameMs = 110;

double copyNs = 0;
double ruleFrameNs = 0;
double drawnFrameNs = 0;
double ruleShootOutFrameNs = 0;
double drawnShootOutFrameNs = 0;

void BM_CopyFrame(benchmark::State& state) {
  std::vector<std::uint32_t> from(std::size_t(kFrameWidth) * kFrameHeight, 0x00F000);
  std::vector<std::uint32_t> to(from.size());
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

void PlayOne(benchmark::State& state, bool drawing, bool shootOut = false) {
  std::uint32_t seed = 1;
  int frames = 0;
  for (auto _ : state) {
    self_play::Settings settings;
    settings.seed = seed++;
    settings.levelCode = 4;
    settings.levelSetting = 1;
    settings.drawing = drawing;
    settings.pictures = drawing;
    settings.playoff = shootOut;
    settings.forceLevel = shootOut;
    const self_play::Report report = self_play::PlayMatch(settings);
    frames += report.frames;
    benchmark::DoNotOptimize(report.scoreA);
  }
  state.counters["frames"] = benchmark::Counter(double(frames), benchmark::Counter::kAvgIterations);
}

void BM_MatchWithoutDrawing(benchmark::State& state) {
  PlayOne(state, false);
}
void BM_MatchWithDrawing(benchmark::State& state) {
  PlayOne(state, true);
}

void BM_ShootOutTieWithoutDrawing(benchmark::State& state) {
  PlayOne(state, false, true);
}
void BM_ShootOutTieWithDrawing(benchmark::State& state) {
  PlayOne(state, true, true);
}

BENCHMARK(BM_CopyFrame);
BENCHMARK(BM_MatchWithoutDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatchWithDrawing)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ShootOutTieWithoutDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShootOutTieWithDrawing)->Unit(benchmark::kMillisecond)->Iterations(3);

// Notes the per-iteration times of the runs above for the summary.
class Collector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const double ns =
          run.GetAdjustedRealTime() * (run.time_unit == benchmark::kMillisecond ? 1e6 : 1.0);
      const double frames = run.counters.count("frames") ? double(run.counters.at("frames")) : 0;
      const std::string name = run.benchmark_name();
      if (name == "BM_CopyFrame") copyNs = ns;
      if (name.rfind("BM_MatchWithoutDrawing", 0) == 0 && frames > 0) ruleFrameNs = ns / frames;
      if (name.rfind("BM_MatchWithDrawing", 0) == 0 && frames > 0) drawnFrameNs = ns / frames;
      if (name.rfind("BM_ShootOutTieWithoutDrawing", 0) == 0 && frames > 0) {
        ruleShootOutFrameNs = ns / frames;
      }
      if (name.rfind("BM_ShootOutTieWithDrawing", 0) == 0 && frames > 0) {
        drawnShootOutFrameNs = ns / frames;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  // The pictures come from the game folder when it has been built.
  const std::string gameDir = FELDO_GAME_DIR;
  const bool haveArchive = chdir(gameDir.c_str()) == 0 && access("GDAT.DAT", R_OK) == 0;
  benchmark::Initialize(&argc, argv);
  Collector reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::printf("\nPictures %s.\n",
              haveArchive ? "from GDAT.DAT" : "missing: only the pitch is drawn");
  if (copyNs > 0 && ruleFrameNs > 0) {
    std::printf("One frame of rules: %.0f ns = %.3f frame copies = %.5f %% of a %d ms frame\n",
                ruleFrameNs, ruleFrameNs / copyNs, ruleFrameNs / (kFrameMs * 1e4), kFrameMs);
  }
  if (copyNs > 0 && drawnFrameNs > 0) {
    std::printf("One drawn frame:    %.0f ns = %.1f frame copies = %.3f %% of a %d ms frame\n",
                drawnFrameNs, drawnFrameNs / copyNs, drawnFrameNs / (kFrameMs * 1e4), kFrameMs);
  }
  if (copyNs > 0 && ruleShootOutFrameNs > 0 && drawnShootOutFrameNs > 0) {
    std::printf(
        "A tie with extra time and a shoot-out, per frame: rules %.0f ns = %.3f frame "
        "copies; drawn %.0f ns = %.1f frame copies = %.3f %% of a %d ms frame\n",
        ruleShootOutFrameNs, ruleShootOutFrameNs / copyNs, drawnShootOutFrameNs,
        drawnShootOutFrameNs / copyNs, drawnShootOutFrameNs / (kFrameMs * 1e4), kFrameMs);
  }
  return 0;
}
