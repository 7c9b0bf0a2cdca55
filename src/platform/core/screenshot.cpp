// The screenshot key: F12 saves the frame as the player sees it (menu bar, dialogs, an open
// drop-down) at 1x as a PNG file in the current folder, and the window's title says where for
// a few seconds. The program never sees the key.
#include <ctime>
#include <string>

#include "platform/core/core.h"

namespace platform::detail {

std::string ScreenshotName(std::string_view program, const std::tm& when, int attempt) {
  std::string name(program.empty() ? std::string_view("screenshot") : program);
  name.append(Format("-%d%02d%02d-%02d%02d%02d", when.tm_year + 1900, when.tm_mon + 1, when.tm_mday,
                     when.tm_hour, when.tm_min, when.tm_sec));
  if (attempt >= 2) name.append(Format("-%d", attempt));
  name.append(".png");
  return name;
}

std::string TakeScreenshot() {
  auto& c = Core();
  if (!IsLive(c.mainWindow) || !c.backend) return std::string();
  Surface frame;
  ComposeFrame(&frame);
  if (frame.width <= 0 || frame.height <= 0) return std::string();
  const std::time_t now = std::time(nullptr);
  std::tm when{};
  localtime_r(&now, &when);
  std::string name;
  for (int attempt = 1;; ++attempt) {
    name = ScreenshotName(c.programName, when, attempt);
    if (!FileExists(name)) break;
  }
  std::string folder = CurrentDirectory();
  if (!folder.empty() && folder.back() != '/') folder += '/';
  const bool saved = SavePng(name, frame.width, frame.height, frame.pixels.data());
  const std::string path = folder + name;
  std::string notice = saved ? "Screenshot saved: " : "Screenshot not saved: ";
  notice.append(path);
  if (!saved) notice.append(" cannot be written");
  c.backend->SetTitle(notice);
  c.titleNoticeEnds = Now() + kTitleNoticeMs;
  if (!saved) MessageBeep();
  return saved ? path : std::string();
}

void EndTitleNotice() {
  auto& c = Core();
  if (!c.titleNoticeEnds || Now() < *c.titleNoticeEnds) return;
  c.titleNoticeEnds.reset();
  if (IsLive(c.mainWindow) && c.backend) c.backend->SetTitle(c.mainWindow->title);
}

}  // namespace platform::detail
