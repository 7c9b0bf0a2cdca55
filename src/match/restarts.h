// Where the ball is after the frame's movement: over a touch line it is thrown in, between
// the posts and low enough it is a goal, over a goal line otherwise it is a goal kick or a
// corner.
#pragma once

void CheckGoalAndOut();
