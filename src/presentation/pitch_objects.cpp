// The moving parts of the match view: the players from their sprite sheets in depth order,
// the marker, the ball with its shadow, and the per-frame redraw.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "archive/graphics_archive.h"
#include "base/view_layout.h"
#include "match/frame_step.h"
#include "match/match_state.h"
#include "match/net_rule.h"
#include "presentation/match_captions.h"
#include "presentation/motion_blend.h"
#include "presentation/pitch_drawing.h"
#include "presentation/shoot_out_board.h"

using platform::DeviceContext;
using platform::Point;
using platform::Rop;

namespace {

constexpr int kBall = 6, kBallMask = 7;
constexpr int kFirstPlayerMask = 10;  // masks by pose: slots 10-21, then 22-24
constexpr int kOverlayOffset = 50;    // the dark overlay of mask slot m is in slot m + 50
constexpr int kFrameWidth = 930;
constexpr int kFrameHeight = 479;
constexpr int kTopRows = 42;    // crowd, scoreboard and clock
constexpr int kHighBallY = 50;  // a ball drawn above this row reaches into the top rows

// The y a point is drawn at (mirrored in the second half).
int ScreenY(int y) {
  return match.half == 2 ? match.mirrorY - y : y;
}

// Which mask and picture a pose shows, and whether the picture is mirrored.
struct SpriteChoice {
  int maskSlot = -1;  // -1: nothing is drawn for this pose
  int pictureSlot = -1;
  bool flipped = false;
};

SpriteChoice ChooseSprite(bool teamBSide, int index, int pose) {
  const int base = teamBSide ? match.sheetBaseB : match.sheetBaseA;
  const int keeper = index == 0 ? 8 : 0;
  SpriteChoice choice;
  if (pose >= 0 && pose <= 11) {
    choice.maskSlot = pose + kFirstPlayerMask;
    choice.pictureSlot = base + pose + keeper;
  } else if (pose == 20 || (pose == 21 && !teamBSide)) {
    choice.maskSlot = 22;
    choice.pictureSlot = base + 20;
    choice.flipped = teamBSide ? match.half == 2 : match.half == 1;
  } else if (pose >= 30 && pose <= 33) {
    const bool second = pose == 31 || pose == 33;
    choice.maskSlot = second ? 24 : 23;
    choice.pictureSlot = base + (second ? 22 : 21) + keeper;
    choice.flipped = pose >= 32;
  }
  return choice;
}

const Picture& Slot(int slot) {
  static const Picture kNone;
  if (slot < 0 || slot >= kBitmapSlots) return kNone;
  return bitmapStore.slots[std::size_t(slot)];
}

void DrawSpritePicture(DeviceContext* dc, int x, int y, int slot, Rop rop, bool flipped) {
  if (flipped) {
    DrawDibFlipped(dc, x, y, Slot(slot), rop);
  } else {
    DrawDib(dc, x, y, Slot(slot), rop);
  }
}

// A side's player picture in `pose` with its top left at (x, y), with its dark overlay.
void DrawPlayerSprite(DeviceContext* dc, bool teamBSide, int index, int pose, int x, int y) {
  const SpriteChoice choice = ChooseSprite(teamBSide, index, pose);
  if (choice.maskSlot < 0) return;
  DrawSpritePicture(dc, x, y, choice.maskSlot, Rop::SrcAnd, choice.flipped);
  DrawSpritePicture(dc, x, y, choice.pictureSlot, Rop::SrcPaint, choice.flipped);
  const int overlay = teamBSide ? match.darkOverlayB : match.darkOverlayA;
  if (overlay == 1 || (overlay == 2 && (index > 8 || index % 2 == 1))) {
    DrawSpritePicture(dc, x, y, choice.maskSlot + kOverlayOffset, Rop::SrcAnd, choice.flipped);
  }
}

void DrawPlayer(DeviceContext* dc, bool teamBSide, int index) {
  if (index < 0 || index >= kPlayersPerSide) return;
  const PlayerState& player = teamBSide ? teamB[std::size_t(index)] : teamA[std::size_t(index)];
  const Point at = DrawnPlayer(teamBSide, index);
  const int sx = PitchToScreen(at.x, at.y).x;
  DrawPlayerSprite(dc, teamBSide, index, player.pose, sx, ScreenY(at.y) - 16);
}

// Whether the frame redraws the top rows (crowd, scoreboard and clock): while the ball, as it
// was drawn at the start of the frame, is high on the screen. The saved raised point is a
// pitch point; in the second half the screen's top is the pitch's lower side, so the drawn y
// is taken from the mirrored ground point less half the height.
bool BallHighOnScreen() {
  const Point raised = savedFrame.points[22];
  const Point ground = savedFrame.points[23];
  const int lift = ground.y - raised.y;  // half the ball's height
  return ScreenY(ground.y) - lift < kHighBallY;
}

// The screen rows and the goals that the per-frame redraw paints below the top strip.
void DrawPitchFurniture(DeviceContext* dc) {
  DrawBoards(dc);
  const DrawnBallPosition drawn = DrawnBall();
  const int fromCentre = drawn.y - match.centreY;
  if (fromCentre > -70 && fromCentre < 70) {
    if (drawn.x < match.pitchLeft + 20) DrawLeftGoal(dc);
    if (drawn.x > match.pitchRight - 20) DrawRightGoal(dc);
  }
  DrawCornerFlags(dc);
}

}  // namespace

void DrawShootOutCaption(DeviceContext* dc) {
  const int m = CaptionCentre();
  platform::SetBkMode(dc, platform::BkMode::Transparent);
  platform::SetTextColor(dc, platform::Rgb(255, 0, 0));
  platform::TextOut(dc, m - 48, 240, platform::Translate("    P K 戦 "));
  platform::SetBkMode(dc, platform::BkMode::Opaque);
}

void DrawObjects(DeviceContext* dc) {
  // Objects 0-10 are team A's players, 11-21 team B's, 22 the ball, sorted by their pitch y;
  // equal keys keep index order.
  std::array<int, 23> order{};
  std::array<int, 23> key{};
  for (int k = 0; k < 23; ++k) {
    order[std::size_t(k)] = k;
    key[std::size_t(k)] = k < 22 ? DrawnPlayer(k >= 11, k % 11).y : DrawnBall().y;
  }
  std::stable_sort(order.begin(), order.end(),
                   [&key](int a, int b) { return key[std::size_t(a)] < key[std::size_t(b)]; });
  auto drawOne = [dc](int object) {
    if (object < 11) {
      if (object == match.controlledPlayer - 1) DrawMarker(dc, object);
      DrawPlayerA(dc, object);
    } else if (object < 22) {
      DrawPlayerB(dc, object - 11);
    } else {
      DrawBall(dc);
    }
  };
  if (match.half == 2) {
    for (auto it = order.rbegin(); it != order.rend(); ++it) drawOne(*it);
  } else {
    for (int object : order) drawOne(object);
  }
}

void DrawMarker(DeviceContext* dc, int i) {
  if (i < 0 || i >= kPlayersPerSide) return;
  const Point at = DrawnPlayer(false, i);
  const int sx = PitchToScreen(at.x, at.y).x;
  const int y = ScreenY(at.y);
  platform::SelectPen(dc, pitchView.blackPen);
  platform::SelectBrush(dc, platform::StockBrush(platform::StockObject::NullBrush));
  platform::Rectangle(dc, sx - 4, y - 8, sx + 20, y + 4);
}

void DrawPlayerA(DeviceContext* dc, int i) {
  DrawPlayer(dc, false, i);
}

void DrawPlayerB(DeviceContext* dc, int i) {
  DrawPlayer(dc, true, i);
}

void DrawPlayerPictureA(DeviceContext* dc, int i, int pose, int x, int y) {
  if (i < 0 || i >= kPlayersPerSide) return;
  DrawPlayerSprite(dc, false, i, pose, x, y);
}

void DrawBall(DeviceContext* dc) {
  // The net rule has run for this frame (ApplyNetRule); the ball inside a goal is not drawn.
  const DrawnBallPosition drawn = DrawnBall();
  const Point p = BallPicturePointAt(drawn.x, drawn.y, drawn.height);
  if (PictureInsideGoal(p)) return;
  DrawBallShadow(dc);
  DrawDib(dc, p.x, p.y, bitmapStore.slots[kBallMask], Rop::SrcAnd);
  DrawDib(dc, p.x, p.y, bitmapStore.slots[kBall], Rop::SrcPaint);
}

void DrawBallShadow(DeviceContext* dc) {
  const DrawnBallPosition drawn = DrawnBall();
  if (drawn.height == 0) return;
  const Point ground = PitchToScreen(drawn.x, drawn.y);
  int r = 4;
  if (drawn.height >= 100) {
    r = 1;
  } else if (drawn.height >= 25) {
    r = 4 - drawn.height / 25;
  }
  platform::SelectPen(dc, pitchView.pitchPen);
  platform::SelectBrush(dc, platform::StockBrush(platform::StockObject::BlackBrush));
  platform::Ellipse(dc, ground.x - r, ground.y - r - 8, ground.x + r, ground.y + r - 8);
}

void DrawFullPitch(DeviceContext* dc) {
  FillPitch(dc);
  DrawLines(dc);
  DrawCrowd(dc);
  DrawBoards(dc);
  DrawLeftGoal(dc);
  DrawRightGoal(dc);
  DrawCornerFlags(dc);
  if (captionState.entranceState == EntranceState::kNone && match.captionTimer == 0)
    DrawObjects(dc);
}

namespace {

platform::Rect Union(const platform::Rect& a, const platform::Rect& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// The size of the larger of two pictures (nothing for empty slots).
platform::Point PictureSize(int slotA, int slotB) {
  int width = 0, height = 0;
  for (int slot : {slotA, slotB}) {
    const Picture& picture = Slot(slot);
    if (!picture) continue;
    width = std::max(width, std::abs(DibWidth(picture)));
    height = std::max(height, std::abs(DibHeight(picture)));
  }
  return {width, height};
}

// The screen box of object k (0-10 team A's players, 11-21 team B's, 22 the ball and its
// shadow) where the drawing places it now: its pictures, the marker under the user's player,
// the ball's shadow, and a pixel around.
platform::Rect ObjectBox(int k) {
  if (k < 2 * kPlayersPerSide) {
    const bool teamBSide = k >= kPlayersPerSide;
    const int index = k % kPlayersPerSide;
    const PlayerState& player = teamBSide ? teamB[std::size_t(index)] : teamA[std::size_t(index)];
    const Point at = DrawnPlayer(teamBSide, index);
    const int sx = PitchToScreen(at.x, at.y).x;
    const int y = ScreenY(at.y);
    const SpriteChoice choice = ChooseSprite(teamBSide, index, player.pose);
    const Point size =
        choice.maskSlot < 0 ? Point{0, 0} : PictureSize(choice.maskSlot, choice.pictureSlot);
    const platform::Rect sprite{sx, y - 16, sx + size.x, y - 16 + size.y};
    const platform::Rect marker{sx - 4, y - 8, sx + 20, y + 4};
    const platform::Rect box = Union(sprite, marker);
    return {box.left - 1, box.top - 1, box.right + 1, box.bottom + 1};
  }
  const DrawnBallPosition drawn = DrawnBall();
  const Point p = BallPicturePointAt(drawn.x, drawn.y, drawn.height);
  const Point ground = PitchToScreen(drawn.x, drawn.y);
  const Point size = PictureSize(kBall, kBallMask);
  const platform::Rect box = Union({p.x, p.y, p.x + size.x, p.y + size.y},
                                   {ground.x - 4, ground.y - 12, ground.x + 4, ground.y - 4});
  return {box.left - 1, box.top - 1, box.right + 1, box.bottom + 1};
}

void RememberDrawnBoxes() {
  for (int k = 0; k < 23; ++k) motionBlend.drawnBoxes[std::size_t(k)] = ObjectBox(k);
  motionBlend.frameCurrent = true;
}

// The frame's layers, as the per-frame redraw paints them, into `memory` (clipped as its
// context is).
void PaintFrameLayers(DeviceContext* memory, bool topRows) {
  FillPitchAndLines(memory);
  if (topRows) {
    DrawCrowd(memory);
    DrawScoreboard(memory);
  }
  DrawPitchFurniture(memory);
  DrawLeftGoal(memory);
  DrawRightGoal(memory);
  DrawObjects(memory);
  if (match.periodKind > PeriodKind::kExtraTime) {
    DrawShootOutCaption(memory);
    DrawShootOutBoard(memory);
  }
}

}  // namespace

void DrawMatchFrame(DeviceContext* dc) {
  if (dc == nullptr) return;
  // The off-screen frame is kept from one frame to the next; each frame starts by covering it
  // whole with the grass and lines, so nothing of the last one remains.
  DeviceContext* memory = KeptFrame(dc);
  if (memory == nullptr) {
    EraseMovedSprites(dc);
    DrawLines(dc);
    DrawPitchFurniture(dc);
    DrawObjects(dc);
    return;
  }
  // The top rows are redrawn only while the ball is high on the screen.
  const bool topRows = BallHighOnScreen();
  PaintFrameLayers(memory, topRows);
  RememberDrawnBoxes();
  if (topRows) {
    platform::BitBlt(dc, 0, 0, kFrameWidth, kFrameHeight, memory, 0, 0, Rop::SrcCopy);
  } else {
    platform::BitBlt(dc, 0, kTopRows, kFrameWidth, kFrameHeight - kTopRows, memory, 0, kTopRows,
                     Rop::SrcCopy);
  }
}

void DrawMatchFrameBetween(DeviceContext* dc) {
  if (dc == nullptr) return;
  DeviceContext* memory = KeptFrame(dc);
  if (memory == nullptr || !motionBlend.frameCurrent) {
    DrawMatchFrame(dc);
    return;
  }
  // Nothing stands anywhere else than on the last picture: that picture it is.
  bool moved = false;
  for (int k = 0; k < 23 && !moved; ++k) {
    const platform::Rect now = ObjectBox(k), was = motionBlend.drawnBoxes[std::size_t(k)];
    moved = now.left != was.left || now.top != was.top || now.right != was.right ||
            now.bottom != was.bottom;
  }
  if (!moved) return;
  // Only around the objects, where they stood on the last picture and where they stand now:
  // the rest of the kept frame is that picture already.
  const bool topRows = BallHighOnScreen();
  const platform::Rect frame{0, topRows ? 0 : kTopRows, kFrameWidth, kFrameHeight};
  std::vector<platform::Rect> areas;
  for (int k = 0; k < 23; ++k) {
    platform::Rect area = Union(motionBlend.drawnBoxes[std::size_t(k)], ObjectBox(k));
    area = {std::max(area.left, frame.left), std::max(area.top, frame.top),
            std::min(area.right, frame.right), std::min(area.bottom, frame.bottom)};
    // Each object's area on its own: areas that overlap are painted twice, which costs less
    // than the large boxes that merging them makes.
    if (!area.Empty()) areas.push_back(area);
  }
  for (const platform::Rect& area : areas) {
    platform::SetClipRect(memory, &area);
    PaintFrameLayers(memory, topRows);
  }
  platform::SetClipRect(memory, nullptr);
  // Each copy clipped to its area, so that the window knows where it changed.
  for (const platform::Rect& area : areas) {
    platform::SetClipRect(dc, &area);
    platform::BitBlt(dc, area.left, area.top, area.Width(), area.Height(), memory, area.left,
                     area.top, Rop::SrcCopy);
  }
  platform::SetClipRect(dc, nullptr);
  RememberDrawnBoxes();
}

void EraseMovedSprites(DeviceContext* dc) {
  platform::SelectPen(dc, pitchView.pitchPen);
  platform::SelectBrush(dc, pitchView.pitchBrush);
  const int left = pitchView.leftGoalScreenX;
  const int right = pitchView.rightGoalScreenX;
  const int top = match.goalTopY;
  const bool controlChanged = match.controlledPlayer != match.previousControlled;
  bool nearWall = false;
  for (int e = 0; e < 24; ++e) {
    const Point saved = savedFrame.points[std::size_t(e)];
    Point now;
    int moved = 0;
    if (e < 11) {
      now = {teamA[std::size_t(e)].x, teamA[std::size_t(e)].y};
      moved = teamA[std::size_t(e)].moved;
    } else if (e < 22) {
      now = {teamB[std::size_t(e - 11)].x, teamB[std::size_t(e - 11)].y};
      moved = teamB[std::size_t(e - 11)].moved;
    } else {
      now = {ball.x, ball.y};  // entry 22 compares the ground point with the saved raised one
    }
    const bool wasControlled = controlChanged && e == match.previousControlled - 1;
    if (saved.x == now.x && saved.y == now.y && moved == 0 && !wasControlled) continue;
    int sx = PitchToScreen(saved.x, saved.y).x;
    const int sy = ScreenY(saved.y) - 16;
    if (sy > top - 8 && sy < top + 16) {
      if (sx - 4 < left) sx = left + 5;
      if (sx + 20 > right) sx = right - 21;
    }
    const platform::Rect rect{sx - 4, sy - 8, sx + 20, sy + 20};
    platform::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    StripesInRect(dc, rect);
    if (e != 0 && (rect.left < left || sx == left + 5)) DrawLeftGoal(dc);
    if (e != 11 && (rect.right > right || sx + 21 == right)) DrawRightGoal(dc);
    if (sy < kTopRows) {
      DrawCrowd(dc);
      DrawScoreboard(dc);
    }
    if (sy - 8 < 48) nearWall = true;
    platform::SelectPen(dc, pitchView.pitchPen);
    platform::SelectBrush(dc, pitchView.pitchBrush);
  }
  if (nearWall) DrawWallStrip(dc);
}
