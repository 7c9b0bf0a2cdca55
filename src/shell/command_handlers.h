// The command handlers of the main window, by what they serve: the menus and switches
// (commands.cpp), a match from its start to its end (match_commands.cpp) and the campaign and
// the matches outside it (campaign_commands.cpp). Each returns false for an id it does not
// handle.
#pragma once

#include <string_view>

#include "platform/platform.h"

bool HandleMatchCommand(platform::Window* window, int id);
bool HandleCampaignCommand(platform::Window* window, int id);
// The load and save commands: the saved campaign loaded and played on, or saved
// (save_commands.cpp).
bool HandleSaveCommand(platform::Window* window, int id);

// A play-off is pending (after a level match, or in a loaded campaign): to the penalties when
// extra time has been played, otherwise the announcement (PlayoffMsg1 or PlayoffMsg2) and the
// play-off match.
void GoToPlayoff(std::string_view announcement);

// The key help, over whatever is open; a match being played pauses while it is open and goes
// on afterwards (one that stood paused stays paused).
void ShowKeyHelp(platform::Window* window);

// Starts the match timer; a refusal is reported with a warning box and the game goes on
// without ticks. While a match or shoot-out runs with smooth motion on, the display timer
// starts with it.
void StartMatchTimer(platform::Window* window);
// Stops the match timer and the display timer.
void StopMatchTimer(platform::Window* window);
// The display timer runs while the match timer runs a match or shoot-out with smooth motion on.
void FollowDisplayTimer(platform::Window* window);

// Shows the window's title (shellState.title says which) in the current language.
void ShowWindowTitle(platform::Window* window);
