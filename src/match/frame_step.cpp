// The pieces of the frame step that are pure rules: the saved positions of the previous
// frame, team A's offside line, the ball's motion and team A's walk and run.
#include "match/frame_step.h"

#include <algorithm>

#include "base/record_resets.h"
#include "match/engine_helpers.h"
#include "match/match_state.h"

SavedFramePositions savedFrame;

void ResetSavedFrame() {
  savedFrame = SavedFramePositions{};
}

void SaveFramePositions() {
  for (int i = 0; i < kPlayersPerSide; ++i) {
    savedFrame.points[std::size_t(i)] = {teamA[std::size_t(i)].x, teamA[std::size_t(i)].y};
    savedFrame.points[std::size_t(i + 11)] = {teamB[std::size_t(i)].x, teamB[std::size_t(i)].y};
  }
  savedFrame.points[22] = {ball.x, ball.y - ball.height / 2};
  savedFrame.points[23] = {ball.x, ball.y};
  match.previousControlled = match.controlledPlayer;
}

void UpdateOffsideLine() {
  int line = ball.x;
  for (int i = 1; i < kPlayersPerSide; ++i) line = std::min(line, teamA[std::size_t(i)].x);
  match.offsideLineA = line;
}

void MoveBallHeight() {
  if (ball.climb >= 0) {
    ball.height += ball.climb;
    ball.climb -= 1;
  }
  if (ball.climb < 0) {
    if (ball.height != 0) ball.height += ball.climb;
    ball.climb -= 1;
  }
  if (ball.height <= 0) {
    ball.height = 0;
    ball.climb = 0;
  }
}

void ApplyBallFriction() {
  ball.frictionCount -= 1;
  if (ball.frictionCount < 1) {
    ball.speed -= 1;
    ball.frictionCount = ball.climb > 0 ? ball.frictionPeriod + 10 : ball.frictionPeriod;
  }
}

void MoveBall() {
  MoveBallHeight();
  if (ball.speed <= 0) return;
  ball.x += DirectionDx(ball.dir) * ball.speed;
  ball.y += DirectionDy(ball.dir) * ball.speed;
  match.matchEvent = MatchEvent::kMoved;
  ApplyBallFriction();
}

bool ApplyGoalMouthRule(int* tx, int* ty, int currentY) {
  const bool inBand = engine::SecondHalf()
                          ? (*ty > match.goalTopY + 4 && *ty < match.goalBottomY + 36)
                          : (*ty > match.goalTopY - 8 && *ty < match.goalBottomY + 24);
  if (!inBand) return false;
  const int lowest = teamA[0].x + 4;
  const int highest = teamB[0].x - 4;
  bool changed = false;
  if (*tx < lowest) {
    *tx = lowest;
    *ty = currentY;
    changed = true;
  }
  if (*tx > highest) {
    *tx = highest;
    *ty = currentY;
    changed = true;
  }
  return changed;
}

namespace {

// One step of team A's player i towards (tx, ty) by `step` pixels on each axis, clamped to
// the pitch; a step that is taken gives the player `motion` and raises matchEvent.
void StepTeamA(int i, int tx, int ty, int step, int motion) {
  if (!engine::IsIndex(i)) return;
  PlayerState& p = teamA[std::size_t(i)];
  const int startX = p.x;
  const int startY = p.y;
  int horizontal = 0;
  int vertical = 0;
  p.moved = 1;
  if (tx < p.x) {
    p.x = std::max(p.x - step, match.pitchLeft);
    horizontal = 4;
  }
  if (p.x < tx) {
    p.x = std::min(p.x + step, match.pitchRight);
    horizontal = 6;
  }
  if (ty < p.y) {
    p.y = std::max(p.y - step, match.pitchTop);
    vertical = 8;
  }
  if (p.y < ty) {
    p.y = std::min(p.y + step, match.pitchBottom);
    vertical = 2;
  }
  if (horizontal != 0 || vertical != 0) {
    p.motion = motion;
    match.matchEvent = MatchEvent::kMoved;
  }
  if (horizontal != 0 && vertical != 0 && p.y == startY) vertical = 0;
  if (horizontal != 0) p.facing = horizontal;
  if (vertical != 0) p.facing = vertical;
  if (p.x == startX && p.y == startY && i + 1 != match.controlledPlayer) p.motion = 0;
}

}  // namespace

void WalkTeamA(int i, int tx, int ty) {
  if (!engine::IsIndex(i)) return;
  ApplyGoalMouthRule(&tx, &ty, teamA[std::size_t(i)].y);
  StepTeamA(i, tx, ty, match.walkStep, match.motionBase + 1);
}

void RunTeamA(int i, int tx, int ty) {
  StepTeamA(i, tx, ty, 12, match.motionBase + 5);
}

namespace {
const bool kSavedFrameRegistered = RegisterRecordReset(ResetSavedFrame);
}  // namespace
