// The main window's title during a campaign match.
#include "competition/match_titles.h"

#include "base/game_flow_state.h"
#include "competition/nations.h"
#include "platform/platform.h"

namespace {

constexpr int kPhaseQualifying = 2;
constexpr int kPhaseGroupLeague = 3;
constexpr int kPhaseKnockout = 4;

constexpr const char* kLevelTags[4] = {"  [ LEVEL S ]", "  [ LEVEL 1 ]", "  [ LEVEL 2 ]",
                                       "  [ LEVEL 3 ]"};
constexpr const char* kKnockoutTitles[3] = {"ワールドカップ 決勝トーナメント1回戦",
                                            "ワールドカップ 準決勝", "ワールドカップ 決勝"};

}  // namespace

bool CampaignMatchTitle(std::string* out) {
  if (gameFlow.level > 3) return false;
  const int round = gameFlow.roundIndex + 1;
  std::string title;
  switch (gameFlow.phase) {
    case kPhaseQualifying: {
      std::string region;
      RegionName(&region, gameFlow.region);
      title = platform::Format("ワールドカップ %s地区予選 ラウンド %d", region.c_str(), round);
      break;
    }
    case kPhaseGroupLeague:
      title = platform::Format("ワールドカップ グループリーグ ラウンド %d", round);
      break;
    case kPhaseKnockout:
      if (gameFlow.roundIndex > 2) return false;
      title = kKnockoutTitles[gameFlow.roundIndex];
      break;
    default:
      return false;
  }
  *out = title + kLevelTags[gameFlow.level];
  return true;
}
