// Pieces shared inside the platform layer: the frame buffers drawing goes into, the link
// between the message core and the drawing code, and the interface every backend implements.
// Nothing outside src/platform/ includes this header (tests of the layer excepted).
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/system/memory_pages.h"

namespace platform::detail {

// A 32-bit frame buffer (0x00RRGGBB), row by row from the top. Every drawing call that
// changes pixels sets `dirty`; the core clears it when it has presented the frame.
struct Surface {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  bool dirty = false;
  // Kept for the composed frame only (ComposeFrame, incrementally): when `rowsKnown`, every row
  // that may differ from the frame the backend was last given is marked in `changedRows`, and
  // the others are known to be equal to it. The core clears the marks once it has presented.
  std::vector<std::uint8_t> changedRows;
  bool rowsKnown = false;
  // With changedRows, of each marked row: the columns [changedLeft, changedRight) that may
  // differ (the others are equal to the frame given before).
  std::vector<std::int32_t> changedLeft;
  std::vector<std::int32_t> changedRight;
  // Kept for the main window's client area (trackTouches): of each row, the columns
  // [touchLeft, touchRight) that drawing may have changed since the frame was last presented
  // (an empty range: none). Every drawing through a context marks the rows and columns of its
  // clip; the core clears the marks once it has presented.
  bool trackTouches = false;
  std::vector<std::int32_t> touchLeft;
  std::vector<std::int32_t> touchRight;

  void Resize(int w, int h, Color fill = 0) {
    width = w;
    height = h;
    AssignPixels(&pixels, std::size_t(w > 0 ? w : 0) * std::size_t(h > 0 ? h : 0), fill);
    dirty = true;
    if (trackTouches) {
      touchLeft.assign(std::size_t(h > 0 ? h : 0), 0);
      touchRight.assign(std::size_t(h > 0 ? h : 0), w);
    }
  }
  // Marks `area` (clipped to the surface) as touched.
  void Touch(int left, int top, int right, int bottom) {
    if (!trackTouches || touchLeft.size() != std::size_t(height)) return;
    for (int y = top < 0 ? 0 : top; y < bottom && y < height; ++y) {
      std::int32_t& l = touchLeft[std::size_t(y)];
      std::int32_t& r = touchRight[std::size_t(y)];
      if (l >= r) {
        l = left;
        r = right;
      } else {
        l = left < l ? left : l;
        r = right > r ? right : r;
      }
    }
  }
  void ClearTouches() {
    std::fill(touchLeft.begin(), touchLeft.end(), 0);
    std::fill(touchRight.begin(), touchRight.end(), 0);
  }
  std::uint32_t* Row(int y) { return pixels.data() + std::size_t(y) * std::size_t(width); }
  const std::uint32_t* Row(int y) const {
    return pixels.data() + std::size_t(y) * std::size_t(width);
  }
};

// ----- drawing (draw/ and text/) used by the core

// A context that draws into `surface` (a window's client area, a dialog's, or the composed
// frame). The context does not own the surface.
DeviceContext* CreateSurfaceDC(Surface* surface);
// The surface a context draws into (for a memory context, its selected bitmap's), or nullptr.
Surface* ContextSurface(DeviceContext* dc);
// The pixels of a bitmap (for tests and for the headless screenshot of memory bitmaps).
Surface* BitmapSurface(Bitmap* bitmap);
// Releases the fonts, glyph caches and stock objects (end of the program or of a test), and
// with them every context, pen, brush, font and bitmap still alive: no pointer to one may be
// used afterwards (DeleteDC and DeleteObject ignore pointers they no longer know).
void ShutdownDrawing();
// Warns once on stderr when the Japanese font file cannot be found; drawing goes on without
// glyphs then.
void InitFonts();

// ----- text

// Decodes the UTF-8 sequence starting at text[i]: returns its length (at least 1) and the code
// point (U+FFFD for a malformed or cut-off sequence, which then counts one byte).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, std::uint32_t* codepoint);

// ----- input and backends

struct InputEvent {
  enum class Kind {
    KeyDown,
    KeyUp,
    Char,
    MouseDown,
    MouseUp,
    MouseDoubleClick,
    MouseMove,
    CloseRequest,  // the window manager's close button
    FocusLost,     // the window lost the keyboard focus
    FocusGained,   // and has it again
    PadRemoved,    // a gamepad was pulled out
  };
  Kind kind = Kind::KeyDown;
  int key = 0;                  // virtual-key code for KeyDown and KeyUp
  bool repeat = false;          // KeyDown from auto-repeat
  std::uint32_t codepoint = 0;  // Char
  int x = 0, y = 0;             // mouse, in frame pixels (menu bar included, unscaled)
};

class Backend {
 public:
  virtual ~Backend() = default;
  // Opens the display for a frame of width × height pixels, in a window whose frame offers a
  // maximise button only when `maximisable`. False when there is none.
  virtual bool OpenDisplay(int width, int height, std::string_view title,
                           bool maximisable = false) = 0;
  virtual void SetTitle(std::string_view title) = 0;
  virtual void SetIcon(const IconResource& icon) = 0;
  virtual std::uint64_t NowMs() = 0;
  // Shows the composed frame (menu bar, client area, dialogs on top).
  virtual void Present(const Surface& frame) = 0;
  // Takes one pending input event without waiting.
  virtual bool PollInput(InputEvent* event) = 0;
  // Blocks until input arrives or the clock reaches `deadline` (none: until input).
  virtual void Wait(std::optional<std::uint64_t> deadline) = 0;
  virtual void PlaySound(std::string_view fileName, bool async) = 0;
  virtual std::string CurrentSound() = 0;
  virtual void Beep() = 0;
  // False for a backend that shows nothing (headless): the core then composes the frame only
  // when asked (screenshots) instead of every time the loop goes idle.
  virtual bool WantsFrames() { return true; }
  // How often the display shows a new picture, in frames a second (60 when it does not say).
  virtual int RefreshRate() { return 60; }
};

// Both return nullptr when the backend cannot be set up (no SDL video, for example).
Backend* CreateSdlBackend(int scale);
Backend* CreateHeadlessBackend();
Backend* CurrentBackend();

// ----- the core (core/) used by the backends and the headless driver

// Draws the whole frame as the player sees it: menu bar, main window client area, every
// dialog and message box in z-order, open drop-down menus. `incremental`: the frame is the one
// composed and presented before; while nothing but the main window is on it, only its rows
// that differ are copied, and the frame's changedRows say which (rowsKnown).
void ComposeFrame(Surface* frame, bool incremental = false);
// Frame size of the main window (menu bar included); 0 × 0 before it exists.
Point FrameSize();
// Feeds one input event into the layer (routing to menus, dialogs or the main window).
void HandleInput(const InputEvent& event);
// Where keys go now: an open drop-down menu, the top dialog, or the main window.
enum class InputFocus { Main, Dialog, Menu };
InputFocus CurrentInputFocus();

}  // namespace platform::detail
