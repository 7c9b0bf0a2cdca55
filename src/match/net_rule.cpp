// The goal nets, the ball's picture point and the view offset.
#include "match/net_rule.h"

#include "match/match_state.h"

int PerspectiveScreenX(int xTurned, int yTurned) {
  const int dx = yTurned >= 450 ? 0 : (470 - xTurned) * (450 - yTurned) / kPerspectiveDivisor;
  return xTurned + dx - match.scrollX;
}

platform::Point BallPicturePointAt(int x, int y, int height) {
  const bool turned = match.half == 2;
  const int groundY = turned ? match.mirrorY - y : y;
  const int raisedY = groundY - height / 2;
  // The perspective shift is taken at the raised point.
  const int xTurned = turned ? match.mirrorX - x : x;
  return {PerspectiveScreenX(xTurned, raisedY), raisedY - 8};
}

platform::Point BallPicturePoint() {
  return BallPicturePointAt(ball.x, ball.y, ball.height);
}

int LeftGoalScreenX() {
  return kLeftGoalMouthX - match.scrollX;
}

int RightGoalScreenX() {
  return kRightGoalMouthX - match.scrollX;
}

void ApplyNetRule() {
  const platform::Point p = BallPicturePoint();
  const int sx = p.x, sy = p.y;
  const int left = LeftGoalScreenX();
  const int right = RightGoalScreenX();
  const int top = match.goalTopY;

  if (sy < top - 4) {
    if (sx < left) match.offZone = 1;
    if (sx > right) match.offZone = 2;
  }
  if ((sy < top - 12 || sy > top + 84) && ball.height != 0 && ball.speed != 0) {
    if (ball.height < 18 && match.offZone == 0 &&
        (ball.x > match.pitchRight - 9 || ball.x < match.pitchLeft)) {
      ball.speed = 1;
    } else {
      if (sx - 8 < left) {
        ball.climb = 0;
        match.offZone = 1;
      }
      if (sx + 21 > right) {
        ball.climb = 0;
        match.offZone = 2;
      }
    }
  }
  if (sy > top - 16 && sy < top + 88 && (sx - 8 < left || sx + 17 > right)) ball.climb = 0;
}

bool BallInsideGoal() {
  return PictureInsideGoal(BallPicturePoint());
}

bool PictureInsideGoal(platform::Point p) {
  const int left = LeftGoalScreenX();
  const int right = RightGoalScreenX();
  const int top = match.goalTopY;
  return p.y > top - 8 && p.y < top + 80 && (p.x - 3 < left || p.x + 19 > right);
}

void SetViewOffset(int viewOffset) {
  match.scrollX = viewOffset;
}
