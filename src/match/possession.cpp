// Who has the ball, who is nearest to it, the user's command for the controlled player, his
// slide, the choice of the controlled player and the run-down of the others' motion.
#include "match/possession.h"

#include <algorithm>
#include <cstdlib>

#include "match/animation.h"
#include "match/control_state.h"
#include "match/engine_helpers.h"
#include "match/frame_step.h"
#include "match/goalkeepers.h"
#include "match/kicks.h"
#include "match/match_state.h"
#include "match/team_play.h"

namespace {

// The ball is pushed ahead of the controlled player while he is at it.
void Dribble(int r) {
  const int c = engine::ControlledIndex();
  if (c < 0) return;
  const PlayerState& p = teamA[std::size_t(c)];
  const int px = p.x + 8;
  const int py = p.y + 8;
  if (!(ball.x - r < px && px < ball.x + r && ball.y - r < py && py < ball.y + r)) return;
  const int push = 3 + match.walkStep / 4;
  switch (p.slideDir) {
    case 4:
      ball.x -= 3 + match.walkStep / 2;
      break;
    case 1:
    case 2:
    case 3:
    case 6:
    case 7:
    case 8:
    case 9:
      ball.x += DirectionDx(p.slideDir) * push;
      ball.y += DirectionDy(p.slideDir) * push;
      break;
    default:
      break;
  }
}

}  // namespace

void UpdatePossession() {
  if (match.possessionBlockTicks != 0) {
    match.ballHolder = 0;
    return;
  }
  if (match.restartFreeze != 0) {
    match.restartFreeze -= 1;
    return;
  }
  if (match.kickGrace != 0) {
    if (ball.speed == 0) {
      match.kickGrace = 0;
    } else {
      match.kickGrace -= 1;
      match.ballHolder = 0;
      return;
    }
  }
  const int r = match.levelCode < 4 ? 10 : 14;
  const int oldHolder = match.ballHolder;
  match.ballHolder = 0;
  long long best = 400;
  const auto consider = [&](const PlayerState& p, std::uint8_t offside, int code) {
    if (!(ball.x - r < p.x && p.x < ball.x + r && ball.y - r < p.y && p.y < ball.y + r)) return;
    const long long d = engine::SquaredToBall(p);
    if (d < best && ball.height < 10 && offside == 0) {
      match.ballHolder = code;
      match.lastToucher = code;
      best = d;
    }
  };
  for (int i = 0; i < kPlayersPerSide; ++i) {
    consider(teamA[std::size_t(i)], match.offsideA[std::size_t(i)], i + 1);
  }
  for (int i = 0; i < kPlayersPerSide; ++i) {
    consider(teamB[std::size_t(i)], match.offsideB[std::size_t(i)], i + 12);
  }
  if (match.ballHolder != oldHolder && match.ballHolder != 0) ball.speed = 0;
  if (engine::IsTeamACode(match.ballHolder)) {
    if (match.controlledPlayer != match.ballHolder) {
      match.controlledPlayer = match.ballHolder;
      match.matchEvent = MatchEvent::kMoved;
      const PlayerState& holder = teamA[std::size_t(match.ballHolder - 1)];
      if (ball.x > holder.x + r / 2) ball.x = holder.x + r / 2;
    }
  }
  Dribble(r);
}

void UpdateNearPlayer() {
  if (match.restartFreeze != 0) return;
  if (match.kickGrace != 0 && ball.speed != 0) {
    match.nearPlayer = 0;
    return;
  }
  if (match.nearSticky == 0) match.nearPlayer = 0;
  long long best = 400;
  for (int side = 0; side < 2; ++side) {
    for (int i = 0; i < kPlayersPerSide; ++i) {
      const PlayerState& p = side == 0 ? teamA[std::size_t(i)] : teamB[std::size_t(i)];
      const std::uint8_t offside =
          side == 0 ? match.offsideA[std::size_t(i)] : match.offsideB[std::size_t(i)];
      if (!(ball.x - 14 < p.x && p.x < ball.x + 14 && ball.y - 14 < p.y && p.y < ball.y + 14)) {
        continue;
      }
      const long long d = engine::SquaredToBall(p);
      if (d >= best || offside != 0) continue;
      match.nearPlayer = side == 0 ? i + 1 : i + 12;
      best = d;
      if (side == 0 && match.nearSticky == 0) match.nearSticky = 100;
    }
  }
}

void ReadUserCommand() {
  match.currentCommand = controlState.keyCommand;
  controlState.keyCommand = 0;
  if (match.currentCommand == 0) return;
  if (match.userKickTicks != 0 || match.ballHolder == 1) return;
  if (engine::SecondHalf()) {
    // A key means the same direction on the screen, which is turned round in this half.
    switch (match.currentCommand) {
      case 2:
        match.currentCommand = 8;
        break;
      case 8:
        match.currentCommand = 2;
        break;
      case 4:
        match.currentCommand = 6;
        break;
      case 6:
        match.currentCommand = 4;
        break;
      default:
        break;
    }
  }
  if (match.controlledPlayer == 1) return;  // the goalkeeper is never steered by the user
  const int c = engine::ControlledIndex();
  if (c < 0) return;
  PlayerState& p = teamA[std::size_t(c)];
  match.matchEvent = MatchEvent::kMoved;
  const int m0 = p.motion;
  switch (match.currentCommand) {
    case 2:
    case 4:
    case 6:
    case 8:
      if (p.slideDir != match.currentCommand) match.nearSticky = 0;
      p.slideDir = match.currentCommand;
      p.motion = match.motionBase + 3;
      p.facing = match.currentCommand;
      break;
    case 1:
      match.currentCommand = UserCommand::kZ;
      break;
    case 3:
      match.currentCommand = UserCommand::kX;
      break;
    case 7:
      match.currentCommand = UserCommand::kQ;
      break;
    case 9:
      match.currentCommand = UserCommand::kW;
      break;
    case '*':
    case ':':
      match.currentCommand = UserCommand::kS;
      break;
    case '/':
    case '?':
      match.currentCommand = UserCommand::kA;
      break;
    default:
      break;
  }
  if (m0 == 0) AnimatePlayerA(c);
  HandleKickCommand();
}

void ApplySlide() {
  const int c = engine::ControlledIndex();
  if (c < 0) return;
  PlayerState& p = teamA[std::size_t(c)];
  if (p.motion == 0) return;
  int x = p.x + DirectionDx(p.slideDir) * p.motion;
  int y = p.y + DirectionDy(p.slideDir) * p.motion;
  ApplyGoalMouthRule(&x, &y, p.y);
  match.matchEvent = MatchEvent::kMoved;
  p.motion -= 1;
  // y stays within 54 ... mirrorY - 54, 6 px beyond the touch lines. x is kept the same
  // 6 px beyond the goal lines: the slide alone would carry a player held on an arrow key
  // off the screen for good.
  p.x = std::clamp(x, match.pitchLeft - kSlideMargin, match.pitchRight + kSlideMargin);
  p.y = std::clamp(y, kSlideTopY, match.mirrorY - kSlideTopY);
}

void AutoSelectControlled() {
  if (engine::IsTeamACode(match.ballHolder)) return;
  const int L = match.pitchLeft, R = match.pitchRight;
  int chosen = 0;
  long long best = 60000;
  for (int i = 1; i < kPlayersPerSide; ++i) {
    const PlayerState& p = teamA[std::size_t(i)];
    if (match.offsideA[std::size_t(i)] != 0) continue;
    if (!(L - 2 < p.x && p.x < R + 2)) continue;
    if (!(std::max(0, ball.y - 100) < p.y && p.y < ball.y + 100)) continue;
    const long long d = engine::SquaredToBall(p);
    if (d < best) {
      best = d;
      chosen = i + 1;
    }
  }
  if (chosen == 0) {
    long long nearest = 2000;
    for (int i = 1; i < kPlayersPerSide; ++i) {
      const PlayerState& p = teamA[std::size_t(i)];
      if (match.offsideA[std::size_t(i)] != 0) continue;
      const long long d = std::llabs(p.x - ball.x) + std::llabs(p.y - ball.y) / 2;
      if (d < nearest) {
        nearest = d;
        chosen = i + 1;
      }
    }
  }
  if (chosen != 0) match.controlledPlayer = chosen;
}

void CountDownMotion() {
  const auto countDown = [](PlayerState& p, bool keeper) {
    if (p.motion == 0) return;
    p.motion -= 1;
    if (p.motion == 0) {
      p.moved = 1;
      if (keeper) p.pose = 3;
    }
  };
  for (int i = 0; i < kPlayersPerSide; ++i) {
    if (i + 1 != match.controlledPlayer) countDown(teamA[std::size_t(i)], i == 0);
  }
  for (int i = 0; i < kPlayersPerSide; ++i) countDown(teamB[std::size_t(i)], i == 0);
}
