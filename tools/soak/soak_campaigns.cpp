// soak_campaigns [campaigns] [seconds per period]: plays seeded whole campaigns in the game's
// window with the self-playing user (tests/support/campaign_driver.h), the nations and the
// four levels in turn, each checked after every round. Runs in the current directory, which
// must hold the game's data files. Prints one line a campaign and, per level, how far the
// users got; exits 1 when any campaign failed.
#include <array>
#include <cstdio>
#include <cstdlib>

#include "support/campaign_driver.h"

int main(int argc, char** argv) {
  const int campaigns = argc > 1 ? std::atoi(argv[1]) : 100;
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 180;
  constexpr int kReached = 7;
  std::array<std::array<int, kReached>, 4> reached{};
  int failed = 0;
  for (int i = 0; i < campaigns; ++i) {
    campaign::Settings s;
    s.seed = std::uint32_t(5000 + i);
    s.userNation = i % 31;
    s.level = i % 4;
    s.secondsPerPeriod = seconds;
    const campaign::Report r = campaign::PlayCampaign(s);
    const bool ok = r.ended && r.faults.empty();
    ++reached[std::size_t(s.level)][std::size_t(r.reached)];
    std::printf("campaign %3d seed %u nation %2d level %d: %s after %d matches%s\n", i, s.seed,
                s.userNation, s.level, campaign::ReachedName(r.reached), r.userMatches,
                ok ? "" : ": FAILED");
    for (const std::string& f : r.faults) std::printf("  %s\n", f.c_str());
    if (!ok) ++failed;
  }
  for (int level = 0; level < 4; ++level) {
    std::printf("level %d:", level);
    for (int k = 1; k < kReached; ++k) {
      std::printf(" %s %d%s", campaign::ReachedName(campaign::Reached(k)),
                  reached[std::size_t(level)][std::size_t(k)], k + 1 < kReached ? "," : "");
    }
    std::printf("\n");
  }
  std::printf("%d campaigns, %d failed\n", campaigns, failed);
  return failed == 0 ? 0 : 1;
}
