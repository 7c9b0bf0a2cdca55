// The SDL backend's keyboard map, text input and click kinds. Key positions are given as USB HID
// keyboard usages (the numbers SDL's scancodes carry), so the table is checked against the
// keyboard standard rather than against itself.
#include <gtest/gtest.h>

#include "platform/sdl/sdl_input.h"

namespace platform::sdl {
namespace {

// USB HID keyboard usages.
constexpr int kPosA = 4, kPosQ = 20, kPosZ = 29;
constexpr int kPos1 = 30, kPos9 = 38, kPos0 = 39;
constexpr int kPosReturn = 40, kPosEscape = 41, kPosBackspace = 42, kPosTab = 43, kPosSpace = 44;
constexpr int kPosSemicolon = 51;
constexpr int kPosF1 = 58, kPosF10 = 67, kPosF11 = 68, kPosF12 = 69;
constexpr int kPosRight = 79, kPosLeft = 80, kPosDown = 81, kPosUp = 82;
constexpr int kPosKpDivide = 84, kPosKpMultiply = 85, kPosKpMinus = 86, kPosKpPlus = 87;
constexpr int kPosKpEnter = 88, kPosKp1 = 89, kPosKp0 = 98, kPosKpPeriod = 99;
constexpr int kPosVolumeUp = 128;
constexpr int kPosLeftCtrl = 224, kPosLeftShift = 225, kPosLeftAlt = 226;
constexpr int kPosRightCtrl = 228, kPosRightShift = 229, kPosRightAlt = 230;

constexpr int kNoKeycode = 0;
constexpr int kCyrillicEf = 0x0444;  // what a Russian layout puts on the A key

int Keypad(int digit) {
  return digit == 0 ? kPosKp0 : kPosKp1 + digit - 1;
}

TEST(SdlKeyMap, LettersFollowTheLayoutAndFallBackToThePosition) {
  for (int i = 0; i < 26; ++i) {
    EXPECT_EQ(VirtualKeyFor(kPosA + i, 'a' + i, false), KeyA + i) << char('a' + i);
  }
  // French layout: the key in the Q position types 'a'; a letter on the semicolon key.
  EXPECT_EQ(VirtualKeyFor(kPosQ, 'a', false), KeyA);
  EXPECT_EQ(VirtualKeyFor(kPosSemicolon, 'm', false), KeyA + ('M' - 'A'));
  // A layout without Latin letters reports the key by its position.
  EXPECT_EQ(VirtualKeyFor(kPosA, kCyrillicEf, false), KeyA);
  EXPECT_EQ(VirtualKeyFor(kPosZ, kNoKeycode, true), KeyA + 25);
}

TEST(SdlKeyMap, DigitRowRunsOneToNineThenZero) {
  for (int d = 1; d <= 9; ++d) EXPECT_EQ(VirtualKeyFor(kPos1 + d - 1, '0' + d, false), Key0 + d);
  EXPECT_EQ(VirtualKeyFor(kPos9, '9', true), Key0 + 9);
  EXPECT_EQ(VirtualKeyFor(kPos0, '0', false), Key0);
  // French layout: the digit row types symbols but still gives the digit keys.
  EXPECT_EQ(VirtualKeyFor(kPos1, '&', false), Key0 + 1);
}

TEST(SdlKeyMap, KeypadWithNumLockOnGivesKeypadDigits) {
  for (int d = 0; d <= 9; ++d)
    EXPECT_EQ(VirtualKeyFor(Keypad(d), kNoKeycode, true), KeyNumpad0 + d);
  EXPECT_EQ(VirtualKeyFor(kPosKpPeriod, kNoKeycode, true), KeyDecimal);
}

TEST(SdlKeyMap, KeypadWithNumLockOffGivesCursorKeys) {
  EXPECT_EQ(VirtualKeyFor(Keypad(8), kNoKeycode, false), KeyUp);
  EXPECT_EQ(VirtualKeyFor(Keypad(2), kNoKeycode, false), KeyDown);
  EXPECT_EQ(VirtualKeyFor(Keypad(4), kNoKeycode, false), KeyLeft);
  EXPECT_EQ(VirtualKeyFor(Keypad(6), kNoKeycode, false), KeyRight);
  EXPECT_EQ(VirtualKeyFor(Keypad(7), kNoKeycode, false), KeyHome);
  EXPECT_EQ(VirtualKeyFor(Keypad(9), kNoKeycode, false), KeyPageUp);
  EXPECT_EQ(VirtualKeyFor(Keypad(1), kNoKeycode, false), KeyEnd);
  EXPECT_EQ(VirtualKeyFor(Keypad(3), kNoKeycode, false), KeyPageDown);
  EXPECT_EQ(VirtualKeyFor(Keypad(5), kNoKeycode, false), KeyClear);
  EXPECT_EQ(VirtualKeyFor(Keypad(0), kNoKeycode, false), KeyInsert);
  EXPECT_EQ(VirtualKeyFor(kPosKpPeriod, kNoKeycode, false), KeyDelete);
}

TEST(SdlKeyMap, KeypadOperatorsIgnoreNumLock) {
  for (bool numLock : {false, true}) {
    EXPECT_EQ(VirtualKeyFor(kPosKpDivide, '/', numLock), KeyDivide);
    EXPECT_EQ(VirtualKeyFor(kPosKpMultiply, '*', numLock), KeyMultiply);
    EXPECT_EQ(VirtualKeyFor(kPosKpMinus, '-', numLock), KeySubtract);
    EXPECT_EQ(VirtualKeyFor(kPosKpPlus, '+', numLock), KeyAdd);
    EXPECT_EQ(VirtualKeyFor(kPosKpEnter, '\r', numLock), KeyReturn);
  }
}

TEST(SdlKeyMap, CursorEditingAndModifierKeys) {
  EXPECT_EQ(VirtualKeyFor(kPosLeft, kNoKeycode, false), KeyLeft);
  EXPECT_EQ(VirtualKeyFor(kPosRight, kNoKeycode, false), KeyRight);
  EXPECT_EQ(VirtualKeyFor(kPosUp, kNoKeycode, false), KeyUp);
  EXPECT_EQ(VirtualKeyFor(kPosDown, kNoKeycode, false), KeyDown);
  EXPECT_EQ(VirtualKeyFor(kPosReturn, '\r', false), KeyReturn);
  EXPECT_EQ(VirtualKeyFor(kPosEscape, 27, false), KeyEscape);
  EXPECT_EQ(VirtualKeyFor(kPosBackspace, 8, false), KeyBack);
  EXPECT_EQ(VirtualKeyFor(kPosTab, '\t', false), KeyTab);
  EXPECT_EQ(VirtualKeyFor(kPosSpace, ' ', false), KeySpace);
  EXPECT_EQ(VirtualKeyFor(kPosLeftShift, kNoKeycode, false), KeyShift);
  EXPECT_EQ(VirtualKeyFor(kPosRightShift, kNoKeycode, false), KeyShift);
  EXPECT_EQ(VirtualKeyFor(kPosLeftCtrl, kNoKeycode, false), KeyControl);
  EXPECT_EQ(VirtualKeyFor(kPosRightCtrl, kNoKeycode, false), KeyControl);
  EXPECT_EQ(VirtualKeyFor(kPosLeftAlt, kNoKeycode, false), KeyAlt);
  EXPECT_EQ(VirtualKeyFor(kPosRightAlt, kNoKeycode, false), KeyAlt);
}

TEST(SdlKeyMap, FunctionKeysAndUnknownKeys) {
  EXPECT_EQ(VirtualKeyFor(kPosF1, kNoKeycode, false), KeyF1);
  EXPECT_EQ(VirtualKeyFor(kPosF10, kNoKeycode, false), KeyF10);
  EXPECT_EQ(VirtualKeyFor(kPosF11, kNoKeycode, false), KeyF11);
  EXPECT_EQ(VirtualKeyFor(kPosF12, kNoKeycode, false), KeyF11 + 1);
  EXPECT_EQ(VirtualKeyFor(kPosVolumeUp, kNoKeycode, false), 0);
  EXPECT_EQ(VirtualKeyFor(0, kNoKeycode, false), 0);
}

TEST(SdlKeyMap, F11AndAltEnterToggleFullScreen) {
  EXPECT_EQ(RouteKeyDown(KeyF11, false), KeyRoute::ToggleFullScreen);
  EXPECT_EQ(RouteKeyDown(KeyF11, true), KeyRoute::ToggleFullScreen);
  EXPECT_EQ(RouteKeyDown(KeyReturn, true), KeyRoute::ToggleFullScreen);
  EXPECT_EQ(RouteKeyDown(KeyReturn, false), KeyRoute::Deliver);
  EXPECT_EQ(RouteKeyDown(KeyF10, false), KeyRoute::Deliver);  // the menu key
  EXPECT_EQ(RouteKeyDown(KeyA, true), KeyRoute::Deliver);
}

TEST(SdlTextInput, OneCharacterPerCodePoint) {
  EXPECT_EQ(CodePointsOf("a"), (std::vector<std::uint32_t>{'a'}));
  EXPECT_EQ(CodePointsOf("7*"), (std::vector<std::uint32_t>{'7', '*'}));
  EXPECT_EQ(CodePointsOf("日本"), (std::vector<std::uint32_t>{0x65E5, 0x672C}));
  EXPECT_EQ(CodePointsOf("ｱ\xC3\xA9"), (std::vector<std::uint32_t>{0xFF71, 0xE9}));
  EXPECT_EQ(CodePointsOf("\xF0\x9F\x98\x80"), (std::vector<std::uint32_t>{0x1F600}));
  EXPECT_TRUE(CodePointsOf("").empty());
}

TEST(SdlTextInput, MalformedBytesBecomeReplacementCharacters) {
  EXPECT_EQ(CodePointsOf("\xFF"), (std::vector<std::uint32_t>{0xFFFD}));
  EXPECT_EQ(CodePointsOf("a\xE6\x97"), (std::vector<std::uint32_t>{'a', 0xFFFD, 0xFFFD}));
  EXPECT_EQ(CodePointsOf("\xC3(b"), (std::vector<std::uint32_t>{0xFFFD, '(', 'b'}));
  EXPECT_EQ(CodePointsOf("\x80z"), (std::vector<std::uint32_t>{0xFFFD, 'z'}));
}

TEST(SdlMouse, EverySecondClickOfARunIsADoubleClick) {
  using Kind = detail::InputEvent::Kind;
  EXPECT_EQ(MouseDownKind(1), Kind::MouseDown);
  EXPECT_EQ(MouseDownKind(2), Kind::MouseDoubleClick);
  EXPECT_EQ(MouseDownKind(3), Kind::MouseDown);
  EXPECT_EQ(MouseDownKind(4), Kind::MouseDoubleClick);
  EXPECT_EQ(MouseDownKind(0), Kind::MouseDown);
}

}  // namespace
}  // namespace platform::sdl
