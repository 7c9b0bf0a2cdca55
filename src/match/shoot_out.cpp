// The penalty shoot-out: the set-up of each kick, the takers' run-up and shot, the keepers'
// dives, the ball's flight, and the outcome of every kick.
#include "match/shoot_out.h"

#include <algorithm>
#include <cstdlib>

#include "base/game_flow_state.h"
#include "base/random_below.h"
#include "match/animation.h"
#include "match/caption_state.h"
#include "match/control_state.h"
#include "match/engine_helpers.h"
#include "match/frame_step.h"
#include "match/kicks.h"
#include "match/match_setup.h"
#include "match/match_view.h"
#include "match/possession.h"
#include "match/restart_kicks.h"
#include "platform/platform.h"

namespace {

constexpr int kTakerIndex = 10;
constexpr int kTakerDx = 90;   // the taker stands this far in front of the goal line
constexpr int kBallDx = 65;    // the penalty spot
constexpr int kKeeperDx = 10;  // the keeper on his line
constexpr int kDiveReach = 50;
constexpr int kSaveReach = 10;  // strictly less than this in x and in y
constexpr int kShotReach = 4;   // the taker shoots once this close to the ball in x
constexpr int kGoalHeight = 18;

bool TeamAKicks() {
  return match.shootKick % 2 == 0;
}

// The kicking side's result for the current kick and its goals. A kick beyond the rows'
// 200 entries is counted but not written.
void RecordKick(bool scored) {
  const int index = match.shootKick / 2;
  auto& row = TeamAKicks() ? match.shootResultsA : match.shootResultsB;
  if (index >= 0 && index < kShootOutRows) row[std::size_t(index)] = scored ? 1 : 0;
  if (scored) (TeamAKicks() ? match.shootGoalsA : match.shootGoalsB) += 1;
  match.shootKick += 1;
  match.shootKicksTaken = match.shootKick;
  // Level after every kick the rows can hold: the winner is drawn by lots.
  if (match.shootKick >= kShootOutKickLimit && match.shootKick % 2 == 0 &&
      match.shootGoalsA == match.shootGoalsB) {
    (RandomBelow(2) == 0 ? match.shootGoalsA : match.shootGoalsB) += 1;
  }
}

void ShowBoard() {
  if (MatchView* view = CurrentMatchView()) view->DrawShootOutBoard();
}

// A kick that failed: recorded, the next kick set up, the whistle.
void RecordMiss() {
  ball.speed = 0;
  RecordKick(false);
  SetUpPenalty();
  ShowBoard();
  if (gameFlow.soundOff == 0) platform::PlaySound("WHISTLE.wav", true);
  match.matchEvent = MatchEvent::kMoved;
}

// The taker's run-up: a step towards the ball on each axis without passing it, the run-up
// facing, and the shot once he is close enough. True when he shot.
bool RunUpAndShoot(PlayerState& taker, int direction) {
  const auto towards = [](int from, int to) {
    if (from < to) return std::min(from + match.walkStep, to);
    if (from > to) return std::max(from - match.walkStep, to);
    return from;
  };
  taker.x = towards(taker.x, ball.x);
  taker.y = towards(taker.y, ball.y);
  taker.facing = taker.facing == 4 ? 5 : 4;
  taker.moved = 1;
  match.matchEvent = MatchEvent::kMoved;
  if (std::abs(ball.x - taker.x) >= kShotReach) return false;
  ShootBall(direction);
  return true;
}

// A keeper's dive for a choice of 7 (up) or 1 (down); 4 and anything else keeps him standing.
// True when the choice was a dive.
bool Dive(PlayerState& keeper, int choice) {
  const int cy = match.centreY;
  if (choice == 7) {
    keeper.pose = 9;
    if (keeper.y > cy - kDiveReach) keeper.y -= match.walkStep;
  } else if (choice == 1) {
    keeper.pose = 10;
    if (keeper.y < cy + kDiveReach) keeper.y += match.walkStep;
  } else {
    return false;
  }
  keeper.moved = 1;
  return true;
}

bool InShootOutGoalMouth() {
  const int cy = match.centreY;
  return cy - 50 < ball.y && ball.y < cy + 35;
}

// The goal that ends a kick at once: recorded, celebrated and the next kick set up.
void ShootOutGoal() {
  MatchView* view = CurrentMatchView();
  ball.x = match.pitchLeft - 8;
  if (view != nullptr) view->ShowShootOutGoal();
  match.captionTimer = 40;
  const bool teamB = !TeamAKicks();
  RecordKick(true);
  StartGoalCelebration(teamB);
  SetUpPenalty();
  ShowBoard();
  match.matchEvent = MatchEvent::kGoalByB;
}

// The counts and both result rows of a new shoot-out.
void ClearShootOutCounts() {
  match.shootKick = 0;
  match.shootGoalsA = 0;
  match.shootGoalsB = 0;
  match.shootKicksTaken = 0;
  match.shootResultsA.fill(0);
  match.shootResultsB.fill(0);
}

}  // namespace

void ClearPenaltyKickState() {
  match.shootAim = 0;
  match.shootChoiceB = 0;
  match.diveLockTicks = 0;
  match.saveResult = SaveResult::kNone;
  match.saveTicks = 0;
  match.preKickWait = 0;
}

void ClearShootOut() {
  ClearShootOutCounts();
  ClearPenaltyKickState();
}

void StartShootOut() {
  match.periodKind = PeriodKind::kShootOut;
  ClearShootOutCounts();
  match.shootChoiceB = 0;
  match.userKicksOff = 0;
  SetUpPenalty();
}

void SetUpPenalty() {
  match.saveResult = SaveResult::kNone;
  match.saveTicks = 0;
  ball.height = 0;
  ball.climb = 0;

  match.levelCode = 1;
  match.walkStep = kShootOutWalkStep;
  match.motionBase = 2;
  match.stepMotionB.fill(20);
  InstallOpponentSpeeds(1);
  match.speedB[0] = match.walkStep;
  for (int i = 1; i < kPlayersPerSide; ++i) match.speedB[i] = match.abilityB[i] + 4;
  const auto stand = [](PlayerState& p, int facing) {
    p.x = -100;
    p.motion = 0;
    p.pose = 3;
    p.facing = facing;
    p.moved = 0;
  };
  for (auto& p : teamA) stand(p, 6);
  for (auto& p : teamB) stand(p, 4);

  const int L = match.pitchLeft;
  const int cy = match.centreY;
  if (TeamAKicks()) {
    teamA[kTakerIndex].x = L + kTakerDx;
    teamA[kTakerIndex].y = cy;
    teamA[kTakerIndex].slideDir = 1;
    match.ballHolder = kTakerIndex + 1;
    match.controlledPlayer = kTakerIndex + 1;
    match.nearPlayer = kTakerIndex + 1;
    teamB[0].x = L + kKeeperDx;
    teamB[0].y = cy;
  } else {
    teamB[kTakerIndex].x = L + kTakerDx;
    teamB[kTakerIndex].y = cy;
    teamB[kTakerIndex].slideDir = 0;
    match.ballHolder = kTakerIndex + 12;
    teamA[0].x = L + kKeeperDx;
    teamA[0].y = cy;
    match.controlledPlayer = 1;
    match.nearPlayer = 0;
  }

  ball.x = L + kBallDx;
  ball.y = cy;
  ball.speed = 0;

  match.aiSkipB = match.scoreA > 3 ? 1 : 2;
  match.keeperSkipB = 0;
  match.aiSkipCountB = match.aiSkipB;
  match.keeperSkipCountB = match.keeperSkipB;
  match.lastToucher = match.ballHolder;
  match.shootAim = 0;

  static constexpr std::uint8_t kChoices[] = {7, 4, 1};
  match.shootChoiceB = kChoices[RandomBelow(3)];
  match.preKickWait = kPreKickWaitFrames;
}

void ShootOutFrame() {
  SaveFramePositions();
  UpdateOffsideLine();
  ShootOutTeamA();
  ShootOutTeamB();
  ShootOutBallMotion();
  ShootOutCommand();
  ShootOutCheck();
  CountDownMotion();
  MatchView* view = CurrentMatchView();
  if (match.matchEvent != MatchEvent::kNothing && view != nullptr) {
    view->RedrawFrame();
    if (match.matchEvent == MatchEvent::kGoalByB || match.matchEvent == MatchEvent::kGoalByA)
      view->WriteGoalCaption(match.matchEvent);
  }
  match.matchEvent = MatchEvent::kNothing;
  if (view != nullptr) view->DrawCommandPanel();
}

void ShootOutCommand() {
  match.currentCommand = controlState.keyCommand;
  controlState.keyCommand = 0;
  if (match.currentCommand == 0 || match.ballHolder == 1) return;
  match.matchEvent = MatchEvent::kMoved;
  int command = match.currentCommand;
  if (!TeamAKicks()) {
    if (match.controlledPlayer != 1) return;
    PlayerState& keeper = teamA[0];
    // Changing the dive freezes the keeper for a moment.
    if (command == 2) {
      if (match.shootAim == 7) {
        keeper.pose = 0;
        match.diveLockTicks = kDiveLockTicks;
      }
      match.shootAim = 1;
    } else if (command == 8) {
      if (match.shootAim == 1) {
        keeper.pose = 0;
        match.diveLockTicks = kDiveLockTicks;
      }
      match.shootAim = 7;
    }
    return;
  }
  if (command == 1) command = UserCommand::kZ;
  if (command == 7) command = UserCommand::kQ;
  if (command == '/' || command == '?') command = UserCommand::kA;
  if (match.controlledPlayer != match.nearPlayer) return;
  const bool fr = FacesRight(match.controlledPlayer - 1) != 0;
  if (command == UserCommand::kA) {
    match.shootAim = fr ? 6 : 4;
  } else if (command == UserCommand::kQ || command == UserCommand::kW) {
    match.shootAim = fr ? 9 : 7;
  } else if (command == UserCommand::kZ) {
    match.shootAim = fr ? 3 : 1;
  }
}

void ShootOutTeamA() {
  if (match.diveLockTicks == 0) {
    if (!TeamAKicks()) {
      if (Dive(teamA[0], match.shootAim)) match.matchEvent = MatchEvent::kMoved;
    } else if (match.shootAim != 0) {
      if (RunUpAndShoot(teamA[kTakerIndex], match.shootAim)) match.shootAim = 0;
    }
  }
  AnimateTeamA();
}

void ShootOutTeamB() {
  if (!TeamAKicks()) {
    if (match.shootChoiceB != 0 && match.preKickWait == 0) {
      if (RunUpAndShoot(teamB[kTakerIndex], match.shootChoiceB)) match.shootChoiceB = 0;
    }
  } else if (ball.speed != 0) {
    Dive(teamB[0], match.shootChoiceB);
  }
  AnimateTeamB();
}

void ShootOutBallMotion() {
  MoveBallHeight();
  if (ball.speed <= 0) return;
  ball.x += DirectionDx(ball.dir) * ball.speed;
  // On the diagonals the ball rises or falls less, so that every shot arrives inside the goal
  // mouth.
  const int dy = engine::IsDiagonal(ball.dir) ? ball.speed - 9 : ball.speed;
  ball.y += DirectionDy(ball.dir) * dy;
  if (ball.x > match.pitchRight) ball.x = match.pitchRight;
  match.matchEvent = MatchEvent::kMoved;
  ApplyBallFriction();
}

void ShootOutCheck() {
  if (match.saveTicks != 0) return;
  const bool thrown = CheckTouchLines();
  const bool shot = match.ballHolder == 0;  // the kick clears the holder
  if (InShootOutGoalMouth() && ball.height < kGoalHeight && ball.x < match.pitchLeft + 1) {
    ShootOutGoal();
  } else {
    const PlayerState& keeper = TeamAKicks() ? teamB[0] : teamA[0];
    if (std::abs(ball.x - keeper.x) < kSaveReach && std::abs(ball.y - keeper.y) < kSaveReach) {
      match.saveResult = TeamAKicks() ? SaveResult::kByKeeperB : SaveResult::kByKeeperA;
      match.saveTicks = kSaveShowTicks;
      // Deflected out: up for a high shot, down for a low one, back out for a straight one.
      const int d = ball.dir;
      if (d == 7 || d == 9) ball.dir = 8;
      if (d == 1 || d == 3) ball.dir = 2;
      if (d == 4 || d == 6) ball.dir = 6;
      ball.speed = 3;
    } else if (shot && (thrown || ball.x < match.pitchLeft + 1 ||
                        (ball.speed == 0 && ball.height == 0 && ball.climb == 0))) {
      // A shot that went wide or over, left the pitch, or came to rest without reaching the
      // goal or the keeper is a miss.
      RecordMiss();
    }
  }
  if (match.shootKick < kShootOutRegularKicks) {
    const int n = match.shootKick / 2;
    if (match.shootGoalsB + 5 - n < match.shootGoalsA ||
        match.shootGoalsA + 5 - n < match.shootGoalsB) {
      match.shootKick = kShootOutEarlyEndKick;
    }
  }
}

void RecordSave() {
  RecordMiss();
}

bool ShootOutDecided() {
  return match.shootKick > 9 && match.shootKick % 2 == 0 && match.shootGoalsA != match.shootGoalsB;
}
