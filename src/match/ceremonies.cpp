// The steps of the entrance, the fixture caption and the goal celebration.
#include "match/ceremonies.h"

#include "base/game_flow_state.h"
#include "base/view_layout.h"
#include "match/caption_state.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/match_view.h"
#include "match/net_rule.h"
#include "platform/platform.h"

namespace {

constexpr int kEntranceSteps = 25;     // the step after which the players stand lined up
constexpr int kFixtureShowings = 6;    // the caption ends when its step exceeds this
constexpr int kCelebrationSteps = 26;  // the step that ends the celebration
constexpr int kWalkInRow = 400;        // the players turn along this row
constexpr int kTunnelAX = 450, kTunnelBX = 480, kTunnelY = 476;

void Cheer() {
  if (captionState.cheerPlayed == 0 && gameFlow.soundOff == 0) {
    platform::PlaySound("KANSEI1.wav", true);
  }
  captionState.cheerPlayed = 1;
}

// The next of two alternating poses: `first` when the player shows neither yet.
int Alternate(int pose, int first, int second) {
  if (pose == first) return second;
  if (pose == second) return first;
  return first;
}

void WalkIn(PlayerState& player, bool released, bool teamB, bool even) {
  if (player.y > kWalkInRow) {
    if (released) player.y -= 6;
    player.pose = Alternate(player.pose, 1, 2);
    return;
  }
  if (teamB) {
    player.x += 12;
    player.pose = even ? Alternate(player.pose, 7, 6) : Alternate(player.pose, 6, 7);
  } else {
    player.x -= 12;
    player.pose = even ? Alternate(player.pose, 5, 4) : Alternate(player.pose, 4, 5);
  }
}

}  // namespace

void StartEntrance() {
  match.scoreA = match.scoreB = 0;
  match.goalsA1 = match.goalsA2 = match.goalsB1 = match.goalsB2 = 0;
  match.matchEvent = MatchEvent::kNothing;
  ball.frictionCount = 0;
  match.kickGrace = 0;
  match.restartFreeze = 0;
  match.userKicksOff = 0;
  captionState.entranceState = EntranceState::kWalkingIn;
  SetViewOffset(viewLayout.captionShift);
  for (PlayerState& player : teamA) {
    player.x = kTunnelAX;
    player.y = kTunnelY;
    player.pose = 0;
  }
  for (PlayerState& player : teamB) {
    player.x = kTunnelBX;
    player.y = kTunnelY;
    player.pose = 0;
  }
  captionState.captionCountdown = 10;
  captionState.captionStep = 0;
  captionState.cheerPlayed = 0;
  if (MatchView* view = CurrentMatchView()) view->ShowEntranceStart();
}

void EntranceStep() {
  const int s = captionState.captionStep;
  for (int i = 0; i < kPlayersPerSide; ++i) {
    const bool released = i < s;
    const bool even = i % 2 == 0;
    WalkIn(teamA[std::size_t(i)], released, false, even);
    WalkIn(teamB[std::size_t(i)], released, true, even);
  }
  captionState.captionStep = std::uint8_t(s + 1);
  captionState.captionCountdown = 7;
  MatchView* view = CurrentMatchView();
  if (s == kEntranceSteps) {
    for (PlayerState& player : teamA) player.pose = 0;
    for (PlayerState& player : teamB) player.pose = 0;
    captionState.entranceState = EntranceState::kFixtureCaption;
    captionState.captionStep = 0;
    if (view != nullptr) view->ShowEntranceStep(true);
    return;
  }
  if (view != nullptr) view->ShowEntranceStep(false);
  Cheer();
}

void FixtureCaptionStep() {
  MatchView* view = CurrentMatchView();
  if (view != nullptr) view->ShowFixtureCaption();
  if (match.opponent == 0) return;
  captionState.captionStep = std::uint8_t(captionState.captionStep + 1);
  captionState.captionCountdown = 40;
  if (captionState.captionStep > kFixtureShowings) {
    captionState.entranceState = EntranceState::kNone;
    SetUpKickOff();
    if (view != nullptr) view->ShowKickOff();
    match.captionTimer = 40;
  }
}

void GoalCelebrationStep() {
  captionState.captionStep = std::uint8_t(captionState.captionStep + 1);
  captionState.captionCountdown = 7;
  MatchView* view = CurrentMatchView();
  if (captionState.captionStep >= kCelebrationSteps) {
    captionState.captionStep = 0;
    captionState.goalCelebration = 0;
    if (view != nullptr) view->ShowGoalCelebrationStep(true);
    return;
  }
  if (view != nullptr) view->ShowGoalCelebrationStep(false);
  Cheer();
}
