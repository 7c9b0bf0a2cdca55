// The interface's language: Japanese, in which every text of the programs is written, or
// English from the message catalogue. The catalogue is a GNU gettext .mo file compiled from
// po/en.po; its source strings (msgids) are the Japanese texts as the code holds them, and the
// layer reads it itself (docs/languages.md says where it lies and why).
//
// A text is translated where it is shown. The layer translates the program's resources (the
// texts of menus, dialog templates and string resources) and its own texts; a text the program
// hands over at run time (SetItemText, ListAddString, MessageBox, TextOut, SetWindowTitle) is
// the program's to translate with Translate. Texts kept in tables are marked with
// TranslateLater so that the catalogue's extraction (tools/make_pot.sh) finds them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

enum class Language : std::uint8_t {
  kJapanese,  // the texts as written ("ja"), the default
  kEnglish,   // the catalogue's ("en")
};

// The catalogue's file name: locale/<code>/LC_MESSAGES/vexo-world-cup.mo.
inline constexpr char kCatalogueDomain[] = "vexo-world-cup";

// The text shown for `source` in the current language: while English is on, the catalogue's
// English of it when there is one; otherwise `source` itself.
const char* Translate(const char* source);
std::string_view Translate(std::string_view source);
// Marks a text kept in a table for the catalogue; it is translated where it is shown.
constexpr const char* TranslateLater(const char* source) {
  return source;
}

Language CurrentLanguage();
// Shows `language` from now on. English needs the catalogue: it is read at the first call from
// the current folder's locale/en/LC_MESSAGES/vexo-world-cup.mo (the game folder) or else from
// the installation's share/locale beside the programs. False, with the language left as it
// was, when no catalogue can be read. Menus show the new language at once; dialogs, titles
// and drawings made before keep their texts until they are made again.
bool SetLanguage(Language language);
// Reads the English catalogue from `path` and keeps it for English; false (and the catalogue
// before it kept) when the file is missing, damaged or no UTF-8 catalogue.
bool LoadCatalogue(std::string_view path);
// Back to Japanese with no catalogue read (every program start and the end of the layer).
void ResetLanguage();

// "ja" and "en"; nothing for any other code.
std::optional<Language> LanguageOfCode(std::string_view code);
std::string_view LanguageCode(Language language);
// The language a program starts in: `given` (the --lang option of this run) when set, else
// `remembered` (the player's choice kept by the program) when it is a language, else the
// locale's: the first entry of LANGUAGE (a colon-separated list) that names English or
// Japanese, else the first set one of LC_ALL, LC_MESSAGES and LANG; English when that starts
// with "en", Japanese otherwise (and when nothing is set).
Language StartLanguage(std::optional<std::string_view> given, std::string_view remembered);

}  // namespace platform
