// One frame of a running match, in its fixed order, with the net rule and the redraw at its
// end.
#include "match/match_frame.h"

#include "match/frame_step.h"
#include "match/kicks.h"
#include "match/match_state.h"
#include "match/match_view.h"
#include "match/net_rule.h"
#include "match/possession.h"
#include "match/restarts.h"
#include "match/team_play.h"

void MatchFrameStep() {
  SaveFramePositions();
  UpdateOffsideLine();
  UpdateTeamA();  // the goalkeepers' steps run inside the two team routines
  UpdateTeamB();
  UpdatePossession();
  UpdateNearPlayer();
  MoveBall();
  ReadUserCommand();  // hands kick commands on to the kick handling
  ExecuteQueuedKick();
  ApplySlide();
  CheckGoalAndOut();
  AutoSelectControlled();
  CountDownMotion();
  MatchView* view = CurrentMatchView();
  if (match.matchEvent != MatchEvent::kNothing) {
    // The nets act where the ball's picture now stands, before the frame is drawn.
    ApplyNetRule();
    if (view != nullptr) view->RedrawFrame();
    if (match.matchEvent > MatchEvent::kMoved) SaveFramePositions();
    if (view != nullptr &&
        (match.matchEvent == MatchEvent::kGoalByB || match.matchEvent == MatchEvent::kGoalByA)) {
      view->WriteGoalCaption(match.matchEvent);
    }
    match.matchEvent = MatchEvent::kNothing;
  }
  if (view != nullptr) view->DrawCommandPanel();
}
