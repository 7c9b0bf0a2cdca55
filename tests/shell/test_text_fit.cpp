// Every English text of the two programs in its place at 1x, measured with the layer's own font
// as the layer draws it: each dialog template's title and control texts, the texts the game
// writes into its dialogs (the region dialog's line, the nation lists) and the text of every
// message box. A text too long for its place is cut off (in a message box, broken inside a
// word); where an English text does not fit, the English is shortened, never the layout (the
// Japanese texts and the layouts are the game's as they stand).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/game_flow_state.h"
#include "base/record_resets.h"
#include "competition/nations.h"
#include "launcher/game_start.h"
#include "platform/platform.h"
#include "resources/dialog_names.h"
#include "resources/feldo_dialogs.h"
#include "resources/feldo_resources.h"
#include "resources/lumar_resources.h"
#include "savegame/campaign_file.h"
#include "savegame/file_error.h"
#include "shell/dialog_procs.h"

namespace {

using platform::ControlTemplate;
using platform::DialogTemplate;
using platform::Language;
using platform::TextFit;

constexpr char kCatalogue[] = FELDO_GAME_DIR "/locale/en/LC_MESSAGES/vexo-world-cup.mo";

class EnglishTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetAllRecords();
    InitTeamDatabase();
    ASSERT_TRUE(platform::LoadCatalogue(kCatalogue)) << kCatalogue;
    ASSERT_TRUE(platform::SetLanguage(Language::kEnglish));
  }
  void TearDown() override {
    platform::ResetLanguage();
    ResetAllRecords();
  }
};

// Where and how a text does not fit, for the failure message.
std::string Misfit(const std::string& where, std::string_view text, const TextFit& fit) {
  return where + ": \"" + std::string(text) + "\" needs " + std::to_string(fit.needed) + " of " +
         std::to_string(fit.room) + " pixels across and " + std::to_string(fit.lines) + " of " +
         std::to_string(fit.lineRoom) + " lines";
}

const DialogTemplate& Template(std::string_view name) {
  static const std::vector<DialogTemplate> templates = FeldoDialogTemplates();
  for (const DialogTemplate& tpl : templates) {
    if (tpl.name == name) return tpl;
  }
  ADD_FAILURE() << "no template " << name;
  return templates.front();
}

const ControlTemplate& Control(std::string_view dialog, int id) {
  for (const ControlTemplate& control : Template(dialog).controls) {
    if (control.id == id) return control;
  }
  ADD_FAILURE() << "no control " << id << " in " << dialog;
  return Template(dialog).controls.front();
}

TEST_F(EnglishTexts, FitEveryDialogTemplatesTitleAndControls) {
  for (const DialogTemplate& tpl : FeldoDialogTemplates()) {
    const DialogTemplate shown = platform::TranslatedTemplate(tpl);
    const std::string name(tpl.name);
    if (shown.frame == platform::DialogFrame::Popup) {
      const TextFit fit = platform::FitOfDialogTitle(shown);
      EXPECT_TRUE(fit.Fits()) << Misfit(name + " title", shown.title, fit);
    }
    for (const ControlTemplate& control : shown.controls) {
      if (control.text.empty()) continue;
      const TextFit fit = platform::FitOfControlText(control, control.text);
      EXPECT_TRUE(fit.Fits()) << Misfit(name + " control " + std::to_string(control.id),
                                        control.text, fit);
    }
  }
}

TEST_F(EnglishTexts, FitWhatTheGameWritesIntoItsDialogs) {
  // The region dialog's line, with every region and each of its nations.
  const ControlTemplate& line = Control(DialogName::kSelChikuDlg, DialogItem::kInfoLine);
  for (int region = 0; region < kRegionCount; ++region) {
    for (int k = 0; k < RegionNationCount(region); ++k) {
      gameFlow.region = std::uint8_t(region);
      gameFlow.userNation = std::uint8_t(RegionFirstNation(region) + k);
      const std::string text = RegionChoiceText();
      const TextFit fit = platform::FitOfControlText(line, text);
      EXPECT_TRUE(fit.Fits()) << Misfit("the region dialog's line", text, fit);
    }
  }
  // The nation lists, the youth selection's name included.
  const ControlTemplate& list = Control(DialogName::kSelTestMatchDlg, DialogItem::kNationList);
  for (int number = 1; number <= kTeamTableSize; ++number) {
    const std::string name = NameOfNation(number);
    ASSERT_FALSE(name.empty()) << number;
    const TextFit fit = platform::FitOfControlText(list, name);
    EXPECT_TRUE(fit.Fits()) << Misfit("a nation list", name, fit);
  }
}

TEST_F(EnglishTexts, FitEveryMessageBoxOfBothPrograms) {
  std::vector<std::string> texts;
  for (const platform::ResourceTable* table : {&FeldoResources(), &LumarResources()}) {
    for (const platform::StringResource& string : table->strings) {
      texts.emplace_back(platform::Translate(string.text));
    }
  }
  for (int code : {kFileCannotOpen, kFileShort, kFileBusy, kFileOk}) {
    for (const FileFailureMessage& message : {SaveFailureMessage(code), LoadFailureMessage(code)}) {
      texts.emplace_back(platform::Translate(message.text));
      texts.emplace_back(platform::Translate(message.caption));
    }
  }
  for (const std::string& text : texts) {
    const TextFit fit = platform::FitOfMessageText(text);
    EXPECT_TRUE(fit.Fits()) << Misfit("a message box", text, fit);
  }
}

}  // namespace
