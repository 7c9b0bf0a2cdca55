// The knockout bracket: the eight nations of knockoutTable.bracket in boxes, four on each
// side, the lines that join each tie and the two semi-finals to the final across the middle,
// the cup between the two columns, and the paths of the nations still in drawn in red
// (competition/bracket_progress.h). The bracket screen calls both, lines first, with
// (x, y, columnStep, rowStep) = (10, 40, 8, 20).
#pragma once

#include "platform/platform.h"

// The left column holds bracket entries 0, 3, 2, 1 from the top (winner A, runner-up B,
// winner B, runner-up A), the right column entries 4, 7, 6, 5.
inline constexpr int kBracketLeftColumn[4] = {0, 3, 2, 1};
inline constexpr int kBracketRightColumn[4] = {4, 7, 6, 5};

void DrawBracketLines(platform::DeviceContext* dc, int x, int y, int columnStep, int rowStep);
void DrawBracketNames(platform::DeviceContext* dc, int x, int y, int columnStep, int rowStep);
