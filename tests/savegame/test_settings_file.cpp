// The settings file SEL_.DAT: level and sound switch kept between runs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "savegame/file_error.h"
#include "savegame/replace_file.h"
#include "savegame/settings_file.h"
#include "shell/game_flow.h"

namespace {

namespace fs = std::filesystem;

// Each test runs in a folder of its own under the scratch folder.
class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::path(FELDO_TEST_WORK_DIR) / (std::string("settings-") + info->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    previous_ = platform::CurrentDirectory();
    ASSERT_TRUE(platform::SetCurrentDirectory(folder_.string()));
    ResetGameFlow();
    ResetFileError();
  }
  void TearDown() override {
    platform::SetCurrentDirectory(previous_);
    fs::remove_all(folder_);
    ResetGameFlow();
    ResetFileError();
  }

  static void WriteBytes(const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(kSettingsFileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  static std::vector<std::uint8_t> ReadBytes() {
    std::ifstream in(kSettingsFileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  fs::path folder_;
  std::string previous_;
};

TEST_F(SettingsFile, RoundTripKeepsLevelAndSound) {
  for (int level = 0; level <= 3; ++level) {
    for (int soundOff = 0; soundOff <= 1; ++soundOff) {
      gameFlow.level = static_cast<std::uint8_t>(level);
      gameFlow.soundOff = soundOff;
      WriteSettings();
      EXPECT_EQ(fileErrorCode, 0);
      EXPECT_EQ(ReadBytes(),
                (std::vector<std::uint8_t>{std::uint8_t(level), std::uint8_t(soundOff)}));
      ResetGameFlow();
      fileErrorCode = 99;
      ReadSettings();
      EXPECT_EQ(fileErrorCode, 0);
      EXPECT_EQ(gameFlow.level, level);
      EXPECT_EQ(gameFlow.soundOff, soundOff);
    }
  }
}

TEST_F(SettingsFile, WriteReplacesALongerFile) {
  WriteBytes({1, 1, 9, 9, 9, 9});
  gameFlow.level = 2;
  gameFlow.soundOff = 0;
  WriteSettings();
  EXPECT_EQ(fileErrorCode, 0);
  EXPECT_EQ(ReadBytes(), (std::vector<std::uint8_t>{2, 0}));
}

TEST_F(SettingsFile, MissingFileKeepsTheDefaults) {
  ReadSettings();
  EXPECT_EQ(fileErrorCode, -1);
  EXPECT_EQ(gameFlow.level, 3);
  EXPECT_EQ(gameFlow.soundOff, 0);
}

TEST_F(SettingsFile, ShortFileKeepsTheDefaults) {
  for (const auto& bytes : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0}}) {
    WriteBytes(bytes);
    ResetGameFlow();
    ReadSettings();
    EXPECT_EQ(fileErrorCode, 2) << bytes.size();
    EXPECT_EQ(gameFlow.level, 3) << bytes.size();
    EXPECT_EQ(gameFlow.soundOff, 0) << bytes.size();
  }
}

TEST_F(SettingsFile, OutOfRangeBytesReadAsLevelThreeAndSoundOn) {
  struct Case {
    std::uint8_t levelByte, soundByte;
    int level, soundOff;
  };
  const Case cases[] = {{4, 1, 3, 1},   {255, 0, 3, 0},   {0, 2, 0, 0},
                        {1, 255, 1, 0}, {200, 128, 3, 0}, {2, 1, 2, 1}};
  for (const Case& c : cases) {
    WriteBytes({c.levelByte, c.soundByte});
    gameFlow.level = 0;
    gameFlow.soundOff = 1;
    ReadSettings();
    EXPECT_EQ(fileErrorCode, 0);
    EXPECT_EQ(gameFlow.level, c.level) << int(c.levelByte);
    EXPECT_EQ(gameFlow.soundOff, c.soundOff) << int(c.soundByte);
  }
}

TEST_F(SettingsFile, ExtraBytesAfterTheTwoAreIgnored) {
  WriteBytes({1, 1, 7});
  ReadSettings();
  EXPECT_EQ(fileErrorCode, 0);
  EXPECT_EQ(gameFlow.level, 1);
  EXPECT_EQ(gameFlow.soundOff, 1);
}

TEST_F(SettingsFile, WriteThatCannotCreateTheFileReportsIt) {
  fs::create_directory(kSettingsFileName);  // a folder in the file's place
  WriteSettings();
  EXPECT_EQ(fileErrorCode, -1);
}

TEST_F(SettingsFile, AWriteThatFailsKeepsTheSettingsOfTheLastRun) {
  // A full disk (or a folder that takes no more bytes): every byte, or the second one only.
  for (const long budget : {0L, 1L}) {
    WriteBytes({1, 1});
    gameFlow.level = 0;
    gameFlow.soundOff = 0;
    platform::headless::LimitFileWrites(budget);
    WriteSettings();
    platform::headless::LimitFileWrites(-1);
    EXPECT_EQ(fileErrorCode, 2) << budget;
    EXPECT_EQ(ReadBytes(), (std::vector<std::uint8_t>{1, 1})) << budget;
    EXPECT_FALSE(fs::exists(TemporaryFileName(kSettingsFileName))) << budget;
  }
  // Another game holds the folder for its own save for longer than the write waits.
  const platform::FileHandle other = platform::LockFolder(kSettingsFileName, 0);
  ASSERT_GE(other, 0);
  WriteSettings();
  platform::CloseFile(other);
  EXPECT_EQ(fileErrorCode, kFileBusy);
  EXPECT_EQ(ReadBytes(), (std::vector<std::uint8_t>{1, 1}));
  EXPECT_FALSE(fs::exists(TemporaryFileName(kSettingsFileName)));
}

TEST_F(SettingsFile, ASettingsFileThatIsNoFileReadsAsADamagedOne) {
  // A FIFO would block a plain open for good (the alarm ends a test that blocks all the same);
  // the write at the end puts a regular file in its place.
  ::alarm(60);
  ASSERT_EQ(::mkfifo(kSettingsFileName, 0644), 0);
  ReadSettings();
  EXPECT_EQ(fileErrorCode, kFileShort);
  EXPECT_EQ(gameFlow.level, 3);
  gameFlow.level = 1;
  WriteSettings();
  EXPECT_EQ(fileErrorCode, kFileOk);
  EXPECT_TRUE(fs::is_regular_file(kSettingsFileName));
  EXPECT_EQ(ReadBytes(), (std::vector<std::uint8_t>{1, 0}));
  ::alarm(0);
}

}  // namespace
