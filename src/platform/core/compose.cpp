// The frame as the player sees it: the menu bar, the main window's client area, every dialog
// and message box in z-order and an open drop-down menu on top.
#include <algorithm>
#include <cstring>

#include "platform/core/core.h"
#include "platform/draw/paint_util.h"

namespace platform::detail {

Point FrameSize() {
  Window* main = Core().mainWindow;
  if (!main) return Point{};
  return Point{main->outerWidth, main->outerHeight};
}

namespace {

bool OnlyTheMainWindowShows() {
  auto& c = Core();
  if (c.layoutDirty || c.menuTracking.open) return false;
  for (Window* dialog : c.dialogs) {
    if (IsLive(dialog) && !dialog->dialog->ended) return false;
  }
  return true;
}

// The main window's rows copied where they differ from the frame, and marked with the columns
// that may differ. Where the window's drawing says which columns it touched, only those are
// compared and copied.
void ComposeChangedRows(Surface* frame, Window* main) {
  const Point size{frame->width, frame->height};
  frame->changedLeft.assign(std::size_t(size.y), 0);
  frame->changedRight.assign(std::size_t(size.y), size.x);
  const int menuBottom = std::clamp(main->screen.top, 0, size.y);
  // The menu bar is small and drawn again every time.
  if (main->menu) DrawMenuBar(frame, main);
  std::fill(frame->changedRows.begin(), frame->changedRows.begin() + menuBottom, 1);
  const Surface& source = main->surface;
  const int x = main->screen.left, y0 = main->screen.top;
  const Rect r =
      Intersect(Rect{x, y0, x + source.width, y0 + source.height}, Rect{0, 0, size.x, size.y});
  if (r.Empty()) return;
  const bool touches = source.trackTouches && source.touchLeft.size() == std::size_t(source.height);
  for (int y = r.top; y < r.bottom; ++y) {
    int left = r.left, right = r.right;
    if (touches) {
      left = std::max(left, x + source.touchLeft[std::size_t(y - y0)]);
      right = std::min(right, x + source.touchRight[std::size_t(y - y0)]);
      if (left >= right) continue;
    }
    const std::size_t bytes = std::size_t(right - left) * sizeof(std::uint32_t);
    const std::uint32_t* from = source.Row(y - y0) + (left - x);
    std::uint32_t* to = frame->Row(y) + left;
    if (std::memcmp(to, from, bytes) == 0) continue;
    std::memcpy(to, from, bytes);
    frame->changedRows[std::size_t(y)] = 1;
    frame->changedLeft[std::size_t(y)] = left;
    frame->changedRight[std::size_t(y)] = right;
  }
}

}  // namespace

void ComposeFrame(Surface* frame, bool incremental) {
  auto& c = Core();
  const Point size = FrameSize();
  const bool sameSize = frame->width == size.x && frame->height == size.y;
  if (!sameSize) frame->Resize(size.x, size.y, 0);
  if (size.x <= 0 || size.y <= 0) return;
  Window* main = c.mainWindow;
  const bool known = incremental && sameSize && frame->changedRows.size() == std::size_t(size.y);
  if (incremental) frame->changedRows.resize(std::size_t(size.y), 0);
  frame->rowsKnown = false;
  if (known && IsLive(main) && OnlyTheMainWindowShows()) {
    ComposeChangedRows(frame, main);
    frame->rowsKnown = true;
    frame->dirty = true;
    return;
  }
  if (IsLive(main)) {
    if (main->menu) DrawMenuBar(frame, main);
    Blit(frame, main->surface, main->screen.left, main->screen.top);
  } else {
    FillBox(frame, Rect{0, 0, size.x, size.y}, kBlack);
  }
  for (Window* dialog : c.dialogs) {
    if (IsLive(dialog) && !dialog->dialog->ended) DrawDialogFrame(frame, dialog);
  }
  if (c.menuTracking.open && IsLive(main) && main->menu) DrawDropDown(frame, main);
  frame->dirty = true;
}

}  // namespace platform::detail
