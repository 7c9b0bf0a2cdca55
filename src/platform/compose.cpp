// The frame as the player sees it: the menu bar, the main window's client area, every dialog
// and message box in z-order and an open drop-down menu on top.
#include "platform/core.h"
#include "platform/paint_util.h"

namespace platform::detail {

Point FrameSize() {
  Window* main = Core().mainWindow;
  if (!main) return Point{};
  return Point{main->outerWidth, main->outerHeight};
}

void ComposeFrame(Surface* frame) {
  auto& c = Core();
  const Point size = FrameSize();
  if (frame->width != size.x || frame->height != size.y) frame->Resize(size.x, size.y, 0);
  if (size.x <= 0 || size.y <= 0) return;
  Window* main = c.mainWindow;
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
