// Every dialog of the game as the player sees it over the pitch, saved as PNG pictures:
//
//   dialog_snapshots [--lang en|ja] OUTPUT_FOLDER [GAME_FOLDER]
//
// Runs the game's own main window on the headless backend, in GAME_FOLDER when given (where
// GDAT.DAT and the message catalogue lie), in the language asked for (Japanese by default),
// opens each dialog template with the procedure, the records and the argument the game uses
// for it, and saves dialog-NAME.png (several messages of MessBox2 as dialog-MessBox2-K.png by
// message kind), every message box of the game and the launcher as messagebox-NAME.png, and
// the open GAME and SOUND menus as menu-GAME.png and menu-SOUND.png. Ends with exit code 1 when
// a dialog cannot be opened.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "competition/fixtures.h"
#include "competition/nations.h"
#include "launcher/game_start.h"
#include "match/match_state.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "resources/feldo_dialogs.h"
#include "resources/feldo_resources.h"
#include "resources/lumar_resources.h"
#include "savegame/campaign_file.h"
#include "savegame/file_error.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"
#include "snapshot_language.h"

namespace hl = platform::headless;

namespace {

struct Shot {
  std::string dialog;
  std::string file;
  platform::DialogProc proc;
  std::function<void()> setUp;
  platform::Param argument = 0;  // what the list and sound dialogs are opened with
};

std::string pendingFile;
bool saved = false;

// The records the dialogs read: a German campaign in the group league with a drawn group
// table, the last match 2 : 1 against Brazil.
void SetUpRecords() {
  gameFlow.region = 1;
  gameFlow.userNation = 7;
  gameFlow.phase = Phase::kQualifying;
  gameFlow.roundIndex = 1;
  gameFlow.roundCount = 7;
  gameFlow.lastRound = 0;
  gameFlow.playoffOpponent = 15;
  match.opponent = 15;
  match.scoreA = 2;
  match.scoreB = 1;
  const int groups[4][4] = {{8, 1, 15, 26}, {7, 2, 16, 21}, {9, 3, 17, 27}, {10, 11, 18, 28}};
  for (int g = 0; g < 4; ++g) {
    for (int k = 0; k < 4; ++k)
      GroupTable[std::size_t(g)][std::size_t(k)] = std::uint8_t(groups[g][k]);
  }
}

std::vector<Shot> Shots() {
  const auto plain = [] {};
  const auto content = [](int c) { return [c] { gameFlow.displayContent = DisplayContent(c); }; };
  const auto message = [](int k) { return [k] { gameFlow.messageKind = MessageKind(k); }; };
  std::vector<Shot> shots = {
      {"SinkiBox", "SinkiBox", MenuDialogProc, plain},
      {"SinkiBox3", "SinkiBox3", MenuDialogProc, plain},
      {"SinkiBox4", "SinkiBox4", MenuDialogProc, plain},
      {"SinkiBox5", "SinkiBox5", MenuDialogProc, plain},
      {"SelChikuDlg", "SelChikuDlg", MenuDialogProc, content(1)},
      {"SelTeamDlg", "SelTeamDlg", ListDialogProc, plain,
       platform::Param(ListKind::kEuropeanNations)},
      {"SelTestMatchDlg", "SelTestMatchDlg", ListDialogProc, plain,
       platform::Param(ListKind::kFriendlyOpponents)},
      {"SelTestMatch2Dlg", "SelTestMatch2Dlg", ListDialogProc, plain,
       platform::Param(ListKind::kPracticeConfirmation)},
      {"SetLevelDlg", "SetLevelDlg", ListDialogProc, plain, platform::Param(ListKind::kLevel)},
      {"SetSoundDlg", "SetSoundDlg", SoundDialogProc, plain,
       platform::Param(SoundDialogMode::kSoundSwitch)},
      {"MessBox1", "MessBox1", SoundDialogProc, plain,
       platform::Param(SoundDialogMode::kFirstMenuQuestion)},
      {"MessBox2", "MessBox2-0", MessageDialogProc, message(0)},
      {"MessBox3", "MessBox3", MessageDialogProc,
       [] {
         gameFlow.messageKind = MessageKind::kMatchResult;
         gameFlow.phase = Phase::kKnockout;
       }},
      {"MessKanki1", "MessKanki1", MessageDialogProc, message(5)},
      {"MessKanki2", "MessKanki2", MessageDialogProc, message(6)},
      {"DispSchedule1Dlg", "DispSchedule1Dlg", MenuDialogProc, content(2)},
      {"DispSchedule2Dlg", "DispSchedule2Dlg", MenuDialogProc, content(8)},
      {"DispRoundEndDlg1", "DispRoundEndDlg1", MenuDialogProc, content(3)},
      {"DispRoundEndDlg2", "DispRoundEndDlg2", MenuDialogProc, content(3)},
      {"DispTaisenDlg1", "DispTaisenDlg1", MenuDialogProc,
       [] {
         gameFlow.displayContent = DisplayContent::kStandings;
         gameFlow.displayRegion = 100;
       }},
      {"DispTaisenDlg2", "DispTaisenDlg2", MenuDialogProc, content(11)},
      {"DispGroupLeag", "DispGroupLeag", MenuDialogProc, content(7)},
      {"DispTounament", "DispTounament", MenuDialogProc, content(10)},
      {"PlayoffMsg1", "PlayoffMsg1", MenuDialogProc, content(5)},
      {"PlayoffMsg2", "PlayoffMsg2", MenuDialogProc, content(5)},
      {"KeyHelpDlg", "KeyHelpDlg", KeyHelpDialogProc, plain},
  };
  for (int kind : {1, 2, 3, 4, 7, 8, 10}) {
    shots.push_back(
        {"MessBox2", "MessBox2-" + std::to_string(kind), MessageDialogProc, message(kind)});
  }
  return shots;
}

// A message box of the game or the launcher: its file name, and its text and caption in the
// interface's language.
struct MessageShot {
  std::string file;
  std::string text;
  std::string caption;
  unsigned buttons = platform::mb::kOk;
};

std::string LauncherText(int id) {
  for (const platform::StringResource& string : LumarResources().strings) {
    if (string.id == id) return std::string(platform::Translate(string.text));
  }
  return std::string();
}

std::vector<MessageShot> MessageShots(platform::Instance* instance) {
  const auto game = [instance](int id) { return platform::LoadString(instance, id); };
  const auto file = [](const char* name, FileFailureMessage message) {
    return MessageShot{name, platform::Translate(message.text),
                       platform::Translate(message.caption)};
  };
  const unsigned question = platform::mb::kOkCancel;
  std::vector<MessageShot> shots = {
      {"NoTimer", game(kStringTitle), game(kStringNoTimer)},
      {"DataFileError", game(kStringDataFileError), game(kStringErrorNumber)},
      {"ExitQuestion", game(kStringExitQuestion), game(kStringExitCaption), question},
      {"NewCampaignQuestion", game(kStringNewCampaignQuestion), game(kStringNewCampaignCaption),
       question},
      {"SaveQuestion", game(kStringSaveQuestion), game(kStringSaveCaption), question},
      {"LevelLoaded",
       platform::Format(game(kStringLevelLoaded).c_str(),
                        std::string(platform::Translate(LevelLabel(1))).c_str()),
       game(kStringLoadCaption)},
      file("SaveCannotOpen", SaveFailureMessage(kFileCannotOpen)),
      file("SaveBusy", SaveFailureMessage(kFileBusy)),
      file("SaveShort", SaveFailureMessage(kFileShort)),
      file("LoadNoFile", LoadFailureMessage(kFileCannotOpen)),
      file("LoadDamaged", LoadFailureMessage(kFileShort)),
      {"LauncherNoTimer", LauncherText(kLumarStringTitle), LauncherText(kLumarStringNoTimer)}};
  // The launcher's start failures, each naming a game program in a folder of some length.
  const std::string where = "/home/player/.local/share/feldo/feldo";
  for (const auto& [name, result] : std::vector<std::pair<std::string, platform::StartResult>>{
           {"NoFolder", platform::StartResult::NoFolder},
           {"NotFound", platform::StartResult::NotFound},
           {"NotExecutable", platform::StartResult::NotExecutable},
           {"EndedUnready", platform::StartResult::EndedUnready},
           {"NotReadyInTime", platform::StartResult::NotReadyInTime},
           {"SystemRefused", platform::StartResult::Failed}}) {
    shots.push_back(
        {"Launcher" + name,
         platform::Format(LauncherText(StartFailureTextId(result)).c_str(), where.c_str()),
         LauncherText(kLumarStringStartFailed)});
  }
  return shots;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<platform::Language> language = TakeLanguageOption(&argc, argv);
  if (!language || argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: dialog_snapshots [--lang en|ja] OUTPUT_FOLDER [GAME_FOLDER]\n");
    return 2;
  }
  const std::filesystem::path output = std::filesystem::absolute(argv[1]);
  std::filesystem::create_directories(output);
  if (argc == 3 && !platform::SetCurrentDirectory(argv[2])) {
    std::fprintf(stderr, "dialog_snapshots: no folder %s\n", argv[2]);
    return 2;
  }
  platform::ProgramOptions options;
  options.seed = 1;
  platform::Instance* instance = hl::StartForTests(FeldoResources(), options);
  if (!ShowLanguage(*language, "dialog_snapshots")) return 1;
  // A dialog on top is painted by now: save it once, then leave it with Esc.
  hl::SetIdleHandler([&output](std::optional<std::uint64_t>) {
    if (platform::TopDialog() == nullptr) {
      hl::Advance(10);
      return;
    }
    if (!pendingFile.empty() && !saved) {
      saved = hl::SaveScreenshot((output / (pendingFile + ".png")).string());
    }
    hl::KeyDown(platform::KeyEscape);
    hl::KeyUp(platform::KeyEscape);
  });
  platform::Window* window = CreateFeldoWindow(instance);
  if (window == nullptr) return 1;
  shellState.startupDone = 1;  // the dialogs are opened one by one below
  platform::ShowWindow(window, 1);
  platform::UpdateWindow(window);
  gameFlow.soundOff = 1;
  SetUpRecords();

  int failures = 0;
  for (const Shot& shot : Shots()) {
    shot.setUp();
    pendingFile = "dialog-" + shot.file;
    saved = false;
    if (OpenDialog(shot.dialog, shot.proc, shot.argument) < 0 || !saved) {
      std::fprintf(stderr, "dialog_snapshots: %s was not shown\n", shot.dialog.c_str());
      ++failures;
    }
    gameFlow.displayContent = DisplayContent::kNone;
    gameFlow.messageKind = MessageKind::kMatchResult;
    gameFlow.phase = Phase::kQualifying;
  }
  for (const MessageShot& shot : MessageShots(instance)) {
    pendingFile = "messagebox-" + shot.file;
    saved = false;
    platform::MessageBox(window, shot.text, shot.caption,
                         shot.buttons | platform::mb::kIconWarning);
    if (!saved) {
      std::fprintf(stderr, "dialog_snapshots: message box %s was not shown\n", shot.file.c_str());
      ++failures;
    }
  }
  pendingFile.clear();
  // The GAME menu open, then the SOUND menu with its check mark on Sound Off.
  SetSoundOff(true);
  hl::KeyDown(platform::KeyF10);
  hl::KeyUp(platform::KeyF10);
  hl::Advance(0);
  if (!hl::SaveScreenshot((output / "menu-GAME.png").string())) ++failures;
  hl::KeyDown(platform::KeyRight);
  hl::KeyUp(platform::KeyRight);
  hl::Advance(0);
  if (!hl::SaveScreenshot((output / "menu-SOUND.png").string())) ++failures;
  hl::Shutdown();
  return failures == 0 ? 0 : 1;
}
