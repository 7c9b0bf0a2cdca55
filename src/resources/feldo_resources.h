// The game program's resources: menus, dialog templates (resources/feldo_dialogs.h), string
// table and icons, described as data.
#pragma once

#include "platform/platform.h"

inline constexpr int kStringTitle = 103;      // the window title
inline constexpr int kStringClassName = 109;  // the window class name
// The texts and captions of the game's message boxes (the save and load failures are the saved
// campaign's own, savegame/campaign_file.h).
inline constexpr int kStringNoTimer = 110;              // caption: the timer cannot be set
inline constexpr int kStringDataFileError = 111;        // text: the picture archive is not ours
inline constexpr int kStringErrorNumber = 112;          // its caption
inline constexpr int kStringExitQuestion = 113;         // text: end the game in progress?
inline constexpr int kStringExitCaption = 114;          // its caption
inline constexpr int kStringNewCampaignQuestion = 115;  // text: end it and begin anew?
inline constexpr int kStringNewCampaignCaption = 116;   // its caption
inline constexpr int kStringSaveQuestion = 117;         // text: save the campaign?
inline constexpr int kStringSaveCaption = 118;          // its caption
// The word after a load that changed the level: its text ("%s": the level's label, see
// LevelLabel) and its caption.
inline constexpr int kStringLevelLoaded = 119;
inline constexpr int kStringLoadCaption = 120;
inline constexpr int kIconLarge = 107;
inline constexpr int kIconSmall = 108;

const platform::ResourceTable& FeldoResources();

// The program icon drawn in code: a football on a green ground, `size` × `size` pixels,
// 0xAARRGGBB.
platform::IconResource DrawProgramIcon(int id, int size);
