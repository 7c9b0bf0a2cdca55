// Every kick's speed, climb and friction, the steep-angle flag, and the user's kicks: the
// command table in both halves, headers, distance handling, queueing and touches.
#include "match/kicks.h"
#include "match/team_play.h"
#include "support/match_rules_fixture.h"

namespace {

using KickSpeeds = MatchRules;

TEST_F(KickSpeeds, FlatPassLeavesAtThirteenStraightAndTwelveDiagonal) {
  match.nearPlayer = 5;
  match.ballHolder = 5;
  ball.climb = 3;
  KickBall(6);
  EXPECT_EQ(ball.dir, 6);
  EXPECT_EQ(ball.speed, 13);
  EXPECT_EQ(ball.climb, 0);
  EXPECT_EQ(ball.frictionCount, 2);
  EXPECT_EQ(ball.frictionPeriod, 2);
  EXPECT_EQ(match.kickGrace, 2);
  EXPECT_EQ(match.ballHolder, 0);
  EXPECT_EQ(match.nearPlayer, 0);
  KickBall(9);
  EXPECT_EQ(ball.speed, 12);
}

TEST_F(KickSpeeds, LobbedPassWithShiftLeavesAtSevenWithClimbFive) {
  controlState.kickKeyMode = 2;
  match.nearPlayer = 9;
  KickWithSound(3);
  EXPECT_EQ(ball.speed, 7);
  EXPECT_EQ(ball.climb, 5);
  EXPECT_EQ(match.kickGrace, 10);
  // Shift does not lob the kick of a team B player.
  match.nearPlayer = 15;
  KickBall(3);
  EXPECT_EQ(ball.speed, 12);
  EXPECT_EQ(ball.climb, 0);
}

TEST_F(KickSpeeds, KickWithSoundEndsTheStickyNearPlayer) {
  match.nearSticky = 60;
  KickWithSound(4);
  EXPECT_EQ(match.nearSticky, 0);
}

TEST_F(KickSpeeds, InvalidDirectionKeepsDirectionAndSpeed) {
  ball.dir = 2;
  ball.speed = 4;
  KickBall(5);
  EXPECT_EQ(ball.dir, 2);
  EXPECT_EQ(ball.speed, 7);
}

TEST_F(KickSpeeds, TeamBKickLeavesClimbNearPlayerAndLobAlone) {
  controlState.kickKeyMode = 2;
  match.nearPlayer = 3;
  ball.climb = 4;
  match.offZone = 1;
  KickBallB(1);
  EXPECT_EQ(ball.speed, 12);
  EXPECT_EQ(ball.climb, 4);
  EXPECT_EQ(match.nearPlayer, 3);
  EXPECT_EQ(match.offZone, 0);
}

TEST_F(KickSpeeds, ShotsByLevelCode) {
  ShootBall(6);
  EXPECT_EQ(ball.speed, 18);
  ShootBall(3);
  EXPECT_EQ(ball.speed, 17);
  match.levelCode = 4;
  ShootBall(6);
  EXPECT_EQ(ball.speed, 21);
  EXPECT_EQ(ball.climb, 0);
}

TEST_F(KickSpeeds, LobbedShotLeavesAtTenWithClimbNine) {
  controlState.kickKeyMode = 2;
  match.nearPlayer = 9;
  ShootBall(6);
  EXPECT_EQ(ball.speed, 10);
  EXPECT_EQ(ball.climb, 9);
  match.levelCode = 5;
  match.nearPlayer = 9;
  ShootBall(6);
  EXPECT_EQ(ball.speed, 13);
}

TEST_F(KickSpeeds, CrossByKickPower) {
  controlState.kickPower = 1;
  ball.climb = 0;
  CrossKick(2);
  EXPECT_EQ(ball.dir, 2);
  EXPECT_EQ(ball.speed, 10);
  EXPECT_EQ(ball.climb, 0);
  EXPECT_EQ(controlState.kickPower, 0);
  EXPECT_EQ(match.kickGrace, 10);
  controlState.kickPower = 3;
  CrossKick(8);
  EXPECT_EQ(ball.speed, 11);
  EXPECT_EQ(ball.climb, 9);
  controlState.kickPower = 0;
  CrossKick(8);
  EXPECT_EQ(ball.speed, 5);
}

using SteepAngle = MatchRules;

TEST_F(SteepAngle, DiagonalFromBesideTeamBsGoalBlocksGoals) {
  PutBall(880, 190);
  KickWithSound(3);
  EXPECT_EQ(match.offZone, 1);
  PutBall(880, 191);
  KickWithSound(3);
  EXPECT_EQ(match.offZone, 0);
  PutBall(874, 150);
  KickWithSound(3);
  EXPECT_EQ(match.offZone, 0);
  PutBall(880, 301);
  KickWithSound(9);
  EXPECT_EQ(match.offZone, 1);
  PutBall(880, 300);
  KickWithSound(9);
  EXPECT_EQ(match.offZone, 0);
}

TEST_F(SteepAngle, SecondHalfLimitIs204AndTheCrossLeavesTheFlag) {
  match.half = 2;
  PutBall(880, 203);
  KickWithSound(3);
  EXPECT_EQ(match.offZone, 1);
  CrossKick(2);
  EXPECT_EQ(match.offZone, 1);
  PutBall(880, 204);
  KickWithSound(3);
  EXPECT_EQ(match.offZone, 0);
}

// The controlled player (team A's 9, index 8) at the ball with the near player set.
class UserKicks : public MatchRules {
 protected:
  void SetUp() override {
    MatchRules::SetUp();
    match.controlledPlayer = 9;
    match.nearPlayer = 9;
    Place(teamA, 8, 462, 255);
    A(8).slideDir = 6;
  }
  // The command as the command reader leaves it; `atBall` keeps him the near player (every
  // kick clears the near player).
  int Kick(int command, bool atBall = true) {
    if (atBall) match.nearPlayer = 9;
    match.currentCommand = command;
    HandleKickCommand();
    return ball.dir;
  }
};

TEST_F(UserKicks, PassDirectionsFollowTheFacingAndTheHalf) {
  EXPECT_EQ(Kick('S'), 6);
  EXPECT_EQ(Kick('X'), 3);
  EXPECT_EQ(Kick('W'), 9);
  A(8).slideDir = 7;
  EXPECT_EQ(Kick('S'), 4);
  EXPECT_EQ(Kick('X'), 1);
  EXPECT_EQ(Kick('W'), 7);
  match.half = 2;
  EXPECT_EQ(Kick('X'), 7);
  EXPECT_EQ(Kick('W'), 1);
  A(8).slideDir = 2;
  EXPECT_EQ(Kick('X'), 9);
  EXPECT_EQ(Kick('W'), 3);
  EXPECT_EQ(match.lastToucher, 9);
  EXPECT_EQ(match.faceRefresh, 9);
}

TEST_F(UserKicks, ShotsUseThePassDiagonals) {
  EXPECT_EQ(Kick('A'), 6);
  EXPECT_EQ(ball.speed, 18);
  EXPECT_EQ(Kick('Z'), 3);
  EXPECT_EQ(Kick('Q'), 9);
  A(8).slideDir = 4;
  EXPECT_EQ(Kick('A'), 4);
}

TEST_F(UserKicks, CrossGoesTowardsTheMiddleOfThePitch) {
  controlState.kickPower = 3;
  EXPECT_EQ(Kick(32), 8);  // the player is not above the centre line: the cross goes up
  Place(teamA, 8, 462, 200);
  PutBall(470, 200);
  controlState.kickPower = 1;
  EXPECT_EQ(Kick('P'), 2);
  EXPECT_EQ(ball.speed, 10);
}

TEST_F(UserKicks, HeaderShootsTowardsTeamBsGoalAndHeadsTheBallDown) {
  A(8).slideDir = 4;  // facing does not matter for a header
  PutBall(470, 255, 15);
  ball.climb = 2;
  EXPECT_EQ(Kick('A'), 6);
  EXPECT_EQ(ball.speed, 21);
  EXPECT_EQ(ball.climb, -9);
  EXPECT_EQ(A(8).y, 248);
  EXPECT_EQ(A(8).pose, 20);
  EXPECT_EQ(match.possessionBlockTicks, 60);
  PutBall(470, 255, 25);
  EXPECT_EQ(Kick('Z'), 3);
  EXPECT_EQ(ball.climb, -15);
  match.half = 2;
  PutBall(470, 255, 25);
  EXPECT_EQ(Kick('Q'), 3);
}

TEST_F(UserKicks, LowHeaderWithTheLobModifierFallsAtOnce) {
  controlState.kickKeyMode = 2;
  PutBall(470, 255, 5);
  Kick('A');
  EXPECT_EQ(ball.climb, -1);
}

TEST_F(UserKicks, FarShotRunsFirstAndIsQueued) {
  Place(teamA, 8, 445, 255);  // 25 px away
  Kick('A');
  EXPECT_EQ(ball.speed, 0);
  EXPECT_EQ(A(8).x, 451);
  EXPECT_EQ(match.queuedKick, 'A');
  EXPECT_EQ(match.userKickTicks, 100);
  EXPECT_EQ(match.kicker, 9);
  EXPECT_EQ(match.kickerFacesRight, 1);
}

TEST_F(UserKicks, NearFarShotStepsAndKicks) {
  Place(teamA, 8, 448, 255);  // 22 px away
  Kick('A');
  EXPECT_EQ(A(8).x, 454);
  EXPECT_EQ(ball.speed, 18);
  EXPECT_EQ(match.queuedKick, 0);
}

TEST_F(UserKicks, FarPassIsTakenAndThePlayerRunsAfterIt) {
  Place(teamA, 8, 440, 255);  // 30 px away: the near player kicks from afar
  Kick('S');
  EXPECT_EQ(ball.speed, 13);
  EXPECT_EQ(A(8).x, 446);
  EXPECT_EQ(match.queuedKick, 'S');
  EXPECT_EQ(match.userKickTicks, 100);
}

TEST_F(UserKicks, NothingWhenNotTheNearPlayerAndTooFarToRun) {
  match.nearPlayer = 0;
  Place(teamA, 8, 440, 250);  // 35 px
  Kick('S', false);
  EXPECT_EQ(ball.speed, 0);
  EXPECT_EQ(match.queuedKick, 0);
  EXPECT_EQ(A(8).x, 440);
}

TEST_F(UserKicks, CloseButNotNearRunsTwoStepsAndQueues) {
  match.nearPlayer = 0;
  Place(teamA, 8, 446, 252);  // 24 + 3 = 27 px
  Kick(32, false);
  EXPECT_EQ(A(8).x, 458);
  EXPECT_EQ(A(8).y, 258);  // 252 + 6, past the ball's row
  EXPECT_EQ(match.queuedKick, 'P');
  EXPECT_EQ(match.userKickTicks, 25);
  EXPECT_EQ(ball.speed, 0);
}

TEST_F(UserKicks, QueuedKickIsPlayedOnceTheRunIsOverAndThePlayerIsAtTheBall) {
  match.userKickTicks = 30;
  match.queuedKick = 'W';
  match.kicker = 9;
  match.kickerFacesRight = 0;
  Place(teamA, 8, 440, 255);
  ball.speed = 3;
  ExecuteQueuedKick();
  EXPECT_EQ(ball.speed, 2);  // braked for the kicker
  EXPECT_EQ(A(8).x, 446);
  EXPECT_EQ(match.userKickTicks, 30);
  Place(teamA, 8, 460, 255);
  ExecuteQueuedKick();
  EXPECT_EQ(match.userKickTicks, 0);
  ball.speed = 0;
  ExecuteQueuedKick();
  EXPECT_EQ(ball.dir, 7);
  EXPECT_EQ(ball.speed, 12);
  EXPECT_EQ(match.queuedKick, 0);
  EXPECT_EQ(match.kicker, 0);
  EXPECT_EQ(match.faceRefresh, 9);
}

TEST_F(UserKicks, QueuedKickIsDroppedWhenThePlayerIsNotAtTheBall) {
  match.queuedKick = 'S';
  match.kicker = 9;
  Place(teamA, 8, 440, 255);
  ExecuteQueuedKick();
  EXPECT_EQ(match.queuedKick, 0);
  EXPECT_EQ(match.kicker, 0);
  EXPECT_EQ(ball.speed, 0);
}

TEST_F(UserKicks, ArrowAtTheBallTouchesItAndLinesItUpWithThePlayer) {
  Place(teamA, 8, 466, 258);
  Kick(6);
  EXPECT_EQ(ball.dir, 6);
  EXPECT_EQ(ball.speed, match.motionBase + 5);
  EXPECT_EQ(ball.frictionPeriod, 1);
  EXPECT_EQ(ball.y, 256);  // one pixel towards his row in the first half
  match.half = 2;
  PutBall(470, 255);
  Place(teamA, 8, 466, 250);
  Kick(4);
  EXPECT_EQ(ball.x, 466);  // brought back to his feet
  EXPECT_EQ(ball.y, 254);
  EXPECT_EQ(ball.dir, 4);
}

TEST_F(UserKicks, ArrowUpOrDownPutsTheBallOnThePlayersRow) {
  Place(teamA, 8, 466, 260);
  Kick(2);
  EXPECT_EQ(ball.y, 260);
  EXPECT_EQ(ball.dir, 2);
  PutBall(470, 255);
  Place(teamA, 8, 466, 250);
  Kick(2);
  EXPECT_EQ(ball.y, 255);
}

TEST_F(UserKicks, NoTouchFromMoreThanEighteenPixels) {
  Place(teamA, 8, 450, 255);
  Kick(6);
  EXPECT_EQ(ball.speed, 0);
}

}  // namespace
