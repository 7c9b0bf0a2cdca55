// The match view that draws into the game's main window: the goal scene and caption, the
// scoreboard, the per-frame redraw, the command panel, the clock and the period captions, the
// ceremonies, the shoot-out, and the pictures of each pairing. Each drawing takes a context of
// its window for itself alone and releases it right after.
#pragma once

#include "match/match_view.h"
#include "platform/platform.h"

// The one pitch view, drawing into `window` from now on (nullptr: it draws nothing); the game
// program installs it with SetMatchView when its main window is created.
MatchView* PitchMatchView(platform::Window* window);
// Smooth motion: between the rule frames, the match picture with the players and the ball where
// the blend puts them at this moment (presentation/motion_blend.h), drawn into the view's window
// when it moved on since the last drawing; nothing while nothing slides. The display timer of
// the game's window calls it at the display's rate.
void DrawMotionFrame();

// The window of the open cup celebration, into which the view draws the team photo's frames;
// nullptr while none is open. The message dialog sets it while it is open.
void SetCelebrationWindow(platform::Window* dialog);
