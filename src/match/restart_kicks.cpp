// The restarts taken in the frame the ball went out (throw-ins and corners) and the offside
// flag. Every restart is taken at once by a fixed player with a fixed kick.
#include "match/restart_kicks.h"

#include <algorithm>

#include "match/engine_helpers.h"
#include "match/kicks.h"
#include "match/match_state.h"
#include "match/restarts.h"

namespace {

int NearestMate(const std::array<PlayerState, kPlayersPerSide>& team, int k) {
  int chosen = 0;
  long long best = 70000;
  for (int i = 1; i < kPlayersPerSide; ++i) {
    if (i == k) continue;
    const long long d = engine::SquaredToBall(team[std::size_t(i)]);
    if (d < best) {
      best = d;
      chosen = i;
    }
  }
  return chosen == 0 ? 1 : chosen;
}

void PutOnBall(PlayerState& p) {
  p.x = ball.x;
  p.y = ball.y;
}

void Place(PlayerState& p, int x, int y) {
  p.x = x;
  p.y = y;
}

}  // namespace

int NearestMateA(int k) {
  return NearestMate(teamA, k);
}
int NearestMateB(int k) {
  return NearestMate(teamB, k);
}

void ThrowBall(int d) {
  ball.dir = d;
  ball.speed = engine::IsDiagonal(d) ? 9 : 10;
  ball.frictionCount = 2;
  ball.frictionPeriod = 2;
  ball.height = 8;
  ball.climb = 4;
  match.kickGrace = 2;
  match.ballHolder = 0;
  match.nearPlayer = 0;
}

void ThrowIn() {
  const int L = match.pitchLeft, R = match.pitchRight;
  const int thrower = ball.y > 400 ? 7 : 5;
  const bool upperLine = ball.y < match.centreY;
  if (match.lastToucher < 12) {  // team A played it out: team B throws
    const int receiver = NearestMateB(thrower);
    PutOnBall(teamB[std::size_t(thrower)]);
    if (upperLine) {
      ThrowBall(ball.x < L + 50 ? 2 : 1);
      Place(teamB[std::size_t(receiver)], ball.x - 60, ball.y + 50);
    } else {
      ThrowBall(ball.x < L + 50 ? 8 : 7);
      Place(teamB[std::size_t(receiver)], ball.x - 60, ball.y - 50);
    }
  } else {
    const int receiver = NearestMateA(thrower);
    PutOnBall(teamA[std::size_t(thrower)]);
    if (upperLine) {
      ThrowBall(ball.x > R - 150 ? 2 : 3);
      Place(teamA[std::size_t(receiver)], ball.x + 50, ball.y + 50);
    } else {
      ThrowBall(ball.x > R - 150 ? 8 : 9);
      Place(teamA[std::size_t(receiver)], ball.x + 50, ball.y - 50);
    }
  }
  ball.speed -= 3;
  match.kickGrace = 15;
}

void CornerKick() {
  ball.height = 0;
  ball.x = ball.x < match.centreX ? match.pitchLeft : match.pitchRight;
  const int taker = ball.y > 400 ? 7 : 5;
  const bool upperCorner = ball.y < match.centreY;
  if (match.lastToucher < 12) {  // team B's corner, at team A's goal line
    PutOnBall(teamB[std::size_t(taker)]);
    KickWithSound(upperCorner ? 3 : 9);
    match.faceRefresh = taker + 12;
  } else {
    PutOnBall(teamA[std::size_t(taker)]);
    KickWithSound(upperCorner ? 1 : 7);
    match.faceRefresh = taker + 1;
  }
  ball.climb = 7;
  ball.speed += 1;
  match.kickGrace = 15;
  match.ballHolder = 0;
}

bool CheckTouchLines() {
  bool thrown = false;
  if (ball.y < match.pitchTop) {
    ball.y = match.pitchTop - 5;
    ThrowIn();
    match.matchEvent = MatchEvent::kMoved;
    thrown = true;
  }
  if (ball.y > match.pitchBottom - 1) {
    ball.y = match.pitchBottom - 1;
    ThrowIn();
    match.matchEvent = MatchEvent::kMoved;
    thrown = true;
  }
  return thrown;
}

int IsOffsideA(int i) {
  if (!engine::IsIndex(i)) return 0;
  const int x = teamA[std::size_t(i)].x;
  if (ball.x + 10 >= x) return 0;
  int beyond = 0;
  for (const PlayerState& opponent : teamB) {
    if (x <= opponent.x && ++beyond >= 2) return 0;
  }
  return 1;
}

int IsOffsideB(int i) {
  if (!engine::IsIndex(i)) return 0;
  const int x = teamB[std::size_t(i)].x;
  if (x >= ball.x - 10) return 0;
  int beyond = 0;
  for (const PlayerState& opponent : teamA) {
    if (opponent.x <= x && ++beyond >= 2) return 0;
  }
  return 1;
}
