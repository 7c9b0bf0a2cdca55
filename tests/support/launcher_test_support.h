// Helpers for the launcher's tests: a scratch folder per test with a stand-in game program
// that writes down where and how it was started, and a run of the launcher's whole program on
// the headless backend that notes the show's counters, the sounds started and the message
// boxes at every tick of its 1 ms timer.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "launcher/launcher_state.h"
#include "launcher/launcher_window.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "resources/lumar_resources.h"

namespace launcher_test {

namespace fs = std::filesystem;
namespace hl = platform::headless;

// The show's counters after one tick.
struct Moment {
  std::int32_t first = 0;
  std::int32_t second = 0;
  std::int32_t countdown = 0;
};

struct SoundStart {
  std::uint64_t tick = 0;
  std::string name;
  bool operator==(const SoundStart&) const = default;
};

// What the stand-in game program wrote: its working folder and its arguments (joined by
// blanks).
struct GameReport {
  std::string folder;
  std::string argumentCount;
  std::string argument;
};

// The tick of show step `step` (from 1): the first after 100 ticks, then every `every` ticks.
inline std::uint64_t StepTick(int step, int every) {
  return 101 + std::uint64_t(step - 1) * std::uint64_t(every);
}

class LauncherRun : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("launcher-") + info->test_suite_name() + "-" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    previous_ = fs::current_path();
    folder_ = fs::current_path() / name;
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "game");
    folder_ = fs::canonical(folder_);
    game_ = folder_ / "game";
    fs::current_path(game_);
    ResetLauncherState();
    ResetGraphicsArchive();
  }
  void TearDown() override {
    hl::Shutdown();
    ResetLauncherState();
    ResetGraphicsArchive();
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  // The generated artwork the launcher reads: ODAT.DAT and the two sounds.
  void CopyArtwork(const fs::path& to) {
    for (const char* name : {"ODAT.DAT", "KANSEI1.wav", "WHISTLE.wav"}) {
      fs::copy_file(fs::path(FELDO_GAME_DIR) / name, to / name,
                    fs::copy_options::overwrite_existing);
    }
  }

  // A stand-in for the game: notes its folder and arguments, then reports ready.
  void WriteGame(const fs::path& folder, const std::string& body = "") {
    const fs::path path = folder / "feldo";
    std::ofstream(path) << "#!/bin/sh\n"
                        << body
                        << "{ pwd; echo \"$#\"; echo \"$*\"; } > started.tmp\n"
                           "mv started.tmp started\n"
                           "printf R >&\"$PLATFORM_READY_FD\"\n";
    fs::permissions(path, fs::perms::owner_all);
  }

  std::optional<GameReport> Report(const fs::path& folder) {
    std::ifstream in(folder / "started");
    if (!in) return std::nullopt;
    GameReport report;
    std::getline(in, report.folder);
    std::getline(in, report.argumentCount);
    std::getline(in, report.argument);
    return report;
  }

  // Runs the launcher's program from the current folder to its end and returns its exit code;
  // `options` are the layer's (the launcher's own --lang among them). `atTick`, when set, is
  // called after every tick with the tick's number (the screen can be read then).
  int Run(const std::string& commandLine = "", const platform::ProgramOptions& options = {}) {
    platform::Instance* instance = hl::StartForTests(LumarResources(), options);
    hl::SetIdleHandler([this](std::optional<std::uint64_t>) {
      platform::Window* top = platform::TopDialog();
      if (top != nullptr && platform::DialogTemplateName(top) == "messagebox") {
        captions_.push_back(platform::GetWindowTitle(top));
        messages_.push_back(platform::GetItemText(top, -1));
        hl::PressControl(platform::kIdOk);
        return;
      }
      Note();
      hl::Advance(1);
    });
    return LumarMain(instance, commandLine, 1);
  }

  // The colour at a point of the launcher's window.
  platform::Color PixelAt(int x, int y) {
    platform::Window* window = platform::MainWindow();
    platform::DeviceContext* dc = platform::GetDC(window);
    const platform::Color colour = platform::GetPixel(dc, x, y);
    platform::ReleaseDC(window, dc);
    return colour;
  }

  // Pixels of the title's red in a rectangle of the window.
  int RedPixels(int left, int top, int right, int bottom) {
    platform::Window* window = platform::MainWindow();
    platform::DeviceContext* dc = platform::GetDC(window);
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        const platform::Color c = platform::GetPixel(dc, x, y);
        if (platform::RedOf(c) >= 128 && platform::GreenOf(c) < 64 && platform::BlueOf(c) < 64) {
          ++count;
        }
      }
    }
    platform::ReleaseDC(window, dc);
    return count;
  }

  std::function<void(std::uint64_t tick)> atTick_;
  std::map<std::uint64_t, Moment> moments_;  // by tick
  std::vector<SoundStart> sounds_;
  std::vector<std::string> captions_;
  std::vector<std::string> messages_;
  fs::path folder_;
  fs::path game_;

 private:
  void Note() {
    const std::uint64_t tick = hl::Now();
    moments_[tick] = Moment{launcher.firstLetters, launcher.secondLetters, launcher.finalCountdown};
    const std::string sound = platform::CurrentSound();
    if (!sound.empty() && sound != lastSound_) sounds_.push_back(SoundStart{tick, sound});
    lastSound_ = sound;
    if (atTick_) atTick_(tick);
  }

  std::string lastSound_;
  fs::path previous_;
};

}  // namespace launcher_test
