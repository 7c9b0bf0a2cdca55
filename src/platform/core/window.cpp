// Windows and their messages: window classes, the main window, send and post, invalid areas,
// titles, icons, destruction and timers.
#include <algorithm>
#include <cstdio>

#include "platform/core/core.h"
#include "platform/draw/paint_util.h"

namespace platform {

namespace detail {

namespace {
CoreState* core = nullptr;
}  // namespace

CoreState& Core() {
  if (!core) core = new CoreState();
  return *core;
}

void ResetCore() {
  delete core;
  core = new CoreState();
}

bool IsLive(const Window* window) {
  return window != nullptr && !window->destroyed;
}

Param CallProc(Window* window, Msg msg, Param a, Param b) {
  if (!IsLive(window)) return 0;
  if (window->kind == Window::Kind::Dialog) return DialogDispatch(window, msg, a, b);
  if (!window->proc) return DefaultWindowProc(window, msg, a, b);
  return window->proc(window, msg, a, b);
}

void RemoveWindowState(Window* window) {
  auto& c = Core();
  std::erase_if(c.queue, [window](const QueuedMessage& m) { return m.window == window; });
  std::erase_if(c.timers, [window](const Timer& t) { return t.window == window; });
  if (c.capture == window) c.capture = nullptr;
  for (auto& target : c.keyTarget) {
    if (target == window) target = nullptr;
  }
}

std::uint64_t Now() {
  auto& c = Core();
  return c.backend ? c.backend->NowMs() : 0;
}

std::optional<std::uint64_t> NextTimerDue() {
  std::optional<std::uint64_t> next;
  for (const Timer& t : Core().timers) {
    if (!next || t.due < *next) next = t.due;
  }
  return next;
}

namespace {

const IconResource* FindIcon(Instance* instance, int id) {
  if (!instance || id == 0) return nullptr;
  for (const IconResource& icon : instance->resources.icons) {
    if (icon.id == id) return &icon;
  }
  return nullptr;
}

// Sets the client area of the main window from its outer size and menu bar.
void LayOutMainWindow(Window* window) {
  const int bar = window->menu ? kMenuBarHeight : 0;
  const int height = std::max(0, window->outerHeight - bar);
  // The main window's drawing says where it touched, so that the frame compares only there.
  window->surface.trackTouches = true;
  window->surface.Resize(window->outerWidth, height, kFaceGrey);
  window->screen = Rect{0, bar, window->outerWidth, bar + height};
  window->invalid = Rect{0, 0, window->outerWidth, height};
  window->erase = true;
  window->paintDelivered = false;
  Core().layoutDirty = true;
}

}  // namespace
}  // namespace detail

using detail::Core;
using detail::IsLive;

bool RegisterWindowClass(Instance* instance, const WindowClass& windowClass) {
  if (!instance || windowClass.name.empty() || !windowClass.proc) return false;
  for (const WindowClass& known : instance->classes) {
    if (known.name == windowClass.name) return false;
  }
  instance->classes.push_back(windowClass);
  return true;
}

Window* CreateMainWindow(Instance* instance, std::string_view className, std::string_view title,
                         unsigned style, int /*x*/, int /*y*/, int width, int height) {
  auto& c = Core();
  if (!instance || !c.backend) return nullptr;
  const WindowClass* windowClass = nullptr;
  for (const WindowClass& known : instance->classes) {
    if (known.name == className) windowClass = &known;
  }
  if (!windowClass) return nullptr;
  if (IsLive(c.mainWindow)) return nullptr;  // one top-level window per program
  if (width == kDefaultPosition) width = 640;
  if (height == kDefaultPosition) height = 480;
  if (width <= 0 || height <= 0 || width > 8192 || height > 8192) return nullptr;
  if (!c.backend->OpenDisplay(width, height, title, (style & window_style::kMaximizeBox) != 0)) {
    // The program ends as if it had no window; RunProgram then returns 1.
    std::fprintf(stderr, "%s: no display available (set DISPLAY or use --headless)\n",
                 c.programName.c_str());
    c.displayFailed = true;
    return nullptr;
  }

  auto owned = std::make_unique<Window>();
  Window* window = owned.get();
  window->kind = Window::Kind::Main;
  window->instance = instance;
  window->windowClass = *windowClass;
  window->proc = windowClass->proc;
  window->title = std::string(title);
  window->outerWidth = width;
  window->outerHeight = height;
  c.windows.push_back(std::move(owned));
  c.mainWindow = window;
  detail::LayOutMainWindow(window);

  c.backend->SetTitle(window->title);
  const IconResource* icon = detail::FindIcon(instance, windowClass->largeIcon);
  if (!icon) icon = detail::FindIcon(instance, windowClass->smallIcon);
  if (icon) c.backend->SetIcon(*icon);

  CreateParams params{instance};
  if (detail::CallProc(window, Msg::Create, 0, reinterpret_cast<Param>(&params)) == -1) {
    DestroyWindow(window);
    return nullptr;
  }
  if (!IsLive(window)) return nullptr;
  detail::CallProc(window, Msg::Size, window->surface.width, window->surface.height);
  return IsLive(window) ? window : nullptr;
}

void ShowWindow(Window* window, int /*showState*/) {
  if (IsLive(window)) Core().layoutDirty = true;
}

void UpdateWindow(Window* window) {
  if (!IsLive(window) || window->invalid.Empty()) return;
  if (window->dialog && window->dialog->ended) return;
  detail::CallProc(window, Msg::Paint, 0, 0);
}

Param SendMessage(Window* window, Msg msg, Param a, Param b) {
  return detail::CallProc(window, msg, a, b);
}

bool PostMessage(Window* window, Msg msg, Param a, Param b) {
  if (window && !IsLive(window)) return false;
  Core().queue.push_back(QueuedMessage{window, msg, a, b});
  return true;
}

void PostQuitMessage(int exitCode) {
  auto& c = Core();
  c.quitPending = true;
  c.quitCode = exitCode;
}

void InvalidateRect(Window* window, const Rect* rect, bool erase) {
  if (!IsLive(window)) return;
  const Rect client{0, 0, window->surface.width, window->surface.height};
  const Rect area = rect ? detail::Intersect(*rect, client) : client;
  if (area.Empty()) return;
  window->invalid = detail::Union(window->invalid, area);
  window->erase = window->erase || erase;
  window->paintDelivered = false;
}

void SetWindowTitle(Window* window, std::string_view title) {
  if (!IsLive(window)) return;
  window->title = std::string(title);
  auto& c = Core();
  // A screenshot notice keeps the title bar until it ends; then this title shows.
  if (window == c.mainWindow && c.backend && !c.titleNoticeEnds) c.backend->SetTitle(window->title);
  c.layoutDirty = true;
}

std::string GetWindowTitle(Window* window) {
  return IsLive(window) ? window->title : std::string();
}

Rect GetClientRect(Window* window) {
  if (!IsLive(window)) return Rect{};
  return Rect{0, 0, window->surface.width, window->surface.height};
}

Rect GetClientScreenRect(Window* window) {
  return IsLive(window) ? window->screen : Rect{};
}

void DestroyWindow(Window* window) {
  if (!IsLive(window)) return;
  auto& c = Core();
  if (window->kind == Window::Kind::Dialog) {
    EndDialog(window, 0);
    return;
  }
  // Dialogs go with the main window.
  if (window == c.mainWindow) {
    for (Window* dialog : c.dialogs) EndDialog(dialog, 0);
    detail::CloseMenuTracking();
  }
  detail::CallProc(window, Msg::Destroy, 0, 0);
  window->destroyed = true;
  window->menu = nullptr;
  window->surface = detail::Surface{};
  window->invalid = Rect{};
  detail::RemoveWindowState(window);
  c.layoutDirty = true;
}

Window* MainWindow() {
  return Core().mainWindow;
}

bool SetTimer(Window* window, int id, int periodMs) {
  if (!IsLive(window) || periodMs < 0) return false;
  auto& c = Core();
  const int period = std::max(periodMs, 1);
  const std::uint64_t due = detail::Now() + std::uint64_t(period);
  for (detail::Timer& t : c.timers) {
    if (t.window == window && t.id == id) {
      t.period = period;
      t.due = due;
      return true;
    }
  }
  c.timers.push_back(detail::Timer{window, id, period, due});
  return true;
}

int DisplayFrameMs() {
  detail::Backend* backend = Core().backend;
  if (backend == nullptr || !backend->WantsFrames()) return 0;
  return 1000 / std::clamp(backend->RefreshRate(), 24, 500);
}

void KillTimer(Window* window, int id) {
  std::erase_if(Core().timers,
                [&](const detail::Timer& t) { return t.window == window && t.id == id; });
}

void MessageBeep() {
  auto& c = Core();
  if (c.backend) c.backend->Beep();
}

bool IsKeyDown(int key) {
  return key >= 0 && key < 256 && Core().keys[key];
}

// ----- menus attached to windows (the menu records themselves live in menu/menu.cpp)

void SetMenu(Window* window, Menu* menu) {
  if (!IsLive(window) || window->kind != Window::Kind::Main) return;
  if (menu && menu->destroyed) menu = nullptr;
  const bool hadBar = window->menu != nullptr;
  window->menu = menu;
  detail::CloseMenuTracking();
  Core().layoutDirty = true;
  if (hadBar != (menu != nullptr)) {
    detail::LayOutMainWindow(window);
    detail::CallProc(window, Msg::Size, window->surface.width, window->surface.height);
  }
}

Menu* GetMenu(Window* window) {
  return IsLive(window) ? window->menu : nullptr;
}

}  // namespace platform
