// The shoot-out board and the shoot-out goal.
#include "presentation/shoot_out_board.h"

#include <algorithm>
#include <string>

#include "base/game_flow_state.h"
#include "competition/nations.h"
#include "match/match_state.h"
#include "presentation/goal_caption.h"
#include "presentation/match_captions.h"
#include "presentation/pitch_drawing.h"

using platform::DeviceContext;

namespace {

// 320 wide, not 310: the last column is then a full 32 px cell like the others, so that its
// heading " EX " and its marks (which start 8 px into the cell and are 24 px wide) fit inside.
constexpr int kWidth = 320;
constexpr int kHeight = 60;
constexpr int kFirstColumnX = 120;  // the name column ends here
constexpr int kColumnWidth = 32;
constexpr int kColumns = 6;  // kicks 1 to 5 and the extra pairs
constexpr int kTextDx = 8;   // texts start this far right of their column's line
constexpr int kRowA = 20;
constexpr int kRowB = 40;

void Line(DeviceContext* dc, int x0, int y0, int x1, int y1) {
  platform::MoveTo(dc, x0, y0);
  platform::LineTo(dc, x1, y1);
}

int ColumnX(int left, int column) {
  return left + kFirstColumnX + kColumnWidth * column;
}

const char* Mark(std::uint8_t result) {
  return result != 0 ? " ○" : " ×";
}

}  // namespace

platform::Point ShootOutBoardOrigin() {
  return {CaptionCentre() - 100, 150};
}

void ShootOutBoard(DeviceContext* dc, int left, int top) {
  if (dc == nullptr) return;
  platform::Font* font = platform::CreateFont({16, 8, 400});
  platform::Font* previousFont = platform::SelectFont(dc, font);
  platform::Pen* previousPen = platform::SelectPen(dc, pitchView.blackPen);
  platform::Brush* previousBrush = platform::SelectBrush(dc, pitchView.stripeBrush);
  platform::Rectangle(dc, left, top, left + kWidth, top + kHeight + 1);
  for (int y : {top + 18, top + kRowB, top + kHeight}) Line(dc, left, y, left + kWidth, y);
  for (int i = 0; i < kColumns; ++i) {
    Line(dc, ColumnX(left, i), top + kRowA, ColumnX(left, i), top + kHeight);
  }

  platform::SetBkMode(dc, platform::BkMode::Transparent);
  const platform::Color previousColour = platform::SetTextColor(dc, platform::Rgb(0, 0, 0));
  for (int i = 0; i < kColumns; ++i) {
    const std::string heading = i < kColumns - 1 ? platform::Format("%2d ", i + 1) : " EX ";
    platform::TextOut(dc, ColumnX(left, i) + kTextDx, top, heading);
  }
  platform::SetTextColor(dc, platform::Rgb(255, 255, 255));
  std::string name;
  NationName(&name, gameFlow.userNation);
  platform::TextOut(dc, left, top + kRowA, name);
  name.clear();
  NationName(&name, match.opponent - 1);
  platform::TextOut(dc, left, top + kRowB, name);

  const int taken = match.shootKicksTaken;
  for (int kick = 0; kick < taken; ++kick) {
    const int pair = kick / 2;
    const int column = std::min(pair, kColumns - 1);
    const bool extra = column == kColumns - 1;
    const bool teamA = kick % 2 == 0;
    if (extra && teamA) {
      // The extra pairs share one cell: the latest pair alone is shown, in white.
      const platform::Rect cell = {ColumnX(left, column) + 1, top + kRowA + 1, left + kWidth - 1,
                                   top + kHeight};
      platform::FillRect(dc, cell, pitchView.blueBrush);
      Line(dc, ColumnX(left, column), top + kRowB, left + kWidth, top + kRowB);
    }
    platform::SetTextColor(dc, extra ? platform::Rgb(255, 255, 255) : platform::Rgb(0, 0, 0));
    const auto& row = teamA ? match.shootResultsA : match.shootResultsB;
    const std::uint8_t result = pair < kShootOutRows ? row[std::size_t(pair)] : 0;
    platform::TextOut(dc, ColumnX(left, column) + kTextDx, top + (teamA ? kRowA : kRowB),
                      Mark(result));
  }

  platform::SetTextColor(dc, previousColour);
  platform::SetBkMode(dc, platform::BkMode::Opaque);
  platform::SelectPen(dc, previousPen);
  platform::SelectBrush(dc, previousBrush);
  platform::SelectFont(dc, previousFont);
  platform::DeleteObject(font);
}

void DrawShootOutBoard(DeviceContext* dc) {
  const platform::Point origin = ShootOutBoardOrigin();
  ShootOutBoard(dc, origin.x, origin.y);
}

void DrawShootOutGoal(DeviceContext* dc) {
  if (dc == nullptr) return;
  DrawPitchBuffered(dc);
  WriteGoalCaptionAt(dc, match.pitchLeft - match.scrollX, 40);
}
