// The headless backend: no display and no audio device. A virtual clock that moves only when
// the driver says so, input injected by the driver, a virtual sound device and screenshots.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/core.h"
#include "platform/headless/headless.h"

namespace platform {

namespace headless {

namespace {

struct HeadlessState {
  std::uint64_t now = 0;
  std::deque<detail::InputEvent> input;
  IdleHandler idle;
  bool inIdleHandler = false;
  bool advancing = false;
  std::uint64_t advanceEnd = 0;
  std::string sound;
  std::uint64_t soundEnd = 0;
  std::string shownTitle;  // what the title bar shows
};

HeadlessState& State() {
  static HeadlessState state;
  return state;
}

std::uint32_t ReadLe32(const unsigned char* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

// The playing time of a WAV file from its header, or nothing when the file is missing or is
// not a WAV file.
std::optional<std::uint64_t> WavDurationMs(const std::string& name) {
  // Only a regular file is read (a FIFO would never end), and only as far as a sound can be.
  constexpr std::size_t kLargestSound = std::size_t(64) << 20;
  const FileHandle file = OpenFileRead(name);
  if (file < 0) return std::nullopt;
  std::vector<unsigned char> bytes;
  unsigned char chunk[16384];
  long got = 0;
  while (bytes.size() < kLargestSound && (got = ReadFile(file, chunk, sizeof chunk)) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  CloseFile(file);
  if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
      std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE") {
    return std::nullopt;
  }
  std::uint32_t byteRate = 0;
  std::size_t pos = 12;
  while (pos + 8 <= bytes.size()) {
    const std::string id(bytes.begin() + std::ptrdiff_t(pos),
                         bytes.begin() + std::ptrdiff_t(pos) + 4);
    const std::uint64_t size = ReadLe32(&bytes[pos + 4]);
    const std::size_t body = pos + 8;
    if (id == "fmt " && size >= 16 && body + 16 <= bytes.size()) {
      byteRate = ReadLe32(&bytes[body + 8]);
    } else if (id == "data") {
      if (byteRate == 0) return std::nullopt;
      const std::uint64_t available = std::min<std::uint64_t>(size, bytes.size() - body);
      return available * 1000 / byteRate;
    }
    pos = body + std::size_t(size) + (size & 1);
  }
  return std::nullopt;
}

bool Equal(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// One step of a running Advance: the clock moves to the next timer or to the end of the
// advance, whichever comes first. False when no advance is running.
bool StepAdvance(std::optional<std::uint64_t> deadline) {
  auto& s = State();
  if (!s.advancing) return false;
  if (s.now >= s.advanceEnd) {
    s.advancing = false;
    return false;
  }
  std::uint64_t target = s.advanceEnd;
  if (deadline && *deadline < target) target = *deadline;
  if (target > s.now) s.now = target;
  if (s.now >= s.advanceEnd) s.advancing = false;
  return true;
}

class HeadlessBackend final : public detail::Backend {
 public:
  bool OpenDisplay(int, int, std::string_view, bool) override { return true; }
  void SetTitle(std::string_view title) override { State().shownTitle = std::string(title); }
  void SetIcon(const IconResource&) override {}
  std::uint64_t NowMs() override { return State().now; }
  void Present(const detail::Surface&) override {}
  bool WantsFrames() override { return false; }

  bool PollInput(detail::InputEvent* event) override {
    auto& s = State();
    if (s.input.empty()) return false;
    *event = s.input.front();
    s.input.pop_front();
    return true;
  }

  void Wait(std::optional<std::uint64_t> deadline) override {
    auto& s = State();
    if (StepAdvance(deadline)) return;
    if (!s.idle) {
      std::fprintf(stderr,
                   "headless: the program waits for input and no script or test drives it\n");
      std::exit(3);
    }
    const std::uint64_t before = s.now;
    s.inIdleHandler = true;
    IdleHandler handler = s.idle;  // the handler may replace itself
    handler(deadline);
    s.inIdleHandler = false;
    // Input or messages from the handler go first; the clock moves only when nothing else
    // is left to do.
    if (!s.input.empty() || detail::HasWork() || s.now != before) return;
    if (StepAdvance(deadline)) return;
    std::fprintf(stderr, "headless: the driver left the program waiting with nothing to do\n");
    std::exit(3);
  }

  void PlaySound(std::string_view fileName, bool async) override {
    auto& s = State();
    s.sound.clear();  // a new sound replaces the old one, whatever becomes of the new one
    if (!async && Equal(fileName, "silent")) return;
    const std::string name(fileName);
    const auto duration = WavDurationMs(name);
    if (!duration) return;  // a missing file plays nothing
    if (async) {
      s.sound = name;
      s.soundEnd = s.now + *duration;
    } else {
      s.now += *duration;  // a synchronous sound holds the program for its length
    }
  }

  std::string CurrentSound() override {
    auto& s = State();
    return !s.sound.empty() && s.now < s.soundEnd ? s.sound : std::string();
  }

  void Beep() override {}
};

void Inject(const detail::InputEvent& event) {
  State().input.push_back(event);
}

}  // namespace

Instance* StartForTests(const ResourceTable& resources, const ProgramOptions& options) {
  Shutdown();
  ProgramOptions headlessOptions = options;
  headlessOptions.headless = true;
  return detail::StartLayer(detail::CreateHeadlessBackend(), resources, headlessOptions);
}

Instance* StartOnSdlForTests(const ResourceTable& resources, const ProgramOptions& options) {
  Shutdown();
  ProgramOptions sdlOptions = options;
  sdlOptions.headless = false;
  detail::Backend* backend = detail::CreateSdlBackend(1);
  if (backend == nullptr) return nullptr;
  return detail::StartLayer(backend, resources, sdlOptions);
}

void Shutdown() {
  detail::ShutdownLayer();
  State() = HeadlessState{};
}

void SetIdleHandler(IdleHandler handler) {
  State().idle = std::move(handler);
}

std::uint64_t Now() {
  return State().now;
}

void Advance(std::uint64_t ms) {
  auto& s = State();
  s.advanceEnd = s.now + ms;
  s.advancing = ms > 0;
  if (s.inIdleHandler) return;
  // From a test body: run the loop until the time has passed.
  for (;;) {
    QueuedMessage message;
    bool quit = false;
    while (detail::TakeMessage(&message, &quit)) {
      if (quit) {
        PostQuitMessage(int(message.a));  // leave it for the program's own loop
        s.advancing = false;
        return;
      }
      DispatchMessage(&message);
    }
    detail::GoIdle();
    if (s.now >= s.advanceEnd) break;
    const auto next = detail::NextTimerDue();
    s.now = next && *next < s.advanceEnd ? std::max(*next, s.now) : s.advanceEnd;
  }
  s.advancing = false;
}

bool Advancing() {
  return State().advancing;
}

void Stall(std::uint64_t ms) {
  State().now += ms;
}

void KeyDown(int key, bool repeat) {
  detail::InputEvent event;
  event.kind = detail::InputEvent::Kind::KeyDown;
  event.key = key;
  event.repeat = repeat;
  Inject(event);
}

void KeyUp(int key) {
  detail::InputEvent event;
  event.kind = detail::InputEvent::Kind::KeyUp;
  event.key = key;
  Inject(event);
}

void Char(std::uint32_t codepoint) {
  detail::InputEvent event;
  event.kind = detail::InputEvent::Kind::Char;
  event.codepoint = codepoint;
  Inject(event);
}

namespace {
void Mouse(detail::InputEvent::Kind kind, int x, int y) {
  detail::InputEvent event;
  event.kind = kind;
  event.x = x;
  event.y = y;
  Inject(event);
}
}  // namespace

void MouseDown(int x, int y) {
  Mouse(detail::InputEvent::Kind::MouseDown, x, y);
}
void MouseUp(int x, int y) {
  Mouse(detail::InputEvent::Kind::MouseUp, x, y);
}
void MouseDoubleClick(int x, int y) {
  Mouse(detail::InputEvent::Kind::MouseDoubleClick, x, y);
}
void MouseMove(int x, int y) {
  Mouse(detail::InputEvent::Kind::MouseMove, x, y);
}

bool PressControl(int id) {
  Window* dialog = TopDialog();
  detail::Control* control = detail::FindControl(dialog, id);
  if (!control || !detail::Focusable(*control) || control->kind == ControlKind::ListBox) {
    return false;
  }
  return PostMessage(dialog, detail::kMsgPressControl, id, 0);
}

bool SelectListLine(int id, int line) {
  Window* dialog = TopDialog();
  detail::Control* control = detail::FindControl(dialog, id);
  if (!control || control->kind != ControlKind::ListBox || line < 0 ||
      line >= int(control->lines.size())) {
    return false;
  }
  return PostMessage(dialog, detail::kMsgSelectLine, id, line);
}

bool ControlCentre(int id, int line, Point* centre) {
  Window* dialog = TopDialog();
  detail::Control* control = detail::FindControl(dialog, id);
  if (!control) return false;
  const Rect client = GetClientScreenRect(dialog);
  const Rect& r = control->rect;
  centre->x = client.left + (r.left + r.right) / 2;
  centre->y = client.top + (r.top + r.bottom) / 2;
  if (line >= 0) {
    if (control->kind != ControlKind::ListBox || line >= int(control->lines.size())) return false;
    constexpr int kLineHeight = 16;
    const Rect area = detail::ListTextArea(*control);
    centre->y = client.top + area.top + (line - control->topLine) * kLineHeight + kLineHeight / 2;
  }
  return true;
}

bool ChooseMenuItem(int id) {
  return detail::ChooseMenuCommand(id);
}

namespace {
void Notice(detail::InputEvent::Kind kind) {
  detail::InputEvent event;
  event.kind = kind;
  Inject(event);
}
}  // namespace

std::string ShownTitle() {
  return State().shownTitle;
}

void LoseFocus() {
  Notice(detail::InputEvent::Kind::FocusLost);
}

void GainFocus() {
  Notice(detail::InputEvent::Kind::FocusGained);
}

void RemovePad() {
  Notice(detail::InputEvent::Kind::PadRemoved);
}

void CloseMainWindow() {
  Window* main = MainWindow();
  if (detail::IsLive(main)) PostMessage(main, Msg::Close, 0, 0);
}

bool SaveScreenshot(const std::string& path) {
  detail::Surface frame;
  detail::ComposeFrame(&frame);
  if (frame.width <= 0 || frame.height <= 0) return false;
  return SavePng(path, frame.width, frame.height, frame.pixels.data());
}

}  // namespace headless

namespace detail {

Backend* CreateHeadlessBackend() {
  return new headless::HeadlessBackend();
}

}  // namespace detail

}  // namespace platform
