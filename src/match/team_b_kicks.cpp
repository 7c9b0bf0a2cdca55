// Team B's ball carrier: a long shot, a header or chip in front of team A's goal, a cross
// from beside it, or a pass to the first team-mate nearer to team A's goal; forwards may
// shoot at random.
#include "match/team_b_kicks.h"

#include "base/game_flow_state.h"
#include "base/random_below.h"
#include "match/engine_helpers.h"
#include "match/kicks.h"
#include "match/match_state.h"

namespace {

void ShootB(bool quiet) {
  const int L = match.pitchLeft, CY = match.centreY;
  const auto earlyKick = [quiet](int d) {
    if (quiet) {
      KickBall(d);
    } else {
      KickWithSoundB(d);
    }
  };
  int aim = 4;  // straight at the goal
  if (match.kickOffPendingB != 0) {
    match.kickOffPendingB = 0;
    aim = 7;
  }
  if (ball.y < CY - 35) {
    aim = 1;
    if (TeamBMateInFront() != 0) {
      earlyKick(2);  // a cross down to him
      return;
    }
  }
  if (ball.y > CY + 40) {
    aim = 7;
    if (TeamBMateInFront() != 0) {
      earlyKick(8);
      return;
    }
  }
  if (ball.x > L + 60) {
    if (RandomBelow(5) == 1) {
      earlyKick(7);
      return;
    }
    if (RandomBelow(5) == 3) {
      earlyKick(1);
      return;
    }
  }
  KickWithSoundB(aim);
  ball.speed += 5;
  if (match.levelCode > 3) ball.speed += 3;
}

}  // namespace

int TeamBMateInFront() {
  const int L = match.pitchLeft, CY = match.centreY;
  for (int i = 1; i < kPlayersPerSide; ++i) {
    const PlayerState& p = teamB[std::size_t(i)];
    if (CY - 40 < p.y && p.y < CY + 40 && p.x < L + 90) return 1;
  }
  return 0;
}

void TeamBShot() {
  ShootB(false);
}
void TeamBShotQuiet() {
  ShootB(true);
}

int TeamBPass(int i) {
  if (i < 1 || i >= kPlayersPerSide) return 0;
  const PlayerState& carrier = teamB[std::size_t(i)];
  const bool forwards = RandomBelow(5) != 0;
  int receiver = 0;
  for (int n = 0; n < kPlayersPerSide - 1 && receiver == 0; ++n) {
    const int k = forwards ? 1 + n : 10 - n;
    if (k != i && teamB[std::size_t(k)].x < carrier.x) receiver = k;
  }
  if (receiver == 0) return 0;
  const int x = carrier.x, y = carrier.y;
  const int xk = teamB[std::size_t(receiver)].x, yk = teamB[std::size_t(receiver)].y;
  int d = 4;
  if (y < yk - 28) {  // the receiver is lower down
    d = xk < x - 28 ? 1 : 2;
  } else if (y > yk + 28) {  // higher up
    d = xk < x - 12 ? 7 : 8;
  }
  const int code = i + 12;
  if (match.lastPasserB != code) {
    KickWithSound(d);
  } else {
    KickBall(d);  // the same player's next pass is silent
  }
  match.faceRefresh = code;
  match.lastPasserB = code;
  return receiver;
}

void TeamBCarrierDecision() {
  const int code = match.ballHolder;
  if (!engine::IsTeamBCode(code) || code == 12) return;
  const int i = code - 12;
  const int L = match.pitchLeft, CY = match.centreY;
  const int BX = ball.x, BY = ball.y;

  // A long shot, except at the two lower Level settings against a strong side.
  if ((gameFlow.level <= 1 || match.levelCode < 4) && L + 70 < BX && BX < L + 140) {
    if (BY < CY - 40 || BY > CY + 40) {
      KickWithSoundB(BY < CY - 40 ? 1 : 7);
      ball.speed += 5;
      if (match.levelCode > 3) ball.speed += 3;
      match.faceRefresh = code;
      return;
    }
  }
  // In front of the goal: a header down, or a chip.
  if (L + 12 < BX && BX < L + 50 && CY - 40 < BY && BY < CY + 40) {
    if (9 < ball.height && ball.height < 20) {
      TeamBShot();
      PlayerState& carrier = teamB[std::size_t(i)];
      carrier.y = ball.y - ball.height / 2;
      carrier.pose = 20;
      ball.climb = -9;
      ball.speed += 3;
    } else {
      TeamBShot();
      ball.climb = 9;
      ball.speed += 1;
      match.faceRefresh = code;
    }
    return;
  }
  // Beside the goal: a lofted ball across.
  if (L + 12 < BX && BX < L + 46 && (BY < CY - 60 || BY > CY + 60)) {
    KickWithSoundB(BY < CY - 60 ? 2 : 8);
    ball.climb = 4;
    ball.speed -= 1;
    match.faceRefresh = code;
    return;
  }
  if (i >= 8) {
    const int r = RandomBelow(10);
    if (teamB[std::size_t(i)].x < L + 30 || r == 1) {
      TeamBShotQuiet();
      match.faceRefresh = code;
      return;
    }
  }
  if (TeamBPass(i) == 0) {
    TeamBShotQuiet();
    match.faceRefresh = code;
  }
}
