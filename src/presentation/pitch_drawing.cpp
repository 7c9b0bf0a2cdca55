// The static parts of the match view: the tools, the pitch surface and its stripes, the lines,
// the crowd and wall strips, the boards, the goals and the corner flags, and the picture calls
// everything else draws with.
#include "presentation/pitch_drawing.h"

#include <cstdint>

#include "archive/graphics_archive.h"
#include "base/game_flow_state.h"
#include "base/record_resets.h"
#include "base/view_layout.h"
#include "match/match_state.h"
#include "match/net_rule.h"

using platform::DeviceContext;
using platform::Point;
using platform::Rgb;

PitchView pitchView;

namespace {

// Slots of the pitch furniture in the bitmap store.
constexpr int kLeftGoal = 0, kLeftGoalMask = 1, kRightGoal = 2, kRightGoalMask = 3;
constexpr int kPole = 4, kPoleMask = 5;
constexpr int kBoardCampaign = 8, kBoardFriendly = 9;
constexpr int kCrowd = 25, kWall = 26;
constexpr int kTileWidth = 100;

void DrawMasked(DeviceContext* dc, int x, int y, int maskSlot, int pictureSlot) {
  DrawDib(dc, x, y, bitmapStore.slots[std::size_t(maskSlot)], platform::Rop::SrcAnd);
  DrawDib(dc, x, y, bitmapStore.slots[std::size_t(pictureSlot)], platform::Rop::SrcPaint);
}

// The width the view is drawn for: the client width, 639 before the first size message.
int ViewWidth() {
  return viewLayout.clientWidth < 0 ? 639 : viewLayout.clientWidth;
}
int ViewHeight() {
  return viewLayout.clientHeight < 0 ? 479 : viewLayout.clientHeight;
}

// One of the eight darker bands: i from 0 to 3, on the left or the right half.
void StripeBand(int i, bool right, Point band[4]) {
  static constexpr int kLean[4] = {30, 20, 20, 10};
  const int s = -match.scrollX;
  const int c = 115 * i;
  const int k = kLean[i];
  if (!right) {
    band[0] = {s + k + 30 + c, 60};
    band[1] = {s + c + 30, 450};
    band[2] = {s + k + 70 + c, 450};
    band[3] = {s + k + 85 + c, 60};
  } else {
    band[0] = {s - k - c + 910, 60};
    band[1] = {s - c + 910, 450};
    band[2] = {s - k - c + 870, 450};
    band[3] = {s - k - c + 855, 60};
  }
}

constexpr int kFrameWidth = 930;
constexpr int kFrameHeight = 479;

// A memory context with a 930 × 479 bitmap of its own, kept between frames. Released with the
// drawing tools, before the drawing layer itself goes.
struct KeptBitmap {
  DeviceContext* dc = nullptr;
  platform::Bitmap* bitmap = nullptr;
};

bool MakeKeptBitmap(DeviceContext* like, KeptBitmap* kept) {
  platform::Bitmap* bitmap = platform::CreateCompatibleBitmap(like, kFrameWidth, kFrameHeight);
  DeviceContext* dc = bitmap != nullptr ? platform::CreateCompatibleDC(like) : nullptr;
  if (dc == nullptr) {
    platform::DeleteObject(bitmap);
    return false;
  }
  platform::SelectBitmap(dc, bitmap);
  kept->dc = dc;
  kept->bitmap = bitmap;
  return true;
}

void ReleaseKeptBitmap(KeptBitmap* kept) {
  platform::DeleteDC(kept->dc);  // which lets go of the bitmap
  platform::DeleteObject(kept->bitmap);
  *kept = KeptBitmap{};
}

// The frame the per-frame redraw composes in.
KeptBitmap frameBitmap;

// The grass, stripes and lines of the per-frame redraw. They change only with the view offset
// and the client size.
struct PitchSurface {
  KeptBitmap kept;
  int scrollX = 0;
  int width = 0;
  int height = 0;
};
PitchSurface pitchSurface;

// Draws the kept surface for the current view when it is missing or stale. False when no
// picture can be made.
bool PreparePitchSurface(DeviceContext* like) {
  if (pitchSurface.kept.dc != nullptr && pitchSurface.scrollX == match.scrollX &&
      pitchSurface.width == ViewWidth() && pitchSurface.height == ViewHeight()) {
    return true;
  }
  ReleaseKeptBitmap(&pitchSurface.kept);
  if (!MakeKeptBitmap(like, &pitchSurface.kept)) return false;
  pitchSurface.scrollX = match.scrollX;
  pitchSurface.width = ViewWidth();
  pitchSurface.height = ViewHeight();
  FillPitch(pitchSurface.kept.dc);
  DrawLines(pitchSurface.kept.dc);
  return true;
}

void SelectErasePair(DeviceContext* dc) {
  platform::SelectPen(dc, pitchView.pitchPen);
  platform::SelectBrush(dc, pitchView.pitchBrush);
}

}  // namespace

void CreateDrawingTools() {
  // The kept frame pictures start afresh as well; any left from an earlier start of the
  // drawing layer are not touched.
  pitchSurface = PitchSurface{};
  frameBitmap = KeptBitmap{};
  pitchView.pitchBrush = platform::CreateSolidBrush(Rgb(0, 240, 0));
  pitchView.stripeBrush = platform::CreateSolidBrush(Rgb(0, 220, 0));
  pitchView.blueBrush = platform::CreateSolidBrush(Rgb(0, 0, 240));
  pitchView.whitePen = platform::CreatePen(platform::PenStyle::Solid, 1, Rgb(255, 255, 255));
  pitchView.pitchPen = platform::CreatePen(platform::PenStyle::Solid, 1, Rgb(0, 240, 0));
  pitchView.bluePen = platform::CreatePen(platform::PenStyle::Solid, 1, Rgb(0, 0, 240));
  pitchView.blackPen = platform::CreatePen(platform::PenStyle::Solid, 1, Rgb(0, 0, 0));
  pitchView.dottedPen = platform::CreatePen(platform::PenStyle::Dot, 1, Rgb(0, 0, 0));
  pitchView.redPen = platform::CreatePen(platform::PenStyle::Solid, 2, Rgb(255, 0, 0));
}

void DeleteDrawingTools() {
  ReleaseKeptBitmap(&pitchSurface.kept);
  ReleaseKeptBitmap(&frameBitmap);
  for (platform::Pen** pen : {&pitchView.whitePen, &pitchView.pitchPen, &pitchView.bluePen,
                              &pitchView.blackPen, &pitchView.dottedPen, &pitchView.redPen}) {
    platform::DeleteObject(*pen);
    *pen = nullptr;
  }
  for (platform::Brush** brush :
       {&pitchView.pitchBrush, &pitchView.stripeBrush, &pitchView.blueBrush}) {
    platform::DeleteObject(*brush);
    *brush = nullptr;
  }
}

void ResetPitchView() {
  DeleteDrawingTools();
  pitchView = PitchView{};
}

Point PitchToScreen(int x, int y) {
  int xm = x;
  int ym = y;
  if (match.half == 2) {
    xm = match.mirrorX - x;
    ym = match.mirrorY - y;
  }
  return {PerspectiveScreenX(xm, ym), ym};
}

void DrawDib(DeviceContext* dc, int x, int y, const Picture& picture, platform::Rop rop) {
  if (!picture) return;
  platform::StretchDib(dc, x, y, DibWidth(picture), DibHeight(picture), picture.bytes, picture.size,
                       rop);
}

void DrawDibFlipped(DeviceContext* dc, int x, int y, const Picture& picture, platform::Rop rop) {
  if (!picture) return;
  platform::StretchDib(dc, x, y, -DibWidth(picture), DibHeight(picture), picture.bytes,
                       picture.size, rop);
}

void CopyDib(DeviceContext* dc, int x, int y, const Picture& picture) {
  if (!picture) return;
  // The copy call takes unsigned 16-bit positions: a picture placed at a negative x lands far
  // to the right, out of sight.
  platform::DibToDevice(dc, std::uint16_t(x), std::uint16_t(y), picture.bytes, picture.size);
}

void FillPitch(DeviceContext* dc) {
  platform::FillRect(dc, platform::Rect{0, 0, ViewWidth(), ViewHeight()}, pitchView.pitchBrush);
  DrawStripes(dc, 0, 1000);
}

DeviceContext* KeptFrame(DeviceContext* like) {
  if (frameBitmap.dc == nullptr && like != nullptr) MakeKeptBitmap(like, &frameBitmap);
  return frameBitmap.dc;
}

void FillPitchAndLines(DeviceContext* frame) {
  if (frame == nullptr) return;
  if (!PreparePitchSurface(frame)) {
    // As on a fresh frame: black, then the grass and lines.
    platform::FillRect(frame, platform::Rect{0, 0, kFrameWidth, kFrameHeight},
                       platform::StockBrush(platform::StockObject::BlackBrush));
    FillPitch(frame);
    DrawLines(frame);
    return;
  }
  platform::BitBlt(frame, 0, 0, kFrameWidth, kFrameHeight, pitchSurface.kept.dc, 0, 0,
                   platform::Rop::SrcCopy);
  // The frame's context is left as the two calls leave it.
  platform::SelectPen(frame, pitchView.whitePen);
  platform::SelectBrush(frame, platform::StockBrush(platform::StockObject::NullBrush));
}

void DrawStripes(DeviceContext* dc, int fromX, int toX) {
  platform::SelectPen(dc, platform::StockPen(platform::StockObject::NullPen));
  platform::SelectBrush(dc, pitchView.stripeBrush);
  Point band[4];
  for (int i = 0; i < 4; ++i) {
    StripeBand(i, false, band);
    if (band[1].x > fromX && band[2].x < toX) platform::Polygon(dc, band, 4);
    StripeBand(i, true, band);
    if (band[3].x > fromX && band[1].x < toX) platform::Polygon(dc, band, 4);
  }
}

void StripesInRect(DeviceContext* dc, const platform::Rect& rect) {
  platform::SetClipRect(dc, &rect);
  platform::SelectPen(dc, platform::StockPen(platform::StockObject::NullPen));
  platform::SelectBrush(dc, pitchView.stripeBrush);
  Point band[4];
  for (int i = 0; i < 4; ++i) {
    StripeBand(i, false, band);
    platform::Polygon(dc, band, 4);
    StripeBand(i, true, band);
    platform::Polygon(dc, band, 4);
  }
  platform::SetClipRect(dc, nullptr);
  SelectErasePair(dc);
}

void DrawLines(DeviceContext* dc) {
  const int s = match.scrollX;
  platform::SelectPen(dc, pitchView.whitePen);
  auto line = [dc, s](int x1, int y1, int x2, int y2) {
    platform::MoveTo(dc, x1 - s, y1);
    platform::LineTo(dc, x2 - s, y2);
  };
  auto path = [dc, s](std::initializer_list<Point> points) {
    const Point* p = points.begin();
    platform::MoveTo(dc, p->x - s, p->y);
    for (++p; p != points.end(); ++p) platform::LineTo(dc, p->x - s, p->y);
  };
  // Goal lines, touch lines, halfway line.
  line(60, 60, 30, 450);
  line(880, 60, 910, 450);
  line(60, 60, 880, 60);
  line(30, 450, 910, 450);
  line(470, 60, 470, 450);
  // Penalty areas and goal areas.
  path({{55, 140}, {173, 140}, {165, 360}, {38, 360}});
  path({{885, 140}, {767, 140}, {775, 360}, {902, 360}});
  path({{50, 190}, {95, 190}, {90, 310}, {40, 310}});
  path({{890, 190}, {845, 190}, {850, 310}, {900, 310}});
  // Centre circle, penalty arcs and corner arcs.
  platform::SelectBrush(dc, platform::StockBrush(platform::StockObject::NullBrush));
  platform::Ellipse(dc, 400 - s, 195, 540 - s, 295);
  auto arc = [dc, s](int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
    platform::Arc(dc, l - s, t, r - s, b, x1 - s, y1, x2 - s, y2);
  };
  arc(55, 195, 195, 295, 185, 302, 175, 202);
  arc(745, 195, 885, 295, 765, 200, 755, 300);
  arc(50, 50, 70, 70, 60, 70, 70, 60);
  arc(20, 440, 40, 460, 40, 450, 30, 440);
  arc(870, 50, 890, 70, 870, 60, 880, 70);
  arc(900, 440, 920, 460, 910, 440, 900, 450);
}

void DrawCrowd(DeviceContext* dc) {
  const int width = ViewWidth();
  const Picture& general = bitmapStore.slots[kCrowd];
  const bool generalOnly = gameFlow.mode == Mode::kPractice || gameFlow.phase <= Phase::kSetUp;
  const int n = width / 200;
  int t = 0;
  for (int x = 0; x < width; x += kTileWidth, ++t) {
    const Picture* tile = &general;
    if (!generalOnly) {
      if (t < n - 1 && bitmapStore.crowd[0]) tile = &bitmapStore.crowd[0];
      if (t >= n + 2 && bitmapStore.crowd[1]) tile = &bitmapStore.crowd[1];
    }
    CopyDib(dc, x, 0, *tile);
  }
}

void DrawWallStrip(DeviceContext* dc) {
  const int width = ViewWidth();
  for (int x = 0; x < width; x += kTileWidth) CopyDib(dc, x, 30, bitmapStore.slots[kWall]);
}

void DrawBoards(DeviceContext* dc) {
  const Picture& board =
      bitmapStore.slots[gameFlow.mode == Mode::kCampaign ? kBoardCampaign : kBoardFriendly];
  for (int i = 0; i < 5; ++i) {
    CopyDib(dc, i * viewLayout.charWidth * 20 - match.scrollX + 90, 44, board);
  }
}

void DrawLeftGoal(DeviceContext* dc) {
  pitchView.leftGoalScreenX = LeftGoalScreenX();
  DrawMasked(dc, 13 - match.scrollX, 200, kLeftGoalMask, kLeftGoal);
}

void DrawRightGoal(DeviceContext* dc) {
  pitchView.rightGoalScreenX = RightGoalScreenX();
  DrawMasked(dc, 892 - match.scrollX, 200, kRightGoalMask, kRightGoal);
}

void DrawCornerFlags(DeviceContext* dc) {
  const int s = match.scrollX;
  for (const Point& p : {Point{54, 44}, Point{24, 434}, Point{874, 44}, Point{904, 434}}) {
    DrawMasked(dc, p.x - s, p.y, kPoleMask, kPole);
  }
}

namespace {
const bool kPitchViewRegistered = RegisterRecordReset(ResetPitchView);
}  // namespace
