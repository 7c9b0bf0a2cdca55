// The keys and the mouse as the main window receives them: key messages reach the controls,
// mouse buttons are taken and do nothing.
#include <gtest/gtest.h>

#include "match/control_state.h"
#include "match/match_state.h"
#include "platform/platform.h"
#include "shell/game_flow.h"
#include "shell/keyboard.h"
#include "shell/main_window.h"

namespace {

using platform::Msg;

class WindowControls : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetControlState();
    ResetMatchRecords();
    ResetGameFlow();
  }
  void TearDown() override { SetUp(); }
  static platform::Param Send(Msg msg, platform::Param a, platform::Param b = 0) {
    return MainWindowProc(nullptr, msg, a, b);
  }
};

TEST_F(WindowControls, KeyMessagesReachTheControls) {
  match.controlledPlayer = 3;
  teamA[2].motion = 5;
  EXPECT_EQ(Send(Msg::KeyDown, platform::KeyLeft), 0);
  EXPECT_EQ(controlState.keyCommand, 4);
  EXPECT_EQ(Send(Msg::KeyDown, platform::KeySpace), 0);
  EXPECT_EQ(Send(Msg::Char, ' '), 0);
  EXPECT_EQ(controlState.keyCommand, 0);
  EXPECT_EQ(Send(Msg::KeyUp, platform::KeySpace), 0);
  EXPECT_EQ(controlState.keyCommand, 32);
  EXPECT_EQ(controlState.kickPower, 1);
  EXPECT_EQ(teamA[2].motion, 0);
  EXPECT_EQ(Send(Msg::Char, 'w'), 0);
  EXPECT_EQ(controlState.keyCommand, 'W');
}

TEST_F(WindowControls, MouseButtonsChangeNothing) {
  match.controlledPlayer = 3;
  match.ballHolder = 3;
  teamA[2].motion = 5;
  ball.speed = 4;
  controlState.keyCommand = 6;
  controlState.kickKeyMode = 1;
  controlState.kickHoldTicks = 12;
  for (Msg msg : {Msg::LButtonDown, Msg::LButtonDoubleClick, Msg::LButtonUp, Msg::User}) {
    EXPECT_EQ(Send(msg, 100, 200), 0);
  }
  EXPECT_EQ(teamA[2].motion, 5);
  EXPECT_EQ(ball.speed, 4);
  EXPECT_EQ(controlState.keyCommand, 6);
  EXPECT_EQ(controlState.kickKeyMode, 1);
  EXPECT_EQ(controlState.kickHoldTicks, 12);
}

}  // namespace
