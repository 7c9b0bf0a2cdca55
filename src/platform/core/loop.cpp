// The message loop: which message comes next (posted messages and input, then paints, then
// timers), blocking without spinning, dispatching, and what happens when the loop goes idle.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/core/core.h"

namespace platform {
namespace detail {

namespace {

void PumpInput() {
  auto& c = Core();
  if (!c.backend) return;
  InputEvent event;
  while (c.backend->PollInput(&event)) HandleInput(event);
}

// The windows that may need a paint, in the order they are painted: the main window, then
// the dialogs from the bottom up.
template <typename F>
void ForEachPaintable(F f) {
  auto& c = Core();
  if (IsLive(c.mainWindow) && f(c.mainWindow)) return;
  for (std::size_t i = 0; i < c.dialogs.size(); ++i) {
    Window* dialog = c.dialogs[i];
    if (IsLive(dialog) && !dialog->dialog->ended && f(dialog)) return;
  }
}

bool TakePaint(QueuedMessage* message) {
  bool found = false;
  ForEachPaintable([&](Window* window) {
    if (window->invalid.Empty()) return false;
    if (window->paintDelivered) {
      // The procedure took the last Paint without painting: the area counts as painted, as
      // it would after BeginPaint and EndPaint.
      window->invalid = Rect{};
      window->erase = false;
      window->paintDelivered = false;
      return false;
    }
    window->paintDelivered = true;
    *message = QueuedMessage{window, Msg::Paint, 0, 0};
    found = true;
    return true;
  });
  return found;
}

bool TakeTimer(QueuedMessage* message) {
  auto& c = Core();
  const std::uint64_t now = Now();
  Timer* due = nullptr;
  for (Timer& t : c.timers) {
    if (t.due <= now && (!due || t.due < due->due)) due = &t;
  }
  if (!due) return false;
  // One message for however many periods have passed: after a stall the next one is a full
  // period away.
  const std::uint64_t next = due->due + std::uint64_t(due->period);
  due->due = next <= now ? now + std::uint64_t(due->period) : next;
  *message = QueuedMessage{due->window, Msg::Timer, due->id, 0};
  return true;
}

void SignalReady() {
  auto& c = Core();
  if (c.readySignalled) return;
  c.readySignalled = true;
  const char* value = std::getenv("PLATFORM_READY_FD");
  if (!value || !*value) return;
  char* end = nullptr;
  const long fd = std::strtol(value, &end, 10);
  unsetenv("PLATFORM_READY_FD");
  if (*end != '\0' || fd < 0 || fd > 1 << 20) return;
  const char byte = 1;
  ssize_t written;
  do {
    written = ::write(int(fd), &byte, 1);
  } while (written < 0 && errno == EINTR);
  ::close(int(fd));
}

bool FrameChanged() {
  auto& c = Core();
  if (c.layoutDirty) return true;
  if (IsLive(c.mainWindow) && c.mainWindow->surface.dirty) return true;
  for (Window* dialog : c.dialogs) {
    if (IsLive(dialog) && !dialog->dialog->ended && dialog->surface.dirty) return true;
  }
  return false;
}

void ClearDirty() {
  auto& c = Core();
  c.layoutDirty = false;
  for (auto& window : c.windows) {
    window->surface.dirty = false;
    window->surface.ClearTouches();
  }
}

}  // namespace

bool TakeMessage(QueuedMessage* message, bool* quit) {
  auto& c = Core();
  *quit = false;
  PumpInput();
  EndTitleNotice();
  if (!c.queue.empty()) {
    *message = c.queue.front();
    c.queue.pop_front();
    return true;
  }
  if (c.quitPending) {
    c.quitPending = false;
    *message = QueuedMessage{nullptr, Msg::User, c.quitCode, 0};
    *quit = true;
    return true;
  }
  if (TakePaint(message)) return true;
  return TakeTimer(message);
}

bool HasWork() {
  auto& c = Core();
  if (!c.queue.empty() || c.quitPending) return true;
  bool paint = false;
  ForEachPaintable([&](Window* window) {
    paint = !window->invalid.Empty() && !window->paintDelivered;
    return paint;
  });
  if (paint) return true;
  const auto next = NextTimerDue();
  return next && *next <= Now();
}

void GoIdle() {
  auto& c = Core();
  if (c.backend && c.backend->WantsFrames() && FrameChanged()) {
    static Surface frame;
    ComposeFrame(&frame, true);
    if (frame.width > 0 && frame.height > 0) c.backend->Present(frame);
    std::fill(frame.changedRows.begin(), frame.changedRows.end(), std::uint8_t{0});
    ClearDirty();
  }
  SignalReady();
}

}  // namespace detail

using detail::Core;

bool GetMessage(QueuedMessage* message) {
  auto& c = Core();
  QueuedMessage scratch;
  if (!message) message = &scratch;
  for (;;) {
    if (!c.backend) {
      *message = QueuedMessage{nullptr, Msg::User, 0, 0};
      return false;
    }
    bool quit = false;
    if (detail::TakeMessage(message, &quit)) return !quit;
    detail::GoIdle();
    std::optional<std::uint64_t> deadline = detail::NextTimerDue();
    if (c.titleNoticeEnds && (!deadline || *c.titleNoticeEnds < *deadline)) {
      deadline = c.titleNoticeEnds;
    }
    c.backend->Wait(deadline);
  }
}

void TranslateMessage(const QueuedMessage* /*message*/) {}

Param DispatchMessage(const QueuedMessage* message) {
  if (!message || !detail::IsLive(message->window)) return 0;
  Window* window = message->window;
  // Posted messages for a dialog that has ended are dropped.
  if (window->dialog && window->dialog->ended) return 0;
  return detail::CallProc(window, message->msg, message->a, message->b);
}

Param DefaultWindowProc(Window* window, Msg msg, Param /*a*/, Param /*b*/) {
  switch (msg) {
    case Msg::Close:
      DestroyWindow(window);
      return 0;
    case Msg::Paint: {
      PaintInfo info;
      BeginPaint(window, &info);
      EndPaint(window, &info);
      return 0;
    }
    default:
      return 0;
  }
}

}  // namespace platform
