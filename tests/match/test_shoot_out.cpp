// The penalty shoot-out: the set-up of each kick, the user's aim and dive, the outcome of a
// kick (goal, save, or a shot that comes to nothing), five kicks each, the early end, sudden
// death, and the end of the result rows.
#include <gtest/gtest.h>

#include <set>

#include "base/game_flow_state.h"
#include "base/random_below.h"
#include "match/caption_state.h"
#include "match/control_state.h"
#include "match/match_state.h"
#include "match/shoot_out.h"

namespace {

constexpr int kL = 30;
constexpr int kCY = 255;

class ShootOut : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetMatchRecords();
    ResetControlState();
    ResetGameFlow();
    ResetCaptionState();
    ClearShootOut();
    gameFlow.soundOff = 1;
    SeedRandom(5);
    StartShootOut();
  }

  // The frames of one kick, counted as the tick counts them, until it has an outcome; a save
  // is recorded as the tick records it once it has been shown. Returns the frames it took.
  static int PlayKick() {
    const int kick = match.shootKick;
    for (int frame = 1; frame <= 200; ++frame) {
      if (match.preKickWait != 0) --match.preKickWait;
      ShootOutFrame();
      if (match.saveResult != SaveResult::kNone) {
        match.saveTicks = 0;
        RecordSave();
      }
      if (match.shootKick != kick) return frame;
    }
    return -1;
  }

  // One kick with the choices that make it a goal or a miss: on team A's kicks a high shot
  // against a keeper who dives down (goal) or a straight shot at a keeper who stays (saved);
  // on team B's kicks the computer shoots high past the standing user's keeper or straight
  // at him.
  static void Kick(bool score) {
    match.shootChoiceB = score && match.shootKick % 2 == 0 ? 1 : (score ? 7 : 4);
    if (match.shootKick % 2 == 0) controlState.keyCommand = score ? 'Q' : 'A';
    ASSERT_GT(PlayKick(), 0) << "kick " << match.shootKick << " had no outcome";
  }
  static void Pair(bool a, bool b) {
    Kick(a);
    Kick(b);
  }
};

// ---------------------------------------------------------------- set-up and choices

TEST_F(ShootOut, EachKickIsSetUpAtTheLeftGoalWithTheOthersOffThePitch) {
  EXPECT_EQ(match.periodKind, PeriodKind::kShootOut);
  EXPECT_EQ(teamA[10].x, kL + 90);
  EXPECT_EQ(teamA[10].y, kCY);
  EXPECT_EQ(teamB[0].x, kL + 10);
  EXPECT_EQ(ball.x, kL + 65);
  EXPECT_EQ(match.ballHolder, 11);
  EXPECT_EQ(match.nearPlayer, 11);
  EXPECT_EQ(match.preKickWait, 40);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(teamA[std::size_t(i)].x, -100) << i;
  for (int i = 1; i < 11; ++i) EXPECT_EQ(teamB[std::size_t(i)].x, -100) << i;

  match.shootKick = 1;
  SetUpPenalty();
  EXPECT_EQ(teamB[10].x, kL + 90);
  EXPECT_EQ(teamA[0].x, kL + 10);
  EXPECT_EQ(teamA[10].x, -100);
  EXPECT_EQ(match.ballHolder, 22);
  EXPECT_EQ(match.controlledPlayer, 1);

  std::set<int> choices;
  for (int i = 0; i < 60; ++i) {
    SetUpPenalty();
    choices.insert(match.shootChoiceB);
  }
  EXPECT_EQ(choices, (std::set<int>{1, 4, 7}));
}

TEST_F(ShootOut, NothingHappensUntilTheUserAimsAndTheTakerRunsUpAboutFiveFrames) {
  for (int frame = 0; frame < 100; ++frame) ShootOutFrame();
  EXPECT_EQ(match.shootKick, 0);
  EXPECT_EQ(ball.x, kL + 65);
  EXPECT_EQ(ball.speed, 0);

  controlState.keyCommand = 1;  // keypad 1 is "Z": low
  ShootOutFrame();
  EXPECT_EQ(match.shootAim, 1);
  int frames = 1;
  while (ball.speed == 0 && frames < 20) {
    ShootOutFrame();
    ++frames;
  }
  EXPECT_EQ(frames, 6);
  EXPECT_EQ(ball.dir, 1);
  EXPECT_EQ(match.shootAim, 0);
}

TEST_F(ShootOut, TeamBsTakerWaitsFortyFramesBeforeHisRunUp) {
  Kick(true);
  ASSERT_EQ(match.shootKick, 1);
  int frames = 0;
  while (ball.speed == 0 && frames < 100) {
    if (match.preKickWait != 0) --match.preKickWait;
    ShootOutFrame();
    ++frames;
  }
  EXPECT_EQ(frames, 44);  // the wait runs out in the 40th frame, whose step is the first of five
  EXPECT_EQ(match.shootChoiceB, 0);
}

TEST_F(ShootOut, ChangingTheUsersDiveFreezesHisKeeper) {
  match.shootKick = 1;
  SetUpPenalty();
  controlState.keyCommand = 8;
  ShootOutFrame();
  EXPECT_EQ(match.shootAim, 7);
  EXPECT_EQ(match.diveLockTicks, 0);  // a first choice is no change
  for (int frame = 0; frame < 20; ++frame) ShootOutFrame();
  EXPECT_EQ(teamA[0].y, kCY - 50);  // dived as far as he goes

  controlState.keyCommand = 2;
  ShootOutFrame();
  EXPECT_EQ(match.shootAim, 1);
  EXPECT_EQ(match.diveLockTicks, 30);
  EXPECT_EQ(teamA[0].pose, 0);
  ShootOutFrame();
  EXPECT_EQ(teamA[0].y, kCY - 50);  // frozen
  match.diveLockTicks = 0;
  ShootOutFrame();
  EXPECT_EQ(teamA[0].y, kCY - 45);
  EXPECT_EQ(teamA[0].pose, 10);
}

// ---------------------------------------------------------------- the outcome of a kick

TEST_F(ShootOut, StraightShotAtAStandingKeeperIsSavedAndBouncesOutToTheRight) {
  match.shootChoiceB = 4;
  controlState.keyCommand = 'A';
  for (int frame = 0; frame < 20 && match.saveResult == SaveResult::kNone; ++frame) ShootOutFrame();
  ASSERT_EQ(match.saveResult, SaveResult::kByKeeperB);
  EXPECT_EQ(match.saveTicks, 100);
  EXPECT_EQ(ball.dir, 6);
  EXPECT_EQ(ball.speed, 3);
  EXPECT_EQ(match.shootKick, 0);  // recorded only once the save has been shown
  for (int frame = 0; frame < 10; ++frame) ShootOutFrame();
  EXPECT_EQ(match.shootKick, 0);

  RecordSave();
  EXPECT_EQ(match.shootKick, 1);
  EXPECT_EQ(match.shootGoalsA, 0);
  EXPECT_EQ(match.shootResultsA[0], 0);
  EXPECT_EQ(match.saveResult, SaveResult::kNone);
  EXPECT_EQ(match.ballHolder, 22);  // team B's kick is set up
}

TEST_F(ShootOut, TheKeeperSavesOnlyWithinTenPixelsOnBothAxes) {
  struct Case {
    int dx, dy;
    bool saved;
  };
  for (const Case c : {Case{9, 9, true}, Case{-9, 0, true}, Case{10, 0, false}, Case{0, -10, false},
                       Case{3, 12, false}}) {
    SetUpPenalty();
    match.ballHolder = 0;  // the shot is on its way
    ball.x = teamB[0].x + c.dx;
    ball.y = teamB[0].y + c.dy;
    ball.speed = 10;
    ShootOutCheck();
    EXPECT_EQ(match.saveResult != SaveResult::kNone, c.saved) << c.dx << "," << c.dy;
  }
}

TEST_F(ShootOut, AHighShotPastAKeeperDivingTheOtherWayIsAGoal) {
  Kick(true);
  EXPECT_EQ(match.shootKick, 1);
  EXPECT_EQ(match.shootGoalsA, 1);
  EXPECT_EQ(match.shootResultsA[0], 1);
  EXPECT_EQ(match.captionTimer, 40);
  EXPECT_EQ(captionState.goalCelebration, 1);
  EXPECT_EQ(captionState.celebrateTeamB, 0);

  Kick(true);  // team B's goal, celebrated as theirs
  EXPECT_EQ(match.shootGoalsB, 1);
  EXPECT_EQ(match.shootResultsB[0], 1);
  EXPECT_EQ(captionState.celebrateTeamB, 1);
}

TEST_F(ShootOut, OnlyABallBelowEighteenPixelsCounts) {
  for (int height : {17, 18}) {
    SetUpPenalty();
    const int goalsBefore = match.shootGoalsA + match.shootGoalsB;
    match.ballHolder = 0;
    ball.x = kL;
    ball.y = kCY - 20;
    ball.height = height;
    ball.speed = 5;
    ShootOutCheck();
    EXPECT_EQ(match.shootGoalsA + match.shootGoalsB - goalsBefore, height < 18 ? 1 : 0) << height;
  }
}

// A lob over the bar used to fly on with no outcome (and could even come down "in" beyond
// the goal line); a ball that stopped short waited for ever. Both are misses now.
TEST_F(ShootOut, AShotThatGoesOverOrStopsShortIsAMiss) {
  controlState.kickKeyMode = 2;  // the lob modifier held
  match.shootChoiceB = 1;        // the keeper dives out of the way
  controlState.keyCommand = 'Q';
  const int frames = PlayKick();
  ASSERT_GT(frames, 0);
  EXPECT_EQ(match.shootKick, 1);
  EXPECT_EQ(match.shootGoalsA, 0);
  EXPECT_EQ(match.shootResultsA[0], 0);
  EXPECT_EQ(match.ballHolder, 22);
  controlState.kickKeyMode = 0;

  // A ball at rest on the spot before the kick is no miss; after the kick it is.
  match.preKickWait = 40;
  match.shootChoiceB = 0;
  ShootOutCheck();
  EXPECT_EQ(match.shootKick, 1);
  match.ballHolder = 0;
  ball.x = kL + 50;
  ShootOutCheck();
  EXPECT_EQ(match.shootKick, 2);
  EXPECT_EQ(match.shootResultsB[0], 0);
  EXPECT_EQ(match.shootGoalsB, 0);
}

// ---------------------------------------------------------------- the course of a shoot-out

TEST_F(ShootOut, FiveKicksEachDecideAShootOutThatIsNotLevel) {
  Pair(true, true);
  Pair(false, true);
  Pair(true, false);
  Pair(true, true);
  EXPECT_FALSE(ShootOutDecided());
  Kick(true);
  EXPECT_FALSE(ShootOutDecided());  // team B still has a kick
  Kick(false);
  EXPECT_EQ(match.shootKick, 10);
  EXPECT_EQ(match.shootGoalsA, 4);
  EXPECT_EQ(match.shootGoalsB, 3);
  EXPECT_TRUE(ShootOutDecided());
  EXPECT_EQ(match.shootKicksTaken, 10);
}

TEST_F(ShootOut, ASideThatCannotBeCaughtEndsItEarly) {
  Pair(true, false);
  Pair(true, false);
  Kick(true);
  EXPECT_EQ(match.shootKick, 5);
  EXPECT_FALSE(ShootOutDecided());
  Kick(false);  // 3 : 0 after three each, a save recorded by the tick
  EXPECT_EQ(match.shootKick, 6);
  ShootOutFrame();  // the next frame's check sees it
  EXPECT_EQ(match.shootKick, 12);
  EXPECT_EQ(match.shootKicksTaken, 6);
  EXPECT_TRUE(ShootOutDecided());

  // The same for team B.
  StartShootOut();
  Pair(false, true);
  Pair(false, true);
  Pair(false, true);
  EXPECT_EQ(match.shootKick, 12);
  EXPECT_EQ(match.shootGoalsB, 3);
}

TEST_F(ShootOut, LevelAfterFiveEachGoesOnPairByPair) {
  for (int pair = 0; pair < 4; ++pair) Pair(true, true);
  Pair(false, false);  // 4 : 4 after ten kicks
  EXPECT_FALSE(ShootOutDecided());
  Pair(true, true);  // 5 : 5
  EXPECT_EQ(match.shootKick, 12);
  EXPECT_FALSE(ShootOutDecided());
  Kick(false);
  EXPECT_FALSE(ShootOutDecided());
  Kick(true);  // 5 : 6 after the seventh pair
  EXPECT_TRUE(ShootOutDecided());
  EXPECT_EQ(match.shootResultsB[6], 1);
  EXPECT_EQ(match.shootResultsA[6], 0);
}

// The rows hold 200 kicks a side. A shoot-out level after all of them is drawn by lots, and
// nothing is written beyond the rows.
TEST_F(ShootOut, TheResultRowsEndAt200KicksAndTheLotsDecide) {
  match.shootKick = 398;
  match.shootKicksTaken = 398;
  match.shootGoalsA = 150;
  match.shootGoalsB = 150;
  SetUpPenalty();
  Pair(false, false);
  EXPECT_EQ(match.shootKick, 400);
  EXPECT_TRUE(ShootOutDecided());
  EXPECT_EQ(match.shootGoalsA + match.shootGoalsB, 301);

  // Both sides can win the draw.
  std::set<bool> winners;
  for (std::uint32_t seed = 1; seed <= 16; ++seed) {
    SeedRandom(seed);
    match.shootKick = 399;
    match.shootGoalsA = 10;
    match.shootGoalsB = 10;
    SetUpPenalty();
    match.saveResult = SaveResult::kByKeeperA;
    RecordSave();
    ASSERT_TRUE(ShootOutDecided());
    winners.insert(match.shootGoalsA > match.shootGoalsB);
  }
  EXPECT_EQ(winners.size(), 2u);

  // A count beyond the rows (as a damaged record could hold) writes nothing.
  match.shootResultsB.fill(1);
  match.shootKick = 400;
  match.shootGoalsA = 3;
  match.shootGoalsB = 3;
  SetUpPenalty();
  RecordSave();
  EXPECT_EQ(match.shootKick, 401);
  for (int i = 0; i < kShootOutRows; ++i) ASSERT_EQ(match.shootResultsB[std::size_t(i)], 1) << i;
}

}  // namespace
