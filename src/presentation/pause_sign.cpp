// The sign of a paused match, and the picture it covers while it stands.
#include "presentation/pause_sign.h"

#include "base/record_resets.h"
#include "presentation/match_captions.h"
#include "presentation/screen_text.h"

using platform::DeviceContext;

PauseSign pauseSign;

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 44;
constexpr int kTop = 233;  // the box's middle on the centre spot's row (255)
constexpr platform::FontSpec kFont{24, 12, 24};
constexpr const char* kText = platform::TranslateLater("一時停止");

// Copies between the window and the kept picture of what the sign covers.
void CopyCovered(DeviceContext* dc, bool keep) {
  DeviceContext* memory = platform::CreateCompatibleDC(dc);
  if (memory == nullptr) return;
  platform::Bitmap* previous = platform::SelectBitmap(memory, pauseSign.covered);
  const platform::Rect r = PauseSignRect();
  if (keep) {
    platform::BitBlt(memory, 0, 0, kWidth, kHeight, dc, r.left, r.top, platform::Rop::SrcCopy);
  } else {
    platform::BitBlt(dc, r.left, r.top, kWidth, kHeight, memory, 0, 0, platform::Rop::SrcCopy);
  }
  platform::SelectBitmap(memory, previous);
  platform::DeleteDC(memory);
}

}  // namespace

platform::Rect PauseSignRect() {
  const int left = CaptionCentre() - kWidth / 2;
  return {left, kTop, left + kWidth, kTop + kHeight};
}

void RedrawPauseSign(DeviceContext* dc) {
  if (dc == nullptr || pauseSign.shown == 0) return;
  const platform::Rect r = PauseSignRect();
  platform::Pen* pen = platform::SelectPen(dc, platform::StockPen(platform::StockObject::WhitePen));
  platform::Brush* brush =
      platform::SelectBrush(dc, platform::StockBrush(platform::StockObject::BlackBrush));
  platform::Rectangle(dc, r.left, r.top, r.right, r.bottom);
  platform::SelectPen(dc, pen);
  platform::SelectBrush(dc, brush);
  ScopedFont font(dc, kFont);
  const platform::BkMode mode = platform::SetBkMode(dc, platform::BkMode::Transparent);
  const std::string_view text = platform::Translate(std::string_view(kText));
  const int textWidth = platform::DisplayCells(text) * kFont.width;
  TextIn(dc, r.left + (kWidth - textWidth) / 2, r.top + (kHeight - kFont.height) / 2, text,
         platform::Rgb(255, 255, 255));
  platform::SetBkMode(dc, mode);
}

void ShowPauseSign(DeviceContext* dc) {
  if (dc == nullptr || pauseSign.shown != 0) return;
  pauseSign.covered = platform::CreateCompatibleBitmap(dc, kWidth, kHeight);
  if (pauseSign.covered != nullptr) CopyCovered(dc, true);
  pauseSign.shown = 1;
  RedrawPauseSign(dc);
}

void HidePauseSign(DeviceContext* dc) {
  if (pauseSign.shown == 0) return;
  if (dc != nullptr && pauseSign.covered != nullptr) CopyCovered(dc, false);
  ForgetPauseSign();
}

void ForgetPauseSign() {
  platform::DeleteObject(pauseSign.covered);
  pauseSign = PauseSign{};
}

void ResetPauseSign() {
  ForgetPauseSign();
}

namespace {
const bool kPauseSignRegistered = RegisterRecordReset(ResetPauseSign);
}  // namespace
