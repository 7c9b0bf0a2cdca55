// The program's one random source.
#include "base/random_below.h"

#include "base/record_resets.h"

namespace {

std::uint32_t randomState = 1;

}  // namespace

void SeedRandom(std::uint32_t seed) {
  randomState = seed;
}

int NextRandom() {
  // Unsigned arithmetic wraps modulo 2^32.
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int>((randomState >> 16) & 0x7FFFu);
}

int RandomBelow(int n) {
  if (n < 2) return 0;
  return NextRandom() % n;
}

std::uint32_t RandomState() {
  return randomState;
}

namespace {
// The random source's start-up state.
const bool kRandomRegistered = RegisterRecordReset([] { SeedRandom(1); });
}  // namespace
