// The penalty shoot-out that decides a knockout tie still level after extra time: a guessing
// game at team A's goal (the left one). The sides kick alternately, team A first; the user
// picks the direction of his own shots and the dive of his own keeper, the computer picks both
// at random. Five kicks each, then sudden death by pairs; a side that can no longer be caught
// ends it early. The timer tick runs ShootOutFrame on the frame rhythm while periodKind is 2.
//
// The shoot-out's records are fields of MatchState (match/match_state.h), because the saved
// campaign holds them with the rest of the match:
//   shootKick      kicks taken so far; even: team A's turn, odd: team B's; 12 ends it early
//   shootGoalsA/B  shoot-out goals of each side
//   shootResultsA/B  per kick of that side (index shootKick / 2): 1 scored, 0 missed; 200 each
//   shootAim       the user's choice: on team A's kicks the shot (4 straight, 7 high, 1 low),
//                  on team B's kicks his keeper's dive (7 up, 1 down); 0 not chosen yet
//   shootChoiceB   the computer's choice for this kick, 7, 4 or 1: the shot on team B's kicks,
//                  team B's keeper's dive on team A's kicks
//   diveLockTicks  ticks (30) the user's keeper stands frozen after changing his dive
//   saveResult     0 none, 1 team B's keeper saved, 2 team A's keeper saved
//   saveTicks      ticks (100) a save is shown before it is recorded (RecordSave)
//   preKickWait    frames (40) before team B's taker starts his run-up
//   shootKicksTaken  the kicks really taken, for the board: shootKick until an early end
//                  makes that 12
// The tick counts diveLockTicks, saveTicks and preKickWait down.
//
// All kicks are taken at the left goal: the taker at (L + 90, CY), the ball at (L + 65, CY),
// the defending keeper at (L + 10, CY). The shoot-out runs with half 0, so every rule that
// tells the halves apart takes its first-half form.
#pragma once

#include "match/match_state.h"

inline constexpr int kShootOutRegularKicks = 10;  // five each
inline constexpr int kShootOutEarlyEndKick = 12;  // shootKick after an early decision
// The result rows end here: a shoot-out still level after 200 kicks each is drawn by lots.
inline constexpr int kShootOutKickLimit = 2 * kShootOutRows;
inline constexpr int kSaveShowTicks = 100;
inline constexpr int kDiveLockTicks = 30;
inline constexpr int kPreKickWaitFrames = 40;
inline constexpr int kShootOutWalkStep = 5;

// The state of the kick in progress (aim, choice, dive lock, save, wait) back to none; every
// kick-off clears it as well.
void ClearPenaltyKickState();
// Clears every shoot-out field of the match (tests; StartShootOut clears what a new
// shoot-out needs).
void ClearShootOut();

// periodKind 2, counts and rows cleared, team A to kick first; the first kick set up.
void StartShootOut();
// Places the players and the ball for kick number shootKick.
void SetUpPenalty();
// One frame of the shoot-out, in its fixed order, with the redraw when anything moved.
void ShootOutFrame();
void ShootOutCommand();
void ShootOutTeamA();
void ShootOutTeamB();
void ShootOutBallMotion();
// Goals, saves, kicks that came to nothing, and the early end.
void ShootOutCheck();
// Called by the tick when a save has been shown: records the miss, sets up the next kick and
// blows the whistle.
void RecordSave();

// After an even number of kicks, at least ten, the goals differ.
bool ShootOutDecided();
