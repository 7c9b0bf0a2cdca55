// MenuDialogProc: the start-up and phase menus, the region choice and the display screens.
// displayContent says what the body of a screen shows; the buttons end the dialog and send
// their command to the main window.
#include <string>

#include "competition/fixtures.h"
#include "competition/nations.h"
#include "presentation/bitmap_store.h"
#include "presentation/graphics_archive.h"
#include "presentation/pitch_drawing.h"
#include "resources/feldo_dialogs.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"

using platform::Msg;
using platform::Param;

namespace {

constexpr platform::Color kBlack = platform::Rgb(0, 0, 0);
constexpr platform::Color kWhite = platform::Rgb(255, 255, 255);
constexpr platform::Color kRed = platform::Rgb(255, 0, 0);
constexpr platform::Color kCyan = platform::Rgb(0, 255, 255);

constexpr const char* kGroupHeadings[kGroupCount] = {" グループＡ ", " グループＢ ", " グループＣ ",
                                                     " グループＤ "};
constexpr const char* kGroupResultHeadings[kGroupCount] = {
    "グループ Ａ 対戦結果", "グループ Ｂ 対戦結果", "グループ Ｃ 対戦結果", "グループ Ｄ 対戦結果"};
constexpr platform::Color kGroupColours[kGroupCount] = {
    platform::Rgb(255, 0, 0), platform::Rgb(0, 200, 0), platform::Rgb(0, 0, 200),
    platform::Rgb(200, 0, 200)};

std::string RegionText(int region) {
  std::string name;
  RegionName(&name, region);
  return name;
}

void WriteInfoLine(platform::Window* dialog) {
  const std::string region = RegionText(gameFlow.region);
  const std::string nation = NameOfNation(gameFlow.userNation + 1);
  platform::SetItemText(
      dialog, DialogItem::kInfoLine,
      platform::Format("プレイする地区: %s   国名: %s", region.c_str(), nation.c_str()));
}

void Transparent(platform::DeviceContext* dc, int x, int y, const std::string& text,
                 platform::Color colour) {
  platform::SetBkMode(dc, platform::BkMode::Transparent);
  platform::SetTextColor(dc, colour);
  platform::TextOut(dc, x, y, text);
}

void Opaque(platform::DeviceContext* dc, int x, int y, const std::string& text,
            platform::Color colour, platform::Color background) {
  platform::SetBkMode(dc, platform::BkMode::Opaque);
  platform::SetTextColor(dc, colour);
  platform::SetBkColor(dc, background);
  platform::TextOut(dc, x, y, text);
}

// The ticket count of the user's region above its schedule.
const char* QualifyingTickets(int region) {
  if (region == 1) return "(ワールドカップへの切符は５枚)";
  if (region == 3) return "(ワールドカップへの切符は２枚)";
  return "(ワールドカップへの切符は３枚)";
}

std::string RoundResultsHeading() {
  if (gameFlow.phase == 4) {
    if (gameFlow.roundIndex == 0) return "決勝トーナメント1回戦 対戦結果";
    if (gameFlow.roundIndex == 1) return "決勝トーナメント準決勝 対戦結果";
    return "決勝トーナメント決勝 対戦結果";
  }
  return platform::Format("ラウンド%d 対戦結果", gameFlow.lastRound + 1);
}

std::string PairingsHeading() {
  if (gameFlow.displayRegion == 10) {
    return platform::Format("グループリーグ %s対戦結果",
                            kGroupHeadings[leagueState.userGroup % kGroupCount]);
  }
  const int region = gameFlow.displayRegion == 100 ? gameFlow.region : gameFlow.displayRegion;
  return platform::Format("%s 地区予選 対戦結果", RegionText(region).c_str());
}

// The four groups of the draw, each under its coloured heading, two nations to a line with
// their flags.
void DrawGroupDraw(platform::DeviceContext* dc) {
  int y = 10;
  for (int g = 0; g < kGroupCount; ++g) {
    Opaque(dc, 10, y, kGroupHeadings[g], kWhite, kGroupColours[g]);
    y += 20;
    for (int k = 0; k < kGroupSize; ++k) {
      const int column = k % 2;
      const int nation = GroupTable[std::size_t(g)][std::size_t(k)];
      if (nation >= 1 && nation <= kNationCount) {
        const Picture& flag = bitmapStore.smallFlags[std::size_t(nation - 1)];
        CopyDib(dc, 10 + 15 + column * 20 * viewLayout.charWidth, y + 1, flag);
        Transparent(dc, 10 + 35 + column * 20 * viewLayout.charWidth, y,
                    platform::Format(" %s  ", NameOfNation(nation).c_str()), kBlack);
      }
      if (column == 1) y += 20;
    }
    y += 10;
  }
}

void PaintContent(platform::Window* dialog) {
  platform::DeviceContext* dc = platform::GetDC(dialog);
  platform::SelectFont(dc, platform::StockFont(platform::StockObject::SystemFixedFont));
  switch (gameFlow.displayContent) {
    case 1:
      if (!bitmapStore.worldMap) bitmapStore.worldMap = LoadPicture("WLDMAP.BMP");
      CopyDib(dc, 0, 0, bitmapStore.worldMap);
      break;
    case 2:
      Transparent(dc, 110, 10, QualifyingTickets(gameFlow.region), kRed);
      break;
    case 3:
      Opaque(dc, 10, 10, RoundResultsHeading(), kWhite, kRed);
      break;
    case 4:
      Transparent(dc, 10, 10, PairingsHeading(), kBlack);
      break;
    case 5:
      Transparent(dc, 10, 10, "プレイオフの対戦相手は", kBlack);
      Transparent(dc, 10, 50,
                  platform::Format("%s です", NameOfNation(gameFlow.playoffOpponent).c_str()),
                  kBlack);
      break;
    case 7:
      DrawGroupDraw(dc);
      break;
    case 8:
      Opaque(dc, 10, 10, kGroupHeadings[leagueState.userGroup % kGroupCount], kBlack, kCyan);
      Transparent(dc, 110, 10, "(決勝トーナメントへの切符は２枚)", kRed);
      break;
    case 11:
      Transparent(dc, 10, 10, kGroupResultHeadings[gameFlow.displayGroup % kGroupCount], kBlack);
      break;
    default:
      break;
  }
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
      if (gameFlow.displayContent == 1) CloseNationList();
      platform::EndDialog(dialog, 1);
      return;
    case DialogItem::kCancel:
      platform::EndDialog(dialog, 1);
      return;
    case DialogItem::kExit:
      platform::EndDialog(dialog, 1);
      SendGameCommand(CommandId::kExit);
      return;
    default:
      break;
  }
  const int command = CommandOfButton(id);
  if (command == 0) return;
  CloseSoundDialog();
  platform::EndDialog(dialog, 1);
  if (id == DialogItem::kPlayRound) gameFlow.playoffOpponent = 0;
  SendGameCommand(command);
}

}  // namespace

Param MenuDialogProc(platform::Window* dialog, Msg msg, Param a, Param /*b*/) {
  switch (msg) {
    case Msg::InitDialog:
      if (gameFlow.displayContent == 1) WriteInfoLine(dialog);
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
