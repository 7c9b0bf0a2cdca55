// Fuzz target: the settings file. Whatever the file holds, the level read back is one of the
// four levels and the sound switch is on or off.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "base/game_flow_state.h"
#include "fuzz/fuzz_support.h"
#include "savegame/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnsureStarted();
  fuzz::WriteInput("SEL_.DAT", data, size);
  ResetGameFlow();
  ReadSettings();
  if (gameFlow.level > 3 || (gameFlow.soundOff != 0 && gameFlow.soundOff != 1)) std::abort();
  return 0;
}
