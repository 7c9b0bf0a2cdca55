// The records of the match in progress: MatchState, the two sides' PlayerStates and the
// BallState. There is one match at a time; the records live for the whole run and every
// module of the match engine and of the drawing reads and writes them directly.
//
// Coordinates are pitch pixels, x to the right, y downwards: goal lines at x 30 and 910,
// touch lines at y 60 and 450, centre (470, 255). Team A is the user's side and attacks
// towards larger x in both halves; the second half only mirrors the picture.
//
// Counters whose names end in Ticks (and nearSticky) count 10 ms timer ticks and are counted
// down by the timer tick; every other counter counts frames and is counted by the engine.
#pragma once

#include <array>
#include <cstdint>

// Direction codes, laid out like a numeric keypad (y grows downwards):
//   7 8 9      7 up-left    8 up      9 up-right
//   4 5 6      4 left       5 none    6 right
//   1 2 3      1 down-left  2 down    3 down-right
// A diagonal step adds the full step to both axes.
int DirectionDx(int direction);  // -1, 0 or +1; 0 for 5 and any code outside 1 to 9
int DirectionDy(int direction);

// One player on the pitch.
struct PlayerState {
  std::int32_t x = 0;         // pitch x of the player's reference point (sprite drawn 16 px above)
  std::int32_t y = 0;         // pitch y
  std::int32_t slideDir = 0;  // direction in which the controlled player keeps sliding
  std::int32_t motion = 0;    // movement counter set by every move and counted down; 0 at rest
  std::int32_t pose = 0;      // animation pose selecting the sprite; 3 standing, 0 kick-off
  std::int32_t facing = 0;    // direction code the player faces
  std::int32_t moved = 0;     // 1 once a move routine has handled the player this frame
};

struct BallState {
  std::int32_t x = 0;  // ground position
  std::int32_t y = 0;
  std::int32_t dir = 0;             // direction code of travel
  std::int32_t speed = 0;           // pixels per frame along each axis named by dir; never below 0
  std::int32_t height = 0;          // above the ground; 0 on the ground
  std::int32_t climb = 0;           // vertical speed, positive rising; reduced by 1 each frame
  std::int32_t frictionCount = 0;   // frames left until speed drops by 1
  std::int32_t frictionPeriod = 0;  // reload value of frictionCount (+10 while rising)
};

// The part of the match being played (MatchState::periodKind).
enum class PeriodKind : std::uint8_t {
  kRegular = 0,       // the two halves
  kExtraTime = 1,     // the period of extra time of a level knockout or play-off match
  kShootOut = 2,      // a penalty shoot-out is running
  kShootOutOver = 3,  // the shoot-out has been decided
};

// What the current frame produced (MatchState::matchEvent); the view shows a goal by it.
enum class MatchEvent : std::int32_t {
  kNothing = 0,
  kMoved = 1,      // something moved: the frame is redrawn
  kOutOfPlay = 2,  // the ball went out of play
  kGoalByB = 3,
  kGoalByA = 4,
};

// The caption of a change of period (MatchState::captionKind).
enum class CaptionKind : std::uint8_t {
  kNone = 0,
  kHalfTime = 1,
  kExtraTime = 2,
};

// A save being shown in the shoot-out (MatchState::saveResult).
enum class SaveResult : std::uint8_t {
  kNone = 0,
  kByKeeperB = 1,  // team B's keeper saved team A's kick
  kByKeeperA = 2,  // team A's keeper saved team B's kick
};

inline constexpr int kPlayersPerSide = 11;
inline constexpr int kShootOutRows = 200;

// Player codes name one player of either side: 0 nobody, 1 to 11 team A's player code - 1,
// 12 to 22 team B's player code - 12. Index 0 of a side is its goalkeeper, 1 to 4 the
// defenders, 5 to 7 the midfielders, 8 to 10 the forwards.
struct MatchState {
  // --- pitch extents (set by InitMatch, never changed during a match)
  std::int32_t pitchLeft = 30;    // team A's goal line
  std::int32_t pitchRight = 910;  // team B's goal line
  std::int32_t pitchTop = 60;
  std::int32_t pitchBottom = 450;
  std::int32_t centreX = 470;
  std::int32_t centreY = 255;
  std::int32_t mirrorX = 926;  // the second-half picture uses x' = mirrorX - x
  std::int32_t mirrorY = 510;  // and y' = mirrorY - y
  // Goal mouths span goalTopY to goalBottomY at both ends: fixed geometry of the match, read
  // by the movement rules, the net rule (match/net_rule.h) and the drawing of the goals.
  std::int32_t goalTopY = 200;
  std::int32_t goalBottomY = 280;

  // --- the match as a whole
  std::int32_t matchKind = 0;  // 0 campaign or friendly, 1 practice
  std::uint8_t opponent = 0;   // opponent nation number (index + 1), 0 none
  std::int32_t half = 0;       // 1 first half, 2 second half and extra time, 0 no period
  PeriodKind periodKind = PeriodKind::kRegular;
  std::int32_t scoreA = 0;
  std::int32_t scoreB = 0;
  std::int32_t goalsA1 = 0;  // goals per side and half
  std::int32_t goalsA2 = 0;
  std::int32_t goalsB1 = 0;
  std::int32_t goalsB2 = 0;
  std::int32_t userKicksOff = 0;       // 1 team A takes the next kick-off, 0 team B
  std::uint8_t kickOffPendingB = 0;    // 1 while team B's kick-off is still to be played
  std::int32_t controlledPlayer = 11;  // 1-based team A index under the user's control
  std::int32_t previousControlled = 0;
  std::int32_t ballHolder = 0;   // player code of the holder, recomputed every frame
  std::int32_t lastToucher = 0;  // last non-zero ballHolder
  MatchEvent matchEvent = MatchEvent::kNothing;  // what the current frame produced
  // Not 0 while no goal may count: set by steep-angle kicks (1) and by the net rule before each
  // frame is drawn (1 left goal on screen, 2 right; match/net_rule.h); cleared by ordinary
  // kicks and every kick-off.
  std::uint8_t offZone = 0;

  // --- clock and periods
  std::int32_t captionTimer = 0;  // ticks the half-time / extra-time caption stays
  CaptionKind captionKind = CaptionKind::kNone;
  std::int32_t clockMinutes = 0;
  std::int32_t clockSeconds = 0;
  std::int32_t clockMillis = 0;

  // --- view
  std::int32_t scrollX = 24;  // horizontal offset of the view (not a camera)

  // --- strength and rhythm (installed at every kick-off)
  std::int32_t offsideLineA = 0;  // smallest x of team A's outfield players and the ball
  std::int32_t levelCode = 0;     // opponent strength 0 to 6, larger is stronger
  std::int32_t walkStep = 1;      // team A's walk step and team B's keeper step
  std::int32_t motionBase = 0;    // base of the motion value of team A's moves
  std::array<std::int32_t, kPlayersPerSide> speedB{};       // pixels per step of team B
  std::array<std::int32_t, kPlayersPerSide> stepMotionB{};  // motion - 1 given by a team B move
  std::int32_t aiSkipB = 0;  // team B's outfield acts only when the countdown is 0
  std::int32_t aiSkipCountB = 0;
  std::int32_t keeperSkipB = 0;  // the same for team B's goalkeeper
  std::int32_t keeperSkipCountB = 0;
  std::array<std::uint8_t, kPlayersPerSide> abilityB{};  // speed codes 0-6 of players 1 to 10

  // --- kits and sprite sheets
  std::uint8_t kitA = 0;  // kit codes 1-27 worn in this match
  std::uint8_t kitB = 0;
  std::uint8_t darkOverlayA = 0;  // 0, 1 or 2 (which players get the dark overlay sheets)
  std::uint8_t darkOverlayB = 0;
  std::int32_t sheetBaseA = 110;  // first bitmap slot of each side's sprite sheets
  std::int32_t sheetBaseB = 30;
  std::uint8_t kitsLoaded = 0;  // 1 once the pairing's kits, sheets and flags are loaded

  // --- possession, control and the user's command
  std::int32_t nearPlayer = 0;     // player code nearest the ball within 14 px
  std::int32_t nearSticky = 0;     // ticks; 100 once nearPlayer was set
  std::int32_t kickGrace = 0;      // frames after a kick when nobody can take the moving ball
  std::int32_t restartFreeze = 0;  // frames when possession and the near scan are suspended
  std::int32_t possessionBlockTicks = 0;  // ticks when nobody holds the ball
  std::int32_t userKickTicks = 0;         // ticks while the controlled player runs to a queued kick
  std::uint16_t ballStillTicks = 0;       // ticks since the ball last had speed or climb
  std::array<std::uint8_t, kPlayersPerSide> offsideA{};  // 1: in an offside position this frame
  std::array<std::uint8_t, kPlayersPerSide> offsideB{};
  std::array<std::uint8_t, kPlayersPerSide> chaseMarkB{};  // team B players sent to the ball
  std::int32_t lastPasserB = 0;                            // player code of team B's last passer
  std::int32_t faceRefresh = 0;     // player code whose pose the next animation step refreshes
  std::int32_t currentCommand = 0;  // the user's command being processed

  // --- goalkeepers
  std::int32_t keeperHoldTicks = 0;  // ticks left before the holding keeper kicks out

  // --- queued kick of the controlled player
  std::int32_t queuedKick = 0;        // command waiting until the kicker reaches the ball
  std::int32_t kicker = 0;            // 1-based team A index of that player
  std::int32_t kickerFacesRight = 0;  // FacesRight of the kicker when queued

  // --- penalty shoot-out
  std::int32_t shootKick = 0;  // kicks taken; even: team A's turn
  std::int32_t shootGoalsA = 0;
  std::int32_t shootGoalsB = 0;
  std::array<std::uint8_t, kShootOutRows> shootResultsA{};  // per kick: 1 scored, 0 missed
  std::array<std::uint8_t, kShootOutRows> shootResultsB{};
  std::uint8_t shootAim = 0;      // the user's shot direction or keeper dive; 0 not chosen
  std::uint8_t shootChoiceB = 0;  // the computer's choice, 7, 4 or 1
  std::int32_t diveLockTicks = 0;
  SaveResult saveResult = SaveResult::kNone;
  std::int32_t saveTicks = 0;
  std::int32_t preKickWait = 0;
  std::int32_t shootKicksTaken = 0;  // kicks really taken (an early end makes shootKick 12)
};

extern MatchState match;
extern BallState ball;
extern std::array<PlayerState, kPlayersPerSide> teamA;
extern std::array<PlayerState, kPlayersPerSide> teamB;

// Puts every match record back to its start-up values (tests call it between cases).
void ResetMatchRecords();
