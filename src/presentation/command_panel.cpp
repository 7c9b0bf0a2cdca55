// The command panel under the pitch: the Q/A/Z shot labels on the side the player faces and
// the pass mode ("Pass : Ground" or "Pass : Lob ball").
#include "presentation/command_panel.h"

#include "match/control_state.h"
#include "match/engine_helpers.h"
#include "match/kicks.h"
#include "match/match_state.h"
#include "presentation/pitch_drawing.h"

namespace {

// Paints a rectangle of the panel back to the pitch green.
void ClearArea(platform::DeviceContext* dc, int left, int top, int right, int bottom) {
  platform::Brush* brush = pitchView.pitchBrush;
  if (brush == nullptr) return;
  platform::FillRect(dc, {left, top, right, bottom}, brush);
}

}  // namespace

void DrawCommandPanel(platform::DeviceContext* dc) {
  if (dc == nullptr) return;
  const int px = match.mirrorX / 2 - 14;
  const int py = match.mirrorY / 2 + 240;

  platform::Pen* oldPen =
      platform::SelectPen(dc, platform::StockPen(platform::StockObject::WhitePen));
  platform::Brush* oldBrush =
      platform::SelectBrush(dc, platform::StockBrush(platform::StockObject::WhiteBrush));
  platform::Ellipse(dc, px - 8, py - 4, px + 8, py + 12);
  platform::SelectPen(dc, oldPen);
  platform::SelectBrush(dc, oldBrush);

  const int leftColumnX = px - 38;
  const int rightColumnX = px + 30;
  const auto clearLeftColumn = [&] { ClearArea(dc, px - 42, py - 24, px - 8, py + 64); };
  const auto clearRightColumn = [&] { ClearArea(dc, px + 20, py - 24, px + 50, py + 64); };
  if (match.controlledPlayer != match.nearPlayer || match.nearPlayer <= 1) {
    clearLeftColumn();
    clearRightColumn();
    ClearArea(dc, px + 100, py, px + 260, py + 20);
    return;
  }

  // The labels stand on the side the player faces on the screen.
  const PlayerState* player = engine::TeamAByNumber(match.controlledPlayer);
  const bool facesLeft = player != nullptr && FacesRight(match.controlledPlayer - 1) == 0;
  const bool onLeft = engine::SecondHalf() ? !facesLeft : facesLeft;
  const int column = onLeft ? leftColumnX : rightColumnX;
  if (onLeft) {
    clearRightColumn();
  } else {
    clearLeftColumn();
  }

  platform::SetBkMode(dc, platform::BkMode::Transparent);
  platform::SetTextColor(dc, platform::Rgb(255, 255, 255));
  const int glyphX = onLeft ? column + 8 : column - 8;
  platform::TextOut(dc, glyphX, py - 20, onLeft ? "＼" : "／");
  platform::TextOut(dc, glyphX, py, "―");
  platform::TextOut(dc, glyphX, py + 20, onLeft ? "／" : "＼");
  const int letterX = onLeft ? column - 4 : column + 8;
  platform::TextOut(dc, letterX, py - 24, "Q");
  platform::TextOut(dc, letterX, py, "A");
  platform::TextOut(dc, letterX, py + 24, "Z");

  platform::SetBkMode(dc, platform::BkMode::Opaque);
  if (controlState.kickKeyMode == 2 || controlState.kickHoldTicks >= 50) {
    platform::SetTextColor(dc, platform::Rgb(255, 0, 0));
    platform::TextOut(dc, px + 100, py, "Pass : Lob ball");
  } else {
    platform::SetTextColor(dc, platform::Rgb(0, 200, 0));
    platform::TextOut(dc, px + 100, py, "Pass : Ground   ");
  }
  platform::SetTextColor(dc, platform::Rgb(0, 0, 0));
}
