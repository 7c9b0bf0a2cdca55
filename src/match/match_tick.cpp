// The timer tick and the starts of a match and of a shoot-out. The tick does no game logic of
// its own beyond counting: the work is done by the operations it calls.
#include "match/match_tick.h"

#include "base/game_flow_state.h"
#include "base/record_resets.h"
#include "match/caption_state.h"
#include "match/ceremonies.h"
#include "match/control_state.h"
#include "match/match_clock.h"
#include "match/match_frame.h"
#include "match/match_state.h"
#include "match/match_view.h"
#include "match/shoot_out.h"
#include "platform/platform.h"

TickCounters tickCounters;

namespace {

constexpr int kFrameTicks = 10;  // a frame runs when the divider exceeds this

void CountDown(std::int32_t* counter) {
  if (*counter != 0) --*counter;
}

bool SoundOn() {
  return gameFlow.soundOff == 0;
}

// The engine's counters of ticks.
void CountEngineTicks() {
  CountDown(&match.possessionBlockTicks);
  CountDown(&match.nearSticky);
  CountDown(&match.userKickTicks);
}

// The goal celebration holds the tick while it runs. True when it ended the tick.
bool GoalCelebrationTick() {
  if (captionState.goalCelebration == 0) return false;
  if (--captionState.captionCountdown == 0) GoalCelebrationStep();
  return true;
}

// The shown save runs out and is recorded.
void SaveTick() {
  if (match.saveTicks == 0) return;
  if (--match.saveTicks == 0 && match.saveResult != SaveResult::kNone) RecordSave();
}

// The entrance and its fixture caption hold the tick while they run. True when they ended it.
bool EntranceTick() {
  if (captionState.entranceState != EntranceState::kWalkingIn &&
      captionState.entranceState != EntranceState::kFixtureCaption)
    return false;
  if (--captionState.captionCountdown == 0) {
    if (captionState.entranceState == EntranceState::kWalkingIn) {
      EntranceStep();
    } else {
      FixtureCaptionStep();
    }
  }
  return true;
}

// A period caption holds the tick while it shows; when it runs out, play restarts with the
// whistle. True when it ended the tick.
bool PeriodCaptionTick() {
  if (match.captionTimer == 0) return false;
  MatchView* view = CurrentMatchView();
  if (--match.captionTimer == 0) {
    match.captionKind = CaptionKind::kNone;
    match.keeperHoldTicks = 0;
    if (view != nullptr) view->ShowRestart();
    if (SoundOn()) platform::PlaySound("WHISTLE.wav", true);
  }
  if (view != nullptr) view->ShowPeriodCaption();
  return true;
}

// The clock: a second off once the milliseconds exceed a thousand; the end of the match is
// handed over at once.
void ClockTick(const EndOfMatch& endOfMatch) {
  match.clockMillis += 10;
  if (match.clockMillis > 1000 && ClockStep()) endOfMatch();
}

// A shoot-out frame on every eleventh tick, and the hand-over once it is decided.
void ShootOutTick(const EndOfMatch& endOfMatch) {
  if (match.periodKind != PeriodKind::kShootOut) return;
  if (++tickCounters.frameDivider > kFrameTicks) {
    CountDown(&match.preKickWait);
    tickCounters.frameDivider = 0;
    ShootOutFrame();
  }
  if (ShootOutDecided()) {
    match.periodKind = PeriodKind::kShootOutOver;
    endOfMatch();
  }
}

// Running play: how long the ball has stood still, a frame on every eleventh tick, and the
// crowd's sound every 301 frames.
void PlayTick() {
  if (match.half == 0) return;
  if (ball.speed == 0 && ball.climb == 0) {
    ++match.ballStillTicks;
  } else {
    match.ballStillTicks = 0;
  }
  if (++tickCounters.frameDivider <= kFrameTicks) return;
  tickCounters.frameDivider = 0;
  MatchFrameStep();
  if (SoundOn() && ++tickCounters.crowdFrames > kCrowdSoundFrames) {
    platform::PlaySound("KANSEI4.wav", true);
    tickCounters.crowdFrames = 0;
  }
}

}  // namespace

void MatchTick(const EndOfMatch& endOfMatch) {
  CountEngineTicks();
  // While the cup celebration is open the tick only moves its team photo on.
  if (gameFlow.messageKind == MessageKind::kVictory) {
    if (MatchView* view = CurrentMatchView()) view->VictoryCelebrationTick();
    return;
  }
  if (GoalCelebrationTick()) return;
  SaveTick();
  CountDown(&match.diveLockTicks);
  if (EntranceTick()) return;
  if (PeriodCaptionTick()) return;
  // At 0:00 during a shoot-out the clock only redraws its line.
  ClockTick(endOfMatch);
  // The holding keeper kicks out when this reaches 1; it never goes below 1 here.
  if (match.keeperHoldTicks > 1) --match.keeperHoldTicks;
  ShootOutTick(endOfMatch);
  PlayTick();
  // The kick key's hold, up to its limit.
  if (controlState.kickKeyMode == 1 && controlState.kickHoldTicks < kKickHoldLimitTicks) {
    ++controlState.kickHoldTicks;
  }
}

void ClearForNewMatch() {
  tickCounters.crowdFrames = 0;
  match.periodKind = PeriodKind::kRegular;
  match.kitsLoaded = 0;
  match.captionKind = CaptionKind::kNone;
  ResetCaptionState();
}

void BeginMatch() {
  match.controlledPlayer = 0;  // the kick-off set-up gives the user his forward
  match.half = 1;
  match.keeperHoldTicks = 0;
  StartEntrance();
  SetClockForPeriod();
  if (MatchView* view = CurrentMatchView()) {
    view->DrawClock();
    view->DrawScoreboard();
  }
  tickCounters.frameDivider = 0;
}

void BeginShootOut() {
  StartShootOut();
  match.keeperHoldTicks = 0;
  if (MatchView* view = CurrentMatchView()) view->ShowShootOutStart();
}

void ResetTickCounters() {
  tickCounters = TickCounters{};
}

namespace {
const bool kTickCountersRegistered = RegisterRecordReset(ResetTickCounters);
}  // namespace
