// The ceremonies that hold the play: the entrance walks the players out of the tunnel in 26
// steps, the fixture caption shows seven times and ends with the kick-off, and the goal
// celebration runs 25 steps; only then does play resume.
#include <gtest/gtest.h>

#include "match/caption_state.h"
#include "match/ceremonies.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "support/match_rules_fixture.h"

namespace {

class Ceremonies : public MatchRules {
 protected:
  void SetUp() override {
    MatchRules::SetUp();
    ResetCaptionState();
    match.opponent = 17;
  }
  void TearDown() override { ResetCaptionState(); }
};

TEST_F(Ceremonies, TheEntranceClearsTheResultsAndWalksEveryPlayerOutOfTheTunnel) {
  match.scoreA = 3;
  match.goalsB2 = 1;
  match.userKicksOff = 1;
  StartEntrance();
  EXPECT_EQ(match.scoreA, 0);
  EXPECT_EQ(match.goalsB2, 0);
  EXPECT_EQ(match.userKicksOff, 0);
  EXPECT_EQ(captionState.entranceState, EntranceState::kWalkingIn);
  EXPECT_EQ(captionState.captionCountdown, 10);
  EXPECT_EQ(teamA[4].y, 476);
  EXPECT_EQ(teamB[4].x, 480);
  int steps = 0;
  while (captionState.entranceState == EntranceState::kWalkingIn && steps < 100) {
    EntranceStep();
    ++steps;
    if (captionState.entranceState == EntranceState::kWalkingIn) {
      EXPECT_EQ(captionState.captionCountdown, 7);
    }
  }
  EXPECT_EQ(steps, 26);
  EXPECT_EQ(captionState.entranceState, EntranceState::kFixtureCaption);
  EXPECT_EQ(captionState.captionStep, 0);
  // Every player has come up from the tunnel; team A went left, team B right, all stand in
  // pose 0 now. Player 0 was released first and walked farthest.
  for (int i = 0; i < kPlayersPerSide; ++i) {
    EXPECT_LE(teamA[std::size_t(i)].y, 476 - 6 * 1) << i;
    EXPECT_EQ(teamA[std::size_t(i)].pose, 0);
    EXPECT_EQ(teamB[std::size_t(i)].pose, 0);
  }
  EXPECT_LT(teamA[0].x, teamA[10].x);
  EXPECT_GT(teamB[0].x, teamB[10].x);
  EXPECT_EQ(teamA[0].y, 400 - 2);  // 476 - 13 × 6 = 398: the first step below 400 turned him
}

TEST_F(Ceremonies, PlayersAlternateTheirWalkingPoses) {
  StartEntrance();
  EntranceStep();  // step 0: nobody released, all mark time in poses 1 and 2
  EXPECT_EQ(teamA[0].y, 476);
  EXPECT_EQ(teamA[0].pose, 1);
  EntranceStep();  // step 1: player 0 released
  EXPECT_EQ(teamA[0].y, 470);
  EXPECT_EQ(teamA[0].pose, 2);
  EXPECT_EQ(teamA[1].y, 476);
  // Once up, even players start sideways with 5 (team A) and 7 (team B), odd ones with 4, 6.
  teamA[0].y = teamB[0].y = 400;
  teamA[1].y = teamB[1].y = 400;
  EntranceStep();
  EXPECT_EQ(teamA[0].pose, 5);
  EXPECT_EQ(teamB[0].pose, 7);
  EXPECT_EQ(teamA[1].pose, 4);
  EXPECT_EQ(teamB[1].pose, 6);
  EntranceStep();
  EXPECT_EQ(teamA[0].pose, 4);
  EXPECT_EQ(teamB[1].pose, 7);
}

TEST_F(Ceremonies, TheSeventhFixtureCaptionEndsTheCeremonyWithTheKickOff) {
  captionState.entranceState = EntranceState::kFixtureCaption;
  for (int shown = 1; shown <= 6; ++shown) {
    FixtureCaptionStep();
    EXPECT_EQ(captionState.entranceState, EntranceState::kFixtureCaption);
    EXPECT_EQ(captionState.captionCountdown, 40);
  }
  FixtureCaptionStep();
  EXPECT_EQ(captionState.entranceState, EntranceState::kNone);
  EXPECT_EQ(match.captionTimer, 40);  // the kick-off caption, during which the clock waits
  EXPECT_EQ(teamA[0].x, match.pitchLeft + 10);  // back in the kick-off positions
}

TEST_F(Ceremonies, WithoutAnOpponentTheFixtureCaptionIsNotCounted) {
  match.opponent = 0;
  captionState.entranceState = EntranceState::kFixtureCaption;
  for (int i = 0; i < 10; ++i) FixtureCaptionStep();
  EXPECT_EQ(captionState.captionStep, 0);
  EXPECT_EQ(captionState.entranceState, EntranceState::kFixtureCaption);
}

TEST_F(Ceremonies, TheGoalCelebrationRunsTwentyFiveStepsThenLetsPlayResume) {
  StartGoalCelebration(true);
  int steps = 0;
  while (captionState.goalCelebration != 0 && steps < 100) {
    GoalCelebrationStep();
    ++steps;
  }
  EXPECT_EQ(steps, 26);  // 25 showing steps and the one that ends it
  EXPECT_EQ(captionState.captionStep, 0);
  EXPECT_EQ(captionState.cheerPlayed, 1);
}

}  // namespace
