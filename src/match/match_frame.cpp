// One frame of a running match, in its fixed order, with the redraw at its end.
#include "match/match_frame.h"

#include "match/frame_step.h"
#include "match/goal_scene.h"
#include "match/kicks.h"
#include "match/match_state.h"
#include "match/possession.h"
#include "match/restarts.h"
#include "match/team_play.h"
#include "presentation/pitch_drawing.h"

void MatchFrameStep(platform::DeviceContext* dc) {
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
  CheckGoalAndOut(dc);
  AutoSelectControlled();
  CountDownMotion();
  if (match.matchEvent != 0) {
    if (dc != nullptr) DrawMatchFrame(dc);
    if (match.matchEvent > 1) SaveFramePositions();
    if (match.matchEvent == 3 || match.matchEvent == 4) WriteGoalCaption(dc, match.matchEvent);
    match.matchEvent = 0;
  }
  DrawCommandPanel(dc);
}
