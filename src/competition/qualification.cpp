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
constexpr int kRankCounted = 19;  // the ranks counted by the boundary scan
constexpr int kHighestRank = 255;

int UsedEntries() {
  return std::min<int>(leagueState.teamCount, kLeagueSlots);
}

// The threshold of the user's league: a rank below it qualifies.
int UserThreshold() {
  if (gameFlow.phase == Phase::kGroupLeague) return kGroupTickets + 1;
  return RegionTickets(gameFlow.region) + 1;
}

int RankOf(int nationNumber) {
  for (int j = 0; j < UsedEntries(); ++j) {
    if (Standings[j].nation == nationNumber) return Standings[j].rank;
  }
  return 0;
}

// The walk of the ranks for `places` places: rank by rank from 1, the nations of each rank in
// slot order. Before each look-up, `placeFirst(r)` may fill a place of its own (it returns
// true when it did); `offer(x)` returns whether nation x took a place.
template <typename PlaceFirst, typename Offer>
void WalkRanks(int places, PlaceFirst placeFirst, Offer offer) {
  int r = 1;
  int k = 0;
  while (places > 0 && r <= kHighestRank) {
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
  const int threshold = UserThreshold();
  const int user = gameFlow.userNation + 1;
  const int n = UsedEntries();
  int q = 0;
  for (int j = 0; j < n; ++j) q += Standings[j].rank < threshold ? 1 : 0;
  const int ur = RankOf(user);
  const int uq = ur < threshold ? ur : 0;

  if (ur != 0) {
    // The nations ranked above the user already take every ticket.
    int atRank[kRankCounted + 1] = {};
    for (int j = 0; j < n; ++j) {
      if (Standings[j].rank >= 1 && Standings[j].rank <= kRankCounted) ++atRank[Standings[j].rank];
    }
    int c = 0;
    for (int r = 1; r <= threshold && r < ur && r <= kRankCounted; ++r) {
      c += atRank[r];
      if (c >= threshold - 1) return false;
    }
  }
  if (uq == 0) return false;
  if (q < threshold) return true;

  // More nations stand below the threshold than there are tickets.
  int t = 0;
  for (int r = 1; r <= threshold; ++r) {
    if (r == uq) {
      if (t + CountAtRank(r) < threshold) return true;
      gameFlow.playoffOpponent = static_cast<std::uint8_t>(PickPlayoffOpponent(uq));
      return false;
    }
    t += CountAtRank(r);
    if (t + 1 > threshold) return false;
  }
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
