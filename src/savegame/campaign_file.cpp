// The saved campaign: the file layout, the checks a file must pass, and the crash-safe write.
#include "savegame/campaign_file.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "base/game_flow_state.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "competition/pairing.h"
#include "competition/qualification.h"
#include "competition/standings.h"
#include "match/match_state.h"
#include "platform/platform.h"
#include "savegame/file_error.h"
#include "savegame/replace_file.h"

namespace {

constexpr int kSavedStandings = 10;  // the file holds the standings of the ten league slots
constexpr int kReservedSlots = 10;
constexpr int kReservedPairing = 100;

// Every record field the file holds, gathered in one place: what a save writes and what a
// load checks before it lets a single record change.
struct CampaignSnapshot {
  GameFlowState flow;
  std::uint8_t chosenOpponentAgain = 0;  // the file holds chosenOpponent twice
  bool reservedClear = true;             // the reserved blocks read back as zeros
  LeagueState league;
  ResultTable results;
  LastMatchResult last;
  std::array<StandingsEntry, kStandingsEntries> standings{};
  std::array<std::array<std::uint8_t, kQualifierColumns>, kQualifierRows> qualifiers{};
  std::array<std::array<std::uint8_t, kGroupSize>, kGroupCount> groups{};
  KnockoutTable knockout;
  std::uint8_t periodKind = 0;
  std::int32_t shootKick = 0;
  std::int32_t shootGoalsA = 0;
  std::int32_t shootGoalsB = 0;
  std::uint8_t shootChoiceB = 0;
  std::array<std::uint8_t, kShootOutRows> shootResultsA{};
  std::array<std::uint8_t, kShootOutRows> shootResultsB{};
  std::array<TeamRecord, kTeamTableSize> teams{};
};

CampaignSnapshot CaptureRecords() {
  CampaignSnapshot s;
  s.flow = gameFlow;
  s.chosenOpponentAgain = gameFlow.chosenOpponent;
  s.league = leagueState;
  s.results = resultTable;
  s.last = lastMatchResult;
  s.standings = Standings;
  s.qualifiers = QualifierTable;
  s.groups = GroupTable;
  s.knockout = knockoutTable;
  s.periodKind = static_cast<std::uint8_t>(match.periodKind);
  s.shootKick = match.shootKick;
  s.shootGoalsA = match.shootGoalsA;
  s.shootGoalsB = match.shootGoalsB;
  s.shootChoiceB = match.shootChoiceB;
  s.shootResultsA = match.shootResultsA;
  s.shootResultsB = match.shootResultsB;
  s.teams = TeamTable;
  return s;
}

// Puts the fields the file holds into the records, and nothing else.
void ApplyRecords(const CampaignSnapshot& s) {
  gameFlow.phase = s.flow.phase;
  gameFlow.level = s.flow.level;
  gameFlow.roundIndex = s.flow.roundIndex;
  gameFlow.roundCount = s.flow.roundCount;
  gameFlow.userNation = s.flow.userNation;
  gameFlow.region = s.flow.region;
  gameFlow.chosenOpponent = s.flow.chosenOpponent;
  gameFlow.lastRound = s.flow.lastRound;
  gameFlow.messageKind = s.flow.messageKind;
  gameFlow.playoffOpponent = s.flow.playoffOpponent;
  gameFlow.displayRegion = s.flow.displayRegion;
  leagueState = s.league;
  resultTable = s.results;
  lastMatchResult = s.last;
  for (int j = 0; j < kSavedStandings; ++j) Standings[j] = s.standings[j];
  QualifierTable = s.qualifiers;
  GroupTable = s.groups;
  knockoutTable = s.knockout;
  match.periodKind = static_cast<PeriodKind>(s.periodKind);
  match.shootKick = s.shootKick;
  match.shootGoalsA = s.shootGoalsA;
  match.shootGoalsB = s.shootGoalsB;
  match.shootChoiceB = s.shootChoiceB;
  match.shootResultsA = s.shootResultsA;
  match.shootResultsB = s.shootResultsB;
  TeamTable = s.teams;
}

// Writes fields into the file image, in order.
class ImageWriter {
 public:
  explicit ImageWriter(CampaignBytes* bytes) : bytes_(bytes) {}
  void Byte(std::uint8_t& value) { (*bytes_)[at_++] = value; }
  // A code of one byte, written as the number it stands for.
  template <typename Code>
  void CodeByte(Code& value) {
    (*bytes_)[at_++] = CodeValue(value);
  }
  void Word(std::int32_t& value) {
    const auto low16 = static_cast<std::uint16_t>(value);
    (*bytes_)[at_++] = static_cast<std::uint8_t>(low16 & 0xFF);
    (*bytes_)[at_++] = static_cast<std::uint8_t>(low16 >> 8);
  }
  void Block(std::uint8_t* first, int count) {
    for (int i = 0; i < count; ++i) Byte(first[i]);
  }
  void Zeros(int count, bool& /*clear*/) {
    for (int i = 0; i < count; ++i) (*bytes_)[at_++] = 0;
  }

 private:
  CampaignBytes* bytes_;
  std::size_t at_ = 0;
};

// Reads fields from the file image, in the same order.
class ImageReader {
 public:
  explicit ImageReader(const CampaignBytes* bytes) : bytes_(bytes) {}
  void Byte(std::uint8_t& value) { value = (*bytes_)[at_++]; }
  template <typename Code>
  void CodeByte(Code& value) {
    value = static_cast<Code>((*bytes_)[at_++]);
  }
  void Word(std::int32_t& value) {
    const unsigned low = (*bytes_)[at_++];
    const unsigned high = (*bytes_)[at_++];
    value = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
  }
  void Block(std::uint8_t* first, int count) {
    for (int i = 0; i < count; ++i) Byte(first[i]);
  }
  void Zeros(int count, bool& clear) {
    for (int i = 0; i < count; ++i) {
      if ((*bytes_)[at_++] != 0) clear = false;
    }
  }

 private:
  const CampaignBytes* bytes_;
  std::size_t at_ = 0;
};

// The file layout: every field in its order and width. The same walk writes and reads.
template <typename Image>
void WalkLayout(Image& io, CampaignSnapshot& s) {
  io.CodeByte(s.flow.phase);
  io.Byte(s.flow.level);
  io.Byte(s.flow.roundIndex);
  io.Byte(s.flow.roundCount);
  io.Byte(s.flow.userNation);
  io.Byte(s.flow.region);
  io.Byte(s.league.teamCount);
  io.Block(s.league.slots.data(), kLeagueSlots);
  for (auto& row : s.league.pairing) io.Block(row.data(), kPairingRounds);
  io.Zeros(kReservedSlots, s.reservedClear);
  io.Zeros(kReservedPairing, s.reservedClear);
  io.Byte(s.flow.chosenOpponent);
  io.Byte(s.chosenOpponentAgain);
  io.Byte(s.flow.lastRound);
  io.Block(s.results.home.data(), kResultEntries);
  io.Block(s.results.away.data(), kResultEntries);
  io.Block(s.results.homeGoals.data(), kResultEntries);
  io.Block(s.results.awayGoals.data(), kResultEntries);
  io.Byte(s.results.count);
  io.Word(s.last.userGoals);
  io.Word(s.last.opponentGoals);
  io.Byte(s.last.opponent);
  for (int j = 0; j < kSavedStandings; ++j) io.Byte(s.standings[j].points);
  for (int j = 0; j < kSavedStandings; ++j) io.Byte(s.standings[j].nation);
  for (int j = 0; j < kSavedStandings; ++j) io.Word(s.standings[j].goalsFor);
  for (int j = 0; j < kSavedStandings; ++j) io.Word(s.standings[j].goalDifference);
  for (int j = 0; j < kSavedStandings; ++j) io.Byte(s.standings[j].rank);
  io.CodeByte(s.flow.messageKind);
  io.Byte(s.flow.playoffOpponent);
  for (auto& row : s.qualifiers) io.Block(row.data(), kQualifierColumns);
  for (auto& group : s.groups) io.Block(group.data(), kGroupSize);
  io.Block(s.knockout.bracket.data(), int(s.knockout.bracket.size()));
  io.Block(s.knockout.semiFinalists.data(), int(s.knockout.semiFinalists.size()));
  io.Block(s.knockout.finalists.data(), int(s.knockout.finalists.size()));
  io.Byte(s.flow.displayRegion);
  io.Byte(s.league.userGroup);
  io.Byte(s.periodKind);
  io.Word(s.shootKick);
  io.Word(s.shootGoalsA);
  io.Word(s.shootGoalsB);
  io.Byte(s.shootChoiceB);
  io.Block(s.shootResultsA.data(), kShootOutRows);
  io.Block(s.shootResultsB.data(), kShootOutRows);
  for (TeamRecord& team : s.teams) {
    io.Byte(team.reserved0);
    io.Byte(team.region);
    io.Byte(team.reserved2);
    io.Block(team.results, int(sizeof team.results));
    io.Block(team.spareResults, int(sizeof team.spareResults));
    io.Byte(team.goalsFor);
    io.Byte(team.goalsAgainst);
    io.Block(team.ratings, int(sizeof team.ratings));
    io.Block(team.playerCountsA, int(sizeof team.playerCountsA));
    io.Block(team.playerCountsB, int(sizeof team.playerCountsB));
    io.Byte(team.strength);
    io.Byte(team.qualifyingStrength);
    io.Byte(team.firstKit);
    io.Byte(team.secondKit);
  }
}

// ----- the checks a loaded file must pass

constexpr int kMaxPeriodKind = static_cast<int>(PeriodKind::kShootOutOver);
constexpr int kMaxResult = 3;  // a TeamRecord result: 0 not played, 1 won, 2 lost, 3 drawn
constexpr int kMaxStrength = 6;
constexpr int kMaxQualifyingStrength = 4;
constexpr int kFirstKit = 1;
constexpr int kLastKit = 27;
constexpr int kMaxLeagueGoals = 255;  // goalsFor is an 8-bit sum in the TeamRecord
constexpr int kMaxShootKick = 2 * kShootOutRows;

bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

// A nation number: 0 none, 1 to 31 a nation, 32 the youth selection.
bool IsNationNumber(int value) {
  return InRange(value, 0, kTeamTableSize);
}

template <typename Row>
bool AllNationNumbers(const Row& row) {
  for (auto value : row) {
    if (!IsNationNumber(value)) return false;
  }
  return true;
}

bool FlowIsValid(const CampaignSnapshot& s) {
  const GameFlowState& f = s.flow;
  const bool displayRegionKnown = f.displayRegion < kRegionCount ||
                                  f.displayRegion == kDisplayGroupLeague ||
                                  f.displayRegion == kDisplayOwnLeague;
  return f.phase <= Phase::kKnockout && f.level <= kLevel3 && f.roundIndex < kPairingRounds &&
         f.roundCount < kPairingRounds && f.lastRound < kPairingRounds &&
         f.userNation < kNationCount && f.region < kRegionCount &&
         IsNationNumber(f.chosenOpponent) && s.chosenOpponentAgain == f.chosenOpponent &&
         f.messageKind <= MessageKind::kNoMatch && IsNationNumber(f.playoffOpponent) &&
         displayRegionKnown;
}

bool LeagueIsValid(const LeagueState& league) {
  if (league.teamCount > kLeagueSlots || league.userGroup >= kGroupCount) return false;
  if (!AllNationNumbers(league.slots)) return false;
  for (const auto& row : league.pairing) {
    for (auto opponent : row) {
      if (opponent > kLeagueSlots) return false;
    }
  }
  return true;
}

bool ResultsAreValid(const CampaignSnapshot& s) {
  if (s.results.count > kResultEntries) return false;
  if (!AllNationNumbers(s.results.home) || !AllNationNumbers(s.results.away)) return false;
  if (!IsNationNumber(s.last.opponent)) return false;
  if (s.last.userGoals < 0 || s.last.opponentGoals < 0) return false;
  for (int j = 0; j < kSavedStandings; ++j) {
    const StandingsEntry& entry = s.standings[j];
    if (!IsNationNumber(entry.nation) || entry.rank > kHighestRank) return false;
    if (!InRange(entry.goalsFor, 0, kMaxLeagueGoals)) return false;
    if (!InRange(entry.goalDifference, -kMaxLeagueGoals, kMaxLeagueGoals)) return false;
  }
  return true;
}

bool TablesAreValid(const CampaignSnapshot& s) {
  for (const auto& row : s.qualifiers) {
    if (!AllNationNumbers(row)) return false;
  }
  for (const auto& group : s.groups) {
    if (!AllNationNumbers(group)) return false;
  }
  return AllNationNumbers(s.knockout.bracket) && AllNationNumbers(s.knockout.semiFinalists) &&
         AllNationNumbers(s.knockout.finalists);
}

bool ShootOutIsValid(const CampaignSnapshot& s) {
  if (s.periodKind > kMaxPeriodKind) return false;
  if (!InRange(s.shootKick, 0, kMaxShootKick)) return false;
  if (!InRange(s.shootGoalsA, 0, kShootOutRows) || !InRange(s.shootGoalsB, 0, kShootOutRows)) {
    return false;
  }
  const int choice = s.shootChoiceB;
  if (choice != 0 && choice != 1 && choice != 4 && choice != 7) return false;
  for (int k = 0; k < kShootOutRows; ++k) {
    if (s.shootResultsA[k] > 1 || s.shootResultsB[k] > 1) return false;
  }
  return true;
}

bool TeamsAreValid(const CampaignSnapshot& s) {
  for (const TeamRecord& team : s.teams) {
    if (team.region >= kRegionCount || team.strength > kMaxStrength ||
        team.qualifyingStrength > kMaxQualifyingStrength) {
      return false;
    }
    if (!InRange(team.firstKit, kFirstKit, kLastKit) ||
        !InRange(team.secondKit, kFirstKit, kLastKit)) {
      return false;
    }
    for (auto outcome : team.results) {
      if (outcome > kMaxResult) return false;
    }
  }
  return true;
}

// ----- the checks of the fields against each other: the file must be a campaign the game can
// play on from where it stands, and save again

template <typename Row>
bool Holds(const Row& row, int nation) {
  for (auto value : row) {
    if (value == nation) return true;
  }
  return false;
}

// `count` different playing nations (numbers 1 to 31): what a draw or a bracket holds.
bool DrawnNations(const std::uint8_t* entries, int count) {
  bool seen[kTeamTableSize + 1] = {};
  for (int i = 0; i < count; ++i) {
    const int nation = entries[i];
    if (nation < 1 || nation > kNationCount || seen[nation]) return false;
    seen[nation] = true;
  }
  return true;
}

// The first `count` slots hold exactly `nations` (in any order) and every later slot is empty.
bool SlotsHold(const LeagueState& league, const std::uint8_t* nations, int count) {
  std::array<int, kTeamTableSize + 1> balance{};
  for (int i = 0; i < count; ++i) {
    ++balance[league.slots[i]];
    --balance[nations[i]];
  }
  for (int slot = count; slot < kLeagueSlots; ++slot) {
    if (league.slots[slot] != 0) return false;
  }
  for (int value : balance) {
    if (value != 0) return false;
  }
  return true;
}

// A play-off pending after the last round of the league: against another nation of the league
// that shares the user's rank (ranks may skip values, up to kHighestRank), with fewer nations
// ranked above that rank than the league has tickets, in the final table of the league's own
// slots. Nothing else leads to one.
bool PlayoffFits(const CampaignSnapshot& s, int tickets) {
  const GameFlowState& f = s.flow;
  if (f.playoffOpponent == 0) return true;
  if (f.roundIndex + 1 != f.roundCount) return false;
  const int user = f.userNation + 1;
  const int teams = s.league.teamCount;
  int userRank = 0, opponentRank = 0;
  for (int j = 0; j < teams; ++j) {
    const StandingsEntry& entry = s.standings[j];
    if (entry.nation != s.league.slots[j] || entry.rank < 1 || entry.rank > kHighestRank) {
      return false;
    }
    if (entry.nation == user) userRank = entry.rank;
    if (entry.nation == f.playoffOpponent && entry.nation != user) opponentRank = entry.rank;
  }
  if (userRank == 0 || opponentRank != userRank) return false;
  int above = 0;
  for (int j = 0; j < teams; ++j) above += s.standings[j].rank < userRank ? 1 : 0;
  return above < tickets;
}

// Qualifying and group league: the league in the slots is the phase's own (the user's region,
// or the user's group of a whole draw), with its team count, its rounds and its pairing table,
// and the round being played is one of them.
bool LeagueFitsPhase(const CampaignSnapshot& s) {
  const GameFlowState& f = s.flow;
  const int user = f.userNation + 1;
  std::uint8_t nations[kLeagueSlots] = {};
  int teams = 0;
  int size = 0;
  int tickets = 0;
  if (f.phase == Phase::kQualifying) {
    teams = RegionNationCount(f.region);
    size = RegionPairingSize(f.region);
    tickets = RegionTickets(f.region);
    for (int r = 0; r < teams; ++r) {
      nations[r] = static_cast<std::uint8_t>(RegionFirstNation(f.region) + r + 1);
    }
  } else {
    // The group league follows a whole draw: sixteen different nations in the four groups.
    std::uint8_t drawn[kGroupCount * kGroupSize] = {};
    for (int g = 0; g < kGroupCount; ++g) {
      for (int k = 0; k < kGroupSize; ++k) drawn[g * kGroupSize + k] = s.groups[g][k];
    }
    if (!DrawnNations(drawn, kGroupCount * kGroupSize)) return false;
    const auto& group = s.groups[s.league.userGroup];
    if (!Holds(group, user)) return false;
    teams = kGroupSize;
    size = kGroupSize;
    tickets = kGroupTickets;
    for (int r = 0; r < teams; ++r) nations[r] = group[r];
  }
  if (s.league.teamCount != teams || f.roundCount != size - 1 || f.roundIndex >= f.roundCount) {
    return false;
  }
  return SlotsHold(s.league, nations, teams) && s.league.pairing == PairingTable(size) &&
         PlayoffFits(s, tickets);
}

// The knockout: the round is one of its three, the bracket holds eight different nations, each
// round's winners come from their ties, and the user is in the round being played.
bool KnockoutFitsRound(const CampaignSnapshot& s) {
  const GameFlowState& f = s.flow;
  const KnockoutTable& k = s.knockout;
  const int user = f.userNation + 1;
  if (f.roundIndex > kFinal || f.playoffOpponent != 0) return false;
  if (!DrawnNations(k.bracket.data(), int(k.bracket.size())) || !Holds(k.bracket, user)) {
    return false;
  }
  if (f.roundIndex >= 1) {
    for (int tie = 0; tie < 4; ++tie) {
      const int winner = k.semiFinalists[tie];
      if (winner != k.bracket[kFirstRoundTies[tie][0]] &&
          winner != k.bracket[kFirstRoundTies[tie][1]]) {
        return false;
      }
    }
    if (!Holds(k.semiFinalists, user)) return false;
  }
  if (f.roundIndex == kFinal) {
    for (int tie = 0; tie < 2; ++tie) {
      const int winner = k.finalists[tie];
      if (winner != k.semiFinalists[2 * tie] && winner != k.semiFinalists[2 * tie + 1]) {
        return false;
      }
    }
    if (!Holds(k.finalists, user)) return false;
  }
  return true;
}

bool FieldsAgree(const CampaignSnapshot& s) {
  const GameFlowState& f = s.flow;
  // The user's nation belongs to the user's region.
  const int first = RegionFirstNation(f.region);
  if (f.userNation < first || f.userNation >= first + RegionNationCount(f.region)) return false;
  switch (f.phase) {
    case Phase::kQualifying:
    case Phase::kGroupLeague:
      return LeagueFitsPhase(s);
    case Phase::kKnockout:
      return KnockoutFitsRound(s);
    default:
      return false;  // no campaign under way: the game never saves one
  }
}

bool SnapshotIsValid(const CampaignSnapshot& s) {
  return s.reservedClear && FlowIsValid(s) && LeagueIsValid(s.league) && ResultsAreValid(s) &&
         TablesAreValid(s) && ShootOutIsValid(s) && TeamsAreValid(s) && FieldsAgree(s);
}

bool Fail(int code) {
  fileErrorCode = code;
  return false;
}

}  // namespace

std::string CampaignTempName(std::string_view fileName) {
  return TemporaryFileName(fileName);
}

CampaignBytes CampaignImage() {
  CampaignSnapshot snapshot = CaptureRecords();
  CampaignBytes bytes{};
  ImageWriter writer(&bytes);
  WalkLayout(writer, snapshot);
  return bytes;
}

bool SaveCampaign(std::string_view fileName) {
  fileErrorCode = kFileOk;
  const CampaignBytes bytes = CampaignImage();
  const int code = ReplaceFile(fileName, bytes.data(), bytes.size());
  if (code != kFileOk) return Fail(code);
  return true;
}

bool LoadCampaignImage(const std::uint8_t* bytes, std::size_t size) {
  fileErrorCode = kFileOk;
  if (size != kCampaignFileBytes) return Fail(kFileShort);
  CampaignBytes image{};
  std::copy(bytes, bytes + size, image.begin());
  CampaignSnapshot snapshot = CaptureRecords();
  ImageReader reader(&image);
  WalkLayout(reader, snapshot);
  if (!SnapshotIsValid(snapshot)) return Fail(kFileShort);
  ApplyRecords(snapshot);
  return true;
}

bool LoadCampaign(std::string_view fileName) {
  fileErrorCode = kFileOk;
  platform::FileHandle file = platform::OpenFileRead(fileName);
  if (file == platform::kNoFile) return Fail(kFileCannotOpen);
  // One byte more than the file should hold tells a long file from a whole one.
  std::array<std::uint8_t, kCampaignFileBytes + 1> raw{};
  const long got = platform::ReadFile(file, raw.data(), raw.size());
  platform::CloseFile(file);
  return LoadCampaignImage(raw.data(), std::size_t(got < 0 ? 0 : got));
}

FileFailureMessage SaveFailureMessage(int errorCode) {
  using platform::TranslateLater;
  if (errorCode == kFileCannotOpen) {
    return {TranslateLater("サッカー"), TranslateLater("Coud not open MOT file")};
  }
  if (errorCode == kFileBusy) {
    return {TranslateLater("ほかのゲームがセーブ中です。\n少し待ってからセーブし直してください"),
            TranslateLater("サッカー")};
  }
  return {TranslateLater("サッカー"), TranslateLater("Write DATA Error")};
}

FileFailureMessage LoadFailureMessage(int errorCode) {
  using platform::TranslateLater;
  if (errorCode == kFileCannotOpen) {
    return {TranslateLater("セーブデータがありません"), TranslateLater("サッカー")};
  }
  return {TranslateLater("セーブデータを読み込めませんでした"), TranslateLater("サッカー")};
}
