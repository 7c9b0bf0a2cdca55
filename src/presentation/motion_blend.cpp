// The positions drawn between two rule frames.
#include "presentation/motion_blend.h"

#include <algorithm>
#include <cstdlib>

#include "base/record_resets.h"
#include "match/match_state.h"

MotionBlend motionBlend;

namespace {

platform::Point RulePlayer(int object) {
  const PlayerState& p = object < kPlayersPerSide ? teamA[std::size_t(object)]
                                                  : teamB[std::size_t(object - kPlayersPerSide)];
  return {p.x, p.y};
}

DrawnBallPosition RuleBall() {
  return {ball.x, ball.y, ball.height};
}

bool Jumped(int from, int to) {
  return std::abs(to - from) > kPlacementDistance;
}

int Between(int from, int to, int fraction) {
  return from + (to - from) * fraction / kBlendWhole;
}

// The records as `to`, and `from` the same: nothing slides.
void TakeRecords() {
  for (int k = 0; k < 2 * kPlayersPerSide; ++k)
    motionBlend.toPlayers[std::size_t(k)] = RulePlayer(k);
  motionBlend.toBall = RuleBall();
  motionBlend.fromPlayers = motionBlend.toPlayers;
  motionBlend.fromBall = motionBlend.toBall;
  motionBlend.half = match.half;
  motionBlend.known = true;
  motionBlend.sliding = false;
  motionBlend.fraction = kBlendWhole;
  motionBlend.frameCurrent = false;
}

}  // namespace

void SetMotionBlending(bool on) {
  motionBlend.enabled = on;
  TakeRecords();
}

void NoteRuleFrame(bool placedAll) {
  MotionBlend& b = motionBlend;
  b.frameTime = platform::TickCount();
  if (!b.enabled || !b.known || placedAll || b.half != match.half) {
    TakeRecords();
    return;
  }
  b.fromPlayers = b.toPlayers;
  b.fromBall = b.toBall;
  b.sliding = false;
  for (int k = 0; k < 2 * kPlayersPerSide; ++k) {
    const platform::Point to = RulePlayer(k);
    platform::Point& from = b.fromPlayers[std::size_t(k)];
    if (Jumped(from.x, to.x) || Jumped(from.y, to.y)) from = to;
    b.sliding = b.sliding || from.x != to.x || from.y != to.y;
    b.toPlayers[std::size_t(k)] = to;
  }
  const DrawnBallPosition to = RuleBall();
  if (Jumped(b.fromBall.x, to.x) || Jumped(b.fromBall.y, to.y) ||
      Jumped(b.fromBall.height, to.height)) {
    b.fromBall = to;
  }
  b.sliding =
      b.sliding || b.fromBall.x != to.x || b.fromBall.y != to.y || b.fromBall.height != to.height;
  b.toBall = to;
  b.fraction = b.sliding ? 0 : kBlendWhole;
}

void PlaceAllObjects() {
  TakeRecords();
}

bool AdvanceBlend(std::uint64_t now) {
  MotionBlend& b = motionBlend;
  if (!b.enabled || !b.sliding) return false;
  const std::uint64_t elapsed = now > b.frameTime ? now - b.frameTime : 0;
  const int fraction =
      int(std::min<std::uint64_t>(kBlendWhole, elapsed * kBlendWhole / kRuleFrameMs));
  if (fraction == b.fraction) return false;
  b.fraction = fraction;
  if (fraction == kBlendWhole) b.sliding = false;
  return true;
}

platform::Point DrawnPlayer(bool teamB, int index) {
  const int k = teamB ? kPlayersPerSide + index : index;
  const MotionBlend& b = motionBlend;
  if (!b.enabled || !b.known || b.fraction >= kBlendWhole) return RulePlayer(k);
  const platform::Point from = b.fromPlayers[std::size_t(k)];
  const platform::Point to = b.toPlayers[std::size_t(k)];
  return {Between(from.x, to.x, b.fraction), Between(from.y, to.y, b.fraction)};
}

DrawnBallPosition DrawnBall() {
  const MotionBlend& b = motionBlend;
  if (!b.enabled || !b.known || b.fraction >= kBlendWhole) return RuleBall();
  return {Between(b.fromBall.x, b.toBall.x, b.fraction),
          Between(b.fromBall.y, b.toBall.y, b.fraction),
          Between(b.fromBall.height, b.toBall.height, b.fraction)};
}

void ResetMotionBlend() {
  motionBlend = MotionBlend{};
}

namespace {
const bool kMotionBlendRegistered = RegisterRecordReset(ResetMotionBlend);
}  // namespace
