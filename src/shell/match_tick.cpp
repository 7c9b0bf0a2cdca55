// The timer tick. It does no game logic of its own beyond counting: the work is done by the
// operations it calls, each with a device context of the main window obtained just for it.
#include "shell/match_tick.h"

#include "match/caption_state.h"
#include "match/ceremonies.h"
#include "match/control_state.h"
#include "match/frame_step.h"
#include "match/match_clock.h"
#include "match/match_frame.h"
#include "match/match_state.h"
#include "match/shoot_out.h"
#include "presentation/caption_drawing.h"
#include "presentation/ceremony_drawing.h"
#include "presentation/match_captions.h"
#include "presentation/pitch_drawing.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"

TickCounters tickCounters;

namespace {

void CountDown(std::int32_t* counter) {
  if (*counter != 0) --*counter;
}

// Runs one drawing step with a context of the window obtained for it alone.
template <typename Step>
void WithDC(platform::Window* window, Step step) {
  platform::DeviceContext* dc = platform::GetDC(window);
  step(dc);
  platform::ReleaseDC(window, dc);
}

// The end of a match or shoot-out: the timer stops, the idle menu returns, and the game flow
// takes over with the end-of-match command.
void HandOverEndOfMatch(platform::Window* window) {
  platform::KillTimer(window, kMatchTimerId);
  platform::SetMenu(window, shellState.menuIdle);
  platform::SendMessage(window, platform::Msg::Command, CommandId::kEndOfMatch, 0);
}

// The restart after the half-time, extra-time or kick-off caption: the pitch is redrawn for
// play (the shoot-out caption during a shoot-out), with the whistle.
void RedrawForRestart(platform::DeviceContext* dc) {
  if (match.periodKind > 1) {
    DrawShootOutCaption(dc);
  } else {
    DrawPitchBuffered(dc);
  }
  if (gameFlow.soundOff == 0) platform::PlaySound("WHISTLE.wav", true);
  DrawBall(dc);
}

// The goal celebration holds the tick while it runs. True when it ended the tick.
bool CelebrationStep(platform::Window* window) {
  if (captionState.goalCelebration == 0) return false;
  if (--captionState.captionCountdown == 0) WithDC(window, GoalCelebrationStep);
  return true;
}

// The entrance and its fixture caption hold the tick while they run. True when they ended it.
bool EntranceTick(platform::Window* window) {
  if (captionState.entranceState != 1 && captionState.entranceState != 2) return false;
  if (--captionState.captionCountdown == 0) {
    if (captionState.entranceState == 1) {
      WithDC(window, EntranceStep);
    } else {
      WithDC(window, [](platform::DeviceContext* dc) {
        DrawTunnelClosed(dc);
        FixtureCaptionStep(dc);
      });
    }
  }
  return true;
}

// A period caption holds the tick while it shows. True when it ended the tick.
bool PeriodCaptionTick(platform::Window* window) {
  if (match.captionTimer == 0) return false;
  --match.captionTimer;
  WithDC(window, [](platform::DeviceContext* dc) {
    if (match.captionTimer == 0) {
      match.captionKind = 0;
      match.keeperHoldTicks = 0;
      RedrawForRestart(dc);
    }
    DrawPeriodCaption(dc);
  });
  return true;
}

// The clock; true when the match is over and has been handed to the game flow.
bool ClockTick(platform::Window* window) {
  match.clockMillis += 10;
  if (match.clockMillis <= 1000) return false;
  int over = 0;
  WithDC(window, [&over](platform::DeviceContext* dc) { over = ClockStep(dc); });
  if (over == 0) return false;
  HandOverEndOfMatch(window);
  return true;
}

// The shown save runs out and is recorded.
void SaveTick(platform::Window* window) {
  if (match.saveTicks == 0) return;
  if (--match.saveTicks == 0 && match.saveResult != 0) WithDC(window, RecordSave);
}

// A shoot-out frame on every eleventh tick, and the hand-over once it is decided.
void ShootOutTick(platform::Window* window) {
  if (match.periodKind != 2) return;
  if (++tickCounters.frameDivider > 10) {
    if (match.preKickWait != 0) --match.preKickWait;
    tickCounters.frameDivider = 0;
    WithDC(window, ShootOutFrame);
  }
  if (ShootOutDecided()) {
    match.periodKind = 3;
    HandOverEndOfMatch(window);
  }
}

}  // namespace

void BeginShootOut(platform::Window* window) {
  StartShootOut();
  match.keeperHoldTicks = 0;
  WithDC(window, [](platform::DeviceContext* dc) {
    DrawPitchBuffered(dc);
    DrawShootOutCaption(dc);
    DrawClock(dc);
    DrawScoreboard(dc);
    DrawBall(dc);
  });
  platform::SendMessage(window, platform::Msg::Command, CommandId::kStartTimer, 0);
}

void OnMatchTimer(platform::Window* window) {
  // 1. Engine counters.
  CountDown(&match.possessionBlockTicks);
  CountDown(&match.nearSticky);
  CountDown(&match.userKickTicks);

  // 2. The cup celebration: while its dialog is open the tick only moves the team photo on.
  if (gameFlow.messageKind == MessageKind::kVictory) {
    if (victoryCelebration.animating != 0) {
      CountDown(&victoryCelebration.countdown);
      if (victoryCelebration.countdown == 0) {
        victoryCelebration.countdown = kPhotoFrameTicks;
        if (platform::Window* dialog = dialogWindows.messageDialog) {
          platform::DeviceContext* dc = platform::GetDC(dialog);
          DrawTeamPhotoFrame(dc);
          platform::ReleaseDC(dialog, dc);
        }
      }
    }
    return;
  }
  // 3. The goal celebration.
  if (CelebrationStep(window)) return;
  // 4. A shown save.
  SaveTick(window);
  // 5.
  CountDown(&match.diveLockTicks);
  // 6. The entrance and the fixture caption.
  if (EntranceTick(window)) return;
  // 7. A period caption.
  if (PeriodCaptionTick(window)) return;
  // 8. The clock (at 0:00 during a shoot-out it only redraws its line).
  ClockTick(window);

  // 9. The holding keeper kicks out when this reaches 1; it never goes below 1 here.
  if (match.keeperHoldTicks > 1) --match.keeperHoldTicks;

  // 10. The penalty shoot-out.
  ShootOutTick(window);

  // 11. Running play: a frame on every eleventh tick.
  if (match.half != 0) {
    if (ball.speed == 0 && ball.climb == 0) {
      ++match.ballStillTicks;
    } else {
      match.ballStillTicks = 0;
    }
    if (++tickCounters.frameDivider > 10) {
      tickCounters.frameDivider = 0;
      WithDC(window, MatchFrameStep);
      if (gameFlow.soundOff == 0 && ++tickCounters.crowdFrames > kCrowdSoundFrames) {
        platform::PlaySound("KANSEI4.wav", true);
        tickCounters.crowdFrames = 0;
      }
    }
  }

  // 12. The kick key's hold, up to 1000 ticks.
  if (controlState.kickKeyMode == 1 && controlState.kickHoldTicks < 1000) {
    ++controlState.kickHoldTicks;
  }
}

void ResetTickCounters() {
  tickCounters = TickCounters{};
}
