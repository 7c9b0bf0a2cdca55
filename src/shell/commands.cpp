// The command handlers of the main window that exist so far: the pause switch, the sound
// switch, the exit, the match timer, and the start-up command sent after the first paint.
// The handlers that open the menu dialogs and run a campaign come with those dialogs.
#include "shell/command_log.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"
#include "shell/match_tick.h"

using platform::Msg;

CommandLog commandLog;

namespace {

void StartMatchTimer(platform::Window* window) {
  if (!platform::SetTimer(window, kMatchTimerId, kMatchTimerPeriodMs)) {
    platform::MessageBox(window, "サッカー", "タイマー設定できません",
                         platform::mb::kOk | platform::mb::kIconWarning);
  }
}

void TogglePause(platform::Window* window) {
  if (gameFlow.paused == 0) {
    gameFlow.paused = 1;
    platform::KillTimer(window, kMatchTimerId);
    platform::SetMenu(window, shellState.menuPaused);
  } else {
    gameFlow.paused = 0;
    platform::SetMenu(window, shellState.menuRunning);
    platform::SendMessage(window, Msg::Command, CommandId::kStartTimer, 0);
  }
}

}  // namespace

bool HandleCommand(platform::Window* window, int id) {
  if (id >= 0 && id < int(commandLog.received.size())) ++commandLog.received[std::size_t(id)];
  switch (id) {
    case CommandId::kStartupMenu:
      platform::KillTimer(window, kMatchTimerId);
      return true;
    case CommandId::kPause:
      TogglePause(window);
      return true;
    case CommandId::kSoundOn:
      gameFlow.soundOff = 0;
      return true;
    case CommandId::kSoundOff:
      gameFlow.soundOff = 1;
      return true;
    case CommandId::kExit:
      platform::SendMessage(window, Msg::Close, 0, 0);
      return true;
    case CommandId::kStartTimer:
      StartMatchTimer(window);
      return true;
    default:
      return false;
  }
}

void ResetCommandLog() {
  commandLog = CommandLog{};
}
