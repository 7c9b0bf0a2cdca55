// The game program's main window: start-up, the window procedure through which everything
// happens, the layout taken from the window size, the paint composition, close and destroy.
#include "shell/main_window.h"

#include <ctime>

#include "archive/graphics_archive.h"
#include "base/random_below.h"
#include "base/record_resets.h"
#include "competition/nations.h"
#include "match/match_state.h"
#include "match/match_tick.h"
#include "match/match_view.h"
#include "platform/platform.h"
#include "presentation/match_captions.h"
#include "presentation/pause_sign.h"
#include "presentation/pitch_drawing.h"
#include "presentation/pitch_match_view.h"
#include "resources/feldo_resources.h"
#include "savegame/preferences_file.h"
#include "savegame/settings_file.h"
#include "shell/command_handlers.h"
#include "shell/command_log.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"
#include "shell/keyboard.h"
#include "shell/shell_values.h"

using platform::Msg;
using platform::Param;

ShellState shellState;

namespace {

constexpr int kMainWindowWidth = 900;
constexpr int kMainWindowHeight = 600;

// The average character width of the fixed system font in a context of the window.
void MeasureCharWidth(platform::Window* window) {
  platform::DeviceContext* dc = platform::GetDC(window);
  platform::SelectFont(dc, platform::StockFont(platform::StockObject::SystemFixedFont));
  if (dc != nullptr) viewLayout.charWidth = platform::AverageCharWidth(dc);
  platform::ReleaseDC(window, dc);
}

void OnCreate(platform::Window* window, const platform::CreateParams* params) {
  // The window, the font's character width, the instance.
  shellState.mainWindow = window;
  MeasureCharWidth(window);
  if (params != nullptr) shellState.instance = params->instance;
  // The three menus; the idle one is attached.
  shellState.menuIdle = platform::LoadMenu(shellState.instance, "MenuMain");
  shellState.menuRunning = platform::LoadMenu(shellState.instance, "MenuMain2");
  shellState.menuPaused = platform::LoadMenu(shellState.instance, "MenuMain3");
  platform::SetMenu(window, shellState.menuIdle);
  // The layout follows the size messages until the first paint.
  viewLayout.layoutLocked = 0;
  // Picture names, drawing tools, the match view on this window, the goal and pitch-furniture
  // pictures.
  BuildDirectory();
  CreateDrawingTools();
  SetMatchView(PitchMatchView(window));
  LoadPitchPictures();
  // The start-up menu is still to come; the size is not known yet; the view at its start.
  shellState.startupDone = 0;
  viewLayout.clientWidth = -1;
  viewLayout.clientHeight = -1;
  match.scrollX = 24;
  viewLayout.captionShift = 24;
  // No match, the default level, no phase, region or nation chosen, nothing shown.
  match.half = 0;
  gameFlow.level = kLevel3;
  gameFlow.phase = Phase::kNone;
  gameFlow.region = 0;
  gameFlow.userNation = 0;
  gameFlow.displayContent = DisplayContent::kNone;
  match.saveResult = SaveResult::kNone;
  match.saveTicks = 0;
  // The random source from the calendar time (or the seed asked for).
  const std::optional<std::uint32_t> seed = platform::Options().seed;
  SeedRandom(seed ? *seed : std::uint32_t(std::time(nullptr)));
  // The nations, their flags, and the level and sound switch of the settings file.
  InitTeamDatabase();
  LoadFlagPictures();
  ReadSettings();
  MarkSoundChoice();
  // The game's own preferences; --classic-motion turns smooth motion off for this run.
  ReadPreferences();
  SetSmoothMotion(preferences.smoothMotion != 0 && !platform::GivenOption("--classic-motion"),
                  false);
}

void OnSize(platform::Window* window, int width, int height) {
  MeasureCharWidth(window);
  if (viewLayout.layoutLocked == 1) return;
  viewLayout.clientWidth = width;
  viewLayout.clientHeight = height;
  viewLayout.captionShift = CaptionShiftForWidth(width);
}

// The whole picture of the window: the pitch and its furniture, the players and the ball while
// a half is played, the scoreboard (empty between matches) and the pause sign while it stands.
void DrawWindowPicture(platform::DeviceContext* dc) {
  platform::SelectFont(dc, platform::StockFont(platform::StockObject::SystemFixedFont));
  platform::SetBkMode(dc, platform::BkMode::Transparent);
  FillPitch(dc);
  DrawLines(dc);
  DrawCrowd(dc);
  DrawBoards(dc);
  DrawLeftGoal(dc);
  DrawRightGoal(dc);
  DrawCornerFlags(dc);
  if (captionState.entranceState == EntranceState::kNone && match.captionTimer == 0 &&
      match.half != 0) {
    DrawObjects(dc);
    DrawBall(dc);
  }
  DrawScoreboard(dc);
  RedrawPauseSign(dc);
}

void OnPaint(platform::Window* window) {
  platform::PaintInfo paint;
  platform::DeviceContext* dc = platform::BeginPaint(window, &paint);
  DrawWindowPicture(dc);
  platform::EndPaint(window, &paint);
  viewLayout.layoutLocked = 1;
  ++commandLog.paints;

  // The archive is checked once, after the first paint.
  if (graphicsArchive.playerNameCount == 0 && CheckArchiveAfterFirstPaint()) {
    ShowMessageBox(window, kStringDataFileError, kStringErrorNumber,
                   platform::mb::kOk | platform::mb::kIconWarning);
  }
  // The start-up command, exactly once per run, so that the first menu appears over a drawn
  // pitch.
  if (shellState.startupDone == 0) {
    shellState.startupDone = 1;
    platform::SendMessage(window, Msg::Command, CommandId::kStartupMenu, 0);
  }
}

void OnClose(platform::Window* window) {
  if (gameFlow.phase != Phase::kNone) {
    const bool playing = MatchBeingPlayed();
    const bool pausedToAsk = playing && gameFlow.paused == 0;
    if (pausedToAsk) platform::SendMessage(window, Msg::Command, CommandId::kPause, 0);
    const int answer = ShowMessageBox(window, kStringExitQuestion, kStringExitCaption,
                                      platform::mb::kOkCancel | platform::mb::kIconWarning);
    if (answer != platform::kIdOk) {
      // Back to where the user was: play goes on, a menu or screen that is open stays as it
      // was (a second phase menu over it would leave the first one behind the next match),
      // and between matches the phase menu comes back.
      if (pausedToAsk || (platform::TopDialog() == nullptr && gameFlow.paused != 0)) {
        platform::SendMessage(window, Msg::Command, CommandId::kPause, 0);
      } else if (platform::TopDialog() == nullptr && !playing) {
        platform::SendMessage(window, Msg::Command, CommandId::kPhaseMenu, 0);
      }
      return;
    }
  }
  WriteSettings();
  platform::SendMessage(window, Msg::Destroy, 0, 0);
}

// The player has turned away (the window lost the focus, or the gamepad was pulled out): a
// running match is paused as the GAME menu's Pause would, and goes on only by Continue.
void PauseWhileAway(platform::Window* window) {
  if (platform::GetMenu(window) != shellState.menuRunning || gameFlow.paused != 0) return;
  platform::SendMessage(window, Msg::Command, CommandId::kPause, 0);
}

void OnDestroy(platform::Window* window) {
  StopMatchTimer(window);
  platform::DestroyMenu(shellState.menuIdle);
  platform::DestroyMenu(shellState.menuRunning);
  platform::DestroyMenu(shellState.menuPaused);
  shellState.menuIdle = shellState.menuRunning = shellState.menuPaused = nullptr;
  SetMatchView(nullptr);
  DeleteDrawingTools();
  ReleasePictures();
  platform::PostQuitMessage(0);
}

}  // namespace

bool MatchBeingPlayed() {
  return match.half != 0 || match.periodKind == PeriodKind::kShootOut;
}

void ShowCleanPitch(platform::Window* window) {
  platform::SetWindowTitle(window, platform::LoadString(shellState.instance, kStringTitle));
  platform::DeviceContext* dc = platform::GetDC(window);
  if (dc != nullptr) DrawWindowPicture(dc);
  platform::ReleaseDC(window, dc);
}

void OnMatchTimer(platform::Window* window) {
  MatchTick([window] {
    StopMatchTimer(window);
    platform::SetMenu(window, shellState.menuIdle);
    platform::SendMessage(window, Msg::Command, CommandId::kEndOfMatch, 0);
  });
}

Param MainWindowProc(platform::Window* window, Msg msg, Param a, Param b) {
  switch (msg) {
    case Msg::Create:
      OnCreate(window, reinterpret_cast<const platform::CreateParams*>(b));
      return 0;
    case Msg::Size:
      OnSize(window, int(a), int(b));
      return 0;
    case Msg::Paint:
      OnPaint(window);
      return 0;
    case Msg::Close:
      OnClose(window);
      return 0;
    case Msg::Destroy:
      OnDestroy(window);
      return 0;
    case Msg::Command:
      if (a >= 1 && a <= CommandId::kLast && HandleCommand(window, int(a))) return 0;
      return platform::DefaultWindowProc(window, msg, a, b);
    case Msg::Timer:
      if (a == kDisplayTimerId) {
        DrawMotionFrame();
      } else {
        OnMatchTimer(window);
      }
      return 0;
    case Msg::KeyDown:
      HandleKeyDown(int(a), (b & 1) != 0);
      return 0;
    case Msg::KeyUp:
      HandleKeyUp(int(a));
      return 0;
    case Msg::Char:
      HandleCharacter(std::uint32_t(a));
      return 0;
    case Msg::Activate:
      if (a == 0) PauseWhileAway(window);
      return 0;
    case Msg::Help:
      platform::SendMessage(window, Msg::Command, CommandId::kKeyHelp, 0);
      return 0;
    case Msg::LButtonDown:
    case Msg::LButtonDoubleClick:
    case Msg::LButtonUp:
    case Msg::User:
      return 0;  // the mouse has no role on the pitch
    default:
      return platform::DefaultWindowProc(window, msg, a, b);
  }
}

platform::Window* CreateFeldoWindow(platform::Instance* instance) {
  const std::string title = platform::LoadString(instance, kStringTitle);
  const std::string className = platform::LoadString(instance, kStringClassName);

  platform::WindowClass windowClass;
  windowClass.name = className;
  windowClass.proc = MainWindowProc;
  windowClass.largeIcon = kIconLarge;
  windowClass.smallIcon = kIconSmall;
  windowClass.background = platform::StockBrush(platform::StockObject::LightGreyBrush);
  windowClass.redrawOnResize = true;
  platform::RegisterWindowClass(instance, windowClass);

  using namespace platform::window_style;
  platform::Window* window = platform::CreateMainWindow(
      instance, className, title, kCaption | kSystemMenu | kMinimizeBox | kClipChildren,
      platform::kDefaultPosition, 0, kMainWindowWidth, kMainWindowHeight);
  return window;
}

int FeldoMain(platform::Instance* instance, const std::string& /*commandLine*/, int showState) {
  // The command line is not read: the launcher passes the game folder, which changes nothing.
  RegisterShellValues();
  ReadPreferences();
  StartInChosenLanguage(platform::GivenOption("--lang"), preferences.language);
  platform::Window* window = CreateFeldoWindow(instance);
  if (window == nullptr) return 0;
  platform::ShowWindow(window, showState);
  platform::UpdateWindow(window);
  platform::QueuedMessage message;
  while (platform::GetMessage(&message)) {
    platform::TranslateMessage(&message);
    platform::DispatchMessage(&message);
  }
  return int(message.a);
}

void ResetShellRecords() {
  shellState = ShellState{};
  ResetViewLayout();
  ResetDialogWindows();
}

namespace {
const bool kShellRecordsRegistered = RegisterRecordReset(ResetShellRecords);
}  // namespace
