// The two sides' positional play: team A's players other than the controlled one, and the
// whole of team B, each with his own rule of fixed distances from the lines, the centre, the
// ball and team A's offside line.
#include "match/team_play.h"

#include <algorithm>
#include <cstdlib>

#include "match/animation.h"
#include "match/engine_helpers.h"
#include "match/frame_step.h"
#include "match/goalkeepers.h"
#include "match/kicks.h"
#include "match/match_state.h"
#include "match/restart_kicks.h"
#include "match/restarts.h"
#include "match/team_b_kicks.h"

namespace {

// Team A's forwards go to the ball when it is in their zone (a step towards it along x only,
// and only while they stand beyond it); otherwise to their rest point.
void ForwardToBallOrRest(int i, bool ballInZone, int restX, int restY) {
  PlayerState& p = teamA[std::size_t(i)];
  if (ballInZone) {
    if (p.x > ball.x) WalkTeamA(i, ball.x - 2, p.y);
    return;
  }
  WalkTeamA(i, restX, restY);
}

void PositionTeamA() {
  const int L = match.pitchLeft, R = match.pitchRight;
  const int CX = match.centreX, CY = match.centreY;
  const int BX = ball.x, BY = ball.y;
  const int c = engine::ControlledIndex();
  const int coverX = (BX < L + 180 && match.controlledPlayer != 1) ? BX : L + 180;
  const auto ruled = [c](int i) { return i != c; };
  const auto at = [](int i) -> PlayerState& { return teamA[std::size_t(i)]; };

  // Defenders.
  if (ruled(1) && (at(1).x > L + 180 || at(1).y < CY - 150)) WalkTeamA(1, coverX, CY - 150);
  if (ruled(2) && (at(2).y < CY + 30 || (at(2).y > CY + 150 && at(2).x != L + 180))) {
    WalkTeamA(2, coverX, CY + 30);
  }
  if (ruled(3) && (at(3).y < CY + 30 || (at(3).y > CY + 150 && at(3).x != L + 180))) {
    WalkTeamA(3, coverX, CY + 150);
  }
  if (ruled(4) && (at(4).x > L + 180 || at(4).y > CY - 30)) WalkTeamA(4, coverX, CY - 30);

  // Midfielders: they push up when the ball is beyond them.
  if (ruled(5) && (at(5).x < L + 360 || at(5).y > CY - 150)) {
    WalkTeamA(5, BX > L + 360 ? CX + 90 : L + 360, CY - 150);
  }
  if (ruled(6) && (at(6).x < L + 360 || at(6).y != CY + 30)) {
    WalkTeamA(6, BX > L + 360 ? CX + 120 : L + 360, CY + 30);
  }
  if (ruled(7) && (at(7).x < L + 360 || at(7).y != CY + 150)) {
    WalkTeamA(7, BX > L + 360 ? CX + 120 : L + 360, CY + 150);
  }

  // The centre forward follows a wide ball deep in team B's half.
  if (ruled(9)) {
    if ((BY < CY - 60 || BY > CY + 60) && BX > CX + 140) {
      WalkTeamA(9, BX >= R - 52 ? R - 52 : BX - 8, CY);
    } else {
      ForwardToBallOrRest(9, CY - 33 < BY && BY < CY + 33 && BX > CX - 16, CX + 180, CY);
    }
  }
  if (ruled(8)) {
    ForwardToBallOrRest(8, BY < CY - 30 && BX > L + 30 && BX > CX - 16, CX + 180, CY - 150);
  }
  if (ruled(10)) {
    ForwardToBallOrRest(10, BY > CY + 30 && BX > L + 30 && BX > CX - 16, CX + kForward10RestDx,
                        CY + kForward10RestDy);
  }
}

void EdgeRulesTeamA() {
  const int L = match.pitchLeft, T = match.pitchTop, B = match.pitchBottom;
  for (int i = 1; i < kPlayersPerSide; ++i) {
    PlayerState& p = teamA[std::size_t(i)];
    if (p.moved == 0 && p.x < ball.x && p.x < L + 20) WalkTeamA(i, p.x, ball.y);
    if (p.moved == 0 && p.y < T) WalkTeamA(i, p.x, T);
    if (p.moved == 0 && p.y > B - 5) WalkTeamA(i, p.x, B - 5);
  }
}

}  // namespace

int NearestTeamB(int limit) {
  int best = limit;
  int found = 0;
  for (int i = 1; i < kPlayersPerSide; ++i) {
    const int d = engine::ManhattanToBall(teamB[std::size_t(i)]);
    if (d < best) {
      best = d;
      found = i + 1;
    }
  }
  return found;
}

void UpdateTeamA() {
  for (PlayerState& p : teamA) p.moved = 0;
  if (KeeperStepsA()) return;
  PositionTeamA();
  if (PlayerState* controlled = engine::TeamAByNumber(match.controlledPlayer)) {
    controlled->moved = 1;
  }
  EdgeRulesTeamA();
  for (int i = 1; i < kPlayersPerSide; ++i) {
    match.offsideA[std::size_t(i)] = std::uint8_t(IsOffsideA(i));
    if (match.offsideA[std::size_t(i)] != 0) {
      const PlayerState& p = teamA[std::size_t(i)];
      WalkTeamA(i, p.x - 2 * match.walkStep, p.y);
    }
  }
  AnimateTeamA();
}

void WalkTeamB(int i, int tx, int ty) {
  if (!engine::IsIndex(i)) return;
  PlayerState& p = teamB[std::size_t(i)];
  const int dx0 = std::abs(p.x - tx);
  const int dy0 = std::abs(p.y - ty);
  const int startX = p.x;
  const int startY = p.y;
  ApplyGoalMouthRule(&tx, &ty, p.y);
  p.moved = 1;
  const int s = match.speedB[std::size_t(i)];
  const int stepMotion = match.stepMotionB[std::size_t(i)] + 1;
  int horizontal = 0;
  int vertical = 0;
  if (tx < p.x) {
    p.x = std::max(p.x - s, match.pitchLeft);
    p.motion = stepMotion;
    horizontal = 4;
  }
  if (tx > p.x) {
    p.x = std::min(p.x + (horizontal != 0 ? s - 1 : s), match.pitchRight);
    p.motion = stepMotion;
    horizontal = 6;
  }
  bool steppedUp = false;
  if (ty < p.y) {
    p.y = std::max(p.y - s, match.pitchTop);
    p.motion = stepMotion;
    vertical = 8;
    steppedUp = true;
  }
  if (ty > p.y) {
    p.y = std::min(p.y + (steppedUp ? s - 1 : s), match.pitchBottom);
    p.motion = stepMotion;
    vertical = 2;
  }
  if (horizontal != 0 && vertical != 0 && p.y == startY) vertical = 0;
  if (horizontal != 0) p.facing = horizontal;
  if (vertical != 0) p.facing = vertical;
  if (horizontal != 0 && vertical != 0 && dx0 > dy0) p.facing = horizontal;
  if (p.x == startX && p.y == startY) p.motion = 0;
}

namespace {

void ChaseB(int i) {
  WalkTeamB(i, ball.x + 2, ball.y);
}

// When the ball is loose, the nearest team B player within 50 px goes for it if he has the
// given role and stands still; a busy one hands over to whoever is within 20 px.
// Returns the index sent to the ball, 0 for none.
int SendNearestToBall(int firstIndex, int lastIndex) {
  const int k = NearestTeamB(50);
  if (k - 1 < firstIndex || k - 1 > lastIndex) return 0;
  if (teamB[std::size_t(k - 1)].motion == 0) {
    ChaseB(k - 1);
    return k - 1;
  }
  const int k2 = NearestTeamB(20);
  if (k2 == 0) return 0;
  ChaseB(k2 - 1);
  return k2 - 1;
}

void PositionTeamB() {
  const int L = match.pitchLeft, R = match.pitchRight;
  const int CX = match.centreX, CY = match.centreY;
  const int BX = ball.x, BY = ball.y;
  const auto marked = [](int i) { return match.chaseMarkB[std::size_t(i)] != 0; };
  const auto ownY = [](int i) { return teamB[std::size_t(i)].y; };

  if (BY < CY - 30 && BX > R - 286) ChaseB(1);
  if (CY - 31 < BY && BY < CY + 100 && BX > R - 300) ChaseB(2);
  if (BY > CY + 30 && BX > R - 286) ChaseB(3);
  if (BX > CX + 60) ChaseB(4);
  if (!marked(6)) {
    if (CY - 81 < BY && BY < CY + 81 && CX - 82 < BX && BX < CX + 82) {
      ChaseB(6);
    } else {
      WalkTeamB(6, match.offsideLineA + 240, ownY(6));
    }
  }
  if (!marked(5)) {
    if (BY < CY - 30 && CX - 15 < BX && BX < R - 285) {
      ChaseB(5);
    } else {
      WalkTeamB(5, CX + 30, ownY(5));
    }
  }
  if (!marked(7)) {
    if (BY > CY + 30 && CX - 15 < BX && BX < R - 285) {
      ChaseB(7);
    } else {
      WalkTeamB(7, CX - 30, ownY(7));
    }
  }
  if (CY - 31 < BY && BY < CY + 31 && L + 30 < BX && BX < CX) {
    ChaseB(9);
  } else if ((BY < CY - 60 || BY > CY + 60) && BX < CX - 140) {
    WalkTeamB(9, BX <= L + 42 ? L + 42 : BX + 8, CY);
  } else {
    WalkTeamB(9, match.offsideLineA + 6, CY);
  }
  if (BY < CY - 10 && L - 5 < BX && BX < CX) {
    ChaseB(8);
  } else {
    WalkTeamB(8, match.offsideLineA + 30, CY - 150);
  }
  if (BY > CY + 30 && L - 15 < BX && BX < CX) {
    ChaseB(10);
  } else {
    WalkTeamB(10, match.offsideLineA + 30, CY + 150);
  }
}

// Midfielders caught at a touch line come back into the pitch or go for the ball.
void MidfieldersAtTouchLines() {
  const int L = match.pitchLeft, R = match.pitchRight;
  for (int i = 5; i <= 7; ++i) {
    const PlayerState& p = teamB[std::size_t(i)];
    if (p.y >= 70 && p.y <= 440) continue;
    if (p.x < L + 100) {
      WalkTeamB(i, L + 110, p.y);
    } else if (p.x > R - 100) {
      WalkTeamB(i, R - 110, p.y);
    } else {
      ChaseB(i);
    }
  }
}

}  // namespace

void UpdateTeamB() {
  if (match.userKickTicks != 0) return;
  if (match.restartFreeze != 0) {
    KeeperFreezePoseB();
    return;
  }
  if (match.ballHolder == 1) return;
  for (PlayerState& p : teamB) p.moved = 0;
  match.chaseMarkB.fill(0);
  if (match.ballHolder == 12) {
    KeeperHoldB();
    return;
  }
  KeeperPositionB();

  // The outfield acts on its own rhythm.
  if (match.aiSkipCountB != 0) {
    match.aiSkipCountB -= 1;
    return;
  }
  match.aiSkipCountB = match.aiSkipB;

  if (match.ballHolder != 0 && match.ballHolder != match.lastPasserB) match.lastPasserB = 0;
  if (match.ballHolder > 12) {
    TeamBCarrierDecision();
  } else {
    if (match.ballHolder == 0) {
      const int sent = SendNearestToBall(5, 7);
      if (sent != 0) match.chaseMarkB[std::size_t(sent)] = 1;
    }
    PositionTeamB();
  }
  MidfieldersAtTouchLines();
  if (match.ballHolder == 0) SendNearestToBall(8, 10);
  for (int i = 1; i < kPlayersPerSide; ++i) {
    match.offsideB[std::size_t(i)] = std::uint8_t(IsOffsideB(i));
    if (match.offsideB[std::size_t(i)] != 0) {
      const PlayerState& p = teamB[std::size_t(i)];
      WalkTeamB(i, p.x + 2 * match.walkStep, p.y);
    }
  }
  // Anti-stall: a ball kept still too long is taken by a team B player close to it.
  if (match.ballStillTicks > 1000 && NearestTeamB(20) != 0) {
    KickBall(4);
    ball.speed = 7;
  }
  AnimateTeamB();
}
