// The match view as the player sees it, saved as PNG pictures for a person to look at:
//
//   match_snapshots [--lang en|ja] OUTPUT_FOLDER [GAME_FOLDER]
//
// Runs the game's own main window on the headless backend, in GAME_FOLDER when given (where
// GDAT.DAT and the message catalogue lie; without it the pictures are missing and only the
// pitch is drawn), in the language asked for (Japanese by default), sets up
// friendlies through the match set-up operations, lets the window's 10 ms timer run the match
// ticks, and saves:
//   1-kickoff-first-half.png   the kick-off, team A's keeper on the left
//   2-kickoff-second-half.png  the same after half time, the picture turned round
//   3-lofted-ball.png          a ball in the air with its shadow on the ground
//   4-ball-in-goal.png         a high ball inside the left goal (not drawn there)
//   5-clashing-kits.png        two sides whose first kits clash, players of both close together
//   6-entrance.png ... 15-goal-celebration.png  a campaign play-off from the players' entrance:
//     the fixture caption, the kick-off caption, the clock in each period, the half-time and
//     extra-time captions, a goal and the supporters' celebration
//   16-shoot-out.png           the same play-off level after extra time, in its shoot-out:
//     the board after six pairs and a seventh kick, team B's taker about to run up
//   17-paused.png              the shoot-out paused: the pause sign
//   18-clean-pitch.png         the match over: the pitch the menus stand on, the board empty
// After each picture it checks a few pixels of the window (grass, a white line, the marker
// under the user's player) and ends with exit code 1 when one is wrong.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "match/caption_state.h"
#include "match/ceremonies.h"
#include "match/control_state.h"
#include "match/match_clock.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/match_tick.h"
#include "match/net_rule.h"
#include "match/shoot_out.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "presentation/match_captions.h"
#include "presentation/pause_sign.h"
#include "presentation/pitch_drawing.h"
#include "presentation/shoot_out_board.h"
#include "resources/feldo_resources.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"
#include "snapshot_language.h"

namespace {

namespace hl = platform::headless;
using platform::Color;
using platform::Rgb;

constexpr int kFrameTicks = 11;  // one frame step
constexpr int kTickMs = 10;

int failures = 0;
bool hasArtwork = false;  // GDAT.DAT was found: the top strip shows the crowd

void Fail(const std::string& what) {
  std::fprintf(stderr, "match_snapshots: %s\n", what.c_str());
  ++failures;
}

// The game's own main window.
platform::Window* CreateGameWindow(platform::Instance* instance) {
  platform::Window* window = CreateFeldoWindow(instance);
  if (window == nullptr) return nullptr;
  // The start-up menu opened after the first paint is a modal dialog of the game flow; these
  // pictures go straight to a match, as if it had been closed.
  shellState.startupDone = 1;
  platform::ShowWindow(window, 1);
  platform::UpdateWindow(window);  // the first paint, and the archive check after it
  return window;
}

// A friendly between two nations (indices), set up as the game flow does before a kick-off.
void SetUpFriendly(int userNation, int opponentNation) {
  gameFlow.mode = Mode::kFriendly;
  gameFlow.userNation = std::uint8_t(userNation);
  gameFlow.chosenOpponent = std::uint8_t(opponentNation + 1);
  match.kitsLoaded = 0;
  InitMatch();
}

// The start of a period: the kick-off set-up, the whole view redrawn, the ticks from zero.
void StartPeriod(platform::Window* window, int half, int userKicksOff) {
  match.half = half;
  match.userKicksOff = userKicksOff;
  SetUpKickOff();
  ResetTickCounters();
  platform::DeviceContext* dc = platform::GetDC(window);
  SetViewOffset(viewLayout.captionShift);
  DrawFullPitch(dc);
  DrawScoreboard(dc);
  platform::ReleaseDC(window, dc);
}

// Lets the window's timer run for `frames` frame steps.
void RunFrames(int frames) {
  hl::Advance(std::uint64_t(frames * kFrameTicks * kTickMs));
}

// Lets the window's timer run tick by tick until `done` holds (at most a minute of ticks).
template <typename Done>
void RunTicksUntil(Done done) {
  for (int tick = 0; tick < 6000 && !done(); ++tick) hl::Advance(kTickMs);
  if (!done()) Fail("a state the pictures wait for never came");
}

bool IsGrass(Color c) {
  return c == Rgb(0, 240, 0) || c == Rgb(0, 220, 0);
}

class Checker {
 public:
  explicit Checker(platform::Window* window) : window_(window) {}
  Color Pixel(int x, int y) const {
    platform::DeviceContext* dc = platform::GetDC(window_);
    const Color c = platform::GetPixel(dc, x, y);
    platform::ReleaseDC(window_, dc);
    return c;
  }
  void Expect(bool ok, const std::string& picture, const std::string& what) const {
    if (!ok) Fail(picture + ": " + what);
  }
  // The marker's left edge: a black column left of the controlled player's picture.
  bool MarkerAt(int sx, int y) const {
    for (int row = y - 6; row <= y + 2; ++row) {
      if (Pixel(sx - 4, row) != Rgb(0, 0, 0)) return false;
    }
    return true;
  }

 private:
  platform::Window* window_;
};

void Save(const std::filesystem::path& folder, const std::string& name) {
  const std::string path = (folder / name).string();
  if (!hl::SaveScreenshot(path) || !std::filesystem::exists(path)) Fail("could not write " + path);
}

// Grass, the halfway line, the crowd in the top strip, and (where no other player stands in
// front of it) the marker under the controlled player.
void CheckPitch(const Checker& check, const std::string& picture, bool marker) {
  check.Expect(IsGrass(check.Pixel(250, 420)), picture, "no grass at (250, 420)");
  check.Expect(check.Pixel(470 - match.scrollX, 80) == Rgb(255, 255, 255), picture,
               "no white halfway line at y 80");
  if (hasArtwork) {
    check.Expect(check.Pixel(100, 10) != Rgb(0, 240, 0), picture, "the top strip is bare grass");
  }
  if (marker) {
    const PlayerState& user = teamA[std::size_t(match.controlledPlayer - 1)];
    const platform::Point at = PitchToScreen(user.x, user.y);
    check.Expect(check.MarkerAt(at.x, at.y), picture, "no marker under the controlled player");
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<platform::Language> language = TakeLanguageOption(&argc, argv);
  if (!language || argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: match_snapshots [--lang en|ja] OUTPUT_FOLDER [GAME_FOLDER]\n");
    return 2;
  }
  const std::filesystem::path output = std::filesystem::absolute(argv[1]);
  std::filesystem::create_directories(output);
  if (argc == 3 && !platform::SetCurrentDirectory(argv[2])) {
    std::fprintf(stderr, "match_snapshots: no folder %s\n", argv[2]);
    return 2;
  }
  hasArtwork = platform::FileExists("GDAT.DAT");
  if (!hasArtwork) {
    std::fprintf(stderr, "match_snapshots: no GDAT.DAT here; the pictures will be missing\n");
  }

  platform::ProgramOptions options;
  options.seed = 1;
  platform::Instance* instance = hl::StartForTests(FeldoResources(), options);
  if (!ShowLanguage(*language, "match_snapshots")) return 1;
  // The only modal box that can come up is the archive error: acknowledge it.
  hl::SetIdleHandler([](std::optional<std::uint64_t>) {
    if (platform::TopDialog() != nullptr && hl::PressControl(platform::kIdOk)) return;
    std::fprintf(stderr, "match_snapshots: the program waits for input\n");
    std::exit(3);
  });
  platform::Window* window = CreateGameWindow(instance);
  if (window == nullptr) {
    std::fprintf(stderr, "match_snapshots: the main window could not be created\n");
    return 1;
  }
  const Checker check(window);
  gameFlow.soundOff = 1;

  // Germany against Brazil (who wear the dark overlay on every other player).
  SetUpFriendly(7, 14);
  platform::SendMessage(window, platform::Msg::Command, CommandId::kStartTimer, 0);
  StartPeriod(window, 1, 0);
  RunFrames(1);
  CheckPitch(check, "1-kickoff-first-half", true);
  Save(output, "1-kickoff-first-half.png");

  StartPeriod(window, 2, 1);
  RunFrames(1);
  CheckPitch(check, "2-kickoff-second-half", true);
  // Team A's keeper stands right of the centre now.
  check.Expect(PitchToScreen(teamA[0].x, teamA[0].y).x > 800, "2-kickoff-second-half",
               "team A's keeper is not on the right");
  Save(output, "2-kickoff-second-half.png");

  // A lofted ball over the first half's pitch, away from the players.
  StartPeriod(window, 1, 1);
  RunFrames(4);
  ball.x = 620;
  ball.y = 140;
  ball.dir = 6;
  ball.speed = 3;
  ball.height = 40;
  ball.climb = 2;
  ball.frictionPeriod = 20;
  ball.frictionCount = 20;
  match.ballHolder = 0;
  RunFrames(1);
  {
    // The shadow: black on the grass about 8 pixels above the ground point.
    const platform::Point ground = PitchToScreen(ball.x, ball.y);
    check.Expect(check.Pixel(ground.x, ground.y - 8) == Rgb(0, 0, 0), "3-lofted-ball",
                 "no shadow under the ball");
  }
  Save(output, "3-lofted-ball.png");

  // A high ball inside the left goal: too high to count, low enough to be in the net.
  ball.x = 22;
  ball.y = 250;
  ball.speed = 0;
  ball.height = 22;
  ball.climb = 0;
  RunFrames(1);
  check.Expect(ball.height >= 18 && ball.x == 22, "4-ball-in-goal",
               "the ball left the goal before the picture");
  Save(output, "4-ball-in-goal.png");

  // England against Spain: both first kits are of one colour class, so Spain change kits.
  SetUpFriendly(8, 11);
  StartPeriod(window, 1, 1);
  // Three of each side around the ball in the centre circle.
  const int cx = match.centreX, cy = match.centreY;
  const int spots[6][2] = {{-40, -20}, {-10, 10}, {20, -5}, {-25, 0}, {5, -15}, {35, 15}};
  for (int k = 0; k < 3; ++k) {
    teamA[std::size_t(5 + k)].x = cx + spots[k][0];
    teamA[std::size_t(5 + k)].y = cy + spots[k][1];
    teamB[std::size_t(5 + k)].x = cx + spots[k + 3][0];
    teamB[std::size_t(5 + k)].y = cy + spots[k + 3][1];
  }
  RunFrames(1);
  check.Expect(match.kitA != match.kitB, "5-clashing-kits", "both sides wear one kit");
  CheckPitch(check, "5-clashing-kits", false);
  Save(output, "5-clashing-kits.png");

  // A whole match as it opens: Japan against Cameroon, a play-off of the campaign.
  gameFlow.mode = Mode::kCampaign;
  gameFlow.phase = Phase::kQualifying;
  gameFlow.region = 0;
  gameFlow.userNation = 0;
  gameFlow.playoffOpponent = 26;
  match.kitsLoaded = 0;
  InitMatch();
  SetClockForPeriod();
  match.half = 1;
  ResetTickCounters();
  StartEntrance();
  platform::SendMessage(window, platform::Msg::Command, CommandId::kStartTimer, 0);
  hl::Advance(std::uint64_t((10 + 7 * 14) * kTickMs));
  check.Expect(captionState.entranceState == EntranceState::kWalkingIn, "6-entrance",
               "the entrance is over too soon");
  Save(output, "6-entrance.png");
  RunTicksUntil([] {
    return captionState.entranceState == EntranceState::kFixtureCaption &&
           captionState.captionStep >= 2;
  });
  Save(output, "7-fixture-caption.png");
  RunTicksUntil([] { return match.captionTimer != 0; });
  check.Expect(captionState.entranceState == EntranceState::kNone, "8-kickoff-caption",
               "the ceremony did not end");
  Save(output, "8-kickoff-caption.png");
  RunTicksUntil([] { return match.captionTimer == 0; });
  hl::Advance(std::uint64_t(300 * kTickMs));
  Save(output, "9-clock-first-half.png");
  match.clockMinutes = 0;
  match.clockSeconds = 1;
  RunTicksUntil([] { return match.half == 2; });
  hl::Advance(std::uint64_t(2 * kTickMs));
  check.Expect(match.captionKind == CaptionKind::kHalfTime, "10-half-time", "no half-time caption");
  Save(output, "10-half-time.png");
  RunTicksUntil([] { return match.captionTimer == 0; });
  hl::Advance(std::uint64_t(300 * kTickMs));
  Save(output, "11-clock-second-half.png");
  match.scoreA = match.scoreB;
  match.clockMinutes = 0;
  match.clockSeconds = 1;
  RunTicksUntil([] { return match.periodKind == PeriodKind::kExtraTime; });
  hl::Advance(std::uint64_t(2 * kTickMs));
  check.Expect(match.captionKind == CaptionKind::kExtraTime, "12-extra-time",
               "no extra-time caption");
  Save(output, "12-extra-time.png");
  RunTicksUntil([] { return match.captionTimer == 0; });
  hl::Advance(std::uint64_t(300 * kTickMs));
  Save(output, "13-clock-extra-time.png");
  // A goal by team A: the ball rolled into the goal on the left of the screen (team B's in
  // the second half).
  ball.x = match.pitchRight - 5;
  ball.y = match.centreY;
  ball.height = 0;
  ball.speed = 0;
  ball.climb = 0;
  match.offZone = 0;
  RunTicksUntil([] { return captionState.goalCelebration != 0; });
  Save(output, "14-goal.png");
  hl::Advance(std::uint64_t(7 * 6 * kTickMs));
  check.Expect(captionState.goalCelebration != 0, "15-goal-celebration", "no celebration");
  Save(output, "15-goal-celebration.png");

  // Still level after extra time: the shoot-out. Each kick is played through the timer with
  // the choices that make it a goal (a high shot past a keeper diving low, or past the user's
  // standing keeper) or a save (a straight shot at a keeper who stays).
  RunTicksUntil([] { return captionState.goalCelebration == 0; });
  // The end of extra time hands the match to the game flow, which starts the shoot-out of a
  // level knockout tie.
  gameFlow.phase = Phase::kKnockout;
  gameFlow.playoffOpponent = 0;
  match.scoreB = match.scoreA;
  match.clockMinutes = 0;
  match.clockSeconds = 1;
  RunTicksUntil([] { return match.periodKind == PeriodKind::kShootOut; });
  const auto kick = [](bool score) {
    const int before = match.shootKick;
    const bool teamA = before % 2 == 0;
    match.shootChoiceB = std::uint8_t(score ? (teamA ? 1 : 7) : 4);
    if (teamA) controlState.keyCommand = score ? 'Q' : 'A';
    RunTicksUntil([before] { return match.shootKick != before; });
  };
  for (bool score :
       {true, true, false, true, true, false, true, true, false, false, true, true, true}) {
    kick(score);
  }
  RunTicksUntil([] { return captionState.goalCelebration == 0 && match.captionTimer == 0; });
  hl::Advance(std::uint64_t(20 * 11 * kTickMs));
  const platform::Point board = ShootOutBoardOrigin();
  check.Expect(match.periodKind == PeriodKind::kShootOut && match.shootKick == 13, "16-shoot-out",
               "kicks missing");
  check.Expect(check.Pixel(board.x + 5, board.y + 5) == Rgb(0, 220, 0), "16-shoot-out", "no board");
  check.Expect(check.Pixel(board.x + 283, board.y + 57) == Rgb(0, 0, 240), "16-shoot-out",
               "the extra column is not highlighted");
  Save(output, "16-shoot-out.png");

  // Paused: the sign over the middle of the pitch, and the picture under it back on Continue.
  const platform::Rect sign = PauseSignRect();
  const Color under = check.Pixel(sign.left, sign.top);
  platform::SendMessage(window, platform::Msg::Command, CommandId::kPause, 0);
  check.Expect(check.Pixel(sign.left, sign.top) == Rgb(255, 255, 255) &&
                   check.Pixel(sign.left + 3, sign.top + 3) == Rgb(0, 0, 0),
               "17-paused", "no pause sign");
  Save(output, "17-paused.png");
  platform::SendMessage(window, platform::Msg::Command, CommandId::kPause, 0);
  check.Expect(check.Pixel(sign.left, sign.top) == under, "17-paused",
               "the pause sign stays after Continue");

  // The match over: the pitch as the menus find it, the scoreboard empty.
  platform::KillTimer(window, kMatchTimerId);
  match.periodKind = PeriodKind::kShootOutOver;
  ShowCleanPitch(window);
  check.Expect(check.Pixel(CaptionCentre() - 60, 10) == Rgb(0, 0, 0), "18-clean-pitch",
               "the scoreboard still names the nations");
  CheckPitch(check, "18-clean-pitch", false);
  Save(output, "18-clean-pitch.png");

  platform::KillTimer(window, kMatchTimerId);
  DeleteDrawingTools();  // as the window's destroy does, before the layer goes
  hl::Shutdown();
  std::printf("match_snapshots: 18 pictures in %s, %d check(s) failed\n", output.string().c_str(),
              failures);
  return failures == 0 ? 0 : 1;
}
