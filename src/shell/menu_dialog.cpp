// MenuDialogProc: the start-up and phase menus, the region choice and the display screens.
// displayContent says what the body of a screen shows; the buttons end the dialog and send
// their command to the main window.
#include <string>

#include "competition/fixtures.h"
#include "competition/nations.h"
#include "presentation/competition_screens.h"
#include "resources/feldo_dialogs.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"

using platform::Msg;
using platform::Param;

namespace {

std::string RegionText(int region) {
  std::string name;
  RegionName(&name, region);
  return name;
}

void WriteInfoLine(platform::Window* dialog) {
  platform::SetItemText(dialog, DialogItem::kInfoLine, RegionChoiceText());
}

void PaintContent(platform::Window* dialog) {
  platform::DeviceContext* dc = platform::GetDC(dialog);
  platform::SelectFont(dc, platform::StockFont(platform::StockObject::SystemFixedFont));
  DrawDisplayContent(dc);
  platform::ReleaseDC(dialog, dc);
}

// The command a menu button sends once its dialog has ended (0: none).
int CommandOfButton(int id) {
  switch (id) {
    case DialogItem::kNewGame:
      return CommandId::kNewCampaign;
    case DialogItem::kLoadGame:
      return CommandId::kLoadCampaign;
    case DialogItem::kChangeLevel:
      return CommandId::kLevelDialog;
    case DialogItem::kPlayRound:
      return CommandId::kStartMatch;
    case DialogItem::kFriendly:
      return CommandId::kFriendly;
    case DialogItem::kPractice:
      return CommandId::kPractice;
    case DialogItem::kStandings:
      return CommandId::kStandings;
    case CommandId::kSaveCampaign:
      return CommandId::kSaveCampaign;
    default:
      return 0;
  }
}

void CloseSoundDialog() {
  if (dialogWindows.soundDialog != nullptr) {
    platform::SendMessage(dialogWindows.soundDialog, Msg::Command, platform::kIdCancel, 0);
  }
}

void CloseNationList() {
  if (dialogWindows.nationList != nullptr) {
    platform::SendMessage(dialogWindows.nationList, Msg::Command, platform::kIdCancel, 0);
  }
}

void OnMenuCommand(platform::Window* dialog, int id) {
  if (id >= DialogItem::kRegionFirst && id <= DialogItem::kRegionLast) {
    // The region dialog stays open; a list still open is closed before the new one opens.
    if (dialogWindows.nationList != nullptr) {
      platform::InvalidateRect(dialog, nullptr, false);
      CloseNationList();
    }
    SendGameCommand(CommandId::kNationListFirst + RegionOfButton(id));
    WriteInfoLine(dialog);
    return;
  }
  switch (id) {
    case DialogItem::kSoundSwitch:
      SendGameCommand(CommandId::kSoundDialog);
      return;
    case DialogItem::kOk:
      if (gameFlow.displayContent == DisplayContent::kRegionChoice) CloseNationList();
      platform::EndDialog(dialog, kMenuChosen);
      return;
    case DialogItem::kCancel:
      platform::EndDialog(dialog, kMenuLeft);
      return;
    case DialogItem::kExit:
      platform::EndDialog(dialog, kMenuChosen);
      SendGameCommand(CommandId::kExit);
      return;
    default:
      break;
  }
  const int command = CommandOfButton(id);
  if (command == 0) return;
  CloseSoundDialog();
  platform::EndDialog(dialog, kMenuChosen);
  if (id == DialogItem::kPlayRound) gameFlow.playoffOpponent = 0;
  SendGameCommand(command);
}

}  // namespace

std::string RegionChoiceText() {
  const std::string region = RegionText(gameFlow.region);
  const std::string nation = NameOfNation(gameFlow.userNation + 1);
  return platform::Format(platform::Translate("プレイする地区: %s   国名: %s"), region.c_str(),
                          nation.c_str());
}

Param MenuDialogProc(platform::Window* dialog, Msg msg, Param a, Param /*b*/) {
  switch (msg) {
    case Msg::InitDialog:
      if (gameFlow.displayContent == DisplayContent::kRegionChoice) WriteInfoLine(dialog);
      return 1;
    case Msg::Paint:
      PaintContent(dialog);
      return 0;
    case Msg::Command:
      OnMenuCommand(dialog, int(a));
      return 1;
    default:
      return 0;
  }
}
