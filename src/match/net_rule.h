// The goal nets as the rules see them. The match picture is a fixed geometry: the pitch turned
// by 180 degrees in the second half, the far side drawn narrower, the whole shifted left by
// scrollX. The ball's picture stands at a point of that geometry, and where that point meets a
// goal's net on the screen the ball stops climbing, slows to a halt over the goal line, and no
// goal may count (offZone). The rule is part of every frame whether the match is drawn or not;
// the ball drawing only reads where the rule put the ball.
#pragma once

#include "platform/platform.h"

// The divisor of the perspective: dx = (470 - x') * (450 - y') / divisor above the lower
// touch line.
inline constexpr int kPerspectiveDivisor = 5720;
inline constexpr int kLeftGoalMouthX = 50;    // screen x of the left goal's mouth at scrollX 0
inline constexpr int kRightGoalMouthX = 892;  // and of the right goal's

// The screen x of a point of the turned picture (x', y'): the perspective shift and scrollX
// applied.
int PerspectiveScreenX(int xTurned, int yTurned);
// Where the ball's picture is drawn: its top-left corner, raised by half the ball's height.
platform::Point BallPicturePoint();
// The same for a ball at (x, y) of the pitch at `height` (the drawing between two frames).
platform::Point BallPicturePointAt(int x, int y, int height);
// The goal mouths' screen x for the current view offset (left and right as on the screen).
int LeftGoalScreenX();
int RightGoalScreenX();

// The net rule, once a frame before the frame is drawn: offZone 1 or 2 for a ball above or
// beside the goal on the left or the right of the screen, a ball over the goal line but not
// in the mouth slowed to a halt, the climb stopped at the nets.
void ApplyNetRule();
// True while the ball's picture is inside a goal (it is then not drawn).
bool BallInsideGoal();
// The same for a ball picture at `picture` (a BallPicturePointAt).
bool PictureInsideGoal(platform::Point picture);

// The view offset of the match picture: copied into scrollX at every full redraw.
void SetViewOffset(int viewOffset);
