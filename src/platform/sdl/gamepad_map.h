// The gamepad as the keyboard: which key each button and each direction of the d-pad and the
// left stick stands for. Pure functions without SDL types, so that tests can drive them; the
// SDL backend feeds them SDL's game controller events (sdl_backend.cpp).
//
// In play:     d-pad / left stick  arrow keys, eight directions (diagonals hold two arrows)
//              A  pass (S)         B  shoot (A)      X  kick held and released like Space
//              Y  P                LB / RB  Shift (lob)          Start  the menu bar (F10)
// In a dialog or an open menu: d-pad and stick move as the arrow keys, A is Enter, B is Esc,
//              Start is F10 (opens or closes the menu bar).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/internal.h"

namespace platform::sdl {

// The buttons in the order of SDL's game controller buttons (SDL_CONTROLLER_BUTTON_A is 0).
enum class PadButton {
  A,
  B,
  X,
  Y,
  Back,
  Guide,
  Start,
  LeftStick,
  RightStick,
  LeftShoulder,
  RightShoulder,
  DpadUp,
  DpadDown,
  DpadLeft,
  DpadRight,
};
inline constexpr int kPadButtonCount = 15;

// Where the pad's input goes: the pitch, the top dialog, or an open drop-down menu.
enum class PadContext { Play, Dialog, Menu };

// What a button press stands for: a key held while the button is (with, for a letter, its
// character as the keyboard gives it), or nothing.
struct PadKey {
  int key = 0;               // virtual-key code, 0 for none
  std::uint32_t letter = 0;  // the character typed with it, 0 for none
};
PadKey KeyForButton(PadButton button, PadContext context);

// Direction bits: the arrow keys held.
inline constexpr unsigned kPadLeft = 1, kPadUp = 2, kPadRight = 4, kPadDown = 8;
// The arrows of the d-pad buttons held.
unsigned DpadDirections(bool up, bool down, bool left, bool right);
// The arrows of the stick at (x, y), -32768 to 32767 with y growing downwards: none inside the
// dead zone, otherwise one of eight directions (45-degree sectors centred on each).
unsigned StickDirections(int x, int y);
inline constexpr int kStickDeadZone = 12000;

// The key events that take the held arrows from `before` to `after`: releases first, then
// presses, each in the order Left, Up, Right, Down.
std::vector<detail::InputEvent> DirectionChanges(unsigned before, unsigned after);

// One pad: what it holds and what its buttons went down as, so that a release reports the
// key its press gave even when the context changed in between.
class PadMapper {
 public:
  std::vector<detail::InputEvent> Button(PadButton button, bool down, PadContext context);
  // The d-pad changes through Button; the stick through Stick.
  std::vector<detail::InputEvent> Stick(int x, int y);
  // Every key the pad holds, released (the pad is gone).
  std::vector<detail::InputEvent> ReleaseAll();
  // The arrows held now (direction bits).
  unsigned Directions() const { return directions_; }

 private:
  std::vector<detail::InputEvent> UpdateDirections();

  PadKey heldAs_[kPadButtonCount] = {};
  bool dpad_[4] = {};  // up, down, left, right
  int stickX_ = 0, stickY_ = 0;
  unsigned directions_ = 0;
};

// A held d-pad or stick keeps the player running as a held arrow key does. The game renews a
// run only on a key down (a single one moves the player a short slide and lets him stop), and
// on the keyboard those come from the key's own repeat; a pad has none, so the held arrows
// repeat here as key downs marked as repeats: the first kArrowRepeatDelayMs after the arrows
// last changed, then one every kArrowRepeatPeriodMs, the held arrows in turn, so that a
// diagonal alternates its two and the player runs along it. A late look gives one repeat,
// never a burst.
inline constexpr std::uint64_t kArrowRepeatDelayMs = 250;
inline constexpr std::uint64_t kArrowRepeatPeriodMs = 50;

class ArrowRepeat {
 public:
  // The arrows held at `nowMs`; a change starts the delay again.
  void Held(unsigned directions, std::uint64_t nowMs);
  // The repeat due by `nowMs`, if one is: false when none is.
  bool Due(std::uint64_t nowMs, detail::InputEvent* out);

 private:
  unsigned directions_ = 0;
  std::uint64_t nextMs_ = 0;
  int turn_ = 0;  // the arrow (0 Left, 1 Up, 2 Right, 3 Down) to look at first next time
};

}  // namespace platform::sdl
