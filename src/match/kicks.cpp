// The kick routines that give the ball its direction, speed, climb and friction, and the
// user's kicks: passes, shots, headers, crosses, touches at the ball and the queued kick of a
// player who first runs to the ball.
#include "match/kicks.h"

#include <cstdlib>

#include "base/game_flow_state.h"
#include "match/control_state.h"
#include "match/engine_helpers.h"
#include "match/frame_step.h"
#include "match/match_state.h"
#include "match/team_play.h"
#include "platform/platform.h"

namespace {

// Direction and speed of the common kick: 9 on a diagonal, 10 straight; any other d leaves
// both as they are.
void AimBall(int d) {
  if (d >= 1 && d <= 9 && d != 5) {
    ball.dir = d;
    ball.speed = engine::IsDiagonal(d) ? 9 : 10;
  }
}

void PlayKickSound() {
  if (gameFlow.soundOff == 0) platform::PlaySound("kick.wav", true);
}

bool IsKickCommand(int command) {
  switch (command) {
    case UserCommand::kCross:
    case UserCommand::kP:
    case UserCommand::kA:
    case UserCommand::kQ:
    case UserCommand::kS:
    case UserCommand::kW:
    case UserCommand::kX:
    case UserCommand::kZ:
      return true;
    default:
      return false;
  }
}

// The diagonals of the passes and shots, by the screen: "down" and "up" are turned round with
// the picture in the second half.
int DownDiagonal(bool facesRight) {
  const bool second = engine::SecondHalf();
  return facesRight ? (second ? 9 : 3) : (second ? 7 : 1);
}
int UpDiagonal(bool facesRight) {
  const bool second = engine::SecondHalf();
  return facesRight ? (second ? 3 : 9) : (second ? 1 : 7);
}

// A pass, shot or cross of team A's kicker on the ground (or the same pass in the air).
void PlayGroundKick(int command, bool facesRight, const PlayerState& kicker) {
  switch (command) {
    case UserCommand::kS:
      KickWithSound(facesRight ? 6 : 4);
      break;
    case UserCommand::kX:
      KickWithSound(DownDiagonal(facesRight));
      break;
    case UserCommand::kW:
      KickWithSound(UpDiagonal(facesRight));
      break;
    case UserCommand::kA:
      ShootBall(facesRight ? 6 : 4);
      break;
    case UserCommand::kZ:
      ShootBall(DownDiagonal(facesRight));
      break;
    case UserCommand::kQ:
      ShootBall(UpDiagonal(facesRight));
      break;
    case UserCommand::kCross:
    case UserCommand::kP:
      CrossKick(kicker.y < match.centreY ? 2 : 8);
      break;
    default:
      break;
  }
}

// A shot at a ball in the air: always towards team B's goal, the ball headed down.
void PlayHeader(int command, PlayerState& player) {
  const bool second = engine::SecondHalf();
  switch (command) {
    case UserCommand::kA:
      ShootBall(6);
      break;
    case UserCommand::kZ:
      ShootBall(second ? 9 : 3);
      break;
    default:
      ShootBall(second ? 3 : 9);
      break;  // "Q"
  }
  player.y = ball.y - ball.height / 2;
  player.pose = 20;
  match.possessionBlockTicks = 60;
  if (ball.climb > 0) ball.climb = -1;
  if (ball.height > 20) {
    ball.climb = -15;
  } else if (ball.height > 9) {
    ball.climb = -9;
  }
  ball.speed += 3;
}

void QueueKick(int command, int c) {
  match.userKickTicks = 100;
  match.kicker = match.controlledPlayer;
  match.queuedKick = command;
  match.kickerFacesRight = FacesRight(c);
}

// A touch of the ball with a movement command: it is lined up with the player and rolls a
// few pixels in the command's direction.
void TouchBall(int command, const PlayerState& p) {
  const auto touch = [command] {
    ball.dir = command;
    ball.speed = match.motionBase + 5;
    ball.frictionCount = 1;
    ball.frictionPeriod = 1;
  };
  const auto towardsRow = [&p] {
    if (!engine::SecondHalf()) {
      if (p.y + 3 > ball.y && ball.y < match.pitchBottom - 6) ball.y += 1;
    } else {
      if (p.y < ball.y + 3 && ball.y > match.pitchTop + 1) ball.y -= 1;
    }
  };
  switch (command) {
    case 2:
      if (p.y + 3 > ball.y) ball.y = p.y;
      touch();
      break;
    case 8:
      if (p.y + 3 < ball.y) ball.y = p.y;
      touch();
      break;
    case 4:
      if (p.x + 16 > ball.x) {
        if (p.x + 1 < ball.x) ball.x = p.x;
        towardsRow();
        touch();
      }
      break;
    case 6:
      if (p.x < ball.x + 10) {
        if (p.x > ball.x + 5) ball.x = p.x + 4;
        towardsRow();
        touch();
      }
      break;
    default:
      break;
  }
}

}  // namespace

void KickBall(int d) {
  AimBall(d);
  ball.frictionCount = 2;
  ball.frictionPeriod = 2;
  if (ball.speed != 0) ball.speed += 3;
  ball.climb = 0;
  const int previousNear = match.nearPlayer;
  match.kickGrace = 2;
  match.ballHolder = 0;
  match.nearPlayer = 0;
  if (controlState.kickKeyMode == 2 && previousNear < 13) {  // lobbed
    ball.climb = 5;
    ball.speed = 7;
    match.kickGrace = 10;
  }
  match.offZone = 0;
}

void KickWithSound(int d) {
  match.nearSticky = 0;
  PlayKickSound();
  KickBall(d);
  if (match.offZone == 0) {
    // From beside team B's goal at a steep angle no goal can be scored.
    const int topLimit = engine::SecondHalf() ? 204 : 191;
    if ((d == 3 && ball.y < topLimit && ball.x > 874) || (d == 9 && ball.y > 300 && ball.x > 874)) {
      match.offZone = 1;
    }
  }
}

void KickBallB(int d) {
  AimBall(d);
  ball.frictionCount = 2;
  ball.frictionPeriod = 2;
  if (ball.speed != 0) ball.speed += 3;
  match.kickGrace = 2;
  match.ballHolder = 0;
  match.offZone = 0;
}

void KickWithSoundB(int d) {
  PlayKickSound();
  KickBallB(d);
}

void ShootBall(int d) {
  KickWithSound(d);
  if (controlState.kickKeyMode == 2) {
    ball.climb = 9;
    ball.speed += 3;
  } else {
    ball.speed += 5;
  }
  if (match.levelCode > 3) ball.speed += 3;
}

void CrossKick(int d) {
  ball.dir = d;
  ball.speed = 2;
  ball.frictionCount = 2;
  ball.frictionPeriod = 2;
  ball.speed += 3;
  if (controlState.kickPower == 1) {
    ball.speed += 5;
  } else if (controlState.kickPower == 3) {
    ball.speed += 6;
    ball.climb = 9;
  }
  controlState.kickPower = 0;
  match.kickGrace = 10;
  match.ballHolder = 0;
  match.nearPlayer = 0;
}

int FacesRight(int i) {
  if (!engine::IsIndex(i)) return 1;
  const int d = teamA[std::size_t(i)].slideDir;
  return (d == 1 || d == 4 || d == 7) ? 0 : 1;
}

int KickDistance(int i) {
  // Nobody is infinitely far from the ball: no kick, touch or queued run applies.
  if (!engine::IsIndex(i)) return 1 << 20;
  return engine::ManhattanToBall(teamA[std::size_t(i)]);
}

bool RunToBallForKick(int command) {
  if (!IsKickCommand(command)) return false;
  const int c = engine::ControlledIndex();
  if (c < 0) return false;
  if (match.controlledPlayer == match.nearPlayer || ball.height != 0 || KickDistance(c) > 28) {
    return false;
  }
  WalkTeamA(c, ball.x, ball.y);
  match.userKickTicks = 25;
  match.kicker = match.controlledPlayer;
  match.queuedKick = command == UserCommand::kCross ? int(UserCommand::kP) : command;
  match.kickerFacesRight = FacesRight(c);
  WalkTeamA(c, ball.x, ball.y);
  return match.userKickTicks != 0;
}

void HandleKickCommand() {
  const int command = match.currentCommand;
  const int c = engine::ControlledIndex();
  if (c < 0) return;
  if (RunToBallForKick(command)) return;
  if (match.controlledPlayer != match.nearPlayer) return;
  PlayerState& p = teamA[std::size_t(c)];

  if (IsKickCommand(command)) {
    const bool facesRight = FacesRight(match.nearPlayer - 1) != 0;
    const bool inAir = ball.height != 0;
    const bool header = inAir && (command == UserCommand::kA || command == UserCommand::kZ ||
                                  command == UserCommand::kQ);
    if (command == UserCommand::kA && !inAir) {
      // A shot is only taken from close to the ball: from farther off the player first runs.
      const int distance = KickDistance(c);
      if (distance > 24) {
        WalkTeamA(c, ball.x, ball.y);
        QueueKick(command, c);
        return;
      }
      if (distance >= 21) WalkTeamA(c, ball.x, ball.y);
    }
    match.lastToucher = match.controlledPlayer;
    if (header) {
      PlayHeader(command, p);
    } else {
      PlayGroundKick(command, facesRight, p);
    }
    match.faceRefresh = match.controlledPlayer;
    if (command != UserCommand::kA || inAir) {
      // Any other kick is taken at once; the player then runs after the ball.
      const int distance = KickDistance(c);
      if (distance > 24) {
        WalkTeamA(c, ball.x, ball.y);
        QueueKick(command, c);
      } else if (distance >= 21) {
        WalkTeamA(c, ball.x, ball.y);
      }
    }
    return;
  }
  if (engine::IsStraight(command) && KickDistance(c) <= 18) TouchBall(command, p);
}

void ExecuteQueuedKick() {
  if (match.userKickTicks != 0) {
    if (ball.speed != 0) ball.speed -= 1;  // the ball is braked for the kicker
    match.kicker = match.controlledPlayer;
    const int k = match.kicker - 1;
    if (KickDistance(k) < 18) match.userKickTicks = 0;
    WalkTeamA(k, ball.x, ball.y - 4);
    return;
  }
  if (match.queuedKick == 0) return;
  const int c = engine::ControlledIndex();
  if (KickDistance(c) > 18) {
    match.kicker = 0;
    match.queuedKick = 0;
    return;
  }
  const PlayerState* kicker = engine::TeamAByNumber(match.kicker);
  PlayGroundKick(match.queuedKick, match.kickerFacesRight != 0, kicker ? *kicker : teamA[c]);
  match.faceRefresh = match.controlledPlayer;
  match.kicker = 0;
  match.queuedKick = 0;
}
