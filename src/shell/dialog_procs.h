// The dialog procedures of the menus and screens between matches. Each serves many dialog
// templates and learns what to show from a selector of gameFlow that the opener sets before
// opening the dialog: displayContent for MenuDialogProc, listKind for ListDialogProc,
// messageKind for MessageDialogProc, soundDialogMode for SoundDialogProc. Buttons never act on
// the game themselves: they end their dialog and send a command to the main window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"

// The dialogs that another button may have to close first, and the level being chosen.
// Process-wide, one instance.
struct DialogWindows {
  platform::Window* soundDialog = nullptr;  // SetSoundDlg or MessBox1 while open
  platform::Window* nationList = nullptr;   // the open list dialog (nation, opponent, level)
  std::uint8_t pendingLevel = 3;            // the level radio button chosen, until OK
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

// Opens a dialog of the game's resources, modal to the main window; returns its result (-1
// when there is no such template).
platform::Param OpenDialog(std::string_view name, platform::DialogProc proc);

// Sends a command to the main window and returns when it has run.
void SendGameCommand(int id);

// The name of a nation number (1 to 32, the youth selection included); empty for any other.
std::string NameOfNation(int nationNumber);

// Turns the sound off or on; off also stops a sound that is playing, at once.
void SetSoundOff(bool off);
// Checks the SOUND menu's item in force (Sound On or Sound Off) in the game's three menus.
void MarkSoundChoice();
