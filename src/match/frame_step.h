// The pieces of the frame step that are pure rules: the saved positions of the previous
// frame, the ball's motion, team A's walk and run, team A's offside line and the goal-mouth
// rule.
#pragma once

#include <array>

#include "platform/platform.h"

// Positions saved at the start of each frame: 0-10 team A's players, 11-21 team B's, 22 the
// ball as drawn (x, y - height / 2), 23 the ball's ground point.
struct SavedFramePositions {
  std::array<platform::Point, 24> points{};
};
extern SavedFramePositions savedFrame;
void ResetSavedFrame();

void SaveFramePositions();
void UpdateOffsideLine();
void MoveBall();
// The two halves of the ball's motion, for ball motions that differ only in the ground step
// (the penalty shoot-out): the climb and fall, and one frame of friction.
void MoveBallHeight();
void ApplyBallFriction();
// One step of team A's player i towards (tx, ty): walkStep pixels on each axis, or 12 for
// the run; clamped to the pitch; the walk applies the goal-mouth rule.
void WalkTeamA(int i, int tx, int ty);
void RunTeamA(int i, int tx, int ty);

// The goal-mouth rule shared by the walks and the slide: while `ty` lies in the goal-mouth
// band of the current half, an x closer than 4 px to either goalkeeper is moved back to 4 px
// and `ty` is replaced by `currentY`. Returns true when it changed anything.
bool ApplyGoalMouthRule(int* tx, int* ty, int currentY);
