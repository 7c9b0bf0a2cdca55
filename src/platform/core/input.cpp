// Routing of input: an open drop-down menu takes keys and clicks first, then the active
// dialog (keys; clicks on any dialog that is not disabled by a modal dialog it owns), then the
// main window. F10 or Alt alone opens the menu bar; F1 asks the main window for help.
#include <algorithm>

#include "platform/core/core.h"

namespace platform::detail {

namespace {

Window* TopVisibleDialog() {
  auto& c = Core();
  for (auto it = c.dialogs.rbegin(); it != c.dialogs.rend(); ++it) {
    if (IsLive(*it) && !(*it)->dialog->ended) return *it;
  }
  return nullptr;
}

// The window under a frame point: dialogs from the top down (their whole outer rectangle),
// then the main window (menu bar included).
Window* WindowAt(int x, int y) {
  auto& c = Core();
  for (auto it = c.dialogs.rbegin(); it != c.dialogs.rend(); ++it) {
    Window* dialog = *it;
    if (IsLive(dialog) && !dialog->dialog->ended && dialog->outer.Contains(x, y)) return dialog;
  }
  Window* main = c.mainWindow;
  if (IsLive(main) && Rect{0, 0, main->outerWidth, main->outerHeight}.Contains(x, y)) return main;
  return nullptr;
}

void BringToTop(Window* dialog) {
  auto& c = Core();
  auto it = std::find(c.dialogs.begin(), c.dialogs.end(), dialog);
  if (it == c.dialogs.end() || it + 1 == c.dialogs.end()) return;
  c.dialogs.erase(it);
  c.dialogs.push_back(dialog);
  c.layoutDirty = true;
}

bool MenuReachable() {
  Window* main = Core().mainWindow;
  return IsLive(main) && main->menu && WindowEnabled(main) && !TopVisibleDialog();
}

void KeyDownEvent(const InputEvent& event) {
  auto& c = Core();
  const int key = event.key;
  if (key == KeyAlt) {
    if (!event.repeat) c.altAlone = true;
    return;
  }
  c.altAlone = false;
  if (key == KeyF12) {
    if (!event.repeat) TakeScreenshot();
    return;
  }
  if (c.menuTracking.open) {
    MenuHandleKey(key);
    return;
  }
  if (key == KeyF10) {
    if (!event.repeat && MenuReachable()) OpenMenuBar(0, true);
    return;
  }
  if (key == KeyF1) {
    // Help is the main window's to give, also while one of its dialogs has the keys.
    if (!event.repeat && IsLive(c.mainWindow)) PostMessage(c.mainWindow, Msg::Help, 0, 0);
    return;
  }
  Window* target = ActiveWindow();
  if (!target) return;
  if (key >= 0 && key < 256) c.keyTarget[key] = target;
  Param flags = event.repeat ? 1 : 0;
  // Dialogs learn whether Shift was down when the key came, not when the message is read.
  if (target->kind == Window::Kind::Dialog && c.keys[KeyShift]) flags |= kShiftFlag;
  PostMessage(target, Msg::KeyDown, key, flags);
}

void KeyUpEvent(const InputEvent& event) {
  auto& c = Core();
  const int key = event.key;
  if (key == KeyAlt) {
    if (c.altAlone) {
      c.altAlone = false;
      if (c.menuTracking.open) {
        CloseMenuTracking();
      } else if (MenuReachable()) {
        OpenMenuBar(0, true);
      }
    }
    return;
  }
  if (key == KeyF1 || key == KeyF10 || key == KeyF12 || key < 0 || key >= 256) return;
  // The key up goes where its key down went, so that no window is left with a stuck key.
  Window* target = c.keyTarget[key];
  c.keyTarget[key] = nullptr;
  if (IsLive(target)) PostMessage(target, Msg::KeyUp, key, 0);
}

void MouseDownEvent(const InputEvent& event, bool doubleClick) {
  auto& c = Core();
  c.altAlone = false;
  Window* main = c.mainWindow;
  if (c.menuTracking.open || (MenuReachable() && event.y >= 0 && event.y < MenuBarHeight(main))) {
    MenuHandleMouse(event);
    return;
  }
  Window* window = WindowAt(event.x, event.y);
  if (!window) return;
  if (!WindowEnabled(window)) {
    MessageBeep();
    return;
  }
  if (window->kind == Window::Kind::Dialog) BringToTop(window);
  if (!window->screen.Contains(event.x, event.y)) return;  // frame or caption
  c.capture = window;
  PostMessage(window, doubleClick ? Msg::LButtonDoubleClick : Msg::LButtonDown,
              event.x - window->screen.left, event.y - window->screen.top);
}

void MouseUpEvent(const InputEvent& event) {
  auto& c = Core();
  if (c.menuTracking.open) {
    MenuHandleMouse(event);
    return;
  }
  Window* window = c.capture;
  c.capture = nullptr;
  if (!IsLive(window)) return;
  PostMessage(window, Msg::LButtonUp, event.x - window->screen.left, event.y - window->screen.top);
}

void MouseMoveEvent(const InputEvent& event) {
  auto& c = Core();
  if (c.menuTracking.open) {
    MenuHandleMouse(event);
    return;
  }
  Window* window = c.capture;
  if (IsLive(window) && window->kind == Window::Kind::Dialog) {
    PostMessage(window, kMsgMouseMove, event.x - window->screen.left, event.y - window->screen.top);
  }
}

}  // namespace

bool WindowEnabled(const Window* window) {
  if (!IsLive(window) || window->disabled > 0) return false;
  return !(window->dialog && window->dialog->ended);
}

InputFocus CurrentInputFocus() {
  if (Core().menuTracking.open) return InputFocus::Menu;
  return TopVisibleDialog() ? InputFocus::Dialog : InputFocus::Main;
}

Window* ActiveWindow() {
  if (Window* dialog = TopVisibleDialog()) return dialog;
  Window* main = Core().mainWindow;
  return WindowEnabled(main) ? main : nullptr;
}

void HandleInput(const InputEvent& event) {
  auto& c = Core();
  switch (event.kind) {
    case InputEvent::Kind::KeyDown:
      if (event.key >= 0 && event.key < 256) c.keys[event.key] = true;
      KeyDownEvent(event);
      break;
    case InputEvent::Kind::KeyUp:
      if (event.key >= 0 && event.key < 256) c.keys[event.key] = false;
      KeyUpEvent(event);
      break;
    case InputEvent::Kind::Char: {
      if (c.menuTracking.open) break;
      Window* target = ActiveWindow();
      if (target) PostMessage(target, Msg::Char, Param(event.codepoint), 0);
      break;
    }
    case InputEvent::Kind::MouseDown:
      MouseDownEvent(event, false);
      break;
    case InputEvent::Kind::MouseDoubleClick:
      MouseDownEvent(event, true);
      break;
    case InputEvent::Kind::MouseUp:
      MouseUpEvent(event);
      break;
    case InputEvent::Kind::MouseMove:
      MouseMoveEvent(event);
      break;
    case InputEvent::Kind::CloseRequest:
      if (IsLive(c.mainWindow)) PostMessage(c.mainWindow, Msg::Close, 0, 0);
      break;
    case InputEvent::Kind::FocusLost:
      // As on the classic desktop, a window that loses the focus closes its open menu.
      CloseMenuTracking();
      c.altAlone = false;
      if (IsLive(c.mainWindow)) PostMessage(c.mainWindow, Msg::Activate, 0, activate::kFocus);
      break;
    case InputEvent::Kind::FocusGained:
      if (IsLive(c.mainWindow)) PostMessage(c.mainWindow, Msg::Activate, 1, activate::kFocus);
      break;
    case InputEvent::Kind::PadRemoved:
      if (IsLive(c.mainWindow)) PostMessage(c.mainWindow, Msg::Activate, 0, activate::kPadRemoved);
      break;
  }
}

}  // namespace platform::detail
