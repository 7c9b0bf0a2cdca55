// The gamepad's buttons and directions as keys (see gamepad_map.h for the mapping).
#include "platform/sdl/gamepad_map.h"

#include <cmath>

namespace platform::sdl {

namespace {

using detail::InputEvent;

InputEvent KeyEvent(InputEvent::Kind kind, int key) {
  InputEvent event;
  event.kind = kind;
  event.key = key;
  return event;
}

constexpr unsigned kDirectionBits[4] = {kPadLeft, kPadUp, kPadRight, kPadDown};
constexpr int kDirectionKeys[4] = {KeyLeft, KeyUp, KeyRight, KeyDown};

PadKey Letter(char letter) {
  return PadKey{KeyA + (letter - 'A'), std::uint32_t(letter)};
}

}  // namespace

PadKey KeyForButton(PadButton button, PadContext context) {
  if (button == PadButton::Start) return PadKey{KeyF10, 0};
  if (context != PadContext::Play) {
    switch (button) {
      case PadButton::A:
        return PadKey{KeyReturn, 0};
      case PadButton::B:
        return PadKey{KeyEscape, 0};
      default:
        return PadKey{};
    }
  }
  switch (button) {
    case PadButton::A:
      return Letter('S');
    case PadButton::B:
      return Letter('A');
    case PadButton::X:
      return PadKey{KeySpace, 0};
    case PadButton::Y:
      return Letter('P');
    case PadButton::LeftShoulder:
    case PadButton::RightShoulder:
      return PadKey{KeyShift, 0};
    default:
      return PadKey{};
  }
}

unsigned DpadDirections(bool up, bool down, bool left, bool right) {
  unsigned bits = 0;
  if (left && !right) bits |= kPadLeft;
  if (right && !left) bits |= kPadRight;
  if (up && !down) bits |= kPadUp;
  if (down && !up) bits |= kPadDown;
  return bits;
}

unsigned StickDirections(int x, int y) {
  const double dx = x, dy = y;
  if (dx * dx + dy * dy < double(kStickDeadZone) * double(kStickDeadZone)) return 0;
  // Sectors of 45 degrees counted anticlockwise from the right, with up as screen up.
  const double angle = std::atan2(-dy, dx);
  int sector = int(std::lround(angle / (M_PI / 4)));
  sector = ((sector % 8) + 8) % 8;
  constexpr unsigned kSectors[8] = {kPadRight, kPadRight | kPadUp,  kPadUp,   kPadUp | kPadLeft,
                                    kPadLeft,  kPadLeft | kPadDown, kPadDown, kPadDown | kPadRight};
  return kSectors[sector];
}

std::vector<InputEvent> DirectionChanges(unsigned before, unsigned after) {
  std::vector<InputEvent> events;
  for (int i = 0; i < 4; ++i) {
    if ((before & kDirectionBits[i]) && !(after & kDirectionBits[i])) {
      events.push_back(KeyEvent(InputEvent::Kind::KeyUp, kDirectionKeys[i]));
    }
  }
  for (int i = 0; i < 4; ++i) {
    if (!(before & kDirectionBits[i]) && (after & kDirectionBits[i])) {
      events.push_back(KeyEvent(InputEvent::Kind::KeyDown, kDirectionKeys[i]));
    }
  }
  return events;
}

std::vector<InputEvent> PadMapper::UpdateDirections() {
  const unsigned now =
      DpadDirections(dpad_[0], dpad_[1], dpad_[2], dpad_[3]) | StickDirections(stickX_, stickY_);
  // The d-pad and the stick pointing opposite ways cancel out.
  unsigned held = now;
  if ((held & kPadLeft) && (held & kPadRight)) held &= ~(kPadLeft | kPadRight);
  if ((held & kPadUp) && (held & kPadDown)) held &= ~(kPadUp | kPadDown);
  std::vector<InputEvent> events = DirectionChanges(directions_, held);
  directions_ = held;
  return events;
}

std::vector<InputEvent> PadMapper::Button(PadButton button, bool down, PadContext context) {
  const int index = int(button);
  if (index < 0 || index >= kPadButtonCount) return {};
  if (button >= PadButton::DpadUp) {
    dpad_[index - int(PadButton::DpadUp)] = down;
    return UpdateDirections();
  }
  std::vector<InputEvent> events;
  PadKey& held = heldAs_[index];
  if (down) {
    if (held.key != 0) return events;  // already down
    held = KeyForButton(button, context);
    if (held.key == 0) return events;
    events.push_back(KeyEvent(InputEvent::Kind::KeyDown, held.key));
    if (held.letter != 0) {
      InputEvent character;
      character.kind = InputEvent::Kind::Char;
      character.codepoint = held.letter;
      events.push_back(character);
    }
  } else if (held.key != 0) {
    events.push_back(KeyEvent(InputEvent::Kind::KeyUp, held.key));
    held = PadKey{};
  }
  return events;
}

std::vector<InputEvent> PadMapper::Stick(int x, int y) {
  stickX_ = x;
  stickY_ = y;
  return UpdateDirections();
}

std::vector<InputEvent> PadMapper::ReleaseAll() {
  std::vector<InputEvent> events;
  for (PadKey& held : heldAs_) {
    if (held.key != 0) events.push_back(KeyEvent(InputEvent::Kind::KeyUp, held.key));
    held = PadKey{};
  }
  for (bool& pressed : dpad_) pressed = false;
  stickX_ = stickY_ = 0;
  std::vector<InputEvent> directions = UpdateDirections();
  events.insert(events.end(), directions.begin(), directions.end());
  return events;
}

void ArrowRepeat::Held(unsigned directions, std::uint64_t nowMs) {
  if (directions == directions_) return;
  directions_ = directions;
  nextMs_ = nowMs + kArrowRepeatDelayMs;
  turn_ = 0;
}

bool ArrowRepeat::Due(std::uint64_t nowMs, InputEvent* out) {
  if (directions_ == 0 || nowMs < nextMs_) return false;
  for (int step = 0; step < 4; ++step) {
    const int i = (turn_ + step) % 4;
    if ((directions_ & kDirectionBits[i]) == 0) continue;
    *out = KeyEvent(InputEvent::Kind::KeyDown, kDirectionKeys[i]);
    out->repeat = true;
    turn_ = (i + 1) % 4;
    break;
  }
  nextMs_ = nowMs + kArrowRepeatPeriodMs;
  return true;
}

}  // namespace platform::sdl
