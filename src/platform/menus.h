// Menus: a bar drawn by the layer at the top of the window (20 pixels), with drop-downs.
// Mouse, F10 or Alt, arrows, Enter and Esc work it; a chosen item sends Command(id).
#pragma once

#include <string_view>

#include "platform/types.h"

namespace platform {

inline constexpr int kMenuBarHeight = 20;

Menu* LoadMenu(Instance* instance, std::string_view name);
void SetMenu(Window* window, Menu* menu);  // nullptr removes the bar; sends Size when it changes
Menu* GetMenu(Window* window);
void DestroyMenu(Menu* menu);
void EnableMenuItem(Menu* menu, int id, bool enabled);
bool IsMenuItemEnabled(Menu* menu, int id);
// A switch item shows a check mark left of its text while it is checked (none at first).
void CheckMenuItem(Menu* menu, int id, bool checked);
bool IsMenuItemChecked(Menu* menu, int id);

}  // namespace platform
