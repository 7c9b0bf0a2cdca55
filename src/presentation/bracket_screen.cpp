// The knockout bracket: boxes, the lines of each path and the names.
#include "presentation/bracket_screen.h"

#include <string>

#include "base/game_flow_state.h"
#include "competition/bracket_progress.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "presentation/bitmap_store.h"
#include "presentation/pitch_drawing.h"
#include "presentation/screen_text.h"

using platform::DeviceContext;

namespace {

constexpr int kCupSlot = 145, kCupMaskSlot = 146;

int ColumnNation(bool right, int row) {
  const int entry = right ? kBracketRightColumn[row] : kBracketLeftColumn[row];
  return knockoutTable.bracket[std::size_t(entry)];
}

bool OnPath(int nation) {
  return StillIn(nation) || ReachedSemiFinal(nation);
}

// Lines drawn with one of two pens: the red 2-pixel pen where the path holds, else black.
class PathPens {
 public:
  explicit PathPens(DeviceContext* dc)
      : dc_(dc),
        red_(platform::CreatePen(platform::PenStyle::Solid, 2, platform::Rgb(255, 0, 0))),
        oldPen_(platform::SelectPen(dc, platform::StockPen(platform::StockObject::BlackPen))),
        oldBrush_(
            platform::SelectBrush(dc, platform::StockBrush(platform::StockObject::NullBrush))) {}
  ~PathPens() {
    platform::SelectPen(dc_, oldPen_);
    platform::SelectBrush(dc_, oldBrush_);
    platform::DeleteObject(red_);
  }
  PathPens(const PathPens&) = delete;
  PathPens& operator=(const PathPens&) = delete;

  void Use(bool red) {
    platform::SelectPen(dc_, red ? red_ : platform::StockPen(platform::StockObject::BlackPen));
  }
  void Line(bool red, int x1, int y1, int x2, int y2) {
    Use(red);
    platform::MoveTo(dc_, x1, y1);
    platform::LineTo(dc_, x2, y2);
  }

 private:
  DeviceContext* dc_;
  platform::Pen* red_;
  platform::Pen* oldPen_;
  platform::Brush* oldBrush_;
};

// One side of the bracket. `inner` is the x of the boxes' inner edge and `inwards` +1 for the
// left side (the lines run right), -1 for the right side.
void DrawSide(DeviceContext* dc, PathPens& pens, bool right, int boxX, int y, int b, int c) {
  const int inwards = right ? -1 : 1;
  const int inner = right ? boxX : boxX + 16 * b;
  const int joinX = inner + inwards * 5 * b;
  const int sideX = inner + inwards * 10 * b;
  const bool knockoutStarted = gameFlow.roundIndex != kKnockoutFirstRound;
  int tieMiddle[2] = {};
  bool tieInFinal[2] = {};
  for (int tie = 0; tie < 2; ++tie) {
    const int first = ColumnNation(right, 2 * tie);
    const int second = ColumnNation(right, 2 * tie + 1);
    const int top = y + 2 * c * (2 * tie);
    const int firstMiddle = top + c / 2;
    const int secondMiddle = top + 2 * c + c / 2;
    const int middle = (firstMiddle + secondMiddle) / 2;
    tieMiddle[tie] = middle;
    for (int k = 0; k < 2; ++k) {
      const int nation = k == 0 ? first : second;
      const int boxTop = top + 2 * c * k;
      pens.Use(StillIn(nation));
      platform::Rectangle(dc, boxX, boxTop, boxX + 16 * b, boxTop + c);
      const int level = boxTop + c / 2;
      pens.Line(OnPath(nation), inner, level, joinX, level);
      pens.Line(OnPath(nation), joinX, level, joinX, middle);
    }
    pens.Line(knockoutStarted && (OnPath(first) || OnPath(second)), joinX, middle, sideX, middle);
    tieInFinal[tie] = gameFlow.roundIndex >= kFinal && (StillIn(first) || StillIn(second));
  }
  const int sideMiddle = y + 3 * c + c / 2;
  for (int tie = 0; tie < 2; ++tie) {
    pens.Line(tieInFinal[tie], sideX, tieMiddle[tie], sideX, sideMiddle);
  }
}

}  // namespace

void DrawBracketLines(DeviceContext* dc, int x, int y, int b, int c) {
  if (dc == nullptr) return;
  const int rightX = x + 52 * b;
  {
    PathPens pens(dc);
    DrawSide(dc, pens, false, x, y, b, c);
    DrawSide(dc, pens, true, rightX, y, b, c);
    const int finalY = y + 3 * c + c / 2;
    pens.Line(false, x + 16 * b + 10 * b, finalY, rightX - 10 * b, finalY);
  }
  const int cupX = (x + rightX + 16 * b) / 2 - 24;
  const int cupY = y + 3 * c + c / 2 - 40;
  DrawDib(dc, cupX, cupY, bitmapStore.slots[kCupMaskSlot], platform::Rop::SrcAnd);
  DrawDib(dc, cupX, cupY, bitmapStore.slots[kCupSlot], platform::Rop::SrcPaint);
}

void DrawBracketNames(DeviceContext* dc, int x, int y, int b, int c) {
  if (dc == nullptr) return;
  platform::SetBkMode(dc, platform::BkMode::Transparent);
  for (int row = 0; row < 4; ++row) {
    for (int side = 0; side < 2; ++side) {
      const int nation = ColumnNation(side == 1, row);
      std::string name;
      if (nation >= 1 && nation <= kTeamTableSize)
        name = platform::Translate(NationNames[std::size_t(nation - 1)].data());
      const platform::Color colour =
          StillIn(nation) ? platform::Rgb(250, 0, 0) : platform::Rgb(0, 0, 0);
      // Both columns write their names 4 pixels in and 2 down from the box's corner, so that
      // the right column's names stay clear of their boxes' frames too.
      const int nameX = (side == 0 ? x : x + 52 * b) + 4;
      const int nameY = y + 2 + 2 * c * row;
      TextIn(dc, nameX, nameY, platform::Format("%s ", name.c_str()), colour);
    }
  }
}
