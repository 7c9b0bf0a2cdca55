// A GNU gettext message catalogue (.mo) made in memory, for the catalogue target's seeds and
// the catalogue it reads before each input: a header of seven words, the table of source
// strings, the table of translations (each entry a length and an offset) and the strings
// themselves, each ended by a zero byte. No hash table (msgfmt's is optional for readers).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace fuzz {

using MoEntries = std::vector<std::pair<std::string, std::string>>;

// The file of `entries` (source, translation), in the order given, little-endian or, with
// `bigEndian`, big-endian (both orders are valid catalogues).
inline std::vector<std::uint8_t> MoImage(const MoEntries& entries, bool bigEndian = false) {
  std::vector<std::uint8_t> out;
  const auto word = [&](std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
      const int shift = bigEndian ? 24 - 8 * i : 8 * i;
      out.push_back(std::uint8_t(value >> shift));
    }
  };
  const auto count = std::uint32_t(entries.size());
  const std::uint32_t originals = 28, translations = originals + 8 * count;
  word(0x950412DE);
  word(0);  // revision
  word(count);
  word(originals);
  word(translations);
  word(0);  // hash table size and offset: none
  word(0);
  std::uint32_t at = translations + 8 * count;
  for (int table = 0; table < 2; ++table) {
    for (const auto& [source, text] : entries) {
      const std::string& s = table == 0 ? source : text;
      word(std::uint32_t(s.size()));
      word(at);
      at += std::uint32_t(s.size()) + 1;
    }
  }
  for (int table = 0; table < 2; ++table) {
    for (const auto& [source, text] : entries) {
      const std::string& s = table == 0 ? source : text;
      out.insert(out.end(), s.begin(), s.end());
      out.push_back(0);
    }
  }
  return out;
}

}  // namespace fuzz
