// The user's commands for the controlled player, his slide, the choice of the controlled
// player and the run-down of the others' motion.
#include "match/possession.h"
#include "match/team_play.h"
#include "support/match_rules_fixture.h"

namespace {

using UserCommands = MatchRules;

TEST_F(UserCommands, ArrowSetsSlideMotionAndFacingAndIsTakenOnce) {
  match.controlledPlayer = 6;
  controlState.keyCommand = 6;
  ReadUserCommand();
  EXPECT_EQ(A(5).slideDir, 6);
  EXPECT_EQ(A(5).motion, match.motionBase + 3);
  EXPECT_EQ(A(5).facing, 6);
  EXPECT_EQ(A(5).pose, 32);  // animated at once: he was at rest
  EXPECT_EQ(controlState.keyCommand, 0);
  EXPECT_EQ(match.matchEvent, MatchEvent::kMoved);
}

TEST_F(UserCommands, SecondHalfTurnsTheArrowsRoundSoAKeyKeepsItsScreenDirection) {
  match.half = 2;
  match.controlledPlayer = 6;
  const int keys[] = {8, 2, 4, 6};
  const int pitch[] = {2, 8, 6, 4};
  for (int k = 0; k < 4; ++k) {
    controlState.keyCommand = keys[k];
    ReadUserCommand();
    EXPECT_EQ(A(5).slideDir, pitch[k]) << keys[k];
  }
}

TEST_F(UserCommands, ChangingTheSlideDirectionClearsTheStickyNearPlayer) {
  match.controlledPlayer = 6;
  A(5).slideDir = 6;
  match.nearSticky = 80;
  controlState.keyCommand = 6;
  ReadUserCommand();
  EXPECT_EQ(match.nearSticky, 80);
  controlState.keyCommand = 2;
  ReadUserCommand();
  EXPECT_EQ(match.nearSticky, 0);
}

TEST_F(UserCommands, DroppedWhileTeamAKeeperHoldsTheBallOrAQueuedKickRuns) {
  match.controlledPlayer = 6;
  match.ballHolder = 1;
  controlState.keyCommand = 6;
  ReadUserCommand();
  EXPECT_EQ(controlState.keyCommand, 0);
  EXPECT_EQ(A(5).motion, 0);
  match.ballHolder = 0;
  match.userKickTicks = 10;
  controlState.keyCommand = 6;
  ReadUserCommand();
  EXPECT_EQ(A(5).motion, 0);
}

TEST_F(UserCommands, TheGoalkeeperIsNeverSteered) {
  match.controlledPlayer = 1;
  controlState.keyCommand = 8;
  ReadUserCommand();
  EXPECT_EQ(A(0).motion, 0);
  EXPECT_EQ(A(0).slideDir, 0);
}

TEST_F(UserCommands, KeypadDiagonalsAndSymbolsStandForKickLetters) {
  match.controlledPlayer = 6;
  const int codes[] = {1, 3, 7, 9, '*', ':', '/', '?', 'P'};
  const int letters[] = {'Z', 'X', 'Q', 'W', 'S', 'S', 'A', 'A', 'P'};
  for (int k = 0; k < 9; ++k) {
    controlState.keyCommand = codes[k];
    ReadUserCommand();
    EXPECT_EQ(match.currentCommand, letters[k]) << codes[k];
  }
  EXPECT_EQ(A(5).motion, 0);
}

using Slide = MatchRules;

TEST_F(Slide, OneCommandCarriesThePlayerMotionPlusTheFramesBelow) {
  match.controlledPlayer = 6;
  Place(teamA, 5, 300, 200);
  A(5).slideDir = 6;
  A(5).motion = 5;
  for (int frame = 0; frame < 8; ++frame) ApplySlide();
  EXPECT_EQ(A(5).x, 315);  // 5 + 4 + 3 + 2 + 1
  EXPECT_EQ(A(5).motion, 0);
}

TEST_F(Slide, StaysWithinFiftyFourAndFourHundredFiftySix) {
  match.controlledPlayer = 6;
  Place(teamA, 5, 300, 58);
  A(5).slideDir = 8;
  A(5).motion = 9;
  ApplySlide();
  EXPECT_EQ(A(5).y, 54);
  Place(teamA, 5, 300, 450);
  A(5).slideDir = 3;
  A(5).motion = 9;
  ApplySlide();
  EXPECT_EQ(A(5).y, 456);
  EXPECT_EQ(A(5).x, 309);
}

TEST_F(Slide, NoNearerThanFourPixelsToAKeeperLevelWithTheGoalMouth) {
  match.controlledPlayer = 6;
  Place(teamA, 5, 60, 240);
  A(5).slideDir = 4;
  A(5).motion = 9;
  ApplySlide();
  EXPECT_EQ(A(5).x, 51);
  ApplySlide();  // 8 more would take him to 43
  EXPECT_EQ(A(5).x, 44);
  EXPECT_EQ(A(5).y, 240);
  Place(teamA, 5, 878, 250);
  A(5).slideDir = 9;
  A(5).motion = 9;
  ApplySlide();
  EXPECT_EQ(A(5).x, 884);
  EXPECT_EQ(A(5).y, 250);  // the move is held in his row
}

TEST_F(Slide, CannotCarryThePlayerFarBeyondAGoalLine) {
  match.controlledPlayer = 6;
  Place(teamA, 5, 905, 100);
  A(5).slideDir = 6;
  for (int frame = 0; frame < 20; ++frame) {
    A(5).motion = 9;  // a held arrow key renews the slide every frame
    ApplySlide();
  }
  EXPECT_EQ(A(5).x, 916);
  Place(teamA, 5, 35, 420);
  A(5).slideDir = 4;
  A(5).motion = 9;
  ApplySlide();
  EXPECT_EQ(A(5).x, 26);
  A(5).motion = 9;
  ApplySlide();
  EXPECT_EQ(A(5).x, 24);
}

using ControlChoice = MatchRules;

TEST_F(ControlChoice, NearestOutfieldPlayerWithinReachTakesControl) {
  Place(teamA, 4, 440, 240);
  Place(teamA, 7, 500, 270);  // the same distance: the lower index wins
  AutoSelectControlled();
  EXPECT_EQ(match.controlledPlayer, 5);
  match.offsideA[4] = 1;
  AutoSelectControlled();
  EXPECT_EQ(match.controlledPlayer, 8);
}

TEST_F(ControlChoice, HolderKeepsControlAndTheKeeperIsNeverChosen) {
  Place(teamA, 0, 470, 250);
  match.ballHolder = 4;
  match.controlledPlayer = 4;
  Place(teamA, 7, 471, 255);
  AutoSelectControlled();
  EXPECT_EQ(match.controlledPlayer, 4);
  match.ballHolder = 0;
  AutoSelectControlled();
  EXPECT_EQ(match.controlledPlayer, 8);
}

TEST_F(ControlChoice, FallsBackToTheNearestByHalfTheRowDistance) {
  // Every outfield player stands more than 100 px above the ball.
  PutBall(470, 420);
  Place(teamA, 3, 400, 80);  // 70 + 340 / 2 = 240
  Place(teamA, 6, 470, 90);  // 0 + 330 / 2 = 165
  AutoSelectControlled();
  EXPECT_EQ(match.controlledPlayer, 7);
}

using MotionRunDown = MatchRules;

TEST_F(MotionRunDown, EveryoneButTheControlledPlayerSlowsAndKeepersStandWhenDone) {
  match.controlledPlayer = 6;
  A(5).motion = 4;
  A(2).motion = 2;
  A(0).motion = 1;
  A(0).pose = 9;
  B(0).motion = 1;
  B(0).pose = 10;
  B(3).motion = 1;
  B(3).pose = 31;
  CountDownMotion();
  EXPECT_EQ(A(5).motion, 4);
  EXPECT_EQ(A(2).motion, 1);
  EXPECT_EQ(A(0).pose, 3);
  EXPECT_EQ(B(0).pose, 3);
  EXPECT_EQ(B(3).motion, 0);
  EXPECT_EQ(B(3).pose, 31);
  EXPECT_EQ(B(3).moved, 1);
}

}  // namespace
