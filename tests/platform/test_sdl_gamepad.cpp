// The gamepad as keys: the buttons in play and in dialogs, the eight directions of the stick,
// and a pad's held keys released as they went down.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sdl/gamepad_map.h"

namespace {

using namespace platform;
using namespace platform::sdl;
using Kind = detail::InputEvent::Kind;

std::string Describe(const std::vector<detail::InputEvent>& events) {
  std::string out;
  for (const auto& e : events) {
    if (!out.empty()) out += ' ';
    switch (e.kind) {
      case Kind::KeyDown:
        out += "down:" + std::to_string(e.key);
        break;
      case Kind::KeyUp:
        out += "up:" + std::to_string(e.key);
        break;
      case Kind::Char:
        out += std::string("char:") + char(e.codepoint);
        break;
      default:
        out += "other";
    }
  }
  return out;
}

std::string Down(int key) {
  return "down:" + std::to_string(key);
}
std::string Up(int key) {
  return "up:" + std::to_string(key);
}

TEST(GamepadButtons, PlayPassesShootsAndKicksAndDialogsTakeEnterAndEsc) {
  EXPECT_EQ(KeyForButton(PadButton::A, PadContext::Play).letter, std::uint32_t('S'));
  EXPECT_EQ(KeyForButton(PadButton::A, PadContext::Play).key, KeyA + ('S' - 'A'));
  EXPECT_EQ(KeyForButton(PadButton::B, PadContext::Play).letter, std::uint32_t('A'));
  EXPECT_EQ(KeyForButton(PadButton::Y, PadContext::Play).letter, std::uint32_t('P'));
  EXPECT_EQ(KeyForButton(PadButton::X, PadContext::Play).key, KeySpace);
  EXPECT_EQ(KeyForButton(PadButton::X, PadContext::Play).letter, 0u);
  EXPECT_EQ(KeyForButton(PadButton::LeftShoulder, PadContext::Play).key, KeyShift);
  EXPECT_EQ(KeyForButton(PadButton::RightShoulder, PadContext::Play).key, KeyShift);
  for (const PadContext context : {PadContext::Play, PadContext::Dialog, PadContext::Menu}) {
    EXPECT_EQ(KeyForButton(PadButton::Start, context).key, KeyF10);
    EXPECT_EQ(KeyForButton(PadButton::Guide, context).key, 0);
  }
  for (const PadContext context : {PadContext::Dialog, PadContext::Menu}) {
    EXPECT_EQ(KeyForButton(PadButton::A, context).key, KeyReturn);
    EXPECT_EQ(KeyForButton(PadButton::A, context).letter, 0u);
    EXPECT_EQ(KeyForButton(PadButton::B, context).key, KeyEscape);
    EXPECT_EQ(KeyForButton(PadButton::X, context).key, 0);  // no kick inside a dialog
    EXPECT_EQ(KeyForButton(PadButton::LeftShoulder, context).key, 0);
  }
}

TEST(GamepadStick, GivesEightDirectionsOutsideTheDeadZone) {
  EXPECT_EQ(StickDirections(0, 0), 0u);
  EXPECT_EQ(StickDirections(kStickDeadZone - 1, 0), 0u);
  EXPECT_EQ(StickDirections(-8000, 8000), 0u);  // 11314 from the centre
  EXPECT_EQ(StickDirections(32767, 0), kPadRight);
  EXPECT_EQ(StickDirections(-32768, 0), kPadLeft);
  EXPECT_EQ(StickDirections(0, -32768), kPadUp);  // y grows downwards
  EXPECT_EQ(StickDirections(0, 32767), kPadDown);
  EXPECT_EQ(StickDirections(25000, -25000), kPadRight | kPadUp);
  EXPECT_EQ(StickDirections(-25000, -25000), kPadLeft | kPadUp);
  EXPECT_EQ(StickDirections(-25000, 25000), kPadLeft | kPadDown);
  EXPECT_EQ(StickDirections(25000, 25000), kPadRight | kPadDown);
  // Each direction owns 45 degrees: 20 degrees off the right is still right, 25 is a diagonal.
  EXPECT_EQ(StickDirections(30000, -10919), kPadRight);           // 20 degrees
  EXPECT_EQ(StickDirections(30000, -13989), kPadRight | kPadUp);  // 25 degrees
  EXPECT_EQ(DpadDirections(true, false, true, false), kPadUp | kPadLeft);
  EXPECT_EQ(DpadDirections(true, true, false, true), kPadRight);  // up and down cancel
}

TEST(GamepadMapper, HeldKeysAreReleasedAsTheyWentDown) {
  PadMapper pad;
  // A pass: the letter's key and its character, the key released with the button.
  EXPECT_EQ(Describe(pad.Button(PadButton::A, true, PadContext::Play)),
            Down(KeyA + 18) + " char:S");
  EXPECT_EQ(Describe(pad.Button(PadButton::A, true, PadContext::Play)), "");  // no second press
  // A dialog opened meanwhile: the release is still the pass key's.
  EXPECT_EQ(Describe(pad.Button(PadButton::A, false, PadContext::Dialog)), Up(KeyA + 18));
  EXPECT_EQ(Describe(pad.Button(PadButton::A, false, PadContext::Dialog)), "");
  EXPECT_EQ(Describe(pad.Button(PadButton::A, true, PadContext::Dialog)), Down(KeyReturn));
  EXPECT_EQ(Describe(pad.Button(PadButton::A, false, PadContext::Play)), Up(KeyReturn));

  // The kick held and released like Space; the shoulder as Shift.
  EXPECT_EQ(Describe(pad.Button(PadButton::X, true, PadContext::Play)), Down(KeySpace));
  EXPECT_EQ(Describe(pad.Button(PadButton::X, false, PadContext::Play)), Up(KeySpace));
  EXPECT_EQ(Describe(pad.Button(PadButton::RightShoulder, true, PadContext::Play)), Down(KeyShift));

  // The d-pad to a diagonal, then the stick: only what changes is sent.
  EXPECT_EQ(Describe(pad.Button(PadButton::DpadUp, true, PadContext::Play)), Down(KeyUp));
  EXPECT_EQ(Describe(pad.Button(PadButton::DpadLeft, true, PadContext::Play)), Down(KeyLeft));
  EXPECT_EQ(Describe(pad.Stick(-30000, -1000)), "");  // left, held already by the d-pad
  EXPECT_EQ(Describe(pad.Button(PadButton::DpadUp, false, PadContext::Play)), Up(KeyUp));
  EXPECT_EQ(Describe(pad.Button(PadButton::DpadLeft, false, PadContext::Play)), "");  // stick
  EXPECT_EQ(Describe(pad.Stick(25000, 25000)),
            Up(KeyLeft) + " " + Down(KeyRight) + " " + Down(KeyDown));
  // The d-pad against the stick: the two cancel out.
  EXPECT_EQ(Describe(pad.Button(PadButton::DpadLeft, true, PadContext::Play)), Up(KeyRight));

  // The pad pulled out: everything it held comes up.
  EXPECT_EQ(Describe(pad.ReleaseAll()), Up(KeyShift) + " " + Up(KeyDown));
  EXPECT_EQ(Describe(pad.ReleaseAll()), "");
  EXPECT_EQ(Describe(pad.Stick(0, 0)), "");
}

TEST(GamepadArrowRepeat, HeldArrowsRepeatInTurnAfterTheDelay) {
  ArrowRepeat repeat;
  detail::InputEvent event;
  EXPECT_FALSE(repeat.Due(1000, &event));  // nothing held
  repeat.Held(kPadRight, 1000);
  EXPECT_FALSE(repeat.Due(1000 + kArrowRepeatDelayMs - 1, &event));
  ASSERT_TRUE(repeat.Due(1000 + kArrowRepeatDelayMs, &event));
  EXPECT_EQ(Describe({event}), Down(KeyRight));
  EXPECT_TRUE(event.repeat);
  const std::uint64_t first = 1000 + kArrowRepeatDelayMs;
  EXPECT_FALSE(repeat.Due(first + kArrowRepeatPeriodMs - 1, &event));
  // A late look gives one repeat, not the ones it missed.
  EXPECT_TRUE(repeat.Due(first + 10 * kArrowRepeatPeriodMs, &event));
  EXPECT_FALSE(repeat.Due(first + 10 * kArrowRepeatPeriodMs, &event));

  // The same arrows again change nothing; a diagonal starts the delay over and alternates.
  repeat.Held(kPadRight, 5000);
  EXPECT_TRUE(repeat.Due(5000, &event));
  repeat.Held(kPadRight | kPadDown, 6000);
  EXPECT_FALSE(repeat.Due(6000 + kArrowRepeatDelayMs - 1, &event));
  std::vector<detail::InputEvent> turns;
  for (int n = 0; n < 4; ++n) {
    ASSERT_TRUE(repeat.Due(6000 + kArrowRepeatDelayMs + n * kArrowRepeatPeriodMs, &event));
    turns.push_back(event);
  }
  EXPECT_EQ(Describe(turns),
            Down(KeyRight) + " " + Down(KeyDown) + " " + Down(KeyRight) + " " + Down(KeyDown));
  repeat.Held(0, 9000);
  EXPECT_FALSE(repeat.Due(20000, &event));
}

}  // namespace
