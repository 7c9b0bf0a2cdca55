// The saved campaign "VEXOSOC.$$$": what a save and a load carry over, the bytes at their
// offsets, the files a load refuses without touching the game, and the old save surviving a
// save that fails.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "base/game_flow_state.h"
#include "base/random_below.h"
#include "base/record_resets.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "competition/standings.h"
#include "match/match_state.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "savegame/campaign_file.h"
#include "savegame/file_error.h"
#include "savegame/replace_file.h"
#include "support/campaign_stages.h"

namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kBuildSeed = 4242;
constexpr std::uint32_t kContinueSeed = 777;

Bytes ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Every record a load may touch, copied whole.
struct Records {
  GameFlowState flow;
  LastMatchResult last;
  LeagueState league;
  ResultTable results;
  std::array<StandingsEntry, kStandingsEntries> standings;
  decltype(QualifierTable) qualifiers;
  decltype(GroupTable) groups;
  KnockoutTable knockout;
  MatchState matchState;
  std::array<TeamRecord, kTeamTableSize> teams;

  static Records Capture() {
    return {gameFlow,       lastMatchResult, leagueState,   resultTable, Standings,
            QualifierTable, GroupTable,      knockoutTable, match,       TeamTable};
  }
};

// The fields the file holds are equal in both.
void ExpectSavedFieldsEqual(const Records& a, const Records& b) {
  EXPECT_EQ(a.flow.phase, b.flow.phase);
  EXPECT_EQ(a.flow.level, b.flow.level);
  EXPECT_EQ(a.flow.roundIndex, b.flow.roundIndex);
  EXPECT_EQ(a.flow.roundCount, b.flow.roundCount);
  EXPECT_EQ(a.flow.userNation, b.flow.userNation);
  EXPECT_EQ(a.flow.region, b.flow.region);
  EXPECT_EQ(a.flow.chosenOpponent, b.flow.chosenOpponent);
  EXPECT_EQ(a.flow.lastRound, b.flow.lastRound);
  EXPECT_EQ(a.flow.messageKind, b.flow.messageKind);
  EXPECT_EQ(a.flow.playoffOpponent, b.flow.playoffOpponent);
  EXPECT_EQ(a.flow.displayRegion, b.flow.displayRegion);
  EXPECT_EQ(a.last.userGoals, b.last.userGoals);
  EXPECT_EQ(a.last.opponentGoals, b.last.opponentGoals);
  EXPECT_EQ(a.last.opponent, b.last.opponent);
  EXPECT_EQ(a.league.slots, b.league.slots);
  EXPECT_EQ(a.league.teamCount, b.league.teamCount);
  EXPECT_EQ(a.league.pairing, b.league.pairing);
  EXPECT_EQ(a.league.userGroup, b.league.userGroup);
  EXPECT_EQ(a.results.home, b.results.home);
  EXPECT_EQ(a.results.away, b.results.away);
  EXPECT_EQ(a.results.homeGoals, b.results.homeGoals);
  EXPECT_EQ(a.results.awayGoals, b.results.awayGoals);
  EXPECT_EQ(a.results.count, b.results.count);
  for (int j = 0; j < kLeagueSlots; ++j) {
    SCOPED_TRACE(j);
    EXPECT_EQ(a.standings[j].nation, b.standings[j].nation);
    EXPECT_EQ(a.standings[j].points, b.standings[j].points);
    EXPECT_EQ(a.standings[j].goalsFor, b.standings[j].goalsFor);
    EXPECT_EQ(a.standings[j].goalDifference, b.standings[j].goalDifference);
    EXPECT_EQ(a.standings[j].rank, b.standings[j].rank);
  }
  EXPECT_EQ(a.qualifiers, b.qualifiers);
  EXPECT_EQ(a.groups, b.groups);
  EXPECT_EQ(a.knockout.bracket, b.knockout.bracket);
  EXPECT_EQ(a.knockout.semiFinalists, b.knockout.semiFinalists);
  EXPECT_EQ(a.knockout.finalists, b.knockout.finalists);
  EXPECT_EQ(a.matchState.periodKind, b.matchState.periodKind);
  EXPECT_EQ(a.matchState.shootKick, b.matchState.shootKick);
  EXPECT_EQ(a.matchState.shootGoalsA, b.matchState.shootGoalsA);
  EXPECT_EQ(a.matchState.shootGoalsB, b.matchState.shootGoalsB);
  EXPECT_EQ(a.matchState.shootChoiceB, b.matchState.shootChoiceB);
  EXPECT_EQ(a.matchState.shootResultsA, b.matchState.shootResultsA);
  EXPECT_EQ(a.matchState.shootResultsB, b.matchState.shootResultsB);
  EXPECT_EQ(std::memcmp(a.teams.data(), b.teams.data(), sizeof a.teams), 0);
}

// Nothing at all differs: the fields the file holds and the ones it does not.
void ExpectUnchanged(const Records& before) {
  const Records now = Records::Capture();
  ExpectSavedFieldsEqual(before, now);
  EXPECT_EQ(now.flow.mode, before.flow.mode);
  EXPECT_EQ(now.flow.soundOff, before.flow.soundOff);
  EXPECT_EQ(now.flow.displayGroup, before.flow.displayGroup);
  EXPECT_EQ(now.standings[kLeagueSlots].nation, before.standings[kLeagueSlots].nation);
  EXPECT_EQ(now.matchState.shootAim, before.matchState.shootAim);
}

void ResetAllRecords() {
  ResetGameFlow();
  ResetFixtureRecords();
  ResetStandingsRecords();
  ResetNationRecords();
  ResetMatchRecords();
}

// Each test runs in a folder of its own under the scratch folder.
class CampaignFile : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("campaign-") + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    folder_ = fs::path(FELDO_TEST_WORK_DIR) / name;
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    folder_ = fs::canonical(folder_);
    previous_ = platform::CurrentDirectory();
    ASSERT_TRUE(platform::SetCurrentDirectory(folder_.string()));
    ResetAllRecords();
    ResetFileError();
  }
  void TearDown() override {
    platform::headless::LimitFileWrites(-1);
    platform::SetCurrentDirectory(previous_);
    fs::remove_all(folder_);
    ResetAllRecords();
    ResetFileError();
  }

  // A good save of a campaign at `stage`, its bytes returned.
  static Bytes SaveStage(CampaignStage stage, const char* name = kCampaignFileName) {
    BuildCampaignAt(stage, kBuildSeed);
    EXPECT_TRUE(SaveCampaign(name));
    EXPECT_EQ(fileErrorCode, kFileOk);
    return ReadBytes(name);
  }

  // Runs the helper program with these arguments and waits for it; its exit code, or -1 when
  // it could not run or did not end by itself.
  static int RunHelper(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    std::string program = FELDO_CAMPAIGN_HELPER;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
      ::execv(program.c_str(), argv.data());
      ::_exit(127);
    }
    if (child < 0) return -1;
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
  }

  fs::path folder_;

 private:
  std::string previous_;
};

// ---------------------------------------------------------------------------------------
// A campaign saved at each stage comes back whole and plays on the same

class CampaignRoundTrip : public CampaignFile,
                          public ::testing::WithParamInterface<CampaignStage> {};

TEST_P(CampaignRoundTrip, EveryRecordComesBackAndTheCampaignPlaysOnTheSame) {
  BuildCampaignAt(GetParam(), kBuildSeed);
  const Records saved = Records::Capture();
  ASSERT_TRUE(SaveCampaign(kCampaignFileName));
  EXPECT_EQ(fs::file_size(kCampaignFileName), 3984u);

  // The uninterrupted campaign, one step on.
  SeedRandom(kContinueSeed);
  const int opponent = ContinueCampaign();
  const Records played = Records::Capture();

  ResetAllRecords();
  fileErrorCode = 99;
  ASSERT_TRUE(LoadCampaign(kCampaignFileName));
  EXPECT_EQ(fileErrorCode, kFileOk);
  ExpectSavedFieldsEqual(saved, Records::Capture());

  SeedRandom(kContinueSeed);
  EXPECT_EQ(ContinueCampaign(), opponent);
  ExpectSavedFieldsEqual(played, Records::Capture());
}

INSTANTIATE_TEST_SUITE_P(AtEachStage, CampaignRoundTrip,
                         ::testing::Values(CampaignStage::kQualifying, CampaignStage::kGroupLeague,
                                           CampaignStage::kFirstRound, CampaignStage::kSemiFinal,
                                           CampaignStage::kFinal, CampaignStage::kPendingPlayoff,
                                           CampaignStage::kShootOut),
                         [](const auto& info) {
                           return std::string(CampaignStageName(info.param));
                         });

TEST_F(CampaignFile, TheStagesAreWhatTheyClaim) {
  // The round trips above mean little if the stages are not the situations they are named for.
  BuildCampaignAt(CampaignStage::kQualifying, kBuildSeed);
  EXPECT_EQ(gameFlow.phase, Phase::kQualifying);
  EXPECT_NE(UserFixtureOpponent(), 0);
  BuildCampaignAt(CampaignStage::kGroupLeague, kBuildSeed);
  EXPECT_EQ(gameFlow.phase, Phase::kGroupLeague);
  EXPECT_NE(QualifierTable[gameFlow.region][0], 0);
  for (const auto& [stage, round] : {std::pair{CampaignStage::kFirstRound, 0},
                                     {CampaignStage::kSemiFinal, 1},
                                     {CampaignStage::kFinal, 2}}) {
    BuildCampaignAt(stage, kBuildSeed);
    EXPECT_EQ(gameFlow.phase, Phase::kKnockout);
    EXPECT_EQ(gameFlow.roundIndex, round);
    EXPECT_NE(UserFixtureOpponent(), 0);
  }
  BuildCampaignAt(CampaignStage::kPendingPlayoff, kBuildSeed);
  EXPECT_EQ(gameFlow.phase, Phase::kGroupLeague);
  EXPECT_NE(gameFlow.playoffOpponent, 0);
  BuildCampaignAt(CampaignStage::kShootOut, kBuildSeed);
  EXPECT_EQ(match.periodKind, PeriodKind::kShootOut);
  EXPECT_EQ(match.shootKick, 7);
}

TEST_F(CampaignFile, NegativeAndWideValuesComeBack) {
  BuildCampaignAt(CampaignStage::kGroupLeague, kBuildSeed);
  Standings[2].goalDifference = -7;
  Standings[3].goalDifference = -255;
  lastMatchResult.userGoals = 300;  // wider than a byte
  // Fields a campaign mostly leaves at their start-up values.
  gameFlow.chosenOpponent = 20;
  gameFlow.messageKind = MessageKind(9);
  TeamTable[3].reserved0 = 0xAB;
  TeamTable[3].ratings[4] = 0xCD;
  TeamTable[3].playerCountsB[10] = 0xEF;
  TeamTable[3].spareResults[30] = 0x77;
  const Records saved = Records::Capture();
  ASSERT_TRUE(SaveCampaign(kCampaignFileName));
  const Bytes bytes = ReadBytes(kCampaignFileName);
  EXPECT_EQ(bytes[316 + 4], 0xF9);
  EXPECT_EQ(bytes[316 + 5], 0xFF);
  ResetAllRecords();
  ASSERT_TRUE(LoadCampaign(kCampaignFileName));
  EXPECT_EQ(Standings[2].goalDifference, -7);
  EXPECT_EQ(Standings[3].goalDifference, -255);
  EXPECT_EQ(lastMatchResult.userGoals, 300);
  ExpectSavedFieldsEqual(saved, Records::Capture());
}

TEST_F(CampaignFile, RanksPastTheLeaguesSizeComeBack) {
  // Two rounds into this European qualifying the tie-breaks have pushed a rank past ten, the
  // number of league slots; the standings the game saves there load again.
  BuildCampaignAt(CampaignStage::kQualifying, 345);
  int worst = 0;
  for (int j = 0; j < leagueState.teamCount; ++j) worst = std::max<int>(worst, Standings[j].rank);
  ASSERT_GT(worst, kLeagueSlots);
  const Records saved = Records::Capture();
  ASSERT_TRUE(SaveCampaign(kCampaignFileName));
  ResetAllRecords();
  ASSERT_TRUE(LoadCampaign(kCampaignFileName));
  ExpectSavedFieldsEqual(saved, Records::Capture());
}

TEST_F(CampaignFile, ASaveInOneProcessLoadsInAnother) {
  // The helper builds and saves in a process of its own; this process loads that file and
  // finds the campaign it builds itself. Then the helper loads this process's save, plays on
  // and saves; its file equals the one of the campaign played on here without a break.
  for (int stage = 0; stage < kCampaignStageCount; ++stage) {
    SCOPED_TRACE(CampaignStageName(CampaignStage(stage)));
    const std::string theirs = (folder_ / "theirs.$$$").string();
    ASSERT_EQ(RunHelper({"build", std::to_string(stage), std::to_string(kBuildSeed), theirs}), 0);
    BuildCampaignAt(CampaignStage(stage), kBuildSeed);
    const Records built = Records::Capture();
    ASSERT_TRUE(SaveCampaign(kCampaignFileName));
    EXPECT_EQ(ReadBytes(theirs), ReadBytes(kCampaignFileName));
    ResetAllRecords();
    ASSERT_TRUE(LoadCampaign(theirs));
    ExpectSavedFieldsEqual(built, Records::Capture());

    const std::string continued = (folder_ / "continued.$$$").string();
    ASSERT_EQ(RunHelper({"continue", (folder_ / kCampaignFileName).string(),
                         std::to_string(kContinueSeed), continued}),
              0);
    BuildCampaignAt(CampaignStage(stage), kBuildSeed);
    SeedRandom(kContinueSeed);
    ContinueCampaign();
    ASSERT_TRUE(SaveCampaign("here.$$$"));
    EXPECT_EQ(ReadBytes(continued), ReadBytes("here.$$$"));
  }
}

// ---------------------------------------------------------------------------------------
// The bytes of the file

TEST_F(CampaignFile, FieldsSitAtTheirOffsets) {
  BuildCampaignAt(CampaignStage::kShootOut, kBuildSeed);
  gameFlow.chosenOpponent = 17;
  gameFlow.messageKind = MessageKind::kVictory;
  lastMatchResult.opponentGoals = 0x1234;
  Standings[1].goalsFor = 200;
  TeamTable[5].results[9] = 3;
  match.shootResultsB[199] = 1;
  ASSERT_TRUE(SaveCampaign(kCampaignFileName));
  const Bytes b = ReadBytes(kCampaignFileName);
  ASSERT_EQ(b.size(), 3984u);

  EXPECT_EQ(b[0], 4);  // knockout
  EXPECT_EQ(b[1], 1);  // LEVEL 1
  EXPECT_EQ(b[2], 1);  // the semi-final
  EXPECT_EQ(b[3], gameFlow.roundCount);
  EXPECT_EQ(b[4], 8);  // the user's nation, 0-based
  EXPECT_EQ(b[5], 1);  // Europe
  EXPECT_EQ(b[6], leagueState.teamCount);
  for (int slot = 0; slot < kLeagueSlots; ++slot) {
    EXPECT_EQ(b[7 + slot], leagueState.slots[slot]);
    for (int round = 0; round < kPairingRounds; ++round) {
      EXPECT_EQ(b[17 + slot * 10 + round], leagueState.pairing[slot][round]);
    }
  }
  for (int i = 117; i < 227; ++i) EXPECT_EQ(b[i], 0) << "reserved byte " << i;
  EXPECT_EQ(b[227], 17);
  EXPECT_EQ(b[228], 17);
  EXPECT_EQ(b[229], gameFlow.lastRound);
  EXPECT_EQ(b[230], resultTable.home[0]);
  EXPECT_EQ(b[240 + 1], resultTable.away[1]);
  EXPECT_EQ(b[250 + 2], resultTable.homeGoals[2]);
  EXPECT_EQ(b[260 + 3], resultTable.awayGoals[3]);
  EXPECT_EQ(b[270], resultTable.count);
  EXPECT_EQ(b[271], lastMatchResult.userGoals & 0xFF);
  EXPECT_EQ(b[273], 0x34);
  EXPECT_EQ(b[274], 0x12);
  EXPECT_EQ(b[275], lastMatchResult.opponent);
  EXPECT_EQ(b[276 + 4], Standings[4].points);
  EXPECT_EQ(b[286 + 4], Standings[4].nation);
  EXPECT_EQ(b[296 + 2], 200);
  EXPECT_EQ(b[296 + 3], 0);
  EXPECT_EQ(b[336 + 5], Standings[5].rank);
  EXPECT_EQ(b[346], 6);
  EXPECT_EQ(b[347], gameFlow.playoffOpponent);
  for (int r = 0; r < kQualifierRows; ++r) {
    for (int c = 0; c < kQualifierColumns; ++c) {
      EXPECT_EQ(b[348 + r * 10 + c], QualifierTable[r][c]);
    }
  }
  for (int g = 0; g < kGroupCount; ++g) {
    for (int k = 0; k < kGroupSize; ++k) EXPECT_EQ(b[408 + g * 4 + k], GroupTable[g][k]);
  }
  for (int e = 0; e < 8; ++e) EXPECT_EQ(b[424 + e], knockoutTable.bracket[e]);
  for (int e = 0; e < 4; ++e) EXPECT_EQ(b[432 + e], knockoutTable.semiFinalists[e]);
  EXPECT_NE(b[432], 0);
  EXPECT_EQ(b[438], 100);
  EXPECT_EQ(b[439], leagueState.userGroup);
  EXPECT_EQ(b[440], 2);  // a shoot-out running
  EXPECT_EQ(b[441], 7);
  EXPECT_EQ(b[442], 0);
  EXPECT_EQ(b[443], 3);
  EXPECT_EQ(b[445], 2);
  EXPECT_EQ(b[447], 4);
  EXPECT_EQ(b[448 + 2], 0);  // team A missed its third kick
  EXPECT_EQ(b[448 + 3], 1);
  EXPECT_EQ(b[648 + 2], 1);
  EXPECT_EQ(b[648 + 199], 1);
  for (int n = 0; n < kTeamTableSize; ++n) {
    EXPECT_EQ(std::memcmp(&b[848 + 98 * n], &TeamTable[n], 98), 0) << "nation " << n;
  }
  EXPECT_EQ(b[848 + 98 * 5 + 3 + 9], 3);
  EXPECT_EQ(b[848 + 98 * 31 + 96], 2);  // the youth selection's first kit
}

// FNV-1a over the bytes: a short fingerprint of a whole file.
std::uint64_t Fingerprint(const Bytes& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (std::uint8_t byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
  return hash;
}

TEST_F(CampaignFile, EveryStageSavesTheBytesItAlwaysSaved) {
  // Fingerprints of the files saved at each stage as the game has always written them: a save
  // that moves, widens or drops a field (or writes a code as another number) changes them.
  const std::uint64_t kSaved[kCampaignStageCount] = {
      0x8d5f9f6fbe36cca2, 0xb4b2ac4d61dc0b3d, 0x01f8b78190de0788, 0x6ead96b929077788,
      0x15e476f6b6e407cc, 0xe9d19451b6fd1782, 0xa82a88b72a4c4245};
  for (int stage = 0; stage < kCampaignStageCount; ++stage) {
    SCOPED_TRACE(CampaignStageName(CampaignStage(stage)));
    const Bytes bytes = SaveStage(CampaignStage(stage));
    ASSERT_EQ(bytes.size(), 3984u);
    EXPECT_EQ(Fingerprint(bytes), kSaved[stage]);
  }
}

// ---------------------------------------------------------------------------------------
// A file that does not pass leaves the game exactly as it was

// A value put into the file at a field's offset: one byte, or a 16-bit word low byte first.
struct FieldValue {
  const char* field;
  int offset;
  int value;
  bool word;
};
// The offset of the TeamRecord of nation 5.
constexpr int kTeam5 = 848 + 98 * 5;

class RefusedFile : public CampaignFile {
 protected:
  void SetUp() override {
    CampaignFile::SetUp();
    good_ = SaveStage(CampaignStage::kShootOut, "good.$$$");
    // The game runs another campaign, so that a load that changed anything would show.
    BuildCampaignAt(CampaignStage::kQualifying, kBuildSeed + 1);
    gameFlow.mode = Mode::kFriendly;
    gameFlow.soundOff = 1;
    before_ = Records::Capture();
  }

  // Loads `bytes` and expects the refusal with the damaged-file code and nothing changed.
  void ExpectRefused(const Bytes& bytes) {
    WriteBytes(kCampaignFileName, bytes);
    fileErrorCode = 0;
    EXPECT_FALSE(LoadCampaign(kCampaignFileName));
    EXPECT_EQ(fileErrorCode, kFileShort);
    ExpectUnchanged(before_);
  }

  // The good file with a byte (and, for 16-bit fields, the next one) replaced.
  Bytes With(int offset, int value) const {
    Bytes bytes = good_;
    bytes[offset] = static_cast<std::uint8_t>(value);
    return bytes;
  }
  Bytes With(const FieldValue& change) const {
    Bytes bytes = With(change.offset, change.value & 0xFF);
    if (change.word)
      bytes[change.offset + 1] = static_cast<std::uint8_t>((change.value >> 8) & 0xFF);
    return bytes;
  }

  Bytes good_;
  Records before_;
};

TEST_F(RefusedFile, TheGoodFileItselfLoads) {
  // The refusals below are of single changes to this file.
  WriteBytes(kCampaignFileName, good_);
  EXPECT_TRUE(LoadCampaign(kCampaignFileName));
  EXPECT_EQ(gameFlow.phase, Phase::kKnockout);
}

TEST_F(RefusedFile, AFileCutShortAtAnyByte) {
  for (std::size_t length = 0; length < good_.size(); ++length) {
    SCOPED_TRACE(length);
    ExpectRefused(Bytes(good_.begin(), good_.begin() + std::ptrdiff_t(length)));
    if (HasFailure()) break;
  }
}

TEST_F(RefusedFile, AFileOneByteLonger) {
  Bytes bytes = good_;
  bytes.push_back(0);
  ExpectRefused(bytes);
}

TEST_F(RefusedFile, NoFileAtAll) {
  fileErrorCode = 0;
  EXPECT_FALSE(LoadCampaign("none.$$$"));
  EXPECT_EQ(fileErrorCode, kFileCannotOpen);
  ExpectUnchanged(before_);
}

TEST_F(RefusedFile, ANameThatIsNoFileReadsAsADamagedOne) {
  // A FIFO would block a plain open for good and a device would never end: each is refused
  // at once, with the message of a damaged file. (The alarm ends a test that blocks all the
  // same.)
  ::alarm(60);
  const std::function<void()> makers[] = {
      [] { ASSERT_EQ(::mkfifo(kCampaignFileName, 0644), 0); },
      [] { fs::create_symlink("/dev/zero", kCampaignFileName); },
      [] { fs::create_directory(kCampaignFileName); },
  };
  for (const auto& make : makers) {
    fs::remove_all(kCampaignFileName);
    make();
    fileErrorCode = 0;
    EXPECT_FALSE(LoadCampaign(kCampaignFileName));
    EXPECT_EQ(fileErrorCode, kFileShort);
    EXPECT_STREQ(LoadFailureMessage(fileErrorCode).text, "セーブデータを読み込めませんでした");
    ExpectUnchanged(before_);
  }
  ::alarm(0);
}

TEST_F(RefusedFile, AnyFieldOutOfItsRange) {
  const FieldValue damages[] = {
      {"phase", 0, 5, false},
      {"level", 1, 4, false},
      {"roundIndex", 2, 10, false},
      {"roundCount", 3, 10, false},
      {"userNation", 4, 31, false},
      {"region", 5, 5, false},
      {"teamCount", 6, 11, false},
      {"slot", 7 + 3, 33, false},
      {"pairing", 17 + 25, 11, false},
      {"reserved slots", 117 + 4, 1, false},
      {"reserved pairing", 127 + 99, 9, false},
      {"chosenOpponent copy differs", 228, 5, false},
      {"lastRound", 229, 10, false},
      {"result home", 230 + 2, 33, false},
      {"result away", 240 + 9, 200, false},
      {"result count", 270, 11, false},
      {"userGoals negative", 271, 0xFFFF, true},
      {"opponentGoals negative", 273, 0x8000, true},
      {"last opponent", 275, 33, false},
      {"standings nation", 286 + 1, 33, false},
      {"goalsFor above a byte", 296 + 6, 256, true},
      {"goalsFor negative", 296 + 6, 0xFFFF, true},
      {"goalDifference", 316 + 8, 256, true},
      {"goalDifference negative", 316 + 8, 0xFF00, true},
      {"rank", 336 + 2, 20, false},
      {"messageKind", 346, 11, false},
      {"playoffOpponent", 347, 33, false},
      {"qualifier", 348 + 13, 33, false},
      {"qualifier row 5", 348 + 59, 99, false},
      {"group", 408 + 6, 33, false},
      {"bracket", 424 + 7, 33, false},
      {"semiFinalist", 432 + 1, 33, false},
      {"finalist", 436 + 1, 255, false},
      {"displayRegion 5", 438, 5, false},
      {"displayRegion 99", 438, 99, false},
      {"userGroup", 439, 4, false},
      {"periodKind", 440, 4, false},
      {"shootKick", 441, 401, true},
      {"shootKick negative", 441, 0xFFFF, true},
      {"shootGoalsA", 443, 201, true},
      {"shootGoalsB negative", 445, 0xFFFE, true},
      {"shootChoiceB", 447, 2, false},
      {"shootResultsA", 448 + 3, 2, false},
      {"shootResultsB", 648 + 199, 2, false},
      {"team region", kTeam5 + 1, 5, false},
      {"team result", kTeam5 + 3 + 10, 4, false},
      {"strength", kTeam5 + 94, 7, false},
      {"qualifyingStrength", kTeam5 + 95, 5, false},
      {"firstKit 0", kTeam5 + 96, 0, false},
      {"firstKit 28", kTeam5 + 96, 28, false},
      {"secondKit", 848 + 98 * 31 + 97, 28, false},
  };
  for (const FieldValue& damage : damages) {
    SCOPED_TRACE(damage.field);
    ExpectRefused(With(damage));
  }
  // chosenOpponent out of range in both places (the copies agree).
  Bytes bytes = With(227, 33);
  bytes[228] = 33;
  ExpectRefused(bytes);
}

TEST_F(RefusedFile, EveryRangeTakesItsOwnEnds) {
  // The other side of each bound: the largest (or smallest) value that is allowed loads. (The
  // round, the user's nation and region and the phase are bounded by the other fields as well:
  // tests/savegame/test_campaign_checks.cpp.)
  const FieldValue edges[] = {
      {"level", 1, 0, false},
      {"roundIndex", 2, 0, false},
      {"roundCount", 3, 9, false},
      {"teamCount", 6, 10, false},
      {"slot", 7 + 3, 32, false},
      {"pairing", 17 + 25, 10, false},
      {"lastRound", 229, 9, false},
      {"result home", 232, 32, false},
      {"result count", 270, 10, false},
      {"userGoals", 271, 0x7FFF, true},
      {"standings nation", 287, 32, false},
      {"goalsFor", 302, 255, true},
      {"goalDifference", 324, 0xFF01, true},
      {"rank", 338, 19, false},
      {"messageKind", 346, 10, false},
      {"displayRegion 10", 438, 10, false},
      {"userGroup", 439, 3, false},
      {"periodKind", 440, 3, false},
      {"shootKick", 441, 400, true},
      {"shootGoalsA", 443, 200, true},
      {"shootChoiceB 7", 447, 7, false},
      {"shootChoiceB 1", 447, 1, false},
      {"team region", kTeam5 + 1, 4, false},
      {"team result", kTeam5 + 13, 3, false},
      {"strength", kTeam5 + 94, 6, false},
      {"qualifyingStrength", kTeam5 + 95, 4, false},
      {"firstKit", kTeam5 + 96, 27, false},
  };
  for (const FieldValue& edge : edges) {
    SCOPED_TRACE(edge.field);
    WriteBytes(kCampaignFileName, With(edge));
    EXPECT_TRUE(LoadCampaign(kCampaignFileName));
  }
  EXPECT_EQ(TeamTable[5].firstKit, 27);
}

// ---------------------------------------------------------------------------------------
// A save that fails leaves the old save whole

TEST_F(CampaignFile, AShortWriteKeepsTheOldSave) {
  const Bytes old = SaveStage(CampaignStage::kFirstRound);
  BuildCampaignAt(CampaignStage::kFinal, kBuildSeed);
  for (long limit : {0L, 1L, 447L, 3983L}) {
    SCOPED_TRACE(limit);
    platform::headless::LimitFileWrites(limit);
    EXPECT_FALSE(SaveCampaign(kCampaignFileName));
    platform::headless::LimitFileWrites(-1);
    EXPECT_EQ(fileErrorCode, kFileShort);
    EXPECT_STREQ(SaveFailureMessage(fileErrorCode).caption, "Write DATA Error");
    EXPECT_EQ(ReadBytes(kCampaignFileName), old);
    EXPECT_FALSE(fs::exists(CampaignTempName(kCampaignFileName)));
  }
  // With room on the disk again the save goes through.
  EXPECT_TRUE(SaveCampaign(kCampaignFileName));
  EXPECT_NE(ReadBytes(kCampaignFileName), old);
  EXPECT_EQ(fs::file_size(kCampaignFileName), 3984u);
}

TEST_F(CampaignFile, AFileThatCannotBeCreatedKeepsTheOldSave) {
  const Bytes old = SaveStage(CampaignStage::kFirstRound);
  BuildCampaignAt(CampaignStage::kFinal, kBuildSeed);
  // Something that is no file stands where the temporary file would go.
  fs::create_directories(fs::path(CampaignTempName(kCampaignFileName)) / "inside");
  EXPECT_FALSE(SaveCampaign(kCampaignFileName));
  EXPECT_EQ(fileErrorCode, kFileCannotOpen);
  EXPECT_STREQ(SaveFailureMessage(fileErrorCode).caption, "Coud not open MOT file");
  EXPECT_STREQ(SaveFailureMessage(fileErrorCode).text, "サッカー");
  EXPECT_EQ(ReadBytes(kCampaignFileName), old);
  // A folder that does not exist.
  EXPECT_FALSE(SaveCampaign("no-such-folder/VEXOSOC.$$$"));
  EXPECT_EQ(fileErrorCode, kFileCannotOpen);
}

TEST_F(CampaignFile, ARenameThatFailsLeavesNoTemporaryFile) {
  // The save's own name is taken by a folder with something in it: the rename must fail.
  fs::create_directories(fs::path(kCampaignFileName) / "inside");
  BuildCampaignAt(CampaignStage::kFinal, kBuildSeed);
  EXPECT_FALSE(SaveCampaign(kCampaignFileName));
  EXPECT_EQ(fileErrorCode, kFileCannotOpen);
  EXPECT_FALSE(fs::exists(CampaignTempName(kCampaignFileName)));
  EXPECT_TRUE(fs::exists(fs::path(kCampaignFileName) / "inside"));
}

TEST_F(CampaignFile, ASaveKilledBeforeItsRenameBreaksNothing) {
  const Bytes old = SaveStage(CampaignStage::kGroupLeague);
  const Records saved = Records::Capture();
  // What a save killed between its write and its rename leaves: a temporary file, here half
  // written, next to the old save (of a game long gone, and of one of an older version).
  const Bytes other = SaveStage(CampaignStage::kFinal, "other.$$$");
  const std::string leftovers[] = {std::string(kCampaignFileName) + ".4711.tmp",
                                   std::string(kCampaignFileName) + ".tmp"};
  for (const std::string& leftover : leftovers) {
    WriteBytes(leftover, Bytes(other.begin(), other.begin() + 2000));
  }

  ResetAllRecords();
  ASSERT_TRUE(LoadCampaign(kCampaignFileName));
  ExpectSavedFieldsEqual(saved, Records::Capture());

  BuildCampaignAt(CampaignStage::kFinal, kBuildSeed);
  EXPECT_TRUE(SaveCampaign(kCampaignFileName));
  EXPECT_EQ(ReadBytes(kCampaignFileName), other);
  for (const std::string& leftover : leftovers) EXPECT_FALSE(fs::exists(leftover)) << leftover;
  EXPECT_FALSE(fs::exists(CampaignTempName(kCampaignFileName)));
  EXPECT_NE(ReadBytes(kCampaignFileName), old);

  // A leftover that points elsewhere is replaced, not written through.
  WriteBytes("elsewhere", Bytes(5, 7));
  fs::create_symlink("elsewhere", CampaignTempName(kCampaignFileName));
  EXPECT_TRUE(SaveCampaign(kCampaignFileName));
  EXPECT_EQ(ReadBytes("elsewhere"), Bytes(5, 7));
  EXPECT_EQ(ReadBytes(kCampaignFileName), other);
}

// ---------------------------------------------------------------------------------------
// Two games in one folder

TEST_F(CampaignFile, ASaveWhileAnotherGameSavesWaitsAndThenSaysSo) {
  const Bytes old = SaveStage(CampaignStage::kFirstRound);
  BuildCampaignAt(CampaignStage::kFinal, kBuildSeed);
  // Another game is in the middle of its save: it holds the folder and has its own temporary
  // file there.
  const platform::FileHandle other = platform::LockFolder(kCampaignFileName, 0);
  ASSERT_GE(other, 0);
  const std::string theirs = std::string(kCampaignFileName) + ".99999999.tmp";
  WriteBytes(theirs, Bytes(100, 1));
  EXPECT_FALSE(SaveCampaign(kCampaignFileName));
  EXPECT_EQ(fileErrorCode, kFileBusy);
  const FileFailureMessage message = SaveFailureMessage(fileErrorCode);
  EXPECT_STREQ(message.text, "ほかのゲームがセーブ中です。\n少し待ってからセーブし直してください");
  EXPECT_STREQ(message.caption, "サッカー");
  EXPECT_EQ(ReadBytes(kCampaignFileName), old);
  EXPECT_EQ(ReadBytes(theirs), Bytes(100, 1));  // its save is left alone
  EXPECT_FALSE(fs::exists(CampaignTempName(kCampaignFileName)));
  platform::CloseFile(other);

  // Once the folder is free the save goes through, and what a save that never finished left
  // behind is cleared away.
  ASSERT_TRUE(SaveCampaign(kCampaignFileName));
  const CampaignBytes image = CampaignImage();
  EXPECT_EQ(ReadBytes(kCampaignFileName), Bytes(image.begin(), image.end()));
  EXPECT_FALSE(fs::exists(theirs));
}

TEST_F(CampaignFile, TwoGamesSavingAtOnceEachSaveAWholeFile) {
  // Another process stands for the other game: it takes the folder, writes its temporary file
  // and waits; this game's save meanwhile must not touch that file; then the other renames
  // its file into place and ends, and this game saves again.
  const Bytes theirs = SaveStage(CampaignStage::kQualifying, "theirs.$$$");
  BuildCampaignAt(CampaignStage::kFinal, kBuildSeed);
  const CampaignBytes image = CampaignImage();
  const Bytes ours(image.begin(), image.end());
  int toChild[2], toParent[2];
  ASSERT_EQ(::pipe(toChild), 0);
  ASSERT_EQ(::pipe(toParent), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const platform::FileHandle lock = platform::LockFolder(kCampaignFileName, 0);
    const std::string temp = TemporaryFileName(kCampaignFileName);
    const platform::FileHandle file = platform::CreateNewFile(temp);
    const bool ready =
        lock >= 0 && file >= 0 &&
        platform::WriteFile(file, theirs.data(), theirs.size()) == long(theirs.size()) &&
        platform::SyncFile(file);
    platform::CloseFile(file);
    char signal = ready ? 'R' : 'F';
    (void)::write(toParent[1], &signal, 1);
    (void)::read(toChild[0], &signal, 1);
    const bool renamed = platform::RenameFile(temp, kCampaignFileName);
    platform::CloseFile(lock);
    ::_exit(ready && renamed ? 0 : 1);
  }
  char signal = 0;
  ASSERT_EQ(::read(toParent[0], &signal, 1), 1);
  ASSERT_EQ(signal, 'R');
  EXPECT_FALSE(SaveCampaign(kCampaignFileName));
  EXPECT_EQ(fileErrorCode, kFileBusy);
  (void)::write(toChild[1], &signal, 1);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other game's save failed";
  for (int fd : {toChild[0], toChild[1], toParent[0], toParent[1]}) ::close(fd);
  EXPECT_EQ(ReadBytes(kCampaignFileName), theirs);
  ASSERT_TRUE(SaveCampaign(kCampaignFileName));
  EXPECT_EQ(ReadBytes(kCampaignFileName), ours);
  for (const auto& entry : fs::directory_iterator(folder_)) {
    EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
  }
}

TEST_F(CampaignFile, ALoadFailureSaysWhy) {
  EXPECT_FALSE(LoadCampaign("none.$$$"));
  EXPECT_STREQ(LoadFailureMessage(fileErrorCode).text, "セーブデータがありません");
  WriteBytes(kCampaignFileName, Bytes(10, 0));
  EXPECT_FALSE(LoadCampaign(kCampaignFileName));
  EXPECT_STREQ(LoadFailureMessage(fileErrorCode).text, "セーブデータを読み込めませんでした");
  EXPECT_STREQ(LoadFailureMessage(fileErrorCode).caption, "サッカー");
}

}  // namespace
