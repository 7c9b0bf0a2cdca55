// The SDL2 backend: a real window showing the composed frame with sharp scaling, the keyboard
// and mouse as the layer's input events, and sound through SDL's own audio.
#include <SDL.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/internal.h"
#include "platform/sdl/display_connection.h"
#include "platform/sdl/frame_scaler.h"
#include "platform/sdl/gamepad_map.h"
#include "platform/sdl/sdl_input.h"
#include "platform/sdl/sdl_sound.h"
#include "platform/sdl/window_hints.h"

namespace platform::detail {

namespace {

using sdl::KeyRoute;

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

// A desktop session names its display; without one (and without a driver asked for by name)
// there is nothing to open, and trying would only make SDL's back ends print their own errors.
bool DisplayExpected() {
  return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("SDL_VIDEODRIVER");
}

bool IsInvisibleDriver(const char* driver) {
  return std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0 ||
         std::strcmp(driver, "evdev") == 0;
}

class SdlBackend final : public Backend {
 public:
  explicit SdlBackend(int scale) : scale_(std::clamp(scale, 1, 16)) {}
  ~SdlBackend() override;

  // Starts SDL's video (and, when there is a device, its audio). False without a display.
  bool StartVideo();
  bool OpenDisplay(int width, int height, std::string_view title, bool maximisable) override;
  void SetTitle(std::string_view title) override;
  void SetIcon(const IconResource& icon) override;
  std::uint64_t NowMs() override { return SDL_GetTicks64(); }
  void Present(const Surface& frame) override;
  bool PollInput(InputEvent* event) override;
  void Wait(std::optional<std::uint64_t> deadline) override;
  void PlaySound(std::string_view fileName, bool async) override { sound_.Play(fileName, async); }
  std::string CurrentSound() override { return sound_.Current(); }
  void Beep() override { sound_.Beep(); }
  int RefreshRate() override;

 private:
  int FittingScale(int width, int height) const;
  sdl::ViewGeometry Geometry() const;
  // Scales a frame into the window's pixels and keeps it as the frame shown: every row, with
  // black bars around the picture, or (changedOnly) only the part that differs from the frame
  // the window shows (`candidates`, when given, are the only rows that may differ). Without a
  // frame, the one shown is drawn again.
  void Redraw(const std::uint32_t* frame = nullptr, bool changedOnly = false,
              const std::uint8_t* candidates = nullptr, const std::int32_t* lefts = nullptr,
              const std::int32_t* rights = nullptr);
  void ToggleFullScreen();
  // The window's pixels are a large shared-memory block (20 MB at 3x) whose pages the kernel
  // hands out one by one as they are first written. A thread asks for them all at once when
  // the window is made, while the program loads its data; everything that touches the window's
  // pixels first waits for it.
  void StartPrefault();
  void FinishPrefault();
  bool NextEvent(SDL_Event* event);
  // Gathers what the display connection and the gamepads have for the program, at most once
  // per millisecond: the game's 10 ms timer would otherwise make every wake-up ask the X
  // server and the pad devices several times over.
  void Pump();
  // Turns one SDL event into input for the program (false when it is none). Text input may
  // give several characters; all but the first wait in `pending_`.
  bool Translate(const SDL_Event& event, InputEvent* out);
  bool TranslateKey(const SDL_KeyboardEvent& key, bool down, InputEvent* out);
  bool MousePosition(int x, int y, InputEvent* out) const;
  // Gamepads: opened when plugged in (and at start), their buttons and stick as keys queued in
  // `pending_`; a pad pulled out releases its keys and tells the program.
  bool TranslatePad(const SDL_Event& event, InputEvent* out);
  void StartPads();
  bool TakePending(InputEvent* out);

  int scale_;
  bool videoUp_ = false;
  SDL_Window* window_ = nullptr;
  int frameWidth_ = 0, frameHeight_ = 0;
  std::vector<std::uint32_t> shownPixels_;  // the last frame presented, as the window shows it
  bool windowCurrent_ = false;  // the window's pixels show shownPixels_ in the current geometry
  sdl::FrameScaler scaler_;
  std::vector<std::uint32_t> scratch_;  // for a window whose pixels are not 0x00RRGGBB
  bool shown_ = false;
  bool fullScreen_ = false;
  // For measuring: the pictures presented so far that differed from the one before, written
  // with the clock into the file that PLATFORM_PRESENT_COUNT_FILE names (at most four times a
  // second) when it is set.
  void CountPresent();
  const char* presentCountFile_ = std::getenv("PLATFORM_PRESENT_COUNT_FILE");
  std::uint64_t presents_ = 0;
  std::uint64_t presentsWrittenAt_ = 0;
  bool maximisable_ = false;  // the window's frame offers a maximise button
  std::string title_;
  std::optional<SDL_Event> stashed_;  // taken from SDL while waiting, not yet translated
  std::deque<InputEvent> pending_;
  // The virtual key each held key went down as, so that its release reports the same key even
  // when Num Lock or the layout changed in between; -1 for a key the backend kept to itself.
  std::array<int, SDL_NUM_SCANCODES> heldAs_{};
  sdl::SoundPlayer sound_;
  sdl::DisplayConnection connection_;
  static constexpr int kShortWaitMs = 20;
  std::thread prefault_;
  bool padsTried_ = false;  // StartPads ran
  bool padsUp_ = false;     // the game-controller subsystem runs
  std::uint64_t lastPumpMs_ = ~std::uint64_t{0};
  bool displayJustLookedAt_ = false;     // a wait ran out with nothing from the display
  std::uint64_t lastDisplayPumpMs_ = 0;  // SDL last looked at the display connection
  std::uint64_t nextPadScanMs_ = 0;      // when to look for newly plugged-in pads again
  struct OpenPad {
    SDL_GameController* controller = nullptr;
    sdl::PadMapper mapper;
    sdl::ArrowRepeat repeat;  // the held arrows' key repeat
  };
  std::map<SDL_JoystickID, OpenPad> pads_;
};

SdlBackend::~SdlBackend() {
  FinishPrefault();
  sound_.Close();
  for (auto& pad : pads_) SDL_GameControllerClose(pad.second.controller);
  pads_.clear();
  if (padsUp_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  if (videoUp_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_Quit();
}

bool SdlBackend::StartVideo() {
  // Ctrl+C and SIGTERM end the program as usual instead of arriving as a quit event.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // The frame is scaled into the window's own pixels (shared memory on X11): no renderer, so no
  // OpenGL driver and its software rasteriser are loaded for a 900 x 600 picture.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // The click that brings the window to the front also reaches the program.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  if (!DisplayExpected()) return false;
  // X11's input method reads and parses the locale's whole table of compose sequences (15 ms,
  // a fifth of the start) for dead keys and the Compose key. The game has no field the player
  // types text into, so the table is left empty unless the user names one himself; the
  // variable is taken back at once, so the programs started later see the user's own.
  const bool composeNamed = std::getenv("XCOMPOSEFILE") != nullptr;
  if (!composeNamed) setenv("XCOMPOSEFILE", "/dev/null", 1);
  const int videoStarted = SDL_InitSubSystem(SDL_INIT_VIDEO);
  if (!composeNamed) unsetenv("XCOMPOSEFILE");
  if (videoStarted != 0) return false;
  videoUp_ = true;
  if (SDL_GetNumVideoDisplays() < 1) return false;
  // Without a screen SDL falls back to drivers that show nothing; they count only when asked
  // for by name (the tests do).
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* wanted = std::getenv("SDL_VIDEODRIVER");
  if (driver != nullptr && IsInvisibleDriver(driver) &&
      (wanted == nullptr || std::strcmp(wanted, driver) != 0)) {
    return false;
  }
  // The gamepads start with the first look at the input after the first paint, and the audio
  // device with the first sound: both off the path to the first paint.
  return true;
}

void SdlBackend::StartPads() {
  padsTried_ = true;
  // Gamepads: the ones plugged in now arrive as device-added events like later ones. The pad
  // keeps working while the window is in the background, so that its removal is still seen.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  // The pads are read by Pump, not by every look at the event queue.
  SDL_SetHint(SDL_HINT_AUTO_UPDATE_JOYSTICKS, "0");
  padsUp_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

int SdlBackend::RefreshRate() {
  SDL_DisplayMode mode;
  const int display = window_ != nullptr ? SDL_GetWindowDisplayIndex(window_) : 0;
  if (SDL_GetCurrentDisplayMode(display < 0 ? 0 : display, &mode) != 0 || mode.refresh_rate <= 0) {
    return 60;
  }
  return mode.refresh_rate;
}

bool SdlBackend::OpenDisplay(int width, int height, std::string_view title, bool maximisable) {
  if (!videoUp_ || window_ != nullptr || width <= 0 || height <= 0) return false;
  title_ = std::string(title);
  const int scale = FittingScale(width, height);
  window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             width * scale, height * scale, SDL_WINDOW_HIDDEN);
  if (window_ == nullptr) {
    std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
    return false;
  }
  frameWidth_ = width;
  frameHeight_ = height;
  maximisable_ = maximisable;
  if (!maximisable_) sdl::LeaveOutMaximise(window_);
  connection_.Attach(window_);
  StartPrefault();
  return true;
}

void SdlBackend::StartPrefault() {
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr || surface->pixels == nullptr || SDL_MUSTLOCK(surface)) return;
  void* pixels = surface->pixels;
  const std::size_t bytes = std::size_t(surface->h) * std::size_t(surface->pitch);
  // A thread asks for all the pages in one call (where the system cannot, it writes them) while
  // the game loads its data: at 3x that is 15 ms of the kernel's work, off the path to the
  // first paint. Zero is black in every pixel layout the window can have, and the frame covers
  // it anyway.
  prefault_ = std::thread([pixels, bytes] {
    if (!PopulatePages(pixels, bytes)) std::memset(pixels, 0, bytes);
  });
}

void SdlBackend::FinishPrefault() {
  if (prefault_.joinable()) prefault_.join();
}

// The requested scale, reduced while the window would not fit on the screen.
int SdlBackend::FittingScale(int width, int height) const {
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return scale_;
  int scale = scale_;
  while (scale > 1 && (width * scale > usable.w || height * scale > usable.h)) --scale;
  return scale;
}

void SdlBackend::SetTitle(std::string_view title) {
  title_ = std::string(title);
  if (window_ != nullptr) SDL_SetWindowTitle(window_, title_.c_str());
}

void SdlBackend::SetIcon(const IconResource& icon) {
  if (window_ == nullptr || icon.width <= 0 || icon.height <= 0) return;
  if (icon.pixels.size() < std::size_t(icon.width) * std::size_t(icon.height)) return;
  // 0xAARRGGBB words; SDL copies the pixels, so the surface may borrow them.
  SDL_Surface* surface = SDL_CreateRGBSurfaceFrom(
      const_cast<std::uint32_t*>(icon.pixels.data()), icon.width, icon.height, 32, icon.width * 4,
      0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u);
  if (surface == nullptr) return;
  SDL_SetWindowIcon(window_, surface);
  SDL_FreeSurface(surface);
}

void SdlBackend::Present(const Surface& frame) {
  FinishPrefault();
  if (window_ == nullptr || frame.width <= 0 || frame.height <= 0) return;
  const std::size_t count = std::size_t(frame.width) * std::size_t(frame.height);
  if (frame.pixels.size() < count) return;
  if (frame.width != frameWidth_ || frame.height != frameHeight_) {
    frameWidth_ = frame.width;
    frameHeight_ = frame.height;
    windowCurrent_ = false;
    if (!fullScreen_) {
      const int scale = FittingScale(frame.width, frame.height);
      SDL_SetWindowSize(window_, frame.width * scale, frame.height * scale);
    }
  }
  if (shownPixels_.size() != count) {
    AssignPixels(&shownPixels_, count, 0);
    windowCurrent_ = false;
  }
  if (!shown_) {
    SDL_ShowWindow(window_);
    shown_ = true;
  }
  // The composed frame may say which rows can differ from the one presented before; that holds
  // only while the window shows that one.
  const bool rowsKnown =
      frame.rowsKnown && frame.changedRows.size() == std::size_t(frame.height) && windowCurrent_;
  const bool columnsKnown = rowsKnown && frame.changedLeft.size() == std::size_t(frame.height) &&
                            frame.changedRight.size() == std::size_t(frame.height);
  Redraw(frame.pixels.data(), true, rowsKnown ? frame.changedRows.data() : nullptr,
         columnsKnown ? frame.changedLeft.data() : nullptr,
         columnsKnown ? frame.changedRight.data() : nullptr);
}

void SdlBackend::CountPresent() {
  ++presents_;
  if (presentCountFile_ == nullptr || *presentCountFile_ == '\0') return;
  const std::uint64_t now = SDL_GetTicks64();
  if (presentsWrittenAt_ != 0 && now - presentsWrittenAt_ < 250) return;
  presentsWrittenAt_ = now;
  if (std::FILE* out = std::fopen(presentCountFile_, "w")) {
    std::fprintf(out, "%llu %llu\n", static_cast<unsigned long long>(presents_),
                 static_cast<unsigned long long>(now));
    std::fclose(out);
  }
}

sdl::ViewGeometry SdlBackend::Geometry() const {
  sdl::ViewGeometry g;
  SDL_GetWindowSize(window_, &g.windowWidth, &g.windowHeight);
  SDL_GetWindowSizeInPixels(window_, &g.outputWidth, &g.outputHeight);
  if (g.outputWidth <= 0 || g.outputHeight <= 0) {
    g.outputWidth = g.windowWidth;
    g.outputHeight = g.windowHeight;
  }
  g.frameWidth = frameWidth_;
  g.frameHeight = frameHeight_;
  return g;
}

void SdlBackend::Redraw(const std::uint32_t* frame, bool changedOnly,
                        const std::uint8_t* candidates, const std::int32_t* lefts,
                        const std::int32_t* rights) {
  FinishPrefault();
  if (window_ == nullptr || shownPixels_.empty()) return;
  if (frame == nullptr) {
    frame = shownPixels_.data();
    changedOnly = false;
  }
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr) return;
  const bool direct =
      surface->format->BytesPerPixel == 4 && surface->format->Rmask == 0x00FF0000u &&
      surface->format->Gmask == 0x0000FF00u && surface->format->Bmask == 0x000000FFu;
  sdl::ViewGeometry g = Geometry();
  g.outputWidth = surface->w;
  g.outputHeight = surface->h;
  const Rect picture = sdl::PictureRect(g);
  std::vector<sdl::RowSpan> spans;
  if (!changedOnly || !windowCurrent_) {
    scaler_.Configure(frameWidth_, frameHeight_, picture);
    // Black bars around the picture; the picture itself is written whole below.
    const Uint32 black = SDL_MapRGB(surface->format, 0, 0, 0);
    const SDL_Rect bars[] = {
        {0, 0, surface->w, picture.top},
        {0, picture.bottom, surface->w, surface->h - picture.bottom},
        {0, picture.top, picture.left, picture.Height()},
        {picture.right, picture.top, surface->w - picture.right, picture.Height()}};
    for (const SDL_Rect& bar : bars) {
      if (bar.w > 0 && bar.h > 0) SDL_FillRect(surface, &bar, black);
    }
    spans.push_back(sdl::RowSpan{0, frameHeight_, 0, frameWidth_});
    changedOnly = false;
  } else {
    spans = sdl::ChangedRowSpans(shownPixels_.data(), frame, frameWidth_, frameHeight_, 8,
                                 candidates, lefts, rights);
    if (spans.empty()) return;
  }
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
  std::vector<SDL_Rect> rects;
  for (const sdl::RowSpan& span : spans) {
    Rect band;
    if (direct) {
      band = scaler_.ScaleBand(frame, frameWidth_, static_cast<std::uint32_t*>(surface->pixels),
                               surface->pitch / 4, span);
    } else {
      // Another pixel layout: a few frame rows at a time through a small buffer.
      constexpr int kRowsAtATime = 8;
      for (int first = span.first; first < span.last; first += kRowsAtATime) {
        const sdl::RowSpan rows{first, std::min(first + kRowsAtATime, span.last), span.left,
                                span.right};
        const Rect part = scaler_.DestinationOf(rows);
        if (part.Empty()) continue;
        scratch_.resize(std::size_t(surface->w) * std::size_t(part.Height()));
        scaler_.ScaleBand(frame, frameWidth_, scratch_.data(), surface->w, rows, part.top);
        // Only the band's columns: the bars around the picture stay as they were filled.
        SDL_ConvertPixels(part.Width(), part.Height(), SDL_PIXELFORMAT_RGB888,
                          scratch_.data() + part.left, surface->w * 4, surface->format->format,
                          static_cast<std::uint8_t*>(surface->pixels) +
                              std::size_t(part.top) * std::size_t(surface->pitch) +
                              std::size_t(part.left) * surface->format->BytesPerPixel,
                          surface->pitch);
      }
      band = scaler_.DestinationOf(span);
    }
    if (!band.Empty()) rects.push_back(SDL_Rect{band.left, band.top, band.Width(), band.Height()});
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  if (frame != shownPixels_.data()) {
    // Outside each band's columns the rows are equal already.
    for (const sdl::RowSpan& span : spans) {
      for (int y = span.first; y < span.last; ++y) {
        const std::size_t row = std::size_t(y) * std::size_t(frameWidth_);
        std::copy(frame + row + span.left, frame + row + span.right,
                  shownPixels_.begin() + std::ptrdiff_t(row + std::size_t(span.left)));
      }
    }
  }
  windowCurrent_ = true;
  if (!changedOnly) {
    SDL_UpdateWindowSurface(window_);
  } else if (!rects.empty()) {
    SDL_UpdateWindowSurfaceRects(window_, rects.data(), int(rects.size()));
  }
  if (frame != shownPixels_.data()) CountPresent();  // a picture that differs reached the window
}

void SdlBackend::ToggleFullScreen() {
  // The change of mode makes new pixels for the window and gives back the old ones.
  FinishPrefault();
  if (window_ == nullptr) return;
  const bool wanted = !fullScreen_;
  if (SDL_SetWindowFullscreen(window_, wanted ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) return;
  fullScreen_ = wanted;
  if (!wanted && !maximisable_) sdl::LeaveOutMaximise(window_);
  windowCurrent_ = false;
  Redraw();
}

bool SdlBackend::NextEvent(SDL_Event* event) {
  if (stashed_) {
    *event = *stashed_;
    stashed_.reset();
    return true;
  }
  Pump();
  return SDL_PeepEvents(event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0;
}

void SdlBackend::Pump() {
  const std::uint64_t now = NowMs();
  if (now == lastPumpMs_) return;
  lastPumpMs_ = now;
  // A window not shown yet is still on the way to its first paint.
  if (!padsTried_ && (shown_ || window_ == nullptr)) StartPads();
  // Open pads are read every time; the search for new ones runs four times a second.
  if (padsUp_ && (!pads_.empty() || now >= nextPadScanMs_)) {
    SDL_JoystickUpdate();
    nextPadScanMs_ = now + 250;
  }
  // A wait that has just run out found nothing on the display connection; what comes after
  // that wakes the next wait. SDL's look at the connection still runs ten times a second, for
  // anything its client library may have read and kept without our seeing it.
  const bool lookedAt = displayJustLookedAt_;
  displayJustLookedAt_ = false;
  if (lookedAt && now - lastDisplayPumpMs_ < 100) return;
  lastDisplayPumpMs_ = now;
  SDL_PumpEvents();
}

bool SdlBackend::PollInput(InputEvent* event) {
  if (!pending_.empty()) {
    *event = pending_.front();
    pending_.pop_front();
    return true;
  }
  if (!videoUp_) return false;
  SDL_Event sdlEvent;
  while (NextEvent(&sdlEvent)) {
    if (Translate(sdlEvent, event)) return true;
  }
  // Nothing new from SDL: the held arrows of the pads repeat.
  const std::uint64_t now = NowMs();
  for (auto& pad : pads_) {
    if (pad.second.repeat.Due(now, event)) return true;
  }
  return false;
}

void SdlBackend::Wait(std::optional<std::uint64_t> deadline) {
  if (!pending_.empty() || stashed_ || !videoUp_) return;
  int timeout = -1;
  if (deadline) {
    const std::uint64_t now = NowMs();
    if (now >= *deadline) return;
    timeout = int(std::min<std::uint64_t>(*deadline - now, INT_MAX));
  }
  // An open pad's buttons do not wake the wait on the display connection: look at it again
  // every 10 ms, which is what the game's own timer does during a match anyway.
  if (!pads_.empty() && (timeout < 0 || timeout > 10)) timeout = 10;
  // Short waits (the game's timers) sleep on the connection itself and leave the look at what
  // came to the next PollInput; longer waits go through SDL, which wakes for everything.
  if (connection_.Attached() && timeout >= 0 && timeout <= kShortWaitMs) {
    if (!connection_.WaitReadable(timeout)) displayJustLookedAt_ = true;
    return;
  }
  // Blocks on the display connection; the event it returns is kept for PollInput.
  SDL_Event event;
  if (SDL_WaitEventTimeout(&event, timeout) != 0) {
    stashed_ = event;
  } else {
    displayJustLookedAt_ = true;
  }
}

bool SdlBackend::MousePosition(int x, int y, InputEvent* out) const {
  Point point;
  const bool inside = sdl::WindowToFrame(Geometry(), x, y, &point);
  out->x = point.x;
  out->y = point.y;
  return inside;
}

bool SdlBackend::TranslateKey(const SDL_KeyboardEvent& key, bool down, InputEvent* out) {
  const int scancode = key.keysym.scancode;
  if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return false;
  if (!down) {
    int virtualKey = heldAs_[std::size_t(scancode)];
    heldAs_[std::size_t(scancode)] = 0;
    if (virtualKey == 0) {
      virtualKey = sdl::VirtualKeyFor(scancode, key.keysym.sym, (key.keysym.mod & KMOD_NUM) != 0);
    }
    if (virtualKey <= 0) return false;  // unknown, or a key the backend kept
    out->kind = InputEvent::Kind::KeyUp;
    out->key = virtualKey;
    return true;
  }
  int& held = heldAs_[std::size_t(scancode)];
  if (held < 0 && key.repeat != 0) return false;  // the auto-repeat of F11 or Alt+Enter
  const int virtualKey =
      sdl::VirtualKeyFor(scancode, key.keysym.sym, (key.keysym.mod & KMOD_NUM) != 0);
  if (virtualKey == 0) return false;
  const bool alt = (key.keysym.mod & KMOD_ALT) != 0;
  if (key.repeat == 0 && sdl::RouteKeyDown(virtualKey, alt) == KeyRoute::ToggleFullScreen) {
    ToggleFullScreen();
    held = -1;
    // Alt was part of a combination: its release must not open the menu bar as a lone Alt
    // would, so the program does not see it (it sees the next press of Alt as usual).
    for (const int altKey : {SDL_SCANCODE_LALT, SDL_SCANCODE_RALT}) {
      if (heldAs_[std::size_t(altKey)] > 0) heldAs_[std::size_t(altKey)] = -1;
    }
    return false;
  }
  if (key.repeat == 0 || held <= 0) held = virtualKey;
  out->kind = InputEvent::Kind::KeyDown;
  out->key = held;
  out->repeat = key.repeat != 0;
  return true;
}

bool SdlBackend::TakePending(InputEvent* out) {
  if (pending_.empty()) return false;
  *out = pending_.front();
  pending_.pop_front();
  return true;
}

// Where the pad's buttons go now: the pitch, the top dialog or an open drop-down menu.
sdl::PadContext PadContextNow() {
  switch (CurrentInputFocus()) {
    case InputFocus::Dialog:
      return sdl::PadContext::Dialog;
    case InputFocus::Menu:
      return sdl::PadContext::Menu;
    case InputFocus::Main:
      break;
  }
  return sdl::PadContext::Play;
}

bool SdlBackend::TranslatePad(const SDL_Event& event, InputEvent* out) {
  const auto queue = [this](const std::vector<InputEvent>& events) {
    pending_.insert(pending_.end(), events.begin(), events.end());
  };
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: {
      SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which);
      if (controller == nullptr) return false;
      const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
      if (pads_.count(id) != 0) {
        SDL_GameControllerClose(controller);  // already open (plugged in before the start)
        return false;
      }
      OpenPad& pad = pads_[id];
      pad.controller = controller;
      sdl::PadMapper& mapper = pad.mapper;
      // What is held already when it is opened counts at once: SDL reports no press for a
      // button that went down before the pad was open (a pad plugged in with a button held,
      // or pressed in the moment between plugging in and this event).
      for (int button = 0; button < sdl::kPadButtonCount; ++button) {
        if (SDL_GameControllerGetButton(controller, SDL_GameControllerButton(button)) != 0) {
          queue(mapper.Button(sdl::PadButton(button), true, PadContextNow()));
        }
      }
      queue(mapper.Stick(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX),
                         SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY)));
      pad.repeat.Held(mapper.Directions(), NowMs());
      return TakePending(out);
    }
    case SDL_CONTROLLERDEVICEREMOVED: {
      auto pad = pads_.find(event.cdevice.which);
      if (pad == pads_.end()) return false;
      queue(pad->second.mapper.ReleaseAll());
      SDL_GameControllerClose(pad->second.controller);
      pads_.erase(pad);
      InputEvent removed;
      removed.kind = InputEvent::Kind::PadRemoved;
      pending_.push_back(removed);
      return TakePending(out);
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      auto pad = pads_.find(event.cbutton.which);
      if (pad == pads_.end() || event.cbutton.button >= sdl::kPadButtonCount) return false;
      queue(pad->second.mapper.Button(sdl::PadButton(event.cbutton.button),
                                      event.type == SDL_CONTROLLERBUTTONDOWN, PadContextNow()));
      pad->second.repeat.Held(pad->second.mapper.Directions(), NowMs());
      return TakePending(out);
    }
    case SDL_CONTROLLERAXISMOTION: {
      auto pad = pads_.find(event.caxis.which);
      if (pad == pads_.end()) return false;
      if (event.caxis.axis != SDL_CONTROLLER_AXIS_LEFTX &&
          event.caxis.axis != SDL_CONTROLLER_AXIS_LEFTY) {
        return false;
      }
      SDL_GameController* controller = pad->second.controller;
      queue(pad->second.mapper.Stick(
          SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX),
          SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY)));
      pad->second.repeat.Held(pad->second.mapper.Directions(), NowMs());
      return TakePending(out);
    }
    default:
      return false;
  }
}

bool SdlBackend::Translate(const SDL_Event& event, InputEvent* out) {
  *out = InputEvent{};
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION:
      return TranslatePad(event, out);
    case SDL_KEYDOWN:
      return TranslateKey(event.key, true, out);
    case SDL_KEYUP:
      return TranslateKey(event.key, false, out);
    case SDL_TEXTINPUT: {
      for (const std::uint32_t codepoint : sdl::CodePointsOf(event.text.text)) {
        InputEvent character;
        character.kind = InputEvent::Kind::Char;
        character.codepoint = codepoint;
        pending_.push_back(character);
      }
      if (pending_.empty()) return false;
      *out = pending_.front();
      pending_.pop_front();
      return true;
    }
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button != SDL_BUTTON_LEFT) return false;
      // A press on the black bars is outside the window's picture: nobody gets it.
      if (!MousePosition(event.button.x, event.button.y, out)) return false;
      out->kind = sdl::MouseDownKind(event.button.clicks);
      return true;
    case SDL_MOUSEBUTTONUP:
      if (event.button.button != SDL_BUTTON_LEFT) return false;
      MousePosition(event.button.x, event.button.y, out);
      out->kind = InputEvent::Kind::MouseUp;
      return true;
    case SDL_MOUSEMOTION:
      MousePosition(event.motion.x, event.motion.y, out);
      out->kind = InputEvent::Kind::MouseMove;
      return true;
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          out->kind = InputEvent::Kind::CloseRequest;
          return true;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          out->kind = InputEvent::Kind::FocusLost;
          return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          out->kind = InputEvent::Kind::FocusGained;
          return true;
        case SDL_WINDOWEVENT_EXPOSED:
          // The window's pixels are kept on our side: show them again as they are.
          FinishPrefault();
          if (shown_ && windowCurrent_) SDL_UpdateWindowSurface(window_);
          return false;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED:
          windowCurrent_ = false;
          if (shown_) Redraw();
          return false;
        default:
          return false;
      }
    default:
      return false;
  }
}

}  // namespace

Backend* CreateSdlBackend(int scale) {
  auto backend = std::make_unique<SdlBackend>(scale);
  if (!backend->StartVideo()) return nullptr;
  return backend.release();
}

}  // namespace platform::detail
