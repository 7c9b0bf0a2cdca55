// The scoreboard and the buffered pitch redraw used around captions and goals.
#include "presentation/match_captions.h"

#include <string>

#include "base/game_flow_state.h"
#include "base/view_layout.h"
#include "competition/nations.h"
#include "match/match_state.h"
#include "presentation/pitch_drawing.h"

using platform::DeviceContext;
using platform::Rgb;

namespace {

constexpr int kFrameWidth = 930;
constexpr int kFrameHeight = 479;
constexpr int kTopRows = 42;

// Everything below the top strip: grass, stripes, lines, boards, goals, flags and players.
void DrawPitchBelowTop(DeviceContext* dc) {
  platform::SelectPen(dc, pitchView.pitchPen);
  platform::SelectBrush(dc, pitchView.pitchBrush);
  const platform::Rect area{0, kTopRows, kFrameWidth, kFrameHeight};
  platform::Rectangle(dc, area.left, area.top, area.right, area.bottom);
  StripesInRect(dc, area);
  DrawLines(dc);
  DrawBoards(dc);
  DrawLeftGoal(dc);
  DrawRightGoal(dc);
  DrawCornerFlags(dc);
  DrawObjects(dc);
}

}  // namespace

int CaptionCentre() {
  return viewLayout.clientWidth <= 640 ? 320 : viewLayout.clientWidth / 2;
}

void DrawScoreboard(DeviceContext* dc) {
  if (dc == nullptr) return;
  const int m = CaptionCentre();
  platform::Font* font = platform::CreateFont(platform::FontSpec{10, 8, 10});
  platform::Font* previousFont = platform::SelectFont(dc, font);
  platform::SelectPen(dc, platform::StockPen(platform::StockObject::WhitePen));
  platform::SelectBrush(dc, platform::StockBrush(platform::StockObject::BlackBrush));
  platform::Rectangle(dc, m - 80, 0, m + 80, 30);

  // Between matches the board stands empty: it names no nation that is not playing.
  if (match.half != 0 || match.periodKind == PeriodKind::kShootOut) {
    std::string user;
    std::string opponent;
    NationCode(&user, gameFlow.userNation);
    NationCode(&opponent, int(match.opponent) - 1);
    const bool firstHalf = match.half == 1;
    const std::string text = platform::Format(
        "%s %2d - %2d  %s", (firstHalf ? user : opponent).c_str(),
        firstHalf ? match.scoreA : match.scoreB, firstHalf ? match.scoreB : match.scoreA,
        (firstHalf ? opponent : user).c_str());
    platform::SetTextColor(dc, Rgb(255, 255, 255));
    platform::SetBkMode(dc, platform::BkMode::Transparent);
    platform::TextOut(dc, m - 70, 4, text);
    platform::SetBkMode(dc, platform::BkMode::Opaque);
  }
  platform::SelectFont(dc, previousFont);
  platform::DeleteObject(font);
  platform::SelectPen(dc, pitchView.pitchPen);
  platform::SelectBrush(dc, pitchView.pitchBrush);
}

void DrawPitchBuffered(DeviceContext* dc) {
  if (dc == nullptr) return;
  platform::Bitmap* bitmap = platform::CreateCompatibleBitmap(dc, kFrameWidth, kFrameHeight);
  DeviceContext* memory = bitmap != nullptr ? platform::CreateCompatibleDC(dc) : nullptr;
  if (memory == nullptr) {
    platform::DeleteObject(bitmap);
    DrawPitchBelowTop(dc);
    return;
  }
  platform::Bitmap* previous = platform::SelectBitmap(memory, bitmap);
  DrawPitchBelowTop(memory);
  platform::BitBlt(dc, 0, kTopRows, kFrameWidth, kFrameHeight - kTopRows, memory, 0, kTopRows,
                   platform::Rop::SrcCopy);
  platform::SelectBitmap(memory, previous);
  platform::DeleteDC(memory);
  platform::DeleteObject(bitmap);
}
