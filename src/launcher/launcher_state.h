// The launcher's one process-wide record: what it was started with, its four pictures, the
// sound switch and the counters of the title show. Set up when the window is created and kept
// for the whole run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/picture.h"
#include "platform/platform.h"

inline constexpr int kLauncherPictureCount = 4;  // pictures in ODAT.DAT
inline constexpr int kShowFirstDelay = 100;      // ticks before the first show step
inline constexpr int kLineLetterLimit = 16;      // where each line's letter count stops
inline constexpr int kCountdownStart = 6;        // steps after the whistle: start the game
inline constexpr int kCountdownDone = 7;         // the start-game command has been sent
inline constexpr char kLauncherArchive[] = "ODAT.DAT";
inline constexpr char kSettingsFile[] = "SEL_.DAT";

struct LauncherState {
  platform::Window* window = nullptr;
  platform::Instance* instance = nullptr;
  // The command line, unchanged; empty when the launcher was started without a folder.
  std::string folderArgument;
  // Where the game is started: the current directory at creation, or the folder argument
  // followed by "/" once the window exists.
  std::string gameFolder;
  // 0 while sounds may be played: the second byte of SEL_.DAT, sign-extended.
  std::int32_t soundOff = 0;
  // The four pictures in archive order (a null picture where none could be read) and what
  // reading ODAT.DAT gave: 0 read, -1 missing, 2 malformed or short.
  std::vector<Picture> pictures;
  int archiveError = 0;
  // 0 the timer could not be set, 1 it runs and the cheer has not started, 2 after the cheer.
  int timerState = 0;
  std::uint8_t repaintPhase = 0;  // 0 to 4: the first four ticks repaint the whole window
  std::int32_t stepDelay = kShowFirstDelay;  // ticks until the next show step
  std::int32_t firstLetters = 0;             // 0 to 16: "VEXO VEDUZI"
  std::int32_t secondLetters = 0;            // 0 to 16: "WORLD  CUP"
  std::int32_t finalCountdown = 0;           // 0 to 7, counted from the whistle
  // How many start-game commands came, and what the last start of the game gave
  // (platform::StartResult as a number, -1 before any).
  int startCommands = 0;
  int startResult = -1;
};

extern LauncherState launcher;

// Reads SEL_.DAT (exactly two bytes) and keeps its second byte as the sound switch; a missing
// or shorter file leaves sound on.
void ReadSoundSwitch();
// Reads ODAT.DAT from the current directory into the four picture places.
void ReadLauncherPictures();
// Releases the pictures (they are gone from here on).
void ReleaseLauncherPictures();

// Back to the start-up values (tests).
void ResetLauncherState();
