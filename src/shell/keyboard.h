// The keyboard handlers of the main window: the key messages fill ControlState
// (match/control_state.h), which the match engine reads on its next frame step.
#pragma once

#include <cstdint>

// A key down; `repeated` for the auto-repeat of a held key.
void HandleKeyDown(int virtualKey, bool repeated = false);
// A key up: a direction that the key's auto-repeat left pending is taken back, so that the
// player stops at once.
void HandleKeyUp(int virtualKey);
void HandleCharacter(std::uint32_t code);
