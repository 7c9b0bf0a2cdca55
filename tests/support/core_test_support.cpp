#include "core_test_support.h"

#include "platform/core/core.h"

namespace core_test {

using namespace platform;

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

std::string Describe(Msg msg, Param a, Param b) {
  auto two = [&](const char* name) {
    return std::string(name) + " " + std::to_string(a) + " " + std::to_string(b);
  };
  auto one = [&](const char* name) { return std::string(name) + " " + std::to_string(a); };
  switch (msg) {
    case Msg::Create:
      return "Create";
    case Msg::Size:
      return two("Size");
    case Msg::Paint:
      return "Paint";
    case Msg::Close:
      return "Close";
    case Msg::Destroy:
      return "Destroy";
    case Msg::Command:
      return two("Command");
    case Msg::Timer:
      return one("Timer");
    case Msg::KeyDown:
      return two("KeyDown");
    case Msg::KeyUp:
      return one("KeyUp");
    case Msg::Char:
      return one("Char");
    case Msg::LButtonDown:
      return two("LButtonDown");
    case Msg::LButtonDoubleClick:
      return two("LButtonDoubleClick");
    case Msg::LButtonUp:
      return two("LButtonUp");
    case Msg::User:
      return one("User");
    case Msg::InitDialog:
      return "InitDialog";
    case Msg::Activate:
      return two("Activate");
    case Msg::Help:
      return "Help";
  }
  return "?";
}

std::vector<std::string> Lines(const std::string& prefix) {
  std::vector<std::string> out;
  for (const std::string& line : Log()) {
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  }
  return out;
}

Hook& MainHook() {
  static Hook hook;
  return hook;
}

Param MainProc(Window* window, Msg msg, Param a, Param b) {
  Log().push_back(Describe(msg, a, b));
  Param result = 0;
  if (MainHook() && MainHook()(window, msg, a, b, &result)) return result;
  if (msg == Msg::Destroy) PostQuitMessage(0);
  return DefaultWindowProc(window, msg, a, b);
}

const ResourceTable& Resources() {
  static const ResourceTable table = [] {
    ResourceTable t;
    t.menus.push_back(
        MenuTemplate{"Main",
                     {PopupTemplate{"GAME", {{"Pause", 5, true}, {"Menu", 6}, {"Exit", 13}}},
                      PopupTemplate{"SOUND", {{"Sound On", 7}, {"Sound Off", 8}}}}});
    t.menus.push_back(MenuTemplate{"Other", {PopupTemplate{"FILE", {{"Open", 30}}}}});
    using K = ControlKind;
    // Buttons: a default button 5 and plain buttons 6 and 8.
    t.dialogs.push_back(DialogTemplate{"Buttons",
                                       DialogFrame::Popup,
                                       "Buttons",
                                       160,
                                       80,
                                       {{K::DefPushButton, 5, "Five", 10, 10, 40, 14},
                                        {K::PushButton, 6, "Six", 60, 10, 40, 14},
                                        {K::PushButton, 8, "Eight", 110, 10, 40, 14}}});
    // No default button at all.
    t.dialogs.push_back(DialogTemplate{"Plain",
                                       DialogFrame::Frameless,
                                       "",
                                       120,
                                       60,
                                       {{K::PushButton, 7, "Seven", 10, 10, 50, 14}}});
    // Radio buttons 25 and 26, a check box 30 and OK.
    t.dialogs.push_back(DialogTemplate{"Choices",
                                       DialogFrame::Popup,
                                       "Choices",
                                       150,
                                       100,
                                       {{K::RadioButton, 25, "LEVEL S", 30, 4, 88, 8},
                                        {K::RadioButton, 26, "LEVEL 1", 30, 24, 80, 8},
                                        {K::CheckBox, 30, "Sound", 30, 44, 80, 8},
                                        {K::DefPushButton, 1, "Ok", 24, 82, 32, 14}}});
    // A list box 16 with notifications and a scroll bar, OK and CANCEL.
    t.dialogs.push_back(DialogTemplate{
        "List",
        DialogFrame::Popup,
        "List",
        160,
        110,
        {{K::ListBox, 16, "", 10, 10, 130, 70, control_flags::kNotify | control_flags::kVScroll},
         {K::DefPushButton, 1, "OK", 24, 88, 42, 10},
         {K::PushButton, 2, "CANCEL", 104, 88, 42, 10}}});
    // Dialogs that open each other.
    t.dialogs.push_back(DialogTemplate{"Outer",
                                       DialogFrame::Popup,
                                       "Outer",
                                       200,
                                       100,
                                       {{K::PushButton, 10, "Open", 10, 10, 60, 14},
                                        {K::DefPushButton, 1, "OK", 80, 70, 40, 14}}});
    t.dialogs.push_back(DialogTemplate{"Inner",
                                       DialogFrame::Frameless,
                                       "",
                                       100,
                                       60,
                                       {{K::DefPushButton, 1, "OK", 30, 30, 40, 14}}});
    // Every control kind, for pictures.
    t.dialogs.push_back(
        DialogTemplate{"Everything",
                       DialogFrame::Popup,
                       "Everything",
                       220,
                       150,
                       {{K::Static, 40, "Left text", 10, 6, 100, 8},
                        {K::StaticCentred, 41, "Centred", 110, 6, 100, 8},
                        {K::Edit, 42, "Read only", 10, 20, 200, 12},
                        {K::RadioButton, 43, "Radio", 10, 38, 80, 8},
                        {K::CheckBox, 44, "Check", 110, 38, 80, 8},
                        {K::ListBox, 45, "", 10, 52, 200, 50, control_flags::kVScroll},
                        {K::DefPushButton, 1, "OK", 40, 126, 50, 14},
                        {K::PushButton, 2, "Cancel", 130, 126, 50, 14}}});
    t.strings.push_back(StringResource{103, "サッカー"});
    return t;
  }();
  return table;
}

void PlaySteps(std::vector<std::function<void()>> steps) {
  auto queue = std::make_shared<std::deque<std::function<void()>>>(steps.begin(), steps.end());
  headless::SetIdleHandler([queue](std::optional<std::uint64_t>) {
    if (queue->empty()) {
      ADD_FAILURE() << "the program waits for input after the last step (top dialog: "
                    << (TopDialog() ? std::string(DialogTemplateName(TopDialog())) : "none") << ")";
      while (Window* top = TopDialog()) EndDialog(top, -99);
      if (Window* main = MainWindow(); main && !main->destroyed) DestroyWindow(main);
      PostQuitMessage(99);
      return;
    }
    auto step = std::move(queue->front());
    queue->pop_front();
    step();
  });
}

Point ControlCentre(int id) {
  Window* top = TopDialog();
  detail::Control* control = detail::FindControl(top, id);
  if (!control) return Point{-1, -1};
  return Point{top->screen.left + (control->rect.left + control->rect.right) / 2,
               top->screen.top + (control->rect.top + control->rect.bottom) / 2};
}

void CoreTest::SetUp() {
  Log().clear();
  MainHook() = nullptr;
  instance = headless::StartForTests(Resources());
  WindowClass windowClass;
  windowClass.name = "test";
  windowClass.proc = MainProc;
  windowClass.background = StockBrush(StockObject::LightGreyBrush);
  ASSERT_TRUE(RegisterWindowClass(instance, windowClass));
}

void CoreTest::TearDown() {
  MainHook() = nullptr;
  headless::Shutdown();
}

Window* CoreTest::CreateMain(const char* menu) {
  if (menu) {
    MainHook() = [this, menu](Window* window, Msg msg, Param, Param, Param*) {
      if (msg == Msg::Create) SetMenu(window, LoadMenu(instance, menu));
      return false;
    };
  }
  main = CreateMainWindow(instance, "test", "Test window", 0, kDefaultPosition, 0, 900, 600);
  return main;
}

int CoreTest::RunLoop() {
  QueuedMessage message;
  while (GetMessage(&message)) DispatchMessage(&message);
  return int(message.a);
}

}  // namespace core_test
