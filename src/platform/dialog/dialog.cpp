// Modal dialogs: creation from templates (2 pixels per dialog unit), centring over the main
// window, the nested message loop, painting (face grey, the procedure's own drawing, then the
// controls), keyboard focus and the dialog keys, and mouse presses on controls.
#include <algorithm>

#include "platform/core/core.h"
#include "platform/draw/paint_util.h"

namespace platform {

namespace detail {

namespace {

constexpr int kDialogBorder = 3;
constexpr int kCaptionHeight = 18;
constexpr int kPixelsPerUnit = 2;

int ClientTop(DialogFrame frame) {
  return kDialogBorder + (frame == DialogFrame::Popup ? kCaptionHeight + 1 : 0);
}

bool IsPushButton(const Control& control) {
  return control.kind == ControlKind::PushButton || control.kind == ControlKind::DefPushButton;
}

bool Pressable(const Control& control) {
  return IsPushButton(control) || control.kind == ControlKind::RadioButton ||
         control.kind == ControlKind::CheckBox;
}

int IndexOf(Window* dialog, int id) {
  auto& controls = dialog->dialog->controls;
  for (int i = 0; i < int(controls.size()); ++i) {
    if (controls[std::size_t(i)].id == id) return i;
  }
  return -1;
}

int DefaultFocusIndex(Window* dialog) {
  auto& controls = dialog->dialog->controls;
  for (int i = 0; i < int(controls.size()); ++i) {
    if (controls[std::size_t(i)].kind == ControlKind::DefPushButton) return i;
  }
  for (int i = 0; i < int(controls.size()); ++i) {
    if (Focusable(controls[std::size_t(i)])) return i;
  }
  return -1;
}

// The next focusable control from `from` in direction `step` (+1 or -1), wrapping around.
int NextFocusable(Window* dialog, int from, int step) {
  auto& controls = dialog->dialog->controls;
  const int count = int(controls.size());
  if (count == 0) return -1;
  int i = from < 0 ? (step > 0 ? -1 : count) : from;
  for (int n = 0; n < count; ++n) {
    i = ((i + step) % count + count) % count;
    if (Focusable(controls[std::size_t(i)])) return i;
  }
  return from;
}

// Enter presses the focused push button, otherwise the default button, otherwise sends OK.
int EnterId(Window* dialog) {
  auto& d = *dialog->dialog;
  if (d.focus >= 0 && IsPushButton(d.controls[std::size_t(d.focus)])) {
    return d.controls[std::size_t(d.focus)].id;
  }
  for (const Control& control : d.controls) {
    if (control.kind == ControlKind::DefPushButton) return control.id;
  }
  return kIdOk;
}

void DialogKeyDown(Window* dialog, int key, Param flags) {
  const bool repeat = (flags & 1) != 0;
  auto& d = *dialog->dialog;
  Control* focused = d.focus >= 0 ? &d.controls[std::size_t(d.focus)] : nullptr;
  if (focused && focused->kind == ControlKind::ListBox && ListHandleKey(dialog, *focused, key)) {
    return;
  }
  switch (key) {
    case KeyTab:
      SetFocusIndex(dialog, NextFocusable(dialog, d.focus, (flags & kShiftFlag) ? -1 : 1));
      break;
    case KeyLeft:
    case KeyUp:
      SetFocusIndex(dialog, NextFocusable(dialog, d.focus, -1));
      break;
    case KeyRight:
    case KeyDown:
      SetFocusIndex(dialog, NextFocusable(dialog, d.focus, 1));
      break;
    case KeyReturn:
      if (!repeat) SendDialogCommand(dialog, EnterId(dialog), notify::kClicked);
      break;
    case KeyEscape:
      if (!repeat) SendDialogCommand(dialog, kIdCancel, notify::kClicked);
      break;
    case KeySpace:
      if (!repeat && focused && Pressable(*focused)) {
        SendDialogCommand(dialog, focused->id, notify::kClicked);
      }
      break;
    default:
      break;
  }
}

int ControlAt(Window* dialog, int x, int y) {
  auto& controls = dialog->dialog->controls;
  for (int i = int(controls.size()) - 1; i >= 0; --i) {
    const Control& control = controls[std::size_t(i)];
    if (control.kind == ControlKind::Static || control.kind == ControlKind::StaticCentred ||
        control.kind == ControlKind::Edit) {
      continue;  // they take no clicks
    }
    if (control.rect.Contains(x, y)) return i;
  }
  return -1;
}

void DialogMouseDown(Window* dialog, int x, int y, bool doubleClick) {
  auto& d = *dialog->dialog;
  const int index = ControlAt(dialog, x, y);
  if (index < 0) return;
  Control& control = d.controls[std::size_t(index)];
  SetFocusIndex(dialog, index);
  d.pressed = index;
  if (control.kind == ControlKind::ListBox) {
    ListMouseDown(dialog, index, x, y, doubleClick);
    return;
  }
  d.pressedInside = true;
  RedrawControl(dialog, index);
}

void DialogMouseMove(Window* dialog, int x, int y) {
  auto& d = *dialog->dialog;
  if (d.pressed < 0) return;
  Control& control = d.controls[std::size_t(d.pressed)];
  if (control.kind == ControlKind::ListBox) {
    ListMouseMove(dialog, d.pressed, x, y);
    return;
  }
  const bool inside = control.rect.Contains(x, y);
  if (inside != d.pressedInside) {
    d.pressedInside = inside;
    RedrawControl(dialog, d.pressed);
  }
}

void DialogMouseUp(Window* dialog, int x, int y) {
  auto& d = *dialog->dialog;
  if (d.pressed < 0) return;
  const int index = d.pressed;
  d.pressed = -1;
  Control& control = d.controls[std::size_t(index)];
  if (control.kind == ControlKind::ListBox) {
    ListMouseUp(dialog, index);
    return;
  }
  const bool click = d.pressedInside && control.rect.Contains(x, y);
  d.pressedInside = false;
  RedrawControl(dialog, index);
  if (click) SendDialogCommand(dialog, control.id, notify::kClicked);
}

}  // namespace

bool Focusable(const Control& control) {
  return Pressable(control) || control.kind == ControlKind::ListBox;
}

Control* FindControl(Window* dialog, int id) {
  if (!IsDialog(dialog) || dialog->destroyed) return nullptr;
  const int index = IndexOf(dialog, id);
  return index < 0 ? nullptr : &dialog->dialog->controls[std::size_t(index)];
}

void SetFocusIndex(Window* dialog, int index) {
  auto& d = *dialog->dialog;
  if (index == d.focus) return;
  d.focus = index;
  // The focus rectangle moves, and with it the default border among the push buttons.
  for (int i = 0; i < int(d.controls.size()); ++i) RedrawControl(dialog, i);
}

void SendDialogCommand(Window* dialog, int id, Param code) {
  if (!IsLive(dialog) || dialog->dialog->ended) return;
  SendMessage(dialog, Msg::Command, id, code);
}

Rect DialogOuterRect(int clientWidth, int clientHeight, DialogFrame frame) {
  return Rect{0, 0, clientWidth + 2 * kDialogBorder,
              clientHeight + ClientTop(frame) + kDialogBorder};
}

Window* CreateDialogWindow(Instance* instance, const DialogTemplate& tpl, Window* owner,
                           DialogProc proc) {
  auto& c = Core();
  if (!IsLive(owner)) owner = IsLive(c.mainWindow) ? c.mainWindow : nullptr;
  auto owned = std::make_unique<Window>();
  Window* dialog = owned.get();
  dialog->kind = Window::Kind::Dialog;
  dialog->instance = instance;
  dialog->title = std::string(tpl.title);
  dialog->dialog = std::make_unique<DialogData>();
  DialogData& d = *dialog->dialog;
  d.name = std::string(tpl.name);
  d.frame = tpl.frame;
  d.proc = proc;
  d.owner = owner;
  const int width = std::max(1, tpl.width * kPixelsPerUnit);
  const int height = std::max(1, tpl.height * kPixelsPerUnit);
  dialog->surface.Resize(width, height, kFaceGrey);
  for (const ControlTemplate& ct : tpl.controls) {
    Control control;
    control.kind = ct.kind;
    control.id = ct.id;
    control.text = std::string(ct.text);
    control.flags = ct.flags;
    control.rect = Rect{ct.x * kPixelsPerUnit, ct.y * kPixelsPerUnit,
                        (ct.x + ct.width) * kPixelsPerUnit, (ct.y + ct.height) * kPixelsPerUnit};
    if (control.kind == ControlKind::ListBox) {
      // Whole lines only, as list boxes have always done.
      const int lines = (control.rect.Height() - 4) / 16;
      if (lines >= 1) control.rect.bottom = control.rect.top + lines * 16 + 4;
    }
    d.controls.push_back(std::move(control));
  }

  // Centre over the main window's client area and keep the whole dialog on the screen.
  const Rect outer = DialogOuterRect(width, height, tpl.frame);
  const Point frameSize = FrameSize();
  Rect area = IsLive(c.mainWindow) ? c.mainWindow->screen : Rect{};
  if (area.Empty())
    area = Rect{0, 0, frameSize.x > 0 ? frameSize.x : 640, frameSize.y > 0 ? frameSize.y : 480};
  int x = area.left + (area.Width() - outer.Width()) / 2;
  int y = area.top + (area.Height() - outer.Height()) / 2;
  if (frameSize.x > 0) x = std::clamp(x, 0, std::max(0, frameSize.x - outer.Width()));
  if (frameSize.y > 0) y = std::clamp(y, 0, std::max(0, frameSize.y - outer.Height()));
  dialog->outer = Offset(outer, x, y);
  const int top = ClientTop(tpl.frame);
  dialog->screen = Rect{x + kDialogBorder, y + top, x + kDialogBorder + width, y + top + height};
  dialog->invalid = Rect{0, 0, width, height};
  dialog->erase = true;

  c.windows.push_back(std::move(owned));
  c.dialogs.push_back(dialog);
  if (owner) ++owner->disabled;
  if (c.capture && !WindowEnabled(c.capture)) c.capture = nullptr;
  CloseMenuTracking();
  c.layoutDirty = true;
  return dialog;
}

Param RunDialog(Window* dialog, Param initParam) {
  auto& c = Core();
  DialogData& d = *dialog->dialog;
  if (SendMessage(dialog, Msg::InitDialog, 0, initParam) != 0 && !d.ended) {
    SetFocusIndex(dialog, DefaultFocusIndex(dialog));
  }
  while (!d.ended) {
    QueuedMessage message;
    if (!GetMessage(&message)) {
      // The program is quitting: leave this loop and let the outer ones see the quit too.
      PostQuitMessage(int(message.a));
      d.ended = true;
      d.result = 0;
      break;
    }
    DispatchMessage(&message);
  }
  if (d.proc && !dialog->destroyed) d.proc(dialog, Msg::Destroy, 0, 0);
  if (IsLive(d.owner) && d.owner->disabled > 0) --d.owner->disabled;
  std::erase(c.dialogs, dialog);
  dialog->destroyed = true;
  dialog->surface = Surface{};
  RemoveWindowState(dialog);
  const Param result = d.result;
  d.controls.clear();
  c.layoutDirty = true;
  return result;
}

void PaintDialog(Window* dialog) {
  DialogData& d = *dialog->dialog;
  Rect area = dialog->invalid;
  if (area.Empty()) return;
  FillBox(&dialog->surface, area, kFaceGrey);
  dialog->erase = false;
  if (d.proc) d.proc(dialog, Msg::Paint, 0, 0);
  if (!IsLive(dialog)) return;
  // Whatever the procedure left invalid (it may not have called BeginPaint, or may have
  // widened the area) is painted now too.
  area = Union(area, dialog->invalid);
  dialog->invalid = Rect{};
  dialog->erase = false;
  dialog->paintDelivered = false;
  for (int i = 0; i < int(d.controls.size()); ++i) DrawControl(dialog, i, &area);
}

Param DialogDispatch(Window* dialog, Msg msg, Param a, Param b) {
  DialogData& d = *dialog->dialog;
  if (msg == kMsgWake) return 0;
  if (msg == kMsgMouseMove) {
    if (!d.ended) DialogMouseMove(dialog, int(a), int(b));
    return 0;
  }
  if (msg == kMsgPressControl || msg == kMsgSelectLine) {
    const int index = IndexOf(dialog, int(a));
    if (index < 0 || d.ended) return 0;
    SetFocusIndex(dialog, index);
    if (msg == kMsgPressControl) {
      SendDialogCommand(dialog, int(a), notify::kClicked);
    } else {
      ListSelect(dialog, d.controls[std::size_t(index)], int(b), true);
    }
    return 0;
  }
  switch (msg) {
    case Msg::Paint:
      PaintDialog(dialog);
      return 0;
    case Msg::KeyDown:
      if (!d.ended) DialogKeyDown(dialog, int(a), b);
      return 0;
    case Msg::KeyUp:
    case Msg::Char:
      return 0;
    case Msg::LButtonDown:
    case Msg::LButtonDoubleClick:
      if (!d.ended) DialogMouseDown(dialog, int(a), int(b), msg == Msg::LButtonDoubleClick);
      return 0;
    case Msg::LButtonUp:
      if (!d.ended) DialogMouseUp(dialog, int(a), int(b));
      return 0;
    case Msg::Close:
      SendDialogCommand(dialog, kIdCancel, notify::kClicked);
      return 0;
    default:
      return d.proc ? d.proc(dialog, msg, a, b) : 0;
  }
}

}  // namespace detail

using detail::Core;

Param DialogBox(Instance* instance, std::string_view templateName, Window* owner, DialogProc proc) {
  return DialogBoxParam(instance, templateName, owner, proc, 0);
}

Param DialogBoxParam(Instance* instance, std::string_view templateName, Window* owner,
                     DialogProc proc, Param initParam) {
  const DialogTemplate* tpl = FindDialogTemplate(instance, templateName);
  if (!tpl || !Core().backend) return -1;
  Window* dialog = detail::CreateDialogWindow(instance, TranslatedTemplate(*tpl), owner, proc);
  return detail::RunDialog(dialog, initParam);
}

DialogTemplate TranslatedTemplate(const DialogTemplate& tpl) {
  DialogTemplate shown = tpl;
  shown.title = Translate(tpl.title);
  for (ControlTemplate& control : shown.controls) control.text = Translate(control.text);
  return shown;
}

void EndDialog(Window* dialog, Param result) {
  if (!IsDialog(dialog) || dialog->destroyed) return;
  auto& d = *dialog->dialog;
  d.result = result;
  if (d.ended) return;
  d.ended = true;
  d.pressed = -1;
  auto& c = Core();
  if (c.capture == dialog) c.capture = nullptr;
  c.layoutDirty = true;
  // Wake the loop that waits for this dialog.
  PostMessage(nullptr, detail::kMsgWake, 0, 0);
}

bool IsDialog(Window* window) {
  return window != nullptr && window->kind == Window::Kind::Dialog && window->dialog != nullptr;
}

std::string_view DialogTemplateName(Window* dialog) {
  return IsDialog(dialog) ? std::string_view(dialog->dialog->name) : std::string_view();
}

Window* TopDialog() {
  auto& c = Core();
  for (auto it = c.dialogs.rbegin(); it != c.dialogs.rend(); ++it) {
    if (detail::IsLive(*it) && !(*it)->dialog->ended) return *it;
  }
  return nullptr;
}

}  // namespace platform
