// The match view: the pitch with its stripes and lines in a simple perspective, the crowd and
// wall strips, the advertising boards, the goals and corner flags, the players from their
// sprite sheets, the ball with its shadow and the marker under the user's player.
//
// From pitch to screen: in the second half x' = mirrorX - x, y' = mirrorY - y; then the far
// side is drawn narrower, dx = (470 - x') * (450 - y') / kPerspectiveDivisor above the lower
// touch line; screen x = x' + dx - scrollX, screen y = y' (see match/net_rule.h, whose rule
// the ball drawing follows).
#pragma once

#include "platform/platform.h"
#include "presentation/bitmap_store.h"

struct PitchView {
  int leftGoalScreenX = 0;   // recorded by DrawLeftGoal
  int rightGoalScreenX = 0;  // recorded by DrawRightGoal
  // The drawing tools, created once at window creation.
  platform::Brush* pitchBrush = nullptr;   // RGB(0, 240, 0)
  platform::Brush* stripeBrush = nullptr;  // RGB(0, 220, 0)
  platform::Brush* blueBrush = nullptr;    // RGB(0, 0, 240)
  platform::Pen* whitePen = nullptr;
  platform::Pen* pitchPen = nullptr;
  platform::Pen* bluePen = nullptr;
  platform::Pen* blackPen = nullptr;
  platform::Pen* dottedPen = nullptr;
  platform::Pen* redPen = nullptr;  // two pixels wide
};
extern PitchView pitchView;

// The tools, and the pictures the per-frame redraw keeps (KeptFrame, FillPitchAndLines):
// deleted together, which must happen before the drawing layer is shut down.
void CreateDrawingTools();
void DeleteDrawingTools();
// Deletes the tools and puts the view record back to its start-up values (tests).
void ResetPitchView();

// Screen position of a pitch point (mirror, perspective and scrollX applied).
platform::Point PitchToScreen(int x, int y);

void DrawDib(platform::DeviceContext* dc, int x, int y, const Picture& picture, platform::Rop rop);
void DrawDibFlipped(platform::DeviceContext* dc, int x, int y, const Picture& picture,
                    platform::Rop rop);
// x and y are taken as unsigned 16-bit values, so a picture at a negative x is not shown.
void CopyDib(platform::DeviceContext* dc, int x, int y, const Picture& picture);

void FillPitch(platform::DeviceContext* dc);
// A 930 × 479 frame for the per-frame redraw, made on first use and kept until the drawing
// tools are deleted; nullptr when it cannot be made.
platform::DeviceContext* KeptFrame(platform::DeviceContext* like);
// Starts a 930 × 479 frame of the per-frame redraw as a fresh black bitmap with FillPitch,
// then DrawLines, would look, covering all of it: the grass and lines are drawn once into a
// kept picture for the current view offset and client size and copied from there.
void FillPitchAndLines(platform::DeviceContext* frame);
void DrawStripes(platform::DeviceContext* dc, int fromX, int toX);
void StripesInRect(platform::DeviceContext* dc, const platform::Rect& rect);
void DrawLines(platform::DeviceContext* dc);
void DrawCrowd(platform::DeviceContext* dc);
void DrawWallStrip(platform::DeviceContext* dc);
void DrawBoards(platform::DeviceContext* dc);
void DrawLeftGoal(platform::DeviceContext* dc);
void DrawRightGoal(platform::DeviceContext* dc);
void DrawCornerFlags(platform::DeviceContext* dc);
void DrawObjects(platform::DeviceContext* dc);
void DrawMarker(platform::DeviceContext* dc, int i);
void DrawPlayerA(platform::DeviceContext* dc, int i);
void DrawPlayerB(platform::DeviceContext* dc, int i);
// Team A's player i in `pose`, its picture's top left at (x, y), with no perspective and no
// mirroring (the team photo of the victory screen).
void DrawPlayerPictureA(platform::DeviceContext* dc, int i, int pose, int x, int y);
void DrawBall(platform::DeviceContext* dc);
void DrawBallShadow(platform::DeviceContext* dc);
// The complete static view and the players, with the view offset in force (SetViewOffset).
void DrawFullPitch(platform::DeviceContext* dc);
void DrawMatchFrame(platform::DeviceContext* dc);
// Smooth motion's picture between two rule frames: the same frame, redrawn only around the
// players and the ball, where they stood on the last picture and where the blend puts them now.
void DrawMatchFrameBetween(platform::DeviceContext* dc);
void EraseMovedSprites(platform::DeviceContext* dc);
