// The snapshot tools' language: `--lang en` (or `--lang ja`) before their folders draws every
// picture in that language, the English read from the game folder's message catalogue.
#pragma once

#include <cstdio>
#include <optional>
#include <string_view>

#include "platform/platform.h"

// Takes `--lang CODE` from the front of the arguments (argv[1] and argv[2]), shifting the rest
// down; Japanese when it is not there, nothing when CODE names no language.
inline std::optional<platform::Language> TakeLanguageOption(int* argc, char** argv) {
  if (*argc < 2 || std::string_view(argv[1]) != "--lang") return platform::Language::kJapanese;
  if (*argc < 3) return std::nullopt;
  const std::optional<platform::Language> language = platform::LanguageOfCode(argv[2]);
  for (int i = 3; i < *argc; ++i) argv[i - 2] = argv[i];
  *argc -= 2;
  return language;
}

// Shows `language` from here on (the layer is started, the current folder is the game
// folder); false, with a message naming the tool, when its catalogue cannot be read.
inline bool ShowLanguage(platform::Language language, const char* tool) {
  if (platform::SetLanguage(language)) return true;
  std::fprintf(stderr, "%s: no catalogue locale/en/LC_MESSAGES/%s.mo in the game folder\n", tool,
               platform::kCatalogueDomain);
  return false;
}
