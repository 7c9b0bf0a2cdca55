#include "platform/sdl/display_connection.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <poll.h>

namespace platform::sdl {

void DisplayConnection::Attach(SDL_Window* window) {
  display_ = nullptr;
  fd_ = -1;
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || !SDL_GetWindowWMInfo(window, &info)) return;
  if (info.subsystem != SDL_SYSWM_X11 || info.info.x11.display == nullptr) return;
  display_ = info.info.x11.display;
  fd_ = ConnectionNumber(info.info.x11.display);
#else
  (void)window;
#endif
}

bool DisplayConnection::WaitReadable(int timeoutMs) const {
#if defined(SDL_VIDEO_DRIVER_X11)
  if (display_ == nullptr || fd_ < 0) return true;
  // Events read from the connection during an earlier request (a reply's wait) sit in the
  // library's queue, not in the socket.
  if (QLength(static_cast<Display*>(display_)) > 0) return true;
  pollfd connection{fd_, POLLIN, 0};
  return ::poll(&connection, 1, timeoutMs) != 0;
#else
  (void)timeoutMs;
  return true;
#endif
}

}  // namespace platform::sdl
