// The launcher's title show as the player sees it, saved as PNG pictures for a person to look
// at:
//
//   launcher_snapshots OUTPUT_FOLDER [GAME_FOLDER]
//
// Runs the launcher's own window on the headless backend, in GAME_FOLDER when given (where
// ODAT.DAT lies; without it the frame is black), lets its 1 ms timer run the show and saves:
//   launcher-1-pictures.png     the four pictures after the first repaints, no title yet
//   launcher-2-first-letter.png the first show step: "V"
//   launcher-3-first-line.png   "VEXO VEDUZI" complete, the second line not begun
//   launcher-4-second-line.png  the second line's first two letters, "WO"
//   launcher-5-whole-title.png  both lines complete, as the whistle sounds
//   launcher-6-folder.png       a launcher given a folder: the folder at the top left
// The show is stopped before it would start the game. After each picture a few pixels are
// checked (the pictures' places, the red of the title, the folder's grey) and the program ends
// with exit code 1 when one is wrong.
#include <cstdio>
#include <filesystem>
#include <string>

#include "archive/graphics_archive.h"
#include "launcher/launcher_state.h"
#include "launcher/launcher_window.h"
#include "launcher/title_drawing.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "resources/lumar_resources.h"

namespace {

namespace hl = platform::headless;

int failures = 0;

void Fail(const std::string& what) {
  std::fprintf(stderr, "launcher_snapshots: %s\n", what.c_str());
  ++failures;
}

platform::Color Pixel(int x, int y) {
  platform::Window* window = platform::MainWindow();
  platform::DeviceContext* dc = platform::GetDC(window);
  const platform::Color colour = platform::GetPixel(dc, x, y);
  platform::ReleaseDC(window, dc);
  return colour;
}

bool TitleRedIn(platform::Point line, int letter) {
  const int left = line.x + letter * kTitleLetterWidth;
  for (int y = line.y; y < line.y + kTitleLetterWidth; ++y) {
    for (int x = left; x < left + kTitleLetterWidth; ++x) {
      if (Pixel(x, y) == kTitleColour) return true;
    }
  }
  return false;
}

void Save(const std::filesystem::path& output, const std::string& name) {
  const std::string path = (output / name).string();
  if (!hl::SaveScreenshot(path) || !std::filesystem::exists(path)) Fail("could not write " + path);
}

// Lets the show run until just after the tick `tick` (counted from the window's creation).
void RunToTick(std::uint64_t tick) {
  if (hl::Now() < tick) hl::Advance(tick - hl::Now());
}

platform::Window* OpenLauncher(const std::string& folderArgument) {
  ResetLauncherState();
  ResetGraphicsArchive();
  platform::Instance* instance = hl::StartForTests(LumarResources());
  platform::Window* window = CreateLumarWindow(instance);
  if (window == nullptr) return nullptr;
  platform::ShowWindow(window, 1);
  platform::UpdateWindow(window);
  launcher.folderArgument = folderArgument;
  return window;
}

// The tick of show step `step` for a launcher started without a folder.
std::uint64_t StepTick(int step) {
  return 101 + std::uint64_t(step - 1) * 31;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: launcher_snapshots OUTPUT_FOLDER [GAME_FOLDER]\n");
    return 2;
  }
  const std::filesystem::path output = std::filesystem::absolute(argv[1]);
  std::filesystem::create_directories(output);
  if (argc > 2 && !platform::SetCurrentDirectory(argv[2])) {
    std::fprintf(stderr, "launcher_snapshots: cannot enter %s\n", argv[2]);
    return 2;
  }
  const bool hasArtwork = platform::FileExists(kLauncherArchive);

  if (OpenLauncher("") == nullptr) {
    Fail("the launcher's window could not be made");
    return 1;
  }
  RunToTick(4);
  Save(output, "launcher-1-pictures.png");
  if (hasArtwork && launcher.archiveError != 0) Fail("ODAT.DAT was not read");
  if (!hasArtwork && Pixel(100, 100) != 0) Fail("the frame is not black without pictures");
  if (TitleRedIn(kFirstLineAt, 0)) Fail("the title shows before the first step");

  RunToTick(StepTick(1));
  Save(output, "launcher-2-first-letter.png");
  if (!TitleRedIn(kFirstLineAt, 0) || TitleRedIn(kFirstLineAt, 1)) Fail("step 1 is not \"V\"");

  RunToTick(StepTick(16));
  Save(output, "launcher-3-first-line.png");
  if (!TitleRedIn(kFirstLineAt, 10)) Fail("the first line is not complete after step 16");
  if (TitleRedIn(kSecondLineAt, 0)) Fail("the second line began before step 17");

  RunToTick(StepTick(17));
  Save(output, "launcher-4-second-line.png");
  if (!TitleRedIn(kSecondLineAt, 1) || TitleRedIn(kSecondLineAt, 2)) {
    Fail("step 17 does not show \"WO\"");
  }

  RunToTick(StepTick(32));
  Save(output, "launcher-5-whole-title.png");
  if (!TitleRedIn(kSecondLineAt, 9)) Fail("the second line is not complete");
  if (launcher.soundOff == 0 && hasArtwork && platform::CurrentSound() != "WHISTLE.wav") {
    Fail("the whistle does not sound once the title is complete");
  }
  hl::Shutdown();

  const std::string folder = platform::CurrentDirectory();
  OpenLauncher(folder);
  RunToTick(4);
  Save(output, "launcher-6-folder.png");
  if (Pixel(10, 12) != kFolderBackground) Fail("the folder is not shown at the top left");
  hl::Shutdown();
  ReleaseLauncherPictures();

  if (failures == 0) std::printf("launcher_snapshots: wrote 6 pictures into %s\n", output.c_str());
  return failures == 0 ? 0 : 1;
}
