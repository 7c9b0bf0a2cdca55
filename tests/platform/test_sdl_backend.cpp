// The SDL backend as a whole: opening the display, presenting frames and waiting. SDL's
// dummy video driver stands in for a screen, so these run without one; the test against a
// real X display runs only where there is one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/internal.h"

// SDL's D-Bus connection keeps a buffer that libdbus never frees; it is not ours to fix.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n";
}

namespace platform::detail {
namespace {

class EnvironmentVariable {
 public:
  EnvironmentVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~EnvironmentVariable() {
    if (old_.empty()) {
      unsetenv(name_.c_str());
    } else {
      setenv(name_.c_str(), old_.c_str(), 1);
    }
  }

 private:
  std::string name_, old_;
};

Surface Frame(int width, int height, Color fill) {
  Surface frame;
  frame.Resize(width, height, fill);
  return frame;
}

void Exercise(Backend* backend) {
  backend->SetTitle("サッカー");
  IconResource icon{108, 16, 16, std::vector<std::uint32_t>(256, 0xFF00FF00u)};
  backend->SetIcon(icon);
  IconResource shortIcon{107, 32, 32, std::vector<std::uint32_t>(10, 0xFFFFFFFFu)};
  backend->SetIcon(shortIcon);  // fewer pixels than its size claims: ignored
  backend->Present(Frame(900, 600, Rgb(0, 128, 0)));
  backend->Present(Frame(630, 540, Rgb(0, 0, 0)));  // another frame size: a new texture
  Surface broken;
  broken.width = 100;
  broken.height = 100;  // no pixels behind it
  backend->Present(broken);
  // Waiting until a deadline returns; draining the input returns.
  const std::uint64_t start = backend->NowMs();
  backend->Wait(start + 30);
  InputEvent event;
  for (int i = 0; i < 1000 && backend->PollInput(&event); ++i) {
  }
  backend->Wait(start);  // a deadline already passed: no wait
  EXPECT_GE(backend->NowMs(), start);
  backend->Beep();
  EXPECT_EQ(backend->CurrentSound(), "");
}

TEST(SdlBackend, RunsOnTheDummyVideoDriver) {
  EnvironmentVariable video("SDL_VIDEODRIVER", "dummy");
  EnvironmentVariable audio("SDL_AUDIODRIVER", "dummy");
  {
    // The backend's own choice of compose table does not reach the programs it starts, and a
    // table the user names stays his.
    EnvironmentVariable compose("XCOMPOSEFILE", nullptr);
    std::unique_ptr<Backend> first(CreateSdlBackend(1));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(std::getenv("XCOMPOSEFILE"), nullptr);
  }
  EnvironmentVariable compose("XCOMPOSEFILE", "/home/player/.XCompose");
  std::unique_ptr<Backend> backend(CreateSdlBackend(2));
  ASSERT_NE(backend, nullptr);
  EXPECT_STREQ(std::getenv("XCOMPOSEFILE"), "/home/player/.XCompose");
  ASSERT_TRUE(backend->OpenDisplay(900, 600, "demo"));
  Exercise(backend.get());
}

TEST(SdlBackend, NoDisplayMeansNoBackend) {
  EnvironmentVariable wayland("WAYLAND_DISPLAY", nullptr);
  {
    // No session at all.
    EnvironmentVariable display("DISPLAY", nullptr);
    EnvironmentVariable video("SDL_VIDEODRIVER", nullptr);
    EXPECT_EQ(CreateSdlBackend(1), nullptr);
  }
  {
    // A display that cannot be reached: SDL's fallback to an invisible driver does not count.
    EnvironmentVariable display("DISPLAY", "unix:/nonexistent/display");
    EnvironmentVariable video("SDL_VIDEODRIVER", nullptr);
    EXPECT_EQ(CreateSdlBackend(1), nullptr);
  }
  EnvironmentVariable video("SDL_VIDEODRIVER", "x11");
  EnvironmentVariable display("DISPLAY", "unix:/nonexistent/display");
  EXPECT_EQ(CreateSdlBackend(1), nullptr);
  // SDL is left in a state where a later start works.
  EnvironmentVariable dummy("SDL_VIDEODRIVER", "dummy");
  EnvironmentVariable audio("SDL_AUDIODRIVER", "dummy");
  std::unique_ptr<Backend> backend(CreateSdlBackend(1));
  ASSERT_NE(backend, nullptr);
  EXPECT_TRUE(backend->OpenDisplay(900, 600, "demo"));
  EXPECT_FALSE(backend->OpenDisplay(900, 600, "demo"));  // one window per program
}

TEST(SdlBackend, RunsOnARealDisplayWhenThereIsOne) {
  if (std::getenv("DISPLAY") == nullptr || std::getenv("DISPLAY")[0] == '\0') {
    GTEST_SKIP() << "no X display";
  }
  EnvironmentVariable audio("SDL_AUDIODRIVER", "dummy");
  // Without OpenGL: Mesa's driver is unloaded at exit with allocations LeakSanitizer can no
  // longer attribute. The X11 window, its events and the shared-memory picture remain.
  EnvironmentVariable renderer("SDL_RENDER_DRIVER", "software");
  EnvironmentVariable framebuffer("SDL_FRAMEBUFFER_ACCELERATION", "0");
  std::unique_ptr<Backend> backend(CreateSdlBackend(1));
  if (backend == nullptr) GTEST_SKIP() << "the X display cannot be opened";
  ASSERT_TRUE(backend->OpenDisplay(900, 600, "demo"));
  Exercise(backend.get());
}

}  // namespace
}  // namespace platform::detail
