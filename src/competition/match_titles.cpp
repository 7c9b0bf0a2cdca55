// The main window's title during a campaign match.
#include "competition/match_titles.h"

#include "base/game_flow_state.h"
#include "competition/nations.h"
#include "platform/platform.h"

namespace {

constexpr const char* kLevelTags[kLevelCount] = {"  [ LEVEL S ]", "  [ LEVEL 1 ]", "  [ LEVEL 2 ]",
                                                 "  [ LEVEL 3 ]"};
constexpr const char* kKnockoutTitles[kFinal + 1] = {
    platform::TranslateLater("ワールドカップ 決勝トーナメント1回戦"),
    platform::TranslateLater("ワールドカップ 準決勝"),
    platform::TranslateLater("ワールドカップ 決勝")};

}  // namespace

bool CampaignMatchTitle(std::string* out) {
  if (gameFlow.level > kLevel3) return false;
  const int round = gameFlow.roundIndex + 1;
  std::string title;
  switch (gameFlow.phase) {
    case Phase::kQualifying: {
      std::string region;
      RegionName(&region, gameFlow.region);
      title = platform::Format(platform::Translate("ワールドカップ %s地区予選 ラウンド %d"),
                               region.c_str(), round);
      break;
    }
    case Phase::kGroupLeague:
      title =
          platform::Format(platform::Translate("ワールドカップ グループリーグ ラウンド %d"), round);
      break;
    case Phase::kKnockout:
      if (gameFlow.roundIndex > kFinal) return false;
      title = platform::Translate(kKnockoutTitles[gameFlow.roundIndex]);
      break;
    default:
      return false;
  }
  *out = title + kLevelTags[gameFlow.level];
  return true;
}
