// The scoreboard at the top of the match view and the screens that frame a match: the
// players' entrance, the fixture caption, the kick-off caption and the supporters'
// celebration after a goal. Their steps are paced by the timer tick through a shared
// countdown.
#pragma once

#include "match/caption_state.h"
#include "platform/platform.h"

// The scoreboard: the left team on the screen first (the user's side in the first half); empty
// while no half or shoot-out is played.
void DrawScoreboard(platform::DeviceContext* dc);
// The pitch with the players, composed off screen and copied below the top 42 rows.
void DrawPitchBuffered(platform::DeviceContext* dc);
// "P K 戦" in red over the middle of the pitch while a shoot-out runs.
void DrawShootOutCaption(platform::DeviceContext* dc);
// Half the client width, but 320 when the client width is 640 or less.
int CaptionCentre();
