// How the standings table reads on screen: the number shown for each place, which lines are
// marked as qualified, in a play-off or out, and in which colour. The table is drawn from
// these lines (presentation/competition_screens.h); they read Standings and leagueState as
// ComputeStandings left them.
//
// Tickets: a league shows as many qualification marks as it has tickets; the user's own view
// between rounds shows none. Display numbers: the places of each rank value in turn, in slot
// order, get 1 + the number of entries numbered before them, so ranks 1, 2, 4, 5 show as
// 1, 2, 3, 4 and ranks 1, 2, 2, 3 as 1, 2, 2, 4. A play-off place (only while the user's
// nation stands in the table) is a display number shared by nations on both sides of the
// ticket boundary: all of them show the play-off mark, in blue. Otherwise the first entries
// in display order take the marks while marks are left, in red; the others are out.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "competition/fixtures.h"

enum class LineColour : std::uint8_t { Black, Red, Blue };
enum class StandingsMark : std::uint8_t {
  None,        // a view without tickets
  Qualified,   // through to the World Cup (qualifying)
  ToKnockout,  // through to the knockout (group league)
  Playoff,
  Out,
};

struct StandingsLine {
  int slot = 0;    // entry of Standings and leagueState.slots
  int number = 0;  // the place shown
  LineColour colour = LineColour::Black;
  StandingsMark mark = StandingsMark::None;
};

// The tickets shown for gameFlow.displayRegion: regions 0, 2 and 4 three, region 1 five,
// region 3 two, the groups (kDisplayGroupLeague) two; anything else (the user's own view,
// kDisplayOwnLeague) none.
int StandingsTickets(int displayRegion);
// The display number of each slot below teamCount, 0 for an entry with no rank in 1 to n.
std::array<int, kLeagueSlots> DisplayNumbers();
// Whether the user's nation (gameFlow.userNation) stands in a slot below teamCount.
bool UserInStandings();
// Whether display place q (0-based) is a play-off place for `tickets`.
bool IsPlayoffPlace(int q, int tickets);
// The lines in the order drawn: the display places 0 to n - 1, each in slot order; then the
// entries of rank n + 1 (black, number n, out when the view has tickets). `qualifying` picks
// the qualified mark of the qualifying over the knockout mark of the group league.
std::vector<StandingsLine> StandingsLines(int tickets, bool qualifying);
