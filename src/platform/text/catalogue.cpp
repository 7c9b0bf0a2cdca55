// The interface's language and the English message catalogue: the GNU .mo file read by the
// layer itself (no installed locale is needed, and LANGUAGE counts under the C locale too),
// the translation of texts, and the language a program starts in.
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/core/core.h"

#ifndef PLATFORM_LOCALE_FROM_PROGRAMS
#define PLATFORM_LOCALE_FROM_PROGRAMS "../../share/locale"
#endif

namespace platform {

namespace {

// A larger file is no catalogue of ours (the English one is some ten kilobytes).
constexpr std::int64_t kCatalogueLimit = 1 << 20;
constexpr std::uint32_t kMoMagic = 0x950412DE;
constexpr std::size_t kMoHeaderBytes = 28;

// The language record: what is shown, and the English texts by their Japanese source.
struct LanguageState {
  Language current = Language::kJapanese;
  bool catalogueRead = false;
  std::map<std::string, std::string, std::less<>> english;
};

LanguageState languageState;

// A .mo file in memory, with the byte order its magic number gives.
class MoFile {
 public:
  explicit MoFile(std::vector<char> bytes) : bytes_(std::move(bytes)) {}

  bool Word(std::size_t offset, std::uint32_t* out) const {
    if (offset > bytes_.size() || bytes_.size() - offset < 4) return false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + offset);
    *out = swapped_ ? std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 |
                          std::uint32_t(p[2]) << 8 | p[3]
                    : std::uint32_t(p[3]) << 24 | std::uint32_t(p[2]) << 16 |
                          std::uint32_t(p[1]) << 8 | p[0];
    return true;
  }
  // Tells the byte order from the magic number; false for a file that is no .mo file.
  bool ReadMagic() {
    std::uint32_t magic = 0;
    if (!Word(0, &magic)) return false;
    if (magic == kMoMagic) return true;
    swapped_ = true;
    return Word(0, &magic) && magic == kMoMagic;
  }
  // The string of table entry `index` of the table at `table`, up to its first zero byte (a
  // plural entry's first form); false when the entry or its string lies outside the file.
  bool String(std::uint32_t table, std::uint32_t index, std::string_view* out) const {
    std::uint32_t length = 0, offset = 0;
    const std::size_t entry = std::size_t(table) + std::size_t(index) * 8;
    if (!Word(entry, &length) || !Word(entry + 4, &offset)) return false;
    if (offset > bytes_.size() || bytes_.size() - offset < length) return false;
    const std::string_view text(bytes_.data() + offset, length);
    *out = text.substr(0, text.find('\0'));
    return true;
  }

 private:
  std::vector<char> bytes_;
  bool swapped_ = false;
};

std::optional<std::vector<char>> ReadWholeFile(std::string_view path) {
  const FileHandle file = OpenFileRead(path);
  if (file == kNoFile) return std::nullopt;
  const std::int64_t size = FileSize(file);
  std::vector<char> bytes;
  if (size >= std::int64_t(kMoHeaderBytes) && size <= kCatalogueLimit) {
    bytes.resize(std::size_t(size));
    if (ReadFile(file, bytes.data(), bytes.size()) != long(size)) bytes.clear();
  }
  CloseFile(file);
  if (bytes.empty()) return std::nullopt;
  return bytes;
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// The catalogue's header (the translation of the empty source) names its character set; a
// catalogue in any other than UTF-8 is not ours.
bool HeaderSaysUtf8(std::string_view header) {
  std::string lower(header);
  for (char& c : lower) c = Lower(c);
  const std::size_t at = lower.find("charset=");
  if (at == std::string::npos) return true;
  const std::string_view charset = std::string_view(lower).substr(at + 8);
  return charset.substr(0, charset.find_first_of(" ;\n")) == "utf-8";
}

// The folder of the running program, its links followed; empty when unknown.
std::string ProgramFolder() {
  char path[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return std::string();
  const std::string program(path, std::size_t(length));
  return program.substr(0, program.rfind('/'));
}

bool ReadEnglishCatalogue() {
  const std::string file = std::string("/en/LC_MESSAGES/") + kCatalogueDomain + ".mo";
  if (LoadCatalogue("locale" + file)) return true;
  const std::string programs = ProgramFolder();
  return !programs.empty() && LoadCatalogue(programs + "/" PLATFORM_LOCALE_FROM_PROGRAMS + file);
}

std::optional<Language> LanguageOfLocale(std::string_view name) {
  if (name.starts_with("en")) return Language::kEnglish;
  if (name.starts_with("ja")) return Language::kJapanese;
  return std::nullopt;
}

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string_view(value) : std::string_view();
}

}  // namespace

bool LoadCatalogue(std::string_view path) {
  std::optional<std::vector<char>> bytes = ReadWholeFile(path);
  if (!bytes) return false;
  MoFile mo(std::move(*bytes));
  std::uint32_t revision = 0, count = 0, originals = 0, translations = 0;
  if (!mo.ReadMagic() || !mo.Word(4, &revision) || !mo.Word(8, &count) ||
      !mo.Word(12, &originals) || !mo.Word(16, &translations)) {
    return false;
  }
  // Major revisions 0 and 1 keep the plain strings in the same two tables.
  if ((revision >> 16) > 1) return false;
  std::map<std::string, std::string, std::less<>> english;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::string_view source, text;
    if (!mo.String(originals, i, &source) || !mo.String(translations, i, &text)) return false;
    if (source.empty()) {
      if (!HeaderSaysUtf8(text)) return false;
      continue;
    }
    // An entry with a context (context, 0x04, source) is none of ours.
    if (source.find('\x04') != std::string_view::npos || text.empty()) continue;
    english.emplace(source, text);
  }
  languageState.english = std::move(english);
  languageState.catalogueRead = true;
  return true;
}

const char* Translate(const char* source) {
  if (source == nullptr || languageState.current != Language::kEnglish) return source;
  const auto it = languageState.english.find(std::string_view(source));
  return it == languageState.english.end() ? source : it->second.c_str();
}

std::string_view Translate(std::string_view source) {
  if (languageState.current != Language::kEnglish) return source;
  const auto it = languageState.english.find(source);
  return it == languageState.english.end() ? source : std::string_view(it->second);
}

Language CurrentLanguage() {
  return languageState.current;
}

bool SetLanguage(Language language) {
  if (language == Language::kEnglish && !languageState.catalogueRead && !ReadEnglishCatalogue()) {
    return false;
  }
  languageState.current = language;
  detail::Core().layoutDirty = true;  // the menu bar shows its titles in the new language
  return true;
}

void ResetLanguage() {
  languageState = LanguageState{};
}

std::optional<Language> LanguageOfCode(std::string_view code) {
  if (code == "ja") return Language::kJapanese;
  if (code == "en") return Language::kEnglish;
  return std::nullopt;
}

std::string_view LanguageCode(Language language) {
  return language == Language::kEnglish ? "en" : "ja";
}

Language StartLanguage(std::optional<std::string_view> given, std::string_view remembered) {
  if (given) {
    if (const std::optional<Language> language = LanguageOfCode(*given)) return *language;
  }
  if (const std::optional<Language> language = LanguageOfCode(remembered)) return *language;
  std::string_view list = Environment("LANGUAGE");
  while (!list.empty()) {
    const std::size_t colon = list.find(':');
    if (const std::optional<Language> language = LanguageOfLocale(list.substr(0, colon))) {
      return *language;
    }
    list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
  }
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const std::string_view locale = Environment(name);
    if (!locale.empty()) return LanguageOfLocale(locale).value_or(Language::kJapanese);
  }
  return Language::kJapanese;
}

}  // namespace platform
