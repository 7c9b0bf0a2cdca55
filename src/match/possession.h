// Who has the ball and who is nearest to it, the user's command for the controlled player,
// his slide, the choice of the controlled player and the run-down of the others' motion.
#pragma once

// The controlled player's slide keeps y within kSlideTopY ... mirrorY - kSlideTopY (a little
// beyond the touch lines) and x within kSlideMargin of the goal lines.
inline constexpr int kSlideTopY = 54;
inline constexpr int kSlideMargin = 6;

void UpdatePossession();
void UpdateNearPlayer();
void ReadUserCommand();
void ApplySlide();
void AutoSelectControlled();
void CountDownMotion();
