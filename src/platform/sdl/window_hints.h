// What the window asks of the window manager beyond SDL's flags: a main window whose style has
// no maximise box gets no maximise button and no maximise command (X11's Motif hints; SDL only
// keeps the size fixed, which some window managers take as enough and others do not).
#pragma once

struct SDL_Window;

namespace platform::sdl {

// Leaves the maximise button and command out of the window's frame; does nothing for a driver
// other than X11. Called before the window is first shown, and again after full screen.
void LeaveOutMaximise(SDL_Window* window);

}  // namespace platform::sdl
