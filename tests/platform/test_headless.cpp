// The headless backend: the virtual sound device, screenshots, and the script runner with its
// failures (each run in a child process, which must end with exit code 3 and name the line).
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/core/core.h"
#include "support/core_test_support.h"

namespace core_test {
namespace {

using namespace platform;
namespace hl = platform::headless;

// A mono 8-bit WAV file of `ms` milliseconds at 8000 samples a second.
void WriteWav(const std::string& name, int ms) {
  const std::uint32_t bytes = std::uint32_t(ms) * 8;
  std::vector<unsigned char> data;
  auto put32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) data.push_back((v >> (8 * i)) & 255);
  };
  auto put16 = [&](std::uint32_t v) {
    data.push_back(v & 255);
    data.push_back((v >> 8) & 255);
  };
  auto tag = [&](const char* t) { data.insert(data.end(), t, t + 4); };
  tag("RIFF");
  put32(36 + bytes);
  tag("WAVE");
  tag("fmt ");
  put32(16);
  put16(1);
  put16(1);
  put32(8000);
  put32(8000);
  put16(1);
  put16(8);
  tag("data");
  put32(bytes);
  data.resize(data.size() + bytes, 128);
  std::ofstream(name, std::ios::binary)
      .write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
}

class Headless : public CoreTest {};

TEST_F(Headless, ANewSoundReplacesTheOldAndSilentStopsIt) {
  WriteWav("long.wav", 1000);
  WriteWav("short.wav", 500);
  EXPECT_EQ(CurrentSound(), "");
  PlaySound("long.wav", true);
  EXPECT_EQ(CurrentSound(), "long.wav");
  hl::Advance(400);
  PlaySound("short.wav", true);
  EXPECT_EQ(CurrentSound(), "short.wav");
  hl::Advance(499);
  EXPECT_EQ(CurrentSound(), "short.wav");
  hl::Advance(1);
  EXPECT_EQ(CurrentSound(), "");  // it has played to its end

  PlaySound("long.wav", true);
  PlaySound("silent", false);
  EXPECT_EQ(CurrentSound(), "");

  // A missing file plays nothing, and what played before stops.
  PlaySound("long.wav", true);
  PlaySound("missing.wav", true);
  EXPECT_EQ(CurrentSound(), "");

  // A synchronous sound holds the program for its length.
  const std::uint64_t before = hl::Now();
  PlaySound("short.wav", false);
  EXPECT_EQ(hl::Now(), before + 500);
  std::remove("long.wav");
  std::remove("short.wav");
}

TEST_F(Headless, ScreenshotsShowTheMenuBarTheWindowAndTheDialogs) {
  CreateMain("Main");
  MainHook() = [](Window* window, Msg msg, Param, Param, Param*) {
    if (msg != Msg::Paint) return false;
    PaintInfo info;
    DeviceContext* dc = BeginPaint(window, &info);
    const Rect box{0, 0, 100, 50};
    Brush* red = CreateSolidBrush(Rgb(255, 0, 0));
    FillRect(dc, box, red);
    EndPaint(window, &info);
    DeleteObject(red);
    return true;
  };
  hl::Advance(0);
  detail::Surface frame;
  detail::ComposeFrame(&frame);
  ASSERT_EQ(frame.width, 900);
  ASSERT_EQ(frame.height, 600);
  EXPECT_EQ(frame.Row(2)[600], kFaceGrey);       // the menu bar
  EXPECT_EQ(frame.Row(20)[10], Rgb(255, 0, 0));  // the client area starts below it
  EXPECT_EQ(frame.Row(19)[10], kFaceGrey);
  EXPECT_EQ(frame.Row(300)[450], kFaceGrey);  // erased with the class brush

  PlaySteps({[] {
    Window* top = TopDialog();
    detail::Surface withDialog;
    detail::ComposeFrame(&withDialog);
    EXPECT_EQ(withDialog.Row(top->outer.top + 8)[top->outer.left + 40], Rgb(0, 0, 128));
    EXPECT_TRUE(hl::SaveScreenshot("shot.png"));
    hl::KeyDown(KeyEscape);
  }});
  DialogBox(instance, "Everything", main, [](Window* d, Msg m, Param a, Param) -> Param {
    if (m == Msg::InitDialog) {
      ListAddString(d, 45, "日本");
      ListAddString(d, 45, "England");
      ListSetSelection(d, 45, 1);
      CheckButton(d, 43, true);
      CheckButton(d, 44, true);
    }
    if (m == Msg::Command && a == kIdCancel) EndDialog(d, 0);
    return m == Msg::InitDialog;
  });
  std::ifstream png("shot.png", std::ios::binary);
  ASSERT_TRUE(png);
  unsigned char header[24] = {};
  png.read(reinterpret_cast<char*>(header), sizeof header);
  EXPECT_EQ(header[1], 'P');
  EXPECT_EQ(header[2], 'N');
  EXPECT_EQ(header[3], 'G');
  // The IHDR chunk: width and height, big-endian.
  EXPECT_EQ((header[18] << 8) | header[19], 900);
  EXPECT_EQ((header[22] << 8) | header[23], 600);
  std::remove("shot.png");
}

// ----- the screenshot key

TEST(ScreenshotNames, CarryTheProgramTheTimeAndACountAgainstOverwriting) {
  std::tm when{};
  when.tm_year = 2026 - 1900;
  when.tm_mon = 11;
  when.tm_mday = 8;
  when.tm_hour = 3;
  when.tm_min = 5;
  when.tm_sec = 9;
  EXPECT_EQ(detail::ScreenshotName("feldo", when, 1), "feldo-20261208-030509.png");
  EXPECT_EQ(detail::ScreenshotName("feldo", when, 2), "feldo-20261208-030509-2.png");
  EXPECT_EQ(detail::ScreenshotName("lumar", when, 11), "lumar-20261208-030509-11.png");
}

// F12 saves exactly what the player sees, menu open included, in the current folder under a
// new name each time; the title bar says where for a while; the program never sees the key.
TEST_F(Headless, F12SavesTheFrameAndSaysWhereInTheTitleBar) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::absolute("screenshot-key");
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string previous = CurrentDirectory();
  ASSERT_TRUE(SetCurrentDirectory(folder.string()));
  CreateMain("Main");
  MainHook() = [](Window* window, Msg msg, Param, Param, Param*) {
    if (msg != Msg::Paint) return false;
    PaintInfo info;
    DeviceContext* dc = BeginPaint(window, &info);
    Brush* red = CreateSolidBrush(Rgb(255, 0, 0));
    FillRect(dc, Rect{30, 40, 230, 140}, red);
    EndPaint(window, &info);
    DeleteObject(red);
    return true;
  };
  SetWindowTitle(main, "Match");
  hl::Advance(0);
  hl::KeyDown(KeyF10);
  hl::KeyUp(KeyF10);
  hl::Advance(0);
  Log().clear();
  hl::KeyDown(KeyF12);
  hl::KeyUp(KeyF12);
  hl::Advance(0);
  EXPECT_TRUE(Lines("Key").empty());
  EXPECT_TRUE(detail::Core().menuTracking.open);  // the key did not close the menu either

  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
  ASSERT_EQ(files.size(), 1u);
  const std::string first = files[0].filename().string();
  EXPECT_EQ(first.rfind("program-", 0), 0u) << first;
  EXPECT_EQ(first.size(), std::string("program-20261208-231502.png").size()) << first;
  EXPECT_EQ(hl::ShownTitle(), "Screenshot saved: " + files[0].string());
  EXPECT_EQ(GetWindowTitle(main), "Match");

  detail::Surface frame;
  detail::ComposeFrame(&frame);
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  ASSERT_TRUE(LoadPng(files[0].string(), &width, &height, &pixels));
  EXPECT_EQ(width, 900);
  EXPECT_EQ(height, 600);
  EXPECT_TRUE(pixels == frame.pixels);
  EXPECT_EQ(pixels[std::size_t(20 + 50) * 900 + 100], Rgb(255, 0, 0));

  // A second shot never replaces the first.
  hl::KeyDown(KeyF12);
  hl::KeyUp(KeyF12);
  hl::Advance(0);
  const std::string notice = hl::ShownTitle();
  const std::string second = notice.substr(notice.rfind('/') + 1);
  ASSERT_TRUE(fs::exists(folder / second)) << notice;
  EXPECT_NE(second, first);
  if (second.substr(0, first.size() - 4) == first.substr(0, first.size() - 4)) {
    EXPECT_EQ(second, first.substr(0, first.size() - 4) + "-2.png");
  }
  std::vector<std::uint32_t> again;
  ASSERT_TRUE(LoadPng(files[0].string(), &width, &height, &again));
  EXPECT_TRUE(again == pixels);

  // The title comes back when the notice has run its time, with a title set meanwhile.
  hl::Advance(detail::kTitleNoticeMs - 1);
  SetWindowTitle(main, "Second half");
  EXPECT_EQ(hl::ShownTitle(), notice);
  hl::Advance(1);
  EXPECT_EQ(hl::ShownTitle(), "Second half");
  ASSERT_TRUE(SetCurrentDirectory(previous));
  fs::remove_all(folder);
}

// ----- the script runner

class Scripts : public CoreTest {
 protected:
  // Runs a script against a main window with the "Main" menu; the main window opens the
  // "Buttons" dialog on command 6, and registers the value "opened" (dialogs opened so far).
  int RunScript(const std::string& text) {
    CreateMain("Main");
    static int opened;
    static int chosen;
    opened = 0;
    chosen = -1;
    RegisterValue("opened", [] { return opened; });
    RegisterValue("chosen", [] { return chosen; });
    MainHook() = [this](Window* window, Msg msg, Param a, Param, Param*) {
      if (msg == Msg::Create) SetMenu(window, LoadMenu(instance, "Main"));
      if (msg == Msg::Command && a == 6) {
        ++opened;
        SetWindowTitle(window, "In the dialog");
        DialogBox(instance, "Buttons", window, [](Window* d, Msg m, Param ca, Param) -> Param {
          if (m == Msg::Command) {
            Log().push_back("Buttons " + std::to_string(ca));
            if (ca == kIdCancel || ca == 5) EndDialog(d, ca);
          }
          return m == Msg::InitDialog;
        });
        SetWindowTitle(window, "Test window");
      }
      if (msg == Msg::Command && a == 7) {
        // A list of nations; the procedure keeps the line the list reports.
        DialogBox(instance, "List", window, [](Window* d, Msg m, Param ca, Param cb) -> Param {
          if (m == Msg::InitDialog) {
            for (const char* name : {"日本", "韓国", "中国", "イラン"}) ListAddString(d, 16, name);
          }
          if (m == Msg::Command && ca == 16 && cb == notify::kListSelChange) {
            chosen = ListGetSelection(d, 16);
          }
          if (m == Msg::Command && (ca == kIdOk || ca == kIdCancel)) EndDialog(d, ca);
          return m == Msg::InitDialog;
        });
      }
      return false;
    };
    hl::RunScriptText(text, "test.script");
    return RunLoop();
  }
};

TEST_F(Scripts, CommandsRunWhenTheProgramIsIdleInWhicheverLoopRuns) {
  const std::string script =
      "# a comment, then a blank line\n"
      "\n"
      "expect-title Test window\n"
      "expect-dialog none\n"
      "expect-value opened 0\n"
      "menu 6\n"
      "expect-dialog Buttons\n"
      "expect-title In the dialog\n"
      "key Tab 30\n"
      "press 6\n"
      "press 5\n"
      "expect-dialog none\n"
      "expect-value opened 1\n"
      "expect-sound none\n"
      "menu 7\n"
      "select 16 3\n"
      "expect-value chosen 3\n"
      "key Up 10\n"
      "expect-value chosen 2\n"
      "press 1\n"
      "key Left 50\n"
      "char x\n"
      "advance 100\n";
  EXPECT_EQ(RunScript(script), 0);  // the end of the script closed the window
  EXPECT_EQ(Lines("Buttons"), (std::vector<std::string>{"Buttons 6", "Buttons 5"}));
  EXPECT_EQ(Lines("KeyDown"), (std::vector<std::string>{"KeyDown 37 0"}));
  EXPECT_EQ(Lines("KeyUp"), (std::vector<std::string>{"KeyUp 37"}));
  EXPECT_EQ(Lines("Char"), (std::vector<std::string>{"Char 120"}));
  EXPECT_EQ(Lines("Close").size(), 1u);
  EXPECT_EQ(hl::PendingScriptLine(), 0);
}

TEST_F(Scripts, KeyHoldsTheKeyForItsTime) {
  std::vector<std::uint64_t> at;
  const std::string script = "advance 20\nkey Space 250\nclose\n";
  CreateMain();
  MainHook() = [&](Window*, Msg msg, Param, Param, Param*) {
    if (msg == Msg::KeyDown || msg == Msg::KeyUp) at.push_back(TickCount());
    return false;
  };
  SetTimer(main, 1, 10);
  hl::RunScriptText(script, "hold.script");
  EXPECT_EQ(RunLoop(), 0);
  EXPECT_EQ(at, (std::vector<std::uint64_t>{20, 270}));
}

TEST_F(Scripts, WaitDialogLetsTimePassUntilTheDialogIsOnTop) {
  CreateMain();
  MainHook() = [this](Window* window, Msg msg, Param a, Param, Param*) {
    if (msg == Msg::Timer && a == 1) {
      KillTimer(window, 1);
      DialogBox(instance, "Inner", window, [](Window* d, Msg m, Param ca, Param) -> Param {
        if (m == Msg::Command) EndDialog(d, ca);
        return m == Msg::InitDialog;
      });
    }
    return false;
  };
  SetTimer(main, 1, 700);
  hl::RunScriptText("wait-dialog Inner 1000\npress 1\nexpect-dialog none\n", "wait.script");
  EXPECT_EQ(RunLoop(), 0);
  EXPECT_EQ(hl::Now(), 700u);
}

using ScriptsDeathTest = Scripts;

TEST_F(ScriptsDeathTest, AFailedExpectationEndsTheProgramNamingTheLine) {
  EXPECT_EXIT(RunScript("expect-dialog none\n\nexpect-dialog Buttons\n"),
              ::testing::ExitedWithCode(3), "test.script:3: expected dialog Buttons, found none");
  EXPECT_EXIT(RunScript("expect-value opened 2\n"), ::testing::ExitedWithCode(3),
              "test.script:1: expected opened = 2, found 0");
  EXPECT_EXIT(RunScript("expect-title Other\n"), ::testing::ExitedWithCode(3),
              "test.script:1: expected title \"Other\", found \"Test window\"");
  EXPECT_EXIT(RunScript("menu 5\n"), ::testing::ExitedWithCode(3),
              "test.script:1: menu item 5 is greyed");
  EXPECT_EXIT(RunScript("menu 6\npress 77\n"), ::testing::ExitedWithCode(3),
              "test.script:2: dialog Buttons has no button with id 77");
  EXPECT_EXIT(RunScript("advance 10\nwait-dialog Buttons 500\n"), ::testing::ExitedWithCode(3),
              "test.script:2: waited 500 ms for dialog Buttons, found none");
  EXPECT_EXIT(RunScript("expect-sound kick.wav\n"), ::testing::ExitedWithCode(3),
              "test.script:1: expected sound kick.wav, found none");
  EXPECT_EXIT(RunScript("menu 7\nselect 16 4\n"), ::testing::ExitedWithCode(3),
              "test.script:2: dialog List has no list box 16 with a line 4");
  EXPECT_EXIT(RunScript("expect-message OK\n"), ::testing::ExitedWithCode(3),
              "test.script:1: expected message \"OK\", found \"\\(no message box\\)\"");
}

TEST_F(Scripts, TheMessageBoxOnTopShowsItsTextAndCaption) {
  CreateMain();
  MainHook() = [](Window* window, Msg msg, Param a, Param, Param*) {
    if (msg == Msg::Timer && a == 1) {
      KillTimer(window, 1);
      MessageBox(window, "データファイル エラー\n二行目", "エラー No. 00", mb::kOk);
    }
    return false;
  };
  SetTimer(main, 1, 50);
  hl::RunScriptText(
      "wait-dialog messagebox 100\nexpect-caption エラー No. 00\n"
      "expect-message データファイル エラー\\n二行目\npress 1\n",
      "message.script");
  EXPECT_EQ(RunLoop(), 0);
}

TEST_F(ScriptsDeathTest, MistakesInTheScriptAreReportedBeforeAnythingRuns) {
  EXPECT_EXIT(RunScript("advance 10\nfly 3\n"), ::testing::ExitedWithCode(3),
              "test.script:2: unknown command \"fly\"");
  EXPECT_EXIT(RunScript("key Banana 10\n"), ::testing::ExitedWithCode(3),
              "test.script:1: unknown key \"Banana\"");
  EXPECT_EXIT(RunScript("advance soon\n"), ::testing::ExitedWithCode(3),
              "test.script:1: MS must be a number");
}

TEST_F(ScriptsDeathTest, AScriptThatEndsWithADialogStillOpenFails) {
  // The end of the script sends Close; the main window's Close handler here asks first.
  auto run = [this] {
    CreateMain();
    MainHook() = [](Window* window, Msg msg, Param, Param, Param* result) {
      if (msg != Msg::Close) return false;
      if (MessageBox(window, "終了しますか?", "ゲームの終了", mb::kOkCancel) == kIdOk) {
        DestroyWindow(window);
      }
      *result = 0;
      return true;
    };
    hl::RunScriptText("advance 10\n", "open.script");
    RunLoop();
  };
  EXPECT_EXIT(run(), ::testing::ExitedWithCode(3),
              "open.script: script ended while dialog messagebox is still open");
}

}  // namespace
}  // namespace core_test
