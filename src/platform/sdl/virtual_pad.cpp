// The software gamepad on SDL's virtual joystick (see virtual_pad.h).
#include "platform/sdl/virtual_pad.h"

#include <SDL.h>

namespace platform::sdl {

namespace {

SDL_Joystick* Handle(void* joystick) {
  return static_cast<SDL_Joystick*>(joystick);
}

// The device index of the joystick with SDL's instance id, -1 when it is gone.
int DeviceIndexOf(int instance) {
  for (int index = 0; index < SDL_NumJoysticks(); ++index) {
    if (SDL_JoystickGetDeviceInstanceID(index) == instance) return index;
  }
  return -1;
}

}  // namespace

VirtualPad::~VirtualPad() {
  PullOut();
}

bool VirtualPad::PlugIn() {
  if (joystick_ != nullptr) return true;
  // Six axes (two sticks, two triggers) and SDL's fifteen controller buttons in their order:
  // SDL maps button n to controller button n and the first two axes to the left stick.
  const int index =
      SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, kPadButtonCount, 0);
  if (index < 0) return false;
  if (!SDL_IsGameController(index)) {
    SDL_JoystickDetachVirtual(index);
    return false;
  }
  // An open handle to set its state; the backend opens it as a controller on its own.
  SDL_Joystick* joystick = SDL_JoystickOpen(index);
  if (joystick == nullptr) {
    SDL_JoystickDetachVirtual(index);
    return false;
  }
  joystick_ = joystick;
  instance_ = SDL_JoystickInstanceID(joystick);
  return true;
}

void VirtualPad::PullOut() {
  if (joystick_ == nullptr) return;
  SDL_JoystickClose(Handle(joystick_));
  joystick_ = nullptr;
  const int index = DeviceIndexOf(instance_);
  if (index >= 0) SDL_JoystickDetachVirtual(index);
  instance_ = -1;
}

void VirtualPad::SetButton(PadButton button, bool down) {
  if (joystick_ == nullptr) return;
  SDL_JoystickSetVirtualButton(Handle(joystick_), int(button), down ? SDL_PRESSED : SDL_RELEASED);
}

void VirtualPad::SetStick(int x, int y) {
  if (joystick_ == nullptr) return;
  SDL_JoystickSetVirtualAxis(Handle(joystick_), SDL_CONTROLLER_AXIS_LEFTX, Sint16(x));
  SDL_JoystickSetVirtualAxis(Handle(joystick_), SDL_CONTROLLER_AXIS_LEFTY, Sint16(y));
}

}  // namespace platform::sdl
