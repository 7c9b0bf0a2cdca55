// Smooth motion. The rules step nine times a second; between two of their frames the players
// and the ball (with its shadow and its height) are drawn at the display's rate, placed between
// where the previous and the current rule frame put them by the time elapsed since the current
// one, so that the picture trails the rules by one frame and moves evenly. Poses, captions, the
// scoreboard and the clock still change only on rule frames. What the rules place rather than
// move (a kick-off or penalty set-up, a restart, the change of ends, anything drawn afresh) is
// shown where it stands at once, never slid. The blend only reads the match records: the rules
// never see it, and with smooth motion off the drawing is exactly that of the rule frames.
#pragma once

#include <array>
#include <cstdint>

#include "platform/platform.h"

// The ball as the drawing places it.
struct DrawnBallPosition {
  int x = 0;
  int y = 0;
  int height = 0;
};

inline constexpr int kBlendWhole = 1024;  // the blend's fraction at the current rule frame
inline constexpr int kRuleFrameMs = 110;  // eleven ticks of 10 ms: the rules' frame
// A player or the ball that moved farther than this in one rule frame (on either axis) was
// placed, not moved: the fastest run is 12 pixels a frame, the hardest shot about 30.
inline constexpr int kPlacementDistance = 48;

struct MotionBlend {
  bool enabled = false;                           // smooth motion chosen
  bool known = false;                             // `to` holds a rule frame's positions
  bool sliding = false;                           // something still moves between `from` and `to`
  std::array<platform::Point, 22> fromPlayers{};  // 0-10 team A, 11-21 team B
  std::array<platform::Point, 22> toPlayers{};
  DrawnBallPosition fromBall;
  DrawnBallPosition toBall;
  int half = 0;                 // the half `to` was taken in
  std::uint64_t frameTime = 0;  // the layer's clock when `to` was taken
  int fraction = kBlendWhole;   // how far from `from` to `to` the drawing stands now
  // Where each object stood on the screen in the last picture of the play (0-21 the players,
  // 22 the ball with its shadow), for the picture after it to redraw only around them.
  std::array<platform::Rect, 23> drawnBoxes{};
  // True while the kept frame of the per-frame redraw is the last picture in the window (no
  // other drawing of the pitch since), so that the next picture may redraw only around the
  // objects.
  bool frameCurrent = false;
};

extern MotionBlend motionBlend;

// Smooth motion on or off; off, every object is drawn where the records put it.
void SetMotionBlending(bool on);
// A rule frame in which something moved is about to be drawn: the last frame's positions
// become the start of the slide, the records its end, and the drawing starts from the start.
// `placedAll`: the frame placed rather than moved (a restart, a goal): nothing slides.
void NoteRuleFrame(bool placedAll);
// Something is drawn afresh: every object stands where the records put it, nothing slides.
void PlaceAllObjects();
// Moves the blend on to the time `now` of the layer's clock. True when the drawing changed
// (something is still sliding and the fraction moved on).
bool AdvanceBlend(std::uint64_t now);

// Where the drawing puts player `index` of a side, and the ball.
platform::Point DrawnPlayer(bool teamB, int index);
DrawnBallPosition DrawnBall();

void ResetMotionBlend();
