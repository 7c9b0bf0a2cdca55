// The platform layer: everything the game and the launcher need from the desktop.
//
// Game code never talks to SDL, FreeType or libpng; it talks to this header (and the few
// headers it includes). The model is the classic single-threaded desktop of the mid-1990s:
//
//  * A program registers a window class and creates one top-level window. Everything that
//    happens reaches it as a message through its window procedure: create, size, paint,
//    close, destroy, command (menu items, dialog buttons, the program's own commands),
//    timer, key down / key up / character, mouse buttons and one user message.
//  * Send runs the procedure at once; post queues. Paint is generated when the queue is
//    empty and a window has been invalidated; timer messages come after paints, never pile
//    up (a stalled program gets one, not a backlog) and waiting never spins.
//  * Modal dialogs are built from templates in dialog units (2 pixels per unit) and run a
//    nested message loop; the owner window keeps getting timers and paints meanwhile.
//  * Drawing goes through device contexts with pens, brushes and fonts selected into them,
//    following the classic rules for which pixels are outline and which are fill.
//
// Two backends implement the desktop: SDL2 (a real window, keyboard, sound) and headless
// (virtual clock, scripted input, PNG screenshots). See docs/platform.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// ---------------------------------------------------------------------------------------
// Basic types

struct Point {
  int x = 0;
  int y = 0;
};

// Right and bottom are exclusive, as on the classic desktop.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// 0x00RRGGBB, the layout of the 32-bit frame buffers.
using Color = std::uint32_t;
constexpr Color Rgb(int r, int g, int b) {
  return (Color(r & 255) << 16) | (Color(g & 255) << 8) | Color(b & 255);
}
constexpr int RedOf(Color c) {
  return int((c >> 16) & 255);
}
constexpr int GreenOf(Color c) {
  return int((c >> 8) & 255);
}
constexpr int BlueOf(Color c) {
  return int(c & 255);
}

// The light grey of dialogs, buttons and the window background.
constexpr Color kFaceGrey = Rgb(192, 192, 192);

// ---------------------------------------------------------------------------------------
// Messages

struct Window;    // a top-level window, a modal dialog or a message box
struct Instance;  // a running program and its resources

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

// Command ids the dialog manager itself sends: Enter presses the default button, Esc sends
// kIdCancel. Message boxes return kIdOk or kIdCancel.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

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
  KeyF1 = 0x70,
  KeyF10 = 0x79,
  KeyF11 = 0x7A,
  KeyF12 = 0x7B,  // the screenshot key: kept by the layer, the program never sees it
};

// True while the key is held (as far as the layer has seen key downs and ups).
bool IsKeyDown(int key);

// ---------------------------------------------------------------------------------------
// Resources: a program describes its menus, dialog templates, strings and icons as data and
// hands them to RunProgram. They are addressed by name or number, as on the classic desktop.

struct MenuItemTemplate {
  std::string_view text;
  int id = 0;
  bool greyed = false;
};
struct PopupTemplate {
  std::string_view title;
  std::vector<MenuItemTemplate> items;
};
struct MenuTemplate {
  std::string_view name;
  std::vector<PopupTemplate> popups;
};

enum class ControlKind {
  PushButton,
  DefPushButton,  // the default button: Enter presses it; drawn with a black border
  RadioButton,    // checked by the dialog procedure (CheckButton), never automatically
  CheckBox,       // likewise
  ListBox,        // with a vertical scroll bar and keyboard selection
  Edit,           // a read-only edit line
  Static,         // left-aligned text
  StaticCentred,  // centred text
};

// Flags for ControlTemplate::flags.
namespace control_flags {
inline constexpr unsigned kNotify = 1;   // list box: send kListSelChange / kListDoubleClick
inline constexpr unsigned kVScroll = 2;  // list box: show a vertical scroll bar
}  // namespace control_flags

// Positions and sizes in dialog units (2 pixels per unit on both axes).
struct ControlTemplate {
  ControlKind kind = ControlKind::PushButton;
  int id = 0;
  std::string_view text;
  int x = 0, y = 0, width = 0, height = 0;
  unsigned flags = 0;
};

enum class DialogFrame {
  Popup,      // caption bar with the title, dialog frame
  Frameless,  // dialog frame only
};

struct DialogTemplate {
  std::string_view name;
  DialogFrame frame = DialogFrame::Popup;
  std::string_view title;
  int width = 0, height = 0;  // client size in dialog units
  std::vector<ControlTemplate> controls;
};

struct StringResource {
  int id = 0;
  std::string_view text;
};

// An icon drawn by the program itself: width × height pixels, 0xAARRGGBB, row by row.
struct IconResource {
  int id = 0;
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
};

struct ResourceTable {
  std::vector<MenuTemplate> menus;
  std::vector<DialogTemplate> dialogs;
  std::vector<StringResource> strings;
  std::vector<IconResource> icons;
};

// The string with that id, or an empty string.
std::string LoadString(Instance* instance, int id);
// nullptr when there is no dialog template with that name.
const DialogTemplate* FindDialogTemplate(Instance* instance, std::string_view name);

// ---------------------------------------------------------------------------------------
// Program start

struct ProgramOptions {
  bool headless = false;              // --headless
  std::string script;                 // --script FILE (headless only)
  std::optional<std::uint32_t> seed;  // --seed N
  int scale = 1;                      // --scale N (SDL only)
  std::string commandLine;            // the remaining arguments, joined by single blanks
};

// The program's own entry point: takes the instance, the command line (everything after
// the program name and the layer's own options) and the show state; returns the exit code.
using EntryPoint = int (*)(Instance* instance, const std::string& commandLine, int showState);

// Parses the layer's options (--headless, --script, --seed, --scale), opens the backend and
// runs the entry point. Returns the exit code: the entry's, or 1 when no display can be
// opened, or the script's failure code.
int RunProgram(int argc, char** argv, const ResourceTable& resources, EntryPoint entry);
const ProgramOptions& Options();

// Milliseconds of the layer's clock (virtual under the headless backend).
std::uint64_t TickCount();

// Values the program registers under a name so that scripts can check them (expect-value).
void RegisterValue(std::string name, std::function<long long()> getter);
std::optional<long long> ReadRegisteredValue(std::string_view name);

// ---------------------------------------------------------------------------------------
// Windows

struct Brush;
struct Pen;
struct Font;
struct Bitmap;
struct DeviceContext;
struct Menu;

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

// The default beep.
void MessageBeep();

// ---------------------------------------------------------------------------------------
// Menus: a bar drawn by the layer at the top of the window (20 pixels), with drop-downs.
// Mouse, F10 or Alt, arrows, Enter and Esc work it; a chosen item sends Command(id).

inline constexpr int kMenuBarHeight = 20;

Menu* LoadMenu(Instance* instance, std::string_view name);
void SetMenu(Window* window, Menu* menu);  // nullptr removes the bar; sends Size when it changes
Menu* GetMenu(Window* window);
void DestroyMenu(Menu* menu);
void EnableMenuItem(Menu* menu, int id, bool enabled);
bool IsMenuItemEnabled(Menu* menu, int id);
// A switch item shows a check mark left of its text while it is checked (none at first).
void CheckMenuItem(Menu* menu, int id, bool checked);
bool IsMenuItemChecked(Menu* menu, int id);

// ---------------------------------------------------------------------------------------
// Modal dialogs and message boxes

// Creates the dialog from its template, centred over the owner, sends InitDialog and runs a
// nested message loop until EndDialog. Returns the result given to EndDialog, or -1 when the
// template does not exist. The owner keeps receiving timers and paints meanwhile.
Param DialogBox(Instance* instance, std::string_view templateName, Window* owner, DialogProc proc);
// DialogBox with an argument: `initParam` arrives as the b of Msg::InitDialog (DialogBox hands
// the procedure 0), so that one procedure can serve many dialogs and learn from its opener
// what this one shows.
Param DialogBoxParam(Instance* instance, std::string_view templateName, Window* owner,
                     DialogProc proc, Param initParam);
void EndDialog(Window* dialog, Param result);
bool IsDialog(Window* window);
std::string_view DialogTemplateName(Window* dialog);  // "messagebox" for message boxes
// The top modal dialog or message box, nullptr when none is open.
Window* TopDialog();

void SetItemText(Window* dialog, int id, std::string_view text);
std::string GetItemText(Window* dialog, int id);
void CheckButton(Window* dialog, int id, bool checked);
bool IsButtonChecked(Window* dialog, int id);
// List boxes: lines are numbered from 0; no selection is -1.
int ListAddString(Window* dialog, int id, std::string_view text);
int ListGetSelection(Window* dialog, int id);
void ListSetSelection(Window* dialog, int id, int line);
int ListCount(Window* dialog, int id);
// Sets the keyboard focus to a control.
void SetFocusItem(Window* dialog, int id);

namespace mb {
inline constexpr unsigned kOk = 0;
inline constexpr unsigned kOkCancel = 1;
inline constexpr unsigned kIconWarning = 0x30;
}  // namespace mb
// Returns kIdOk or kIdCancel.
int MessageBox(Window* owner, std::string_view text, std::string_view caption, unsigned flags);

// ---------------------------------------------------------------------------------------
// Drawing. Every drawing call does nothing when given a null device context.

enum class PenStyle { Solid, Dot, Null };
enum class BkMode { Transparent, Opaque };
// Raster operations of block copies and picture drawing.
enum class Rop { SrcCopy, SrcAnd, SrcPaint, SrcInvert };

enum class StockObject {
  BlackPen,
  WhitePen,
  NullPen,
  WhiteBrush,
  LightGreyBrush,
  GreyBrush,
  DarkGreyBrush,
  BlackBrush,
  NullBrush,
  SystemFixedFont,  // 8 × 16 cells
};
Pen* StockPen(StockObject which);
Brush* StockBrush(StockObject which);
Font* StockFont(StockObject which);

Pen* CreatePen(PenStyle style, int width, Color color);
Brush* CreateSolidBrush(Color color);

// A fixed-pitch Japanese font: cell height `height` pixels, a half-width glyph advances by
// `width` pixels and a full-width glyph by twice that. width 0 means height / 2. Weight 700
// and above is bold.
struct FontSpec {
  int height = 16;
  int width = 8;
  int weight = 400;
};
Font* CreateFont(const FontSpec& spec);

// A bitmap of 32-bit pixels. nullptr when the size is not positive or too large.
Bitmap* CreateCompatibleBitmap(DeviceContext* dc, int width, int height);
int BitmapWidth(const Bitmap* bitmap);
int BitmapHeight(const Bitmap* bitmap);

// Deleting a stock object, or an object still selected into a context, does nothing.
void DeleteObject(Pen* pen);
void DeleteObject(Brush* brush);
void DeleteObject(Font* font);
void DeleteObject(Bitmap* bitmap);

// Contexts start with the black pen, the white brush, the system font, black text on an
// opaque white background, no clipping and the current position at (0, 0).
DeviceContext* GetDC(Window* window);
void ReleaseDC(Window* window, DeviceContext* dc);
struct PaintInfo {
  DeviceContext* dc = nullptr;
  Rect paintRect;
  bool erase = false;  // the layer has already erased the area with the class background
};
DeviceContext* BeginPaint(Window* window, PaintInfo* info);
void EndPaint(Window* window, PaintInfo* info);
// A memory context; `like` may be nullptr. It draws into the bitmap selected into it.
DeviceContext* CreateCompatibleDC(DeviceContext* like);
void DeleteDC(DeviceContext* dc);

Pen* SelectPen(DeviceContext* dc, Pen* pen);  // returns the previous one
Brush* SelectBrush(DeviceContext* dc, Brush* brush);
Font* SelectFont(DeviceContext* dc, Font* font);
Bitmap* SelectBitmap(DeviceContext* dc, Bitmap* bitmap);

Color SetTextColor(DeviceContext* dc, Color color);
Color SetBkColor(DeviceContext* dc, Color color);
BkMode SetBkMode(DeviceContext* dc, BkMode mode);

// Clipping rectangle in the context's coordinates; nullptr removes it.
void SetClipRect(DeviceContext* dc, const Rect* rect);

Point MoveTo(DeviceContext* dc, int x, int y);  // returns the previous position
void LineTo(DeviceContext* dc, int x, int y);   // the end point is not drawn
// Outline with the pen, inside filled with the brush. With the null pen the filled area is one
// pixel smaller on the right and at the bottom.
void Rectangle(DeviceContext* dc, int left, int top, int right, int bottom);
void Ellipse(DeviceContext* dc, int left, int top, int right, int bottom);
// The arc of the ellipse in the box, counter-clockwise from the radial through (x1, y1) to
// the radial through (x2, y2).
void Arc(DeviceContext* dc, int left, int top, int right, int bottom, int x1, int y1, int x2,
         int y2);
// Filled with the brush (alternate rule), outlined with the pen, closed.
void Polygon(DeviceContext* dc, const Point* points, int count);
// Fills the rectangle (right and bottom exclusive) with the brush, no outline.
void FillRect(DeviceContext* dc, const Rect& rect, Brush* brush);
void SetPixel(DeviceContext* dc, int x, int y, Color color);
// The colour at (x, y), or 0xFFFFFFFF outside the surface.
Color GetPixel(DeviceContext* dc, int x, int y);

// Text in UTF-8 with the selected font, colours and background mode.
void TextOut(DeviceContext* dc, int x, int y, std::string_view text);
// Width and height of the text in the selected font.
Point GetTextExtent(DeviceContext* dc, std::string_view text);
// The average character width of the selected font (a half-width glyph's advance).
int AverageCharWidth(DeviceContext* dc);

void BitBlt(DeviceContext* dst, int x, int y, int width, int height, DeviceContext* src, int srcX,
            int srcY, Rop rop);

// Packed device-independent bitmaps: a 40-byte (or larger) or 12-byte header, the colour
// table, bottom-up rows padded to 4 bytes; 1, 4, 8 or 24 bits per pixel, no compression.
struct DibInfo {
  int headerSize = 0;
  int width = 0;
  int height = 0;  // positive: rows are stored bottom-up
  int bitCount = 0;
  int colourCount = 0;         // entries in the colour table
  std::size_t bitsOffset = 0;  // offset of the pixel rows from the start of the header
  std::size_t stride = 0;      // bytes per row
};
// Checks that the header is one of the kinds above and that the colour table and every pixel
// row lie inside `size` bytes. Fills `info` when it returns true.
bool ParsePackedDib(const std::uint8_t* dib, std::size_t size, DibInfo* info);
// Draws the whole picture at (x, y) scaled to |width| × height; a negative width mirrors it
// left to right with its left edge still at x. Nothing is drawn for an invalid picture.
void StretchDib(DeviceContext* dc, int x, int y, int width, int height, const std::uint8_t* dib,
                std::size_t size, Rop rop);
// Copies the picture unchanged with its top-left corner at (x, y).
void DibToDevice(DeviceContext* dc, int x, int y, const std::uint8_t* dib, std::size_t size);

// Writes width × height pixels (0x00RRGGBB, rows from the top) as a PNG file.
bool SavePng(const std::string& path, int width, int height, const std::uint32_t* pixels);
// Reads a PNG file into width × height pixels (0x00RRGGBB, rows from the top, alpha dropped).
bool LoadPng(const std::string& path, int* width, int* height, std::vector<std::uint32_t>* pixels);
// The pixels of a bitmap, rows from the top (for tests, tools and screenshots).
const std::uint32_t* BitmapPixels(const Bitmap* bitmap);

// ---------------------------------------------------------------------------------------
// Text

// Display cells of a UTF-8 text: 1 per ASCII (or half-width katakana) character, 2 per other
// character. This equals the text's byte count in Shift-JIS.
int DisplayCells(std::string_view utf8);
// The longest prefix of the text that takes at most `cells` display cells.
std::string_view PrefixByCells(std::string_view utf8, int cells);
// The classic formatter for %d, %u, %x, %s, %c and %% with flags '-' and '0' and a width
// (%2d, %-20s ...). %s takes a const char*.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// ---------------------------------------------------------------------------------------
// Sound

// Plays a WAV file from the current directory. Asynchronous play returns at once and replaces
// a sound still playing. The name "silent" played synchronously stops the current sound. A
// missing file or no audio device means silence, never an error.
void PlaySound(std::string_view fileName, bool async);
// The file name of the sound playing now, empty when none (used by tests and scripts).
std::string CurrentSound();

// ---------------------------------------------------------------------------------------
// Files (raw bytes, names relative to the current directory) and processes

using FileHandle = int;
inline constexpr FileHandle kNoFile = -1;
FileHandle OpenFileRead(std::string_view name);
FileHandle OpenFileReadWrite(std::string_view name);
FileHandle CreateFile(std::string_view name);  // truncates an existing file
// Return the byte count moved, which is short at the end of the file or on failure.
long ReadFile(FileHandle file, void* buffer, std::size_t count);
long WriteFile(FileHandle file, const void* buffer, std::size_t count);
// Moves the read and write position to `offset` bytes from the start (it may lie past the
// end: a read there moves nothing). False on a bad handle or a file that cannot seek.
bool SeekFile(FileHandle file, std::uint64_t offset);
void CloseFile(FileHandle file);
// Flushes what was written to the file down to the disk; false when the disk refused it.
bool SyncFile(FileHandle file);
// Renames `from` to `to` in one step, replacing a file named `to`, and flushes the folder
// entry, so that `to` is afterwards either the old file or the new one, never a mixture.
// False when the rename failed (`from` and `to` are then as they were).
bool RenameFile(std::string_view from, std::string_view to);
bool DeleteFile(std::string_view name);
bool FileExists(std::string_view name);
std::string CurrentDirectory();
bool SetCurrentDirectory(std::string_view path);

// Starts `program` (a path relative to `folder`) in `folder` with one argument and waits at
// most `waitMs` milliseconds until its message loop first goes idle. False when it could not
// be started.
bool StartProgram(std::string_view folder, std::string_view program, std::string_view argument,
                  int waitMs);

// What became of a program start (StartProgramReporting).
enum class StartResult {
  Ready,           // started, and its message loop went idle within the wait
  EndedUnready,    // started, but it ended (or gave up its ready signal) without going idle
  NotReadyInTime,  // started and still running, not idle when the wait ran out
  NoFolder,        // the folder could not be entered
  NotFound,        // there is no program at that path
  NotExecutable,   // the file is there but cannot be run (no permission, not a program)
  Failed,          // the system refused: no pipe or no process could be made
};
// StartProgram with the reason: the first three results mean the program was started (and is
// left to run), the others that it was not.
StartResult StartProgramReporting(std::string_view folder, std::string_view program,
                                  std::string_view argument, int waitMs);

}  // namespace platform
