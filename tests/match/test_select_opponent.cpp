// Choosing the opponent, the kits and the opponent's strength code.
#include <gtest/gtest.h>

#include <array>

#include "base/game_flow_state.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "match/match_setup.h"
#include "match/match_state.h"

namespace {

// Nation indices used below.
constexpr int kJapan = 0, kItaly = 6, kGermany = 7, kEngland = 8, kNetherlands = 10, kBrazil = 14,
              kArgentina = 15, kUruguay = 16, kUsa = 21, kCanada = 22, kCostaRica = 24,
              kCameroon = 25, kTunisia = 28;

class SelectOpponentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetMatchRecords();
    ResetGameFlow();
    ResetFixtureRecords();
    ResetNationRecords();
    InitTeamDatabase();
  }
  void TearDown() override { SetUp(); }

  // A friendly of `user` against `opponent` (nation indices) with a fresh pairing.
  static void Friendly(int user, int opponent) {
    gameFlow.mode = Mode::kFriendly;
    gameFlow.userNation = static_cast<std::uint8_t>(user);
    gameFlow.chosenOpponent = static_cast<std::uint8_t>(opponent + 1);
    match.kitsLoaded = 0;
    SelectOpponent();
  }

  // The strength code of a match against an opponent with rating r, played at `level` while
  // the campaign is in `phase` (the play-off route gives a campaign opponent directly).
  static int CampaignCode(int level, int phase, int r) {
    gameFlow.mode = Mode::kCampaign;
    gameFlow.level = static_cast<std::uint8_t>(level);
    gameFlow.phase = Phase(phase);
    gameFlow.userNation = kJapan;
    gameFlow.playoffOpponent = kEngland + 1;
    TeamTable[kEngland].strength = static_cast<std::uint8_t>(r);
    TeamTable[kEngland].qualifyingStrength = static_cast<std::uint8_t>(r);
    SelectOpponent();
    return match.levelCode;
  }

  static int PracticeCode(int level, int phase, int r) {
    gameFlow.mode = Mode::kPractice;
    gameFlow.level = static_cast<std::uint8_t>(level);
    gameFlow.phase = Phase(phase);
    gameFlow.chosenOpponent = kYouthSelection + 1;
    TeamTable[kYouthSelection].strength = static_cast<std::uint8_t>(r);
    TeamTable[kYouthSelection].qualifyingStrength = static_cast<std::uint8_t>(r);
    SelectOpponent();
    return match.levelCode;
  }
};

// ---------------------------------------------------------------------------------------
// Strength code

using CodesByRating = std::array<int, 7>;  // ratings 0 to 6

struct LevelRow {
  int level;
  CodesByRating qualifying;  // phase 2
  CodesByRating otherwise;   // phases 0, 1, 3 and 4
  CodesByRating practiceQualifying;
  CodesByRating practiceOtherwise;
};

constexpr LevelRow kLevelRows[] = {
    {0, {4, 4, 4, 3, 4, 5, 5}, {4, 4, 4, 4, 4, 5, 6}, {4, 4, 4, 3, 4, 5, 5}, {4, 4, 4, 4, 4, 5, 6}},
    {1, {2, 3, 3, 3, 4, 4, 4}, {2, 3, 3, 3, 4, 5, 5}, {1, 2, 3, 3, 4, 4, 4}, {1, 2, 3, 3, 4, 5, 5}},
    {2, {2, 3, 3, 3, 4, 4, 4}, {2, 3, 3, 3, 4, 5, 5}, {1, 2, 2, 3, 4, 4, 4}, {1, 2, 2, 3, 4, 5, 5}},
    {3, {1, 2, 3, 3, 3, 3, 3}, {1, 2, 3, 3, 4, 4, 4}, {0, 1, 2, 3, 3, 3, 3}, {0, 1, 2, 3, 4, 4, 4}},
};

TEST_F(SelectOpponentTest, StrengthCodeForEveryLevelPhaseAndRating) {
  for (const LevelRow& row : kLevelRows) {
    for (int r = 0; r <= 6; ++r) {
      EXPECT_EQ(CampaignCode(row.level, 2, r), row.qualifying[r]) << row.level << " q " << r;
      for (int phase : {0, 1, 3, 4}) {
        EXPECT_EQ(CampaignCode(row.level, phase, r), row.otherwise[r])
            << row.level << " phase " << phase << " r " << r;
      }
      EXPECT_EQ(PracticeCode(row.level, 2, r), row.practiceQualifying[r])
          << row.level << " practice q " << r;
      EXPECT_EQ(PracticeCode(row.level, 0, r), row.practiceOtherwise[r])
          << row.level << " practice " << r;
    }
  }
}

TEST_F(SelectOpponentTest, StrengthCodeReadsTheRatingOfThePhase) {
  InitTeamDatabase();
  gameFlow.mode = Mode::kCampaign;
  gameFlow.level = 0;
  gameFlow.userNation = kJapan;

  // Group league at LEVEL S against Italy (World Cup rating 6).
  gameFlow.phase = Phase::kGroupLeague;
  gameFlow.playoffOpponent = kItaly + 1;
  SelectOpponent();
  EXPECT_EQ(match.levelCode, 6);

  // Qualifying at LEVEL S: England's qualifying rating 3 stays 3, Uruguay's 2 becomes 4.
  gameFlow.phase = Phase::kQualifying;
  gameFlow.playoffOpponent = kEngland + 1;
  SelectOpponent();
  EXPECT_EQ(match.levelCode, 3);
  gameFlow.playoffOpponent = kUruguay + 1;
  SelectOpponent();
  EXPECT_EQ(match.levelCode, 4);

  // Qualifying at LEVEL 3 against Cameroon (World Cup 5, qualifying 3) reads the latter.
  gameFlow.level = 3;
  gameFlow.playoffOpponent = kCameroon + 1;
  SelectOpponent();
  EXPECT_EQ(match.levelCode, 3);
  gameFlow.phase = Phase::kKnockout;
  SelectOpponent();
  EXPECT_EQ(match.levelCode, 4);
}

TEST_F(SelectOpponentTest, PracticeAgainstTheYouthSelectionNeverGetsTheFinalIncrease) {
  InitTeamDatabase();
  gameFlow.mode = Mode::kPractice;
  gameFlow.chosenOpponent = kYouthSelection + 1;
  gameFlow.level = 3;
  SelectOpponent();
  EXPECT_EQ(match.opponent, 32);
  EXPECT_EQ(match.levelCode, 0);
  gameFlow.level = 1;
  SelectOpponent();
  EXPECT_EQ(match.levelCode, 1);
  gameFlow.level = 0;
  SelectOpponent();
  EXPECT_EQ(match.levelCode, 4);
}

// ---------------------------------------------------------------------------------------
// Opponent

TEST_F(SelectOpponentTest, CampaignPrefersAPendingPlayOff) {
  gameFlow.mode = Mode::kCampaign;
  gameFlow.phase = Phase::kQualifying;
  gameFlow.userNation = kCanada;
  leagueState.slots = {kCanada + 1, kUsa + 1};
  leagueState.pairing[0][0] = 2;
  leagueState.pairing[1][0] = 1;
  SelectOpponent();
  EXPECT_EQ(match.opponent, kUsa + 1);

  gameFlow.playoffOpponent = kCostaRica + 1;
  SelectOpponent();
  EXPECT_EQ(match.opponent, kCostaRica + 1);
}

TEST_F(SelectOpponentTest, NoOpponentChangesNothingElse) {
  gameFlow.mode = Mode::kCampaign;
  gameFlow.phase = Phase::kKnockout;
  gameFlow.roundIndex = 2;  // the final, but the user is not in it
  match.levelCode = 2;
  match.kitA = 9;
  SelectOpponent();
  EXPECT_EQ(match.opponent, 0);
  EXPECT_EQ(match.levelCode, 2);
  EXPECT_EQ(match.kitA, 9);
  EXPECT_EQ(match.kitsLoaded, 0);

  // A nation number past the table counts as nobody.
  gameFlow.mode = Mode::kFriendly;
  gameFlow.chosenOpponent = 40;
  SelectOpponent();
  EXPECT_EQ(match.opponent, 0);
  EXPECT_EQ(match.kitsLoaded, 0);
}

// ---------------------------------------------------------------------------------------
// Kits

struct KitCase {
  int user;
  int opponent;
  int kitA;
  int kitB;
  const char* why;
};

TEST_F(SelectOpponentTest, KitClashRules) {
  const KitCase cases[] = {
      {kJapan, kGermany, 4, 3, "different classes: first kits"},
      {kCanada, kCostaRica, 7, 2, "same first kit: second kit"},
      {kCanada, kTunisia, 7, 2, "same class 3: second kit"},
      {kGermany, kUsa, 3, 5, "second kit clashes too: fixed kit of class 1"},
      {kNetherlands, kCanada, 20, 2, "class 7 counts as 3 for the user"},
      {kCanada, kNetherlands, 7, 26, "class 7 counts as 3 for the opponent"},
      {kUruguay, kItaly, 17, 23, "user in 17 against class 2"},
      {kJapan, kUruguay, 4, 8, "opponent in 17 against class 2"},
      {kArgentina, kGermany, 16, 7, "user in 16 against class 1"},
      {kGermany, kArgentina, 3, 6, "opponent in 16 against class 1"},
      {kGermany, kBrazil, 3, 22, "class 1 against class 6"},
      {kBrazil, kGermany, 18, 7, "class 6 against class 1"},
      {kUruguay, kArgentina, 17, 6, "classes 5 and 5: second kit"},
  };
  for (const KitCase& c : cases) {
    Friendly(c.user, c.opponent);
    EXPECT_EQ(match.kitA, c.kitA) << c.why;
    EXPECT_EQ(match.kitB, c.kitB) << c.why;
    EXPECT_EQ(match.kitsLoaded, 1) << c.why;
  }
}

TEST_F(SelectOpponentTest, FixedKitByClassWhenBothKitsClash) {
  // An opponent whose second kit falls into the user's class, for each class.
  const int fixedKit[8] = {0, 5, 2, 5, 7, 7, 5, 5};
  const int kitOfClass[8] = {0, 1, 4, 7, 13, 16, 18, 20};
  for (int colourClass = 1; colourClass <= 6; ++colourClass) {
    TeamTable[kJapan].firstKit = static_cast<std::uint8_t>(kitOfClass[colourClass]);
    TeamTable[kItaly].firstKit = static_cast<std::uint8_t>(kitOfClass[colourClass]);
    TeamTable[kItaly].secondKit = static_cast<std::uint8_t>(kitOfClass[colourClass]);
    Friendly(kJapan, kItaly);
    EXPECT_EQ(match.kitB, fixedKit[colourClass]) << "class " << colourClass;
  }
  // Class 7's kit 20 is compared as class 3 first; its second kit keeps class 7.
  TeamTable[kJapan].firstKit = 20;
  TeamTable[kItaly].firstKit = 20;
  TeamTable[kItaly].secondKit = 20;
  Friendly(kJapan, kItaly);
  EXPECT_EQ(match.kitB, 20);
  TeamTable[kItaly].secondKit = 9;
  Friendly(kJapan, kItaly);
  EXPECT_EQ(match.kitB, 5);
}

TEST_F(SelectOpponentTest, KitsAreChosenOncePerPairing) {
  Friendly(kCanada, kCostaRica);
  EXPECT_EQ(match.kitB, 2);
  gameFlow.chosenOpponent = kGermany + 1;
  SelectOpponent();
  EXPECT_EQ(match.opponent, kGermany + 1);
  EXPECT_EQ(match.kitB, 2);
  EXPECT_EQ(match.levelCode, 4);  // recomputed: LEVEL 3, rating 6
}

TEST_F(SelectOpponentTest, DarkOverlayModesOfBothSides) {
  Friendly(kBrazil, kCostaRica);
  EXPECT_EQ(match.darkOverlayA, 2);
  EXPECT_EQ(match.darkOverlayB, 1);
  Friendly(kJapan, kCameroon);
  EXPECT_EQ(match.darkOverlayA, 0);
  EXPECT_EQ(match.darkOverlayB, 1);
  Friendly(kCanada, kTunisia);
  EXPECT_EQ(match.darkOverlayA, 0);
  EXPECT_EQ(match.darkOverlayB, 0);
}

TEST(KitColourClass, ClassesOfAllCodes) {
  const int expected[28] = {1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3, 3, 4,
                            4, 4, 5, 5, 6, 6, 7, 1, 2, 1, 1, 1, 1, 6};
  for (int code = 0; code <= 27; ++code) EXPECT_EQ(KitColourClass(code), expected[code]) << code;
  EXPECT_EQ(KitColourClass(28), 1);
  EXPECT_EQ(KitColourClass(-3), 1);
}

// ---------------------------------------------------------------------------------------
// The campaign opponent

class CampaignOpponent : public SelectOpponentTest {
 protected:
  // A five-nation league of North/Central America paired as six: slot 5 stays empty.
  void SetUpFiveNationLeague() {
    gameFlow.phase = Phase::kQualifying;
    leagueState.slots = {21, 22, 23, 24, 25, 0};
    leagueState.teamCount = 5;
    const int rounds[5][3][2] = {{{0, 1}, {2, 3}, {4, 5}},
                                 {{0, 5}, {1, 2}, {3, 4}},
                                 {{0, 4}, {5, 2}, {1, 3}},
                                 {{0, 3}, {1, 5}, {2, 4}},
                                 {{0, 2}, {3, 5}, {1, 4}}};
    for (int r = 0; r < 5; ++r) {
      for (const auto& pair : rounds[r]) {
        leagueState.pairing[pair[0]][r] = static_cast<std::uint8_t>(pair[1] + 1);
        leagueState.pairing[pair[1]][r] = static_cast<std::uint8_t>(pair[0] + 1);
      }
    }
  }
};

TEST_F(CampaignOpponent, LeagueRoundWithAndWithoutABye) {
  SetUpFiveNationLeague();
  gameFlow.userNation = 24;  // Costa Rica, slot 4
  const int expected[5] = {0, 24, 21, 23, 22};
  for (int round = 0; round < 5; ++round) {
    gameFlow.roundIndex = static_cast<std::uint8_t>(round);
    EXPECT_EQ(FindCampaignOpponent(), expected[round]) << "round " << round;
  }
  // A pairing entry of 0 is a round without a match as well.
  gameFlow.phase = Phase::kGroupLeague;
  gameFlow.roundIndex = 1;
  leagueState.pairing[4][1] = 0;
  EXPECT_EQ(FindCampaignOpponent(), 0);
  // A round index past the pairing table finds nobody.
  gameFlow.roundIndex = 10;
  EXPECT_EQ(FindCampaignOpponent(), 0);
}

TEST_F(CampaignOpponent, UserInNoSlotPlaysForSlotZero) {
  SetUpFiveNationLeague();
  gameFlow.userNation = kJapan;
  gameFlow.roundIndex = 0;
  EXPECT_EQ(FindCampaignOpponent(), 22);
}

TEST_F(CampaignOpponent, KnockoutRounds) {
  gameFlow.phase = Phase::kKnockout;
  // Winners and runners-up of groups A to D.
  knockoutTable.bracket = {kItaly + 1, kJapan + 1,  kBrazil + 1,  kGermany + 1,
                           kUsa + 1,   kCanada + 1, kEngland + 1, kTunisia + 1};
  const int pairs[8] = {kGermany + 1, kBrazil + 1,  kJapan + 1,  kItaly + 1,
                        kTunisia + 1, kEngland + 1, kCanada + 1, kUsa + 1};
  gameFlow.roundIndex = 0;
  for (int entry = 0; entry < 8; ++entry) {
    gameFlow.userNation = static_cast<std::uint8_t>(knockoutTable.bracket[entry] - 1);
    EXPECT_EQ(FindCampaignOpponent(), pairs[entry]) << "bracket entry " << entry;
  }

  knockoutTable.semiFinalists = {kItaly + 1, kJapan + 1, kUsa + 1, kEngland + 1};
  gameFlow.roundIndex = 1;
  gameFlow.userNation = kJapan;
  EXPECT_EQ(FindCampaignOpponent(), kItaly + 1);
  gameFlow.userNation = kUsa;
  EXPECT_EQ(FindCampaignOpponent(), kEngland + 1);
  gameFlow.userNation = kCanada;
  EXPECT_EQ(FindCampaignOpponent(), 0);

  knockoutTable.finalists = {kEngland + 1, kJapan + 1};
  gameFlow.roundIndex = 2;
  gameFlow.userNation = kJapan;
  EXPECT_EQ(FindCampaignOpponent(), kEngland + 1);
  gameFlow.userNation = kItaly;
  EXPECT_EQ(FindCampaignOpponent(), 0);
  gameFlow.roundIndex = 3;
  gameFlow.userNation = kJapan;
  EXPECT_EQ(FindCampaignOpponent(), 0);
}

TEST_F(CampaignOpponent, NoCampaignPhaseHasNoOpponent) {
  SetUpFiveNationLeague();
  gameFlow.userNation = 20;
  for (int phase : {0, 1}) {
    gameFlow.phase = Phase(phase);
    EXPECT_EQ(FindCampaignOpponent(), 0) << phase;
  }
}

}  // namespace
