// The random source: the 15-bit linear congruential generator behind RandomBelow.
#include <gtest/gtest.h>

#include <cstdint>

#include "base/random_below.h"

namespace {

// The generator worked out independently, in 64-bit arithmetic with an explicit modulus.
class ReferenceGenerator {
 public:
  explicit ReferenceGenerator(std::uint64_t seed) : state_(seed) {}
  int Next() {
    state_ = (state_ * 214013 + 2531011) % 4294967296ULL;
    return static_cast<int>((state_ / 65536) % 32768);
  }

 private:
  std::uint64_t state_;
};

TEST(RandomBelow, SeedOneGivesTheClassicFirstOutputs) {
  SeedRandom(1);
  EXPECT_EQ(NextRandom(), 41);
  EXPECT_EQ(NextRandom(), 18467);
  EXPECT_EQ(NextRandom(), 6334);
  EXPECT_EQ(NextRandom(), 26500);
  EXPECT_EQ(NextRandom(), 19169);
}

TEST(RandomBelow, FollowsTheGeneratorOverManyStepsAndWrapsTheState) {
  for (std::uint32_t seed : {1u, 0u, 12345u, 0xFFFFFFFFu}) {
    SeedRandom(seed);
    ReferenceGenerator reference(seed);
    for (int i = 0; i < 2000; ++i) {
      const int n = 2 + i % 50;
      ASSERT_EQ(RandomBelow(n), reference.Next() % n) << "seed " << seed << " step " << i;
    }
  }
}

TEST(RandomBelow, OutputsStayWithinFifteenBits) {
  SeedRandom(0xDEADBEEF);
  for (int i = 0; i < 5000; ++i) {
    const int value = NextRandom();
    ASSERT_GE(value, 0);
    ASSERT_LE(value, 32767);
  }
}

TEST(RandomBelow, BelowTwoGivesZeroWithoutUsingANumber) {
  SeedRandom(1);
  for (int n : {1, 0, -1, -32768}) {
    EXPECT_EQ(RandomBelow(n), 0) << n;
  }
  EXPECT_EQ(RandomState(), 1u);
  EXPECT_EQ(RandomBelow(100), 41);
}

TEST(RandomBelow, SeedingRestartsTheSequence) {
  SeedRandom(777);
  const int first = NextRandom();
  const int second = NextRandom();
  SeedRandom(777);
  EXPECT_EQ(NextRandom(), first);
  EXPECT_EQ(NextRandom(), second);
}

}  // namespace
