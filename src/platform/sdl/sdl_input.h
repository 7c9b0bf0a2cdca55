// The parts of the SDL backend that turn what SDL reports into the layer's input: the
// keyboard map to virtual-key codes, mouse clicks, text input, and the placement of the frame
// in the window (scale and letterbox) with its inverse for mouse positions.
//
// These are pure functions without SDL types, so that they can be tested without a display.
// Key positions are SDL scancodes, which are the USB HID keyboard usage numbers (A is 4,
// 1 is 30, the keypad's 1 is 89 ...); key codes are SDL key codes, which for the letter keys
// are the lower-case ASCII letter the current keyboard layout puts on that key.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/internal.h"
#include "platform/platform.h"

namespace platform::sdl {

// The virtual-key code of a key, or 0 for a key the layer does not know. Letters follow the
// keyboard layout (the key code) where it gives a Latin letter, the key position otherwise;
// digits and everything else follow the key position. The numeric keypad gives the keypad
// digits with Num Lock on and the cursor keys with Num Lock off (5 gives KeyClear).
int VirtualKeyFor(int scancode, int keycode, bool numLock);

// What a key press does before the program sees it.
enum class KeyRoute {
  Deliver,           // a KeyDown for the program
  ToggleFullScreen,  // F11 or Alt+Enter: handled by the backend, the program never sees it
};
KeyRoute RouteKeyDown(int virtualKey, bool altHeld);

// The code points of a UTF-8 text (one Char each); malformed bytes give U+FFFD.
std::vector<std::uint32_t> CodePointsOf(std::string_view utf8);

// A left button press with SDL's click count: the second click of a double click (and every
// even one after it) is a double click, as the classic desktop reports them.
detail::InputEvent::Kind MouseDownKind(int clicks);

// Where the frame is shown. The window's size is in the units of mouse positions, the output's
// in the renderer's pixels (the two differ on high-density screens).
struct ViewGeometry {
  int windowWidth = 0, windowHeight = 0;
  int outputWidth = 0, outputHeight = 0;
  int frameWidth = 0, frameHeight = 0;
};

// The rectangle of the output the frame is drawn into: the largest whole multiple of the frame
// size that fits, centred with black bars around it; when not even 1 × fits, the largest
// rectangle of the frame's proportions.
Rect PictureRect(const ViewGeometry& geometry);

// The frame pixel under a mouse position in window units. False when the position lies
// outside the picture (on a bar, or beyond the window); the point is then clamped to the
// nearest frame pixel.
bool WindowToFrame(const ViewGeometry& geometry, int x, int y, Point* framePoint);

}  // namespace platform::sdl
