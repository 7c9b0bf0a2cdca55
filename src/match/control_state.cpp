// The user's pending command and the kick key's state.
#include "match/control_state.h"

ControlState controlState;

void ResetControlState() {
  controlState = ControlState{};
}
