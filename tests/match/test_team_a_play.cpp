// Team A's positional play: the cover line, the midfield, the three forwards and their rest
// points, the edge rules and the offside retreat.
#include "match/team_play.h"
#include "support/match_rules_fixture.h"

namespace {

class TeamAPlay : public MatchRules {
 protected:
  void SetUp() override {
    MatchRules::SetUp();
    // Everybody at his place in a line-up where no rule moves him while the ball is at the
    // centre spot; each case then moves the ball or one player.
    const int L = 30, CX = 470, CY = 255;
    Place(teamA, 1, L + 180, CY - 150);
    Place(teamA, 2, L + 180, CY + 30);
    Place(teamA, 3, L + 180, CY + 150);
    Place(teamA, 4, L + 180, CY - 30);
    Place(teamA, 5, L + 360, CY - 150);
    Place(teamA, 6, L + 360, CY + 30);
    Place(teamA, 7, L + 360, CY + 150);
    Place(teamA, 8, CX + 180, CY - 150);
    Place(teamA, 9, CX + 180, CY);
    Place(teamA, 10, CX + kForward10RestDx, CY + kForward10RestDy);
    match.controlledPlayer = 7;  // player 6 sits out of the rules
    PutBall(380, 255);
  }
};

TEST_F(TeamAPlay, LineUpAtRestStaysPut) {
  UpdateTeamA();
  EXPECT_EQ(A(1).x, 210);
  EXPECT_EQ(A(5).x, 390);
  EXPECT_EQ(A(9).x, 650);
  EXPECT_EQ(A(10).x, 650);
  EXPECT_EQ(A(10).y, 405);
}

TEST_F(TeamAPlay, DefendersFollowABallBehindTheCoverLine) {
  PutBall(120, 255);
  Place(teamA, 4, 210, 240);  // below his row CY - 30
  UpdateTeamA();
  EXPECT_EQ(A(4).x, 204);  // towards the ball's x
  EXPECT_EQ(A(4).y, 234);
}

TEST_F(TeamAPlay, CoverLineStaysWhileTheKeeperIsControlled) {
  match.controlledPlayer = 1;
  PutBall(120, 255);
  Place(teamA, 4, 210, 240);
  UpdateTeamA();
  EXPECT_EQ(A(4).x, 210);
  EXPECT_EQ(A(4).y, 234);
}

TEST_F(TeamAPlay, TheControlledPlayerIsLeftToTheUser) {
  Place(teamA, 6, 200, 300);
  UpdateTeamA();
  EXPECT_EQ(A(6).x, 200);
  EXPECT_EQ(A(6).y, 300);
  EXPECT_EQ(A(6).moved, 1);
}

TEST_F(TeamAPlay, MidfieldersPushUpWhenTheBallIsBeyondThem) {
  Place(teamA, 5, 500, 120);  // below his row: he moves
  Place(teamA, 7, 500, 400);
  PutBall(600, 255);
  UpdateTeamA();
  EXPECT_EQ(A(5).x, 506);  // towards CX + 90
  EXPECT_EQ(A(5).y, 114);
  EXPECT_EQ(A(7).x, 506);  // towards CX + 120
  EXPECT_EQ(A(7).y, 406);
  PutBall(300, 255);
  UpdateTeamA();
  EXPECT_EQ(A(5).x, 500);  // back towards L + 360
}

TEST_F(TeamAPlay, CentreForwardFollowsAWideBallDeepInTeamBsHalf) {
  PutBall(700, 120);
  Place(teamA, 9, 800, 255);
  UpdateTeamA();
  EXPECT_EQ(A(9).x, 794);  // towards 692
  PutBall(880, 120);
  UpdateTeamA();
  EXPECT_EQ(A(9).x, 800);  // towards R - 52 = 858
}

TEST_F(TeamAPlay, CentreForwardStepsBackOntoAnAdvancedBallButNotPastIt) {
  PutBall(560, 260);
  Place(teamA, 9, 600, 300);
  UpdateTeamA();
  EXPECT_EQ(A(9).x, 594);
  EXPECT_EQ(A(9).y, 300);  // along his own row
  Place(teamA, 9, 540, 300);
  UpdateTeamA();
  EXPECT_EQ(A(9).x, 540);
}

TEST_F(TeamAPlay, UpperAndLowerForwardsTakeTheBallInTheirZones) {
  PutBall(600, 150);
  Place(teamA, 8, 700, 100);
  UpdateTeamA();
  EXPECT_EQ(A(8).x, 694);
  EXPECT_EQ(A(8).y, 100);
  PutBall(600, 330);
  Place(teamA, 10, 700, 420);
  UpdateTeamA();
  EXPECT_EQ(A(10).x, 694);
  EXPECT_EQ(A(10).y, 420);
}

TEST_F(TeamAPlay, LowerForwardRestsInTeamBsHalfBelowTheCentre) {
  const int restX = match.centreX + kForward10RestDx;
  const int restY = match.centreY + kForward10RestDy;
  EXPECT_GT(restX, match.centreX);
  EXPECT_LT(restX, match.pitchRight);
  EXPECT_GT(restY, match.centreY);
  EXPECT_LT(restY, match.pitchBottom - 5);  // clear of the bottom edge rule
  // As the other two forwards: the same x, the upper forward's distance from the centre.
  PutBall(300, 100);
  Place(teamA, 10, 560, 300);
  for (int frame = 0; frame < 40; ++frame) UpdateTeamA();
  EXPECT_NEAR(A(10).x, restX, match.walkStep);
  EXPECT_NEAR(A(10).y, restY, match.walkStep);
  EXPECT_NEAR(A(8).x, restX, match.walkStep);
}

TEST_F(TeamAPlay, EdgeRulesBringIdlePlayersBackToThePlay) {
  // Player 8 stands still behind the ball in his zone, above the upper touch line.
  PutBall(600, 150);
  Place(teamA, 8, 500, 58);
  UpdateTeamA();
  EXPECT_EQ(A(8).y, 64);
  // Player 2 idle beside his own goal: he follows the ball's row.
  PutBall(120, 330);
  Place(teamA, 2, 40, 350);  // no defender rule moves him from here
  UpdateTeamA();
  EXPECT_EQ(A(2).x, 40);
  EXPECT_EQ(A(2).y, 344);
}

TEST_F(TeamAPlay, OffsideForwardRetreatsTwoStepsAFrame) {
  PutBall(600, 255);
  Place(teamA, 9, 700, 255);
  for (int i = 1; i < kPlayersPerSide; ++i) Place(teamB, i, 300, 430);
  UpdateTeamA();
  EXPECT_EQ(match.offsideA[9], 1);
  EXPECT_EQ(A(9).x, 688);  // his own step towards the ball, then the retreat
  Place(teamB, 4, 720, 430);
  Place(teamA, 9, 700, 255);
  UpdateTeamA();
  EXPECT_EQ(match.offsideA[9], 0);
  EXPECT_EQ(A(9).x, 694);
}

}  // namespace
