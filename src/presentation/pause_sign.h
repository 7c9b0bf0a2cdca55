// The sign that a match is paused: "一時停止" in a box in the middle of the pitch. It goes up
// when play pauses (from the GAME menu, when the window loses the focus, when the gamepad is
// pulled out) and comes down when play goes on, leaving the picture under it as it was. The
// shell asks for it; no rule knows of it.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Process-wide, one instance.
struct PauseSign {
  platform::Bitmap* covered = nullptr;  // the picture under the sign, while it stands
  std::uint8_t shown = 0;               // 1 while the sign stands
};

extern PauseSign pauseSign;

// Where the sign stands in the window: centred on the view, over the middle of the pitch.
platform::Rect PauseSignRect();
// Keeps the picture under the sign and puts the sign up (once: a sign that stands stays).
void ShowPauseSign(platform::DeviceContext* dc);
// Puts the picture that was under the sign back.
void HidePauseSign(platform::DeviceContext* dc);
// Draws the standing sign again, after the window was painted afresh under it.
void RedrawPauseSign(platform::DeviceContext* dc);
// Lets the sign go without drawing (the picture under it is drawn afresh anyway).
void ForgetPauseSign();

void ResetPauseSign();
