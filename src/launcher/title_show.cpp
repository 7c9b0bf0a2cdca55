// The title show's timer tick and steps.
#include "launcher/title_show.h"

#include "launcher/launcher_state.h"
#include "launcher/title_drawing.h"
#include "resources/lumar_resources.h"

void RunShowTick(platform::Window* window) {
  // The first four ticks each repaint the whole window.
  if (launcher.repaintPhase < 4) {
    ++launcher.repaintPhase;
    platform::InvalidateRect(window, nullptr, true);
  }
  // The step delay, and a show step when it has run out.
  const bool withFolder = !launcher.folderArgument.empty();
  if (launcher.stepDelay > 0) {
    --launcher.stepDelay;
  } else {
    launcher.stepDelay = withFolder ? kStepTicksWithFolder : kStepTicks;
    RunShowStep(window);
  }
  // The opening cheer, once, only without a folder.
  if (launcher.timerState == 1 && !withFolder) {
    if (launcher.soundOff == 0) platform::PlaySound(kCheerSound, true);
    launcher.timerState = 2;
  }
}

void RunShowStep(platform::Window* window) {
  if (launcher.secondLetters < kLineLetterLimit) {
    platform::DeviceContext* dc = platform::GetDC(window);
    DrawTitle(dc, launcher.firstLetters, launcher.secondLetters);
    platform::ReleaseDC(window, dc);
    if (launcher.firstLetters < kLineLetterLimit) ++launcher.firstLetters;
    if (launcher.firstLetters == kLineLetterLimit && launcher.secondLetters < kLineLetterLimit) {
      ++launcher.secondLetters;
    }
    return;
  }
  if (launcher.finalCountdown == 0 && launcher.soundOff == 0) {
    platform::PlaySound(kWhistleSound, true);
  }
  if (launcher.finalCountdown < kCountdownStart) {
    ++launcher.finalCountdown;
  } else if (launcher.finalCountdown == kCountdownStart) {
    launcher.finalCountdown = kCountdownDone;
    platform::SendMessage(window, platform::Msg::Command, LumarCommand::kStartGame, 0);
  }
}
