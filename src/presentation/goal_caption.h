// What the screen shows at once when a goal is scored: the pitch redrawn with the ball in the
// net and the "G O A L !!" caption, then the scoreboard with the new score.
#pragma once

#include "match/match_state.h"
#include "platform/platform.h"

// The pitch with the players, then the caption in front of the goal scored in.
void DrawGoalScene(platform::DeviceContext* dc, MatchEvent goal);
void DrawGoalScoreboard(platform::DeviceContext* dc);
// "G O A L !!" in front of the goal scored in (kGoalByB or kGoalByA), as seen on the screen.
void WriteGoalCaption(platform::DeviceContext* dc, MatchEvent goal);
// The same caption at a given screen point.
void WriteGoalCaptionAt(platform::DeviceContext* dc, int x, int y);
