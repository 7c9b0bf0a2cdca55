// The two goalkeepers. A keeper stays on his goal line and follows the ball's y inside a band
// in front of his goal; he steps out to a ball lying still in his area, reaches for a ball
// that comes close, and once he holds the ball keeps it a moment and kicks it out long.
#include "match/goalkeepers.h"

#include <algorithm>

#include "match/engine_helpers.h"
#include "match/kicks.h"
#include "match/match_state.h"

namespace {

// Band margins: the band reaches from CY + up - 60 to CY + 60 - down.
int BandUp() {
  return engine::SecondHalf() ? 20 : 5;
}
int BandDown() {
  return engine::SecondHalf() ? 5 : 20;
}

void StandStill(PlayerState& k) {
  k.motion = 0;
  k.pose = 3;
  k.moved = 1;
}

// Steps towards a ball lying still in the keeper's area: x first, then y, never past it.
void ComeOut(PlayerState& k, int step) {
  if (k.x < ball.x) {
    k.x = std::min(k.x + step, ball.x);
    k.facing = 6;
    k.motion = 2;
  } else if (k.x > ball.x) {
    k.x = std::max(k.x - step, ball.x);
    k.facing = 4;
    k.motion = 2;
  }
  if (k.y < ball.y) {
    k.y = std::min(k.y + step, ball.y);
    k.facing = 2;
    k.motion = 2;
  } else if (k.y > ball.y) {
    k.y = std::max(k.y - step, ball.y);
    k.facing = 8;
    k.motion = 2;
  }
  match.matchEvent = MatchEvent::kMoved;
}

// Back into the band when he has left it. True when he stepped.
bool BackIntoBand(PlayerState& k, int step) {
  const int CY = match.centreY;
  if (k.y < CY - 60) {
    k.y = std::min(k.y + step, CY - 60);
    k.facing = 2;
  } else if (k.y > CY + 60) {
    k.y = std::max(k.y - step, CY + 60);
    k.facing = 8;
  } else {
    return false;
  }
  k.motion = 2;
  match.matchEvent = MatchEvent::kMoved;
  return true;
}

// Following the ball's y within the band, with the reaching poses. `reachUp` and
// `reachDown` tell whether the ball is close enough in x for a reach, `upPose` and
// `downPose` are the poses for it.
void FollowBall(PlayerState& k, int step, bool teamAKeeper) {
  const int CY = match.centreY;
  const auto closeInX = [&] { return teamAKeeper ? ball.x < k.x + 30 : ball.x > k.x - 30; };
  const bool second = engine::SecondHalf();
  if (ball.y < k.y) {
    k.facing = 8;
    k.motion = 10;
    if (k.y - step < ball.y) {
      k.y = ball.y;
      StandStill(k);
    } else {
      k.y -= step;
    }
    if (k.y < CY + BandUp() - 60) {
      k.y = CY + BandUp() - 60;
      StandStill(k);
    }
    if (ball.y > k.y - 30 && closeInX()) {
      k.motion = 0;
      k.pose = teamAKeeper ? (second ? 10 : 11) : (second ? 11 : 10);
      k.moved = 1;
    }
    match.matchEvent = MatchEvent::kMoved;
  }
  if (ball.y > k.y) {
    k.facing = 2;
    k.motion = 10;
    if (k.y + step > ball.y) {
      k.y = ball.y;
      StandStill(k);
    } else {
      k.y += step;
    }
    if (k.y > CY + 60 - BandDown()) {
      k.y = CY + 60 - BandDown();
      StandStill(k);
    }
    if (ball.y < k.y + 30 && closeInX()) {
      k.motion = 0;
      k.pose = teamAKeeper ? (second ? 8 : 9) : (second ? 9 : 8);
      k.moved = 1;
    }
    match.matchEvent = MatchEvent::kMoved;
  }
}

// Depth: the keeper steps off his line towards a ball just in front of the goal, and back
// onto it otherwise. `line` is his goal-line x, `front` the farthest x he steps to.
void KeepDepth(PlayerState& k, int step, int line, int front) {
  const int CY = match.centreY;
  const bool ballInFront = CY - 50 < ball.y && ball.y < CY + 50 && std::min(line, front) < ball.x &&
                           ball.x < std::max(line, front);
  const int outward = front > line ? 1 : -1;
  if (ballInFront) {
    k.x = outward > 0 ? std::min(k.x + step, front) : std::max(k.x - step, front);
    k.facing = outward > 0 ? 6 : 4;
  } else if (outward > 0 ? k.x > line : k.x < line) {
    k.x = outward > 0 ? std::max(k.x - step, line) : std::min(k.x + step, line);
    k.facing = outward > 0 ? 4 : 6;
  } else {
    return;
  }
  k.motion = 2;
  match.matchEvent = MatchEvent::kMoved;
}

bool BallStillInArea(bool teamAKeeper) {
  const int CY = match.centreY;
  const bool inArea = teamAKeeper ? ball.x < match.pitchLeft + 90 : ball.x > match.pitchRight - 90;
  return inArea && CY - 90 < ball.y && ball.y < CY + 90 && match.ballStillTicks > 200;
}

// The holding keeper: the ball sits on him. With one tick of the hold left he kicks it out
// long in `direction` (nobody may take it for a while); a hold starts with `holdTicks`.
void HoldAndKickOut(PlayerState& k, int holdTicks, int direction, void (*kick)(int), int extraSpeed,
                    int refreshCode) {
  ball.x = k.x;
  ball.y = k.y;
  match.matchEvent = MatchEvent::kMoved;
  if (match.keeperHoldTicks == 1) {
    k.facing = direction;
    k.pose = 3;
    k.motion = 0;
    kick(direction);
    ball.speed += extraSpeed;
    ball.climb = 5;
    match.faceRefresh = refreshCode;
    match.kickGrace = 100;
    match.restartFreeze = 20;
    match.ballHolder = 0;
  }
  if (match.keeperHoldTicks == 0) match.keeperHoldTicks = holdTicks;
}

}  // namespace

bool KeeperStepsA() {
  PlayerState& k = teamA[0];
  const int step = match.walkStep;
  if (match.ballHolder == 1) HoldAndKickOut(k, 25, 6, KickWithSound, 3, 1);
  if (match.ballHolder != 1 && match.ballHolder != 12) match.keeperHoldTicks = 0;
  if (match.faceRefresh == 1) k.pose = engine::SecondHalf() ? 4 : 6;
  if (match.keeperHoldTicks != 0) return true;

  if (BallStillInArea(true)) {
    ComeOut(k, step);
  } else if (!BackIntoBand(k, step)) {
    FollowBall(k, step, true);
    KeepDepth(k, step, match.pitchLeft + 10, match.pitchLeft + 26);
  }
  return false;
}

void KeeperFreezePoseB() {
  if (match.faceRefresh == 12) teamB[0].pose = engine::SecondHalf() ? 6 : 4;
}

void KeeperHoldB() {
  HoldAndKickOut(teamB[0], 5, 4, KickWithSoundB, 4, 12);
}

void KeeperPositionB() {
  match.keeperHoldTicks = 0;
  if (match.keeperSkipCountB != 0) {
    match.keeperSkipCountB -= 1;
    return;
  }
  PlayerState& k = teamB[0];
  const int step = match.speedB[0];
  if (BallStillInArea(false)) {
    ComeOut(k, step);
  } else if (!BackIntoBand(k, step)) {
    FollowBall(k, step, false);
    KeepDepth(k, step, match.pitchRight - 22, match.pitchRight - 38);
  }
  match.keeperSkipCountB = match.keeperSkipB;
}
