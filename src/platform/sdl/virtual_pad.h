// A gamepad that exists only in software: SDL's virtual joystick of the game controller type,
// which SDL maps as a game controller of its own. Tests plug it in, press its buttons, move
// its left stick and pull it out, and the SDL backend sees it as it sees a pad on a USB port:
// device added and removed, button and axis events read on the backend's next look at the pads.
//
// SDL's game controller support must be running (the SDL backend starts it). No SDL types, so
// that tests above the layer can use it.
#pragma once

#include "platform/sdl/gamepad_map.h"

namespace platform::sdl {

class VirtualPad {
 public:
  VirtualPad() = default;
  ~VirtualPad();
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  // Plugs the pad in. False when SDL cannot make one or does not see it as a game controller.
  bool PlugIn();
  // Pulls it out; what it held is left to SDL and the backend. Nothing when it is not in.
  void PullOut();
  bool PluggedIn() const { return joystick_ != nullptr; }

  // The state the backend reads next time it looks at the pads.
  void SetButton(PadButton button, bool down);
  // The left stick, -32768 to 32767, y growing downwards.
  void SetStick(int x, int y);

 private:
  void* joystick_ = nullptr;  // SDL_Joystick
  int instance_ = -1;         // SDL's instance id
};

}  // namespace platform::sdl
