// Where the user is in the game, and the commands that move him on.
//
// The whole course of the game is carried by command messages that the main window sends
// to itself, synchronously: a handler often opens a modal dialog whose buttons send further
// commands. GameFlowState is the record of where the user is; LastMatchResult keeps the
// result of the match just ended for the competition.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct GameFlowState {
  std::int32_t mode = 0;             // 0 campaign (or nothing chosen), 1 friendly, 2 practice
  std::uint8_t phase = 0;            // 0 none, 1 set-up, 2 qualifying, 3 group league, 4 knockout
  std::uint8_t region = 0;           // the user's region 0 to 4
  std::uint8_t userNation = 0;       // the user's nation, 0-based index into TeamTable
  std::uint8_t level = 3;            // 0 LEVEL S, 1 LEVEL 1, 2 LEVEL 2, 3 LEVEL 3
  std::uint8_t roundIndex = 0;       // round within the phase (knockout: 0, 1 semi, 2 final)
  std::uint8_t roundCount = 0;       // rounds of the current phase
  std::uint8_t lastRound = 0;        // roundIndex when the last match ended
  std::uint8_t playoffOpponent = 0;  // nation number of a pending play-off, 0 none
  std::uint8_t chosenOpponent = 0;   // friendly: nation number; practice: 32; 0 none
  std::uint8_t paused = 0;           // 1 while play is paused
  std::int32_t soundOff = 0;         // 0 sound on, 1 sound off
  std::uint8_t displayContent = 0;   // what the display dialogs paint
  std::uint8_t messageKind = 0;      // which message the message dialogs paint
  std::uint8_t listKind = 0;         // what the list dialogs offer
  std::uint8_t displayRegion = 0;    // pairings table shown: region 0-4, 10 groups, 100 own
  std::uint8_t displayGroup = 0;     // group 0-3 shown by the group-results screen
  std::uint8_t soundDialogMode = 0;  // 0 serving MessBox1, 1 serving SetSoundDlg
};

struct LastMatchResult {
  std::int32_t userGoals = 0;  // team A's goals, extra time included, shoot-out excluded
  std::int32_t opponentGoals = 0;
  std::uint8_t opponent = 0;  // nation number of that match's opponent, 0 none
};

extern GameFlowState gameFlow;
extern LastMatchResult lastMatchResult;

// The identifiers of the commands the main window handles.
namespace CommandId {
inline constexpr int kStartupMenu = 1;
inline constexpr int kLoadCampaign = 2;
inline constexpr int kSaveCampaign = 3;
inline constexpr int kPause = 5;
inline constexpr int kBackToFirstMenu = 6;
inline constexpr int kSoundOn = 7;
inline constexpr int kSoundOff = 8;
inline constexpr int kExit = 13;
inline constexpr int kCampaignMode = 14;
inline constexpr int kResetMatch = 15;
inline constexpr int kStartMatch = 17;
inline constexpr int kStartTimer = 18;
inline constexpr int kEndOfMatch = 19;
inline constexpr int kLevelS = 25;
inline constexpr int kLevel1 = 26;
inline constexpr int kLevel2 = 27;
inline constexpr int kLevel3 = 28;
inline constexpr int kRetitleForLevel = 29;
inline constexpr int kNewCampaign = 204;
inline constexpr int kChooseRegion = 205;
inline constexpr int kNationListFirst = 211;  // 211 to 215: region 0 to 4
inline constexpr int kQualifyingSchedule = 219;
inline constexpr int kGroupSchedule = 220;
inline constexpr int kReopenStartupMenu = 228;
inline constexpr int kPhaseMenu = 229;
inline constexpr int kRoundResults = 231;
inline constexpr int kStandings = 232;
inline constexpr int kOtherRegions = 233;
inline constexpr int kGroupDraw = 234;
inline constexpr int kOtherGroups = 235;
inline constexpr int kBracket = 236;
inline constexpr int kKnockoutResults = 237;
inline constexpr int kFriendly = 238;
inline constexpr int kShootOut = 239;
inline constexpr int kPractice = 240;
inline constexpr int kLevelDialog = 241;
inline constexpr int kSoundDialog = 247;
inline constexpr int kLast = 247;
}  // namespace CommandId

// Handles a command message of the main window. Returns false for an id it does not handle
// (the window procedure then passes the message on to the default procedure).
bool HandleCommand(platform::Window* window, int id);

// Puts GameFlowState and LastMatchResult back to their start-up values.
void ResetGameFlow();
