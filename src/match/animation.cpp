// The players' sprite poses: a walking player alternates between the two poses of the
// direction he faces on the screen; a kicker's pose is refreshed once after his kick.
#include "match/animation.h"

#include "match/engine_helpers.h"
#include "match/match_state.h"
#include "match/team_play.h"

int SpriteFacing(int facing, bool mirrored) {
  switch (facing) {
    case 1:
    case 4:
    case 7:
      return mirrored ? 3 : 2;
    case 2:
    case 8:
      return 1;
    case 3:
    case 6:
    case 9:
      return mirrored ? 2 : 3;
    default:
      return 0;
  }
}

namespace {

// The pose becomes b if it is a or the other pair's first pose, else a.
int Alternate(int pose, int a, int b, int otherFirst) {
  return (pose == a || pose == otherFirst) ? b : a;
}

// The pose for a facing class: 0 the kick-off pose, 1 vertical, 2 left, 3 right on screen.
int WalkingPose(int pose, int facingClass, bool keeper) {
  switch (facingClass) {
    case 1:
      return Alternate(pose, 1, 2, -1);
    case 2:
      return keeper ? Alternate(pose, 4, 5, 6) : Alternate(pose, 30, 31, 32);
    case 3:
      return keeper ? Alternate(pose, 6, 7, 4) : Alternate(pose, 32, 33, 30);
    default:
      return 0;
  }
}

bool Mirrored() {
  return match.half != 1;
}

}  // namespace

void AnimatePlayerA(int i) {
  if (!engine::IsIndex(i)) return;
  PlayerState& p = teamA[std::size_t(i)];
  const int code = i + 1;
  if (p.pose == 20) {  // a special pose held for one step
    p.pose = 7;
    p.moved = 1;
    match.faceRefresh = 0;
  }
  if (p.motion == 0 && match.faceRefresh != code) return;
  p.moved = 1;
  p.pose = WalkingPose(p.pose, SpriteFacing(p.facing, Mirrored()), i == 0);
  if (match.faceRefresh == code) {
    match.faceRefresh = 0;
    if (i == 0) p.pose = engine::SecondHalf() ? 5 : 7;
  }
}

void AnimateTeamA() {
  for (int i = 0; i < kPlayersPerSide; ++i) AnimatePlayerA(i);
}

void AnimateTeamB() {
  for (int i = 0; i < kPlayersPerSide; ++i) {
    PlayerState& p = teamB[std::size_t(i)];
    const int code = i + 12;
    if (p.pose == 20) {
      p.pose = 7;
      p.moved = 1;
    }
    if (p.motion == 0 && match.faceRefresh != code) continue;
    p.moved = 1;
    int facingClass = SpriteFacing(p.facing, Mirrored());
    if (i != 0 && match.faceRefresh == code) {
      // The kicker is shown facing team A's goal.
      if (!engine::SecondHalf() && facingClass == 3) facingClass = 2;
      if (engine::SecondHalf() && facingClass == 2) facingClass = 3;
    }
    p.pose = WalkingPose(p.pose, facingClass, i == 0);
    if (match.faceRefresh == code) {
      match.faceRefresh = 0;
      if (i == 0) p.pose = engine::SecondHalf() ? 7 : 5;
    }
  }
}
