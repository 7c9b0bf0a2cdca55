// soak [matches] [seconds per period]: plays seeded whole matches through the real timer
// tick, every level code in turn; every second one is a play-off made level before the end
// of the second half and of extra time, so that it goes on to a penalty shoot-out. Each match
// must end (the clock, then the shoot-out decided) with everything inside the bounds the rules
// allow. Prints one line a match and a summary; exits 1 when any match failed.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/self_play.h"

int main(int argc, char** argv) {
  const int matches = argc > 1 ? std::atoi(argv[1]) : 100;
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 180;
  int failed = 0;
  int shootOuts = 0;
  long long kicks = 0;
  for (int i = 0; i < matches; ++i) {
    self_play::Settings settings;
    settings.seed = std::uint32_t(1000 + i);
    settings.levelCode = i % 7;
    settings.levelSetting = (i / 7) % 4;
    settings.secondsPerPeriod = seconds;
    settings.playoff = i % 2 == 1;
    settings.forceLevel = settings.playoff;
    const self_play::Report r = self_play::PlayMatch(settings);
    std::string problem;
    if (!r.ended) problem = "the match did not end";
    if (settings.forceLevel && !r.shootOut) problem = "no shoot-out";
    if (r.shootOut && !r.shootOutDecided) problem = "the shoot-out was not decided";
    if (r.shootOut && r.shootGoalsA == r.shootGoalsB) problem = "the shoot-out ended level";
    if (r.outOfBounds != 0) problem = r.firstOutOfBounds;
    if (r.shootOut) {
      ++shootOuts;
      kicks += r.shootKicks;
    }
    std::printf("match %3d seed %u level %d: %d-%d", i, settings.seed, settings.levelCode, r.scoreA,
                r.scoreB);
    if (r.shootOut)
      std::printf(", shoot-out %d-%d in %d kicks", r.shootGoalsA, r.shootGoalsB, r.shootKicks);
    std::printf(", %d frames%s%s\n", r.frames, problem.empty() ? "" : ": FAILED, ",
                problem.c_str());
    if (!problem.empty()) ++failed;
  }
  std::printf("%d matches, %d shoot-outs (%lld kicks), %d failed\n", matches, shootOuts, kicks,
              failed);
  return failed == 0 ? 0 : 1;
}
