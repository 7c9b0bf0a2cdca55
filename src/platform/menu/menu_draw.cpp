// Drawing of the menu bar and the open drop-down menu into the composed frame.
#include "platform/core/core.h"
#include "platform/draw/paint_util.h"

namespace platform::detail {

namespace {

// The check mark of a checked item in the item's left margin: a short stroke down to the
// right and a long one up to the right, two pixels thick.
void DrawCheckMark(Surface* frame, const Rect& item, Color color) {
  const int x = item.left + 4;
  const int y = item.top + 8;
  for (int i = 0; i < 3; ++i) FillBox(frame, Rect{x + i, y + i, x + i + 1, y + i + 3}, color);
  for (int i = 0; i < 5; ++i) {
    FillBox(frame, Rect{x + 3 + i, y + 1 - i, x + 4 + i, y + 4 - i}, color);
  }
}

}  // namespace

void DrawMenuBar(Surface* frame, const Window* window) {
  const Menu* menu = window->menu;
  FillBox(frame, Rect{0, 0, window->outerWidth, kMenuBarHeight}, kFaceGrey);
  const auto& t = Core().menuTracking;
  for (int p = 0; p < int(menu->popups.size()); ++p) {
    const Rect r = MenuTitleRect(menu, p);
    int shift = 0;
    if (t.open && t.popup == p) {
      // The open title looks pressed in: dark grey above and left, white below and right.
      FillBox(frame, Rect{r.left, r.top, r.right, r.top + 1}, kDarkGrey);
      FillBox(frame, Rect{r.left, r.top, r.left + 1, r.bottom}, kDarkGrey);
      FillBox(frame, Rect{r.left, r.bottom - 1, r.right, r.bottom}, kWhite);
      FillBox(frame, Rect{r.right - 1, r.top, r.right, r.bottom}, kWhite);
      shift = 1;
    }
    DrawSystemText(frame, r.left + 8 + shift, r.top + 1 + shift,
                   Translate(menu->popups[std::size_t(p)].title), kBlack, &r);
  }
}

void DrawDropDown(Surface* frame, const Window* window) {
  const Menu* menu = window->menu;
  const auto& t = Core().menuTracking;
  if (t.popup < 0 || t.popup >= int(menu->popups.size())) return;
  const Rect r = DropDownRect(menu, t.popup);
  FillBox(frame, r, kFaceGrey);
  Edge(frame, r, kFaceGrey, kBlack, kWhite, kDarkGrey);
  const auto& items = menu->popups[std::size_t(t.popup)].items;
  for (int i = 0; i < int(items.size()); ++i) {
    const Rect ir = DropDownItemRect(menu, t.popup, i);
    const auto& item = items[std::size_t(i)];
    const std::string_view text = Translate(item.text);
    const int x = ir.left + 15;
    const int y = ir.top + 1;
    Color markColour = kBlack;
    if (i == t.item) {
      FillBox(frame, ir, kCaptionBlue);
      markColour = item.greyed ? kFaceGrey : kWhite;
      DrawSystemText(frame, x, y, text, markColour, &ir);
    } else if (item.greyed) {
      markColour = kDarkGrey;
      DrawGreyedText(frame, x, y, text, &ir);
    } else {
      DrawSystemText(frame, x, y, text, kBlack, &ir);
    }
    if (item.checked) DrawCheckMark(frame, ir, markColour);
  }
}

}  // namespace platform::detail
