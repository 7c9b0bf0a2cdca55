// The key help: F1 anywhere, or the GAME menu, opens it over whatever is open; a match being
// played pauses behind it, as it does behind the close question, and goes on after it.
#include "match/match_state.h"
#include "resources/dialog_names.h"
#include "shell/command_handlers.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"

using platform::Msg;
using platform::Param;

Param KeyHelpDialogProc(platform::Window* dialog, Msg msg, Param a, Param /*b*/) {
  switch (msg) {
    case Msg::InitDialog:
      return 1;
    case Msg::Command:
      if (a == platform::kIdOk || a == platform::kIdCancel) platform::EndDialog(dialog, 1);
      return 1;
    default:
      return 0;
  }
}

void ShowKeyHelp(platform::Window* window) {
  if (dialogWindows.keyHelpOpen != 0) return;
  const bool pauseBehind = MatchBeingPlayed() && gameFlow.paused == 0;
  if (pauseBehind) SendGameCommand(CommandId::kPause);
  dialogWindows.keyHelpOpen = 1;
  OpenDialog(DialogName::kKeyHelpDlg, KeyHelpDialogProc);
  dialogWindows.keyHelpOpen = 0;
  // Play goes on unless something else ended it meanwhile (the window closing, say).
  if (pauseBehind && gameFlow.paused != 0 && shellState.menuPaused != nullptr &&
      platform::GetMenu(window) == shellState.menuPaused) {
    SendGameCommand(CommandId::kPause);
  }
}
