// The bodies of the display dialogs: the schedule of a league, the results of a round, the
// standings table with its qualification marks, the four World Cup groups and (through
// bracket_screen.h) the knockout bracket. Each draws the competition records as they stand
// into the device context it is given, in the fixed system font (viewLayout.charWidth pixels
// a character), with the small flags of the bitmap store.
//
// The dialogs call DrawDisplayContent on every paint, after their frame and before their
// controls; it picks the body by gameFlow.displayContent.
#pragma once

#include "platform/platform.h"

// The schedule of the league in leagueState, gameFlow.roundCount rounds: each round's heading,
// then its pairings two to a line (the user's in red). Returns the y below the last line.
int DrawSchedule(platform::DeviceContext* dc, int x, int y);
// Entry i of resultTable: the two names, their flags and the score, white on blue in the
// caller's background mode. Returns y + 25.
int DrawResultRow(platform::DeviceContext* dc, int x, int y, int i);
// The standings table of Standings as it stands, with the marks for gameFlow.displayRegion
// (see competition/standings_lines.h). Leaves the background mode opaque.
void DrawStandingsTable(platform::DeviceContext* dc, int left, int top);
// ComputeStandings, then DrawStandingsTable.
void ShowStandings(platform::DeviceContext* dc, int x, int y);
// The four World Cup groups of GroupTable with their flags, each under its coloured heading.
// (The group draw itself, the lots, is the competition's DrawGroups.)
void DrawGroupsScreen(platform::DeviceContext* dc);

// What the display dialog of gameFlow.displayContent shows in its client area:
//   kRegionChoice the world map (loaded the first time), kQualifyingSchedule the qualifying
//   schedule and its tickets, kRoundResults the results of the round just played, kStandings
//   a region's (or the user's) standings, kPlayoffOpponent the play-off opponent, kGroups the
//   four groups, kGroupSchedule the user's group schedule, kBracket the knockout bracket,
//   kGroupStandings a group's standings (gameFlow.displayGroup).
// Anything else draws nothing.
void DrawDisplayContent(platform::DeviceContext* dc);

// The heading of a group, " グループＡ " to " グループＤ " (empty outside 0 to 3).
const char* GroupHeading(int group);
