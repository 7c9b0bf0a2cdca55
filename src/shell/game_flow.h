// Where the user is in the game, and the commands that move him on.
//
// The whole course of the game is carried by command messages that the main window sends
// to itself, synchronously: a handler often opens a modal dialog whose buttons send further
// commands. The records of where the user is (GameFlowState, LastMatchResult) are read by
// every floor and live in base/game_flow_state.h.
#pragma once

#include "base/game_flow_state.h"
#include "platform/platform.h"
#include "resources/feldo_commands.h"

// Handles a command message of the main window. Returns false for an id it does not handle
// (the window procedure then passes the message on to the default procedure).
bool HandleCommand(platform::Window* window, int id);

// A campaign is in progress from its qualifying to its end: its phase menu is where the user
// stands between its matches.
inline bool CampaignInProgress() {
  return gameFlow.phase > Phase::kSetUp;
}
