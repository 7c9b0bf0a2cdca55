// The one instance of the caption record and the start of the goal celebration.
#include "match/caption_state.h"

#include "base/record_resets.h"

CaptionState captionState;

void StartGoalCelebration(bool teamBScored) {
  captionState.goalCelebration = 1;
  captionState.celebrateTeamB = teamBScored ? 1 : 0;
  // From its first step, with its cheer still to come; the tick takes the first step at once.
  captionState.captionStep = 0;
  captionState.cheerPlayed = 0;
  captionState.captionCountdown = 1;
}

void ResetCaptionState() {
  captionState = CaptionState{};
}

namespace {
const bool kCaptionStateRegistered = RegisterRecordReset(ResetCaptionState);
}  // namespace
