// A whole World Cup campaign played in the game's own window on the headless backend, in one
// process: the start-up menu, the level and region dialogs, the nation list, the schedules and
// screens, the phase menus' "play the round" button and every announcement are answered as a
// person would answer them, and the self-playing user (self_play::WindowUser) plays every
// match of the user's nation through the window's own timer tick and match clock.
//
// After every round of a league (the user's and those computed for the other regions and
// groups) and of the knockout the driver checks the competition's records: each nation's
// played, won, drawn and lost matches, its goals and its points against the results the round
// tables showed; that every pairing of the round was played once; that the knockout's winners
// come from their ties; and, when the user reaches the end, that exactly one champion is
// crowned. Faults are collected in the report, not thrown.
//
// With `friendlies` the same window plays that many friendlies one after another instead (the
// long-play test of memory).
//
// The driver works in the current directory (the game reads GDAT.DAT and its sounds from
// there; without them the pitch is drawn without pictures). It resets every record of the game
// before and after the campaign and starts and shuts down the headless backend itself.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/game_flow_state.h"

namespace campaign {

// How far the user got.
enum class Reached {
  kNotStarted,
  kQualifying,  // out in the regional qualifying
  kGroupLeague,
  kFirstRound,
  kSemiFinal,
  kFinal,     // lost the final
  kChampion,  // won the final
};
const char* ReachedName(Reached reached);

struct Settings {
  std::uint32_t seed = 1;  // the game's random source and the user's keys
  int userNation = 7;      // 0 to 30; the region follows from it
  int level = 3;           // chosen in the level dialog first: 0 LEVEL S to 3 LEVEL 3
  // The length of every period on the match clock; shorter than 180 s, the clock is cut down
  // to it as soon as it has been set for a new period.
  int secondsPerPeriod = 180;
  // Every knockout match and play-off is made level just before the end of its second half
  // and of extra time (the higher score comes down to the lower), so that it goes on to extra
  // time and a penalty shoot-out.
  bool forceLevel = false;
  // The user wins every other match by a goal: the score is made so just before the end of
  // the second half (a knockout match or play-off made level above is left level).
  bool userWins = false;
  // Start with the start-up menu's load button instead of a new campaign (the saved campaign
  // in the current directory), for a campaign saved part-way.
  bool load = false;
  // False: the window's match view is taken away once the window exists, so that the matches'
  // frames are played by the rules alone and draw nothing (the dialogs and the tick's captions
  // still paint).
  bool drawMatches = true;
  // The user's matches at most (a guard against a flow that does not end).
  int matchBudget = 40;
  // Friendlies instead of the campaign: once the qualifying menu is reached, its friendly
  // button this many times back to back, against the first `friendlyCycle` nations of the
  // opponent list in turn; then the game is ended from the qualifying menu. 0: the campaign.
  int friendlies = 0;
  int friendlyCycle = 3;
  // Campaigns played one after another in the same window: after each end the start-up
  // menu's new game button again (the level is chosen before the first only).
  int campaigns = 1;
  // Called with the name of every dialog as it comes to the top, before it is answered.
  std::function<void(const std::string& dialog)> onDialog;
  // Called while the result of each of the user's matches is shown, with the count of the
  // results shown so far (from 1).
  std::function<void(int results)> afterMatch;
};

// A dialog or message box as it came to the top, with the records that say what it shows.
struct Seen {
  std::string name;     // template name, or "messagebox"
  std::string caption;  // a message box's caption
  MessageKind messageKind = MessageKind::kMatchResult;
  DisplayContent displayContent = DisplayContent::kNone;
  Phase phase = Phase::kNone;
};

struct Report {
  Reached reached = Reached::kNotStarted;
  bool ended = false;  // the campaign came to its end (phase 0) within the budget
  int userMatches = 0;
  int playoffs = 0;    // play-off announcements
  int extraTimes = 0;  // user matches that went to extra time
  int shootOuts = 0;   // user shoot-outs started
  int leagueRoundsChecked = 0;
  int computedLeaguesChecked = 0;
  int knockoutRoundsChecked = 0;
  int champion = 0;  // nation number of the winner of the final, when the user played it
  // The score of each user match as its result message showed it (before any shoot-out).
  std::vector<std::pair<int, int>> scores;
  int keyEvents = 0;  // the user's key events up to the last result
  // The team photo's steps while the cup celebration was watched for 600 ms of timer ticks
  // (-1 when it was not shown), and in 600 ms after the campaign's end.
  int photoFramesOpen = -1;
  int photoFramesAfter = 0;
  std::vector<std::string> faults;
  std::vector<Seen> seen;
};

Report PlayCampaign(const Settings& settings);

}  // namespace campaign
