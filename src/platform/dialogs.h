// Modal dialogs, their controls and message boxes. Dialogs are built from templates in dialog
// units (2 pixels per unit) and run a nested message loop; the owner window keeps getting
// timers and paints meanwhile.
#pragma once

#include <string>
#include <string_view>

#include "platform/resources.h"
#include "platform/types.h"
#include "platform/window.h"

namespace platform {

// Command ids the dialog manager itself sends: Enter presses the default button, Esc sends
// kIdCancel. Message boxes return kIdOk or kIdCancel.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Creates the dialog from its template, centred over the owner, sends InitDialog and runs a
// nested message loop until EndDialog. Returns the result given to EndDialog, or -1 when the
// template does not exist. The owner keeps receiving timers and paints meanwhile.
Param DialogBox(Instance* instance, std::string_view templateName, Window* owner, DialogProc proc);
// DialogBox with an argument: `initParam` arrives as the b of Msg::InitDialog (DialogBox hands
// the procedure 0), so that one procedure can serve many dialogs and learn from its opener
// what this one shows.
Param DialogBoxParam(Instance* instance, std::string_view templateName, Window* owner,
                     DialogProc proc, Param initParam);
void EndDialog(Window* dialog, Param result);
bool IsDialog(Window* window);
std::string_view DialogTemplateName(Window* dialog);  // "messagebox" for message boxes
// The top modal dialog or message box, nullptr when none is open.
Window* TopDialog();

void SetItemText(Window* dialog, int id, std::string_view text);
std::string GetItemText(Window* dialog, int id);
// Where a control lies in its dialog's client area, in pixels; empty when there is no such
// control.
Rect GetItemRect(Window* dialog, int id);
void CheckButton(Window* dialog, int id, bool checked);
bool IsButtonChecked(Window* dialog, int id);
// List boxes: lines are numbered from 0; no selection is -1.
int ListAddString(Window* dialog, int id, std::string_view text);
int ListGetSelection(Window* dialog, int id);
void ListSetSelection(Window* dialog, int id, int line);
int ListCount(Window* dialog, int id);
// Sets the keyboard focus to a control.
void SetFocusItem(Window* dialog, int id);

// How a text fits its place at 1x, measured with the layer's own font as the layer draws it:
// the pixels across its widest line against the room across, and the lines it takes against
// the lines the place shows. A text that does not fit is cut off (in a message box, broken
// inside a word).
struct TextFit {
  int needed = 0;
  int room = 0;
  int lines = 1;
  int lineRoom = 1;
  bool Fits() const { return needed <= room && lines <= lineRoom; }
};
// `text` in a control of the template's kind and size; a push button as it is drawn with the
// default border, a list box's line beside a scroll bar.
TextFit FitOfControlText(const ControlTemplate& control, std::string_view text);
// The template's title in its caption bar.
TextFit FitOfDialogTitle(const DialogTemplate& tpl);
// The text of a message box (the box is as wide as its longest line, up to a limit).
TextFit FitOfMessageText(std::string_view text);

namespace mb {
inline constexpr unsigned kOk = 0;
inline constexpr unsigned kOkCancel = 1;
inline constexpr unsigned kIconWarning = 0x30;
}  // namespace mb
// Returns kIdOk or kIdCancel.
int MessageBox(Window* owner, std::string_view text, std::string_view caption, unsigned flags);

}  // namespace platform
