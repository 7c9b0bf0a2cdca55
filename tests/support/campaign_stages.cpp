// Campaigns stopped at a chosen stage, built with the competition's functions.
#include "support/campaign_stages.h"

#include <algorithm>

#include "base/game_flow_state.h"
#include "base/random_below.h"
#include "competition/computed_results.h"
#include "competition/fixtures.h"
#include "competition/group_draw.h"
#include "competition/nations.h"
#include "competition/qualification.h"
#include "competition/standings.h"
#include "match/match_state.h"

namespace {

constexpr int kUserNation = 8;

// The user's match of the current league round with the given score and the round's others.
int PlayLeagueRound(int userGoals, int opponentGoals) {
  const int opponent = UserFixtureOpponent();
  lastMatchResult =
      LastMatchResult{opponent != 0 ? userGoals : 0, opponent != 0 ? opponentGoals : 0,
                      static_cast<std::uint8_t>(opponent)};
  gameFlow.lastRound = gameFlow.roundIndex;
  CollectRoundResults();
  ApplyRoundResults();
  ComputeStandings();
  return opponent;
}

void EnterGroupLeague() {
  RecordRegionQualifiers();
  for (int region = 0; region < kRegionCount; ++region) {
    if (region != gameFlow.region) ComputeRegionQualifying(region);
  }
  DrawGroups();
  gameFlow.phase = Phase::kGroupLeague;
  gameFlow.playoffOpponent = 0;
  SetUpGroupLeague();
}

void EnterKnockout() {
  knockoutTable.semiFinalists.fill(0);
  knockoutTable.finalists.fill(0);
  RecordGroupQualifiers();
  for (int group = 0; group < kGroupCount; ++group) {
    if (group != leagueState.userGroup) ComputeGroup(group);
  }
  gameFlow.playoffOpponent = 0;
  gameFlow.phase = Phase::kKnockout;
  gameFlow.roundIndex = 0;
}

// After the last round of a league or a play-off: on to the next stage when the user passed.
void EndLeague() {
  if (!DecideQualification()) {
    if (gameFlow.playoffOpponent == 0) gameFlow.phase = Phase::kNone;
    return;
  }
  if (gameFlow.phase == Phase::kQualifying) {
    EnterGroupLeague();
  } else {
    EnterKnockout();
  }
}

// The group league ends with the user level on everything with another nation in second place:
// the first nation beats the other three, the user and the level nation draw 1-1 and each beat
// the last nation 2-0.
void EndGroupLevel() {
  const int user = gameFlow.userNation + 1;
  int others[3] = {};
  int n = 0;
  for (int slot = 0; slot < leagueState.teamCount; ++slot) {
    if (leagueState.slots[slot] != user) others[n++] = leagueState.slots[slot];
  }
  ClearLeagueRecords();
  ClearResults();
  AppendResult(others[0], user, 1, 0);
  AppendResult(others[0], others[1], 1, 0);
  AppendResult(others[0], others[2], 1, 0);
  AppendResult(user, others[1], 1, 1);
  AppendResult(user, others[2], 2, 0);
  AppendResult(others[1], others[2], 2, 0);
  ApplyRoundResults();
  ComputeStandings();
  gameFlow.roundIndex = static_cast<std::uint8_t>(gameFlow.roundCount - 1);
  gameFlow.lastRound = gameFlow.roundIndex;
  DecideQualification();
}

void StartShootOutWithSevenKicks() {
  match.periodKind = PeriodKind::kShootOut;
  match.shootKick = 7;
  // Team A scores kicks 0, 1 and 3; team B scores kicks 0 and 2.
  const int resultsA[4] = {1, 1, 0, 1};
  const int resultsB[3] = {1, 0, 1};
  for (int k = 0; k < 4; ++k) match.shootResultsA[k] = static_cast<std::uint8_t>(resultsA[k]);
  for (int k = 0; k < 3; ++k) match.shootResultsB[k] = static_cast<std::uint8_t>(resultsB[k]);
  match.shootGoalsA = 3;
  match.shootGoalsB = 2;
  match.shootChoiceB = 4;
}

}  // namespace

const char* CampaignStageName(CampaignStage stage) {
  constexpr const char* kNames[kCampaignStageCount] = {
      "Qualifying", "GroupLeague",    "FirstRound", "SemiFinal",
      "Final",      "PendingPlayoff", "ShootOut"};
  return kNames[static_cast<int>(stage)];
}

void BuildCampaignAt(CampaignStage stage, std::uint32_t seed) {
  // The records the saved campaign holds, and the match's; the window's own stay.
  ResetGameFlow();
  ResetFixtureRecords();
  ResetStandingsRecords();
  ResetNationRecords();
  ResetMatchRecords();
  InitTeamDatabase();
  FillNationNames();
  SeedRandom(seed);
  gameFlow.level = 1;
  gameFlow.region = 1;
  gameFlow.userNation = kUserNation;
  gameFlow.phase = Phase::kQualifying;
  SetUpQualifying();
  gameFlow.roundIndex = 0;
  gameFlow.displayRegion = gameFlow.region;

  const int qualifyingRounds = stage == CampaignStage::kQualifying ? 2 : gameFlow.roundCount;
  for (int round = 0; round < qualifyingRounds; ++round) {
    gameFlow.roundIndex = static_cast<std::uint8_t>(round);
    PlayLeagueRound(4, 0);
  }
  if (stage == CampaignStage::kQualifying) {
    gameFlow.roundIndex = 2;
    return;
  }
  EndLeague();  // four-goal wins throughout: the user qualifies
  gameFlow.displayRegion = 10;
  if (stage == CampaignStage::kPendingPlayoff) {
    EndGroupLevel();
    return;
  }
  const int groupRounds = stage == CampaignStage::kGroupLeague ? 1 : gameFlow.roundCount;
  for (int round = 0; round < groupRounds; ++round) {
    gameFlow.roundIndex = static_cast<std::uint8_t>(round);
    PlayLeagueRound(3, 0);
  }
  if (stage == CampaignStage::kGroupLeague) {
    gameFlow.roundIndex = 1;
    return;
  }
  EndLeague();
  gameFlow.displayRegion = 100;
  if (stage == CampaignStage::kFirstRound) return;
  ComputeKnockoutRound(UserFixtureOpponent(), 2, 1);
  gameFlow.roundIndex = 1;
  if (stage == CampaignStage::kShootOut) {
    StartShootOutWithSevenKicks();
    return;
  }
  if (stage == CampaignStage::kSemiFinal) return;
  ComputeKnockoutRound(UserFixtureOpponent(), 2, 1);
  gameFlow.roundIndex = 2;
}

int ContinueCampaign() {
  if (gameFlow.playoffOpponent != 0 &&
      (gameFlow.phase == Phase::kQualifying || gameFlow.phase == Phase::kGroupLeague)) {
    const int opponent = gameFlow.playoffOpponent;
    lastMatchResult = LastMatchResult{2, 1, static_cast<std::uint8_t>(opponent)};
    EndLeague();
    return opponent;
  }
  if (gameFlow.phase == Phase::kQualifying || gameFlow.phase == Phase::kGroupLeague) {
    const int opponent = PlayLeagueRound(2, 1);
    // As the game counts: the league ends when the round played was its last.
    if (gameFlow.roundIndex + 1 != gameFlow.roundCount) {
      ++gameFlow.roundIndex;
    } else {
      EndLeague();
    }
    return opponent;
  }
  if (gameFlow.phase != Phase::kKnockout) return 0;
  const int opponent = UserFixtureOpponent();
  int userGoals = 2;
  int opponentGoals = 1;
  if (match.periodKind == PeriodKind::kShootOut) {
    // A level 1-1 decided by the shoot-out: its goals so far, and, where they do not decide
    // it yet, one more kick of the user's (a shoot-out always ends with a winner).
    userGoals = 1 + std::max(match.shootGoalsA, match.shootGoalsB + 1);
    opponentGoals = 1 + match.shootGoalsB;
    match.periodKind = PeriodKind::kRegular;
  }
  lastMatchResult = LastMatchResult{userGoals, opponentGoals, static_cast<std::uint8_t>(opponent)};
  if (gameFlow.roundIndex < 2) {
    ComputeKnockoutRound(opponent, userGoals, opponentGoals);
    ++gameFlow.roundIndex;
  } else {
    gameFlow.phase = Phase::kNone;  // the user has won the final
  }
  return opponent;
}
