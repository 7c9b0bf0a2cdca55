// The preferences file FELDO.CFG.
#include "savegame/preferences_file.h"

#include <vector>

#include "base/record_resets.h"
#include "platform/platform.h"
#include "savegame/file_error.h"
#include "savegame/replace_file.h"

Preferences preferences;

namespace {

// The text of a line without the blanks around it and a carriage return at its end.
std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

void ApplyLine(std::string_view line, Preferences* prefs) {
  line = Trimmed(line);
  if (line.empty() || line.front() == '#') return;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return;
  const std::string_view name = Trimmed(line.substr(0, equals));
  const std::string_view value = Trimmed(line.substr(equals + 1));
  if (name == "smooth-motion") {
    if (value == "on") prefs->smoothMotion = 1;
    if (value == "off") prefs->smoothMotion = 0;
  } else if (name == "language") {
    if (value == "ja" || value == "en") prefs->language = std::string(value);
  }
}

}  // namespace

std::string PreferencesText(const Preferences& prefs) {
  std::string text = "# VEXO WORLD CUP preferences\n";
  text += prefs.smoothMotion != 0 ? "smooth-motion=on\n" : "smooth-motion=off\n";
  if (!prefs.language.empty()) text += "language=" + prefs.language + "\n";
  return text;
}

Preferences ParsePreferences(std::string_view text) {
  Preferences prefs;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    ApplyLine(text.substr(0, end), &prefs);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return prefs;
}

void ReadPreferences() {
  fileErrorCode = kFileOk;
  const platform::FileHandle file = platform::OpenFileRead(kPreferencesFileName);
  if (file == platform::kNoFile) {
    fileErrorCode = kFileCannotOpen;
    return;
  }
  // One byte more than the limit tells a file that is too long.
  std::vector<char> bytes(std::size_t(kPreferencesFileLimit) + 1);
  const long got = platform::ReadFile(file, bytes.data(), bytes.size());
  platform::CloseFile(file);
  if (got <= 0 || got > kPreferencesFileLimit) {
    fileErrorCode = kFileShort;
    return;
  }
  preferences = ParsePreferences(std::string_view(bytes.data(), std::size_t(got)));
}

bool WritePreferences() {
  const std::string text = PreferencesText(preferences);
  fileErrorCode = ReplaceFile(kPreferencesFileName,
                              reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  return fileErrorCode == kFileOk;
}

void ResetPreferences() {
  preferences = Preferences{};
}

namespace {
const bool kPreferencesRegistered = RegisterRecordReset(ResetPreferences);
}  // namespace
