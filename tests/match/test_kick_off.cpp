// The kick-off set-up and the opponent's speeds.
#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "base/game_flow_state.h"
#include "competition/nations.h"
#include "match/match_setup.h"
#include "match/match_state.h"

namespace {

class KickOff : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetMatchRecords();
    ResetGameFlow();
    ResetNationRecords();
    InitTeamDatabase();
  }
  void TearDown() override { SetUp(); }
};

using Spot = std::pair<int, int>;
using Line = std::array<Spot, kPlayersPerSide>;

Line Positions(const std::array<PlayerState, kPlayersPerSide>& side) {
  Line line;
  for (int i = 0; i < kPlayersPerSide; ++i) line[i] = {side[i].x, side[i].y};
  return line;
}

// Pitch 30..910 × 60..450, centre (470, 255).
constexpr Line kTeamAKicksOffA = {{{40, 255},
                                   {210, 105},
                                   {210, 285},
                                   {210, 405},
                                   {210, 225},
                                   {330, 105},
                                   {330, 285},
                                   {330, 405},
                                   {450, 245},
                                   {454, 255},
                                   {440, 355}}};
constexpr Line kTeamAKicksOffB = {{{888, 255},
                                   {714, 105},
                                   {714, 265},
                                   {714, 405},
                                   {714, 225},
                                   {594, 105},
                                   {594, 285},
                                   {594, 405},
                                   {486, 155},
                                   {556, 255},
                                   {486, 355}}};
constexpr Line kTeamBKicksOffA = {{{40, 255},
                                   {210, 105},
                                   {210, 285},
                                   {210, 405},
                                   {210, 225},
                                   {330, 105},
                                   {330, 285},
                                   {330, 405},
                                   {454, 155},
                                   {384, 255},
                                   {454, 355}}};
constexpr Line kTeamBKicksOffB = {{{888, 255},
                                   {714, 105},
                                   {714, 265},
                                   {714, 405},
                                   {714, 225},
                                   {594, 105},
                                   {594, 285},
                                   {594, 405},
                                   {490, 245},
                                   {474, 255},
                                   {484, 355}}};

TEST_F(KickOff, TeamAKicksOff) {
  InitMatch();
  match.userKicksOff = 1;
  match.ballHolder = 7;
  SetUpKickOff();
  EXPECT_EQ(Positions(teamA), kTeamAKicksOffA);
  EXPECT_EQ(Positions(teamB), kTeamAKicksOffB);
  EXPECT_EQ(teamA[8].pose, 0);
  EXPECT_EQ(teamB[8].pose, 3);
  EXPECT_EQ(match.ballHolder, 0);
  EXPECT_EQ(match.lastToucher, 0);
  EXPECT_EQ(match.kickOffPendingB, 0);
}

TEST_F(KickOff, TeamBKicksOff) {
  InitMatch();
  match.userKicksOff = 0;
  SetUpKickOff();
  EXPECT_EQ(Positions(teamA), kTeamBKicksOffA);
  EXPECT_EQ(Positions(teamB), kTeamBKicksOffB);
  EXPECT_EQ(teamB[8].pose, 0);
  EXPECT_EQ(teamA[8].pose, 3);
  EXPECT_EQ(match.ballHolder, 11);
  EXPECT_EQ(match.lastToucher, 11);
  EXPECT_EQ(match.kickOffPendingB, 1);
}

TEST_F(KickOff, PlayersStandStillAndTheBallIsTossed) {
  for (auto& p : teamA) p = {1, 2, 3, 9, 7, 2, 1};
  for (auto& p : teamB) p = {1, 2, 3, 9, 7, 2, 1};
  ball = {0, 0, 3, 9, 5, 1, 2, 4};
  match.controlledPlayer = 4;
  match.offZone = 1;
  match.faceRefresh = 14;
  match.userKickTicks = 30;
  match.queuedKick = 63;
  match.kicker = 5;
  match.kickerFacesRight = 1;
  match.shootAim = 7;
  match.shootChoiceB = 4;
  match.saveResult = SaveResult::kByKeeperB;
  match.saveTicks = 50;
  match.diveLockTicks = 9;
  match.preKickWait = 12;
  SetUpKickOff();
  for (int i = 0; i < kPlayersPerSide; ++i) {
    EXPECT_EQ(teamA[i].motion, 0);
    EXPECT_EQ(teamA[i].facing, 6);
    EXPECT_EQ(teamA[i].moved, 0);
    EXPECT_EQ(teamB[i].motion, 0);
    EXPECT_EQ(teamB[i].facing, 4);
    EXPECT_EQ(teamB[i].moved, 0);
    if (i != 8) {
      EXPECT_EQ(teamA[i].pose, 3);
    }
  }
  EXPECT_EQ(ball.x, 466);
  EXPECT_EQ(ball.y, 255);
  EXPECT_EQ(ball.climb, 4);
  EXPECT_EQ(ball.speed, 2);
  EXPECT_EQ(ball.dir, 8);
  EXPECT_EQ(match.controlledPlayer, 11);
  EXPECT_EQ(match.offZone, 0);
  EXPECT_EQ(match.faceRefresh, 0);
  EXPECT_EQ(match.userKickTicks, 0);
  EXPECT_EQ(match.queuedKick, 0);
  EXPECT_EQ(match.kicker, 0);
  EXPECT_EQ(match.kickerFacesRight, 0);
  EXPECT_EQ(match.shootAim, 0);
  EXPECT_EQ(match.shootChoiceB, 0);
  EXPECT_EQ(match.saveResult, SaveResult::kNone);
  EXPECT_EQ(match.saveTicks, 0);
  EXPECT_EQ(match.diveLockTicks, 0);
  EXPECT_EQ(match.preKickWait, 0);
}

TEST_F(KickOff, InitMatchResetsTheScoreAndGivesTeamBTheFirstKickOff) {
  gameFlow.mode = Mode::kPractice;
  gameFlow.chosenOpponent = 32;
  match.scoreA = 3;
  match.goalsB2 = 1;
  match.userKicksOff = 1;
  match.kickGrace = 4;
  match.restartFreeze = 2;
  match.captionTimer = 100;
  ball.frictionCount = 6;
  InitMatch();
  EXPECT_EQ(match.opponent, 32);
  EXPECT_EQ(match.matchKind, 1);
  EXPECT_EQ(match.scoreA, 0);
  EXPECT_EQ(match.goalsB2, 0);
  EXPECT_EQ(match.userKicksOff, 0);
  EXPECT_EQ(match.kickGrace, 0);
  EXPECT_EQ(match.restartFreeze, 0);
  EXPECT_EQ(match.captionTimer, 0);
  EXPECT_EQ(ball.frictionCount, 0);
  EXPECT_EQ(match.walkStep, 1);
  EXPECT_EQ(match.centreX, 470);
  EXPECT_EQ(match.centreY, 255);
  EXPECT_EQ(match.mirrorX, 926);
  EXPECT_EQ(match.mirrorY, 510);

  gameFlow.mode = Mode::kFriendly;
  gameFlow.chosenOpponent = 8;
  InitMatch();
  EXPECT_EQ(match.matchKind, 0);
}

// ---------------------------------------------------------------------------------------
// Per-level values

TEST_F(KickOff, StepsAndRhythmByLevelCode) {
  struct Row {
    int code, walkStep, motionBase, aiSkip, keeperSkip;
  };
  // Code 6 installs the rhythm of code 5; its steps follow the formula.
  const Row rows[] = {{0, 4, 1, 2, 1}, {1, 5, 2, 2, 0}, {2, 6, 3, 1, 0}, {3, 7, 3, 1, 0},
                      {4, 7, 5, 0, 0}, {5, 8, 6, 0, 0}, {6, 9, 7, 0, 0}};
  for (const Row& row : rows) {
    match.levelCode = row.code;
    SetUpKickOff();
    EXPECT_EQ(match.walkStep, row.walkStep) << row.code;
    EXPECT_EQ(match.motionBase, row.motionBase) << row.code;
    EXPECT_EQ(match.aiSkipB, row.aiSkip) << row.code;
    EXPECT_EQ(match.aiSkipCountB, row.aiSkip) << row.code;
    EXPECT_EQ(match.keeperSkipB, row.keeperSkip) << row.code;
    EXPECT_EQ(match.keeperSkipCountB, row.keeperSkip) << row.code;
    EXPECT_EQ(match.speedB[0], row.walkStep) << row.code;
    for (int i = 1; i < kPlayersPerSide; ++i) {
      EXPECT_EQ(match.speedB[i], match.abilityB[i] + 4) << row.code << " player " << i;
      EXPECT_EQ(match.stepMotionB[i], 20);
    }
    EXPECT_EQ(match.stepMotionB[0], 20);
  }
}

TEST_F(KickOff, WeakTeamsQuickenWhenTheUserScores) {
  match.levelCode = 0;
  match.scoreA = 3;
  SetUpKickOff();
  EXPECT_EQ(match.aiSkipB, 2);
  EXPECT_EQ(match.keeperSkipB, 0);
  match.scoreA = 6;
  SetUpKickOff();
  EXPECT_EQ(match.aiSkipB, 1);
  EXPECT_EQ(match.aiSkipCountB, 1);

  match.levelCode = 1;
  match.scoreA = 3;
  SetUpKickOff();
  EXPECT_EQ(match.aiSkipB, 2);
  match.scoreA = 4;
  SetUpKickOff();
  EXPECT_EQ(match.aiSkipB, 1);
}

// ---------------------------------------------------------------------------------------
// InstallOpponentSpeeds

using Codes = std::array<int, 10>;  // players 1 to 10: d1-d4, m5-m7, f8-f10

Codes Install(int level, int phase, int code, int scoreA, int scoreB) {
  gameFlow.level = static_cast<std::uint8_t>(level);
  gameFlow.phase = Phase(phase);
  match.scoreA = scoreA;
  match.scoreB = scoreB;
  InstallOpponentSpeeds(code);
  Codes codes;
  for (int i = 1; i <= 10; ++i) codes[i - 1] = match.abilityB[i];
  return codes;
}

TEST_F(KickOff, SpeedsCappedByLevelThenCaughtUp) {
  // Level 3, code 3: everything capped, then raised to the catch-up values.
  EXPECT_EQ(Install(3, 2, 3, 0, 0), (Codes{4, 4, 4, 4, 4, 4, 4, 5, 5, 5}));
  EXPECT_EQ(Install(3, 2, 3, 1, 0), (Codes{4, 4, 4, 4, 4, 4, 4, 5, 5, 5}));
  EXPECT_EQ(Install(3, 2, 3, 2, 0), (Codes{5, 5, 5, 5, 5, 5, 5, 6, 5, 6}));
  // Level S, code 3: the forwards' base 4 stays, the rest is raised.
  EXPECT_EQ(Install(0, 2, 3, 0, 0), (Codes{4, 4, 4, 4, 4, 4, 4, 4, 5, 4}));
  // Level 1, code 1.
  EXPECT_EQ(Install(1, 2, 1, 0, 0), (Codes{5, 5, 5, 5, 4, 4, 4, 5, 4, 5}));
  EXPECT_EQ(Install(1, 2, 1, 3, 1), (Codes{6, 6, 6, 6, 5, 5, 5, 6, 5, 6}));
  // Level 2, code 2.
  EXPECT_EQ(Install(2, 0, 2, 0, 0), (Codes{3, 2, 2, 3, 2, 3, 2, 4, 4, 4}));
  EXPECT_EQ(Install(2, 0, 2, 4, 2), (Codes{6, 6, 6, 6, 5, 5, 5, 5, 4, 5}));
  // Level 3, code 0: the user must lead by eight.
  EXPECT_EQ(Install(3, 0, 0, 0, 0), (Codes{1, 1, 1, 1, 1, 1, 1, 4, 4, 4}));
  EXPECT_EQ(Install(3, 0, 0, 7, 0), (Codes{1, 1, 1, 1, 1, 1, 1, 4, 4, 4}));
  EXPECT_EQ(Install(3, 0, 0, 8, 0), (Codes{4, 4, 4, 4, 2, 2, 2, 4, 5, 4}));
}

TEST_F(KickOff, FastestCodesDependOnLevelSPhase) {
  // Code 4 at LEVEL S in the group league: defenders and two midfielders capped.
  EXPECT_EQ(Install(0, 3, 4, 0, 0), (Codes{1, 2, 1, 2, 3, 3, 4, 4, 4, 4}));
  EXPECT_EQ(Install(0, 4, 4, 0, 0), (Codes{1, 2, 1, 2, 3, 3, 4, 4, 4, 4}));
  EXPECT_EQ(Install(0, 3, 4, 2, 0), (Codes{2, 3, 2, 3, 4, 6, 5, 6, 6, 6}));
  // Code 5 at LEVEL S before the group league.
  for (int phase : {0, 1, 2}) {
    EXPECT_EQ(Install(0, phase, 5, 0, 0), (Codes{0, 1, 0, 1, 1, 1, 2, 5, 5, 5})) << phase;
  }
  EXPECT_EQ(Install(0, 2, 5, 3, 1), (Codes{1, 2, 1, 2, 2, 6, 3, 6, 6, 6}));
  // Code 5 at LEVEL 2; a lead of one changes nothing.
  EXPECT_EQ(Install(2, 0, 5, 1, 0), (Codes{0, 0, 0, 0, 1, 1, 1, 5, 5, 5}));
  // Code 6 installs what code 5 does.
  EXPECT_EQ(Install(0, 3, 6, 0, 0), Install(0, 3, 5, 0, 0));
  EXPECT_EQ(Install(0, 3, 6, 5, 0), Install(0, 3, 5, 5, 0));
  EXPECT_EQ(Install(0, 3, 5, 0, 0), (Codes{1, 2, 1, 2, 3, 3, 6, 5, 5, 5}));
}

}  // namespace
