// Fuzz target: the saved campaign, read from memory as the loader reads the file's bytes. A
// file that is refused must leave every saved record as it was; a file that is taken must be
// saved back byte for byte the same (every field it holds survives a save, nothing is left to
// chance or to a reserved byte), must play its next match, and must then, while the campaign
// goes on, be saved to a file the loader takes again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/game_flow_state.h"
#include "base/random_below.h"
#include "competition/nations.h"
#include "fuzz/fuzz_support.h"
#include "savegame/campaign_file.h"
#include "support/campaign_stages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static bool prepared = false;
  if (!prepared) {
    prepared = true;
    fuzz::EnsureStarted();
    InitTeamDatabase();
  }
  const CampaignBytes before = CampaignImage();
  if (!LoadCampaignImage(data, size)) {
    if (CampaignImage() != before) std::abort();  // a refused file changed a record
    return 0;
  }
  const CampaignBytes taken = CampaignImage();
  if (size != taken.size() || std::memcmp(taken.data(), data, size) != 0) std::abort();
  // One step on, as the game plays it, with a fixed draw of chance.
  FillNationNames();
  SeedRandom(1);
  ContinueCampaign();
  if (gameFlow.phase < Phase::kQualifying) return 0;  // the campaign is over: the game saves nothing then
  const CampaignBytes saved = CampaignImage();
  if (!LoadCampaignImage(saved.data(), saved.size())) std::abort();  // its own save refused
  return 0;
}
