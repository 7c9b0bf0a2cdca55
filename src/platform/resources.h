// Resources: a program describes its menus, dialog templates, strings and icons as data and
// hands them to RunProgram. They are addressed by name or number, as on the classic desktop.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace platform {

struct MenuItemTemplate {
  std::string_view text;
  int id = 0;
  bool greyed = false;
};
struct PopupTemplate {
  std::string_view title;
  std::vector<MenuItemTemplate> items;
};
struct MenuTemplate {
  std::string_view name;
  std::vector<PopupTemplate> popups;
};

enum class ControlKind {
  PushButton,
  DefPushButton,  // the default button: Enter presses it; drawn with a black border
  RadioButton,    // checked by the dialog procedure (CheckButton), never automatically
  CheckBox,       // likewise
  ListBox,        // with a vertical scroll bar and keyboard selection
  Edit,           // a read-only edit line
  Static,         // left-aligned text
  StaticCentred,  // centred text
};

// Flags for ControlTemplate::flags.
namespace control_flags {
inline constexpr unsigned kNotify = 1;   // list box: send kListSelChange / kListDoubleClick
inline constexpr unsigned kVScroll = 2;  // list box: show a vertical scroll bar
}  // namespace control_flags

// Positions and sizes in dialog units (2 pixels per unit on both axes).
struct ControlTemplate {
  ControlKind kind = ControlKind::PushButton;
  int id = 0;
  std::string_view text;
  int x = 0, y = 0, width = 0, height = 0;
  unsigned flags = 0;
};

enum class DialogFrame {
  Popup,      // caption bar with the title, dialog frame
  Frameless,  // dialog frame only
};

struct DialogTemplate {
  std::string_view name;
  DialogFrame frame = DialogFrame::Popup;
  std::string_view title;
  int width = 0, height = 0;  // client size in dialog units
  std::vector<ControlTemplate> controls;
};

struct StringResource {
  int id = 0;
  std::string_view text;
};

// An icon drawn by the program itself: width × height pixels, 0xAARRGGBB, row by row.
struct IconResource {
  int id = 0;
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
};

struct ResourceTable {
  std::vector<MenuTemplate> menus;
  std::vector<DialogTemplate> dialogs;
  std::vector<StringResource> strings;
  std::vector<IconResource> icons;
};

// The string with that id in the current language, or an empty string.
std::string LoadString(Instance* instance, int id);
// nullptr when there is no dialog template with that name.
const DialogTemplate* FindDialogTemplate(Instance* instance, std::string_view name);
// The template with its title and control texts in the current language, as DialogBox shows
// it (the texts are views of the template's own or of the catalogue's).
DialogTemplate TranslatedTemplate(const DialogTemplate& tpl);

}  // namespace platform
