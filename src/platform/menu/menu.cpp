// Menus: loading from templates, greyed items, and working the main window's menu bar with
// the mouse and the keyboard. A chosen item posts Command(id) to the window.
#include <algorithm>

#include "platform/core/core.h"
#include "platform/draw/paint_util.h"

namespace platform {

namespace detail {

namespace {

constexpr int kTitlePadding = 8;
constexpr int kItemHeight = 18;
constexpr int kDropDownBorder = 3;
constexpr int kItemTextLeft = 18;
constexpr int kItemTextRight = 18;

Window* MenuWindow() {
  Window* main = Core().mainWindow;
  return IsLive(main) && main->menu ? main : nullptr;
}

Menu::Item* CurrentItem() {
  auto& t = Core().menuTracking;
  Window* window = MenuWindow();
  if (!window || !t.open || t.popup < 0 || t.popup >= int(window->menu->popups.size())) {
    return nullptr;
  }
  auto& items = window->menu->popups[std::size_t(t.popup)].items;
  if (t.item < 0 || t.item >= int(items.size())) return nullptr;
  return &items[std::size_t(t.item)];
}

void Choose(const Menu::Item& item) {
  const int id = item.id;
  CloseMenuTracking();
  if (Window* window = MenuWindow()) PostMessage(window, Msg::Command, id, notify::kClicked);
}

int TitleAt(const Menu* menu, int x, int y) {
  for (int p = 0; p < int(menu->popups.size()); ++p) {
    if (MenuTitleRect(menu, p).Contains(x, y)) return p;
  }
  return -1;
}

int ItemAt(const Menu* menu, int popup, int x, int y) {
  const int count = int(menu->popups[std::size_t(popup)].items.size());
  for (int i = 0; i < count; ++i) {
    if (DropDownItemRect(menu, popup, i).Contains(x, y)) return i;
  }
  return -1;
}

}  // namespace

int MenuBarHeight(const Window* window) {
  return IsLive(window) && window->menu ? kMenuBarHeight : 0;
}

Rect MenuTitleRect(const Menu* menu, int popup) {
  int x = 2;
  for (int p = 0; p < int(menu->popups.size()); ++p) {
    const int width =
        SystemTextWidth(Translate(menu->popups[std::size_t(p)].title)) + 2 * kTitlePadding;
    if (p == popup) return Rect{x, 1, x + width, kMenuBarHeight - 1};
    x += width;
  }
  return Rect{};
}

Rect DropDownRect(const Menu* menu, int popup) {
  const auto& items = menu->popups[std::size_t(popup)].items;
  const Rect title = MenuTitleRect(menu, popup);
  int width = title.Width();
  for (const auto& item : items) {
    width = std::max(width, SystemTextWidth(Translate(item.text)) + kItemTextLeft + kItemTextRight +
                                2 * kDropDownBorder);
  }
  const int height = int(items.size()) * kItemHeight + 2 * kDropDownBorder;
  int left = title.left;
  const int frameWidth = FrameSize().x;
  if (frameWidth > 0 && left + width > frameWidth) left = std::max(0, frameWidth - width);
  return Rect{left, kMenuBarHeight, left + width, kMenuBarHeight + height};
}

Rect DropDownItemRect(const Menu* menu, int popup, int item) {
  const Rect r = DropDownRect(menu, popup);
  const int top = r.top + kDropDownBorder + item * kItemHeight;
  return Rect{r.left + kDropDownBorder, top, r.right - kDropDownBorder, top + kItemHeight};
}

void CloseMenuTracking() {
  auto& c = Core();
  if (c.menuTracking.open) c.layoutDirty = true;
  c.menuTracking = MenuTracking{};
}

void OpenMenuBar(int popup, bool keyboard) {
  Window* window = MenuWindow();
  if (!window || window->menu->popups.empty()) return;
  auto& c = Core();
  const int count = int(window->menu->popups.size());
  c.menuTracking.open = true;
  c.menuTracking.popup = ((popup % count) + count) % count;
  const bool hasItems = !window->menu->popups[std::size_t(c.menuTracking.popup)].items.empty();
  c.menuTracking.item = keyboard && hasItems ? 0 : -1;
  c.layoutDirty = true;
}

bool MenuHandleKey(int key) {
  auto& c = Core();
  auto& t = c.menuTracking;
  Window* window = MenuWindow();
  if (!window || !t.open) {
    CloseMenuTracking();
    return false;
  }
  const int itemCount = int(window->menu->popups[std::size_t(t.popup)].items.size());
  switch (key) {
    case KeyEscape:
    case KeyF10:
      CloseMenuTracking();
      break;
    case KeyLeft:
      OpenMenuBar(t.popup - 1, true);
      break;
    case KeyRight:
      OpenMenuBar(t.popup + 1, true);
      break;
    case KeyUp:
      if (itemCount > 0) t.item = t.item <= 0 ? itemCount - 1 : t.item - 1;
      c.layoutDirty = true;
      break;
    case KeyDown:
      if (itemCount > 0) t.item = t.item < 0 || t.item + 1 >= itemCount ? 0 : t.item + 1;
      c.layoutDirty = true;
      break;
    case KeyReturn:
    case KeySpace:
      if (Menu::Item* item = CurrentItem()) {
        if (item->greyed) {
          MessageBeep();
        } else {
          Choose(*item);
        }
      }
      break;
    default:
      break;
  }
  return true;
}

void MenuHandleMouse(const InputEvent& event) {
  auto& c = Core();
  auto& t = c.menuTracking;
  Window* window = MenuWindow();
  if (!window) {
    CloseMenuTracking();
    return;
  }
  const Menu* menu = window->menu;
  const int title = event.y < kMenuBarHeight ? TitleAt(menu, event.x, event.y) : -1;
  const bool inDropDown = t.open && DropDownRect(menu, t.popup).Contains(event.x, event.y);
  const int item = inDropDown ? ItemAt(menu, t.popup, event.x, event.y) : -1;
  switch (event.kind) {
    case InputEvent::Kind::MouseDown:
    case InputEvent::Kind::MouseDoubleClick:
      if (title >= 0) {
        if (t.open && t.popup == title) {
          CloseMenuTracking();
        } else {
          OpenMenuBar(title, false);
        }
      } else if (inDropDown) {
        t.item = item;
        c.layoutDirty = true;
      } else {
        CloseMenuTracking();  // a click elsewhere closes the menu and goes nowhere
      }
      break;
    case InputEvent::Kind::MouseMove:
      if (!t.open) break;
      if (title >= 0 && title != t.popup) {
        OpenMenuBar(title, false);
      } else if (inDropDown && item != t.item) {
        t.item = item;
        c.layoutDirty = true;
      }
      break;
    case InputEvent::Kind::MouseUp:
      if (inDropDown && item >= 0) {
        t.item = item;
        c.layoutDirty = true;
        if (Menu::Item* chosen = CurrentItem(); chosen && !chosen->greyed) Choose(*chosen);
      }
      break;
    default:
      break;
  }
}

bool ChooseMenuCommand(int id) {
  Window* window = MenuWindow();
  if (!window || !WindowEnabled(window) || ActiveWindow() != window) return false;
  for (const auto& popup : window->menu->popups) {
    for (const auto& item : popup.items) {
      if (item.id != id) continue;
      if (item.greyed) return false;
      CloseMenuTracking();
      PostMessage(window, Msg::Command, id, notify::kClicked);
      return true;
    }
  }
  return false;
}

}  // namespace detail

using detail::Core;

Menu* LoadMenu(Instance* instance, std::string_view name) {
  if (!instance) return nullptr;
  for (const MenuTemplate& tpl : instance->resources.menus) {
    if (tpl.name != name) continue;
    auto menu = std::make_unique<Menu>();
    menu->name = std::string(tpl.name);
    for (const PopupTemplate& popupTemplate : tpl.popups) {
      Menu::Popup popup;
      popup.title = std::string(popupTemplate.title);
      for (const MenuItemTemplate& item : popupTemplate.items) {
        popup.items.push_back(Menu::Item{std::string(item.text), item.id, item.greyed});
      }
      menu->popups.push_back(std::move(popup));
    }
    Menu* result = menu.get();
    Core().menus.push_back(std::move(menu));
    return result;
  }
  return nullptr;
}

void DestroyMenu(Menu* menu) {
  if (!menu || menu->destroyed) return;
  auto& c = Core();
  for (auto& window : c.windows) {
    if (window->menu == menu) {
      window->menu = nullptr;  // the window is on its way out; no Size
      detail::CloseMenuTracking();
      c.layoutDirty = true;
    }
  }
  menu->destroyed = true;
  menu->popups.clear();
}

void EnableMenuItem(Menu* menu, int id, bool enabled) {
  if (!menu || menu->destroyed) return;
  for (auto& popup : menu->popups) {
    for (auto& item : popup.items) {
      if (item.id == id) item.greyed = !enabled;
    }
  }
  Core().layoutDirty = true;
}

void CheckMenuItem(Menu* menu, int id, bool checked) {
  if (!menu || menu->destroyed) return;
  for (auto& popup : menu->popups) {
    for (auto& item : popup.items) {
      if (item.id == id) item.checked = checked;
    }
  }
  Core().layoutDirty = true;
}

bool IsMenuItemChecked(Menu* menu, int id) {
  if (!menu || menu->destroyed) return false;
  for (const auto& popup : menu->popups) {
    for (const auto& item : popup.items) {
      if (item.id == id) return item.checked;
    }
  }
  return false;
}

bool IsMenuItemEnabled(Menu* menu, int id) {
  if (!menu || menu->destroyed) return false;
  for (const auto& popup : menu->popups) {
    for (const auto& item : popup.items) {
      if (item.id == id) return !item.greyed;
    }
  }
  return false;
}

}  // namespace platform
