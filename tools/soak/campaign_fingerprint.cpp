// campaign_fingerprint: plays a fixed set of seeded whole campaigns in the game's window (the
// nations, the four levels, drawn and undrawn matches, won and levelled knockouts) and prints,
// after every match of the user's, a hash of the campaign file the game saves at that moment.
// Two builds that print the same lines played every match and every computed result alike
// and keep the same campaign records in the same bytes: a change that is meant to leave the
// rules alone must not change a line (tests/data/campaign_fingerprint.txt holds the lines of
// the game as it plays today; `campaign_fingerprint > tests/data/campaign_fingerprint.txt`
// writes them anew after a change that is meant to change the play).
//
// Runs in the current directory, which must hold the game's data files; saves into a file of
// its own there and removes it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "savegame/campaign_file.h"
#include "support/campaign_driver.h"

namespace {

struct Run {
  int nation;
  int level;
  bool userWins;
  bool forceLevel;
  bool drawMatches;
};

// Asia, Europe, South America, North/Central America and Africa; every level; the knockout
// reached by winning and taken to penalties by levelling.
constexpr Run kRuns[] = {
    {0, 3, false, false, true},  {7, 2, true, false, false}, {14, 1, true, true, true},
    {21, 0, false, false, false}, {27, 3, true, true, false},
};
constexpr int kSecondsPerPeriod = 20;

std::uint64_t Fnv1a(const std::vector<char>& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : bytes) {
    hash ^= std::uint8_t(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace

int main() {
  const std::string file = "fingerprint-" + std::to_string(::getpid()) + ".sav";
  int failed = 0;
  for (std::size_t i = 0; i < std::size(kRuns); ++i) {
    const Run& run = kRuns[i];
    campaign::Settings s;
    s.seed = std::uint32_t(7000 + i);
    s.userNation = run.nation;
    s.level = run.level;
    s.userWins = run.userWins;
    s.forceLevel = run.forceLevel;
    s.drawMatches = run.drawMatches;
    s.secondsPerPeriod = kSecondsPerPeriod;
    s.afterMatch = [&](int results) {
      std::vector<char> bytes;
      if (SaveCampaign(file)) {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
      }
      std::printf("campaign %zu match %2d: %zu bytes %016llx\n", i, results, bytes.size(),
                  static_cast<unsigned long long>(Fnv1a(bytes)));
    };
    const campaign::Report r = campaign::PlayCampaign(s);
    std::printf("campaign %zu: %s after %d matches, %d shoot-outs\n", i,
                campaign::ReachedName(r.reached), r.userMatches, r.shootOuts);
    if (!r.ended || !r.faults.empty()) {
      std::printf("campaign %zu: FAILED\n", i);
      ++failed;
    }
  }
  std::remove(file.c_str());
  return failed == 0 ? 0 : 1;
}
