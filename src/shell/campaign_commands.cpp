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
#include "shell/command_handlers.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"

namespace {

constexpr int kModeFriendly = 1;
constexpr int kModePractice = 2;
constexpr int kPhaseSetUp = 1;
constexpr int kPhaseQualifying = 2;
constexpr int kPhaseGroupLeague = 3;
constexpr int kPhaseKnockout = 4;
constexpr int kOwnTable = 100;
constexpr int kGroupTables = 10;

void ShowScreen(const char* dialog, int content) {
  gameFlow.displayContent = static_cast<std::uint8_t>(content);
  OpenDialog(dialog, MenuDialogProc);
  gameFlow.displayContent = 0;
}

void NewCampaign(platform::Window* window) {
  if (gameFlow.phase != 0) {
    const int answer = platform::MessageBox(
        window, "現在進行中のゲームを中止してワールドカップ予選から始めます!",
        "新しくゲームを始める", platform::mb::kOkCancel | platform::mb::kIconWarning);
    if (answer != platform::kIdOk) return;
  }
  InitTeamDatabase();
  gameFlow.phase = kPhaseSetUp;
  SendGameCommand(CommandId::kChooseRegion);
  SetUpQualifying();
  SendGameCommand(CommandId::kQualifyingSchedule);
  gameFlow.playoffOpponent = 0;
  gameFlow.phase = kPhaseQualifying;
  gameFlow.roundIndex = 0;
  SendGameCommand(CommandId::kPhaseMenu);
}

void OpenPhaseMenu() {
  switch (gameFlow.phase) {
    case kPhaseQualifying:
      OpenDialog("SinkiBox3", MenuDialogProc);
      break;
    case kPhaseGroupLeague:
      OpenDialog("SinkiBox4", MenuDialogProc);
      break;
    case kPhaseKnockout:
      OpenDialog("SinkiBox5", MenuDialogProc);
      break;
    default:
      break;
  }
}

void RoundResults() {
  const bool groupLeague = gameFlow.phase == kPhaseGroupLeague;
  if (!groupLeague && gameFlow.phase != kPhaseQualifying) return;
  gameFlow.displayContent = 3;
  CollectRoundResults();
  ApplyRoundResults();
  // The standings after the round: the qualification check and the standings screen read them.
  ComputeStandings();
  OpenDialog(groupLeague ? "DispRoundEndDlg2" : "DispRoundEndDlg1", MenuDialogProc);
  gameFlow.displayContent = 0;
}

void CurrentStandings() {
  switch (gameFlow.phase) {
    case kPhaseQualifying:
      gameFlow.displayRegion = kOwnTable;
      ShowScreen("DispTaisenDlg1", 4);
      break;
    case kPhaseGroupLeague:
      gameFlow.displayGroup = leagueState.userGroup;
      gameFlow.displayRegion = kOwnTable;
      ShowScreen("DispTaisenDlg2", 11);
      break;
    case kPhaseKnockout:
      ShowScreen("DispTounament", 10);
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
    ShowScreen("DispTaisenDlg1", 4);
  }
}

void OtherGroups() {
  RecordGroupQualifiers();
  gameFlow.displayRegion = kGroupTables;
  for (int g = 0; g < kGroupCount; ++g) {
    if (g == leagueState.userGroup) continue;
    ComputeGroup(g);
    gameFlow.displayGroup = static_cast<std::uint8_t>(g);
    ShowScreen("DispTaisenDlg1", 11);
  }
}

void KnockoutResults() {
  ComputeKnockoutRound(match.opponent, match.scoreA, match.scoreB);
  ShowScreen("DispRoundEndDlg2", 3);
}

void Friendly() {
  gameFlow.chosenOpponent = 0;
  gameFlow.listKind = 6;
  OpenDialog("SelTestMatchDlg", ListDialogProc);
  if (gameFlow.chosenOpponent != 0) {
    gameFlow.mode = kModeFriendly;
    SendGameCommand(CommandId::kStartMatch);
  } else {
    SendGameCommand(CommandId::kPhaseMenu);
  }
}

void Practice() {
  gameFlow.chosenOpponent = 0;
  gameFlow.listKind = 7;
  OpenDialog("SelTestMatch2Dlg", ListDialogProc);
  if (gameFlow.chosenOpponent != 0) {
    gameFlow.mode = kModePractice;
    SendGameCommand(CommandId::kStartMatch);
  } else {
    OpenDialog("SinkiBox3", MenuDialogProc);
  }
}

}  // namespace

bool HandleCampaignCommand(platform::Window* window, int id) {
  if (id >= CommandId::kNationListFirst && id < CommandId::kNationListFirst + kRegionCount) {
    gameFlow.listKind = static_cast<std::uint8_t>(id - CommandId::kNationListFirst + 1);
    OpenDialog("SelTeamDlg", ListDialogProc);
    return true;
  }
  switch (id) {
    case CommandId::kNewCampaign:
      NewCampaign(window);
      return true;
    case CommandId::kChooseRegion:
      ShowScreen("SelChikuDlg", 1);
      return true;
    case CommandId::kQualifyingSchedule:
      ShowScreen("DispSchedule1Dlg", 2);
      return true;
    case CommandId::kGroupSchedule:
      ShowScreen("DispSchedule2Dlg", 8);
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
      ShowScreen("DispGroupLeag", 7);
      return true;
    case CommandId::kOtherGroups:
      OtherGroups();
      return true;
    case CommandId::kBracket:
      ShowScreen("DispTounament", 10);
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
