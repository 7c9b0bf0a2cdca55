// The main window's title during a campaign match.
#pragma once

#include <string>

// Writes the title of the campaign match about to start into `out`, by gameFlow's phase
// (qualifying with the user's region and round, group league with the round, knockout round),
// and its level, and returns true. Returns false, `out` untouched, outside the three campaign
// stages, for a level above 3 or a knockout round above the final.
bool CampaignMatchTitle(std::string* out);
