// The results of a round and the standings of the league last computed.
//
// resultTable holds one round's results: an entry is appended at the first entry whose home
// is 0 and count grows by one. When the user played in the round, entry 0 is the user's match.
// Standings has one entry per league slot (slots 0 to teamCount - 1 are used): 3 points a win
// and 1 a draw, ties broken by goal difference and then by goals scored. Several entries can
// share a rank, and rank values can skip a number after the tie-breaks (or run behind the
// places, when a tie is not broken): a rank only orders the entries. What the table shows and
// what qualifies is the place: 1 + the number of entries on a better rank (StandingsPlaces).
//
// Both are process-wide, one instance each, alive for the whole run; the saved campaign stores
// them. ResetStandingsRecords puts them back to their start-up values (all zero).
#pragma once

#include <array>
#include <cstdint>

#include "competition/fixtures.h"

inline constexpr int kResultEntries = 10;
inline constexpr int kStandingsEntries = 11;
// The highest rank the tie-breaks can give a league of ten slots: a split moves the ranks
// behind it down by less than the number of entries it splits, and the split by goals for can
// move them once more, so the ranks stay below twice the number of entries.
inline constexpr int kHighestRank = 2 * kLeagueSlots - 1;

struct ResultTable {
  std::array<std::uint8_t, kResultEntries> home{};  // nation number of the first-named side
  std::array<std::uint8_t, kResultEntries> away{};  // nation number of the other side
  std::array<std::uint8_t, kResultEntries> homeGoals{};
  std::array<std::uint8_t, kResultEntries> awayGoals{};
  std::uint8_t count = 0;  // entries in use (at most 10)
};

struct StandingsEntry {
  std::uint8_t nation = 0;  // nation number in that slot, 0 none
  std::uint8_t points = 0;
  std::int32_t goalsFor = 0;
  std::int32_t goalDifference = 0;  // goalsFor - goalsAgainst
  std::uint8_t rank = 0;            // 1 first; 0 not ranked
};

extern ResultTable resultTable;
extern std::array<StandingsEntry, kStandingsEntries> Standings;

void ResetStandingsRecords();

// Empties resultTable: every home and away 0, count 0.
void ClearResults();
// Appends a result at the first free entry (home 0) and counts it; nothing when all ten
// entries are in use.
void AppendResult(int home, int away, int homeGoals, int awayGoals);

// Whether a nation number stands as home or away among the entries below count.
bool StandsInResults(int nationNumber);

// Clears the points, goals for, goal difference and rank of the first ten standings entries.
void ClearStandingsFigures();

// Writes every entry of resultTable below count whose home and away are both nations 1 to 31
// into the TeamRecords: the outcome into each side's results and the goals into goalsFor and
// goalsAgainst (8-bit sums).
void ApplyRoundResults();

// Fills Standings for the league of leagueState from the TeamRecords: points (over all 31
// results), goals for, goal difference and the ranks. Ranks are first dense by points (every
// nation on 0 points shares the last rank); each rank held by several entries is then split by
// goal difference and, after that, by goals for, moving every rank behind the split down. Every
// rank value the splits reach is split, so that entries share a rank only when they are level
// on points, goal difference and goals for.
void ComputeStandings();

// The place of each slot below teamCount: 1 + the number of entries with a better (smaller,
// non-zero) rank; 0 for an entry without a rank. Places close the gaps of the rank values and
// entries level on a rank share a place: ranks 1, 2, 4, 5 give places 1, 2, 3, 4 and ranks
// 1, 1, 2 give 1, 1, 3.
std::array<int, kLeagueSlots> StandingsPlaces();

// The number of entries among slots 0 to teamCount - 1 whose rank is r.
int CountAtRank(int r);
// The nation number of the k-th (0-based, in slot order) entry among slots 0 to teamCount - 1
// with rank r and a nation; 0 when there is none.
int NthAtRank(int r, int k);
