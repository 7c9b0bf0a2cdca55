// The keyboard handlers of the main window: the key messages fill ControlState
// (match/control_state.h), which the match engine reads on its next frame step.
#pragma once

#include <cstdint>

void HandleKeyDown(int virtualKey);
void HandleKeyUp(int virtualKey);
void HandleCharacter(std::uint32_t code);
