// A whole campaign in the game's window on the headless backend (every dialog answered, every
// user match played by the self-playing user through the window's timer on 3:00 periods),
// beside one self-playing match drawn in a headless window and one played by the rules alone,
// in the same run. The campaign's time is printed against the drawn match's, per match played.
// The game's window always draws into its surface, so the campaign is compared with the drawn
// match; the rules-only match gives the share of the drawing.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>

#include "../tests/support/campaign_driver.cpp"
#include "../tests/support/self_play.cpp"

namespace {

double campaignNs = 0;
double campaignMatches = 0;
double undrawnCampaignNs = 0;
double drawnMatchNs = 0;
double ruleMatchNs = 0;

void PlayMatch(benchmark::State& state, bool drawing) {
  std::uint32_t seed = 1;
  for (auto _ : state) {
    self_play::Settings settings;
    settings.seed = seed++;
    settings.levelCode = 3;
    settings.drawing = drawing;
    settings.pictures = drawing;
    benchmark::DoNotOptimize(self_play::PlayMatch(settings).scoreA);
  }
}

void BM_MatchRulesOnly(benchmark::State& state) {
  PlayMatch(state, false);
}
void BM_MatchDrawn(benchmark::State& state) {
  PlayMatch(state, true);
}

void PlayCampaigns(benchmark::State& state, bool drawMatches) {
  int matches = 0;
  for (auto _ : state) {
    campaign::Settings settings;
    settings.seed = 8;
    settings.userNation = 7;
    settings.drawMatches = drawMatches;
    const campaign::Report report = campaign::PlayCampaign(settings);
    matches += report.userMatches;
    if (!report.ended || !report.faults.empty()) state.SkipWithError("the campaign failed");
  }
  state.counters["matches"] =
      benchmark::Counter(double(matches), benchmark::Counter::kAvgIterations);
}

void BM_WholeCampaign(benchmark::State& state) {
  PlayCampaigns(state, true);
}
// The same campaign with the matches played without their drawing.
void BM_WholeCampaignUndrawnMatches(benchmark::State& state) {
  PlayCampaigns(state, false);
}

BENCHMARK(BM_MatchRulesOnly)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MatchDrawn)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WholeCampaign)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_WholeCampaignUndrawnMatches)->Unit(benchmark::kMillisecond)->Iterations(1);

class Collector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const double ns = run.GetAdjustedRealTime() * 1e6;  // reported in ms
      const std::string name = run.benchmark_name();
      if (name.rfind("BM_MatchRulesOnly", 0) == 0) ruleMatchNs = ns;
      if (name.rfind("BM_MatchDrawn", 0) == 0) drawnMatchNs = ns;
      if (name.rfind("BM_WholeCampaignUndrawnMatches", 0) == 0) {
        undrawnCampaignNs = ns;
      } else if (name.rfind("BM_WholeCampaign", 0) == 0) {
        campaignNs = ns;
        auto it = run.counters.find("matches");
        if (it != run.counters.end()) campaignMatches = it->second;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  // The campaign reads the pictures and sounds from the game folder.
  const bool haveArchive = chdir(FELDO_GAME_DIR) == 0 && access("GDAT.DAT", R_OK) == 0;
  benchmark::Initialize(&argc, argv);
  Collector reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::printf("\nPictures %s.\n", haveArchive ? "from GDAT.DAT" : "missing: only the pitch");
  if (drawnMatchNs > 0 && campaignNs > 0 && campaignMatches > 0) {
    std::printf(
        "A campaign of %.0f matches = %.2f drawn matches; per match %.2f drawn matches, "
        "%.1f rules-only matches\n",
        campaignMatches, campaignNs / drawnMatchNs, campaignNs / campaignMatches / drawnMatchNs,
        ruleMatchNs > 0 ? campaignNs / campaignMatches / ruleMatchNs : 0.0);
  }
  if (undrawnCampaignNs > 0 && campaignNs > 0 && ruleMatchNs > 0 && campaignMatches > 0) {
    std::printf(
        "The same campaign with undrawn matches = %.2f of the drawn one; per match %.2f "
        "rules-only matches\n",
        undrawnCampaignNs / campaignNs, undrawnCampaignNs / campaignMatches / ruleMatchNs);
  }
  return 0;
}
