// The user's pending command and the kick key's state.
#include "match/control_state.h"

#include "base/record_resets.h"

ControlState controlState;

void ResetControlState() {
  controlState = ControlState{};
}

namespace {
const bool kControlStateRegistered = RegisterRecordReset(ResetControlState);
}  // namespace
