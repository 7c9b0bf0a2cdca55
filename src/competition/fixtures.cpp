// Who plays whom: the league being played, the groups, the qualifiers and the bracket, the
// set-ups of the leagues and the look-up of a nation's opponent.
#include "competition/fixtures.h"

#include <cstring>

#include "base/game_flow_state.h"
#include "base/random_below.h"
#include "base/record_resets.h"
#include "competition/nations.h"
#include "competition/pairing.h"
#include "competition/standings.h"

LeagueState leagueState;
std::array<std::array<std::uint8_t, kGroupSize>, kGroupCount> GroupTable{};
std::array<std::array<std::uint8_t, kQualifierColumns>, kQualifierRows> QualifierTable{};
KnockoutTable knockoutTable;

namespace {

constexpr int kRegionPairingSizes[kRegionCount] = {6, 8, 6, 6, 6};
constexpr int kPlacingTries = 1000;

// Puts the n nations of `nations` (nation numbers) into slots 0 to n - 1 in a random order:
// slot p takes the nation at the first unused position among up to 1000 draws; a slot whose
// draws all hit used positions stays empty.
void PlaceAtRandom(const std::uint8_t* nations, int n) {
  bool used[kLeagueSlots] = {};
  for (int p = 0; p < n; ++p) {
    for (int attempt = 0; attempt < kPlacingTries; ++attempt) {
      const int r = RandomBelow(n);
      if (used[r]) continue;
      used[r] = true;
      leagueState.slots[p] = nations[r];
      break;
    }
  }
}

void PlaceRegion(int region) {
  std::uint8_t nations[kLeagueSlots] = {};
  const int first = RegionFirstNation(region);
  const int count = RegionNationCount(region);
  for (int r = 0; r < count; ++r) nations[r] = static_cast<std::uint8_t>(first + r + 1);
  PlaceAtRandom(nations, count);
}

void PlaceGroup(int group) {
  if (group < 0 || group >= kGroupCount) return;
  PlaceAtRandom(GroupTable[group].data(), kGroupSize);
}

void ClearSlotsAndStandings() {
  leagueState.slots.fill(0);
  ClearStandingsFigures();
}

int OtherOfPair(int nation, int a, int b) {
  if (nation == 0) return 0;
  if (a == nation) return b;
  if (b == nation) return a;
  return 0;
}

}  // namespace

void ResetFixtureRecords() {
  leagueState = LeagueState{};
  for (auto& group : GroupTable) group.fill(0);
  for (auto& row : QualifierTable) row.fill(0);
  knockoutTable = KnockoutTable{};
}

int RegionPairingSize(int region) {
  if (region < 0 || region >= kRegionCount) return 0;
  return kRegionPairingSizes[region];
}

void ClearLeagueRecords() {
  for (int nation = 0; nation < kNationCount; ++nation) {
    TeamRecord& team = TeamTable[nation];
    std::memset(team.results, 0, sizeof team.results);
    std::memset(team.spareResults, 0, sizeof team.spareResults);
    team.goalsFor = 0;
    team.goalsAgainst = 0;
  }
}

void SetUpQualifying() {
  const int region = gameFlow.region;
  ClearLeagueRecords();
  ClearSlotsAndStandings();
  if (region >= kRegionCount) {
    // No region to play: an empty league without rounds.
    BuildPairing(0);
    leagueState.teamCount = 0;
    gameFlow.roundCount = 0;
    return;
  }
  PlaceRegion(region);
  const int size = RegionPairingSize(region);
  BuildPairing(size);
  leagueState.teamCount = static_cast<std::uint8_t>(RegionNationCount(region));
  gameFlow.roundCount = static_cast<std::uint8_t>(size - 1);
}

void SetUpRegionLeague(int region) {
  ClearSlotsAndStandings();
  if (region < 0 || region >= kRegionCount) {
    BuildPairing(0);
    return;
  }
  PlaceRegion(region);
  BuildPairing(RegionPairingSize(region));
}

void SetUpGroupLeague() {
  ClearLeagueRecords();
  ClearSlotsAndStandings();
  const int user = gameFlow.userNation + 1;
  leagueState.userGroup = 0;
  for (int g = 0; g < kGroupCount; ++g) {
    bool found = false;
    for (std::uint8_t nation : GroupTable[g]) found = found || nation == user;
    if (found) {
      leagueState.userGroup = static_cast<std::uint8_t>(g);
      break;
    }
  }
  PlaceGroup(leagueState.userGroup);
  BuildPairing(kGroupSize);
  leagueState.teamCount = kGroupSize;
  gameFlow.roundCount = kGroupSize - 1;
  gameFlow.roundIndex = 0;
}

void SetUpComputedGroup(int group) {
  ClearSlotsAndStandings();
  PlaceGroup(group);
  BuildPairing(kGroupSize);
}

int PairedSlot(int slot, int round) {
  if (slot < 0 || slot >= kLeagueSlots || round < 0 || round >= kPairingRounds) return 0;
  const int other = leagueState.pairing[slot][round];
  return other <= kLeagueSlots ? other : 0;
}

int LeagueOpponent(int nationNumber, int round) {
  int slot = 0;
  for (int s = 0; s < kLeagueSlots; ++s) {
    if (leagueState.slots[s] == nationNumber) {
      slot = s;
      break;
    }
  }
  const int other = PairedSlot(slot, round);
  return other == 0 ? 0 : leagueState.slots[other - 1];
}

int KnockoutOpponent(int nationNumber, int round) {
  const auto& bracket = knockoutTable.bracket;
  const auto& semi = knockoutTable.semiFinalists;
  const auto& finalists = knockoutTable.finalists;
  switch (round) {
    case 0:
      for (const auto& tie : kFirstRoundTies) {
        const int other = OtherOfPair(nationNumber, bracket[tie[0]], bracket[tie[1]]);
        if (other != 0) return other;
      }
      return 0;
    case 1: {
      const int other = OtherOfPair(nationNumber, semi[0], semi[1]);
      return other != 0 ? other : OtherOfPair(nationNumber, semi[2], semi[3]);
    }
    case 2:
      return OtherOfPair(nationNumber, finalists[0], finalists[1]);
    default:
      return 0;
  }
}

int UserFixtureOpponent() {
  const int nation = gameFlow.userNation + 1;
  switch (gameFlow.phase) {
    case Phase::kQualifying:
    case Phase::kGroupLeague:
      return LeagueOpponent(nation, gameFlow.roundIndex);
    case Phase::kKnockout:
      return KnockoutOpponent(nation, gameFlow.roundIndex);
    default:
      return 0;
  }
}

std::vector<int> FriendlyOpponents(int userNation) {
  std::vector<int> nations;
  if (userNation < 0 || userNation >= kTeamTableSize) return nations;
  const int region = TeamTable[userNation].region;
  for (int nation = 0; nation < kNationCount; ++nation) {
    if (TeamTable[nation].region != region) nations.push_back(nation);
  }
  return nations;
}

namespace {
const bool kFixtureRecordsRegistered = RegisterRecordReset(ResetFixtureRecords);
}  // namespace
