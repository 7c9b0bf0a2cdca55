// How the standings table reads on screen: the number shown for each place, which lines are
// marked as qualified, in a play-off or out, and in which colour. The table is drawn from
// these lines (presentation/competition_screens.h); they read Standings and leagueState as
// ComputeStandings left them.
//
// Tickets: a league shows as many qualification marks as it has tickets; the user's own view
// between rounds shows none. Every entry of the league is drawn, in the order of the places
// (StandingsPlaces: ranks 1, 2, 4, 5 show as 1, 2, 3, 4 and ranks 1, 2, 2, 3 as 1, 2, 2, 4),
// entries on one place in slot order, each with its place. A play-off place (only while the
// user's nation stands in the table) is a place shared by nations on both sides of the ticket
// boundary: all of them show the play-off mark, in blue. Otherwise the first entries in that
// order take the marks while marks are left, in red; the others are out. The marks so follow
// the places that DecideQualification and the walk of the ranks go by (qualification.h).
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
// Whether the user's nation (gameFlow.userNation) stands in a slot below teamCount.
bool UserInStandings();
// Whether display place q (0-based) is a play-off place for `tickets`.
bool IsPlayoffPlace(int q, int tickets);
// The lines in the order drawn, one for every ranked entry below teamCount: the places 1 to n,
// each in slot order. `qualifying` picks the qualified mark of the qualifying over the
// knockout mark of the group league.
std::vector<StandingsLine> StandingsLines(int tickets, bool qualifying);
