#include "platform/sdl/window_hints.h"

#include <SDL.h>
#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11) && defined(PLATFORM_HAVE_XLIB)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace platform::sdl {

void LeaveOutMaximise(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11) && defined(PLATFORM_HAVE_XLIB)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || !SDL_GetWindowWMInfo(window, &info)) return;
  if (info.subsystem != SDL_SYSWM_X11 || info.info.x11.display == nullptr) return;
  Display* display = info.info.x11.display;
  // The Motif hints: every function and decoration but the ones named (the "all" bit set),
  // here maximise alone; moving, minimising, closing and the window menu stay.
  constexpr long kFunctionsAndDecorations = 1 | 2;
  constexpr long kAllBut = 1;
  constexpr long kMaximiseFunction = 16;
  constexpr long kMaximiseButton = 64;
  long hints[5] = {kFunctionsAndDecorations, kAllBut | kMaximiseFunction, kAllBut | kMaximiseButton,
                   0, 0};
  const Atom motif = XInternAtom(display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(display, info.info.x11.window, motif, motif, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(hints), 5);
  XFlush(display);
#else
  (void)window;
#endif
}

}  // namespace platform::sdl
