// The message model: send and post, paints after the queue, timers after paints and without
// a backlog, quitting, the main window's sizes and the readiness signal.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/core/core.h"
#include "support/core_test_support.h"

namespace core_test {
namespace {

using namespace platform;

class Messages : public CoreTest {};

TEST_F(Messages, CreationSendsCreateThenSizeAndMenuChangesTheClientArea) {
  ASSERT_NE(CreateMain(), nullptr);
  EXPECT_EQ(Log(), (std::vector<std::string>{"Create", "Size 900 600"}));
  EXPECT_EQ(MainWindow(), main);
  EXPECT_EQ(GetWindowTitle(main), "Test window");

  Log().clear();
  Menu* menu = LoadMenu(instance, "Main");
  ASSERT_NE(menu, nullptr);
  SetMenu(main, menu);
  EXPECT_EQ(Log(), (std::vector<std::string>{"Size 900 580"}));
  EXPECT_EQ(GetClientRect(main).Height(), 580);
  EXPECT_EQ(GetClientScreenRect(main).top, kMenuBarHeight);
  EXPECT_EQ(detail::FrameSize().y, 600);

  // Switching between menus keeps the bar and sends nothing; removing it does.
  Log().clear();
  SetMenu(main, LoadMenu(instance, "Other"));
  EXPECT_TRUE(Log().empty());
  SetMenu(main, nullptr);
  EXPECT_EQ(Log(), (std::vector<std::string>{"Size 900 600"}));
  EXPECT_EQ(LoadMenu(instance, "Missing"), nullptr);
}

TEST_F(Messages, SendRunsAtOncePostWaitsForTheLoop) {
  CreateMain();
  headless::Advance(0);  // the first paint
  Log().clear();
  EXPECT_EQ(SendMessage(main, Msg::User, 1), 0);
  EXPECT_EQ(Log(), (std::vector<std::string>{"User 1"}));
  EXPECT_TRUE(PostMessage(main, Msg::User, 2));
  EXPECT_TRUE(PostMessage(main, Msg::User, 3));
  EXPECT_EQ(Log().size(), 1u);
  headless::Advance(0);
  EXPECT_EQ(Log(), (std::vector<std::string>{"User 1", "User 2", "User 3"}));
}

TEST_F(Messages, PaintFollowsInvalidateOnceTheQueueIsEmptyWithTheUnionOfTheAreas) {
  CreateMain();
  headless::Advance(0);
  Log().clear();
  Rect painted;
  bool erased = false;
  MainHook() = [&](Window* window, Msg msg, Param, Param, Param*) {
    if (msg != Msg::Paint) return false;
    PaintInfo info;
    BeginPaint(window, &info);
    painted = info.paintRect;
    erased = info.erase;
    EndPaint(window, &info);
    return true;
  };
  const Rect a{10, 10, 20, 20};
  const Rect b{30, 5, 40, 15};
  InvalidateRect(main, &a, false);
  PostMessage(main, Msg::User, 1);
  InvalidateRect(main, &b, true);
  PostMessage(main, Msg::User, 2);
  headless::Advance(0);
  EXPECT_EQ(Log(), (std::vector<std::string>{"User 1", "User 2", "Paint"}));
  EXPECT_EQ(painted.left, 10);
  EXPECT_EQ(painted.top, 5);
  EXPECT_EQ(painted.right, 40);
  EXPECT_EQ(painted.bottom, 20);
  EXPECT_TRUE(erased);
  // The erase used the class brush, inside the area only.
  EXPECT_EQ(main->surface.Row(12)[12], kFaceGrey);

  // Painted once: nothing more comes.
  Log().clear();
  headless::Advance(0);
  EXPECT_TRUE(Log().empty());
}

TEST_F(Messages, AProcedureThatIgnoresPaintIsNotAskedAgainAndAgain) {
  CreateMain();
  MainHook() = [](Window*, Msg msg, Param, Param, Param*) { return msg == Msg::Paint; };
  headless::Advance(0);
  EXPECT_EQ(Lines("Paint").size(), 1u);
  UpdateWindow(main);  // nothing left to paint
  EXPECT_EQ(Lines("Paint").size(), 1u);
  InvalidateRect(main, nullptr, false);
  UpdateWindow(main);
  EXPECT_EQ(Lines("Paint").size(), 2u);
}

TEST_F(Messages, TimersComeAfterPostedMessagesAndPaintsAndDoNotPileUpAfterAStall) {
  CreateMain();
  headless::Advance(0);
  Log().clear();
  std::vector<std::uint64_t> ticks;
  MainHook() = [&](Window*, Msg msg, Param, Param, Param*) {
    if (msg == Msg::Timer) ticks.push_back(TickCount());
    return false;
  };
  ASSERT_TRUE(SetTimer(main, 1, 10));
  headless::Advance(35);
  EXPECT_EQ(ticks, (std::vector<std::uint64_t>{10, 20, 30}));

  // A stall of ten periods brings one message, and the next a full period later.
  headless::Stall(100);
  InvalidateRect(main, nullptr, false);
  PostMessage(main, Msg::User, 4);
  Log().clear();
  headless::Advance(0);
  EXPECT_EQ(Log(), (std::vector<std::string>{"User 4", "Paint", "Timer 1"}));
  headless::Advance(20);
  EXPECT_EQ(ticks, (std::vector<std::uint64_t>{10, 20, 30, 135, 145, 155}));

  KillTimer(main, 1);
  headless::Advance(100);
  EXPECT_EQ(ticks.size(), 6u);
  EXPECT_FALSE(SetTimer(nullptr, 1, 10));
}

TEST_F(Messages, TwoTimersKeepTheirOwnPeriods) {
  CreateMain();
  SetTimer(main, 1, 10);
  SetTimer(main, 2, 25);
  headless::Advance(50);
  EXPECT_EQ(Lines("Timer 1").size(), 5u);
  EXPECT_EQ(Lines("Timer 2").size(), 2u);
}

TEST_F(Messages, TheLoopWaitsForTheNextTimerAndQuitCarriesTheExitCode) {
  CreateMain();
  SetTimer(main, 1, 10);
  std::vector<std::optional<std::uint64_t>> waits;
  int timers = 0;
  MainHook() = [&](Window*, Msg msg, Param, Param, Param*) {
    if (msg == Msg::Timer && ++timers == 3) PostQuitMessage(42);
    return false;
  };
  headless::SetIdleHandler([&](std::optional<std::uint64_t> next) {
    waits.push_back(next);
    headless::Advance(*next - headless::Now());
  });
  EXPECT_EQ(RunLoop(), 42);
  ASSERT_GE(waits.size(), 3u);
  EXPECT_EQ(waits[0], std::optional<std::uint64_t>(10));
  EXPECT_EQ(waits[1], std::optional<std::uint64_t>(20));
}

TEST_F(Messages, CloseDestroysByDefaultAndTheWindowIsGoneAfterwards) {
  CreateMain();
  SetTimer(main, 1, 10);
  PostMessage(main, Msg::Close);
  EXPECT_EQ(RunLoop(), 0);
  EXPECT_EQ(Lines("Destroy").size(), 1u);
  EXPECT_EQ(GetDC(main), nullptr);
  EXPECT_EQ(SendMessage(main, Msg::User, 1), 0);
  EXPECT_FALSE(PostMessage(main, Msg::User, 1));
  EXPECT_TRUE(Lines("User").empty());
}

TEST_F(Messages, KeysAndMouseReachTheMainWindowInClientCoordinates) {
  CreateMain("Main");
  headless::KeyDown(KeyLeft);
  headless::Char('a');
  headless::KeyDown(KeyLeft, true);
  headless::KeyUp(KeyLeft);
  headless::MouseDown(100, 120);
  headless::MouseUp(101, 121);
  headless::MouseDoubleClick(5, 25);
  Log().clear();
  headless::Advance(0);
  // Input counts as posted messages: it comes before the pending first paint.
  EXPECT_EQ(Log(), (std::vector<std::string>{"KeyDown 37 0", "Char 97", "KeyDown 37 1", "KeyUp 37",
                                             "LButtonDown 100 100", "LButtonUp 101 101",
                                             "LButtonDoubleClick 5 5", "Paint"}));
  EXPECT_FALSE(IsKeyDown(KeyLeft));
  headless::KeyDown(KeyShift);
  headless::Advance(0);
  EXPECT_TRUE(IsKeyDown(KeyShift));
}

TEST_F(Messages, TheFirstIdleMomentWritesOneByteToTheReadyDescriptor) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  setenv("PLATFORM_READY_FD", std::to_string(fds[1]).c_str(), 1);
  CreateMain();
  headless::Advance(10);
  headless::Advance(10);
  char buffer[4];
  fcntl(fds[0], F_SETFL, O_NONBLOCK);
  EXPECT_EQ(read(fds[0], buffer, sizeof buffer), 1);  // one byte, and the writer is closed
  EXPECT_EQ(read(fds[0], buffer, sizeof buffer), 0);
  EXPECT_EQ(std::getenv("PLATFORM_READY_FD"), nullptr);
  close(fds[0]);
}

TEST_F(Messages, ResourcesAndRegisteredValues) {
  EXPECT_EQ(LoadString(instance, 103), "サッカー");
  EXPECT_EQ(LoadString(instance, 1), "");
  EXPECT_NE(FindDialogTemplate(instance, "List"), nullptr);
  EXPECT_EQ(FindDialogTemplate(instance, "list"), nullptr);
  int value = 3;
  RegisterValue("phase", [&] { return value; });
  value = 4;
  EXPECT_EQ(ReadRegisteredValue("phase"), std::optional<long long>(4));
  EXPECT_EQ(ReadRegisteredValue("other"), std::nullopt);
  headless::Shutdown();
  EXPECT_EQ(ReadRegisteredValue("phase"), std::nullopt);
}

}  // namespace
}  // namespace core_test
