// The settings file SEL_.DAT.
#include "savegame/settings_file.h"

#include <cstdint>

#include "base/game_flow_state.h"
#include "platform/platform.h"
#include "savegame/file_error.h"
#include "savegame/replace_file.h"

namespace {

constexpr int kSettingsBytes = 2;

}  // namespace

void ReadSettings() {
  fileErrorCode = kFileOk;
  platform::FileHandle file = platform::OpenFileRead(kSettingsFileName);
  if (file == platform::kNoFile) {
    fileErrorCode = kFileCannotOpen;
    return;
  }
  std::uint8_t bytes[kSettingsBytes] = {};
  const long got = platform::ReadFile(file, bytes, sizeof bytes);
  platform::CloseFile(file);
  if (got != kSettingsBytes) {
    fileErrorCode = kFileShort;
    return;
  }
  // A level above 3 would index past the level tables; any sound byte but "off" means on.
  gameFlow.level = bytes[0] > kLevel3 ? kLevel3 : bytes[0];
  gameFlow.soundOff = bytes[1] == 1 ? 1 : 0;
}

void WriteSettings() {
  // Through a temporary file and a rename, so that a full disk or a folder that cannot be
  // written keeps the settings of the last run instead of leaving an empty file.
  const std::uint8_t bytes[kSettingsBytes] = {gameFlow.level,
                                              static_cast<std::uint8_t>(gameFlow.soundOff)};
  fileErrorCode = ReplaceFile(kSettingsFileName, bytes, sizeof bytes);
}
