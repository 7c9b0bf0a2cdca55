// The interface's language: the English catalogue read from its .mo file (either byte order,
// and a damaged or foreign one refused with the one before kept), texts translated only while
// English is on, the layer's resources shown in the language (menus at once), and the language
// a program starts in from --lang, the remembered choice and the locale.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/core.h"
#include "support/core_test_support.h"

namespace core_test {
namespace {

using namespace platform;
namespace fs = std::filesystem;

using Entries = std::vector<std::pair<std::string, std::string>>;

const char kUtf8Header[] = "Content-Type: text/plain; charset=UTF-8\n";

// A .mo file as msgfmt writes it: the header, the two tables of (length, offset) pairs sorted
// by source, no hash table, the strings each followed by a zero byte.
struct MoImage {
  Entries entries;
  bool bigEndian = false;
  std::uint32_t revision = 0;

  std::string Bytes() const {
    Entries sorted = entries;
    std::sort(sorted.begin(), sorted.end());
    const std::uint32_t n = std::uint32_t(sorted.size());
    std::string tables, strings;
    const std::uint32_t stringsAt = 28 + 16 * n;
    std::vector<std::uint32_t> words = {0x950412DE, revision, n, 28, 28 + 8 * n, 0, 0};
    for (const bool translations : {false, true}) {
      for (const auto& [source, text] : sorted) {
        const std::string& s = translations ? text : source;
        words.push_back(std::uint32_t(s.size()));
        words.push_back(stringsAt + std::uint32_t(strings.size()));
        strings += s;
        strings += '\0';
      }
    }
    std::string bytes;
    for (const std::uint32_t word : words) {
      for (int k = 0; k < 4; ++k) bytes += char(word >> (8 * (bigEndian ? 3 - k : k)));
    }
    return bytes + strings;
  }
};

MoImage English(Entries entries) {
  entries.emplace_back("", kUtf8Header);
  return MoImage{std::move(entries)};
}

class Language : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    folder_ = fs::current_path() /
              ("language-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    previous_ = fs::current_path();
    fs::current_path(folder_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
    CoreTest::TearDown();
  }
  static void Write(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path().empty() ? fs::path(".")
                                                                : fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static bool Load(const MoImage& image) {
    Write("catalogue.mo", image.Bytes());
    return LoadCatalogue("catalogue.mo");
  }

  fs::path folder_;
  fs::path previous_;
};

TEST_F(Language, TextsAreTranslatedOnlyWhileEnglishIsOn) {
  ASSERT_TRUE(Load(English({{"犬", "Dog"}, {"猫", "Cat"}})));
  EXPECT_STREQ(Translate("犬"), "犬");  // a catalogue read shows nothing before English is on
  ASSERT_TRUE(SetLanguage(platform::Language::kEnglish));
  EXPECT_EQ(CurrentLanguage(), platform::Language::kEnglish);
  EXPECT_STREQ(Translate("犬"), "Dog");
  EXPECT_EQ(Translate(std::string_view("猫")), "Cat");
  EXPECT_STREQ(Translate("鳥"), "鳥");  // a text the catalogue lacks shows as it is
  EXPECT_EQ(Translate(std::string_view("犬 ")), "犬 ");
  ASSERT_TRUE(SetLanguage(platform::Language::kJapanese));
  EXPECT_STREQ(Translate("犬"), "犬");
  ResetLanguage();
  EXPECT_FALSE(SetLanguage(platform::Language::kEnglish));  // the catalogue went with the reset
}

TEST_F(Language, EitherByteOrderAndTheFirstFormOfAPluralAreRead) {
  MoImage image = English({{"犬", "Dog"},
                           {std::string("匹\0匹", 7), std::string("one\0many", 8)},
                           {std::string("ctx\x04犬"), "Hound"}});
  image.bigEndian = true;
  ASSERT_TRUE(Load(image));
  ASSERT_TRUE(SetLanguage(platform::Language::kEnglish));
  EXPECT_STREQ(Translate("犬"), "Dog");  // the entry with a context is none of ours
  EXPECT_STREQ(Translate("匹"), "one");
  image.bigEndian = false;
  image.revision = 0x00010000;  // major revision 1 keeps the plain strings where 0 does
  image.entries = {{"", kUtf8Header}, {"犬", "Doggy"}};
  ASSERT_TRUE(Load(image));
  EXPECT_STREQ(Translate("犬"), "Doggy");
}

TEST_F(Language, ADamagedOrForeignCatalogueIsRefusedAndTheOneBeforeKept) {
  ASSERT_TRUE(Load(English({{"犬", "Dog"}})));
  ASSERT_TRUE(SetLanguage(platform::Language::kEnglish));
  const std::string good = English({{"猫", "Cat"}}).Bytes();
  const auto patched = [&good](std::size_t at, std::uint32_t word) {
    std::string bytes = good;
    for (int k = 0; k < 4; ++k) bytes[at + std::size_t(k)] = char(word >> (8 * k));
    return bytes;
  };
  const std::uint32_t size = std::uint32_t(good.size());
  MoImage later = English({{"猫", "Cat"}});
  later.revision = 0x00020000;
  const struct {
    const char* what;
    std::optional<std::string> bytes;  // none: no file at all
  } cases[] = {
      {"no file", std::nullopt},
      {"an empty file", std::string()},
      {"shorter than its header", good.substr(0, 20)},
      {"another magic number", patched(0, 0x12345678)},
      {"a later major revision", later.Bytes()},
      {"its tables past the end", patched(12, size)},
      // The second entry (the first is the header's empty source): its string's place, then its
      // length.
      {"a string past the end", patched(28 + 8 + 4, size - 2)},
      {"a string longer than the file", patched(28 + 8, size)},
      {"in another character set",
       MoImage{{{"", "Content-Type: text/plain; charset=ISO-8859-1\n"}, {"猫", "Cat"}}}.Bytes()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove("damaged.mo");
    if (c.bytes) Write("damaged.mo", *c.bytes);
    EXPECT_FALSE(LoadCatalogue("damaged.mo"));
    EXPECT_STREQ(Translate("犬"), "Dog");
    EXPECT_STREQ(Translate("猫"), "猫");
  }
}

TEST_F(Language, EnglishIsFoundInTheGameFolderOrNotAtAll) {
  EXPECT_FALSE(SetLanguage(platform::Language::kEnglish));
  EXPECT_EQ(CurrentLanguage(), platform::Language::kJapanese);
  Write("locale/en/LC_MESSAGES/vexo-world-cup.mo", English({{"犬", "Dog"}}).Bytes());
  ASSERT_TRUE(SetLanguage(platform::Language::kEnglish));
  EXPECT_STREQ(Translate("犬"), "Dog");
}

// The layer's resources in the language: strings and dialog templates as they are shown, and
// the menu bar at once, without being loaded anew.
TEST_F(Language, TheLayersResourcesFollowTheLanguage) {
  CreateMain("Main");
  ASSERT_TRUE(Load(English({{"サッカー", "Football"},
                            {"Buttons", "The buttons"},
                            {"Five", "5"},
                            {"GAME", "THE GAME"},
                            {"Exit", "Leave the game"}})));
  Menu* menu = GetMenu(main);
  const int titleWidth = detail::MenuTitleRect(menu, 0).Width();
  const int dropDownWidth = detail::DropDownRect(menu, 0).Width();
  EXPECT_EQ(LoadString(instance, 103), "サッカー");
  ASSERT_TRUE(SetLanguage(platform::Language::kEnglish));
  EXPECT_EQ(LoadString(instance, 103), "Football");
  const DialogTemplate shown = TranslatedTemplate(*FindDialogTemplate(instance, "Buttons"));
  EXPECT_EQ(shown.title, "The buttons");
  EXPECT_EQ(shown.controls[0].text, "5");
  EXPECT_EQ(shown.controls[1].text, "Six");
  // Eight characters of 8 pixels instead of four; the longest item fourteen instead of five.
  EXPECT_EQ(detail::MenuTitleRect(menu, 0).Width(), titleWidth + (8 - 4) * 8);
  EXPECT_EQ(detail::DropDownRect(menu, 0).Width(), dropDownWidth + (14 - 5) * 8);
  ASSERT_TRUE(SetLanguage(platform::Language::kJapanese));
  EXPECT_EQ(detail::MenuTitleRect(menu, 0).Width(), titleWidth);
}

TEST_F(Language, TheMessageBoxsOwnButtonSpeaksTheLanguage) {
  CreateMain();
  ASSERT_TRUE(Load(English({{"キャンセル", "Cancel"}})));
  ASSERT_TRUE(SetLanguage(platform::Language::kEnglish));
  std::string cancel;
  PlaySteps({[&] {
    cancel = GetItemText(TopDialog(), kIdCancel);
    EndDialog(TopDialog(), kIdOk);
  }});
  MessageBox(main, "text", "caption", mb::kOkCancel);
  EXPECT_EQ(cancel, "Cancel");
}

// The language a program starts in, by --lang, the remembered choice and the locale's
// variables; LANGUAGE counts under the C locale too.
TEST_F(Language, AProgramStartsInTheLanguageGivenRememberedOrOfTheLocale) {
  const char* const kVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
  std::vector<std::optional<std::string>> saved;
  for (const char* name : kVariables) {
    const char* value = std::getenv(name);
    saved.push_back(value ? std::optional<std::string>(value) : std::nullopt);
  }
  const auto ja = platform::Language::kJapanese;
  const auto en = platform::Language::kEnglish;
  const struct {
    std::optional<std::string_view> given;
    std::string_view remembered;
    const char* environment[4];  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG; nullptr: unset
    platform::Language expected;
  } cases[] = {
      {std::nullopt, "", {nullptr, nullptr, nullptr, nullptr}, ja},
      {std::nullopt, "", {nullptr, nullptr, nullptr, "en_US.UTF-8"}, en},
      {std::nullopt, "", {nullptr, nullptr, nullptr, "fr_FR.UTF-8"}, ja},
      {std::nullopt, "", {"en", nullptr, nullptr, "C"}, en},
      {std::nullopt, "", {"fr:en_GB", nullptr, nullptr, "ja_JP.UTF-8"}, en},
      {std::nullopt, "", {"ja:en", nullptr, nullptr, "en_US.UTF-8"}, ja},
      {std::nullopt, "", {"de", nullptr, nullptr, "en_US.UTF-8"}, en},
      {std::nullopt, "", {"", "ja_JP.UTF-8", "en_GB.UTF-8", "en_US.UTF-8"}, ja},
      {std::nullopt, "", {nullptr, "", "en_GB.UTF-8", "ja_JP.UTF-8"}, en},
      {std::nullopt, "en", {nullptr, nullptr, nullptr, "ja_JP.UTF-8"}, en},
      {std::nullopt, "ja", {"en", nullptr, nullptr, "en_US.UTF-8"}, ja},
      {std::nullopt, "xx", {nullptr, nullptr, nullptr, "en_US.UTF-8"}, en},
      {"ja", "en", {nullptr, nullptr, nullptr, "en_US.UTF-8"}, ja},
      {"en", "ja", {nullptr, nullptr, nullptr, nullptr}, en},
  };
  for (const auto& c : cases) {
    for (int i = 0; i < 4; ++i) {
      if (c.environment[i] != nullptr) {
        setenv(kVariables[i], c.environment[i], 1);
      } else {
        unsetenv(kVariables[i]);
      }
    }
    EXPECT_EQ(StartLanguage(c.given, c.remembered), c.expected)
        << "--lang " << c.given.value_or("(none)") << ", remembered \"" << c.remembered
        << "\", LANGUAGE=" << (c.environment[0] ? c.environment[0] : "(unset)")
        << " LC_ALL=" << (c.environment[1] ? c.environment[1] : "(unset)")
        << " LC_MESSAGES=" << (c.environment[2] ? c.environment[2] : "(unset)")
        << " LANG=" << (c.environment[3] ? c.environment[3] : "(unset)");
  }
  for (int i = 0; i < 4; ++i) {
    if (saved[std::size_t(i)]) {
      setenv(kVariables[i], saved[std::size_t(i)]->c_str(), 1);
    } else {
      unsetenv(kVariables[i]);
    }
  }
}

}  // namespace
}  // namespace core_test
