// Drawing of dialog frames and controls in the grey 3D look: raised buttons, sunken list
// boxes and edit lines, round radio buttons, square check boxes and dotted focus rectangles.
#include <algorithm>

#include "platform/core/core.h"
#include "platform/draw/paint_util.h"

namespace platform::detail {

namespace {

constexpr int kLineHeight = 16;
constexpr int kScrollBarWidth = 16;
// Where the texts of the controls begin: a check box's or radio button's right of its mark, an
// edit line's and a list line's a little inside their white field (Inflate(rect, -2)).
constexpr int kCheckTextLeft = 16;
constexpr int kFieldTextLeft = 2;
// A push button's text is clipped this far inside its face (which the default border narrows
// by one more pixel on each side).
constexpr int kButtonTextInset = 2;
// The caption bar: its text begins inside the bar and is clipped two pixels inside it.
constexpr int kCaptionTextLeft = 4;
constexpr int kCaptionTextMargin = 2;

bool IsPushButton(const Control& control) {
  return control.kind == ControlKind::PushButton || control.kind == ControlKind::DefPushButton;
}

// The push button that shows the default border: the focused push button, else the
// template's default button.
bool ShowsDefault(const DialogData& d, int index) {
  if (d.focus >= 0 && IsPushButton(d.controls[std::size_t(d.focus)])) return index == d.focus;
  return d.controls[std::size_t(index)].kind == ControlKind::DefPushButton;
}

// Draws a small picture given as rows of characters: '.' leaves the pixel, others pick a
// colour.
void DrawPattern(Surface* s, int x, int y, const char* const* rows, int count, const Rect* clip) {
  for (int r = 0; r < count; ++r) {
    for (int col = 0; rows[r][col] != '\0'; ++col) {
      Color color;
      switch (rows[r][col]) {
        case 'D':
          color = kDarkGrey;
          break;
        case 'K':
          color = kBlack;
          break;
        case 'W':
          color = kWhite;
          break;
        case 'L':
          color = kFaceGrey;
          break;
        case 'w':
          color = kWhite;
          break;
        default:
          continue;
      }
      SetDot(s, x + col, y + r, color, clip);
    }
  }
}

const char* const kRadio[12] = {
    "....DDDD....", "..DDKKKKDD..", ".DKKwwwwKKW.", ".DKwwwwwwLW.", "DKwwwwwwwwLW", "DKwwwwwwwwLW",
    "DKwwwwwwwwLW", "DKwwwwwwwwLW", ".DKwwwwwwLW.", ".DLLwwwwLLW.", "..WWLLLLWW..", "....WWWW....",
};
const char* const kRadioDot[4] = {".KK.", "KKKK", "KKKK", ".KK."};
const char* const kCheckMark[7] = {
    "......K", ".....KK", "K...KKK", "KK.KKK.", "KKKKK..", ".KKK...", "..K....",
};

// Lines of a static text: broken at newlines and wherever a line would pass `cells`.
std::vector<std::string_view> WrapLines(std::string_view text, int cells) {
  std::vector<std::string_view> lines;
  while (true) {
    const std::size_t newline = text.find('\n');
    std::string_view paragraph = text.substr(0, newline);
    do {
      std::string_view line = cells > 0 ? PrefixByCells(paragraph, cells) : paragraph;
      if (line.empty() && !paragraph.empty()) line = PrefixByCells(paragraph, 2);
      if (line.size() < paragraph.size()) {
        // Prefer to break after a blank when the line has one.
        const std::size_t blank = line.rfind(' ');
        if (blank != std::string_view::npos && blank > 0) line = line.substr(0, blank + 1);
      }
      lines.push_back(line);
      paragraph.remove_prefix(line.size());
    } while (!paragraph.empty());
    if (newline == std::string_view::npos) break;
    text.remove_prefix(newline + 1);
  }
  return lines;
}

void DrawPushButton(Surface* s, const DialogData& d, int index, const Rect* clip) {
  const Control& c = d.controls[std::size_t(index)];
  const bool pressed = d.pressed == index && d.pressedInside;
  Rect r = c.rect;
  FillBox(s, r, kFaceGrey, clip);
  if (ShowsDefault(d, index)) {
    FrameBox(s, r, kBlack, clip);
    r = Inflate(r, -1);
  }
  if (pressed) {
    FrameBox(s, r, kDarkGrey, clip);
  } else {
    RaisedEdge(s, r, clip);
  }
  const int shift = pressed ? 1 : 0;
  const int x = c.rect.left + (c.rect.Width() - SystemTextWidth(c.text)) / 2 + shift;
  const int y = c.rect.top + (c.rect.Height() - kSystemCharHeight) / 2 + shift;
  const Rect textClip = Intersect(Inflate(r, -kButtonTextInset), *clip);
  DrawSystemText(s, x, y, c.text, kBlack, &textClip);
  if (d.focus == index) DottedFrame(s, Inflate(r, -3), kBlack, clip);
}

void DrawCheckControl(Surface* s, const DialogData& d, int index, const Rect* clip) {
  const Control& c = d.controls[std::size_t(index)];
  const Rect& r = c.rect;
  FillBox(s, r, kFaceGrey, clip);
  const bool pressed = d.pressed == index && d.pressedInside;
  if (c.kind == ControlKind::RadioButton) {
    const int top = r.top + (r.Height() - 12) / 2;
    DrawPattern(s, r.left, top, kRadio, 12, clip);
    if (pressed) FillBox(s, Rect{r.left + 2, top + 2, r.left + 10, top + 10}, kFaceGrey, clip);
    if (c.checked) DrawPattern(s, r.left + 4, top + 4, kRadioDot, 4, clip);
  } else {
    const int top = r.top + (r.Height() - 13) / 2;
    const Rect box{r.left, top, r.left + 13, top + 13};
    SunkenEdge(s, box, clip);
    FillBox(s, Inflate(box, -2), pressed ? kFaceGrey : kWhite, clip);
    if (c.checked) DrawPattern(s, r.left + 3, top + 3, kCheckMark, 7, clip);
  }
  const int x = r.left + kCheckTextLeft;
  const int y = r.top + (r.Height() - kSystemCharHeight) / 2;
  const Rect textClip = Intersect(r, *clip);
  DrawSystemText(s, x, y, c.text, kBlack, &textClip);
  if (d.focus == index && !c.text.empty()) {
    DottedFrame(s, Rect{x - 1, y, x + SystemTextWidth(c.text) + 1, y + kSystemCharHeight}, kBlack,
                &textClip);
  }
}

void DrawArrow(Surface* s, const Rect& button, bool up, const Rect* clip) {
  const int cx = button.left + button.Width() / 2 - 1;
  const int cy = button.top + button.Height() / 2 - 2;
  for (int row = 0; row < 4; ++row) {
    const int half = up ? row : 3 - row;
    FillBox(s, Rect{cx - half, cy + row, cx + half + 1, cy + row + 1}, kBlack, clip);
  }
}

void DrawScrollBar(Surface* s, const Control& list, const Rect* clip) {
  const Rect bar = ListScrollBarRect(list);
  const Rect upButton{bar.left, bar.top, bar.right, bar.top + 16};
  const Rect downButton{bar.left, bar.bottom - 16, bar.right, bar.bottom};
  // The track: the classic checkered light grey.
  const Rect track = Intersect(Rect{bar.left, bar.top + 16, bar.right, bar.bottom - 16}, *clip);
  for (int y = track.top; y < track.bottom; ++y) {
    for (int x = track.left; x < track.right; ++x) {
      SetDot(s, x, y, (x + y) % 2 ? kWhite : kFaceGrey, clip);
    }
  }
  for (const Rect& button : {upButton, downButton}) {
    FillBox(s, button, kFaceGrey, clip);
    Edge(s, button, kFaceGrey, kBlack, kWhite, kDarkGrey, clip);
  }
  DrawArrow(s, upButton, true, clip);
  DrawArrow(s, downButton, false, clip);
  const Rect thumb = ListThumbRect(list);
  if (!thumb.Empty()) {
    FillBox(s, thumb, kFaceGrey, clip);
    Edge(s, thumb, kFaceGrey, kBlack, kWhite, kDarkGrey, clip);
  }
}

void DrawListBox(Surface* s, const DialogData& d, int index, const Rect* clip) {
  const Control& list = d.controls[std::size_t(index)];
  SunkenEdge(s, list.rect, clip);
  const Rect area = ListTextArea(list);
  FillBox(s, Inflate(list.rect, -2), kWhite, clip);
  const Rect textClip = Intersect(area, *clip);
  const int visible = ListVisibleLines(list);
  for (int i = 0; i < visible; ++i) {
    const int line = list.topLine + i;
    if (line >= int(list.lines.size())) break;
    const Rect row{area.left, area.top + i * kLineHeight, area.right,
                   area.top + (i + 1) * kLineHeight};
    const bool selected = line == list.selection;
    if (selected) FillBox(s, row, kCaptionBlue, &textClip);
    DrawSystemText(s, row.left + kFieldTextLeft, row.top, list.lines[std::size_t(line)],
                   selected ? kWhite : kBlack, &textClip);
  }
  if (d.focus == index) {
    const int caret = list.selection >= 0 ? list.selection : 0;
    if (caret >= list.topLine && caret < list.topLine + visible) {
      const int top = area.top + (caret - list.topLine) * kLineHeight;
      DottedFrame(s, Rect{area.left, top, area.right, top + kLineHeight},
                  caret == list.selection ? kWhite : kBlack, &textClip);
    }
  }
  if (ListHasScrollBar(list)) DrawScrollBar(s, list, clip);
}

void DrawEdit(Surface* s, const Control& c, const Rect* clip) {
  SunkenEdge(s, c.rect, clip);
  const Rect inner = Inflate(c.rect, -2);
  FillBox(s, inner, kWhite, clip);
  const Rect textClip = Intersect(inner, *clip);
  DrawSystemText(s, inner.left + kFieldTextLeft,
                 inner.top + (inner.Height() - kSystemCharHeight) / 2, c.text, kBlack, &textClip);
}

void DrawStatic(Surface* s, const Control& c, const Rect* clip) {
  FillBox(s, c.rect, kFaceGrey, clip);
  const Rect textClip = Intersect(c.rect, *clip);
  const auto lines = WrapLines(c.text, c.rect.Width() / kSystemCharWidth);
  int y = c.rect.top;
  for (std::string_view line : lines) {
    if (y >= c.rect.bottom) break;
    int x = c.rect.left;
    if (c.kind == ControlKind::StaticCentred) x += (c.rect.Width() - SystemTextWidth(line)) / 2;
    DrawSystemText(s, x, y, line, kBlack, &textClip);
    y += kSystemCharHeight;
  }
}

}  // namespace

Rect ListScrollBarRect(const Control& list) {
  const Rect inner = Inflate(list.rect, -2);
  return Rect{inner.right - kScrollBarWidth, inner.top, inner.right, inner.bottom};
}

bool ListHasScrollBar(const Control& list) {
  if (!(list.flags & control_flags::kVScroll)) return false;
  const Rect inner = Inflate(list.rect, -2);
  return int(list.lines.size()) * kLineHeight > inner.Height();
}

Rect ListTextArea(const Control& list) {
  Rect inner = Inflate(list.rect, -2);
  if (ListHasScrollBar(list)) inner.right -= kScrollBarWidth;
  return inner;
}

Rect ListThumbRect(const Control& list) {
  const Rect bar = ListScrollBarRect(list);
  const int track = bar.Height() - 32;
  const int count = int(list.lines.size());
  const int visible = ListVisibleLines(list);
  if (track < 8 || count <= visible) return Rect{};
  const int length = std::max(8, track * visible / count);
  const int maxTop = count - visible;
  const int offset = (track - length) * std::min(list.topLine, maxTop) / maxTop;
  return Rect{bar.left, bar.top + 16 + offset, bar.right, bar.top + 16 + offset + length};
}

void DrawControl(Window* dialog, int index, const Rect* clip) {
  const DialogData& d = *dialog->dialog;
  const Control& c = d.controls[std::size_t(index)];
  const Rect area = clip ? Intersect(*clip, c.rect) : c.rect;
  if (area.Empty()) return;
  Surface* s = &dialog->surface;
  switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
      DrawPushButton(s, d, index, &area);
      break;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
      DrawCheckControl(s, d, index, &area);
      break;
    case ControlKind::ListBox:
      DrawListBox(s, d, index, &area);
      break;
    case ControlKind::Edit:
      DrawEdit(s, c, &area);
      break;
    case ControlKind::Static:
    case ControlKind::StaticCentred:
      DrawStatic(s, c, &area);
      break;
  }
}

void RedrawControl(Window* dialog, int index) {
  if (!IsLive(dialog) || index < 0 || index >= int(dialog->dialog->controls.size())) return;
  DrawControl(dialog, index, nullptr);
}

void DrawDialogFrame(Surface* frame, const Window* dialog) {
  const Rect o = dialog->outer;
  Edge(frame, o, kFaceGrey, kBlack, kWhite, kDarkGrey);
  FrameBox(frame, Inflate(o, -2), kFaceGrey);
  if (dialog->dialog->frame == DialogFrame::Popup) {
    const Rect caption{o.left + 3, o.top + 3, o.right - 3, o.top + 3 + 18};
    FillBox(frame, caption, kCaptionBlue);
    FillBox(frame, Rect{caption.left, caption.bottom, caption.right, caption.bottom + 1},
            kFaceGrey);
    const Rect textClip = Inflate(caption, -kCaptionTextMargin);
    DrawSystemText(frame, caption.left + kCaptionTextLeft, caption.top + 1, dialog->title, kWhite,
                   &textClip);
  }
  Blit(frame, dialog->surface, dialog->screen.left, dialog->screen.top);
}

}  // namespace platform::detail

namespace platform {

using namespace detail;

TextFit FitOfControlText(const ControlTemplate& control, std::string_view text) {
  const int width = control.width * 2;
  const int height = control.height * 2;
  TextFit fit;
  fit.needed = SystemTextWidth(text);
  switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
      // Centred, clipped inside the face, which the default border narrows by one.
      fit.room = width - 2 * (1 + kButtonTextInset);
      break;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
      fit.room = width - kCheckTextLeft;
      break;
    case ControlKind::ListBox:
      fit.room = width - 2 * 2 - kScrollBarWidth - kFieldTextLeft;
      break;
    case ControlKind::Edit:
      fit.room = width - 2 * 2 - kFieldTextLeft;
      break;
    case ControlKind::Static:
    case ControlKind::StaticCentred: {
      const std::vector<std::string_view> lines = WrapLines(text, width / kSystemCharWidth);
      fit.needed = 0;
      for (std::string_view line : lines) fit.needed = std::max(fit.needed, SystemTextWidth(line));
      fit.room = width;
      fit.lines = int(lines.size());
      fit.lineRoom = std::max(1, height / kSystemCharHeight);
      break;
    }
  }
  return fit;
}

TextFit FitOfDialogTitle(const DialogTemplate& tpl) {
  // The caption bar is as wide as the client area.
  TextFit fit;
  fit.needed = SystemTextWidth(tpl.title);
  fit.room = tpl.width * 2 - kCaptionTextLeft - kCaptionTextMargin;
  return fit;
}

}  // namespace platform
