// The one installed match view.
#include "match/match_view.h"

void SetMatchView(MatchView* view) {
  installedMatchView = view;
}
