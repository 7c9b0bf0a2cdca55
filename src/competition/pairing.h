// The round-robin pairing tables of a league: who meets whom in each round, by slot.
#pragma once

#include <array>
#include <cstdint>

// [slot][round]: the 1-based slot of the opponent, 0 no match (the layout of
// leagueState.pairing, ten slots by ten rounds).
using PairingRows = std::array<std::array<std::uint8_t, 10>, 10>;

// The table of a league of `size` slots, 4, 6 or 8 (every pair of slots meets exactly once;
// rounds are 0-based in the table). Size 6 is a fixed table. Other sizes are built by
// halving: the first half of the slots meets the second half, then each half is split again,
// down to pairs of neighbours. A size of 0 gives an empty table, and nothing is entered outside
// the ten slots and ten rounds.
PairingRows PairingTable(int size);
// Fills leagueState.pairing with PairingTable(size).
void BuildPairing(int size);
