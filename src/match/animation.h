// The players' sprite poses: facing classes, walking poses, and the per-frame animation of
// both sides.
#pragma once

// Facing class of a direction code: 1 vertical, 2 faces left on screen, 3 right, 0 other;
// `mirrored` swaps 2 and 3.
int SpriteFacing(int facing, bool mirrored);
void AnimateTeamA();
void AnimatePlayerA(int i);
void AnimateTeamB();
