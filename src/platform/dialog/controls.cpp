// Dialog controls: texts, check marks, and the list box's lines, selection, scrolling and
// keyboard and mouse handling.
#include <algorithm>

#include "platform/core/core.h"
#include "platform/draw/paint_util.h"

namespace platform {

namespace detail {

namespace {

constexpr int kLineHeight = 16;

// Parts of a list box's scroll bar a press can hold.
enum ScrollPart { kNoPart = 0, kLines = 1, kArrowUp, kArrowDown, kPageUp, kPageDown, kThumb };

int IndexOfControl(Window* dialog, const Control& control) {
  return int(&control - dialog->dialog->controls.data());
}

int LineAt(const Control& list, int y) {
  const Rect area = ListTextArea(list);
  const int row = (y - area.top) / kLineHeight;
  return list.topLine + std::clamp(row, 0, std::max(0, ListVisibleLines(list) - 1));
}

int MaxTopLine(const Control& list) {
  return std::max(0, int(list.lines.size()) - ListVisibleLines(list));
}

}  // namespace

int ListVisibleLines(const Control& list) {
  return std::max(1, ListTextArea(list).Height() / kLineHeight);
}

void ListScrollTo(Control& list, int topLine) {
  list.topLine = std::clamp(topLine, 0, MaxTopLine(list));
}

void ListEnsureVisible(Control& list) {
  if (list.selection < 0) {
    ListScrollTo(list, list.topLine);
    return;
  }
  const int visible = ListVisibleLines(list);
  if (list.selection < list.topLine) {
    ListScrollTo(list, list.selection);
  } else if (list.selection >= list.topLine + visible) {
    ListScrollTo(list, list.selection - visible + 1);
  } else {
    ListScrollTo(list, list.topLine);
  }
}

void ListSelect(Window* dialog, Control& list, int line, bool notify) {
  if (list.kind != ControlKind::ListBox || line < 0 || line >= int(list.lines.size())) return;
  list.selection = line;
  ListEnsureVisible(list);
  RedrawControl(dialog, IndexOfControl(dialog, list));
  if (notify && (list.flags & control_flags::kNotify)) {
    SendDialogCommand(dialog, list.id, notify::kListSelChange);
  }
}

bool ListHandleKey(Window* dialog, Control& list, int key) {
  const int count = int(list.lines.size());
  const int current = list.selection;
  const int page = std::max(1, ListVisibleLines(list) - 1);
  int line;
  switch (key) {
    case KeyUp:
    case KeyLeft:
      line = current < 0 ? 0 : current - 1;
      break;
    case KeyDown:
    case KeyRight:
      line = current < 0 ? 0 : current + 1;
      break;
    case KeyHome:
      line = 0;
      break;
    case KeyEnd:
      line = count - 1;
      break;
    case KeyPageUp:
      line = current < 0 ? 0 : current - page;
      break;
    case KeyPageDown:
      line = current < 0 ? 0 : current + page;
      break;
    default:
      return false;
  }
  if (count == 0) return true;
  line = std::clamp(line, 0, count - 1);
  if (line != current) ListSelect(dialog, list, line, true);
  return true;
}

void ListMouseDown(Window* dialog, int index, int x, int y, bool doubleClick) {
  DialogData& d = *dialog->dialog;
  Control& list = d.controls[std::size_t(index)];
  d.scrollPart = kNoPart;
  if (ListHasScrollBar(list) && ListScrollBarRect(list).Contains(x, y)) {
    const Rect bar = ListScrollBarRect(list);
    const Rect thumb = ListThumbRect(list);
    const int page = std::max(1, ListVisibleLines(list) - 1);
    if (y < bar.top + 16) {
      d.scrollPart = kArrowUp;
      ListScrollTo(list, list.topLine - 1);
    } else if (y >= bar.bottom - 16) {
      d.scrollPart = kArrowDown;
      ListScrollTo(list, list.topLine + 1);
    } else if (!thumb.Empty() && y < thumb.top) {
      d.scrollPart = kPageUp;
      ListScrollTo(list, list.topLine - page);
    } else if (!thumb.Empty() && y >= thumb.bottom) {
      d.scrollPart = kPageDown;
      ListScrollTo(list, list.topLine + page);
    } else if (!thumb.Empty()) {
      d.scrollPart = kThumb;
      d.thumbGrab = y - thumb.top;
    }
    RedrawControl(dialog, index);
    return;
  }
  if (!ListTextArea(list).Contains(x, y)) return;
  d.scrollPart = kLines;
  const int line = LineAt(list, y);
  if (line >= int(list.lines.size())) return;
  ListSelect(dialog, list, line, true);
  if (doubleClick && (list.flags & control_flags::kNotify) && IsLive(dialog) &&
      !dialog->dialog->ended) {
    SendDialogCommand(dialog, list.id, notify::kListDoubleClick);
  }
}

void ListMouseMove(Window* dialog, int index, int /*x*/, int y) {
  DialogData& d = *dialog->dialog;
  Control& list = d.controls[std::size_t(index)];
  if (d.scrollPart == kThumb) {
    const Rect bar = ListScrollBarRect(list);
    const Rect thumb = ListThumbRect(list);
    const int track = bar.Height() - 32 - thumb.Height();
    if (track <= 0) return;
    const int offset = std::clamp(y - d.thumbGrab - (bar.top + 16), 0, track);
    const int top = (offset * MaxTopLine(list) + track / 2) / track;
    if (top != list.topLine) {
      ListScrollTo(list, top);
      RedrawControl(dialog, index);
    }
  } else if (d.scrollPart == kLines) {
    // Dragging over the lines moves the selection along.
    const int line = std::min(LineAt(list, y), int(list.lines.size()) - 1);
    if (line >= 0 && line != list.selection) ListSelect(dialog, list, line, true);
  }
}

void ListMouseUp(Window* dialog, int /*index*/) {
  dialog->dialog->scrollPart = kNoPart;
}

}  // namespace detail

using detail::Control;
using detail::FindControl;
using detail::RedrawControl;

namespace {

int IndexOf(Window* dialog, const Control* control) {
  return int(control - dialog->dialog->controls.data());
}

Control* FindList(Window* dialog, int id) {
  Control* control = FindControl(dialog, id);
  return control && control->kind == ControlKind::ListBox ? control : nullptr;
}

}  // namespace

void SetItemText(Window* dialog, int id, std::string_view text) {
  Control* control = FindControl(dialog, id);
  if (!control) return;
  control->text = std::string(text);
  RedrawControl(dialog, IndexOf(dialog, control));
}

std::string GetItemText(Window* dialog, int id) {
  Control* control = FindControl(dialog, id);
  return control ? control->text : std::string();
}

Rect GetItemRect(Window* dialog, int id) {
  Control* control = FindControl(dialog, id);
  return control ? control->rect : Rect{};
}

void CheckButton(Window* dialog, int id, bool checked) {
  Control* control = FindControl(dialog, id);
  if (!control || control->checked == checked) return;
  control->checked = checked;
  RedrawControl(dialog, IndexOf(dialog, control));
}

bool IsButtonChecked(Window* dialog, int id) {
  Control* control = FindControl(dialog, id);
  return control && control->checked;
}

int ListAddString(Window* dialog, int id, std::string_view text) {
  Control* list = FindList(dialog, id);
  if (!list) return -1;
  list->lines.emplace_back(text);
  RedrawControl(dialog, IndexOf(dialog, list));
  return int(list->lines.size()) - 1;
}

int ListGetSelection(Window* dialog, int id) {
  Control* list = FindList(dialog, id);
  return list ? list->selection : -1;
}

void ListSetSelection(Window* dialog, int id, int line) {
  Control* list = FindList(dialog, id);
  if (!list) return;
  if (line == -1) {
    list->selection = -1;
  } else if (line >= 0 && line < int(list->lines.size())) {
    list->selection = line;
    detail::ListEnsureVisible(*list);
  } else {
    return;
  }
  RedrawControl(dialog, IndexOf(dialog, list));
}

int ListCount(Window* dialog, int id) {
  Control* list = FindList(dialog, id);
  return list ? int(list->lines.size()) : 0;
}

void SetFocusItem(Window* dialog, int id) {
  Control* control = FindControl(dialog, id);
  if (!control || !detail::Focusable(*control)) return;
  detail::SetFocusIndex(dialog, IndexOf(dialog, control));
}

}  // namespace platform
