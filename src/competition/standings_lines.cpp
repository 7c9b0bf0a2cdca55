// The lines of the standings table as the screen shows them.
#include "competition/standings_lines.h"

#include <algorithm>

#include "base/game_flow_state.h"
#include "competition/standings.h"

namespace {

int UsedEntries() {
  return std::min<int>(leagueState.teamCount, kLeagueSlots);
}

}  // namespace

int StandingsTickets(int displayRegion) {
  switch (displayRegion) {
    case 0:
    case 2:
    case 4:
      return 3;
    case 1:
      return 5;
    case 3:
    case kDisplayGroupLeague:
      return 2;
    default:
      return 0;
  }
}

bool UserInStandings() {
  const int n = UsedEntries();
  for (int j = 0; j < n; ++j) {
    if (Standings[j].nation == gameFlow.userNation + 1) return true;
  }
  return false;
}

bool IsPlayoffPlace(int q, int tickets) {
  if (q >= tickets || !UserInStandings()) return false;
  const std::array<int, kLeagueSlots> numbers = StandingsPlaces();
  const int n = UsedEntries();
  int sharing = 0;
  for (int j = 0; j < n; ++j) sharing += numbers[j] == q + 1 ? 1 : 0;
  // The place's entries run from q to q + sharing - 1: a play-off when they cross the boundary.
  return sharing > 0 && q + sharing > tickets;
}

std::vector<StandingsLine> StandingsLines(int tickets, bool qualifying) {
  std::vector<StandingsLine> lines;
  const int n = UsedEntries();
  const std::array<int, kLeagueSlots> numbers = StandingsPlaces();
  const StandingsMark passed = qualifying ? StandingsMark::Qualified : StandingsMark::ToKnockout;
  int marksLeft = tickets;
  for (int q = 0; q < n; ++q) {
    const bool playoff = IsPlayoffPlace(q, tickets);
    for (int j = 0; j < n; ++j) {
      if (numbers[j] != q + 1) continue;
      StandingsLine line;
      line.slot = j;
      line.number = q + 1;
      const bool marked = q < tickets && marksLeft > 0;
      line.colour = playoff ? LineColour::Blue : (marked ? LineColour::Red : LineColour::Black);
      if (marked) {
        line.mark = playoff ? StandingsMark::Playoff : passed;
        --marksLeft;
      } else if (tickets != 0) {
        line.mark = playoff ? StandingsMark::Playoff : StandingsMark::Out;
      }
      lines.push_back(line);
    }
  }
  return lines;
}
