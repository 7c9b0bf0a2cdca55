// Who holds the ball, who is nearest to it, the hand-over of control and the dribble.
#include "match/possession.h"
#include "match/team_play.h"
#include "support/match_rules_fixture.h"

namespace {

using Possession = MatchRules;

TEST_F(Possession, TieGoesToTeamABeforeTeamBAndToTheLowerIndex) {
  Place(teamA, 5, 466, 255);
  Place(teamA, 3, 474, 255);
  Place(teamB, 2, 470, 259);  // the same distance, 4 px
  UpdatePossession();
  EXPECT_EQ(match.ballHolder, 4);
  EXPECT_EQ(match.lastToucher, 4);
}

TEST_F(Possession, TeamBPlayerHoldsWhenNearerOrAlone) {
  Place(teamA, 3, 476, 255);
  Place(teamB, 2, 470, 258);
  UpdatePossession();
  EXPECT_EQ(match.ballHolder, 14);
  EXPECT_EQ(match.lastToucher, 14);
}

TEST_F(Possession, BallAtHeightTenCannotBeHeldButStillHasANearPlayer) {
  Place(teamA, 3, 474, 255);
  PutBall(470, 255, 10);
  UpdatePossession();
  EXPECT_EQ(match.ballHolder, 0);
  UpdateNearPlayer();
  EXPECT_EQ(match.nearPlayer, 4);
  PutBall(470, 255, 9);
  UpdatePossession();
  EXPECT_EQ(match.ballHolder, 4);
}

TEST_F(Possession, OffsideFlaggedPlayerCanNeitherHoldNorBeNear) {
  Place(teamA, 9, 472, 255);
  Place(teamB, 4, 478, 255);
  match.offsideA[9] = 1;
  UpdatePossession();
  UpdateNearPlayer();
  EXPECT_EQ(match.ballHolder, 16);
  EXPECT_EQ(match.nearPlayer, 16);
}

TEST_F(Possession, BoxIsTenPixelsBelowLevelCodeFourAndFourteenFromIt) {
  Place(teamA, 3, 481, 255);
  UpdatePossession();
  EXPECT_EQ(match.ballHolder, 0);
  match.levelCode = 4;
  UpdatePossession();
  EXPECT_EQ(match.ballHolder, 4);
}

TEST_F(Possession, NewHolderStopsTheBallButTheSameHolderDoesNot) {
  Place(teamB, 3, 474, 255);
  ball.speed = 6;
  UpdatePossession();
  EXPECT_EQ(match.ballHolder, 15);
  EXPECT_EQ(ball.speed, 0);
  ball.speed = 6;
  UpdatePossession();
  EXPECT_EQ(ball.speed, 6);
}

TEST_F(Possession, TeamAHolderBecomesTheControlledPlayerWithTheBallAtHisFeet) {
  Place(teamA, 6, 465, 255);
  PutBall(473, 255);
  UpdatePossession();
  EXPECT_EQ(match.controlledPlayer, 7);
  EXPECT_EQ(match.matchEvent, MatchEvent::kMoved);
  EXPECT_EQ(ball.x, 470);  // no farther ahead than half the box
}

TEST_F(Possession, BlockedWhileTheHeaderTicksRun) {
  Place(teamA, 3, 472, 255);
  match.ballHolder = 4;
  match.possessionBlockTicks = 5;
  UpdatePossession();
  EXPECT_EQ(match.ballHolder, 0);
}

TEST_F(Possession, RestartFreezeKeepsTheHolderAndCountsDown) {
  Place(teamA, 3, 472, 255);
  match.ballHolder = 12;
  match.restartFreeze = 3;
  UpdatePossession();
  EXPECT_EQ(match.ballHolder, 12);
  EXPECT_EQ(match.restartFreeze, 2);
}

TEST_F(Possession, KickGraceKeepsEverybodyOffAMovingBallUntilItStops) {
  Place(teamB, 3, 472, 255);
  match.kickGrace = 2;
  ball.speed = 4;
  ball.frictionCount = ball.frictionPeriod = 50;
  UpdatePossession();
  EXPECT_EQ(match.ballHolder, 0);
  EXPECT_EQ(match.kickGrace, 1);
  ball.speed = 0;
  UpdatePossession();
  EXPECT_EQ(match.kickGrace, 0);
  EXPECT_EQ(match.ballHolder, 15);
}

// The controlled player at the ball's top-left, where the dribble pushes it along his slide.
class Dribble : public MatchRules, public ::testing::WithParamInterface<int> {};

TEST_P(Dribble, PushesTheBallAlongTheSlideDirection) {
  const int dir = GetParam();
  match.controlledPlayer = 9;
  Place(teamA, 8, 462, 247);
  A(8).slideDir = dir;
  match.walkStep = 6;  // push 3 + 6 / 4 = 4, to the left 3 + 6 / 2 = 6
  UpdatePossession();
  const int push = dir == 4 ? 6 : (dir == 5 ? 0 : 4);
  EXPECT_EQ(ball.x, 470 + DirectionDx(dir) * push) << dir;
  EXPECT_EQ(ball.y, 255 + DirectionDy(dir) * push) << dir;
}

INSTANTIATE_TEST_SUITE_P(EveryDirection, Dribble, ::testing::Range(1, 10));

TEST_F(Possession, DribbleOnlyWhileThePlayerIsInsideTheBox) {
  match.controlledPlayer = 9;
  Place(teamA, 8, 452, 247);  // x + 8 = 460: on the box edge, not inside
  A(8).slideDir = 6;
  UpdatePossession();
  EXPECT_EQ(ball.x, 470);
}

TEST_F(Possession, DribblePushGrowsWithTheWalkStep) {
  match.controlledPlayer = 9;
  Place(teamA, 8, 462, 247);
  match.walkStep = 9;
  A(8).slideDir = 6;
  UpdatePossession();
  EXPECT_EQ(ball.x, 475);  // 3 + 9 / 4
  A(8).slideDir = 4;
  Place(teamA, 8, ball.x - 8, 247);
  UpdatePossession();
  EXPECT_EQ(ball.x, 468);  // 3 + 9 / 2
}

using NearPlayer = MatchRules;

TEST_F(NearPlayer, NearestWithinFourteenAndStickyForTeamA) {
  Place(teamA, 5, 482, 255);
  Place(teamB, 5, 470, 268);
  UpdateNearPlayer();
  EXPECT_EQ(match.nearPlayer, 6);
  EXPECT_EQ(match.nearSticky, 100);
  Place(teamB, 5, 470, 262);
  match.nearSticky = 40;
  UpdateNearPlayer();
  EXPECT_EQ(match.nearPlayer, 17);
  EXPECT_EQ(match.nearSticky, 40);  // a team B player does not renew it
}

TEST_F(NearPlayer, KeptWhileStickyAndClearedOnceItLapses) {
  Place(teamA, 5, 482, 255);
  UpdateNearPlayer();
  Place(teamA, 5, 300, 255);
  UpdateNearPlayer();
  EXPECT_EQ(match.nearPlayer, 6);
  match.nearSticky = 0;
  UpdateNearPlayer();
  EXPECT_EQ(match.nearPlayer, 0);
}

TEST_F(NearPlayer, NobodyWhileAKickedBallStillMoves) {
  Place(teamA, 5, 472, 255);
  match.nearPlayer = 6;
  match.kickGrace = 5;
  ball.speed = 3;
  UpdateNearPlayer();
  EXPECT_EQ(match.nearPlayer, 0);
}

TEST_F(NearPlayer, UnchangedDuringARestartFreeze) {
  Place(teamA, 5, 472, 255);
  match.nearPlayer = 15;
  match.restartFreeze = 4;
  UpdateNearPlayer();
  EXPECT_EQ(match.nearPlayer, 15);
}

}  // namespace
