// The one installed match view.
#include "match/match_view.h"

#include "base/record_resets.h"

void SetMatchView(MatchView* view) {
  installedMatchView = view;
}

namespace {
// A view installed for a window of an earlier start of the platform layer (tests start it
// again and again) must not be called with that window.
const bool kMatchViewRegistered = RegisterRecordReset([] { SetMatchView(nullptr); });
}  // namespace
