// The game program's dialog templates (positions and sizes in dialog units) and the ids of the
// controls its dialog procedures read or write. Buttons that send a command carry that
// command's id (see resources/feldo_commands.h).
#pragma once

#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace DialogItem {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kNewGame = 9;
inline constexpr int kLoadGame = 10;
inline constexpr int kExit = 13;
inline constexpr int kInfoLine = 16;      // the region dialog's edit line
inline constexpr int kNationList = 16;    // the list box of the list dialogs
inline constexpr int kLevelFirst = 25;    // 25 to 28: LEVEL S, 1, 2, 3
inline constexpr int kRegionFirst = 206;  // 206 to 210: the region buttons (see kRegionButtons)
inline constexpr int kRegionLast = 210;
inline constexpr int kChangeLevel = 222;
inline constexpr int kPlayRound = 223;
inline constexpr int kFriendly = 224;
inline constexpr int kStandings = 225;
inline constexpr int kPractice = 240;
inline constexpr int kSoundSwitch = 247;
inline constexpr int kSoundOn = 248;  // the check of the sound dialog
}  // namespace DialogItem

// The region of a region button (206 Asia, 207 Europe, 208 South America,
// 209 North/Central America and Caribbean, 210 Africa).
inline constexpr int RegionOfButton(int id) {
  return id - DialogItem::kRegionFirst;
}

// The name of a level (0 LEVEL S to 3 LEVEL 3) as the level dialog offers it; the level dialog
// and the message after a load that changed the level say it alike.
std::string_view LevelLabel(int level);

std::vector<platform::DialogTemplate> FeldoDialogTemplates();
