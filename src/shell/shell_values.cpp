// Registers the game-flow, layout and match fields under their own names, so that a script
// can say "expect-value phase 0" or "expect-value command.1 1".
#include "shell/shell_values.h"

#include <string>

#include "archive/graphics_archive.h"
#include "match/control_state.h"
#include "match/match_state.h"
#include "platform/platform.h"
#include "savegame/preferences_file.h"
#include "shell/command_log.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"

void RegisterShellValues() {
  using platform::RegisterValue;
  RegisterValue("mode", [] { return CodeValue(gameFlow.mode); });
  RegisterValue("phase", [] { return CodeValue(gameFlow.phase); });
  RegisterValue("level", [] { return gameFlow.level; });
  RegisterValue("soundOff", [] { return gameFlow.soundOff; });
  RegisterValue("region", [] { return gameFlow.region; });
  RegisterValue("userNation", [] { return gameFlow.userNation; });
  RegisterValue("roundIndex", [] { return gameFlow.roundIndex; });
  RegisterValue("chosenOpponent", [] { return gameFlow.chosenOpponent; });
  RegisterValue("lastResult.userGoals", [] { return lastMatchResult.userGoals; });
  RegisterValue("lastResult.opponentGoals", [] { return lastMatchResult.opponentGoals; });
  RegisterValue("lastResult.opponent", [] { return lastMatchResult.opponent; });
  RegisterValue("opponent", [] { return match.opponent; });
  RegisterValue("levelCode", [] { return match.levelCode; });
  RegisterValue("matchKind", [] { return match.matchKind; });
  RegisterValue("periodKind", [] { return static_cast<int>(match.periodKind); });
  RegisterValue("paused", [] { return gameFlow.paused; });
  RegisterValue("smoothMotion", [] { return preferences.smoothMotion; });
  RegisterValue("startupDone", [] { return shellState.startupDone; });
  RegisterValue("clientWidth", [] { return viewLayout.clientWidth; });
  RegisterValue("clientHeight", [] { return viewLayout.clientHeight; });
  RegisterValue("charWidth", [] { return viewLayout.charWidth; });
  RegisterValue("captionShift", [] { return viewLayout.captionShift; });
  RegisterValue("layoutLocked", [] { return viewLayout.layoutLocked; });
  RegisterValue("half", [] { return match.half; });
  RegisterValue("scoreA", [] { return match.scoreA; });
  RegisterValue("scoreB", [] { return match.scoreB; });
  RegisterValue("controlledPlayer", [] { return match.controlledPlayer; });
  RegisterValue("ballHolder", [] { return match.ballHolder; });
  RegisterValue("kickKeyMode", [] { return controlState.kickKeyMode; });
  RegisterValue("keyCommand", [] { return controlState.keyCommand; });
  RegisterValue("archiveError", [] { return graphicsArchive.archiveError; });
  RegisterValue("cachedPictures", [] { return CountCachedPictures(); });
  RegisterValue("paints", [] { return commandLog.paints; });
  for (int id = 1; id <= CommandId::kLast; ++id) {
    RegisterValue("command." + std::to_string(id),
                  [id] { return commandLog.received[std::size_t(id)]; });
  }
}
