// The records of the message core: instances, windows, menus, dialogs and their controls, the
// message queue and the timers. Shared by the core's translation units only.
#pragma once

#include <cstdint>
#include <ctime>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/internal.h"
#include "platform/platform.h"

namespace platform {

struct Instance {
  ResourceTable resources;
  std::vector<WindowClass> classes;
};

struct Menu {
  struct Item {
    std::string text;
    int id = 0;
    bool greyed = false;
    bool checked = false;  // drawn with a check mark before the text
  };
  struct Popup {
    std::string title;
    std::vector<Item> items;
  };
  std::string name;
  std::vector<Popup> popups;
  bool destroyed = false;
};

namespace detail {

// One control of a dialog. Rectangles are in the dialog's client pixels.
struct Control {
  ControlKind kind = ControlKind::PushButton;
  int id = 0;
  std::string text;
  Rect rect;
  unsigned flags = 0;
  bool checked = false;
  // List boxes.
  std::vector<std::string> lines;
  int selection = -1;
  int topLine = 0;
};

struct DialogData {
  std::string name;  // the template's name, "messagebox" for message boxes
  DialogFrame frame = DialogFrame::Popup;
  DialogProc proc = nullptr;
  Window* owner = nullptr;  // the window disabled while this dialog runs
  std::vector<Control> controls;
  int focus = -1;  // index into controls
  bool ended = false;
  Param result = 0;
  // Mouse tracking of a control pressed with the left button.
  int pressed = -1;  // index of the control being pressed
  bool pressedInside = false;
  int scrollPart = 0;  // list box scroll bar part being pressed (see dialog/controls.cpp)
  int thumbGrab = 0;   // list box thumb: offset of the grab point inside the thumb
  bool messageBox = false;
  bool okOnly = false;
  bool warningIcon = false;
  Rect iconRect;  // message boxes: where the warning icon goes
};

}  // namespace detail

struct Window {
  enum class Kind { Main, Dialog };
  Kind kind = Kind::Main;
  Instance* instance = nullptr;
  WindowProc proc = nullptr;
  WindowClass windowClass;  // main windows only
  std::string title;
  Menu* menu = nullptr;
  int outerWidth = 0, outerHeight = 0;  // main window: the frame size
  detail::Surface surface;              // the client area
  Rect screen;                          // the client area in frame coordinates
  Rect outer;                           // dialogs: the whole dialog (frame included)
  Rect invalid;                         // empty when valid
  bool erase = false;
  bool paintDelivered = false;  // Paint handed out and not yet answered by BeginPaint
  bool destroyed = false;
  int disabled = 0;  // count of open modal dialogs this window owns
  std::unique_ptr<detail::DialogData> dialog;
};

namespace detail {

struct Timer {
  Window* window = nullptr;
  int id = 0;
  int period = 0;
  std::uint64_t due = 0;
};

// The open drop-down menu of the main window, if any.
struct MenuTracking {
  bool open = false;
  int popup = 0;
  int item = -1;  // highlighted item, -1 none
};

// The one record of the message core.
struct CoreState {
  Backend* backend = nullptr;
  ProgramOptions options;
  std::vector<std::unique_ptr<Instance>> instances;
  std::vector<std::unique_ptr<Window>> windows;  // kept until shutdown so stale pointers stay safe
  std::vector<std::unique_ptr<Menu>> menus;
  Window* mainWindow = nullptr;
  std::vector<Window*> dialogs;  // open dialogs, bottom to top (the last one is on top)
  std::deque<QueuedMessage> queue;
  bool quitPending = false;
  int quitCode = 0;
  std::vector<Timer> timers;
  MenuTracking menuTracking;
  bool keys[256] = {};
  bool altAlone = false;
  Window* keyTarget[256] = {};  // where the key's KeyDown went, so its KeyUp follows
  Window* capture = nullptr;    // the window that got the last button down
  bool layoutDirty = true;      // something beside the surfaces changed (dialogs, menus)
  bool readySignalled = false;
  std::string programName = "program";  // for messages on stderr
  bool displayFailed = false;           // the backend could not open the display
  // While the title bar tells where a screenshot went: when the window's own title returns.
  std::optional<std::uint64_t> titleNoticeEnds;
};

CoreState& Core();
void ResetCore();

// Internal messages of the layer (never seen by program procedures).
inline constexpr Msg kMsgWake = static_cast<Msg>(0x8000);          // wakes a dialog loop
inline constexpr Msg kMsgPressControl = static_cast<Msg>(0x8001);  // a = control id
inline constexpr Msg kMsgSelectLine = static_cast<Msg>(0x8002);    // a = control id, b = line
inline constexpr Msg kMsgMouseMove = static_cast<Msg>(0x8003);     // a = x, b = y

// core/program.cpp
Instance* StartLayer(Backend* backend, const ResourceTable& resources,
                     const ProgramOptions& options);
// Destroys every window, dialog, timer and menu, the drawing objects and the backend.
void ShutdownLayer();

// KeyDown messages to dialogs carry this in b when Shift was down.
inline constexpr Param kShiftFlag = 2;

// core/window.cpp
bool IsLive(const Window* window);
Param CallProc(Window* window, Msg msg, Param a, Param b);
void RemoveWindowState(Window* window);  // its queued messages and timers
std::optional<std::uint64_t> NextTimerDue();
std::uint64_t Now();

// core/loop.cpp
// Takes the next message without waiting; false when there is none. `quit` tells the quit
// message apart.
bool TakeMessage(QueuedMessage* message, bool* quit);
// What the loop does before it waits: present the frame, signal readiness.
void GoIdle();
// True when the loop has something to deliver without waiting.
bool HasWork();

// core/input.cpp
Window* ActiveWindow();  // where keys go: the top dialog, or the main window
bool WindowEnabled(const Window* window);

// core/screenshot.cpp
// How long the title bar tells where a screenshot went.
inline constexpr std::uint64_t kTitleNoticeMs = 4000;
// PROGRAM-YYYYMMDD-HHMMSS.png, with -N before the extension for attempts from 2 on.
std::string ScreenshotName(std::string_view program, const std::tm& when, int attempt);
// Saves the frame in the current folder under a name no file has yet and puts the path in the
// title bar; returns the path, empty when nothing could be saved.
std::string TakeScreenshot();
// Gives the title bar back to the window's title once the notice has run its time.
void EndTitleNotice();
// menu/menu.cpp
int MenuBarHeight(const Window* window);
void CloseMenuTracking();
bool MenuHandleKey(int key);  // while a drop-down is open; true when consumed
void MenuHandleMouse(const InputEvent& event);
// Opens the main window's menu bar (keyboard: with the first item highlighted).
void OpenMenuBar(int popup, bool keyboard);
// Chooses an item as a click would; false when absent, greyed or out of reach.
bool ChooseMenuCommand(int id);
// Geometry shared with the drawing.
Rect MenuTitleRect(const Menu* menu, int popup);
Rect DropDownRect(const Menu* menu, int popup);
Rect DropDownItemRect(const Menu* menu, int popup, int item);

// menu/menu_draw.cpp
void DrawMenuBar(Surface* frame, const Window* window);
void DrawDropDown(Surface* frame, const Window* window);

// dialog/dialog.cpp
Param DialogDispatch(Window* dialog, Msg msg, Param a, Param b);
Rect DialogOuterRect(int clientWidth, int clientHeight, DialogFrame frame);
Window* CreateDialogWindow(Instance* instance, const DialogTemplate& tpl, Window* owner,
                           DialogProc proc);
// Sends InitDialog with `initParam` as its b, then runs the dialog's loop until it ends.
Param RunDialog(Window* dialog, Param initParam = 0);
void PaintDialog(Window* dialog);
void SendDialogCommand(Window* dialog, int id, Param code);
detail::Control* FindControl(Window* dialog, int id);
bool Focusable(const Control& control);
void SetFocusIndex(Window* dialog, int index);

// dialog/controls.cpp
bool ListHandleKey(Window* dialog, Control& list, int key);
void ListMouseDown(Window* dialog, int index, int x, int y, bool doubleClick);
void ListMouseMove(Window* dialog, int index, int x, int y);
void ListMouseUp(Window* dialog, int index);
int ListVisibleLines(const Control& list);
void ListScrollTo(Control& list, int topLine);
void ListEnsureVisible(Control& list);
void ListSelect(Window* dialog, Control& list, int line, bool notify);

// dialog/controls_draw.cpp
void DrawControl(Window* dialog, int index, const Rect* clip);
void RedrawControl(Window* dialog, int index);
void DrawDialogFrame(Surface* frame, const Window* dialog);
Rect ListTextArea(const Control& list);
bool ListHasScrollBar(const Control& list);
Rect ListScrollBarRect(const Control& list);
// Scroll bar geometry: arrow buttons and thumb, in dialog client pixels.
Rect ListThumbRect(const Control& list);

// dialog/messagebox.cpp (nothing shared)

}  // namespace detail
}  // namespace platform
