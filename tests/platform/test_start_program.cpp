// Starting another program: folder, argument, the ready signal through the inherited pipe,
// failures to start, and no child left behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/platform.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class StartProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::path(FELDO_TEST_WORK_DIR) / "start-program" / info->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    dir_ = fs::canonical(dir_);
  }

  void Script(const std::string& name, const std::string& body) {
    const fs::path path = dir_ / name;
    std::ofstream(path) << "#!/bin/sh\n" << body;
    fs::permissions(path, fs::perms::owner_all);
  }

  std::string Read(const std::string& name) {
    std::ifstream in(dir_ / name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Waits (without a time limit that could fail the test) until a file the child writes exists.
  bool AwaitFile(const std::string& name) {
    for (int i = 0; i < 1000; ++i) {
      if (fs::exists(dir_ / name)) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  fs::path dir_;
};

TEST_F(StartProgramTest, RunsInTheFolderWithOneArgumentAndWaitsForTheReadySignal) {
  // The report is written only after a pause, and the ready byte after the report: if the
  // starter did not wait for the byte, the report would not be there yet.
  Script("game.sh",
         "sleep 0.3\n"
         "{ pwd; echo \"$#:$1\"; echo \"fd=$PLATFORM_READY_FD\";"
         "  env | grep -c '^PLATFORM_READY_FD='; } > report.tmp\n"
         "mv report.tmp report\n"
         "printf R >&\"$PLATFORM_READY_FD\"\n");
  setenv("PLATFORM_READY_FD", "999", 1);  // the starter's own value is not passed on
  EXPECT_TRUE(StartProgram(dir_.string(), "game.sh", "/some folder/", 10000));
  unsetenv("PLATFORM_READY_FD");
  ASSERT_TRUE(fs::exists(dir_ / "report"));
  std::istringstream report(Read("report"));
  std::string cwd, argument, fd, count;
  std::getline(report, cwd);
  std::getline(report, argument);
  std::getline(report, fd);
  std::getline(report, count);
  EXPECT_EQ(cwd, dir_.string());
  EXPECT_EQ(argument, "1:/some folder/");
  EXPECT_NE(fd, "fd=999");
  EXPECT_NE(fd, "fd=");
  EXPECT_EQ(count, "1");
}

TEST_F(StartProgramTest, ProgramPathIsRelativeToTheFolder) {
  fs::create_directories(dir_ / "bin");
  Script("bin/tool.sh", "pwd > started\nprintf R >&\"$PLATFORM_READY_FD\"\n");
  EXPECT_TRUE(StartProgram(dir_.string(), "bin/tool.sh", "", 10000));
  EXPECT_EQ(Read("started"), dir_.string() + "\n");
}

TEST_F(StartProgramTest, AProgramThatEndsWithoutSignallingCountsAsStarted) {
  Script("quick.sh", "echo done > done\n");
  EXPECT_TRUE(StartProgram(dir_.string(), "quick.sh", "x", 10000));
  EXPECT_TRUE(fs::exists(dir_ / "done"));
}

TEST_F(StartProgramTest, AProgramThatNeverSignalsIsLeftRunningAfterTheWait) {
  Script("quiet.sh", "echo $$ > pid.tmp\nmv pid.tmp pid\nexec sleep 30\n");
  EXPECT_TRUE(StartProgram(dir_.string(), "quiet.sh", "", 200));
  ASSERT_TRUE(AwaitFile("pid"));
  const pid_t pid = pid_t(std::stol(Read("pid")));
  EXPECT_EQ(::kill(pid, 0), 0) << "the program should still run";
  ::kill(pid, SIGTERM);
}

TEST_F(StartProgramTest, FailsWhenTheProgramCannotBeStarted) {
  EXPECT_FALSE(StartProgram(dir_.string(), "missing", "", 1000));
  EXPECT_FALSE(StartProgram(dir_.string(), "", "", 1000));
  std::ofstream(dir_ / "plain.txt") << "not a program\n";
  EXPECT_FALSE(StartProgram(dir_.string(), "plain.txt", "", 1000));
  Script("game.sh", "printf R >&\"$PLATFORM_READY_FD\"\n");
  EXPECT_FALSE(StartProgram((dir_ / "no-such-folder").string(), "game.sh", "", 1000));
  EXPECT_TRUE(StartProgram(dir_.string(), "game.sh", "", 1000));
}

TEST_F(StartProgramTest, ReportsWhyAStartFailedOrWhatBecameOfTheProgram) {
  Script("ready.sh", "printf R >&\"$PLATFORM_READY_FD\"\nsleep 0.2\n");
  Script("ends.sh", "exit 1\n");
  Script("closes.sh", "eval \"exec $PLATFORM_READY_FD>&-\"\nsleep 0.2\n");
  Script("quiet.sh", "echo $$ > pid.tmp\nmv pid.tmp pid\nexec sleep 30\n");
  std::ofstream(dir_ / "plain.txt") << "not a program\n";
  std::ofstream(dir_ / "noexec.bin") << "\x7f\x45\x4c\x46 garbage\n";
  fs::permissions(dir_ / "noexec.bin", fs::perms::owner_all);
  fs::create_directories(dir_ / "folder.d");
  const std::string dir = dir_.string();
  EXPECT_EQ(StartProgramReporting(dir, "ready.sh", "", 10000), StartResult::Ready);
  EXPECT_EQ(StartProgramReporting(dir, "ends.sh", "", 10000), StartResult::EndedUnready);
  EXPECT_EQ(StartProgramReporting(dir, "closes.sh", "", 10000), StartResult::EndedUnready);
  EXPECT_EQ(StartProgramReporting(dir, "missing", "", 1000), StartResult::NotFound);
  EXPECT_EQ(StartProgramReporting(dir, "", "", 1000), StartResult::NotFound);
  EXPECT_EQ(StartProgramReporting(dir, "plain.txt", "", 1000), StartResult::NotExecutable);
  EXPECT_EQ(StartProgramReporting(dir, "noexec.bin", "", 1000), StartResult::NotExecutable);
  EXPECT_EQ(StartProgramReporting(dir, "folder.d", "", 1000), StartResult::NotExecutable);
  EXPECT_EQ(StartProgramReporting((dir_ / "nowhere").string(), "ready.sh", "", 1000),
            StartResult::NoFolder);
  EXPECT_EQ(StartProgramReporting(dir, "quiet.sh", "", 200), StartResult::NotReadyInTime);
  ASSERT_TRUE(AwaitFile("pid"));
  ::kill(pid_t(std::stol(Read("pid"))), SIGTERM);
}

TEST_F(StartProgramTest, LeavesNoChildProcessBehind) {
  Script("quick.sh", "exit 3\n");
  ASSERT_TRUE(StartProgram(dir_.string(), "quick.sh", "", 10000));
  EXPECT_FALSE(StartProgram(dir_.string(), "missing", "", 1000));
  // The program belongs to init, the intermediate process was reaped: no children at all.
  errno = 0;
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

}  // namespace
}  // namespace platform
