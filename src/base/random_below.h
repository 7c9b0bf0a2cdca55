// The program's one random source: a 15-bit linear congruential generator.
//   state = state * 214013 + 2531011 (mod 2^32); output = bits 16 to 30 of the new state.
// RandomBelow(n) is 0 when n is below 2, else the next output modulo n. The generator is
// seeded at window creation with 1 and then with the calendar time in seconds (or with the
// --seed option).
#pragma once

#include <cstdint>

void SeedRandom(std::uint32_t seed);
int RandomBelow(int n);
// The next raw 15-bit output (0 to 32767).
int NextRandom();
std::uint32_t RandomState();
