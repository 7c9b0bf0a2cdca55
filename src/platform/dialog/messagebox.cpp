// Message boxes: a warning icon, the text, the caption and OK or OK/Cancel, sized to the
// text. Enter is OK; Esc is Cancel (OK when there is no Cancel button).
#include <algorithm>
#include <string>
#include <vector>

#include "platform/core/core.h"
#include "platform/draw/paint_util.h"

namespace platform {

namespace {

using detail::DialogData;

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 80;    // at the least
constexpr int kButtonPadding = 12;  // at the least, between a button's label and either edge
constexpr int kButtonHeight = 24;
constexpr std::string_view kOkLabel = "OK";
constexpr std::string_view kCancelLabel = TranslateLater("キャンセル");
constexpr int kButtonGap = 12;
constexpr int kMaxTextCells = 90;

// The warning icon: a yellow triangle with a black edge and a black "!".
void DrawWarningIcon(detail::Surface* s, const Rect& r) {
  using namespace detail;
  const int cx = r.left + kIconSize / 2;
  for (int row = 0; row < 29; ++row) {
    const int y = r.top + 2 + row;
    const int half = row * 15 / 28;
    FillBox(s, Rect{cx - half - 1, y, cx + half + 1, y + 1}, kBlack);
    if (row > 0 && row < 28) FillBox(s, Rect{cx - half, y, cx + half, y + 1}, kWarningYellow);
  }
  FillBox(s, Rect{cx - 2, r.top + 11, cx + 1, r.top + 23}, kBlack);
  FillBox(s, Rect{cx - 2, r.top + 25, cx + 1, r.top + 28}, kBlack);
}

Param MessageBoxProc(Window* dialog, Msg msg, Param a, Param /*b*/) {
  DialogData& d = *dialog->dialog;
  switch (msg) {
    case Msg::InitDialog:
      return 1;
    case Msg::Paint:
      if (d.warningIcon) DrawWarningIcon(&dialog->surface, d.iconRect);
      return 0;
    case Msg::Command:
      if (a == kIdOk) EndDialog(dialog, kIdOk);
      if (a == kIdCancel) EndDialog(dialog, d.okOnly ? kIdOk : kIdCancel);
      return 0;
    default:
      return 0;
  }
}

std::vector<std::string> MessageLines(std::string_view text) {
  std::vector<std::string> lines;
  while (true) {
    const std::size_t newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    do {
      std::string_view part = PrefixByCells(line, kMaxTextCells);
      if (part.empty()) part = line.substr(0, 1);
      lines.emplace_back(part);
      line.remove_prefix(part.size());
    } while (!line.empty());
    if (newline == std::string_view::npos) break;
    text.remove_prefix(newline + 1);
  }
  return lines;
}

}  // namespace

TextFit FitOfMessageText(std::string_view text) {
  // The box grows with the lines of its text, and breaks a line only where it is too long.
  TextFit fit;
  fit.room = kMaxTextCells * detail::kSystemCharWidth;
  fit.lines = 0;
  while (true) {
    const std::size_t newline = text.find('\n');
    fit.needed = std::max(fit.needed, detail::SystemTextWidth(text.substr(0, newline)));
    ++fit.lines;
    if (newline == std::string_view::npos) break;
    text.remove_prefix(newline + 1);
  }
  fit.lineRoom = fit.lines;
  return fit;
}

int MessageBox(Window* owner, std::string_view text, std::string_view caption, unsigned flags) {
  if (!detail::Core().backend) return kIdCancel;
  const bool okCancel = (flags & 0x0F) == mb::kOkCancel;
  const bool icon = (flags & 0xF0) != 0;
  const std::vector<std::string> lines = MessageLines(text);
  std::string joined;
  int textWidth = 0;
  for (const std::string& line : lines) {
    if (!joined.empty()) joined += '\n';
    joined += line;
    textWidth = std::max(textWidth, detail::SystemTextWidth(line));
  }
  const int textHeight = int(lines.size()) * detail::kSystemCharHeight;
  const int bodyHeight = std::max(icon ? kIconSize : 0, textHeight);
  const int textLeft = kMargin + (icon ? kIconSize + kMargin : 0);
  const int buttons = okCancel ? 2 : 1;
  // Both buttons as wide as the wider label needs, in the language shown, measured in the font
  // they are drawn in.
  const std::string_view cancelLabel = Translate(kCancelLabel);
  int buttonWidth = std::max({kButtonWidth, detail::SystemTextWidth(kOkLabel) + 2 * kButtonPadding,
                              detail::SystemTextWidth(cancelLabel) + 2 * kButtonPadding});
  buttonWidth += buttonWidth % 2;
  const int buttonsWidth = buttons * buttonWidth + (buttons - 1) * kButtonGap;
  int width = std::max({textLeft + textWidth + kMargin, buttonsWidth + 2 * kMargin,
                        detail::SystemTextWidth(caption) + 2 * kMargin, 160});
  int height = kMargin + bodyHeight + kMargin + kButtonHeight + kMargin;
  width += width % 2;
  height += height % 2;

  // Laid out in dialog units (2 pixels each) like every other dialog.
  const int textTop = kMargin + (bodyHeight - textHeight) / 2;
  const int buttonTop = kMargin + bodyHeight + kMargin;
  const int buttonLeft = (width - buttonsWidth) / 2;
  DialogTemplate tpl;
  tpl.name = "messagebox";
  tpl.frame = DialogFrame::Popup;
  tpl.title = caption;
  tpl.width = width / 2;
  tpl.height = height / 2;
  tpl.controls.push_back(ControlTemplate{ControlKind::Static, -1, joined, textLeft / 2, textTop / 2,
                                         (textWidth + 3) / 2 + 1, (textHeight + 1) / 2, 0});
  tpl.controls.push_back(ControlTemplate{ControlKind::DefPushButton, kIdOk, kOkLabel,
                                         buttonLeft / 2, buttonTop / 2, buttonWidth / 2,
                                         kButtonHeight / 2, 0});
  if (okCancel) {
    tpl.controls.push_back(ControlTemplate{ControlKind::PushButton, kIdCancel, cancelLabel,
                                           (buttonLeft + buttonWidth + kButtonGap) / 2,
                                           buttonTop / 2, buttonWidth / 2, kButtonHeight / 2, 0});
  }
  Instance* instance = detail::IsLive(owner) ? owner->instance : nullptr;
  Window* dialog = detail::CreateDialogWindow(instance, tpl, owner, &MessageBoxProc);
  DialogData& d = *dialog->dialog;
  d.messageBox = true;
  d.okOnly = !okCancel;
  d.warningIcon = icon;
  d.iconRect = Rect{kMargin, kMargin + (bodyHeight - kIconSize) / 2, kMargin + kIconSize,
                    kMargin + (bodyHeight - kIconSize) / 2 + kIconSize};
  if (icon) MessageBeep();
  return int(detail::RunDialog(dialog));
}

}  // namespace platform
