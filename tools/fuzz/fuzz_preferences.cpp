// Fuzz target: the preferences file. Whatever the file holds, the preferences read are ones the
// game can have (smooth motion on or off, the language Japanese, English or the locale's); a
// file within the size limit reads as its text parses; and what is read, written back and read
// again is the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "savegame/preferences_file.h"

namespace {

bool Same(const Preferences& a, const Preferences& b) {
  return a.smoothMotion == b.smoothMotion && a.language == b.language;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnsureStarted();
  fuzz::WriteInput(kPreferencesFileName, data, size);
  ResetPreferences();
  ReadPreferences();
  const Preferences read = preferences;
  if (read.smoothMotion > 1 ||
      (!read.language.empty() && read.language != "ja" && read.language != "en")) {
    std::abort();
  }
  if (size > 0 && size <= std::size_t(kPreferencesFileLimit) &&
      !Same(read, ParsePreferences(std::string_view(reinterpret_cast<const char*>(data), size)))) {
    std::abort();
  }
  if (!WritePreferences()) std::abort();
  ResetPreferences();
  ReadPreferences();
  if (!Same(preferences, read)) std::abort();
  return 0;
}
