// Helpers for the tests of the message core: a main window whose procedure writes every
// message into a log, resources with menus and dialogs, and idle handlers that play a list of
// steps, one per idle moment of whichever message loop runs.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/internal.h"
#include "platform/platform.h"

namespace core_test {

using platform::Msg;
using platform::Param;
using platform::Window;

// What the procedures of the tests have seen, in order ("Timer 1", "Command 6 0", ...).
std::vector<std::string>& Log();
std::string Describe(Msg msg, Param a, Param b);
// Log lines that start with `prefix`.
std::vector<std::string> Lines(const std::string& prefix);

// A hook the main window's procedure calls first; return true to take the message.
using Hook = std::function<bool(Window*, Msg, Param, Param, Param*)>;
Hook& MainHook();

Param MainProc(Window* window, Msg msg, Param a, Param b);

// The test resources: menus "Main" (GAME: Pause greyed 5, Menu 6, Exit 13; SOUND: Sound On 7,
// Sound Off 8) and "Other" (one popup FILE: Open 30), and the dialogs used by the tests.
const platform::ResourceTable& Resources();

// An idle handler that runs one step per idle moment; running out of steps while the program
// still waits fails the test and ends every open dialog so that the test can finish.
void PlaySteps(std::vector<std::function<void()>> steps);

// The frame point at the centre of a control of the top dialog.
platform::Point ControlCentre(int id);

class CoreTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Creates the 900 × 600 main window; with a menu when `menu` names one.
  Window* CreateMain(const char* menu = nullptr);
  // Runs the program's main loop until the quit message; returns its exit code.
  int RunLoop();

  platform::Instance* instance = nullptr;
  Window* main = nullptr;
};

}  // namespace core_test
