// Where the user is in the game (GameFlowState) and the result of the match just ended
// (LastMatchResult). The game flow of the shell moves them; the competition, the match set-up,
// the drawing and the saved games read them, so they live on the lowest game floor.
#pragma once

#include <cstdint>

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

// Puts GameFlowState and LastMatchResult back to their start-up values.
void ResetGameFlow();
