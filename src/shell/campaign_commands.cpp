// The commands of the campaign and of the matches outside it: a new campaign with its region
// and nation, the schedules, results, standings, draw and bracket screens, the phase menus,
// and the friendly and practice matches.
#include "competition/computed_results.h"
#include "competition/fixtures.h"
#include "competition/group_draw.h"
#include "competition/nations.h"
#include "competition/qualification.h"
#include "competition/standings.h"
#include "match/match_state.h"
#include "resources/dialog_names.h"
#include "resources/feldo_resources.h"
#include "shell/command_handlers.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"

using platform::Param;

namespace {

void NewCampaign(platform::Window* window) {
  if (gameFlow.phase != Phase::kNone) {
    const int answer = ShowMessageBox(window, kStringNewCampaignQuestion, kStringNewCampaignCaption,
                                      platform::mb::kOkCancel | platform::mb::kIconWarning);
    if (answer != platform::kIdOk) return;
  }
  InitTeamDatabase();
  gameFlow.phase = Phase::kSetUp;
  SendGameCommand(CommandId::kChooseRegion);
  SetUpQualifying();
  SendGameCommand(CommandId::kQualifyingSchedule);
  gameFlow.playoffOpponent = 0;
  gameFlow.phase = Phase::kQualifying;
  gameFlow.roundIndex = 0;
  SendGameCommand(CommandId::kPhaseMenu);
}

void OpenPhaseMenu() {
  switch (gameFlow.phase) {
    case Phase::kQualifying:
      OpenDialog(DialogName::kSinkiBox3, MenuDialogProc);
      break;
    case Phase::kGroupLeague:
      OpenDialog(DialogName::kSinkiBox4, MenuDialogProc);
      break;
    case Phase::kKnockout:
      OpenDialog(DialogName::kSinkiBox5, MenuDialogProc);
      break;
    default:
      break;
  }
}

void RoundResults() {
  const bool groupLeague = gameFlow.phase == Phase::kGroupLeague;
  if (!groupLeague && gameFlow.phase != Phase::kQualifying) return;
  CollectRoundResults();
  ApplyRoundResults();
  // The standings after the round: the qualification check and the standings screen read them.
  ComputeStandings();
  ShowScreen(groupLeague ? DialogName::kDispRoundEndDlg2 : DialogName::kDispRoundEndDlg1,
             DisplayContent::kRoundResults);
}

void CurrentStandings() {
  switch (gameFlow.phase) {
    case Phase::kQualifying:
      gameFlow.displayRegion = kDisplayOwnLeague;
      ShowScreen(DialogName::kDispTaisenDlg1, DisplayContent::kStandings);
      break;
    case Phase::kGroupLeague:
      gameFlow.displayGroup = leagueState.userGroup;
      gameFlow.displayRegion = kDisplayOwnLeague;
      ShowScreen(DialogName::kDispTaisenDlg2, DisplayContent::kGroupStandings);
      break;
    case Phase::kKnockout:
      ShowScreen(DialogName::kDispTounament, DisplayContent::kBracket);
      break;
    default:
      break;
  }
  SendGameCommand(CommandId::kPhaseMenu);
}

void OtherRegions() {
  gameFlow.displayRegion = gameFlow.region;
  RecordRegionQualifiers();
  for (int r = 0; r < kRegionCount; ++r) {
    if (r == gameFlow.region) continue;
    ComputeRegionQualifying(r);
    gameFlow.displayRegion = static_cast<std::uint8_t>(r);
    ShowScreen(DialogName::kDispTaisenDlg1, DisplayContent::kStandings);
  }
}

void OtherGroups() {
  RecordGroupQualifiers();
  gameFlow.displayRegion = kDisplayGroupLeague;
  for (int g = 0; g < kGroupCount; ++g) {
    if (g == leagueState.userGroup) continue;
    ComputeGroup(g);
    gameFlow.displayGroup = static_cast<std::uint8_t>(g);
    ShowScreen(DialogName::kDispTaisenDlg1, DisplayContent::kGroupStandings);
  }
}

void KnockoutResults() {
  ComputeKnockoutRound(match.opponent, match.scoreA, match.scoreB);
  ShowScreen(DialogName::kDispRoundEndDlg2, DisplayContent::kRoundResults);
}

void Friendly() {
  gameFlow.chosenOpponent = 0;
  OpenDialog(DialogName::kSelTestMatchDlg, ListDialogProc, Param(ListKind::kFriendlyOpponents));
  if (gameFlow.chosenOpponent != 0) {
    gameFlow.mode = Mode::kFriendly;
    SendGameCommand(CommandId::kStartMatch);
  } else {
    SendGameCommand(CommandId::kPhaseMenu);
  }
}

void Practice() {
  gameFlow.chosenOpponent = 0;
  OpenDialog(DialogName::kSelTestMatch2Dlg, ListDialogProc, Param(ListKind::kPracticeConfirmation));
  if (gameFlow.chosenOpponent != 0) {
    gameFlow.mode = Mode::kPractice;
    SendGameCommand(CommandId::kStartMatch);
  } else {
    OpenDialog(DialogName::kSinkiBox3, MenuDialogProc);
  }
}

}  // namespace

bool HandleCampaignCommand(platform::Window* window, int id) {
  if (id >= CommandId::kNationListFirst && id < CommandId::kNationListFirst + kRegionCount) {
    OpenDialog(DialogName::kSelTeamDlg, ListDialogProc,
               Param(NationListOf(id - CommandId::kNationListFirst)));
    return true;
  }
  switch (id) {
    case CommandId::kNewCampaign:
      NewCampaign(window);
      return true;
    case CommandId::kChooseRegion:
      ShowScreen(DialogName::kSelChikuDlg, DisplayContent::kRegionChoice);
      return true;
    case CommandId::kQualifyingSchedule:
      ShowScreen(DialogName::kDispSchedule1Dlg, DisplayContent::kQualifyingSchedule);
      return true;
    case CommandId::kGroupSchedule:
      ShowScreen(DialogName::kDispSchedule2Dlg, DisplayContent::kGroupSchedule);
      return true;
    case CommandId::kPhaseMenu:
      OpenPhaseMenu();
      return true;
    case CommandId::kRoundResults:
      RoundResults();
      return true;
    case CommandId::kStandings:
      CurrentStandings();
      return true;
    case CommandId::kOtherRegions:
      OtherRegions();
      return true;
    case CommandId::kGroupDraw:
      DrawGroups();
      ShowScreen(DialogName::kDispGroupLeag, DisplayContent::kGroups);
      return true;
    case CommandId::kOtherGroups:
      OtherGroups();
      return true;
    case CommandId::kBracket:
      ShowScreen(DialogName::kDispTounament, DisplayContent::kBracket);
      return true;
    case CommandId::kKnockoutResults:
      KnockoutResults();
      return true;
    case CommandId::kFriendly:
      Friendly();
      return true;
    case CommandId::kPractice:
      Practice();
      return true;
    default:
      return false;
  }
}
