// The game's own preferences, in the file FELDO.CFG beside SEL_.DAT (which keeps its two bytes
// of level and sound): what the player chose in the window's menus that the classic settings
// file has no room for. The file is text, one "name=value" line a preference:
//
//   smooth-motion=on      players, ball and view drawn between the rule frames (or "off")
//   language=ja           the interface's language, "ja" or "en" (no line: from the locale)
//
// It is read with the same care as SEL_.DAT: a missing, damaged, foreign or oversized file, a
// name that is no regular file, unknown lines and values out of range all leave the defaults
// in place, without a word. It is written whole, through a temporary file and a rename, when
// the player changes a preference in the menus (a choice made on the command line holds for
// that run alone and is not written).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr char kPreferencesFileName[] = "FELDO.CFG";
// A longer file is no preferences file of ours and is not read at all.
inline constexpr long kPreferencesFileLimit = 4096;

struct Preferences {
  std::uint8_t smoothMotion = 1;  // 1 drawn at the display's rate between rule frames, 0 classic
  std::string language;           // "ja", "en", or empty: chosen by the locale
};

extern Preferences preferences;

// Reads the file into `preferences` (missing or bad entries keep their defaults).
void ReadPreferences();
// Writes `preferences`; false when the file could not be replaced (fileErrorCode says why).
bool WritePreferences();
// The file's text for `prefs`, and `prefs` read from a file's text (the file's own rules).
std::string PreferencesText(const Preferences& prefs);
Preferences ParsePreferences(std::string_view text);

void ResetPreferences();
