// The keyboard's way into the match engine. The key handlers of the main window fill
// ControlState; the engine takes the pending command on its next frame step.
#pragma once

#include <cstdint>

struct ControlState {
  // The pending key command, 0 none: direction codes 1-9, letter codes 65-90, the character
  // codes 42 '*', 47 '/', 58 ':', 63 '?', and 32 (the kick key released).
  std::int32_t keyCommand = 0;
  std::uint8_t kickKeyMode = 0;    // 0 none, 1 kick key held (charging), 2 Shift held (lob)
  std::int32_t kickHoldTicks = 0;  // ticks the kick key has been held in this press, up to 1000
  std::uint8_t kickPower = 0;      // 1 short press, 3 held 50 ticks or more; 0 once taken
};

extern ControlState controlState;

void HandleKeyDown(int virtualKey);
void HandleKeyUp(int virtualKey);
void HandleCharacter(std::uint32_t code);

void ResetControlState();
