// ListDialogProc: the nation lists of the region choice, the friendly opponents, the practice
// confirmation and the level setting. The ListKind it is opened with says which; it is kept in
// dialogWindows while the list is open.
#include <cstdint>

#include "competition/fixtures.h"
#include "competition/nations.h"
#include "resources/feldo_dialogs.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"

using platform::Msg;
using platform::Param;

namespace {

void CheckLevel(platform::Window* dialog, int level) {
  for (int n = 0; n < kLevelCount; ++n) {
    platform::CheckButton(dialog, DialogItem::kLevelFirst + n, n == level);
  }
}

void FillList(platform::Window* dialog) {
  const ListKind kind = dialogWindows.listKind;
  if (IsNationList(kind)) {
    const int region = RegionOfList(kind);
    const int first = RegionFirstNation(region);
    for (int i = 0; i < RegionNationCount(region); ++i) {
      platform::ListAddString(dialog, DialogItem::kNationList, NameOfNation(first + i + 1));
    }
  } else if (kind == ListKind::kFriendlyOpponents) {
    for (int nation : FriendlyOpponents(gameFlow.userNation)) {
      platform::ListAddString(dialog, DialogItem::kNationList, NameOfNation(nation + 1));
    }
  }
}

// The nation chosen in a region's list; without a line chosen the user's nation stays if it
// belongs to the region, otherwise the region's first nation is taken.
void TakeRegionChoice(platform::Window* dialog, int region) {
  const auto line =
      static_cast<std::uint16_t>(platform::ListGetSelection(dialog, DialogItem::kNationList));
  const int first = RegionFirstNation(region);
  const int count = RegionNationCount(region);
  if (line < count) gameFlow.userNation = static_cast<std::uint8_t>(first + line);
  if (gameFlow.userNation < first || gameFlow.userNation >= first + count) {
    gameFlow.userNation = static_cast<std::uint8_t>(first);
  }
  gameFlow.region = static_cast<std::uint8_t>(region);
}

void TakeFriendlyChoice(platform::Window* dialog) {
  const int line = platform::ListGetSelection(dialog, DialogItem::kNationList);
  const std::vector<int> opponents = FriendlyOpponents(gameFlow.userNation);
  if (line >= 0 && line < int(opponents.size())) {
    gameFlow.chosenOpponent = static_cast<std::uint8_t>(opponents[std::size_t(line)] + 1);
  }
}

void Finish(platform::Window* dialog) {
  dialogWindows.nationList = nullptr;
  dialogWindows.listKind = ListKind::kNone;
  platform::EndDialog(dialog, 1);
}

void OnOk(platform::Window* dialog) {
  const ListKind kind = dialogWindows.listKind;
  if (IsNationList(kind)) {
    TakeRegionChoice(dialog, RegionOfList(kind));
  } else if (kind == ListKind::kFriendlyOpponents) {
    TakeFriendlyChoice(dialog);
  } else if (kind == ListKind::kPracticeConfirmation) {
    gameFlow.chosenOpponent = kPracticeOpponent;
  } else if (kind == ListKind::kLevel) {
    gameFlow.level = dialogWindows.pendingLevel;
    SendGameCommand(CommandId::kLevelS + gameFlow.level);
  }
  Finish(dialog);
}

}  // namespace

Param ListDialogProc(platform::Window* dialog, Msg msg, Param a, Param b) {
  switch (msg) {
    case Msg::InitDialog:
      dialogWindows.nationList = dialog;
      dialogWindows.listKind = static_cast<ListKind>(b);
      FillList(dialog);
      if (dialogWindows.listKind == ListKind::kLevel) {
        dialogWindows.pendingLevel = gameFlow.level;
        CheckLevel(dialog, gameFlow.level);
      }
      return 1;
    case Msg::Command: {
      const int id = int(a);
      if (id >= DialogItem::kLevelFirst && id < DialogItem::kLevelFirst + kLevelCount) {
        dialogWindows.pendingLevel = static_cast<std::uint8_t>(id - DialogItem::kLevelFirst);
        CheckLevel(dialog, dialogWindows.pendingLevel);
      } else if (id == DialogItem::kOk) {
        OnOk(dialog);
      } else if (id == DialogItem::kCancel) {
        Finish(dialog);
      }
      return 1;
    }
    default:
      return 0;
  }
}
