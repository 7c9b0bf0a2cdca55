// The command dispatcher of the main window and the commands of its menus and switches: the
// start-up menu, pause, back to the first menu, the sound switch, the exit, the level and the
// sound dialogs. The match and the campaign have handlers of their own.
#include <cstdio>

#include "base/record_resets.h"
#include "match/match_state.h"
#include "match/match_tick.h"
#include "presentation/motion_blend.h"
#include "presentation/pause_sign.h"
#include "resources/dialog_names.h"
#include "resources/feldo_resources.h"
#include "savegame/preferences_file.h"
#include "shell/command_handlers.h"
#include "shell/command_log.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"

using platform::Msg;
using platform::Param;

CommandLog commandLog;

namespace {

// The start-up menu (commands 1, 228 and 241), noting when it is left without a choice.
void OpenFirstMenu() {
  if (OpenDialog(DialogName::kSinkiBox, MenuDialogProc) == kMenuLeft) {
    dialogWindows.firstMenuLeft = 1;
  }
}

// The start-up menu. Whatever runs from inside it (a campaign, a friendly, a match start) has
// returned by the time the menu has closed; then the match records are reset. A campaign in
// progress is not lost when the menu (or the one the level dialog opens again) is left with Esc:
// its phase menu comes back.
void OpenStartupMenu(platform::Window* window) {
  StopMatchTimer(window);
  // A match left for the first menu is over: it cannot be resumed by Continue. A friendly or
  // practice match left so is over as well: what follows is the campaign's again, as after
  // its result.
  if (match.half != 0 || gameFlow.paused != 0) {
    match.half = 0;
    gameFlow.paused = 0;
    gameFlow.mode = Mode::kCampaign;
    ForgetPauseSign();
    platform::SetMenu(window, shellState.menuIdle);
  }
  ShowCleanPitch(window);
  dialogWindows.firstMenuLeft = 0;
  OpenFirstMenu();
  SendGameCommand(gameFlow.mode == Mode::kCampaign ? CommandId::kCampaignMode
                                                   : CommandId::kResetMatch);
  const bool backToCampaign = dialogWindows.firstMenuLeft != 0 && CampaignInProgress();
  dialogWindows.firstMenuLeft = 0;
  if (backToCampaign) SendGameCommand(CommandId::kPhaseMenu);
}

// Pause and Continue; the pitch says so while play stands still.
void TogglePause(platform::Window* window) {
  platform::DeviceContext* dc = platform::GetDC(window);
  if (gameFlow.paused == 0) {
    gameFlow.paused = 1;
    StopMatchTimer(window);
    platform::SetMenu(window, shellState.menuPaused);
    ShowPauseSign(dc);
  } else {
    gameFlow.paused = 0;
    HidePauseSign(dc);
    platform::SetMenu(window, shellState.menuRunning);
    SendGameCommand(CommandId::kStartTimer);
  }
  platform::ReleaseDC(window, dc);
}

// The question before the first menu; the match, if any, goes on behind it. Asked between the
// matches of a campaign (its phase menu left), Cancel brings that phase menu back.
void BackToFirstMenu(platform::Window* window) {
  const bool betweenMatches = platform::GetMenu(window) == shellState.menuIdle;
  if (OpenDialog(DialogName::kMessBox1, SoundDialogProc,
                 Param(SoundDialogMode::kFirstMenuQuestion)) == 1) {
    SendGameCommand(CommandId::kStartupMenu);
  } else if (betweenMatches && CampaignInProgress()) {
    SendGameCommand(CommandId::kPhaseMenu);
  }
}

void OpenLevelDialog() {
  OpenDialog(DialogName::kSetLevelDlg, ListDialogProc, Param(ListKind::kLevel));
  OpenFirstMenu();
}

void OpenSoundDialog() {
  if (dialogWindows.soundDialog != nullptr) return;
  OpenDialog(DialogName::kSetSoundDlg, SoundDialogProc, Param(SoundDialogMode::kSoundSwitch));
}

}  // namespace

void SetSmoothMotion(bool on, bool remember) {
  preferences.smoothMotion = on ? 1 : 0;
  if (remember) WritePreferences();
  SetMotionBlending(on);
  MarkMotionChoice();
  if (shellState.mainWindow != nullptr) FollowDisplayTimer(shellState.mainWindow);
}

void StartInChosenLanguage(std::optional<std::string_view> given, std::string_view remembered) {
  const platform::Language language = platform::StartLanguage(given, remembered);
  if (!platform::SetLanguage(language)) {
    std::fprintf(stderr,
                 "feldo: the English texts (locale/en/LC_MESSAGES/%s.mo) cannot be read; "
                 "the game shows its Japanese texts\n",
                 platform::kCatalogueDomain);
  }
}

void SwitchLanguage(platform::Window* window) {
  const platform::Language next = platform::CurrentLanguage() == platform::Language::kEnglish
                                      ? platform::Language::kJapanese
                                      : platform::Language::kEnglish;
  if (!platform::SetLanguage(next)) {
    platform::MessageBeep();
    return;
  }
  preferences.language = std::string(platform::LanguageCode(next));
  WritePreferences();
  ShowWindowTitle(window);
  platform::InvalidateRect(window, nullptr, false);
}

void MarkMotionChoice() {
  for (platform::Menu* menu :
       {shellState.menuIdle, shellState.menuRunning, shellState.menuPaused}) {
    platform::CheckMenuItem(menu, CommandId::kSmoothMotion, preferences.smoothMotion != 0);
  }
}

void StartMatchTimer(platform::Window* window) {
  if (!platform::SetTimer(window, kMatchTimerId, kMatchTimerPeriodMs)) {
    ShowMessageBox(window, kStringTitle, kStringNoTimer,
                   platform::mb::kOk | platform::mb::kIconWarning);
    return;
  }
  shellState.matchTimerOn = 1;
  FollowDisplayTimer(window);
}

void StopMatchTimer(platform::Window* window) {
  platform::KillTimer(window, kMatchTimerId);
  shellState.matchTimerOn = 0;
  FollowDisplayTimer(window);
}

void FollowDisplayTimer(platform::Window* window) {
  const bool playing = match.half != 0 || match.periodKind == PeriodKind::kShootOut;
  const int displayMs = platform::DisplayFrameMs();  // 0: no display (headless)
  if (shellState.matchTimerOn != 0 && preferences.smoothMotion != 0 && playing && displayMs > 0) {
    platform::SetTimer(window, kDisplayTimerId, displayMs);
  } else {
    platform::KillTimer(window, kDisplayTimerId);
  }
}

bool HandleCommand(platform::Window* window, int id) {
  if (id >= 0 && id < int(commandLog.received.size())) ++commandLog.received[std::size_t(id)];
  switch (id) {
    case CommandId::kStartupMenu:
      OpenStartupMenu(window);
      return true;
    case CommandId::kPause:
      TogglePause(window);
      return true;
    case CommandId::kBackToFirstMenu:
      BackToFirstMenu(window);
      return true;
    case CommandId::kSoundOn:
      SetSoundOff(false);
      return true;
    case CommandId::kSoundOff:
      SetSoundOff(true);
      return true;
    case CommandId::kSmoothMotion:
      SetSmoothMotion(preferences.smoothMotion == 0, true);
      return true;
    case CommandId::kLanguage:
      SwitchLanguage(window);
      return true;
    case CommandId::kExit:
      platform::SendMessage(window, Msg::Close, 0, 0);
      return true;
    case CommandId::kStartTimer:
      StartMatchTimer(window);
      return true;
    case CommandId::kReopenStartupMenu:
      OpenFirstMenu();
      return true;
    case CommandId::kLevelDialog:
      OpenLevelDialog();
      return true;
    case CommandId::kSoundDialog:
      OpenSoundDialog();
      return true;
    case CommandId::kKeyHelp:
      ShowKeyHelp(window);
      return true;
    default:
      return HandleMatchCommand(window, id) || HandleCampaignCommand(window, id) ||
             HandleSaveCommand(window, id);
  }
}

void ResetCommandLog() {
  commandLog = CommandLog{};
}

namespace {
const bool kCommandLogRegistered = RegisterRecordReset(ResetCommandLog);
}  // namespace
