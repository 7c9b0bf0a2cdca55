// Windows and their messages. A program registers a window class and creates one top-level
// window; everything that happens reaches it as a message through its window procedure:
// create, size, paint, close, destroy, command (menu items, dialog buttons, the program's own
// commands), timer, key down / key up / character, mouse buttons and one user message.
//
// Send runs the procedure at once; post queues. Paint is generated when the queue is empty and
// a window has been invalidated; timer messages come after paints, never pile up (a stalled
// program gets one, not a backlog) and waiting never spins. Keys arrive as the classic
// virtual-key codes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace platform {

// Messages

enum class Msg : std::uint32_t {
  Create,              // b = const CreateParams*
  Size,                // a = client width, b = client height
  Paint,               // the window is invalid; the procedure calls BeginPaint/EndPaint
  Close,               // the user (or a script) asks the window to close
  Destroy,             // the window is going away
  Command,             // a = command id, b = notification (see Notify)
  Timer,               // a = timer id
  KeyDown,             // a = virtual-key code (Key), b = 1 when auto-repeated
  KeyUp,               // a = virtual-key code
  Char,                // a = character code (Unicode code point)
  LButtonDown,         // a = x, b = y (client coordinates)
  LButtonDoubleClick,  // a = x, b = y
  LButtonUp,           // a = x, b = y
  User,                // the one user-defined message; a and b are free
  InitDialog,          // dialogs only; return nonzero to let the layer set the default focus
  Activate,            // main window only: a = 1 active again, 0 inactive; b = why (activate::)
  Help,                // main window only: the help key (F1) was pressed, in whatever window
};

using Param = std::intptr_t;

// Why the main window was told it is inactive (b of Activate with a = 0).
namespace activate {
inline constexpr Param kFocus = 0;       // the window lost the keyboard focus
inline constexpr Param kPadRemoved = 1;  // a gamepad was pulled out; the window keeps the focus
}  // namespace activate
using WindowProc = Param (*)(Window* window, Msg msg, Param a, Param b);
// Dialog procedures receive InitDialog, Paint and Command. The layer paints the dialog
// background before and the controls after the procedure's Paint, whatever it returns.
using DialogProc = WindowProc;

struct CreateParams {
  Instance* instance = nullptr;
};

// Notification codes carried in b of a Command message.
namespace notify {
inline constexpr Param kClicked = 0;          // button, radio button, check box, menu item
inline constexpr Param kListSelChange = 1;    // list box selection changed
inline constexpr Param kListDoubleClick = 2;  // a line of a list box double-clicked
}  // namespace notify

// Keys

// Virtual-key codes (the classic values).
enum Key : int {
  KeyBack = 0x08,
  KeyTab = 0x09,
  KeyClear = 0x0C,  // keypad 5 with Num Lock off
  KeyReturn = 0x0D,
  KeyShift = 0x10,
  KeyControl = 0x11,
  KeyAlt = 0x12,
  KeyEscape = 0x1B,
  KeySpace = 0x20,
  KeyPageUp = 0x21,
  KeyPageDown = 0x22,
  KeyEnd = 0x23,
  KeyHome = 0x24,
  KeyLeft = 0x25,
  KeyUp = 0x26,
  KeyRight = 0x27,
  KeyDown = 0x28,
  KeyInsert = 0x2D,
  KeyDelete = 0x2E,
  Key0 = 0x30,        // Key0 + n for the main keyboard's digits
  KeyA = 0x41,        // KeyA + n for the letters
  KeyNumpad0 = 0x60,  // KeyNumpad0 + n for the keypad digits with Num Lock on
  KeyMultiply = 0x6A,
  KeyAdd = 0x6B,
  KeySubtract = 0x6D,
  KeyDecimal = 0x6E,
  KeyDivide = 0x6F,
  KeyF1 = 0x70,  // the help key: kept by the layer, it reaches the main window as Msg::Help
  KeyF10 = 0x79,
  KeyF11 = 0x7A,
  KeyF12 = 0x7B,  // the screenshot key: kept by the layer, the program never sees it
};

// True while the key is held (as far as the layer has seen key downs and ups).
bool IsKeyDown(int key);

// Windows

namespace window_style {
inline constexpr unsigned kCaption = 1;
inline constexpr unsigned kSystemMenu = 2;
inline constexpr unsigned kMinimizeBox = 4;
inline constexpr unsigned kMaximizeBox = 8;
inline constexpr unsigned kClipChildren = 16;
}  // namespace window_style

struct WindowClass {
  std::string name;
  WindowProc proc = nullptr;
  int largeIcon = 0;  // icon resource ids, 0 for none
  int smallIcon = 0;
  Brush* background = nullptr;  // erases invalidated areas; nullptr: no erase
  bool redrawOnResize = true;
};

bool RegisterWindowClass(Instance* instance, const WindowClass& windowClass);

inline constexpr int kDefaultPosition = -32768;

// Creates a top-level window whose outer size is width × height: the layer's menu bar (when a
// menu is attached) plus the client area. Sends Create, then Size. nullptr on failure.
Window* CreateMainWindow(Instance* instance, std::string_view className, std::string_view title,
                         unsigned style, int x, int y, int width, int height);
void ShowWindow(Window* window, int showState);
// Sends Paint at once when the window has an invalid area.
void UpdateWindow(Window* window);

Param SendMessage(Window* window, Msg msg, Param a = 0, Param b = 0);
bool PostMessage(Window* window, Msg msg, Param a = 0, Param b = 0);
void PostQuitMessage(int exitCode);

struct QueuedMessage {
  Window* window = nullptr;
  Msg msg = Msg::User;
  Param a = 0;
  Param b = 0;
};
// Blocks (without spinning) until a message is there. Returns false for the quit message,
// whose exit code is then in a.
bool GetMessage(QueuedMessage* message);
// Characters come from the backend's text input, so this does nothing; kept so that message
// loops read as they always have.
void TranslateMessage(const QueuedMessage* message);
Param DispatchMessage(const QueuedMessage* message);
Param DefaultWindowProc(Window* window, Msg msg, Param a, Param b);

// Marks an area (nullptr: the whole client area) for a Paint once the queue is empty.
void InvalidateRect(Window* window, const Rect* rect, bool erase);
void SetWindowTitle(Window* window, std::string_view title);
std::string GetWindowTitle(Window* window);
Rect GetClientRect(Window* window);
// The window's client area in screen (frame) coordinates.
Rect GetClientScreenRect(Window* window);
void DestroyWindow(Window* window);
Window* MainWindow();  // the first top-level window created, nullptr before

// Timers: id per window, period in milliseconds. False when the layer refuses.
bool SetTimer(Window* window, int id, int periodMs);
void KillTimer(Window* window, int id);
// The time between two pictures of the display, in milliseconds (1000 / its refresh rate,
// rounded down; 16 for a display of 60 frames a second); 0 when nothing is shown (the headless
// backend), so that nothing needs to be drawn for the display's sake.
int DisplayFrameMs();

}  // namespace platform
