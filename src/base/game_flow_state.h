// Where the user is in the game (GameFlowState) and the result of the match just ended
// (LastMatchResult), with the codes of its fields. The game flow of the shell moves them; the
// competition, the match set-up, the drawing and the saved games read them, so they live on the
// lowest game floor.
//
// A field that holds one code of a fixed set has an enum class of the field's width as its
// type (Mode, Phase, DisplayContent, MessageKind): a bare number no longer compiles in its
// place, and the value stays what the saved file and the scripts see (CodeValue). A field
// that is mostly a number with a few special values keeps its integer type with named
// constants of that width: the level (an index into the level tables, and counted from into
// command and control ids), the knockout round (a roundIndex like any other) and the pairings
// table shown (mostly a region).
//
// displayContent and messageKind say what the open display or message dialog shows: the
// drawing and the timer tick read them, and messageKind is saved with the campaign. The shell
// sets them in one place, its ShowScreen and ShowMessage (shell/dialog_procs.h), around the
// dialog. The list and sound dialogs learn what they show from their dialog argument instead.
#pragma once

#include <cstdint>
#include <type_traits>

// The game mode (mode, 32-bit).
enum class Mode : std::int32_t {
  kCampaign = 0,  // the campaign, or nothing chosen yet
  kFriendly = 1,
  kPractice = 2,
};

// The campaign phase (phase, 8-bit). The phases follow each other in this order.
enum class Phase : std::uint8_t {
  kNone = 0,         // no campaign
  kSetUp = 1,        // a campaign being set up: region, nation, fixtures
  kQualifying = 2,   // the regional qualifying league
  kGroupLeague = 3,  // the World Cup group league
  kKnockout = 4,     // the knockout tournament
};

// What the display dialogs (MenuDialogProc) paint in their client area (displayContent,
// 8-bit); presentation/competition_screens.h draws the bodies.
enum class DisplayContent : std::uint8_t {
  kNone = 0,                // the menus: buttons only
  kRegionChoice = 1,        // SelChikuDlg: the world map and the info line
  kQualifyingSchedule = 2,  // DispSchedule1Dlg
  kRoundResults = 3,        // DispRoundEndDlg1, DispRoundEndDlg2
  kStandings = 4,           // DispTaisenDlg1, DispTaisenDlg2: the table of displayRegion
  kPlayoffOpponent = 5,     // PlayoffMsg1, PlayoffMsg2
  kGroups = 7,              // DispGroupLeag: the four groups of the draw
  kGroupSchedule = 8,       // DispSchedule2Dlg
  kBracket = 10,            // DispTounament
  kGroupStandings = 11,     // DispTaisenDlg1, DispTaisenDlg2: the table of displayGroup
};

// Which message the message dialogs (MessageDialogProc) paint (messageKind, 8-bit; saved with
// the campaign).
enum class MessageKind : std::uint8_t {
  kMatchResult = 0,   // MessBox2 after a match, MessBox3 after a knockout win
  kQualified = 1,     // the regional qualifying passed
  kNotQualified = 2,  // the regional qualifying failed
  kGroupPassed = 3,   // the group league passed
  kGroupFailed = 4,   // the group league failed
  kDeparture = 5,     // MessKanki1: the qualification celebration
  kVictory = 6,       // MessKanki2: the cup celebration, animated by the timer
  kKnockedOut = 7,    // beaten in the knockout tournament before the final
  kRunnerUp = 8,      // beaten in the final
  kNoMatch = 10,      // no match for the user's nation in this round
};

// The number a code stands for: what the saved file holds and what a script reads.
template <typename Code>
constexpr std::underlying_type_t<Code> CodeValue(Code code) {
  return static_cast<std::underlying_type_t<Code>>(code);
}

// The opponent strength (level, 8-bit): an index into the level tables.
inline constexpr std::uint8_t kLevelS = 0;  // LEVEL S (super)
inline constexpr std::uint8_t kLevel1 = 1;  // LEVEL 1 (advanced)
inline constexpr std::uint8_t kLevel2 = 2;  // LEVEL 2 (intermediate)
inline constexpr std::uint8_t kLevel3 = 3;  // LEVEL 3 (beginner), the start-up level
inline constexpr int kLevelCount = 4;

// The rounds of the knockout tournament (roundIndex in Phase::kKnockout).
inline constexpr std::uint8_t kKnockoutFirstRound = 0;
inline constexpr std::uint8_t kSemiFinal = 1;
inline constexpr std::uint8_t kFinal = 2;

// The special pairings tables of displayRegion (otherwise a region 0 to 4).
inline constexpr std::uint8_t kDisplayGroupLeague = 10;  // the group league's tables
inline constexpr std::uint8_t kDisplayOwnLeague = 100;   // the user's own qualifying league

struct GameFlowState {
  Mode mode = Mode::kCampaign;
  Phase phase = Phase::kNone;
  std::uint8_t region = 0;           // the user's region 0 to 4
  std::uint8_t userNation = 0;       // the user's nation, 0-based index into TeamTable
  std::uint8_t level = kLevel3;      // kLevelS to kLevel3
  std::uint8_t roundIndex = 0;       // round within the phase (knockout: kKnockoutFirstRound...)
  std::uint8_t roundCount = 0;       // rounds of the current phase
  std::uint8_t lastRound = 0;        // roundIndex when the last match ended
  std::uint8_t playoffOpponent = 0;  // nation number of a pending play-off, 0 none
  std::uint8_t chosenOpponent = 0;   // friendly: nation number; practice: 32; 0 none
  std::uint8_t paused = 0;           // 1 while play is paused
  std::int32_t soundOff = 0;         // 0 sound on, 1 sound off
  DisplayContent displayContent = DisplayContent::kNone;  // what the display dialogs paint
  MessageKind messageKind = MessageKind::kMatchResult;    // what the message dialogs paint
  std::uint8_t displayRegion = 0;  // pairings table shown: region 0-4, or kDisplay... above
  std::uint8_t displayGroup = 0;   // group 0-3 shown by the group-results screen
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
