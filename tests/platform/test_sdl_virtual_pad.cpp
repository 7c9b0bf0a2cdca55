// A gamepad through the whole SDL backend: SDL's virtual game controller plugged in while the
// backend runs on the dummy video driver, its d-pad, stick and face buttons as the key events
// the layer receives, and the pad pulled out with buttons held. SDL's events arrive on the real
// clock, so every step polls until its events are there, within a generous number of looks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/internal.h"
#include "platform/sdl/virtual_pad.h"

namespace platform::detail {
namespace {

using sdl::PadButton;
using Kind = InputEvent::Kind;

constexpr int kLooks = 3000;  // polls at most per step; each waits a few ms when nothing came

std::string Describe(const InputEvent& e) {
  switch (e.kind) {
    case Kind::KeyDown:
      return "down:" + std::to_string(e.key);
    case Kind::KeyUp:
      return "up:" + std::to_string(e.key);
    case Kind::Char:
      return std::string("char:") + char(e.codepoint);
    case Kind::PadRemoved:
      return "removed";
    default:
      return "other";
  }
}

std::string Down(int key) {
  return "down:" + std::to_string(key);
}
std::string Up(int key) {
  return "up:" + std::to_string(key);
}
std::string Letter(char c) {
  return std::string("char:") + c;
}
int LetterKey(char c) {
  return KeyA + (c - 'A');
}

class VirtualPadOnTheBackend : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    backend_.reset(CreateSdlBackend(1));
    ASSERT_NE(backend_, nullptr);
    ASSERT_TRUE(backend_->OpenDisplay(640, 480, "pad"));
    // The pads start with the first look at the input after the window's first paint.
    Surface frame;
    frame.Resize(640, 480);
    backend_->Present(frame);
  }
  void TearDown() override {
    pad_.PullOut();
    backend_.reset();
    unsetenv("SDL_VIDEODRIVER");
    unsetenv("SDL_AUDIODRIVER");
  }

  // The next `count` events the backend gives (window events and, unless asked for, the held
  // arrows' repeats left out), looking at most `looks` times; fewer when they do not come.
  std::vector<std::string> Take(std::size_t count, int looks = kLooks, bool repeats = false) {
    std::vector<std::string> events;
    for (int look = 0; look < looks && events.size() < count; ++look) {
      InputEvent event;
      if (!backend_->PollInput(&event)) {
        backend_->Wait(backend_->NowMs() + 2);
        continue;
      }
      if (event.kind == Kind::FocusGained || event.kind == Kind::FocusLost ||
          event.kind == Kind::MouseMove) {
        continue;
      }
      if (event.repeat != repeats) continue;
      events.push_back(Describe(event));
    }
    return events;
  }
  std::vector<std::string> Press(PadButton button, bool down, std::size_t count) {
    pad_.SetButton(button, down);
    return Take(count);
  }

  std::unique_ptr<Backend> backend_;
  sdl::VirtualPad pad_;
};

using Events = std::vector<std::string>;

TEST_F(VirtualPadOnTheBackend, PadPluggedInWhileRunningGivesTheArrowsAndThePlayKeysAtOnce) {
  ASSERT_TRUE(pad_.PlugIn());
  // The d-pad: a diagonal holds two arrows, each released with its button.
  EXPECT_EQ(Press(PadButton::DpadUp, true, 1), Events{Down(KeyUp)});
  EXPECT_EQ(Press(PadButton::DpadLeft, true, 1), Events{Down(KeyLeft)});
  EXPECT_EQ(Press(PadButton::DpadUp, false, 1), Events{Up(KeyUp)});
  EXPECT_EQ(Press(PadButton::DpadLeft, false, 1), Events{Up(KeyLeft)});
  // The left stick: down and to the right is two arrows, back to the centre lets both go.
  pad_.SetStick(25000, 25000);
  EXPECT_EQ(Take(2), (Events{Down(KeyRight), Down(KeyDown)}));
  pad_.SetStick(0, 0);
  EXPECT_EQ(Take(2), (Events{Up(KeyRight), Up(KeyDown)}));
  // The face buttons: pass, shoot, the charged kick and P; a shoulder is the lob's Shift.
  EXPECT_EQ(Press(PadButton::A, true, 2), (Events{Down(LetterKey('S')), Letter('S')}));
  EXPECT_EQ(Press(PadButton::A, false, 1), Events{Up(LetterKey('S'))});
  EXPECT_EQ(Press(PadButton::B, true, 2), (Events{Down(LetterKey('A')), Letter('A')}));
  EXPECT_EQ(Press(PadButton::B, false, 1), Events{Up(LetterKey('A'))});
  EXPECT_EQ(Press(PadButton::X, true, 1), Events{Down(KeySpace)});
  EXPECT_EQ(Press(PadButton::X, false, 1), Events{Up(KeySpace)});
  EXPECT_EQ(Press(PadButton::Y, true, 2), (Events{Down(LetterKey('P')), Letter('P')}));
  EXPECT_EQ(Press(PadButton::Y, false, 1), Events{Up(LetterKey('P'))});
  EXPECT_EQ(Press(PadButton::LeftShoulder, true, 1), Events{Down(KeyShift)});
  EXPECT_EQ(Press(PadButton::LeftShoulder, false, 1), Events{Up(KeyShift)});
  EXPECT_EQ(Press(PadButton::Start, true, 1), Events{Down(KeyF10)});
  EXPECT_EQ(Press(PadButton::Start, false, 1), Events{Up(KeyF10)});
}

TEST_F(VirtualPadOnTheBackend, HeldArrowsRepeatInTurnAndStopWithTheirRelease) {
  ASSERT_TRUE(pad_.PlugIn());
  EXPECT_EQ(Press(PadButton::DpadRight, true, 1), Events{Down(KeyRight)});
  EXPECT_EQ(Take(3, kLooks, true), (Events{Down(KeyRight), Down(KeyRight), Down(KeyRight)}));
  // The stick added down: a diagonal, whose two arrows take turns.
  pad_.SetStick(0, 32767);
  EXPECT_EQ(Take(1), Events{Down(KeyDown)});
  Events turns = Take(4, kLooks, true);
  ASSERT_EQ(turns.size(), 4u);
  EXPECT_NE(turns[0], turns[1]);
  EXPECT_EQ(turns[0], turns[2]);
  EXPECT_EQ(turns[1], turns[3]);
  // Everything let go: no repeat follows the releases.
  pad_.SetStick(0, 0);
  EXPECT_EQ(Take(1), Events{Up(KeyDown)});
  EXPECT_EQ(Press(PadButton::DpadRight, false, 1), Events{Up(KeyRight)});
  EXPECT_EQ(Take(1, 200, true), Events{});
}

TEST_F(VirtualPadOnTheBackend, PadPulledOutReleasesWhatItHeldAndIsReportedOnce) {
  ASSERT_TRUE(pad_.PlugIn());
  EXPECT_EQ(Press(PadButton::DpadRight, true, 1), Events{Down(KeyRight)});
  EXPECT_EQ(Press(PadButton::X, true, 1), Events{Down(KeySpace)});
  pad_.SetStick(0, 32767);
  EXPECT_EQ(Take(1), Events{Down(KeyDown)});

  pad_.PullOut();
  Events gone = Take(4);
  ASSERT_EQ(gone.size(), 4u);
  EXPECT_EQ(gone.back(), "removed");  // after every release, so the game sees no held key
  gone.pop_back();
  std::sort(gone.begin(), gone.end());
  Events released = {Up(KeyRight), Up(KeySpace), Up(KeyDown)};
  std::sort(released.begin(), released.end());
  EXPECT_EQ(gone, released);
  EXPECT_EQ(Take(1, 50), Events{});  // no second removal, no stray key

  // Plugged in again, it is a new pad and works at once.
  ASSERT_TRUE(pad_.PlugIn());
  EXPECT_EQ(Press(PadButton::B, true, 2), (Events{Down(LetterKey('A')), Letter('A')}));
  pad_.PullOut();
  EXPECT_EQ(Take(2), (Events{Up(LetterKey('A')), "removed"}));
}

}  // namespace
}  // namespace platform::detail
