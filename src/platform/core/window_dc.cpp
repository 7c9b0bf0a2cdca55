// Device contexts of windows and dialogs: each draws into the window's own client surface.
// BeginPaint hands out the invalid area (erased with the class background when asked) and
// marks the window painted.
#include "platform/core/core.h"

namespace platform {

using detail::IsLive;

DeviceContext* GetDC(Window* window) {
  if (!IsLive(window) || window->surface.width <= 0 || window->surface.height <= 0) return nullptr;
  return detail::CreateSurfaceDC(&window->surface);
}

void ReleaseDC(Window* /*window*/, DeviceContext* dc) {
  if (dc) DeleteDC(dc);
}

DeviceContext* BeginPaint(Window* window, PaintInfo* info) {
  PaintInfo scratch;
  if (!info) info = &scratch;
  *info = PaintInfo{};
  if (!IsLive(window)) return nullptr;
  const Rect area = window->invalid;
  const bool erase = window->erase;
  window->invalid = Rect{};
  window->erase = false;
  window->paintDelivered = false;
  DeviceContext* dc = GetDC(window);
  if (!dc) return nullptr;
  if (window->kind == Window::Kind::Dialog) {
    info->erase = true;  // the dialog's paint has filled the area with the face grey
  } else if (erase && !area.Empty() && window->windowClass.background) {
    FillRect(dc, area, window->windowClass.background);
    info->erase = true;
  }
  SetClipRect(dc, &area);
  info->dc = dc;
  info->paintRect = area;
  return dc;
}

void EndPaint(Window* /*window*/, PaintInfo* info) {
  if (!info || !info->dc) return;
  DeleteDC(info->dc);
  info->dc = nullptr;
}

}  // namespace platform
