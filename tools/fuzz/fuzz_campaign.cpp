// Fuzz target: the saved campaign. A file that is refused must leave every saved record as it
// was; a file that is taken must be written back byte for byte the same (every field it holds
// survives a save, nothing is left to chance or to a reserved byte).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "competition/fixtures.h"
#include "competition/nations.h"
#include "competition/standings.h"
#include "fuzz/fuzz_support.h"
#include "match/match_state.h"
#include "savegame/campaign_file.h"

namespace {

std::vector<std::uint8_t> ReadAll(const char* name) {
  std::ifstream in(name, std::ios::binary);
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
}

// The records the file holds, as the save writes them.
std::vector<std::uint8_t> SavedImage() {
  if (!SaveCampaign("IMAGE.$$$")) std::abort();
  return ReadAll("IMAGE.$$$");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnsureStarted();
  static bool prepared = false;
  if (!prepared) {
    prepared = true;
    InitTeamDatabase();
  }
  fuzz::WriteInput(kCampaignFileName, data, size);
  const std::vector<std::uint8_t> before = SavedImage();
  if (!LoadCampaign(kCampaignFileName)) {
    if (SavedImage() != before) std::abort();  // a refused file changed a record
    return 0;
  }
  FillNationNames();
  const std::vector<std::uint8_t> after = SavedImage();
  if (after.size() != size || std::memcmp(after.data(), data, size) != 0) std::abort();
  return 0;
}
