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
#include "resources/dialog_names.h"
#include "resources/feldo_resources.h"
#include "shell/command_handlers.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"

namespace {

constexpr const char* kLevelNames[kLevelCount] = {"LEVEL S", "LEVEL 1", "LEVEL 2", "LEVEL 3"};

// The name of the level setting; a damaged setting reads as LEVEL 3.
const char* LevelName() {
  return kLevelNames[gameFlow.level > kLevel3 ? kLevel3 : gameFlow.level];
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
  platform::TextOut(dc, 330, 210, platform::Translate("データロード中... 少々お待ち下さい"));
}

// A friendly's or a practice match's kind.
const char* MatchKindName() {
  return gameFlow.mode == Mode::kPractice ? platform::Translate("練習試合")
                                          : platform::Translate("親善試合");
}

void SetMatchTitle(platform::Window* window) {
  shellState.title = WindowTitle::kMatch;
  ShowWindowTitle(window);
}

void StartMatch(platform::Window* window) {
  ClearForNewMatch();
  // The empty pitch while the pairing's pictures load.
  platform::DeviceContext* dc = platform::GetDC(window);
  DrawEmptyPitch(dc);
  platform::ReleaseDC(window, dc);
  // The window's title, and whom the user meets.
  SetMatchTitle(window);
  SelectOpponent();
  if (match.opponent == 0) {
    // Nobody to play in this round.
    match.scoreA = match.scoreB = 0;
    ShowMessage(DialogName::kMessBox2, MessageKind::kNoMatch);
    SendGameCommand(CommandId::kEndOfMatch);
    return;
  }
  // The kick-off: the entrance, the clock, the scoreboard and the timer.
  BeginMatch();
  gameFlow.paused = 0;
  platform::SetMenu(window, shellState.menuRunning);
  SendGameCommand(CommandId::kStartTimer);
}

// A won final: the cup celebration, shown while the timer runs, with its music.
void CelebrateTheCup(platform::Window* window) {
  if (gameFlow.soundOff == 0) platform::PlaySound("PSMAT006.wav", true);
  victoryCelebration.animating = 0;
  // The timer ticks only inside the dialog's loop, so it may start before the dialog opens and
  // stop after it has closed.
  StartMatchTimer(window);
  ShowMessage(DialogName::kMessKanki2, MessageKind::kVictory);
  StopMatchTimer(window);
  victoryCelebration.animating = 0;
  if (gameFlow.soundOff == 0) platform::PlaySound("silent", false);
  gameFlow.phase = Phase::kNone;
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

void GoToPlayoff(std::string_view announcement) {
  if (match.periodKind == PeriodKind::kExtraTime) {
    SendGameCommand(CommandId::kShootOut);
    return;
  }
  ShowScreen(announcement, DisplayContent::kPlayoffOpponent);
  SendGameCommand(CommandId::kStartMatch);
}

namespace {

// The last round of a league was played. True when the flow goes on elsewhere (the caller
// stops), false when it goes on with the result of the match.
bool EndOfLeague() {
  const bool groupLeague = gameFlow.phase == Phase::kGroupLeague;
  if (gameFlow.playoffOpponent == 0) {
    gameFlow.displayRegion = groupLeague ? kDisplayGroupLeague : gameFlow.region;
    ShowScreen(groupLeague ? DialogName::kDispTaisenDlg2 : DialogName::kDispTaisenDlg1,
               DisplayContent::kStandings);
  }
  const PlayoffShootOut penalties = PlayoffPenalties();
  const bool qualified = DecideQualification(penalties);
  if (penalties.played) match.periodKind = PeriodKind::kRegular;
  if (qualified && groupLeague) {
    ShowMessage(DialogName::kMessBox2, MessageKind::kGroupPassed);
    knockoutTable.semiFinalists.fill(0);
    knockoutTable.finalists.fill(0);
    SendGameCommand(CommandId::kOtherGroups);
    gameFlow.playoffOpponent = 0;
    gameFlow.phase = Phase::kKnockout;
    SendGameCommand(CommandId::kBracket);
    gameFlow.roundIndex = 0;
    SendGameCommand(CommandId::kPhaseMenu);
    return true;
  }
  if (qualified) {
    ShowMessage(DialogName::kMessBox2, MessageKind::kQualified);
    SendGameCommand(CommandId::kOtherRegions);
    gameFlow.phase = Phase::kGroupLeague;
    gameFlow.playoffOpponent = 0;
    SendGameCommand(CommandId::kGroupDraw);
    SetUpGroupLeague();
    SendGameCommand(CommandId::kGroupSchedule);
    ShowMessage(DialogName::kMessKanki1, MessageKind::kDeparture);
    SendGameCommand(CommandId::kPhaseMenu);
    return true;
  }
  if (gameFlow.playoffOpponent == 0) {
    ShowMessage(DialogName::kMessBox2,
                groupLeague ? MessageKind::kGroupFailed : MessageKind::kNotQualified);
    gameFlow.phase = Phase::kNone;
    return false;
  }
  GoToPlayoff(groupLeague ? DialogName::kPlayoffMsg2 : DialogName::kPlayoffMsg1);
  return true;
}

void EndMatch(platform::Window* window) {
  // The result, then the shoot-out's goals.
  lastMatchResult.userGoals = match.scoreA;
  lastMatchResult.opponentGoals = match.scoreB;
  lastMatchResult.opponent = match.opponent;
  if (match.periodKind == PeriodKind::kShootOutOver) {
    match.scoreA += match.shootGoalsA;
    match.scoreB += match.shootGoalsB;
  }
  const bool campaign = gameFlow.mode == Mode::kCampaign;
  // The message of the result over the match's last picture; then what follows stands over a
  // clean pitch.
  if (campaign && gameFlow.phase == Phase::kKnockout && match.scoreA > match.scoreB) {
    ShowMessage(DialogName::kMessBox3, MessageKind::kMatchResult);
    ShowCleanPitch(window);
    if (gameFlow.roundIndex == kFinal) {
      CelebrateTheCup(window);
      return;
    }
  } else {
    if (match.opponent != 0 && (match.periodKind == PeriodKind::kRegular ||
                                match.periodKind == PeriodKind::kShootOutOver)) {
      ShowMessage(DialogName::kMessBox2, MessageKind::kMatchResult);
    }
    if (!campaign) {
      gameFlow.mode = Mode::kCampaign;
      ShowCleanPitch(window);  // with the campaign's boards again
      SendGameCommand(CommandId::kPhaseMenu);
      return;
    }
    ShowCleanPitch(window);
  }
  // The round's results; the next match's kick-off side starts cleared.
  gameFlow.lastRound = gameFlow.roundIndex;
  const bool league = gameFlow.phase == Phase::kQualifying || gameFlow.phase == Phase::kGroupLeague;
  if (gameFlow.playoffOpponent == 0 && league) SendGameCommand(CommandId::kRoundResults);
  match.userKicksOff = 0;
  // The campaign goes on.
  if (gameFlow.phase == Phase::kKnockout && match.scoreA == match.scoreB &&
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
  // The knockout tournament moves on, or ends for the user.
  if (match.scoreA > match.scoreB) {
    if (gameFlow.phase == Phase::kKnockout && gameFlow.roundIndex != kFinal) {
      SendGameCommand(CommandId::kKnockoutResults);
      ++gameFlow.roundIndex;
      ShowScreen(DialogName::kDispTounament, DisplayContent::kBracket);
    }
  } else if (gameFlow.phase == Phase::kKnockout) {
    ShowMessage(DialogName::kMessBox2,
                gameFlow.roundIndex == kFinal ? MessageKind::kRunnerUp : MessageKind::kKnockedOut);
    gameFlow.phase = Phase::kNone;
  }
  // Back to the menu of the phase (none after the campaign has ended).
  SendGameCommand(CommandId::kPhaseMenu);
}

// The level commands (kLevelS to kLevel3): in the campaign only while its match records are set
// up (not after a practice match); outside it the window title follows the level.
void ChangeLevel(int level) {
  if (gameFlow.mode == Mode::kCampaign) {
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
  shellState.title = WindowTitle::kLevel;
  ShowWindowTitle(window);
  InitMatch();
}

}  // namespace

void ShowWindowTitle(platform::Window* window) {
  switch (shellState.title) {
    case WindowTitle::kProgram:
      platform::SetWindowTitle(window, platform::LoadString(shellState.instance, kStringTitle));
      return;
    case WindowTitle::kMatch:
      if (gameFlow.mode == Mode::kCampaign) {
        std::string title;
        if (CampaignMatchTitle(&title)) platform::SetWindowTitle(window, title);
        return;
      }
      platform::SetWindowTitle(window,
                               platform::Format("%s  [ %s ]", MatchKindName(), LevelName()));
      return;
    case WindowTitle::kLevel:
      platform::SetWindowTitle(
          window, platform::Format(platform::Translate("サッカー   %s        [ %s ]    "),
                                   MatchKindName(), LevelName()));
      return;
  }
}

bool HandleMatchCommand(platform::Window* window, int id) {
  switch (id) {
    case CommandId::kCampaignMode:
      gameFlow.mode = Mode::kCampaign;
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
