// Where the ball is after the frame's movement: over a touch line it is thrown in, between
// the posts and low enough it is a goal, over a goal line otherwise it is a goal kick or a
// corner.
#include "match/restarts.h"

#include "base/game_flow_state.h"
#include "match/caption_state.h"
#include "match/engine_helpers.h"
#include "match/kicks.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/match_view.h"
#include "match/restart_kicks.h"

namespace {

// The goal mouth of the goal test, the same at both goals (exclusive): 205 ... 290 in the
// first half, 217 ... 302 in the second.
bool InGoalMouth() {
  const int CY = match.centreY;
  return engine::SecondHalf() ? (CY - 38 < ball.y && ball.y < CY + 47)
                              : (CY - 50 < ball.y && ball.y < CY + 35);
}

void Goal(bool teamBScored) {
  const MatchEvent event = teamBScored ? MatchEvent::kGoalByB : MatchEvent::kGoalByA;
  MatchView* view = CurrentMatchView();
  if (view != nullptr) view->ShowGoal(event);
  match.captionTimer = 40;
  if (teamBScored) {
    match.scoreB += 1;
    (engine::SecondHalf() ? match.goalsB2 : match.goalsB1) += 1;
  } else {
    match.scoreA += 1;
    (engine::SecondHalf() ? match.goalsA2 : match.goalsA1) += 1;
  }
  if (view != nullptr) view->ShowScore();
  match.userKicksOff = teamBScored ? 1 : 0;  // the side that conceded kicks off
  SetUpKickOff();
  if (gameFlow.mode == Mode::kCampaign) StartGoalCelebration(teamBScored);
  match.matchEvent = event;
}

// A goal kick: the keeper kicks the ball out long.
void GoalKick(bool teamA) {
  const PlayerState& keeper = teamA ? ::teamA[0] : teamB[0];
  ball.x = keeper.x;
  ball.y = keeper.y;
  KickWithSound(teamA ? 6 : 4);
  ball.speed += 3;
  ball.climb = 5;
  match.faceRefresh = teamA ? 1 : 12;
  match.kickGrace = 100;
  match.restartFreeze = 20;
}

}  // namespace

void CheckGoalAndOut() {
  const int L = match.pitchLeft, R = match.pitchRight;
  CheckTouchLines();
  if (InGoalMouth() && ball.height < 18 && match.offZone == 0) {
    if (ball.x < L + 1) {
      ball.x = L - 8;
      Goal(true);
    } else if (ball.x > R - 9) {
      ball.x = engine::SecondHalf() ? R - 15 : R - 6;
      Goal(false);
    }
  }
  // After a goal the kick-off set-up has put the ball on the centre spot, so these do not
  // fire as well.
  if (ball.x < L && ball.height < 18) {
    if (match.lastToucher > 11) {
      GoalKick(true);
    } else {
      ball.y = ball.y < match.centreY ? match.pitchTop : match.pitchBottom;
      ball.x = L - 8;
      CornerKick();
    }
    match.matchEvent = MatchEvent::kOutOfPlay;
  }
  if (ball.x > R - 9 && ball.height < 18) {
    if (match.lastToucher < 12) {
      GoalKick(false);
    } else {
      ball.y = ball.y < match.centreY ? match.pitchTop : match.pitchBottom;
      ball.x = R;
      CornerKick();
    }
    match.matchEvent = MatchEvent::kOutOfPlay;
  }
}
