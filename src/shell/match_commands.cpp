// The commands of a match: the reset of the match records, the start of a match (the empty
// pitch, the title, the opponent, the entrance, the clock and the timer), the end of a match
// with its messages and the campaign's progression, and the level switch.
#include <string>

#include "competition/computed_results.h"
#include "competition/fixtures.h"
#include "competition/match_titles.h"
#include "competition/qualification.h"
#include "match/caption_state.h"
#include "match/ceremonies.h"
#include "match/match_clock.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/match_tick.h"
#include "presentation/caption_drawing.h"
#include "presentation/ceremony_drawing.h"
#include "presentation/match_captions.h"
#include "presentation/pitch_drawing.h"
#include "shell/command_handlers.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"

namespace {

constexpr int kModeCampaign = 0;
constexpr int kModePractice = 2;
constexpr int kPhaseNone = 0;
constexpr int kPhaseQualifying = 2;
constexpr int kPhaseGroupLeague = 3;
constexpr int kPhaseKnockout = 4;
constexpr int kFinal = 2;

constexpr const char* kLevelNames[4] = {"LEVEL S", "LEVEL 1", "LEVEL 2", "LEVEL 3"};

// The name of the level setting; a damaged setting reads as LEVEL 3.
const char* LevelName() {
  return kLevelNames[gameFlow.level > 3 ? 3 : gameFlow.level];
}

// The pitch without players, and the notice that the pictures are loading.
void DrawEmptyPitch(platform::DeviceContext* dc) {
  platform::SelectPen(dc, platform::StockPen(platform::StockObject::NullPen));
  platform::SelectBrush(dc, pitchView.pitchBrush);
  platform::Rectangle(dc, 0, 50, 1000, 1000);
  DrawBoards(dc);
  DrawStripes(dc, 0, 1000);
  DrawLines(dc);
  DrawLeftGoal(dc);
  DrawRightGoal(dc);
  DrawCornerFlags(dc);
  platform::SetBkMode(dc, platform::BkMode::Transparent);
  platform::SelectPen(dc, platform::StockPen(platform::StockObject::BlackPen));
  platform::SelectBrush(dc, platform::StockBrush(platform::StockObject::LightGreyBrush));
  platform::Rectangle(dc, 320, 200, 600, 240);
  platform::SetTextColor(dc, platform::Rgb(0, 0, 0));
  platform::TextOut(dc, 330, 210, "データロード中... 少々お待ち下さい");
}

void SetMatchTitle(platform::Window* window) {
  if (gameFlow.mode == kModeCampaign) {
    std::string title;
    if (CampaignMatchTitle(&title)) platform::SetWindowTitle(window, title);
    return;
  }
  const char* kind = gameFlow.mode == kModePractice ? "練習試合" : "親善試合";
  platform::SetWindowTitle(window, platform::Format("%s  [ %s ]", kind, LevelName()));
}

void ShowMessage(const char* dialog, int kind) {
  gameFlow.messageKind = static_cast<std::uint8_t>(kind);
  OpenDialog(dialog, MessageDialogProc);
  gameFlow.messageKind = 0;
}

void ShowScreen(const char* dialog, int content) {
  gameFlow.displayContent = static_cast<std::uint8_t>(content);
  OpenDialog(dialog, MenuDialogProc);
  gameFlow.displayContent = 0;
}

void StartMatch(platform::Window* window) {
  ClearForNewMatch();
  // The empty pitch while the pairing's pictures load.
  platform::DeviceContext* dc = platform::GetDC(window);
  DrawEmptyPitch(dc);
  platform::ReleaseDC(window, dc);
  SetMatchTitle(window);
  SelectOpponent();
  if (match.opponent == 0) {
    // Nobody to play in this round.
    match.scoreA = match.scoreB = 0;
    ShowMessage("MessBox2", 10);
    SendGameCommand(CommandId::kEndOfMatch);
    return;
  }
  BeginMatch();
  gameFlow.paused = 0;
  platform::SetMenu(window, shellState.menuRunning);
  SendGameCommand(CommandId::kStartTimer);
}

// A won final: the cup celebration, shown while the timer runs, with its music.
void CelebrateTheCup(platform::Window* window) {
  if (gameFlow.soundOff == 0) platform::PlaySound("PSMAT006.wav", true);
  victoryCelebration.animating = 0;
  gameFlow.messageKind = 6;
  StartMatchTimer(window);
  OpenDialog("MessKanki2", MessageDialogProc);
  platform::KillTimer(window, kMatchTimerId);
  gameFlow.messageKind = 0;
  victoryCelebration.animating = 0;
  if (gameFlow.soundOff == 0) platform::PlaySound("silent", false);
  gameFlow.phase = kPhaseNone;
}

// How the play-off just ended, for the qualification check.
PlayoffShootOut PlayoffPenalties() {
  PlayoffShootOut shootOut;
  if (gameFlow.playoffOpponent != 0 && match.periodKind == PeriodKind::kShootOutOver) {
    shootOut = {true, match.shootGoalsA, match.shootGoalsB};
  }
  return shootOut;
}

// A pending play-off: to penalties after a level extra time, otherwise its announcement and
// the match.
}  // namespace

void GoToPlayoff(const char* announcement) {
  if (match.periodKind == PeriodKind::kExtraTime) {
    SendGameCommand(CommandId::kShootOut);
    return;
  }
  ShowScreen(announcement, 5);
  SendGameCommand(CommandId::kStartMatch);
}

namespace {

// The last round of a league was played. True when the flow goes on elsewhere (the caller
// stops), false when it goes on with the result of the match.
bool EndOfLeague() {
  const bool groupLeague = gameFlow.phase == kPhaseGroupLeague;
  if (gameFlow.playoffOpponent == 0) {
    gameFlow.displayRegion = groupLeague ? 10 : gameFlow.region;
    ShowScreen(groupLeague ? "DispTaisenDlg2" : "DispTaisenDlg1", 4);
  }
  const PlayoffShootOut penalties = PlayoffPenalties();
  const bool qualified = DecideQualification(penalties);
  if (penalties.played) match.periodKind = PeriodKind::kRegular;
  if (qualified && groupLeague) {
    ShowMessage("MessBox2", 3);
    knockoutTable.semiFinalists.fill(0);
    knockoutTable.finalists.fill(0);
    SendGameCommand(CommandId::kOtherGroups);
    gameFlow.playoffOpponent = 0;
    gameFlow.phase = kPhaseKnockout;
    SendGameCommand(CommandId::kBracket);
    gameFlow.roundIndex = 0;
    SendGameCommand(CommandId::kPhaseMenu);
    return true;
  }
  if (qualified) {
    ShowMessage("MessBox2", 1);
    SendGameCommand(CommandId::kOtherRegions);
    gameFlow.phase = kPhaseGroupLeague;
    gameFlow.playoffOpponent = 0;
    SendGameCommand(CommandId::kGroupDraw);
    SetUpGroupLeague();
    SendGameCommand(CommandId::kGroupSchedule);
    ShowMessage("MessKanki1", 5);
    SendGameCommand(CommandId::kPhaseMenu);
    return true;
  }
  if (gameFlow.playoffOpponent == 0) {
    ShowMessage("MessBox2", groupLeague ? 4 : 2);
    gameFlow.phase = kPhaseNone;
    return false;
  }
  GoToPlayoff(groupLeague ? "PlayoffMsg2" : "PlayoffMsg1");
  return true;
}

void EndMatch(platform::Window* window) {
  // 1, 2. The result, then the shoot-out's goals.
  lastMatchResult.userGoals = match.scoreA;
  lastMatchResult.opponentGoals = match.scoreB;
  lastMatchResult.opponent = match.opponent;
  if (match.periodKind == PeriodKind::kShootOutOver) {
    match.scoreA += match.shootGoalsA;
    match.scoreB += match.shootGoalsB;
  }
  const bool campaign = gameFlow.mode == kModeCampaign;
  // 3, 4. The message of the result.
  if (campaign && gameFlow.phase == kPhaseKnockout && match.scoreA > match.scoreB) {
    ShowMessage("MessBox3", 0);
    if (gameFlow.roundIndex == kFinal) {
      CelebrateTheCup(window);
      return;
    }
  } else {
    if (match.opponent != 0 && (match.periodKind == PeriodKind::kRegular ||
                                match.periodKind == PeriodKind::kShootOutOver)) {
      ShowMessage("MessBox2", 0);
    }
    if (!campaign) {
      gameFlow.mode = kModeCampaign;
      SendGameCommand(CommandId::kPhaseMenu);
      return;
    }
  }
  // 5, 6.
  gameFlow.lastRound = gameFlow.roundIndex;
  const bool league = gameFlow.phase == kPhaseQualifying || gameFlow.phase == kPhaseGroupLeague;
  if (gameFlow.playoffOpponent == 0 && league) SendGameCommand(CommandId::kRoundResults);
  match.userKicksOff = 0;
  // 7. The campaign goes on.
  if (gameFlow.phase == kPhaseKnockout && match.scoreA == match.scoreB &&
      match.periodKind == PeriodKind::kExtraTime) {
    SendGameCommand(CommandId::kShootOut);
    return;
  }
  if (league) {
    if (gameFlow.roundIndex + 1 != gameFlow.roundCount) {
      ++gameFlow.roundIndex;
    } else if (EndOfLeague()) {
      return;
    }
  }
  // 8. The knockout tournament moves on, or ends for the user.
  if (match.scoreA > match.scoreB) {
    if (gameFlow.phase == kPhaseKnockout && gameFlow.roundIndex != kFinal) {
      SendGameCommand(CommandId::kKnockoutResults);
      ++gameFlow.roundIndex;
      ShowScreen("DispTounament", 10);
    }
  } else if (gameFlow.phase == kPhaseKnockout) {
    ShowMessage("MessBox2", gameFlow.roundIndex == kFinal ? 8 : 7);
    gameFlow.phase = kPhaseNone;
  }
  // 9.
  SendGameCommand(CommandId::kPhaseMenu);
}

// Commands 25 to 28: in the campaign only while its match records are set up (not after a
// practice match); outside it the window title follows the level.
void ChangeLevel(int level) {
  if (gameFlow.mode == kModeCampaign) {
    if (match.matchKind != 0) {
      platform::MessageBeep();
      return;
    }
    gameFlow.level = static_cast<std::uint8_t>(level);
    SendGameCommand(CommandId::kCampaignMode);
    return;
  }
  gameFlow.level = static_cast<std::uint8_t>(level);
  SendGameCommand(CommandId::kRetitleForLevel);
}

void RetitleForLevel(platform::Window* window) {
  const char* kind = gameFlow.mode == kModePractice ? "練習試合" : "親善試合";
  platform::SetWindowTitle(window,
                           platform::Format("サッカー   %s        [ %s ]    ", kind, LevelName()));
  InitMatch();
}

}  // namespace

bool HandleMatchCommand(platform::Window* window, int id) {
  switch (id) {
    case CommandId::kCampaignMode:
      gameFlow.mode = kModeCampaign;
      InitMatch();
      return true;
    case CommandId::kResetMatch:
      InitMatch();
      return true;
    case CommandId::kStartMatch:
      StartMatch(window);
      return true;
    case CommandId::kEndOfMatch:
      EndMatch(window);
      return true;
    case CommandId::kShootOut:
      BeginShootOut();
      SendGameCommand(CommandId::kStartTimer);
      return true;
    case CommandId::kLevelS:
    case CommandId::kLevel1:
    case CommandId::kLevel2:
    case CommandId::kLevel3:
      ChangeLevel(id - CommandId::kLevelS);
      return true;
    case CommandId::kRetitleForLevel:
      RetitleForLevel(window);
      return true;
    default:
      return false;
  }
}
