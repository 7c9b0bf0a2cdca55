// The start of the game at the end of the show: the folder it runs in and the argument it gets,
// and the message box that says why when it cannot be started or does not become ready.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/launcher_test_support.h"

namespace launcher_test {
namespace {

using GameStart = LauncherRun;

std::string WithoutBreaks(std::string text) {
  std::erase(text, '\n');
  return text;
}

TEST_F(GameStart, WithoutAFolderTheGameRunsHereAndGetsThisFolderAsItIs) {
  CopyArtwork(game_);
  WriteGame(game_);
  EXPECT_EQ(Run(), 0);
  const std::optional<GameReport> report = Report(game_);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->folder, game_.string());
  EXPECT_EQ(report->argumentCount, "1");
  EXPECT_EQ(report->argument, game_.string());
  EXPECT_EQ(launcher.startResult, int(platform::StartResult::Ready));
  EXPECT_TRUE(messages_.empty());
}

TEST_F(GameStart, WithAFolderTheGameRunsThereAndGetsTheFolderWithASlash) {
  const fs::path elsewhere = folder_ / "elsewhere";
  fs::create_directories(elsewhere);
  WriteGame(game_);
  WriteGame(elsewhere);  // a program of the same name where the launcher runs is not started
  fs::current_path(elsewhere);
  EXPECT_EQ(Run(game_.string()), 0);
  const std::optional<GameReport> report = Report(game_);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->folder, game_.string());
  EXPECT_EQ(report->argumentCount, "1");
  EXPECT_EQ(report->argument, game_.string() + "/");
  EXPECT_FALSE(Report(elsewhere).has_value());
  EXPECT_TRUE(messages_.empty());
}

TEST_F(GameStart, AFolderGivenRelativeToTheLauncherIsEnteredOnce) {
  WriteGame(game_);
  fs::current_path(folder_);
  EXPECT_EQ(Run("game"), 0);
  const std::optional<GameReport> report = Report(game_);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->folder, game_.string());
  EXPECT_EQ(report->argument, "game/");
}

// Each way the start can go wrong gives one message naming the problem and the place, and the
// launcher ends as it does after a good start.
TEST_F(GameStart, AGameThatCannotStartOrDoesNotBecomeReadyIsReportedOnce) {
  struct Case {
    const char* name;
    std::function<void()> prepare;
    std::string folderArgument;
    platform::StartResult result;
    std::string text;  // the message's first line
    std::string where;
  };
  const std::string program = (game_ / "feldo").string();
  const Case cases[] = {
      {"no program", [] {}, "", platform::StartResult::NotFound,
       "ゲームのプログラムが見つかりません。", program},
      {"not executable",
       [&] {
         std::ofstream(game_ / "feldo") << "not a program\n";
         fs::permissions(game_ / "feldo", fs::perms::owner_read | fs::perms::owner_write);
       },
       "", platform::StartResult::NotExecutable, "ゲームのプログラムを実行できません。", program},
      {"a folder of that name", [&] { fs::create_directories(game_ / "feldo"); }, "",
       platform::StartResult::NotExecutable, "ゲームのプログラムを実行できません。", program},
      {"ends before it is ready", [&] { WriteGame(game_, "exit 1\n"); }, "",
       platform::StartResult::EndedUnready, "ゲームのプログラムが起動の途中で終了しました。",
       program},
      {"the folder gone during the show",
       [&] {
         fs::create_directories(folder_ / "going");
         atTick_ = [&](std::uint64_t tick) {
           if (tick == 50) fs::remove_all(folder_ / "going");
         };
       },
       (folder_ / "going").string(), platform::StartResult::NoFolder,
       "ゲームのフォルダに移れません。", (folder_ / "going").string() + "/"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    hl::Shutdown();
    ResetLauncherState();
    ResetGraphicsArchive();
    fs::current_path(game_);
    fs::remove_all(game_ / "feldo");
    captions_.clear();
    messages_.clear();
    atTick_ = nullptr;
    c.prepare();
    EXPECT_EQ(Run(c.folderArgument), 0);
    EXPECT_EQ(launcher.startCommands, 1);
    EXPECT_EQ(launcher.startResult, int(c.result));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(captions_[0], "ゲームを起動できません");
    // The box breaks long lines, so the text is compared without its line breaks.
    EXPECT_EQ(WithoutBreaks(messages_[0]), c.text + c.where);
  }
}

// Told its language, the launcher shows its messages in it and starts the game in it, the
// option before the folder.
TEST_F(GameStart, InEnglishTheMessagesAreEnglishAndTheGameIsToldSo) {
  fs::create_directories(game_ / "locale/en/LC_MESSAGES");
  fs::copy_file(fs::path(FELDO_GAME_DIR) / "locale/en/LC_MESSAGES/vexo-world-cup.mo",
                game_ / "locale/en/LC_MESSAGES/vexo-world-cup.mo");
  platform::ProgramOptions english;
  english.programOptions = {{"--lang", "en"}};
  EXPECT_EQ(Run("", english), 0);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(captions_[0], "The game cannot be started");
  EXPECT_EQ(WithoutBreaks(messages_[0]),
            "Cannot find the game program." + (game_ / "feldo").string());

  hl::Shutdown();
  ResetLauncherState();
  messages_.clear();
  WriteGame(game_);
  EXPECT_EQ(Run("", english), 0);
  const std::optional<GameReport> report = Report(game_);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->argumentCount, "3");
  EXPECT_EQ(report->argument, "--lang en " + game_.string());
  EXPECT_TRUE(messages_.empty());
}

// A folder argument that names no folder the launcher can enter ends it at once, with one line
// and no show: no window, no start of the game, no box.
TEST_F(GameStart, AFolderThatCannotBeEnteredEndsTheLauncherBeforeTheShow) {
  WriteGame(game_);
  std::ofstream(folder_ / "a-file") << "";
  for (const fs::path& where : {folder_ / "nowhere", folder_ / "a-file"}) {
    SCOPED_TRACE(where.string());
    hl::Shutdown();
    ResetLauncherState();
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Run(where.string()), kBadFolderExitCode);
    EXPECT_EQ(
        ::testing::internal::GetCapturedStderr(),
        "lumar: cannot start the game in " + where.string() + ": no folder that can be entered\n");
    EXPECT_EQ(launcher.startCommands, 0);
    EXPECT_EQ(launcher.window, nullptr);
    EXPECT_TRUE(moments_.empty());
    EXPECT_TRUE(messages_.empty());
  }
  EXPECT_FALSE(Report(game_).has_value());
}

}  // namespace
}  // namespace launcher_test
