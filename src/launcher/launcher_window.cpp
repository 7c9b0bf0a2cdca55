// The launcher's window procedure and program entry.
#include "launcher/launcher_window.h"

#include <cstdio>

#include "launcher/game_start.h"
#include "launcher/launcher_state.h"
#include "launcher/title_drawing.h"
#include "launcher/title_show.h"
#include "resources/lumar_resources.h"

using platform::Msg;
using platform::Param;

namespace {

void OnCreate(platform::Window* window, const platform::CreateParams* params) {
  launcher.window = window;
  if (params != nullptr) launcher.instance = params->instance;
  // The game folder, the pictures, the sound switch.
  launcher.gameFolder = platform::CurrentDirectory();
  ReadLauncherPictures();
  ReadSoundSwitch();
  // The show's clock.
  launcher.stepDelay = kShowFirstDelay;
  if (platform::SetTimer(window, kShowTimerId, kShowTimerPeriodMs)) {
    launcher.timerState = 1;
  } else {
    launcher.timerState = 0;
    platform::MessageBox(window, platform::LoadString(launcher.instance, kLumarStringTitle),
                         platform::LoadString(launcher.instance, kLumarStringNoTimer),
                         platform::mb::kOk | platform::mb::kIconWarning);
  }
  launcher.repaintPhase = 0;
}

void OnDestroy(platform::Window* window) {
  if (launcher.timerState != 0) platform::KillTimer(window, kShowTimerId);
  ReleaseLauncherPictures();
  launcher.window = nullptr;
  platform::PostQuitMessage(0);
}

}  // namespace

Param LauncherWindowProc(platform::Window* window, Msg msg, Param a, Param b) {
  switch (msg) {
    case Msg::Create:
      OnCreate(window, reinterpret_cast<const platform::CreateParams*>(b));
      return 0;
    case Msg::Paint:
      PaintLauncherWindow(window);
      return 0;
    case Msg::Timer:
      if (a == kShowTimerId) RunShowTick(window);
      return 0;
    case Msg::Command:
      if (a == LumarCommand::kStartGame) {
        StartGame(window);
        return 0;
      }
      if (a == LumarCommand::kQuit) {
        platform::DestroyWindow(window);
        return 0;
      }
      return platform::DefaultWindowProc(window, msg, a, b);
    case Msg::Destroy:
      OnDestroy(window);
      return 0;
    default:
      return platform::DefaultWindowProc(window, msg, a, b);
  }
}

platform::Window* CreateLumarWindow(platform::Instance* instance) {
  const std::string title = platform::LoadString(instance, kLumarStringTitle);
  const std::string className = platform::LoadString(instance, kLumarStringClassName);
  platform::WindowClass windowClass;
  windowClass.name = className;
  windowClass.proc = LauncherWindowProc;
  windowClass.largeIcon = kLumarIconLarge;
  windowClass.smallIcon = kLumarIconSmall;
  windowClass.background = platform::StockBrush(platform::StockObject::LightGreyBrush);
  windowClass.redrawOnResize = true;
  platform::RegisterWindowClass(instance, windowClass);
  using namespace platform::window_style;
  return platform::CreateMainWindow(
      instance, className, title,
      kCaption | kSystemMenu | kMinimizeBox | kMaximizeBox | kClipChildren,
      platform::kDefaultPosition, 0, kLauncherWindowWidth, kLauncherWindowHeight);
}

int LumarMain(platform::Instance* instance, const std::string& commandLine, int showState) {
  // A folder the game could never be started in is said at once, before the show.
  if (!commandLine.empty() && !platform::CanEnterFolder(commandLine)) {
    std::fprintf(stderr, "lumar: cannot start the game in %s: no folder that can be entered\n",
                 commandLine.c_str());
    return kBadFolderExitCode;
  }
  RegisterLauncherValues();
  // The language of its messages: --lang, else the locale's (the game's own choice in FELDO.CFG
  // is the game's to read).
  platform::SetLanguage(platform::StartLanguage(platform::GivenOption("--lang"), ""));
  platform::Window* window = CreateLumarWindow(instance);
  if (window == nullptr) return 0;
  platform::ShowWindow(window, showState);
  platform::UpdateWindow(window);
  launcher.folderArgument = commandLine;
  if (!commandLine.empty()) launcher.gameFolder = commandLine + "/";
  platform::QueuedMessage message;
  while (platform::GetMessage(&message)) {
    platform::TranslateMessage(&message);
    platform::DispatchMessage(&message);
  }
  return int(message.a);
}

void RegisterLauncherValues() {
  using platform::RegisterValue;
  RegisterValue("firstLetters", [] { return launcher.firstLetters; });
  RegisterValue("secondLetters", [] { return launcher.secondLetters; });
  RegisterValue("finalCountdown", [] { return launcher.finalCountdown; });
  RegisterValue("stepDelay", [] { return launcher.stepDelay; });
  RegisterValue("repaintPhase", [] { return launcher.repaintPhase; });
  RegisterValue("timerState", [] { return launcher.timerState; });
  RegisterValue("soundOff", [] { return launcher.soundOff; });
  RegisterValue("archiveError", [] { return launcher.archiveError; });
  RegisterValue("pictures", [] {
    long long count = 0;
    for (const Picture& picture : launcher.pictures) count += picture ? 1 : 0;
    return count;
  });
  RegisterValue("startCommands", [] { return launcher.startCommands; });
  RegisterValue("startResult", [] { return launcher.startResult; });
}
