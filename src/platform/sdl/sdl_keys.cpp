// The keyboard map of the SDL backend: key positions and layouts to virtual-key codes.
#include <SDL_keycode.h>
#include <SDL_scancode.h>

#include "platform/sdl/sdl_input.h"

namespace platform::sdl {

namespace {

// Virtual-key codes the public header has no name for (the classic values).
constexpr int kKeyPause = 0x13;
constexpr int kKeyCapsLock = 0x14;
constexpr int kKeyPrintScreen = 0x2C;
constexpr int kKeyLeftWindows = 0x5B;
constexpr int kKeyRightWindows = 0x5C;
constexpr int kKeyApplications = 0x5D;
constexpr int kKeyNumLock = 0x90;
constexpr int kKeyScrollLock = 0x91;
constexpr int kKeyOemSemicolon = 0xBA;
constexpr int kKeyOemPlus = 0xBB;
constexpr int kKeyOemComma = 0xBC;
constexpr int kKeyOemMinus = 0xBD;
constexpr int kKeyOemPeriod = 0xBE;
constexpr int kKeyOemSlash = 0xBF;
constexpr int kKeyOemBackquote = 0xC0;
constexpr int kKeyOemOpenBracket = 0xDB;
constexpr int kKeyOemBackslash = 0xDC;
constexpr int kKeyOemCloseBracket = 0xDD;
constexpr int kKeyOemQuote = 0xDE;
constexpr int kKeyOem102 = 0xE2;  // the extra key beside the left Shift (ISO, Japanese "ro")

// The keypad's keys with Num Lock off, in keypad order 1 to 9, then 0.
constexpr int kKeypadCursor[10] = {KeyEnd,   KeyDown, KeyPageDown, KeyLeft,   KeyClear,
                                   KeyRight, KeyHome, KeyUp,       KeyPageUp, KeyInsert};

int KeypadKey(int scancode, bool numLock) {
  if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_0) {
    const int index = scancode - SDL_SCANCODE_KP_1;  // 0 to 8 for 1 to 9, 9 for 0
    if (numLock) return index == 9 ? KeyNumpad0 : KeyNumpad0 + index + 1;
    return kKeypadCursor[index];
  }
  switch (scancode) {
    case SDL_SCANCODE_KP_PERIOD:
      return numLock ? KeyDecimal : KeyDelete;
    case SDL_SCANCODE_KP_DIVIDE:
      return KeyDivide;
    case SDL_SCANCODE_KP_MULTIPLY:
      return KeyMultiply;
    case SDL_SCANCODE_KP_MINUS:
      return KeySubtract;
    case SDL_SCANCODE_KP_PLUS:
      return KeyAdd;
    case SDL_SCANCODE_KP_ENTER:
      return KeyReturn;
    default:
      return 0;
  }
}

int PositionKey(int scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
    return KeyA + (scancode - SDL_SCANCODE_A);
  }
  // The digit row runs 1 to 9, then 0.
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
    return Key0 + 1 + (scancode - SDL_SCANCODE_1);
  }
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) {
    return KeyF1 + (scancode - SDL_SCANCODE_F1);
  }
  switch (scancode) {
    case SDL_SCANCODE_0:
      return Key0;
    case SDL_SCANCODE_RETURN:
      return KeyReturn;
    case SDL_SCANCODE_ESCAPE:
      return KeyEscape;
    case SDL_SCANCODE_BACKSPACE:
      return KeyBack;
    case SDL_SCANCODE_TAB:
      return KeyTab;
    case SDL_SCANCODE_SPACE:
      return KeySpace;
    case SDL_SCANCODE_LEFT:
      return KeyLeft;
    case SDL_SCANCODE_RIGHT:
      return KeyRight;
    case SDL_SCANCODE_UP:
      return KeyUp;
    case SDL_SCANCODE_DOWN:
      return KeyDown;
    case SDL_SCANCODE_INSERT:
      return KeyInsert;
    case SDL_SCANCODE_DELETE:
      return KeyDelete;
    case SDL_SCANCODE_HOME:
      return KeyHome;
    case SDL_SCANCODE_END:
      return KeyEnd;
    case SDL_SCANCODE_PAGEUP:
      return KeyPageUp;
    case SDL_SCANCODE_PAGEDOWN:
      return KeyPageDown;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT:
      return KeyShift;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL:
      return KeyControl;
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT:
      return KeyAlt;
    case SDL_SCANCODE_LGUI:
      return kKeyLeftWindows;
    case SDL_SCANCODE_RGUI:
      return kKeyRightWindows;
    case SDL_SCANCODE_APPLICATION:
      return kKeyApplications;
    case SDL_SCANCODE_CAPSLOCK:
      return kKeyCapsLock;
    case SDL_SCANCODE_NUMLOCKCLEAR:
      return kKeyNumLock;
    case SDL_SCANCODE_SCROLLLOCK:
      return kKeyScrollLock;
    case SDL_SCANCODE_PAUSE:
      return kKeyPause;
    case SDL_SCANCODE_PRINTSCREEN:
      return kKeyPrintScreen;
    case SDL_SCANCODE_SEMICOLON:
      return kKeyOemSemicolon;
    case SDL_SCANCODE_EQUALS:
      return kKeyOemPlus;
    case SDL_SCANCODE_COMMA:
      return kKeyOemComma;
    case SDL_SCANCODE_MINUS:
      return kKeyOemMinus;
    case SDL_SCANCODE_PERIOD:
      return kKeyOemPeriod;
    case SDL_SCANCODE_SLASH:
      return kKeyOemSlash;
    case SDL_SCANCODE_GRAVE:
      return kKeyOemBackquote;
    case SDL_SCANCODE_LEFTBRACKET:
      return kKeyOemOpenBracket;
    case SDL_SCANCODE_BACKSLASH:
    case SDL_SCANCODE_INTERNATIONAL3:
      return kKeyOemBackslash;  // yen on Japanese keyboards
    case SDL_SCANCODE_RIGHTBRACKET:
      return kKeyOemCloseBracket;
    case SDL_SCANCODE_APOSTROPHE:
      return kKeyOemQuote;
    case SDL_SCANCODE_NONUSBACKSLASH:
    case SDL_SCANCODE_INTERNATIONAL1:
      return kKeyOem102;
    default:
      return 0;
  }
}

}  // namespace

int VirtualKeyFor(int scancode, int keycode, bool numLock) {
  if (const int keypad = KeypadKey(scancode, numLock)) return keypad;
  if (keycode >= SDLK_a && keycode <= SDLK_z) return KeyA + (keycode - SDLK_a);
  return PositionKey(scancode);
}

KeyRoute RouteKeyDown(int virtualKey, bool altHeld) {
  if (virtualKey == KeyF11) return KeyRoute::ToggleFullScreen;
  if (virtualKey == KeyReturn && altHeld) return KeyRoute::ToggleFullScreen;
  return KeyRoute::Deliver;
}

std::vector<std::uint32_t> CodePointsOf(std::string_view utf8) {
  std::vector<std::uint32_t> out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::size_t length = lead < 0x80   ? 1
                         : lead < 0xC2 ? 0
                         : lead < 0xE0 ? 2
                         : lead < 0xF0 ? 3
                         : lead < 0xF5 ? 4
                                       : 0;
    std::uint32_t value = length == 1   ? lead
                          : length == 2 ? lead & 0x1F
                          : length == 3 ? lead & 0x0F
                                        : lead & 0x07;
    bool valid = length != 0 && i + length <= utf8.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) valid = false;
      value = (value << 6) | (next & 0x3F);
    }
    if (!valid) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    out.push_back(value);
    i += length;
  }
  return out;
}

detail::InputEvent::Kind MouseDownKind(int clicks) {
  return clicks >= 2 && clicks % 2 == 0 ? detail::InputEvent::Kind::MouseDoubleClick
                                        : detail::InputEvent::Kind::MouseDown;
}

}  // namespace platform::sdl
