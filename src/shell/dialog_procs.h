// The dialog procedures of the menus and screens between matches. Each serves many dialog
// templates and learns what to show from its opener:
// - ListDialogProc and SoundDialogProc from their dialog argument (the b of InitDialog): a
//   ListKind, a SoundDialogMode;
// - MenuDialogProc and MessageDialogProc from gameFlow.displayContent and gameFlow.messageKind,
//   which the drawing and the timer tick read as well: ShowScreen and ShowMessage below set
//   them for as long as the dialog is open (a loaded campaign brings its messageKind back).
// Buttons never act on the game themselves: they end their dialog and send a command to the
// main window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/game_flow_state.h"
#include "platform/platform.h"

// What a list dialog (ListDialogProc) offers: its dialog argument.
enum class ListKind : std::uint8_t {
  kNone = 0,
  kAsianNations = 1,  // SelTeamDlg: 1 to 5 the nations of region 0 to 4
  kEuropeanNations = 2,
  kSouthAmericanNations = 3,
  kNorthAmericanNations = 4,
  kAfricanNations = 5,
  kFriendlyOpponents = 6,     // SelTestMatchDlg: the nations outside the user's region
  kPracticeConfirmation = 7,  // SelTestMatch2Dlg: the youth selection, no list
  kLevel = 8,                 // SetLevelDlg: the four level buttons
};

// The nation list of region 0 to 4, and the region of a nation list.
constexpr ListKind NationListOf(int region) {
  return static_cast<ListKind>(region + 1);
}
constexpr bool IsNationList(ListKind kind) {
  return kind >= ListKind::kAsianNations && kind <= ListKind::kAfricanNations;
}
constexpr int RegionOfList(ListKind kind) {
  return static_cast<int>(kind) - 1;
}

// What the sound dialog procedure (SoundDialogProc) serves: its dialog argument.
enum class SoundDialogMode : std::uint8_t {
  kFirstMenuQuestion = 0,  // MessBox1: the question before the first menu
  kSoundSwitch = 1,        // SetSoundDlg: the sound check
};

// How a dialog of MenuDialogProc ended: by one of its buttons, or left with Esc (or closed)
// without a choice.
inline constexpr platform::Param kMenuChosen = 1;
inline constexpr platform::Param kMenuLeft = 0;

// The dialogs that another button may have to close first, the level being chosen, and how
// the start-up menu was left. Process-wide, one instance.
struct DialogWindows {
  platform::Window* soundDialog = nullptr;  // SetSoundDlg or MessBox1 while open
  platform::Window* nationList = nullptr;   // the open list dialog (nation, opponent, level)
  ListKind listKind = ListKind::kNone;      // what the open list dialog offers
  std::uint8_t pendingLevel = 3;            // the level radio button chosen, until OK
  // 1 once a start-up menu opened since command 1 began was left without a choice; command 1
  // then brings a campaign in progress back to its phase menu.
  std::uint8_t firstMenuLeft = 0;
  std::uint8_t keyHelpOpen = 0;  // 1 while the key help is open (F1 opens no second one)
};

extern DialogWindows dialogWindows;

void ResetDialogWindows();

platform::Param MenuDialogProc(platform::Window* dialog, platform::Msg msg, platform::Param a,
                               platform::Param b);
platform::Param ListDialogProc(platform::Window* dialog, platform::Msg msg, platform::Param a,
                               platform::Param b);
platform::Param MessageDialogProc(platform::Window* dialog, platform::Msg msg, platform::Param a,
                                  platform::Param b);
platform::Param SoundDialogProc(platform::Window* dialog, platform::Msg msg, platform::Param a,
                                platform::Param b);
// The key help (KeyHelpDlg): its lines are its template's; OK, Esc and the close box end it.
platform::Param KeyHelpDialogProc(platform::Window* dialog, platform::Msg msg, platform::Param a,
                                  platform::Param b);

// Opens a dialog of the game's resources, modal to the main window, with `argument` as the b
// of its InitDialog; returns its result (-1 when there is no such template).
platform::Param OpenDialog(std::string_view name, platform::DialogProc proc,
                           platform::Param argument = 0);
// A display screen with MenuDialogProc: gameFlow.displayContent is `content` while it is
// open, DisplayContent::kNone afterwards.
void ShowScreen(std::string_view name, DisplayContent content);
// A message with MessageDialogProc: gameFlow.messageKind is `kind` while it is open,
// MessageKind::kMatchResult afterwards.
void ShowMessage(std::string_view name, MessageKind kind);

// A message box with the text and the caption of those string resources
// (resources/feldo_resources.h), in the interface's language; returns kIdOk or kIdCancel.
int ShowMessageBox(platform::Window* window, int textId, int captionId, unsigned flags);

// Sends a command to the main window and returns when it has run.
void SendGameCommand(int id);

// The region dialog's line: the region and the nation chosen (gameFlow.region, userNation).
std::string RegionChoiceText();
// The name of a nation number (1 to 32, the youth selection included) in the interface's
// language; empty for any other.
std::string NameOfNation(int nationNumber);

// Turns the sound off or on; off also stops a sound that is playing, at once.
void SetSoundOff(bool off);
// Checks the SOUND menu's item in force (Sound On or Sound Off) in the game's three menus.
void MarkSoundChoice();
// Turns smooth motion on or off; `remember` writes the choice into the preferences file (a
// choice of the command line holds for the run alone). The GAME menu's item follows.
void SetSmoothMotion(bool on, bool remember);
// Checks or clears the GAME menu's smooth motion item in the game's three menus.
void MarkMotionChoice();

// The language the game starts in: `given` (--lang) for this run, else `remembered` (the
// player's choice in FELDO.CFG), else the locale's. English without its catalogue stays
// Japanese, with a line on standard error.
void StartInChosenLanguage(std::optional<std::string_view> given, std::string_view remembered);
// The GAME menu's language switch: Japanese to English or back, remembered in FELDO.CFG; the
// window's title, menus and picture follow at once. Without the English catalogue nothing
// changes but a beep.
void SwitchLanguage(platform::Window* window);
