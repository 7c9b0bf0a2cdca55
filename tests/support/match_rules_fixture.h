// A known starting point for the rule tests: every record reset, sound off, the first half
// running at a middle strength, both keepers on their lines and the outfield players parked
// in two rows far from the centre spot, where the ball starts.
#pragma once

#include <gtest/gtest.h>

#include "base/game_flow_state.h"
#include "base/record_resets.h"
#include "match/control_state.h"
#include "match/match_state.h"

class MatchRules : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetAllRecords();
    gameFlow.soundOff = 1;
    match.half = 1;
    match.levelCode = 2;
    match.walkStep = 6;
    match.motionBase = 3;
    match.speedB.fill(6);
    match.stepMotionB.fill(20);
    match.controlledPlayer = 11;
    for (int i = 0; i < kPlayersPerSide; ++i) {
      teamA[std::size_t(i)] = PlayerState{};
      teamB[std::size_t(i)] = PlayerState{};
      teamA[std::size_t(i)].pose = 3;
      teamB[std::size_t(i)].pose = 3;
    }
    // Keepers on their lines, outfield players in the two rows near the touch lines.
    Place(teamA, 0, 40, 255);
    Place(teamB, 0, 888, 255);
    for (int i = 1; i < kPlayersPerSide; ++i) {
      Place(teamA, i, 100 + 30 * i, 80);
      Place(teamB, i, 500 + 30 * i, 430);
    }
    ball = BallState{};
    ball.x = 470;
    ball.y = 255;
  }

  static void Place(std::array<PlayerState, kPlayersPerSide>& team, int i, int x, int y) {
    team[std::size_t(i)].x = x;
    team[std::size_t(i)].y = y;
  }
  static PlayerState& A(int i) { return teamA[std::size_t(i)]; }
  static PlayerState& B(int i) { return teamB[std::size_t(i)]; }
  static void PutBall(int x, int y, int height = 0) {
    ball.x = x;
    ball.y = y;
    ball.height = height;
  }
};
