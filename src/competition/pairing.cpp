// The round-robin pairing tables of a league.
#include "competition/pairing.h"

#include "competition/fixtures.h"

static_assert(kLeagueSlots == 10 && kPairingRounds == 10, "PairingRows is ten by ten");

namespace {

// The pairs of slots of each round of a six-slot league.
constexpr int kSixSlotRounds[5][3][2] = {
    {{0, 1}, {2, 3}, {4, 5}}, {{0, 5}, {1, 2}, {3, 4}}, {{0, 4}, {5, 2}, {1, 3}},
    {{0, 3}, {1, 5}, {2, 4}}, {{0, 2}, {3, 5}, {1, 4}},
};

bool InTable(int slot, int round) {
  return slot >= 0 && slot < kLeagueSlots && round >= 0 && round < kPairingRounds;
}

// Enters a meeting of slots a and b in `round` where both entries are still free.
void Meet(PairingRows& pairing, int a, int b, int round) {
  if (!InTable(a, round) || !InTable(b, round)) return;
  if (pairing[a][round] != 0 || pairing[b][round] != 0) return;
  pairing[a][round] = static_cast<std::uint8_t>(b + 1);
  pairing[b][round] = static_cast<std::uint8_t>(a + 1);
}

void BuildByHalving(PairingRows& pairing, int size) {
  int half = size / 2;
  int blocks = 1;
  int round = 0;
  int divisor = 2;
  while (half != 0) {
    for (int k = 0; k < blocks; ++k) {
      const int start = 2 * half * k;
      for (int i = 0; i < half; ++i) {
        for (int j = 0; j < half; ++j) {
          Meet(pairing, start + j, start + half + (i + j) % half, round + i);
        }
      }
    }
    round += half;
    divisor *= 2;
    half = size / divisor;
    blocks *= 2;
  }
}

}  // namespace

PairingRows PairingTable(int size) {
  PairingRows pairing{};
  if (size == 6) {
    for (int r = 0; r < 5; ++r) {
      for (const auto& pair : kSixSlotRounds[r]) Meet(pairing, pair[0], pair[1], r);
    }
  } else if (size >= 2 && size <= kLeagueSlots) {
    BuildByHalving(pairing, size);
  }
  return pairing;
}

void BuildPairing(int size) {
  leagueState.pairing = PairingTable(size);
}
