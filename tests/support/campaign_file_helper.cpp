// A program of its own for the saved-campaign tests: it saves a campaign in one process or
// loads one and plays it on, so that a test can show that nothing but the file passes between
// a save and a load.
//
//   campaign_file_helper build STAGE SEED FILE      builds the campaign at STAGE and saves it
//   campaign_file_helper continue FILE SEED OUT     loads FILE, seeds the random source with
//                                                  SEED, plays one step on and saves to OUT
//
// Exit code 0 on success, 1 when the load failed, 2 when the save failed, 3 on bad arguments.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/random_below.h"
#include "competition/nations.h"
#include "savegame/campaign_file.h"
#include "support/campaign_stages.h"

int main(int argc, char** argv) {
  if (argc != 5) return 3;
  const std::string command = argv[1];
  const auto seed = static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10));
  if (command == "build") {
    const int stage = std::atoi(argv[2]);
    if (stage < 0 || stage >= kCampaignStageCount) return 3;
    BuildCampaignAt(static_cast<CampaignStage>(stage), seed);
    return SaveCampaign(argv[4]) ? 0 : 2;
  }
  if (command == "continue") {
    if (!LoadCampaign(argv[2])) return 1;
    FillNationNames();
    SeedRandom(seed);
    ContinueCampaign();
    return SaveCampaign(argv[4]) ? 0 : 2;
  }
  return 3;
}
