// The results of a round and the standings.
#include "competition/standings.h"

#include <algorithm>

#include "base/record_resets.h"
#include "competition/fixtures.h"
#include "competition/nations.h"

ResultTable resultTable;
std::array<StandingsEntry, kStandingsEntries> Standings{};

namespace {

constexpr std::uint8_t kWon = 1;
constexpr std::uint8_t kLost = 2;
constexpr std::uint8_t kDrawn = 3;
// A tie-break key at or below this value never takes part in a split.
constexpr int kLowestKey = -100;

int UsedEntries() {
  return std::min<int>(leagueState.teamCount, kLeagueSlots);
}

bool IsPlayingNation(int nationNumber) {
  return nationNumber >= 1 && nationNumber <= kNationCount;
}

int PointsOf(const TeamRecord& team) {
  int points = 0;
  for (std::uint8_t outcome : team.results) {
    if (outcome == kWon) points += 3;
    if (outcome == kDrawn) points += 1;
  }
  return points;
}

// Dense ranks by points: the greatest points value still unranked takes the next rank; when
// only entries on 0 points are left, they all take it.
void RankByPoints() {
  const int n = UsedEntries();
  int r = 1;
  while (true) {
    int best = 0;
    bool unranked = false;
    for (int j = 0; j < n; ++j) {
      if (Standings[j].rank != 0) continue;
      unranked = true;
      best = std::max<int>(best, Standings[j].points);
    }
    if (!unranked) return;
    for (int j = 0; j < n; ++j) {
      StandingsEntry& entry = Standings[j];
      if (entry.rank == 0 && (best == 0 || entry.points == best)) {
        entry.rank = static_cast<std::uint8_t>(r);
      }
    }
    ++r;
  }
}

using Key = std::int32_t StandingsEntry::*;

// Splits the entries of rank v by `key`: greater keys first, equal keys share a rank, and
// every rank behind v moves down by the start of the last run of equal keys.
void BreakTies(int v, Key key) {
  const int n = UsedEntries();
  int members[kLeagueSlots];
  int memberCount = 0;
  for (int j = 0; j < n; ++j) {
    if (Standings[j].rank == v) members[memberCount++] = j;
  }
  int ordered[kLeagueSlots];
  int orderedCount = 0;
  bool taken[kLeagueSlots] = {};
  for (int pass = 0; pass < memberCount; ++pass) {
    int best = -1;
    for (int m = 0; m < memberCount; ++m) {
      const int value = Standings[members[m]].*key;
      if (taken[m] || value <= kLowestKey) continue;
      if (best < 0 || value > Standings[members[best]].*key) best = m;
    }
    if (best < 0) break;
    const int value = Standings[members[best]].*key;
    for (int m = 0; m < memberCount; ++m) {
      if (!taken[m] && Standings[members[m]].*key == value) {
        taken[m] = true;
        ordered[orderedCount++] = members[m];
      }
    }
  }
  // runStart[i]: where the run of equal keys that holds position i begins.
  int runStart[kLeagueSlots];
  int shift = 0;
  for (int i = 0; i < orderedCount; ++i) {
    const bool changes = i > 0 && Standings[ordered[i]].*key != Standings[ordered[i - 1]].*key;
    runStart[i] = i == 0 ? 0 : (changes ? i : runStart[i - 1]);
    if (changes) shift = i;
  }
  if (shift != 0) {
    for (int j = 0; j < n; ++j) {
      if (Standings[j].rank > v)
        Standings[j].rank = static_cast<std::uint8_t>(Standings[j].rank + shift);
    }
  }
  for (int i = 0; i < orderedCount; ++i) {
    Standings[ordered[i]].rank = static_cast<std::uint8_t>(v + runStart[i]);
  }
}

// The greatest rank among the entries in use.
int WorstRank() {
  int worst = 0;
  for (int j = 0; j < UsedEntries(); ++j) worst = std::max<int>(worst, Standings[j].rank);
  return worst;
}

// Splits every rank held by several entries by `key`, from rank 1 on. The ranks behind a split
// move down as it goes, so the walk reaches the worst rank as it stands after the splits before.
void BreakEveryTie(Key key) {
  for (int v = 1; v <= WorstRank(); ++v) {
    if (CountAtRank(v) > 1) BreakTies(v, key);
  }
}

}  // namespace

void ResetStandingsRecords() {
  resultTable = ResultTable{};
  Standings.fill(StandingsEntry{});
}

void ClearResults() {
  resultTable.home.fill(0);
  resultTable.away.fill(0);
  resultTable.count = 0;
}

void AppendResult(int home, int away, int homeGoals, int awayGoals) {
  for (int i = 0; i < kResultEntries; ++i) {
    if (resultTable.home[i] != 0) continue;
    resultTable.home[i] = static_cast<std::uint8_t>(home);
    resultTable.away[i] = static_cast<std::uint8_t>(away);
    resultTable.homeGoals[i] = static_cast<std::uint8_t>(homeGoals);
    resultTable.awayGoals[i] = static_cast<std::uint8_t>(awayGoals);
    resultTable.count = static_cast<std::uint8_t>(resultTable.count + 1);
    return;
  }
}

bool StandsInResults(int nationNumber) {
  const int count = std::min<int>(resultTable.count, kResultEntries);
  for (int i = 0; i < count; ++i) {
    if (resultTable.home[i] == nationNumber || resultTable.away[i] == nationNumber) return true;
  }
  return false;
}

void ClearStandingsFigures() {
  for (int j = 0; j < kLeagueSlots; ++j) {
    StandingsEntry& entry = Standings[j];
    entry.points = 0;
    entry.goalsFor = 0;
    entry.goalDifference = 0;
    entry.rank = 0;
  }
}

void ApplyRoundResults() {
  const int count = std::min<int>(resultTable.count, kResultEntries);
  for (int i = 0; i < count; ++i) {
    const int home = resultTable.home[i];
    const int away = resultTable.away[i];
    if (!IsPlayingNation(home) || !IsPlayingNation(away)) continue;
    TeamRecord& h = TeamTable[home - 1];
    TeamRecord& a = TeamTable[away - 1];
    const int gh = resultTable.homeGoals[i];
    const int ga = resultTable.awayGoals[i];
    if (gh > ga) {
      h.results[away - 1] = kWon;
      a.results[home - 1] = kLost;
    } else if (gh < ga) {
      h.results[away - 1] = kLost;
      a.results[home - 1] = kWon;
    } else {
      h.results[away - 1] = kDrawn;
      a.results[home - 1] = kDrawn;
    }
    h.goalsFor = static_cast<std::uint8_t>(h.goalsFor + gh);
    a.goalsFor = static_cast<std::uint8_t>(a.goalsFor + ga);
    h.goalsAgainst = static_cast<std::uint8_t>(h.goalsAgainst + ga);
    a.goalsAgainst = static_cast<std::uint8_t>(a.goalsAgainst + gh);
  }
}

void ComputeStandings() {
  Standings.fill(StandingsEntry{});
  const int n = UsedEntries();
  for (int j = 0; j < n; ++j) {
    const int nation = leagueState.slots[j];
    if (nation == 0 || nation > kTeamTableSize) continue;
    const TeamRecord& team = TeamTable[nation - 1];
    StandingsEntry& entry = Standings[j];
    entry.nation = static_cast<std::uint8_t>(nation);
    entry.goalsFor = team.goalsFor;
    entry.goalDifference = team.goalsFor - team.goalsAgainst;
    entry.points = static_cast<std::uint8_t>(PointsOf(team));
  }
  RankByPoints();
  BreakEveryTie(&StandingsEntry::goalDifference);
  BreakEveryTie(&StandingsEntry::goalsFor);
}

std::array<int, kLeagueSlots> StandingsPlaces() {
  std::array<int, kLeagueSlots> places{};
  const int n = UsedEntries();
  for (int j = 0; j < n; ++j) {
    if (Standings[j].rank == 0) continue;
    int ahead = 0;
    for (int i = 0; i < n; ++i) {
      ahead += Standings[i].rank != 0 && Standings[i].rank < Standings[j].rank ? 1 : 0;
    }
    places[j] = 1 + ahead;
  }
  return places;
}

int CountAtRank(int r) {
  const int n = UsedEntries();
  int count = 0;
  for (int j = 0; j < n; ++j) count += Standings[j].rank == r ? 1 : 0;
  return count;
}

int NthAtRank(int r, int k) {
  const int n = UsedEntries();
  for (int j = 0; j < n; ++j) {
    if (Standings[j].rank != r || Standings[j].nation == 0) continue;
    if (k == 0) return Standings[j].nation;
    --k;
  }
  return 0;
}

namespace {
const bool kStandingsRecordsRegistered = RegisterRecordReset(ResetStandingsRecords);
}  // namespace
