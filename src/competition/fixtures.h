// Who plays whom: the league being played or computed, the World Cup groups, the qualifiers
// of each region and the knockout bracket. Nation references are nation numbers (index + 1,
// 0 for an empty place).
#pragma once

#include <array>
#include <cstdint>

inline constexpr int kLeagueSlots = 10;

struct LeagueState {
  std::array<std::uint8_t, kLeagueSlots> slots{};  // nation number in each slot, 0 empty
  std::uint8_t teamCount = 0;                      // slots taking part (4, 5, 6 or 8)
  // [slot][round]: 1-based slot of the opponent in that round, 0 no match (a bye).
  std::array<std::array<std::uint8_t, 10>, kLeagueSlots> pairing{};
  std::uint8_t userGroup = 0;  // group 0 (A) to 3 (D) of the user's nation
};

struct KnockoutTable {
  // Entry 2g is the winner and 2g + 1 the runner-up of group g.
  std::array<std::uint8_t, 8> bracket{};
  std::array<std::uint8_t, 4> semiFinalists{};  // winners of the four first-round ties
  std::array<std::uint8_t, 2> finalists{};      // winners of the two semi-finals
};

extern LeagueState leagueState;
// Four groups A to D of four nation numbers each.
extern std::array<std::array<std::uint8_t, 4>, 4> GroupTable;
// Row r (region 0 to 4) lists the region's qualifiers in order, 0 after the last; row 5 unused.
extern std::array<std::array<std::uint8_t, 10>, 6> QualifierTable;
extern KnockoutTable knockoutTable;

// The first-named and second-named bracket entries of each knockout tie of the first round:
// winner A v runner-up B, winner B v runner-up A, winner C v runner-up D, winner D v runner-up C.
inline constexpr int kFirstRoundTies[4][2] = {{0, 3}, {2, 1}, {4, 7}, {6, 5}};

void ResetFixtureRecords();
