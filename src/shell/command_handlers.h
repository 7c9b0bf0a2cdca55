// The command handlers of the main window, by what they serve: the menus and switches
// (commands.cpp), a match from its start to its end (match_commands.cpp) and the campaign and
// the matches outside it (campaign_commands.cpp). Each returns false for an id it does not
// handle.
#pragma once

#include "platform/platform.h"

bool HandleMatchCommand(platform::Window* window, int id);
bool HandleCampaignCommand(platform::Window* window, int id);

// Starts timer 1; a refusal is reported with a warning box and the game goes on without ticks.
void StartMatchTimer(platform::Window* window);
