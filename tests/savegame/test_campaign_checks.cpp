// The saved campaign's fields checked against each other: a file whose round, league, draw or
// bracket do not fit together is refused, and every file the loader takes is a campaign the
// game plays on and saves again to a file the loader takes.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "base/game_flow_state.h"
#include "base/random_below.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "competition/standings.h"
#include "match/match_state.h"
#include "savegame/campaign_file.h"
#include "savegame/file_error.h"
#include "support/campaign_stages.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kBuildSeed = 4242;

// Offsets in the file.
constexpr int kPhase = 0;
constexpr int kRoundIndex = 2;
constexpr int kRoundCount = 3;
constexpr int kUserNation = 4;
constexpr int kRegion = 5;
constexpr int kTeamCount = 6;
constexpr int kSlots = 7;
constexpr int kPairing = 17;
constexpr int kStandingsNation = 286;
constexpr int kStandingsRank = 336;
constexpr int kPlayoffOpponent = 347;
constexpr int kGroups = 408;
constexpr int kBracket = 424;
constexpr int kSemiFinalists = 432;
constexpr int kFinalists = 436;
constexpr int kUserGroup = 439;

// The user of every built stage: nation index 8 of Europe, nation number 9.
constexpr int kUser = 9;

Bytes Image() {
  const CampaignBytes image = CampaignImage();
  return Bytes(image.begin(), image.end());
}

Bytes StageFile(CampaignStage stage) {
  BuildCampaignAt(stage, kBuildSeed);
  return Image();
}

bool Load(const Bytes& bytes) {
  return LoadCampaignImage(bytes.data(), bytes.size());
}

// A nation number of the league's slots other than `but`.
int OtherSlotNation(const Bytes& b, int but) {
  for (int slot = 0; slot < b[kTeamCount]; ++slot) {
    if (b[kSlots + slot] != but && b[kSlots + slot] != 0) return b[kSlots + slot];
  }
  return 0;
}

// The entry of the file's table of `count` entries at `offset` that holds `nation`, -1 none.
int EntryOf(const Bytes& b, int offset, int count, int nation) {
  for (int i = 0; i < count; ++i) {
    if (b[offset + i] == nation) return i;
  }
  return -1;
}

struct Disagreement {
  const char* what;
  CampaignStage stage;
  std::function<void(Bytes&)> change;
  bool taken;  // the change still makes a campaign the game can play on
};

TEST(CampaignChecks, FieldsThatDisagreeWithEachOtherAreRefused) {
  using S = CampaignStage;
  const Disagreement cases[] = {
      // The qualifying of Europe: 8 nations, 7 rounds, the third being played.
      {"the round past the league's rounds", S::kQualifying, [](Bytes& b) { b[kRoundIndex] = 7; },
       false},
      {"the league's last round", S::kQualifying, [](Bytes& b) { b[kRoundIndex] = 6; }, true},
      {"the rounds of a six-nation league", S::kQualifying, [](Bytes& b) { b[kRoundCount] = 5; },
       false},
      {"the team count of another region", S::kQualifying, [](Bytes& b) { b[kTeamCount] = 6; },
       false},
      {"a slot left empty", S::kQualifying, [](Bytes& b) { b[kSlots] = 0; }, false},
      {"a nation of Asia in Europe's league", S::kQualifying, [](Bytes& b) { b[kSlots] = 1; },
       false},
      {"a nation in two slots", S::kQualifying, [](Bytes& b) { b[kSlots + 1] = b[kSlots]; }, false},
      {"a slot past the team count", S::kQualifying, [](Bytes& b) { b[kSlots + 8] = 3; }, false},
      {"two slots swapped", S::kQualifying, [](Bytes& b) { std::swap(b[kSlots], b[kSlots + 1]); },
       true},
      {"a pairing of another table", S::kQualifying,
       [](Bytes& b) { b[kPairing] = b[kPairing] == 2 ? 3 : 2; }, false},
      {"a meeting in a round the league does not have", S::kQualifying,
       [](Bytes& b) { b[kPairing + 7] = 2; }, false},
      {"the user's nation from another region", S::kQualifying,
       [](Bytes& b) { b[kUserNation] = 0; }, false},
      {"the region of another league", S::kQualifying, [](Bytes& b) { b[kRegion] = 0; }, false},
      {"no campaign under way", S::kQualifying, [](Bytes& b) { b[kPhase] = 0; }, false},
      {"a campaign being set up", S::kQualifying, [](Bytes& b) { b[kPhase] = 1; }, false},
      {"the group league before any draw", S::kQualifying, [](Bytes& b) { b[kPhase] = 3; }, false},
      {"the knockout before any bracket", S::kQualifying, [](Bytes& b) { b[kPhase] = 4; }, false},
      {"a play-off before the last round", S::kQualifying,
       [](Bytes& b) { b[kPlayoffOpponent] = std::uint8_t(OtherSlotNation(b, kUser)); }, false},

      // The group league, its second round.
      {"a round past the group's three", S::kGroupLeague, [](Bytes& b) { b[kRoundIndex] = 3; },
       false},
      {"the group's last round", S::kGroupLeague, [](Bytes& b) { b[kRoundIndex] = 2; }, true},
      {"the rounds of another league", S::kGroupLeague, [](Bytes& b) { b[kRoundCount] = 4; },
       false},
      {"five teams in a group", S::kGroupLeague, [](Bytes& b) { b[kTeamCount] = 5; }, false},
      {"the user's group said to be another", S::kGroupLeague,
       [](Bytes& b) { b[kUserGroup] = std::uint8_t((b[kUserGroup] + 1) % kGroupCount); }, false},
      {"a nation drawn twice", S::kGroupLeague,
       [](Bytes& b) {
         const int other = (b[kUserGroup] + 1) % kGroupCount;
         b[kGroups + other * kGroupSize] = kUser;
       },
       false},
      {"the youth selection drawn", S::kGroupLeague,
       [](Bytes& b) { b[kGroups + ((b[kUserGroup] + 1) % kGroupCount) * kGroupSize] = 32; }, false},
      {"a slot holding a nation of another group", S::kGroupLeague,
       [](Bytes& b) {
         const int other = (b[kUserGroup] + 1) % kGroupCount;
         const int slot = b[kSlots] == kUser ? 1 : 0;
         b[kSlots + slot] = b[kGroups + other * kGroupSize];
       },
       false},

      // The group league over, the user level with another nation on the ticket boundary.
      {"the play-off against the user", S::kPendingPlayoff,
       [](Bytes& b) { b[kPlayoffOpponent] = kUser; }, false},
      {"the play-off against a nation out of the league", S::kPendingPlayoff,
       [](Bytes& b) {
         const int other = (b[kUserGroup] + 1) % kGroupCount;
         b[kPlayoffOpponent] = b[kGroups + other * kGroupSize];
       },
       false},
      {"the play-off before the last round", S::kPendingPlayoff,
       [](Bytes& b) { b[kRoundIndex] = 1; }, false},
      {"the play-off opponent on another rank", S::kPendingPlayoff,
       [](Bytes& b) {
         const int j = EntryOf(b, kStandingsNation, kGroupSize, b[kPlayoffOpponent]);
         b[kStandingsRank + j] = std::uint8_t(b[kStandingsRank + j] == 4 ? 3 : 4);
       },
       false},
      {"the play-off with both above the tickets' line", S::kPendingPlayoff,
       [](Bytes& b) {
         // Everyone else ranked first: no ticket left for a play-off on the user's rank.
         for (int j = 0; j < kGroupSize; ++j) {
           if (b[kStandingsNation + j] != kUser && b[kStandingsNation + j] != b[kPlayoffOpponent])
             b[kStandingsRank + j] = 1;
         }
         b[kStandingsRank + EntryOf(b, kStandingsNation, kGroupSize, kUser)] = 3;
         b[kStandingsRank + EntryOf(b, kStandingsNation, kGroupSize, b[kPlayoffOpponent])] = 3;
       },
       false},
      {"the standings of another league", S::kPendingPlayoff,
       [](Bytes& b) {
         const int j = EntryOf(b, kStandingsNation, kGroupSize, b[kPlayoffOpponent]) == 0 ? 1 : 0;
         b[kStandingsNation + j] = std::uint8_t(b[kStandingsNation + j] % kNationCount + 1);
       },
       false},

      // The knockout, the semi-final about to be played.
      {"a fourth knockout round", S::kSemiFinal, [](Bytes& b) { b[kRoundIndex] = 3; }, false},
      {"the final without finalists", S::kSemiFinal, [](Bytes& b) { b[kRoundIndex] = 2; }, false},
      {"the first round again", S::kSemiFinal, [](Bytes& b) { b[kRoundIndex] = 0; }, true},
      {"the user out of the semi-finals", S::kSemiFinal,
       [](Bytes& b) {
         const int tie = EntryOf(b, kSemiFinalists, 4, kUser);
         const int home = b[kBracket + kFirstRoundTies[tie][0]];
         const int away = b[kBracket + kFirstRoundTies[tie][1]];
         b[kSemiFinalists + tie] = std::uint8_t(home == kUser ? away : home);
       },
       false},
      {"a semi-finalist not from its tie", S::kSemiFinal,
       [](Bytes& b) {
         const int tie = EntryOf(b, kSemiFinalists, 4, kUser) == 0 ? 1 : 0;
         b[kSemiFinalists + tie] = b[kBracket + kFirstRoundTies[(tie + 1) % 4][0]];
       },
       false},
      {"a nation twice in the bracket", S::kSemiFinal,
       [](Bytes& b) { b[kBracket + 7] = b[kBracket + 6]; }, false},
      {"an empty place in the bracket", S::kSemiFinal, [](Bytes& b) { b[kBracket + 7] = 0; },
       false},
      {"a play-off in the knockout", S::kSemiFinal,
       [](Bytes& b) { b[kPlayoffOpponent] = b[kBracket] == kUser ? b[kBracket + 1] : b[kBracket]; },
       false},
      {"the user out of the final", S::kFinal,
       [](Bytes& b) {
         const int k = EntryOf(b, kFinalists, 2, kUser);
         const int other = b[kSemiFinalists + 2 * k] == kUser ? b[kSemiFinalists + 2 * k + 1]
                                                              : b[kSemiFinalists + 2 * k];
         b[kFinalists + k] = std::uint8_t(other);
       },
       false},
  };
  for (const Disagreement& c : cases) {
    SCOPED_TRACE(c.what);
    const Bytes good = StageFile(c.stage);
    ASSERT_TRUE(Load(good));
    Bytes changed = good;
    c.change(changed);
    ASSERT_NE(changed, good);
    // The game runs another campaign, so that a load that changed anything would show.
    BuildCampaignAt(CampaignStage::kFinal, kBuildSeed + 1);
    const Bytes before = Image();
    fileErrorCode = 0;
    EXPECT_EQ(Load(changed), c.taken);
    if (c.taken) {
      EXPECT_EQ(fileErrorCode, kFileOk);
      EXPECT_EQ(Image(), changed);
    } else {
      EXPECT_EQ(fileErrorCode, kFileShort);
      EXPECT_EQ(Image(), before);
    }
  }
}

// The fields whose values decide where a campaign stands, for the mutations below.
constexpr int kMutatedOffsets[] = {kPhase,
                                   kRoundIndex,
                                   kRoundCount,
                                   kUserNation,
                                   kRegion,
                                   kTeamCount,
                                   kSlots,
                                   kSlots + 3,
                                   kSlots + 7,
                                   kPairing + 12,
                                   229,
                                   230,
                                   270,
                                   kStandingsNation,
                                   kStandingsRank + 1,
                                   346,
                                   kPlayoffOpponent,
                                   kGroups + 5,
                                   kBracket + 2,
                                   kSemiFinalists,
                                   kFinalists,
                                   438,
                                   kUserGroup,
                                   440};

TEST(CampaignChecks, EveryFileTheLoaderTakesPlaysOnAndIsSavedToAFileItTakes) {
  // Files a little different from good ones: one to three of the deciding fields changed to a
  // nearby value, a value of its range or a copy of another byte. Whatever the loader takes
  // must be saved back as it was, must play its next match, and, while the campaign goes on,
  // must be saved to a file the loader takes again.
  std::mt19937 random(20240611);
  int taken = 0, playedOn = 0;
  for (int stage = 0; stage < kCampaignStageCount; ++stage) {
    const Bytes good = StageFile(CampaignStage(stage));
    for (int trial = 0; trial < 600; ++trial) {
      Bytes file = good;
      const int changes = 1 + int(random() % 3);
      for (int c = 0; c < changes; ++c) {
        const int offset = kMutatedOffsets[random() % std::size(kMutatedOffsets)];
        switch (random() % 3) {
          case 0:
            file[offset] = std::uint8_t(file[offset] + int(random() % 5) - 2);
            break;
          case 1:
            file[offset] = std::uint8_t(random() % 12);
            break;
          default:
            file[offset] = good[kMutatedOffsets[random() % std::size(kMutatedOffsets)]];
            break;
        }
      }
      if (!Load(file)) continue;
      ++taken;
      SCOPED_TRACE(::testing::Message()
                   << CampaignStageName(CampaignStage(stage)) << " trial " << trial);
      ASSERT_EQ(Image(), file);
      FillNationNames();
      SeedRandom(std::uint32_t(trial));
      ContinueCampaign();
      if (gameFlow.phase < Phase::kQualifying) continue;  // the campaign ended: nothing to save
      ++playedOn;
      const Bytes saved = Image();
      ASSERT_TRUE(Load(saved)) << "the game could not load its own save";
    }
  }
  // The mutations reach files the loader takes, and campaigns that go on after them.
  EXPECT_GT(taken, 100);
  EXPECT_GT(playedOn, 100);
}

}  // namespace
