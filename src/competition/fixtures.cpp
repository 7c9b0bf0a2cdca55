// Who plays whom: the league being played, the groups, the qualifiers and the bracket.
#include "competition/fixtures.h"

LeagueState leagueState;
std::array<std::array<std::uint8_t, 4>, 4> GroupTable{};
std::array<std::array<std::uint8_t, 10>, 6> QualifierTable{};
KnockoutTable knockoutTable;

void ResetFixtureRecords() {
  leagueState = LeagueState{};
  for (auto& group : GroupTable) group.fill(0);
  for (auto& row : QualifierTable) row.fill(0);
  knockoutTable = KnockoutTable{};
}
