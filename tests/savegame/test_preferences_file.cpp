// The preferences file FELDO.CFG: smooth motion and the language kept between runs, and
// whatever stands under its name read with care.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/record_resets.h"
#include "platform/platform.h"
#include "savegame/file_error.h"
#include "savegame/preferences_file.h"
#include "savegame/settings_file.h"

namespace {

namespace fs = std::filesystem;

class PreferencesFile : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::path(FELDO_TEST_WORK_DIR) / (std::string("preferences-") + info->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    previous_ = platform::CurrentDirectory();
    ASSERT_TRUE(platform::SetCurrentDirectory(folder_.string()));
    ResetAllRecords();
  }
  void TearDown() override {
    platform::SetCurrentDirectory(previous_);
    fs::remove_all(folder_);
    ResetAllRecords();
  }
  static void Write(const std::string& text) {
    std::ofstream(kPreferencesFileName, std::ios::binary | std::ios::trunc) << text;
  }

  fs::path folder_;
  std::string previous_;
};

TEST_F(PreferencesFile, EveryChoiceSurvivesAWriteAndARead) {
  for (std::uint8_t smooth : {0, 1}) {
    for (const char* language : {"", "ja", "en"}) {
      preferences = Preferences{smooth, language};
      ASSERT_TRUE(WritePreferences());
      ResetPreferences();
      ReadPreferences();
      EXPECT_EQ(fileErrorCode, kFileOk);
      EXPECT_EQ(preferences.smoothMotion, smooth) << language;
      EXPECT_EQ(preferences.language, language);
    }
  }
  // SEL_.DAT is not touched by the preferences.
  EXPECT_FALSE(fs::exists(kSettingsFileName));
}

TEST_F(PreferencesFile, WhatIsNotAPreferenceOfOursLeavesTheDefaults) {
  struct Case {
    std::string text;
    int smooth;
    const char* language;
  };
  const Case cases[] = {
      {"smooth-motion=off\n", 0, ""},
      {"  smooth-motion = off \r\nlanguage= en\r\n", 0, "en"},  // blanks and CR-LF lines
      {"smooth-motion=off", 0, ""},                             // no newline at the end
      {"smooth-motion=maybe\nlanguage=fr\n", 1, ""},            // values out of range
      {"# smooth-motion=off\nlanguage\n=en\n", 1, ""},          // a comment, no '=', no name
      {"colour=blue\nlanguage=en\n", 1, "en"},                  // an unknown line is skipped
      {"smooth-motion=off\nsmooth-motion=on\n", 1, ""},         // the last line counts
      {std::string("\x00\xff\x01garbage", 10), 1, ""},          // bytes of some other file
      {"", 1, ""},
  };
  for (const Case& c : cases) {
    ResetPreferences();
    Write(c.text);
    ReadPreferences();
    EXPECT_EQ(preferences.smoothMotion, c.smooth) << c.text;
    EXPECT_EQ(preferences.language, c.language) << c.text;
  }
}

TEST_F(PreferencesFile, AFileTooLongOrNotAFileAtAllIsNotReadAndNothingWaits) {
  Write("smooth-motion=off\n" + std::string(kPreferencesFileLimit, '#'));
  ReadPreferences();
  EXPECT_EQ(preferences.smoothMotion, 1);
  EXPECT_EQ(fileErrorCode, kFileShort);

  fs::remove(kPreferencesFileName);
  ReadPreferences();
  EXPECT_EQ(fileErrorCode, kFileCannotOpen);

  // A FIFO would block an ordinary open for good; a folder reads as nothing.
  ASSERT_EQ(::mkfifo(kPreferencesFileName, 0600), 0);
  ReadPreferences();
  EXPECT_EQ(preferences.smoothMotion, 1);
  fs::remove(kPreferencesFileName);
  fs::create_directory(kPreferencesFileName);
  ReadPreferences();
  EXPECT_EQ(preferences.smoothMotion, 1);
  // And a write that cannot replace a folder says so and leaves it.
  preferences.smoothMotion = 0;
  EXPECT_FALSE(WritePreferences());
  EXPECT_TRUE(fs::is_directory(kPreferencesFileName));
}

}  // namespace
