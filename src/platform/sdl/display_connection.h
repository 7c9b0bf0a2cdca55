// The window's connection to the display server, for the backend's short waits: SDL's own wait
// looks at an X11 connection about a dozen times per call, and during a match the game's 10 ms
// timer makes a hundred such waits a second. Free of X11 types: the X11 headers stay in the
// .cpp, away from the layer's own names.
#pragma once

struct SDL_Window;

namespace platform::sdl {

class DisplayConnection {
 public:
  // Finds the connection of the window's display; none for a driver other than X11.
  void Attach(SDL_Window* window);
  bool Attached() const { return display_ != nullptr; }
  // Sleeps until the connection has something to read or `timeoutMs` has passed; returns at
  // once when the client library already holds events read earlier. False when the time ran
  // out with nothing to read (SDL's events need no pumping for the display then); true when
  // something came, or may have.
  bool WaitReadable(int timeoutMs) const;

 private:
  void* display_ = nullptr;  // the X11 Display of the window
  int fd_ = -1;
};

}  // namespace platform::sdl
