// The match clock: its line at the top of the view, the seconds it counts down, the change of
// ends at half time, extra time only for a level knockout or play-off match of the campaign,
// and the end of the match.
#include <gtest/gtest.h>

#include "base/game_flow_state.h"
#include "match/match_clock.h"
#include "match/match_state.h"
#include "support/match_rules_fixture.h"

namespace {

class MatchClock : public MatchRules {
 protected:
  void SetUp() override {
    MatchRules::SetUp();
    SetClockForPeriod();
  }
  // One second of play as the tick gives it: 101 ticks of 10 ms take clockMillis above 1000.
  bool Second() {
    match.clockMillis = 1010;
    return ClockStep();
  }
  void SetClock(int minutes, int seconds) {
    match.clockMinutes = minutes;
    match.clockSeconds = seconds;
  }
};

TEST_F(MatchClock, TheLineShowsThePeriodAndZeroFillsTheSeconds) {
  match.half = 1;
  EXPECT_EQ(ClockText(), "1st 3:00 ");
  SetClock(2, 0);
  Second();
  EXPECT_EQ(ClockText(), "1st 1:59 ");
  SetClock(1, 5);
  EXPECT_EQ(ClockText(), "1st 1:05 ");
  match.half = 2;
  EXPECT_EQ(ClockText(), "2nd 1:05 ");
  match.periodKind = PeriodKind::kExtraTime;
  EXPECT_EQ(ClockText(), "Ext 1:05 ");
  match.periodKind = PeriodKind::kRegular;
  match.half = 0;
  SetClock(0, 0);
  EXPECT_EQ(ClockText(), "     0: 0");  // the seventh character is the colon: no fill
  match.periodKind = PeriodKind::kShootOut;
  EXPECT_EQ(ClockText(), "-Penalty shootout-");
}

TEST_F(MatchClock, ASecondComesOffOnlyOnceTheMillisecondsExceedAThousand) {
  match.half = 1;
  match.clockMillis = 1000;
  EXPECT_FALSE(ClockStep());
  EXPECT_EQ(match.clockSeconds, 0);
  EXPECT_EQ(match.clockMinutes, 3);
  match.clockMillis = 1001;
  ClockStep();
  EXPECT_EQ(match.clockMillis, 1);
  EXPECT_EQ(match.clockMinutes, 2);
  EXPECT_EQ(match.clockSeconds, 59);
  // A half is 180 seconds.
  SetClockForPeriod();
  int seconds = 0;
  while (match.half == 1 && seconds < 1000) {
    Second();
    ++seconds;
  }
  EXPECT_EQ(seconds, 180);
}

TEST_F(MatchClock, HalfTimeChangesEndsWithTeamAKickingOffUnderTheCaption) {
  match.half = 1;
  match.scoreA = 1;
  match.userKicksOff = 0;
  ball.frictionCount = 3;
  match.kickGrace = 9;
  SetClock(0, 1);
  EXPECT_EQ(Second(), 0);
  EXPECT_EQ(match.half, 2);
  EXPECT_EQ(match.periodKind, PeriodKind::kRegular);
  EXPECT_EQ(match.captionTimer, 40);
  EXPECT_EQ(match.captionKind, CaptionKind::kHalfTime);
  EXPECT_EQ(match.userKicksOff, 1);
  EXPECT_EQ(match.clockMinutes, 3);
  EXPECT_EQ(match.clockSeconds, 0);
  EXPECT_EQ(match.kickGrace, 0);
  EXPECT_EQ(ball.frictionCount, 0);
  EXPECT_EQ(match.scoreA, 1);
  // Everybody back in the kick-off positions, team A's side of the pitch unchanged in the
  // rules (the picture is turned instead).
  EXPECT_EQ(teamA[0].x, match.pitchLeft + 10);
  EXPECT_GT(teamB[0].x, match.centreX);
}

struct ExtraTimeCase {
  Mode mode;
  Phase phase;
  int playoffOpponent, scoreA, scoreB;
  bool extraTime;
};

TEST_F(MatchClock, ExtraTimeFollowsOnlyALevelKnockoutOrPlayoffMatchOfTheCampaign) {
  const ExtraTimeCase cases[] = {
      {Mode::kFriendly, Phase::kNone, 0, 1, 1, false},         // a level friendly
      {Mode::kPractice, Phase::kNone, 0, 0, 0, false},         // a level practice match
      {Mode::kCampaign, Phase::kGroupLeague, 0, 2, 2, false},  // a level group-league match
      {Mode::kCampaign, Phase::kQualifying, 0, 1, 1, false},   // a level qualifying match
      {Mode::kCampaign, Phase::kKnockout, 0, 1, 1, true},      // a level knockout match
      {Mode::kCampaign, Phase::kQualifying, 17, 0, 0, true},   // a level play-off
      {Mode::kCampaign, Phase::kKnockout, 0, 2, 1, false},     // a decided knockout match
      {Mode::kCampaign, Phase::kQualifying, 17, 0, 1, false},  // a decided play-off
  };
  for (const ExtraTimeCase& c : cases) {
    SetUp();
    gameFlow.mode = c.mode;
    gameFlow.phase = c.phase;
    gameFlow.playoffOpponent = std::uint8_t(c.playoffOpponent);
    match.half = 2;
    match.scoreA = c.scoreA;
    match.scoreB = c.scoreB;
    SetClock(0, 1);
    const bool over = Second();
    EXPECT_EQ(over, !c.extraTime) << CodeValue(c.mode) << "/" << int(CodeValue(c.phase)) << "/"
                                  << c.playoffOpponent;
    EXPECT_EQ(match.periodKind, c.extraTime ? PeriodKind::kExtraTime : PeriodKind::kRegular);
    EXPECT_EQ(match.half, c.extraTime ? 2 : 0);
    if (c.extraTime) {
      EXPECT_EQ(match.captionTimer, 160);
      EXPECT_EQ(match.captionKind, CaptionKind::kExtraTime);
      EXPECT_EQ(match.clockMinutes, 3);
    }
  }
}

TEST_F(MatchClock, ExtraTimeEndsTheMatchEvenWhenStillLevel) {
  gameFlow.mode = Mode::kCampaign;
  gameFlow.phase = Phase::kKnockout;
  match.half = 2;
  match.periodKind = PeriodKind::kExtraTime;
  match.scoreA = match.scoreB = 2;
  SetClock(0, 1);
  EXPECT_EQ(Second(), 1);
  EXPECT_EQ(match.half, 0);
  EXPECT_EQ(match.periodKind,
            PeriodKind::kExtraTime);  // the game flow goes on to the shoot-out from here
}

}  // namespace
