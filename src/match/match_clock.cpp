// The clock, its text and the changes of period.
#include "match/match_clock.h"

#include "base/game_flow_state.h"
#include "base/view_layout.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/match_view.h"
#include "match/net_rule.h"
#include "platform/platform.h"

namespace {

constexpr int kHalfTimeCaptionTicks = 40;
constexpr int kExtraTimeCaptionTicks = 160;

// A new period from the centre spot with team A to kick off, the pitch drawn afresh under its
// caption.
void StartPeriod(int captionTicks, CaptionKind captionKind) {
  match.captionTimer = captionTicks;
  match.userKicksOff = 1;
  SetUpKickOff();
  SetViewOffset(viewLayout.captionShift);
  ball.frictionCount = 0;
  match.kickGrace = 0;
  match.restartFreeze = 0;
  match.captionKind = captionKind;
  SetClockForPeriod();
  if (MatchView* view = CurrentMatchView()) view->ShowPeriodBreak();
}

}  // namespace

void SetClockForPeriod() {
  match.clockMillis = 0;
  match.clockMinutes = 3;
  match.clockSeconds = 0;
}

std::string ClockText() {
  if (match.periodKind >= PeriodKind::kShootOut) return "-Penalty shootout-";
  const char* format = "     %d:%2d ";
  if (match.periodKind == PeriodKind::kExtraTime) {
    format = "Ext %d:%2d ";
  } else if (match.half == 1) {
    format = "1st %d:%2d ";
  } else if (match.half == 2) {
    format = "2nd %d:%2d ";
  }
  std::string text = platform::Format(format, match.clockMinutes, match.clockSeconds);
  if (text.size() > 6 && text[6] == ' ') text[6] = '0';
  return text.substr(0, 9);
}

bool ExtraTimeFollows() {
  return gameFlow.mode == Mode::kCampaign &&
         (gameFlow.playoffOpponent != 0 || gameFlow.phase == Phase::kKnockout) &&
         match.periodKind == PeriodKind::kRegular && match.scoreA == match.scoreB;
}

bool ClockStep() {
  MatchView* view = CurrentMatchView();
  if (match.clockMillis > 1000) {
    match.clockMillis -= 1000;
    if (match.clockSeconds != 0) {
      --match.clockSeconds;
    } else if (match.clockMinutes != 0) {
      --match.clockMinutes;
      match.clockSeconds = 59;
    }
    if (view != nullptr) view->DrawClock();
  }
  if (match.clockMinutes != 0 || match.clockSeconds != 0) return false;

  if (match.half == 1) {
    match.periodKind = PeriodKind::kRegular;
    match.half = 2;  // the change of ends: the picture is turned from now on
    StartPeriod(kHalfTimeCaptionTicks, CaptionKind::kHalfTime);
    return false;
  }
  if (match.half == 2) {
    if (ExtraTimeFollows()) {
      match.periodKind = PeriodKind::kExtraTime;  // no change of ends
      StartPeriod(kExtraTimeCaptionTicks, CaptionKind::kExtraTime);
      return false;
    }
    match.half = 0;
    return true;
  }
  return false;
}
