// The keyboard's way into the match engine. The key handlers of the main window
// (shell/keyboard.h) fill ControlState; the engine takes the pending command on its next frame
// step, and the timer tick counts the kick key's hold. It lives with the engine, its first
// reader, so that the engine reads it without reaching up to the shell.
#pragma once

#include <cstdint>

struct ControlState {
  // The pending key command, 0 none: direction codes 1-9, letter codes 65-90, the character
  // codes 42 '*', 47 '/', 58 ':', 63 '?', and 32 (the kick key released).
  std::int32_t keyCommand = 0;
  std::uint8_t kickKeyMode = 0;    // 0 none, 1 kick key held (charging), 2 Shift held (lob)
  std::int32_t kickHoldTicks = 0;  // ticks the kick key has been held in this press, up to 1000
  std::uint8_t kickPower = 0;      // 1 short press, 3 held 50 ticks or more; 0 once taken
  // What the key handlers keep so that releasing a held direction key stops the player at once
  // (the engine never reads them):
  std::int32_t lastKey = 0;          // the key of the last key down; its character follows it
  std::uint8_t lastKeyRepeated = 0;  // 1 when that key down was an auto-repeat
  std::int32_t repeatedKey = 0;      // the key whose auto-repeat left the pending direction, 0 none
};

extern ControlState controlState;

// Command codes the engine works with besides the direction codes.
namespace UserCommand {
inline constexpr int kCross = 32;  // the kick key released
inline constexpr int kA = 'A', kP = 'P', kQ = 'Q', kS = 'S', kW = 'W', kX = 'X', kZ = 'Z';
}  // namespace UserCommand

void ResetControlState();
