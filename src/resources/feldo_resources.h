// The game program's resources: menus, dialog templates (resources/feldo_dialogs.h), string
// table and icons, described as data.
#pragma once

#include "platform/platform.h"

inline constexpr int kStringTitle = 103;      // the window title
inline constexpr int kStringClassName = 109;  // the window class name
// The message after a load that changed the level: its text ("%s": the level's label, see
// LevelLabel) and its caption.
inline constexpr int kStringLevelLoaded = 110;
inline constexpr int kStringLoadCaption = 111;
inline constexpr int kIconLarge = 107;
inline constexpr int kIconSmall = 108;

const platform::ResourceTable& FeldoResources();

// The program icon drawn in code: a football on a green ground, `size` × `size` pixels,
// 0xAARRGGBB.
platform::IconResource DrawProgramIcon(int id, int size);
