// MessageDialogProc (the messages after a match and between stages) and SoundDialogProc (the
// sound switch and the question before the first menu), with the helpers every dialog
// procedure shares.
#include <string>

#include "competition/nations.h"
#include "match/match_state.h"
#include "presentation/ceremony_drawing.h"
#include "presentation/pitch_match_view.h"
#include "resources/feldo_dialogs.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"

using platform::Msg;
using platform::Param;

DialogWindows dialogWindows;

namespace {

constexpr int kResultX = 84;
constexpr int kLongNameCells = 12;  // a user nation name this long is drawn further left

struct TwoLines {
  int x;
  const char* first;
  const char* second;
};

// The two-line messages by messageKind; x 0 for the kinds that have none.
TwoLines MessageLines(MessageKind kind) {
  switch (kind) {
    case MessageKind::kQualified:
      return {84, platform::Translate("地区予選を通過しました。"),
              platform::Translate("ワールドカップ出場決定です。")};
    case MessageKind::kNotQualified:
      return {84, platform::Translate("残念! "),
              platform::Translate("地区予選を通過できませんでした")};
    case MessageKind::kGroupPassed:
      return {84, platform::Translate("グループリーグを通過しました。"),
              platform::Translate("次は決勝トーナメントです。")};
    case MessageKind::kGroupFailed:
      return {60, platform::Translate("残念! "),
              platform::Translate("グループリーグを通過できませんでした")};
    case MessageKind::kKnockedOut:
      return {60, platform::Translate("残念! "), platform::Translate("決勝トーナメント敗退です")};
    case MessageKind::kRunnerUp:
      return {60, platform::Translate("        大健闘 !  "),
              platform::Translate("        準優勝です  ")};
    case MessageKind::kNoMatch:
      return {60, platform::Translate("      このラウンドは   "),
              platform::Translate("      試合がありません  ")};
    default:
      return {0, nullptr, nullptr};
  }
}

// The comment under a campaign match's score.
std::string ResultComment() {
  const bool roundsRemain = gameFlow.roundIndex + 1 != gameFlow.roundCount;
  switch (gameFlow.phase) {
    case Phase::kKnockout:
      if (match.scoreA > match.scoreB) {
        if (gameFlow.roundIndex == kKnockoutFirstRound)
          return platform::Translate("準決勝に進みます");
        if (gameFlow.roundIndex == kSemiFinal) return platform::Translate("次は、いよいよ決勝です");
        return platform::Format(platform::Translate("おめでとう！ %s優勝です"),
                                NameOfNation(gameFlow.userNation + 1).c_str());
      }
      return platform::Translate("残念! 次へ進めません。");
    case Phase::kQualifying:
      return roundsRemain ? platform::Format(platform::Translate("地区予選 ラウンド%dへ"),
                                             gameFlow.roundIndex + 2)
                          : std::string(platform::Translate("地区予選 全ラウンドを終了"));
    case Phase::kGroupLeague:
      return roundsRemain ? platform::Format(platform::Translate("グループリーグ ラウンド%dへ"),
                                             gameFlow.roundIndex + 2)
                          : std::string(platform::Translate("グループリーグ 全ラウンドを終了"));
    default:
      return std::string();
  }
}

void PaintMatchResult(platform::DeviceContext* dc) {
  const int x = kResultX;
  const std::string user = NameOfNation(gameFlow.userNation + 1);
  platform::TextOut(dc, platform::DisplayCells(user) >= kLongNameCells ? x - 30 : x, 14, user);
  platform::TextOut(dc, x + 104, 14, NameOfNation(match.opponent));
  if (match.periodKind == PeriodKind::kShootOutOver) {
    platform::TextOut(dc, x + 48, 40, platform::Translate("P  K  戦 "));
    platform::TextOut(dc, x + 48, 60,
                      platform::Format("%d   -   %d", match.shootGoalsA, match.shootGoalsB));
    return;
  }
  platform::TextOut(dc, x + 48, 40, platform::Format("%d   -   %d", match.scoreA, match.scoreB));
  if (gameFlow.mode == Mode::kCampaign) platform::TextOut(dc, x, 80, ResultComment());
}

void PaintMessage(platform::Window* dialog) {
  platform::DeviceContext* dc = platform::GetDC(dialog);
  platform::SelectFont(dc, platform::StockFont(platform::StockObject::SystemFixedFont));
  platform::SetBkMode(dc, platform::BkMode::Transparent);
  if (gameFlow.messageKind == MessageKind::kMatchResult) {
    PaintMatchResult(dc);
  } else if (gameFlow.messageKind == MessageKind::kDeparture) {
    DrawDepartureScreen(dc);
  } else if (gameFlow.messageKind == MessageKind::kVictory) {
    DrawVictoryScreen(dc);
  } else {
    const TwoLines lines = MessageLines(gameFlow.messageKind);
    if (lines.first != nullptr) {
      platform::TextOut(dc, lines.x, 40, lines.first);
      platform::TextOut(dc, lines.x, 60, lines.second);
    }
  }
  platform::ReleaseDC(dialog, dc);
}

}  // namespace

void ResetDialogWindows() {
  dialogWindows = DialogWindows{};
}

Param OpenDialog(std::string_view name, platform::DialogProc proc, Param argument) {
  return platform::DialogBoxParam(shellState.instance, name, shellState.mainWindow, proc, argument);
}

void ShowScreen(std::string_view name, DisplayContent content) {
  gameFlow.displayContent = content;
  OpenDialog(name, MenuDialogProc);
  gameFlow.displayContent = DisplayContent::kNone;
}

void ShowMessage(std::string_view name, MessageKind kind) {
  gameFlow.messageKind = kind;
  OpenDialog(name, MessageDialogProc);
  gameFlow.messageKind = MessageKind::kMatchResult;
}

int ShowMessageBox(platform::Window* window, int textId, int captionId, unsigned flags) {
  return platform::MessageBox(window, platform::LoadString(shellState.instance, textId),
                              platform::LoadString(shellState.instance, captionId), flags);
}

void SendGameCommand(int id) {
  platform::SendMessage(shellState.mainWindow, Msg::Command, id, 0);
}

std::string NameOfNation(int nationNumber) {
  if (nationNumber < 1 || nationNumber > kTeamTableSize) return std::string();
  return std::string(platform::Translate(NationNames[std::size_t(nationNumber - 1)].data()));
}

void SetSoundOff(bool off) {
  gameFlow.soundOff = off ? 1 : 0;
  if (off) platform::PlaySound("silent", false);
  MarkSoundChoice();
}

void MarkSoundChoice() {
  for (platform::Menu* menu :
       {shellState.menuIdle, shellState.menuRunning, shellState.menuPaused}) {
    platform::CheckMenuItem(menu, CommandId::kSoundOn, gameFlow.soundOff == 0);
    platform::CheckMenuItem(menu, CommandId::kSoundOff, gameFlow.soundOff != 0);
  }
}

Param MessageDialogProc(platform::Window* dialog, Msg msg, Param a, Param /*b*/) {
  switch (msg) {
    case Msg::InitDialog:
      SetCelebrationWindow(dialog);
      return 1;
    case Msg::Paint:
      PaintMessage(dialog);
      return 0;
    case Msg::Command:
      // OK, and Esc or the close box as well: a message never holds the user.
      if (a == platform::kIdOk || a == platform::kIdCancel) {
        SetCelebrationWindow(nullptr);
        platform::EndDialog(dialog, 1);
      }
      return 1;
    default:
      return 0;
  }
}

Param SoundDialogProc(platform::Window* dialog, Msg msg, Param a, Param b) {
  switch (msg) {
    case Msg::InitDialog:
      dialogWindows.soundDialog = dialog;
      if (static_cast<SoundDialogMode>(b) == SoundDialogMode::kSoundSwitch) {
        platform::CheckButton(dialog, DialogItem::kSoundOn, gameFlow.soundOff == 0);
      }
      return 1;
    case Msg::Command:
      if (a == DialogItem::kSoundOn) {
        SetSoundOff(gameFlow.soundOff == 0);
        platform::CheckButton(dialog, DialogItem::kSoundOn, gameFlow.soundOff == 0);
      } else if (a == platform::kIdOk || a == platform::kIdCancel) {
        dialogWindows.soundDialog = nullptr;
        platform::EndDialog(dialog, a == platform::kIdOk ? 1 : 0);
      }
      return 1;
    default:
      return 0;
  }
}
