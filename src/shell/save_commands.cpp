// The load and save commands: loading the saved campaign and playing on where it stood, and
// saving it.
// A file that cannot be loaded changes nothing and says so; a failed save says why and leaves
// the old save as it was (see savegame/campaign_file.h).
#include <string>

#include "competition/nations.h"
#include "match/match_state.h"
#include "resources/dialog_names.h"
#include "resources/feldo_dialogs.h"
#include "resources/feldo_resources.h"
#include "savegame/campaign_file.h"
#include "savegame/file_error.h"
#include "shell/command_handlers.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"

namespace {

// The loaded campaign brought a level of its own: say so, since the next match is played at it.
void SayTheLoadedLevel(platform::Window* window) {
  const std::string label(platform::Translate(LevelLabel(gameFlow.level)));
  const std::string text = platform::Format(
      platform::LoadString(shellState.instance, kStringLevelLoaded).c_str(), label.c_str());
  platform::MessageBox(window, text, platform::LoadString(shellState.instance, kStringLoadCaption),
                       platform::mb::kOk | platform::mb::kIconWarning);
}

void LoadAndPlayOn(platform::Window* window) {
  const std::uint8_t levelBefore = gameFlow.level;
  if (!LoadCampaign(kCampaignFileName)) {
    const FileFailureMessage message = LoadFailureMessage(fileErrorCode);
    platform::MessageBox(window, platform::Translate(message.text),
                         platform::Translate(message.caption),
                         platform::mb::kOk | platform::mb::kIconWarning);
    SendGameCommand(gameFlow.phase > Phase::kSetUp ? CommandId::kPhaseMenu
                                                   : CommandId::kReopenStartupMenu);
    return;
  }
  FillNationNames();
  if (gameFlow.level != levelBefore) SayTheLoadedLevel(window);
  // A campaign saved with a play-off pending goes on with it: to the shoot-out after a level
  // extra time, otherwise to its announcement and the match. The play-off is pending when it
  // has an opponent; the period alone says nothing, since a play-off won in extra time leaves
  // extra time standing in the records until the next match starts.
  const bool league = gameFlow.phase == Phase::kQualifying || gameFlow.phase == Phase::kGroupLeague;
  if (league && gameFlow.playoffOpponent != 0) {
    GoToPlayoff(gameFlow.phase == Phase::kGroupLeague ? DialogName::kPlayoffMsg2
                                                      : DialogName::kPlayoffMsg1);
    return;
  }
  SendGameCommand(CommandId::kPhaseMenu);
}

void AskAndSave(platform::Window* window) {
  const int answer = ShowMessageBox(window, kStringSaveQuestion, kStringSaveCaption,
                                    platform::mb::kOkCancel | platform::mb::kIconWarning);
  if (answer != platform::kIdOk) {
    SendGameCommand(CommandId::kPhaseMenu);
    return;
  }
  if (!SaveCampaign(kCampaignFileName)) {
    const FileFailureMessage message = SaveFailureMessage(fileErrorCode);
    platform::MessageBox(window, platform::Translate(message.text),
                         platform::Translate(message.caption),
                         platform::mb::kOk | platform::mb::kIconWarning);
  }
  platform::InvalidateRect(window, nullptr, true);
  SendGameCommand(CommandId::kPhaseMenu);
}

}  // namespace

bool HandleSaveCommand(platform::Window* window, int id) {
  switch (id) {
    case CommandId::kLoadCampaign:
      LoadAndPlayOn(window);
      return true;
    case CommandId::kSaveCampaign:
      AskAndSave(window);
      return true;
    default:
      return false;
  }
}
