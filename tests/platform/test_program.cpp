// RunProgram: the layer's options, the exit codes, and a whole program driven by a script.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "support/core_test_support.h"

namespace core_test {
namespace {

using namespace platform;

// argv for RunProgram from a list of words.
struct Args {
  explicit Args(std::vector<std::string> words) : storage(std::move(words)) {
    for (std::string& word : storage) pointers.push_back(word.data());
  }
  int argc() const { return int(pointers.size()); }
  char** argv() { return pointers.data(); }
  std::vector<std::string> storage;
  std::vector<char*> pointers;
};

struct Seen {
  std::string commandLine;
  ProgramOptions options;
  bool ran = false;
};
Seen& LastRun() {
  static Seen seen;
  return seen;
}

Param ProgramProc(Window* window, Msg msg, Param a, Param b) {
  if (msg == Msg::Command && a == 6) SetWindowTitle(window, "six");
  if (msg == Msg::Destroy) PostQuitMessage(7);
  return DefaultWindowProc(window, msg, a, b);
}

// A small program: one window with the "Main" menu; ends with exit code 7.
int ProgramEntry(Instance* instance, const std::string& commandLine, int /*showState*/) {
  LastRun().ran = true;
  LastRun().commandLine = commandLine;
  LastRun().options = Options();
  WindowClass windowClass;
  windowClass.name = "program";
  windowClass.proc = ProgramProc;
  RegisterWindowClass(instance, windowClass);
  Window* window = CreateMainWindow(instance, "program", "program", 0, 0, 0, 640, 480);
  if (!window) return 0;
  SetMenu(window, LoadMenu(instance, "Main"));
  QueuedMessage message;
  while (GetMessage(&message)) DispatchMessage(&message);
  return int(message.a);
}

int RunDemo(std::vector<std::string> words) {
  LastRun() = Seen{};
  words.insert(words.begin(), "/some/folder/demo");
  Args args(std::move(words));
  return RunProgram(args.argc(), args.argv(), Resources(), ProgramEntry);
}

void WriteScript(const std::string& name, const std::string& text) {
  std::ofstream(name) << text;
}

TEST(Program, OptionsAreTakenAndTheRestIsTheCommandLine) {
  WriteScript("ok.script", "menu 6\nexpect-title six\n");
  EXPECT_EQ(RunDemo({"--headless", "folder", "--seed", "12", "--script", "ok.script", "x"}), 7);
  EXPECT_TRUE(LastRun().ran);
  EXPECT_EQ(LastRun().commandLine, "folder x");
  EXPECT_TRUE(LastRun().options.headless);
  EXPECT_EQ(LastRun().options.seed, std::optional<std::uint32_t>(12));
  EXPECT_EQ(LastRun().options.script, "ok.script");
  std::remove("ok.script");
}

TEST(Program, BadOptionsEndTheProgramBeforeItStarts) {
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(RunDemo({"--headless", "--seed", "many"}), 2);
  EXPECT_EQ(RunDemo({"--scale", "0"}), 2);
  EXPECT_EQ(RunDemo({"--script", "x.script"}), 2);
  EXPECT_EQ(RunDemo({"--headless", "--script"}), 2);
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_FALSE(LastRun().ran);
  EXPECT_NE(errors.find("demo: --seed wants a number"), std::string::npos) << errors;
  EXPECT_NE(errors.find("demo: --script works only with --headless"), std::string::npos);
}

TEST(Program, AProgramThatEndsBeforeTheScriptDoesFails) {
  WriteScript("early.script", "close\nmenu 6\n");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(RunDemo({"--headless", "--script", "early.script"}), 3);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find(
                "early.script:2: the program ended before this line ran"),
            std::string::npos);
  std::remove("early.script");
}

TEST(ProgramDeathTest, AFailingScriptEndsTheProgramWithCode3) {
  WriteScript("fail.script", "# first\nexpect-title other\n");
  EXPECT_EXIT(RunDemo({"--headless", "--script", "fail.script"}), ::testing::ExitedWithCode(3),
              "fail.script:2: expected title \"other\", found \"program\"");
  EXPECT_EXIT(RunDemo({"--headless", "--script", "missing.script"}), ::testing::ExitedWithCode(3),
              "missing.script: cannot read the script");
  std::remove("fail.script");
}

TEST(ProgramDeathTest, AScriptThatIsNoFileOrTooLargeIsRefusedBeforeItRuns) {
  // A folder reads as nothing and a device never ends: neither is read (the alarm ends a run
  // that reads on all the same). A script past 4 MiB is no script.
  {
    std::ofstream big("big.script");
    const std::string line(1023, '#');
    for (int i = 0; i < 4 * 1024 + 1; ++i) big << line << '\n';
  }
  const std::pair<const char*, const char*> refusals[] = {
      {".", "^\\.: cannot read the script \\(it is no regular file\\)\n$"},
      {"/dev/zero", "^/dev/zero: cannot read the script \\(it is no regular file\\)\n$"},
      {"big.script", "^big.script: cannot read the script \\(it is larger than 4 MiB\\)\n$"},
  };
  for (const auto& [script, message] : refusals) {
    EXPECT_EXIT(
        {
          ::alarm(30);
          std::exit(RunDemo({"--headless", "--script", script}));
        },
        ::testing::ExitedWithCode(3), message);
  }
  std::remove("big.script");
}

TEST(ProgramDeathTest, WithoutADisplayTheProgramSaysSoAndEndsWithCode1) {
  EXPECT_EXIT(
      {
        setenv("DISPLAY", ":987", 1);
        unsetenv("WAYLAND_DISPLAY");
        setenv("SDL_VIDEODRIVER", "x11", 1);
        std::exit(RunDemo({}));
      },
      ::testing::ExitedWithCode(1),
      "demo: no display available \\(set DISPLAY or use --headless\\)");
}

}  // namespace
}  // namespace core_test
