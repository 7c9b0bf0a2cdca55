// The platform demo: a small program (not the game) that shows what the platform layer does —
// a window with a menu, a dialog with every kind of control, a nested dialog, message boxes,
// text in Japanese and English at several sizes, shapes, a masked picture drawn plain and
// mirrored, a timer, and the keyboard and mouse as the window receives them.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace demo {

// Command ids of the menu and the controls.
enum : int {
  kCmdControls = 101,
  kCmdMessage = 102,
  kCmdBeep = 103,
  kCmdSound = 104,
  kCmdExit = 105,
  kCmdBigMarker = 201,
  kCmdGreyed = 202,
  kIdRadioGround = 301,
  kIdRadioLob = 302,
  kIdRadioHigh = 303,
  kIdCheckSound = 311,
  kIdList = 321,
  kIdEdit = 331,
  kIdNested = 341,
  kIdNestedText = 351,
};

inline constexpr int kTimerId = 1;
inline constexpr int kTimerPeriodMs = 50;
inline constexpr int kMarkerStep = 8;

// Everything the window shows; one instance, `demoState`.
struct DemoState {
  int markerX = 420, markerY = 330;
  bool bigMarker = false;
  int lastKey = 0;
  bool lastKeyRepeat = false;
  int keyDowns = 0;
  std::uint32_t lastChar = 0;
  int mouseX = -1, mouseY = -1;
  int clicks = 0, doubleClicks = 0;
  int timerTicks = 0;
  int dialogResult = 0;  // what the controls dialog returned, 0 before
  int radio = kIdRadioGround;
  bool soundChecked = true;
  int listSelection = -1;
  int messageResult = 0;
};
extern DemoState demoState;
void ResetDemoState();

// The list box's lines.
const std::vector<const char*>& NationLines();

// The window procedure and the program's entry (demo_main.cpp).
platform::Param DemoWindowProc(platform::Window* window, platform::Msg msg, platform::Param a,
                               platform::Param b);
int DemoEntry(platform::Instance* instance, const std::string& commandLine, int showState);
const platform::ResourceTable& DemoResources();

// Drawing (demo_paint.cpp).
void PaintDemoWindow(platform::Window* window);
void PaintControlsDialog(platform::Window* dialog);
// The masked picture: an 8-bit picture and its 1-bit mask, packed as on disk.
std::vector<std::uint8_t> FlagPicture();
std::vector<std::uint8_t> FlagMask();
// The strip the timer animates, in client coordinates.
platform::Rect AnimationStrip();

}  // namespace demo
