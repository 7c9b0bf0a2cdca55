// Who plays whom: the league being played or computed, the World Cup groups, the qualifiers
// of each region and the knockout bracket. Nation references are nation numbers (index + 1,
// 0 for an empty place).
//
// A league is a single round robin over the slots of `leagueState`: the set-ups place the
// league's nations in the slots at random and build the pairing table, in which every pair
// of slots meets exactly once. A region of five nations is paired as six: its empty sixth
// slot gives each nation one round without a match (a bye).
//
// leagueState, GroupTable, QualifierTable and knockoutTable are process-wide, one instance
// each, alive for the whole run; the saved campaign stores them. ResetFixtureRecords puts
// them back to their start-up values (all zero).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

inline constexpr int kLeagueSlots = 10;
inline constexpr int kPairingRounds = 10;
inline constexpr int kGroupCount = 4;
inline constexpr int kGroupSize = 4;
inline constexpr int kQualifierRows = 6;
inline constexpr int kQualifierColumns = 10;
// The youth selection's nation number: the practice match's opponent.
inline constexpr int kPracticeOpponent = 32;

struct LeagueState {
  std::array<std::uint8_t, kLeagueSlots> slots{};  // nation number in each slot, 0 empty
  std::uint8_t teamCount = 0;                      // slots taking part (4, 5, 6 or 8)
  // [slot][round]: 1-based slot of the opponent in that round, 0 no match (a bye).
  std::array<std::array<std::uint8_t, kPairingRounds>, kLeagueSlots> pairing{};
  std::uint8_t userGroup = 0;  // group 0 (A) to 3 (D) of the user's nation
};

struct KnockoutTable {
  // Entry 2g is the winner and 2g + 1 the runner-up of group g.
  std::array<std::uint8_t, 8> bracket{};
  std::array<std::uint8_t, 4> semiFinalists{};  // winners of the four first-round ties
  std::array<std::uint8_t, 2> finalists{};      // winners of the two semi-finals
};

extern LeagueState leagueState;
// Four groups A to D of four nation numbers each, filled by the group draw.
extern std::array<std::array<std::uint8_t, kGroupSize>, kGroupCount> GroupTable;
// Row r (region 0 to 4) lists the region's qualifiers in order, 0 after the last; row 5 unused.
extern std::array<std::array<std::uint8_t, kQualifierColumns>, kQualifierRows> QualifierTable;
extern KnockoutTable knockoutTable;

// The first-named and second-named bracket entries of each knockout tie of the first round:
// winner A v runner-up B, winner B v runner-up A, winner C v runner-up D, winner D v runner-up C.
// The first-named side is the home side of the tie in the round's results.
inline constexpr int kFirstRoundTies[4][2] = {{0, 3}, {2, 1}, {4, 7}, {6, 5}};

void ResetFixtureRecords();

// The number of slots a region's league is paired for: 8 for Europe, 6 for every other region
// (North/Central America and Caribbean has five nations and a free sixth slot); 0 for an index
// outside 0 to 4.
int RegionPairingSize(int region);

// Clears the league part of the records of nations 0 to 30: results, spareResults, goalsFor
// and goalsAgainst.
void ClearLeagueRecords();

// The user's regional qualifying, for gameFlow.region: clears the league part of every nation,
// the slots and the standings, places the region's nations at random, builds the pairing and
// sets teamCount and gameFlow.roundCount (pairing size - 1). The caller sets roundIndex to 0.
void SetUpQualifying();
// A region's qualifying league for computing it without the user: the slots, the standings,
// the random placing and the pairing. TeamTable, teamCount and the round counters stay as they
// are; the caller sets teamCount.
void SetUpRegionLeague(int region);
// The user's World Cup group, after the draw: clears the league part of every nation, the
// slots and the standings, finds userGroup (0 when the user's nation is in no group), places
// the group's four nations at random and sets teamCount 4, roundCount 3 and roundIndex 0.
void SetUpGroupLeague();
// A group's league for computing it without the user: the slots, the standings, the random
// placing and the pairing. TeamTable, userGroup and the round counters stay as they are; the
// caller sets teamCount.
void SetUpComputedGroup(int group);

// The 1-based slot that `slot` meets in round `round` (0-based), 0 for a round without a match
// or a slot or round outside the table.
int PairedSlot(int slot, int round);
// The nation number that `nationNumber` meets in round `round` of the league: the nation in
// the paired slot, 0 when there is none. A nation that stands in no slot plays for slot 0.
int LeagueOpponent(int nationNumber, int round);
// The other nation of `nationNumber`'s knockout tie in round `round` (0 first round,
// 1 semi-final, 2 final), 0 when it has no tie in that round.
int KnockoutOpponent(int nationNumber, int round);
// The user's opponent (a nation number) in the current round of the campaign, read from the
// fixtures by gameFlow's phase, userNation and roundIndex; 0 outside the qualifying, the group
// league and the knockout, and in a round without a match.
int UserFixtureOpponent();

// The nations (indices, in index order) that the user may meet in a friendly match: every
// nation 0 to 30 whose region differs from the region of the user's nation.
std::vector<int> FriendlyOpponents(int userNation);
