// The generator as a program: the same bytes on every run, and a clear refusal of a bad
// command line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/dib_decode.h"

namespace {

namespace fs = std::filesystem;

int RunGenerator(const std::string& arguments) {
  const std::string command = std::string(FELDO_ARTWORK_BINARY) + " " + arguments + " 2>/dev/null";
  return std::system(command.c_str());
}

TEST(GeneratorRuns, TwoRunsWriteTheSameBytes) {
  const fs::path work = fs::path(FELDO_TEST_WORK_DIR) / "artwork-runs";
  fs::remove_all(work);
  const fs::path first = work / "first", second = work / "second";
  fs::create_directories(first);
  fs::create_directories(second);
  ASSERT_EQ(RunGenerator("--out " + first.string() + " --sheet " + (first / "sheet.png").string()),
            0);
  ASSERT_EQ(
      RunGenerator("--out " + second.string() + " --sheet " + (second / "sheet.png").string()), 0);
  for (const char* name : {"GDAT.DAT", "ODAT.DAT", "kick.wav", "WHISTLE.wav", "KANSEI1.wav",
                           "KANSEI4.wav", "PSMAT006.wav", "sheet.png"}) {
    const artwork_test::Bytes a = artwork_test::ReadBytes((first / name).string());
    const artwork_test::Bytes b = artwork_test::ReadBytes((second / name).string());
    EXPECT_FALSE(a.empty()) << name;
    EXPECT_TRUE(a == b) << name << " differs between two runs";
  }
  // And the same as the game folder the build made.
  EXPECT_TRUE(artwork_test::ReadBytes((first / "GDAT.DAT").string()) ==
              artwork_test::ReadBytes(std::string(FELDO_GAME_DIR) + "/GDAT.DAT"));
  fs::remove_all(work);
}

TEST(GeneratorRuns, RefusesACommandLineWithoutAnOutputFolder) {
  EXPECT_NE(RunGenerator(""), 0);
  EXPECT_NE(RunGenerator("--sheet x.png"), 0);
  EXPECT_NE(RunGenerator("--out"), 0);
}

}  // namespace
