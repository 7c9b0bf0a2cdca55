// The round-robin pairing tables of a league: who meets whom in each round, by slot.
#pragma once

// Fills leagueState.pairing for a pairing size of 4, 6 or 8 (every pair of slots meets exactly
// once; rounds are 0-based in the table). Size 6 is a fixed table. Other sizes are built by
// halving: the first half of the slots meets the second half, then each half is split again,
// down to pairs of neighbours. All 100 entries are cleared first; a size of 0 leaves the table
// empty, and nothing is entered outside the ten slots and ten rounds.
void BuildPairing(int size);
