// The one installed match view.
#include "match/match_view.h"

namespace {
MatchView* installedView = nullptr;
}

void SetMatchView(MatchView* view) {
  installedView = view;
}

MatchView* CurrentMatchView() {
  return installedView;
}
