// The self-playing match: set-up through the real operations, ticks through the real timer
// tick, a random stream of key events, and a look at the records after every frame.
#include "self_play.h"

#include <array>
#include <cstdlib>
#include <random>
#include <string_view>

#include "archive/graphics_archive.h"
#include "base/game_flow_state.h"
#include "base/random_below.h"
#include "base/record_resets.h"
#include "base/view_layout.h"
#include "competition/nations.h"
#include "match/caption_state.h"
#include "match/ceremonies.h"
#include "match/control_state.h"
#include "match/match_clock.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/match_tick.h"
#include "match/match_view.h"
#include "match/net_rule.h"
#include "match/shoot_out.h"
#include "match/team_play.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "presentation/match_captions.h"
#include "presentation/motion_blend.h"
#include "presentation/pitch_drawing.h"
#include "presentation/pitch_match_view.h"
#include "resources/feldo_commands.h"
#include "shell/keyboard.h"

namespace self_play {

namespace {

constexpr int kUserNation = 7;       // Germany
constexpr int kOpponentNation = 16;  // a South American side
constexpr int kClientWidth = 900;    // the game's client area
constexpr int kClientHeight = 580;
constexpr int kTimerId = 1;         // the window's match timer, as in the game
constexpr int kDisplayTimerId = 2;  // and its display timer of smooth motion
constexpr int kDisplayMs = 16;      // as for a display of 60 pictures a second

// Everything a run keeps between ticks. One run at a time (the records are process-wide).
struct Run {
  Report report;
  int playTicks = 0;  // ticks that reached the running-play step of the tick
  int lastHolder = 0;
  std::array<std::uint8_t, 22> lastOffside{};
  int lastScoreA = 0;
  int lastScoreB = 0;
  std::vector<std::vector<int>>* frameRecords = nullptr;
  std::function<void(platform::Window*)> afterTick;
  int secondsPerPeriod = 180;
  bool forceLevel = false;
};
Run* run = nullptr;

bool IsKeeperCode(int code) {
  return code == 1 || code == 12;
}

void CheckBounds(int frame) {
  const Bounds b = AllowedBounds();
  std::string what;
  const auto checkPlayer = [&](const PlayerState& p, const char* side, int i) {
    if (what.empty() &&
        (p.x < b.playerMinX || p.x > b.playerMaxX || p.y < b.playerMinY || p.y > b.playerMaxY)) {
      what = platform::Format("%s player %d at (%d, %d)", side, i, p.x, p.y);
    }
  };
  for (int i = 0; i < kPlayersPerSide; ++i) {
    checkPlayer(teamA[std::size_t(i)], "team A", i);
    checkPlayer(teamB[std::size_t(i)], "team B", i);
  }
  if (what.empty() && (ball.x < b.ballMinX || ball.x > b.ballMaxX || ball.y < b.ballMinY ||
                       ball.y > b.ballMaxY || ball.height < 0 || ball.height > b.ballMaxHeight ||
                       ball.speed < 0 || ball.speed > b.ballMaxSpeed)) {
    what = platform::Format("ball at (%d, %d) height %d speed %d", ball.x, ball.y, ball.height,
                            ball.speed);
  }
  if (what.empty()) return;
  if (run->report.outOfBounds++ == 0) {
    run->report.firstOutOfBounds = platform::Format("frame %d: %s", frame, what.c_str());
  }
}

// The rule records as they stand, as one row of numbers.
std::vector<int> RecordsNow() {
  std::vector<int> row;
  for (int v : {ball.x, ball.y, ball.dir, ball.speed, ball.height, ball.climb, ball.frictionCount,
                ball.frictionPeriod}) {
    row.push_back(v);
  }
  for (const auto* team : {&teamA, &teamB}) {
    for (const PlayerState& p : *team) {
      for (int v : {p.x, p.y, p.slideDir, p.motion, p.pose, p.facing, p.moved}) row.push_back(v);
    }
  }
  const MatchState& m = match;
  for (int v : {m.goalTopY,
                m.goalBottomY,
                m.half,
                int(m.periodKind),
                m.scoreA,
                m.scoreB,
                m.goalsA1,
                m.goalsA2,
                m.goalsB1,
                m.goalsB2,
                m.userKicksOff,
                int(m.kickOffPendingB),
                m.controlledPlayer,
                m.previousControlled,
                m.ballHolder,
                m.lastToucher,
                int(m.matchEvent),
                int(m.offZone),
                m.captionTimer,
                int(m.captionKind),
                m.scrollX,
                m.offsideLineA,
                m.levelCode,
                m.aiSkipB,
                m.aiSkipCountB,
                m.keeperSkipB,
                m.keeperSkipCountB,
                m.nearPlayer,
                m.nearSticky,
                m.kickGrace,
                m.restartFreeze,
                m.possessionBlockTicks,
                m.userKickTicks,
                int(m.ballStillTicks),
                m.lastPasserB,
                m.faceRefresh,
                m.currentCommand,
                m.keeperHoldTicks,
                m.queuedKick,
                m.kicker,
                m.kickerFacesRight,
                m.diveLockTicks}) {
    row.push_back(v);
  }
  for (const auto* flags : {&m.offsideA, &m.offsideB, &m.chaseMarkB}) {
    for (std::uint8_t v : *flags) row.push_back(v);
  }
  for (int v : {controlState.keyCommand, int(controlState.kickKeyMode), controlState.kickHoldTicks,
                int(controlState.kickPower)}) {
    row.push_back(v);
  }
  return row;
}

// What the frame that just ended produced, read from the records it left.
void ObserveFrame() {
  if (run->frameRecords != nullptr) run->frameRecords->push_back(RecordsNow());
  Report& r = run->report;
  ++r.frames;
  const int goals = (match.scoreA - run->lastScoreA) + (match.scoreB - run->lastScoreB);
  if (goals > 0) (match.half == 2 ? r.goalsSecondHalf : r.goalsFirstHalf) += goals;
  run->lastScoreA = match.scoreA;
  run->lastScoreB = match.scoreB;
  if (goals == 0) {
    // A restart is taken in the frame the ball went out and leaves its mark on the ball.
    if (match.kickGrace == 15 && ball.height == 8 && ball.climb == 4) ++r.throwIns;
    if (match.kickGrace == 15 && ball.height == 0 && ball.climb == 7) ++r.corners;
    // A goal kick leaves the full restart freeze; a keeper's kick-out has had one frame of
    // it counted down already, and only follows his hold.
    if (match.restartFreeze == 20 && !IsKeeperCode(run->lastHolder)) ++r.goalKicks;
  }
  if (IsKeeperCode(match.ballHolder) && !IsKeeperCode(run->lastHolder)) ++r.keeperHolds;
  run->lastHolder = match.ballHolder;
  for (int i = 0; i < kPlayersPerSide; ++i) {
    const std::uint8_t a = match.offsideA[std::size_t(i)];
    const std::uint8_t b = match.offsideB[std::size_t(i)];
    if (a != 0 && run->lastOffside[std::size_t(i)] == 0) ++r.offsideFlags;
    if (b != 0 && run->lastOffside[std::size_t(11 + i)] == 0) ++r.offsideFlags;
    run->lastOffside[std::size_t(i)] = a;
    run->lastOffside[std::size_t(11 + i)] = b;
  }
  CheckBounds(r.frames);
}

// One timer tick, with or without a window.
void OneTick(platform::Window* window) {
  // Over: the game stops its timer (a shoot-out runs with half 0).
  if (match.half == 0 && match.periodKind != PeriodKind::kShootOut) return;
  if (run->forceLevel && match.half == 2 && match.clockMinutes == 0 && match.clockSeconds <= 1) {
    match.scoreA = match.scoreB = std::min(match.scoreA, match.scoreB);
    run->lastScoreA = match.scoreA;
    run->lastScoreB = match.scoreB;
  }
  const int dividerBefore = tickCounters.frameDivider;
  const std::uint8_t celebratingBefore = captionState.goalCelebration;
  const PeriodKind periodBefore = match.periodKind;
  MatchTick([window] {
    // The game flow's part: the timer stops and the end of the match is sent.
    platform::KillTimer(window, kTimerId);
    platform::SendMessage(window, platform::Msg::Command, CommandId::kEndOfMatch, 0);
  });
  ++run->report.ticks;
  if (run->afterTick) run->afterTick(window);
  if (captionState.goalCelebration != 0 && celebratingBefore == 0) {
    ++(periodBefore == PeriodKind::kShootOut ? run->report.shootOutCelebrations
                                             : run->report.celebrations);
  }
  if (match.periodKind == PeriodKind::kExtraTime && periodBefore == PeriodKind::kRegular) {
    run->report.extraTime = true;
    ++run->report.extraTimePeriods;
    run->report.scoreAAtExtraTime = match.scoreA;
    run->report.scoreBAtExtraTime = match.scoreB;
  }
  if (tickCounters.frameDivider != dividerBefore) ++run->playTicks;
  if (dividerBefore == 10 && tickCounters.frameDivider == 0) {
    if (periodBefore == PeriodKind::kShootOut) ++run->report.shootOutFrames;
    ObserveFrame();
  }
  if (periodBefore == PeriodKind::kShootOut && match.periodKind == PeriodKind::kShootOutOver)
    run->report.shootOutDecided = true;
  // A shorter period, set each time the clock has just been reset to 3:00.
  if (run->secondsPerPeriod != 180 && match.clockMinutes == 3 && match.clockSeconds == 0 &&
      match.clockMillis == 0) {
    match.clockMinutes = run->secondsPerPeriod / 60;
    match.clockSeconds = run->secondsPerPeriod % 60;
  }
}

platform::Param SelfPlayWindowProc(platform::Window* window, platform::Msg msg, platform::Param a,
                                   platform::Param b) {
  switch (msg) {
    case platform::Msg::Size:
      // The view is laid out for the client area as the main window does it.
      viewLayout.clientWidth = std::int32_t(a);
      viewLayout.clientHeight = std::int32_t(b);
      viewLayout.captionShift = CaptionShiftForWidth(viewLayout.clientWidth);
      match.scrollX = viewLayout.captionShift;
      return 0;
    case platform::Msg::Timer:
      if (a == kDisplayTimerId) {
        DrawMotionFrame();  // smooth motion: the picture between the rule frames
      } else if (run != nullptr) {
        OneTick(window);
      }
      return 0;
    case platform::Msg::Command:
      // The game flow's part: the timer, and the end of the match counted.
      if (a == CommandId::kStartTimer) platform::SetTimer(window, kTimerId, kMatchTimerPeriodMs);
      if (a == CommandId::kEndOfMatch && run != nullptr) ++run->report.endOfMatchCommands;
      return 0;
    case platform::Msg::KeyDown:
      HandleKeyDown(int(a), (b & 1) != 0);
      return 0;
    case platform::Msg::KeyUp:
      HandleKeyUp(int(a));
      return 0;
    case platform::Msg::Char:
      HandleCharacter(std::uint32_t(a));
      return 0;
    default:
      return platform::DefaultWindowProc(window, msg, a, b);
  }
}

// Where the ticks and keys go: a headless window, or straight to the tick and the handlers.
class Desk {
 public:
  // A window of the headless backend that the caller has started and owns.
  struct ExistingWindow {};
  Desk(ExistingWindow, int* keyEvents) : drawing_(true), owned_(false), keyEvents_(keyEvents) {}

  Desk(bool drawing, bool smoothMotion) : drawing_(drawing), keyEvents_(&run->report.keyEvents) {
    if (!drawing_) {
      // The layout the game's window gets, without the window.
      viewLayout.clientWidth = kClientWidth;
      viewLayout.clientHeight = kClientHeight;
      viewLayout.captionShift = CaptionShiftForWidth(kClientWidth);
      return;
    }
    platform::Instance* instance = platform::headless::StartForTests(platform::ResourceTable{});
    CreateDrawingTools();
    platform::WindowClass windowClass;
    windowClass.name = "SelfPlay";
    windowClass.proc = SelfPlayWindowProc;
    platform::RegisterWindowClass(instance, windowClass);
    // The game's client area below its menu bar.
    window_ = platform::CreateMainWindow(instance, "SelfPlay", "self play", 0, 0, 0, kClientWidth,
                                         kClientHeight);
    SetMatchView(PitchMatchView(window_));
    platform::SetTimer(window_, kTimerId, kMatchTimerPeriodMs);
    // Smooth motion as the game's window has it: the blend on, and the display timer.
    SetMotionBlending(smoothMotion);
    if (smoothMotion) platform::SetTimer(window_, kDisplayTimerId, kDisplayMs);
  }
  ~Desk() {
    if (!drawing_ || !owned_) return;
    SetMatchView(nullptr);
    SetMotionBlending(false);
    DeleteDrawingTools();
    platform::headless::Shutdown();
    ResetViewLayout();
  }
  Desk(const Desk&) = delete;

  // The start of the match as the game makes it: the players' entrance.
  void StartEntrance() { ::StartEntrance(); }

  Desk& operator=(const Desk&) = delete;

  // The shoot-out as the game flow starts it.
  void BeginShootOut() {
    ::BeginShootOut();
    platform::SendMessage(window_, platform::Msg::Command, CommandId::kStartTimer, 0);
  }

  void Ticks(int n) {
    if (drawing_) {
      platform::headless::Advance(std::uint64_t(n) * kMatchTimerPeriodMs);
    } else {
      for (int i = 0; i < n; ++i) OneTick(nullptr);
    }
  }
  void KeyDown(int key, bool repeat = false) {
    ++*keyEvents_;
    if (drawing_) {
      platform::headless::KeyDown(key, repeat);
    } else {
      HandleKeyDown(key, repeat);
    }
  }
  void KeyUp(int key) {
    ++*keyEvents_;
    if (drawing_) {
      platform::headless::KeyUp(key);
    } else {
      HandleKeyUp(key);
    }
  }
  void Char(std::uint32_t c) {
    ++*keyEvents_;
    if (drawing_) {
      platform::headless::Char(c);
    } else {
      HandleCharacter(c);
    }
  }

 private:
  bool drawing_;
  bool owned_ = true;
  int* keyEvents_;
  platform::Window* window_ = nullptr;
};

// A press of a key that also types a character, as the keyboard sends it.
void Type(Desk& desk, int key, char c) {
  desk.KeyDown(key);
  desk.Char(std::uint32_t(static_cast<unsigned char>(c)));
  desk.Ticks(1);
  desk.KeyUp(key);
}

// An arrow key held for `ticks` ticks with key repeat every third tick.
void HoldArrow(Desk& desk, int key, int ticks) {
  desk.KeyDown(key);
  for (int t = 0; t < ticks; t += 3) {
    desk.Ticks(3);
    desk.KeyDown(key, true);
  }
  desk.KeyUp(key);
}

// The arrow key that moves the controlled player along a pitch direction (2, 4, 6, 8) on the
// screen of the current half.
int KeyFor(int pitchDirection) {
  const bool turned = match.half == 2;
  switch (pitchDirection) {
    case 6:
      return turned ? platform::KeyLeft : platform::KeyRight;
    case 4:
      return turned ? platform::KeyRight : platform::KeyLeft;
    case 8:
      return turned ? platform::KeyDown : platform::KeyUp;
    default:
      return turned ? platform::KeyUp : platform::KeyDown;
  }
}

// One random thing the user does, and the ticks it takes.
void RandomAction(Desk& desk, std::mt19937& keys) {
  const auto below = [&keys](int n) { return int(keys() % std::uint32_t(n)); };
  const int choice = below(100);
  if (choice < 45) {  // an arrow held for a while
    const int arrows[] = {platform::KeyLeft, platform::KeyUp, platform::KeyRight,
                          platform::KeyDown};
    HoldArrow(desk, arrows[below(4)], 1 + below(60));
  } else if (choice < 62) {  // the kick key, tapped or held
    desk.KeyDown(platform::KeySpace);
    desk.Char(' ');
    desk.Ticks(below(3) == 0 ? 50 + below(80) : 1 + below(40));
    desk.KeyUp(platform::KeySpace);
  } else if (choice < 72) {  // Shift held, perhaps with a pass or a shot
    desk.KeyDown(platform::KeyShift);
    desk.Ticks(1 + below(10));
    if (below(2) == 0) {
      constexpr std::string_view kKicks = "swxaqz";
      const char c = kKicks[std::size_t(below(int(kKicks.size())))];
      Type(desk, platform::KeyA + (c - 'a'), char(c - 'a' + 'A'));
    }
    desk.Ticks(below(10));
    desk.KeyUp(platform::KeyShift);
  } else if (choice < 95) {  // a letter, a keypad digit or a symbol
    constexpr std::string_view kTyped = "aApPqQsSwWxXzZbm13795*/:?";
    const char c = kTyped[std::size_t(below(int(kTyped.size())))];
    int key = platform::KeyMultiply;
    if (c >= 'a' && c <= 'z') key = platform::KeyA + (c - 'a');
    if (c >= 'A' && c <= 'Z') key = platform::KeyA + (c - 'A');
    if (c >= '0' && c <= '9') key = platform::KeyNumpad0 + (c - '0');
    Type(desk, key, c);
  }
  desk.Ticks(2 + below(30));
}

// What a user who wants to score does: run to the ball, dribble it towards team B's goal and
// shoot from close in, sometimes lobbed.
void PurposefulAction(Desk& desk, std::mt19937& keys) {
  const auto below = [&keys](int n) { return int(keys() % std::uint32_t(n)); };
  const int c = match.controlledPlayer - 1;
  if (c < 1 || c >= kPlayersPerSide) {
    desk.Ticks(5);
    return;
  }
  const PlayerState& p = teamA[std::size_t(c)];
  if (match.ballHolder == match.controlledPlayer) {
    const bool pressed = NearestTeamB(36) != 0;
    if (ball.x > match.pitchRight - 210 || (pressed && ball.x > match.centreX + 100)) {
      // A shot at the goal mouth: straight from in front of it (flat or lobbed over the
      // keeper), diagonally from beside it. The diagonal letters name screen directions.
      const bool turned = match.half == 2;
      char shot = 'a';
      if (ball.y < match.centreY - 40) shot = turned ? 'q' : 'z';  // towards larger y
      if (ball.y > match.centreY + 30) shot = turned ? 'z' : 'q';  // towards smaller y
      const bool lob = shot == 'a' && below(2) == 0;
      if (lob) desk.KeyDown(platform::KeyShift);
      Type(desk, platform::KeyA + (shot - 'a'), char(shot - 'a' + 'A'));
      if (lob) desk.KeyUp(platform::KeyShift);
    } else if (pressed && below(2) == 0) {
      Type(desk, platform::KeyA + ('s' - 'a'), 'S');  // a pass ahead
    } else if (ball.y < match.centreY - 30 || ball.y > match.centreY + 20) {
      HoldArrow(desk, KeyFor(ball.y < match.centreY ? 2 : 8), 3 + below(6));
    } else {
      HoldArrow(desk, KeyFor(6), 6 + below(20));
    }
  } else {
    const int dx = ball.x - p.x;
    const int dy = ball.y - p.y;
    const int direction = std::abs(dx) > std::abs(dy) ? (dx > 0 ? 6 : 4) : (dy > 0 ? 2 : 8);
    HoldArrow(desk, KeyFor(direction), 3 + below(12));
  }
  desk.Ticks(1 + below(8));
}

void SetUpMatch(const Settings& settings) {
  ResetAllRecords();
  InitTeamDatabase();
  SeedRandom(settings.seed);
  gameFlow.mode = Mode::kFriendly;
  if (settings.playoff) {
    gameFlow.mode = Mode::kCampaign;
    gameFlow.phase = Phase::kQualifying;  // a play-off of the regional qualifying league
    gameFlow.playoffOpponent = kOpponentNation + 1;
  }
  gameFlow.soundOff = 1;
  gameFlow.level = std::uint8_t(settings.levelSetting);
  gameFlow.userNation = kUserNation;
  gameFlow.chosenOpponent = kOpponentNation + 1;
  match.kitsLoaded = 1;  // the rules need no pictures
  if (settings.drawing && settings.pictures && !CheckArchiveAfterFirstPaint() &&
      graphicsArchive.playerNameCount != 0) {
    LoadPitchPictures();
    match.kitsLoaded = 0;  // the pairing's sprite sheets are loaded by the set-up
  }
  InitMatch();
  match.levelCode = settings.levelCode;
  SetClockForPeriod();
  match.half = 1;
}

// Plays until the clock ends the match, or a generous budget of ticks has gone (a match that
// does not end is then reported as not ended).
void PlayToTheEnd(Desk& desk, const Settings& settings, std::mt19937& keys) {
  const int budget = 8 * 100 * (settings.secondsPerPeriod + 60) + 20000;
  while (match.half != 0 && run->report.ticks < budget) {
    if (settings.keys) {
      if (keys() % 100 < 85) {  // mostly purposeful, with random presses between
        PurposefulAction(desk, keys);
      } else {
        RandomAction(desk, keys);
      }
    } else {
      desk.Ticks(50);
    }
  }
}

// The user in a shoot-out: on his own kicks, after a while, one of the keys that aim (or now
// and then one that does nothing, or with the lob modifier held); on team B's kicks perhaps a
// dive, perhaps changed, perhaps none.
void ShootOutAction(Desk& desk, std::mt19937& keys) {
  const auto below = [&keys](int n) { return int(keys() % std::uint32_t(n)); };
  desk.Ticks(1 + below(60));
  if (match.shootKick % 2 == 0) {
    constexpr std::string_view kAims = "AQZW17/?S";
    const char c = kAims[std::size_t(below(int(kAims.size())))];
    int key = platform::KeyMultiply;
    if (c >= 'A' && c <= 'Z') key = platform::KeyA + (c - 'A');
    if (c >= '0' && c <= '9') key = platform::KeyNumpad0 + (c - '0');
    const bool lob = below(8) == 0;
    if (lob) desk.KeyDown(platform::KeyShift);
    Type(desk, key, c);
    desk.Ticks(below(40));
    if (lob) desk.KeyUp(platform::KeyShift);
  } else if (below(3) != 0) {
    HoldArrow(desk, below(2) == 0 ? platform::KeyUp : platform::KeyDown, 1 + below(4));
  }
}

void PlayShootOut(Desk& desk, const Settings& settings, std::mt19937& keys) {
  desk.BeginShootOut();
  run->report.shootOut = true;
  constexpr int kBudget = 400000;
  const int start = run->report.ticks;
  while (match.periodKind == PeriodKind::kShootOut && run->report.ticks - start < kBudget) {
    if (settings.keys) {
      ShootOutAction(desk, keys);
    } else {
      desk.Ticks(50);
    }
  }
  run->report.shootKicks = match.shootKicksTaken;
  run->report.shootGoalsA = match.shootGoalsA;
  run->report.shootGoalsB = match.shootGoalsB;
}

}  // namespace

Bounds AllowedBounds() {
  constexpr int L = 30, R = 910, T = 60, B = 450;
  // The ball ends every frame between the touch lines (a throw-in is taken at once; a corner
  // is taken from y 450) and inside the goal lines while it is lower than 18 px. Higher, it
  // flies on over a goal line: a chip of climb 9 stays 18 px high or more for 13 frames, at
  // up to 22 px a frame. A kick of climb 9 lifts the ball by 45 px, and a cross or a chip
  // may meet a ball that is already in the air: three such kicks in one flight are allowed
  // for (seeded matches have been seen to reach 84 px after two).
  constexpr int kBeyondGoalLine = 350;
  constexpr int kHighest = 3 * 45;
  // Players: the walks keep them on the pitch and the slide within 6 px of the lines; only a
  // restart puts one farther out (a throw-in taker on the ball, wherever it crossed the touch
  // line, his receiver up to 60 px beside it), and a header lifts a player by half the ball's
  // height.
  return Bounds{L - kBeyondGoalLine - 60,
                R + kBeyondGoalLine + 60,
                T - 5 - kHighest / 2,
                B + 6,
                L - kBeyondGoalLine,
                R + kBeyondGoalLine,
                T - 5,
                B,
                kHighest,
                40};
}

WindowUser::WindowUser(std::uint32_t seed) : keys_(seed * 2654435761u + 17u) {}

void WindowUser::Act() {
  Desk desk(Desk::ExistingWindow{}, &keyEvents_);
  if (match.periodKind == PeriodKind::kShootOut) {
    ShootOutAction(desk, keys_);
  } else if (keys_() % 100 < 85) {
    PurposefulAction(desk, keys_);
  } else {
    RandomAction(desk, keys_);
  }
}

Report PlayMatch(const Settings& settings) {
  Run state;
  state.frameRecords = settings.frameRecords;
  state.afterTick = settings.afterTick;
  state.secondsPerPeriod = settings.secondsPerPeriod;
  state.forceLevel = settings.forceLevel;
  run = &state;
  SetUpMatch(settings);
  {
    Desk desk(settings.drawing, settings.smoothMotion);
    // The pairing's sprite sheets, which the set-up could not load before the view was there.
    if (settings.drawing && settings.pictures) {
      if (MatchView* view = CurrentMatchView()) view->LoadPairingPictures();
    }
    std::mt19937 keys(settings.seed * 2654435761u + 17u);
    desk.StartEntrance();
    PlayToTheEnd(desk, settings, keys);
    state.report.ended = match.half == 0;
    // Still level after extra time: the game flow goes on to the shoot-out.
    if (state.report.ended && settings.playoff && match.periodKind == PeriodKind::kExtraTime &&
        match.scoreA == match.scoreB) {
      PlayShootOut(desk, settings, keys);
    }
  }
  state.report.scoreA = match.scoreA;
  state.report.scoreB = match.scoreB;
  match.half = 0;
  run = nullptr;
  return state.report;
}

}  // namespace self_play
