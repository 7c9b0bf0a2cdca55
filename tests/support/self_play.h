// A match that plays itself: a friendly (or a campaign play-off) between two nations run from
// the players' entrance to the end of the match through the real timer tick and match clock,
// with a seeded random source for the game and a seeded random stream of key events for the
// user's side (arrows held with key repeat, kick-key taps and holds, Shift, letters and keypad
// digits). It reports the score and counts of what happened, and checks after every frame
// that every player and the ball stay inside the bounds the rules allow.
//
// With drawing the match runs in a window of the headless backend: the ticks are its timer
// messages and the keys go through the window's message queue, so every frame is drawn.
// Without drawing the same tick is called directly with no window, and the keys go straight
// to the keyboard handlers.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace self_play {

struct Settings {
  std::uint32_t seed = 1;
  int levelCode = 2;     // team B's strength code for the whole match, 0 to 6
  int levelSetting = 3;  // the Level setting: 0 S, 1, 2, 3
  bool drawing = false;
  // With drawing: load the pictures from GDAT.DAT in the current directory, so that the
  // players and the ball are drawn as in the game (without them only the pitch is drawn).
  bool pictures = false;
  bool keys = true;  // false: nobody touches the keyboard
  // With drawing: smooth motion on, the picture drawn between the rule frames on a display
  // timer as in the game's window.
  bool smoothMotion = false;
  // The length of every period on the match clock: 180 s (3:00) as in the game; a test may
  // play shorter periods, which the driver sets whenever the clock has just been reset.
  int secondsPerPeriod = 180;
  // A play-off of the campaign: a level match after the second half gets extra time, and one
  // still level after it a penalty shoot-out, started as the game flow starts it and played
  // through the same tick to its decision (the user's aims and dives random from the seed).
  bool playoff = false;
  // The score is made level just before the second half and extra time end (the higher
  // score comes down to the lower), so that a play-off goes to extra time and a shoot-out.
  bool forceLevel = false;
  // When set, the rule records at the end of every frame are appended here, one entry a frame
  // (the ball, both teams, the match record and the user's control state).
  std::vector<std::vector<int>>* frameRecords = nullptr;
  // When set, called after every timer tick with the window the match is drawn in (nullptr
  // without drawing), for a caller that looks at what the tick drew.
  std::function<void(platform::Window*)> afterTick;
};

struct Report {
  int scoreA = 0;
  int scoreB = 0;
  int goalsFirstHalf = 0;
  int goalsSecondHalf = 0;
  int throwIns = 0;
  int corners = 0;
  int goalKicks = 0;
  int keeperHolds = 0;
  int offsideFlags = 0;  // a player's flag going up
  int frames = 0;
  bool extraTime = false;      // a period of extra time was played
  int extraTimePeriods = 0;    // times extra time began
  int scoreAAtExtraTime = -1;  // the score when extra time began
  int scoreBAtExtraTime = -1;
  bool ended = false;            // the clock ended the match (half 0) within the tick budget
  int celebrations = 0;          // goal celebrations started
  bool shootOut = false;         // a penalty shoot-out was started
  bool shootOutDecided = false;  // ... and the tick handed it over decided (periodKind 3)
  int shootKicks = 0;            // kicks taken in it
  int shootGoalsA = 0;
  int shootGoalsB = 0;
  int shootOutFrames = 0;
  int shootOutCelebrations = 0;  // one for each shoot-out goal
  // With drawing: the end-of-match commands the window received (one after the match, one
  // after a shoot-out).
  int endOfMatchCommands = 0;
  int ticks = 0;  // timer ticks in all, ceremonies and captions included
  int keyEvents = 0;
  int outOfBounds = 0;           // frames that ended with something outside the bounds
  std::string firstOutOfBounds;  // what and where, for the first such frame
};

// The bounds the rules allow at the end of a frame (see docs/match-engine.md).
struct Bounds {
  int playerMinX, playerMaxX, playerMinY, playerMaxY;
  int ballMinX, ballMaxX, ballMinY, ballMaxY, ballMaxHeight, ballMaxSpeed;
};
Bounds AllowedBounds();

Report PlayMatch(const Settings& settings);

// The same user in a match that runs in a window of the headless backend which the caller has
// started (the game's own window): each Act is one thing the user does, its keys injected
// through the backend and its time passed with Advance, so that the window's own timer ticks
// the match (and whatever the game flow opens when the match ends runs inside that time). In a
// shoot-out it aims or dives; otherwise it mostly runs for the ball, dribbles and shoots, with
// random presses between.
class WindowUser {
 public:
  explicit WindowUser(std::uint32_t seed);
  void Act();
  int KeyEvents() const { return keyEvents_; }

 private:
  std::mt19937 keys_;
  int keyEvents_ = 0;
};

}  // namespace self_play
