// The timer tick. It does no game logic of its own beyond counting: the work is done by the
// operations it calls, each with a device context of the main window obtained just for it.
#include "shell/match_tick.h"

#include "match/control_state.h"
#include "match/frame_step.h"
#include "match/match_frame.h"
#include "match/match_state.h"
#include "presentation/match_captions.h"
#include "presentation/pitch_drawing.h"
#include "shell/game_flow.h"

TickCounters tickCounters;

namespace {

void CountDown(std::int32_t* counter) {
  if (*counter != 0) --*counter;
}

// The restart after the half-time, extra-time or goal caption: the pitch is redrawn for play,
// with the whistle.
void RedrawForRestart(platform::Window* window) {
  platform::DeviceContext* dc = platform::GetDC(window);
  // (During a shoot-out its own caption is redrawn instead, with the shoot-out.)
  if (match.periodKind <= 1) DrawPitchBuffered(dc);
  if (gameFlow.soundOff == 0) platform::PlaySound("WHISTLE.wav", true);
  DrawBall(dc);
  platform::ReleaseDC(window, dc);
}

}  // namespace

void OnMatchTimer(platform::Window* window) {
  // Engine counters.
  CountDown(&match.possessionBlockTicks);
  CountDown(&match.nearSticky);
  CountDown(&match.userKickTicks);

  // (The victory screen, the goal celebration and the shoot-out save take their ticks here
  // once they exist; the first two end the tick.)
  CountDown(&match.diveLockTicks);

  // A caption holds the play: nothing else moves until it has run out.
  if (match.captionTimer != 0) {
    --match.captionTimer;
    if (match.captionTimer == 0) {
      match.captionKind = 0;
      match.keeperHoldTicks = 0;
      RedrawForRestart(window);
    }
    return;
  }

  // The holding keeper kicks out when this reaches 1; it never goes below 1 here.
  if (match.keeperHoldTicks > 1) --match.keeperHoldTicks;

  // Running play: a frame on every eleventh tick.
  if (match.half != 0) {
    if (ball.speed == 0 && ball.climb == 0) {
      ++match.ballStillTicks;
    } else {
      match.ballStillTicks = 0;
    }
    if (++tickCounters.frameDivider > 10) {
      tickCounters.frameDivider = 0;
      platform::DeviceContext* dc = platform::GetDC(window);
      MatchFrameStep(dc);
      platform::ReleaseDC(window, dc);
      if (gameFlow.soundOff == 0 && ++tickCounters.crowdFrames > kCrowdSoundFrames) {
        platform::PlaySound("KANSEI4.wav", true);
        tickCounters.crowdFrames = 0;
      }
    }
  }

  // The kick key's hold, up to 1000 ticks.
  if (controlState.kickKeyMode == 1 && controlState.kickHoldTicks < 1000) {
    ++controlState.kickHoldTicks;
  }
}

void ResetTickCounters() {
  tickCounters = TickCounters{};
}
