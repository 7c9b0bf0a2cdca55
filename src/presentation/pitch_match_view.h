// The match view that draws into the game's main window: the goal scene and caption, the
// scoreboard, the per-frame redraw, the command panel, and the pictures of each pairing.
#pragma once

#include "match/match_view.h"

// The one pitch view; the game program installs it with SetMatchView at window creation.
MatchView* PitchMatchView();
