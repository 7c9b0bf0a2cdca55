// What the screen shows of the penalty shoot-out: the kick-by-kick board and a goal as it is
// scored.
#pragma once

#include "platform/platform.h"

// The board's top left corner: 100 px left of the caption centre, 150 down.
platform::Point ShootOutBoardOrigin();
// The board at (left, top): 320 × 60 px, the kick columns 1 to 5 and "EX", the two nations'
// names and one mark per kick taken (" ○" scored, " ×" missed); the sixth and later pairs
// share the highlighted "EX" column, where only the latest pair is shown.
void ShootOutBoard(platform::DeviceContext* dc, int left, int top);
// The board at its place.
void DrawShootOutBoard(platform::DeviceContext* dc);
// The pitch with the ball in the net and "G O A L !!" high in front of the left goal.
void DrawShootOutGoal(platform::DeviceContext* dc);
