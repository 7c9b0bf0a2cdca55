// The headless backend's driver interface: a virtual clock that moves only when the driver
// says so, injected input, and screenshots. The script runner (--headless --script FILE) is
// one driver; tests of the layer and of the game are others. (The one start on the SDL
// backend here is for tests of the real input path.)
//
// The layer calls the idle handler whenever the program would block waiting for input: in
// the main message loop or in any nested modal loop. The handler must make progress: move
// the clock (Advance), inject input, press a control, or end the program. Timer messages
// fall due as the clock passes their times, one at a time, so a six-minute match costs only
// the work of its frames.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace platform::headless {

// Starts the layer with the headless backend inside a test process, without RunProgram.
// Returns the instance for the given resources. Call Shutdown at the end of the test.
Instance* StartForTests(const ResourceTable& resources, const ProgramOptions& options = {});
// Starts the layer on the SDL backend instead, for tests of the real window's input path
// (SDL_VIDEODRIVER=dummy runs it without a screen; sdl/virtual_pad.h plugs in a pad). The
// clock is the real one and nothing of this driver interface drives the program: the test
// runs the message loop itself (GetMessage and DispatchMessage), and waits for conditions,
// never for times. nullptr when SDL cannot start. Shutdown ends it as it ends the headless one.
Instance* StartOnSdlForTests(const ResourceTable& resources, const ProgramOptions& options = {});
// Destroys every window, timer, dialog, menu and drawing object and resets the clock to 0.
void Shutdown();

// `nextTimer` is when the next timer falls due (none when no timer runs).
using IdleHandler = std::function<void(std::optional<std::uint64_t> nextTimer)>;
void SetIdleHandler(IdleHandler handler);

std::uint64_t Now();
// Lets `ms` milliseconds of virtual time pass; timers fire on the way and the program runs as
// it would. Called from the idle handler, it returns at once and the time passes as the loop
// goes on; called elsewhere (a test body), it runs the loop itself until the time has passed.
void Advance(std::uint64_t ms);
// True while an Advance has not yet reached its end.
bool Advancing();
// Moves the clock forward without delivering anything, as if the program had stalled.
void Stall(std::uint64_t ms);

void KeyDown(int key, bool repeat = false);
void KeyUp(int key);
void Char(std::uint32_t codepoint);
// Mouse events in frame coordinates (the menu bar is at y 0 to 19).
void MouseDown(int x, int y);
void MouseUp(int x, int y);
void MouseDoubleClick(int x, int y);
void MouseMove(int x, int y);

// Presses the control with that id in the top dialog or message box (as a click would).
// False when there is no such enabled control.
bool PressControl(int id);
// Selects a line (from 0) of a list box in the top dialog, with its notification.
bool SelectListLine(int id, int line);
// Where a click on control `id` of the top dialog lands, in frame coordinates: its centre, or
// for a list box with `line` >= 0 the centre of that line. False when there is no such control.
bool ControlCentre(int id, int line, Point* centre);
// Chooses a menu item of the main window's menu; false when it is absent or greyed.
bool ChooseMenuItem(int id);
// Sends Close to the main window.
void CloseMainWindow();
// What the title bar shows: the main window's title, or for a while after F12 where the
// screenshot went.
std::string ShownTitle();
// The main window loses the keyboard focus (another window came to the front), or gets it
// back; a gamepad is pulled out. Each is delivered as the SDL backend delivers it.
void LoseFocus();
void GainFocus();
void RemovePad();

// Lets WriteFile move at most `bytes` more bytes in all, as on a disk that is filling up; a
// write past the limit comes back short. A negative value lifts the limit (the start-up state).
void LimitFileWrites(long bytes);

// Writes the frame as the player would see it (dialogs included) as a PNG file.
bool SaveScreenshot(const std::string& path);

// The largest script file that is read (4 MiB).
inline constexpr std::size_t kLargestScript = std::size_t(4) << 20;
// Runs a script file (the script language is documented in docs/platform.md). Installs an
// idle handler; on a failed expectation it prints the line and ends the process with exit
// code 3. A script that cannot be read (missing, no regular file, larger than kLargestScript)
// ends the process with one line and exit code 3 before anything runs.
void RunScriptFile(const std::string& path);
// The same for a script held in a string (tests); `name` appears in messages.
void RunScriptText(const std::string& text, const std::string& name = "script");
// The line number of the first script command that has not run (or of a wait-dialog still
// waiting), 0 when every command has run or no script is running. A program that ends early
// leaves lines behind.
int PendingScriptLine();

}  // namespace platform::headless
