// Who goes on from a league, and the computed leagues of the other regions and groups.
#include "competition/qualification.h"

#include <algorithm>

#include "base/game_flow_state.h"
#include "base/random_below.h"
#include "competition/computed_results.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "competition/standings.h"

namespace {

constexpr int kRegionTickets[kRegionCount] = {3, 5, 3, 2, 3};
// The walk of the ranks looks no further than this rank, whatever a damaged table holds.
constexpr int kLastRankWalked = 255;

int UsedEntries() {
  return std::min<int>(leagueState.teamCount, kLeagueSlots);
}

// The tickets of the user's league.
int UserTickets() {
  if (gameFlow.phase == Phase::kGroupLeague) return kGroupTickets;
  return RegionTickets(gameFlow.region);
}

// The slot of a nation number among the entries in use, -1 when it stands in none.
int SlotOf(int nationNumber) {
  for (int j = 0; j < UsedEntries(); ++j) {
    if (Standings[j].nation == nationNumber) return j;
  }
  return -1;
}

// The walk of the ranks for `places` places: rank by rank from 1, the nations of each rank in
// slot order. Before each look-up, `placeFirst(r)` may fill a place of its own (it returns
// true when it did); `offer(x)` returns whether nation x took a place.
template <typename PlaceFirst, typename Offer>
void WalkRanks(int places, PlaceFirst placeFirst, Offer offer) {
  int r = 1;
  int k = 0;
  while (places > 0 && r <= kLastRankWalked) {
    if (placeFirst(r)) {
      --places;
      continue;
    }
    const int x = NthAtRank(r, k);
    if (x == 0) {
      ++r;
      k = 0;
      continue;
    }
    if (offer(x)) --places;
    ++k;
  }
}

// Plays every round of the league in leagueState with computed results, the standings after
// each round.
void PlayComputedLeague(int rounds) {
  for (int round = 0; round < rounds; ++round) {
    ClearResults();
    ComputeOtherPairings(round, 0, 0);
    ApplyRoundResults();
    ComputeStandings();
  }
}

bool DecidePlayoff(const PlayoffShootOut& shootOut) {
  if (lastMatchResult.userGoals > lastMatchResult.opponentGoals) return true;
  if (shootOut.played) {
    if (shootOut.userGoals > shootOut.opponentGoals) return true;
    gameFlow.playoffOpponent = 0;
    return false;
  }
  if (lastMatchResult.userGoals < lastMatchResult.opponentGoals) gameFlow.playoffOpponent = 0;
  // Level after extra time: the play-off stays pending for its shoot-out.
  return false;
}

}  // namespace

int RegionTickets(int region) {
  if (region < 0 || region >= kRegionCount) return 0;
  return kRegionTickets[region];
}

bool DecideQualification(const PlayoffShootOut& shootOut) {
  if (gameFlow.playoffOpponent != 0) return DecidePlayoff(shootOut);

  gameFlow.playoffOpponent = 0;
  const int tickets = UserTickets();
  const int slot = SlotOf(gameFlow.userNation + 1);
  if (slot < 0 || Standings[slot].rank == 0) return false;
  const int place = StandingsPlaces()[slot];
  const int level = CountAtRank(Standings[slot].rank);  // the user and every nation level
  // The nations ahead of the user hold every ticket.
  if (place > tickets) return false;
  // The user's place and every nation on it fit inside the tickets.
  if (place + level - 1 <= tickets) return true;
  // Nations level with the user stand on both sides of the boundary.
  gameFlow.playoffOpponent = static_cast<std::uint8_t>(PickPlayoffOpponent(Standings[slot].rank));
  return false;
}

int PickPlayoffOpponent(int r) {
  const int user = gameFlow.userNation + 1;
  int m = RandomBelow(CountAtRank(r)) + 1;
  for (int j = 0; j < UsedEntries(); ++j) {
    const StandingsEntry& entry = Standings[j];
    if (entry.rank != r || entry.nation == user || entry.nation == 0) continue;
    --m;
    if (m < 2) return entry.nation;
  }
  return 0;
}

void RecordRegionQualifiers() {
  const int region = gameFlow.region;
  if (region >= kRegionCount) return;
  auto& row = QualifierTable[region];
  row.fill(0);
  const int user = gameFlow.userNation + 1;
  const bool playoff = gameFlow.playoffOpponent != 0;
  row[0] = static_cast<std::uint8_t>(user);
  int next = 1;
  WalkRanks(
      RegionTickets(region) - 1, [](int) { return false; },
      [&](int x) {
        if (x == user || (playoff && x == lastMatchResult.opponent)) return false;
        row[next++] = static_cast<std::uint8_t>(x);
        return true;
      });
}

void ComputeRegionQualifying(int region) {
  if (region < 0 || region >= kRegionCount) return;
  leagueState.teamCount = static_cast<std::uint8_t>(RegionNationCount(region));
  auto& row = QualifierTable[region];
  row.fill(0);
  SetUpRegionLeague(region);
  PlayComputedLeague(RegionPairingSize(region) - 1);
  int next = 0;
  WalkRanks(
      RegionTickets(region), [](int) { return false; },
      [&](int x) {
        row[next++] = static_cast<std::uint8_t>(x);
        return true;
      });
}

void RecordGroupQualifiers() {
  const int g = leagueState.userGroup;
  if (g >= kGroupCount) return;
  const int user = gameFlow.userNation + 1;
  const bool playoff = gameFlow.playoffOpponent != 0;
  int ur = 1;
  for (int j = 0; j < kGroupSize; ++j) {
    if (Standings[j].nation == user) {
      ur = Standings[j].rank;
      break;
    }
  }
  auto& bracket = knockoutTable.bracket;
  int next = 2 * g;
  bool userPlaced = false;
  WalkRanks(
      kGroupTickets,
      [&](int r) {
        if (!playoff || r != ur || userPlaced) return false;
        bracket[next++] = static_cast<std::uint8_t>(user);
        userPlaced = true;
        return true;
      },
      [&](int x) {
        if (playoff && (x == user || x == lastMatchResult.opponent)) return false;
        bracket[next++] = static_cast<std::uint8_t>(x);
        return true;
      });
}

void ComputeGroup(int group) {
  if (group < 0 || group >= kGroupCount) return;
  auto& bracket = knockoutTable.bracket;
  bracket[2 * group] = 0;
  bracket[2 * group + 1] = 0;
  leagueState.teamCount = kGroupSize;
  SetUpComputedGroup(group);
  PlayComputedLeague(kGroupSize - 1);
  int next = 2 * group;
  WalkRanks(
      kGroupTickets, [](int) { return false; },
      [&](int x) {
        bracket[next++] = static_cast<std::uint8_t>(x);
        return true;
      });
}
