// The competition screens and the ceremonies as the player sees them, saved as PNG pictures
// for a person to look at:
//
//   screen_snapshots [--lang en|ja] OUTPUT_FOLDER [GAME_FOLDER]
//
// Runs the game's main window on the headless backend in GAME_FOLDER (where GDAT.DAT and the
// message catalogue lie), in the language asked for (Japanese by default), plays a seeded
// campaign through the competition's own operations (Germany in Europe, the user's matches
// given fixed scores, every other match computed) and draws each display
// dialog's body into a picture of the dialog's client size, on the dialog face with its OK
// button's place outlined: screen-*.png. A second seeded campaign in North/Central America
// and the Caribbean (the smallest league) is played until a play-off comes up. Then the top
// strip with every nation's supporters (strip-*.png), the departure screen and the victory
// screen with each group of the team photo's frames (ceremony-*.png). A few pixels of each
// picture are checked; the program ends with exit code 1 when one is wrong.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/game_flow_state.h"
#include "base/random_below.h"
#include "competition/computed_results.h"
#include "competition/fixtures.h"
#include "competition/group_draw.h"
#include "competition/nations.h"
#include "competition/qualification.h"
#include "competition/standings.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "presentation/bitmap_store.h"
#include "presentation/ceremony_drawing.h"
#include "presentation/competition_screens.h"
#include "presentation/match_captions.h"
#include "presentation/pitch_drawing.h"
#include "resources/feldo_resources.h"
#include "shell/main_window.h"
#include "snapshot_language.h"

namespace {

namespace hl = platform::headless;
using platform::Color;
using platform::Rgb;

constexpr int kPixelsPerDialogUnit = 2;

int failures = 0;
int saved = 0;
std::filesystem::path output;

void Fail(const std::string& what) {
  std::fprintf(stderr, "screen_snapshots: %s\n", what.c_str());
  ++failures;
}

// A picture the size of a dialog's client area (in dialog units), on the dialog face.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    dc_ = platform::CreateCompatibleDC(nullptr);
    bitmap_ = platform::CreateCompatibleBitmap(dc_, width, height);
    platform::SelectBitmap(dc_, bitmap_);
    platform::Brush* face = platform::CreateSolidBrush(platform::kFaceGrey);
    platform::FillRect(dc_, {0, 0, width, height}, face);
    platform::DeleteObject(face);
  }
  static Canvas Dialog(int widthUnits, int heightUnits) {
    return Canvas(widthUnits * kPixelsPerDialogUnit, heightUnits * kPixelsPerDialogUnit);
  }
  ~Canvas() {
    platform::DeleteDC(dc_);
    platform::DeleteObject(bitmap_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  Canvas(Canvas&& other) noexcept
      : width_(other.width_), height_(other.height_), dc_(other.dc_), bitmap_(other.bitmap_) {
    other.dc_ = nullptr;
    other.bitmap_ = nullptr;
  }

  platform::DeviceContext* dc() const { return dc_; }
  Color Pixel(int x, int y) const { return platform::GetPixel(dc_, x, y); }
  // The place of the dialog's OK button (dialog units), outlined as the button would stand.
  void Button(int x, int y, int w, int h) {
    const int s = kPixelsPerDialogUnit;
    platform::SelectPen(dc_, platform::StockPen(platform::StockObject::BlackPen));
    platform::SelectBrush(dc_, platform::StockBrush(platform::StockObject::LightGreyBrush));
    platform::Rectangle(dc_, x * s, y * s, (x + w) * s, (y + h) * s);
    platform::SetBkMode(dc_, platform::BkMode::Transparent);
    platform::SetTextColor(dc_, Rgb(0, 0, 0));
    platform::TextOut(dc_, x * s + w * s / 2 - 8, y * s + (h * s - 16) / 2, "OK");
  }
  // Whether any pixel of the area has the colour.
  bool Has(Color colour, int left, int top, int right, int bottom) const {
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        if (Pixel(x, y) == colour) return true;
      }
    }
    return false;
  }
  void Save(const std::string& name, int height = -1) const {
    const std::string path = (output / name).string();
    const int rows = height < 0 ? height_ : height;
    if (!platform::SavePng(path, width_, rows, platform::BitmapPixels(bitmap_))) {
      Fail("could not write " + path);
      return;
    }
    ++saved;
  }
  // A part of the picture enlarged `factor` times, for a close look at small pictures.
  void SaveZoomed(const std::string& name, int left, int top, int w, int h, int factor) const {
    const std::uint32_t* pixels = platform::BitmapPixels(bitmap_);
    std::vector<std::uint32_t> zoomed(std::size_t(w * factor) * std::size_t(h * factor));
    for (int y = 0; y < h * factor; ++y) {
      for (int x = 0; x < w * factor; ++x) {
        zoomed[std::size_t(y) * std::size_t(w * factor) + std::size_t(x)] =
            pixels[std::size_t(top + y / factor) * std::size_t(width_) +
                   std::size_t(left + x / factor)];
      }
    }
    const std::string path = (output / name).string();
    if (!platform::SavePng(path, w * factor, h * factor, zoomed.data())) {
      Fail("could not write " + path);
      return;
    }
    ++saved;
  }

 private:
  int width_, height_;
  platform::DeviceContext* dc_;
  platform::Bitmap* bitmap_;
};

struct DialogFrame {
  int width, height, okX, okY, okW, okH;
};
constexpr DialogFrame kSchedule1 = {430, 220, 194, 200, 42, 10};
constexpr DialogFrame kSchedule2 = {430, 190, 174, 170, 42, 10};
constexpr DialogFrame kRoundEnd = {280, 190, 124, 150, 42, 10};
constexpr DialogFrame kTaisen = {300, 190, 134, 150, 42, 10};
constexpr DialogFrame kGroupLeague = {280, 190, 124, 150, 42, 10};
constexpr DialogFrame kTournament = {300, 190, 124, 150, 42, 10};
constexpr DialogFrame kPlayoff = {200, 120, 80, 70, 32, 12};
constexpr DialogFrame kRegionChoice = {280, 180, 120, 164, 32, 12};

// The body of gameFlow.displayContent in its dialog, saved as screen-NAME.png.
Canvas Screen(const DialogFrame& frame, int content, const std::string& name) {
  Canvas canvas = Canvas::Dialog(frame.width, frame.height);
  gameFlow.displayContent = DisplayContent(content);
  DrawDisplayContent(canvas.dc());
  gameFlow.displayContent = DisplayContent::kNone;
  canvas.Button(frame.okX, frame.okY, frame.okW, frame.okH);
  canvas.Save("screen-" + name + ".png");
  return canvas;
}

void Expect(bool ok, const std::string& picture, const std::string& what) {
  if (!ok) Fail(picture + ": " + what);
}

// A round of the user's league: the user's match with the given score, the rest computed.
void PlayLeagueRound(int round, int userGoals, int opponentGoals) {
  gameFlow.roundIndex = std::uint8_t(round);
  const int opponent = UserFixtureOpponent();
  lastMatchResult = LastMatchResult{opponent != 0 ? userGoals : 0,
                                    opponent != 0 ? opponentGoals : 0, std::uint8_t(opponent)};
  gameFlow.lastRound = gameFlow.roundIndex;
  CollectRoundResults();
  ApplyRoundResults();
}

void ResetCampaign(std::uint32_t seed) {
  ResetGameFlow();
  ResetFixtureRecords();
  ResetStandingsRecords();
  ResetNationRecords();
  InitTeamDatabase();
  SeedRandom(seed);
}

// Germany's campaign in Europe, from the schedule to the final.
void EuropeanCampaign() {
  ResetCampaign(20240601);
  gameFlow.region = 1;
  gameFlow.userNation = 7;
  const int user = gameFlow.userNation + 1;
  SetUpQualifying();
  gameFlow.phase = Phase::kQualifying;
  gameFlow.roundIndex = 0;
  {
    Canvas c = Screen(kSchedule1, 2, "01-qualifying-schedule-europe");
    Expect(c.Has(Rgb(255, 0, 0), 20, 30, 860, 70), "01", "the user's pairing is not red");
    Expect(c.Has(Rgb(0, 0, 255), 10, 10, 90, 26), "01", "no round heading");
  }
  for (int round = 0; round < gameFlow.roundCount; ++round) {
    PlayLeagueRound(round, 3, round % 3);
    if (round == 0) {
      Screen(kRoundEnd, 3, "02-round-results-europe");
      gameFlow.displayRegion = 100;
      Canvas c = Screen(kTaisen, 4, "03-own-standings-europe");
      Expect(!c.Has(Rgb(255, 0, 0), 10 + 464, 72, 10 + 576, 72 + 8 * 22), "03",
             "the view between rounds shows marks");
    }
  }
  gameFlow.displayRegion = gameFlow.region;
  {
    Canvas c = Screen(kTaisen, 4, "04-final-standings-europe");
    Expect(c.Has(Rgb(255, 0, 0), 10 + 464, 72, 10 + 576, 72 + 5 * 22), "04", "no qualified marks");
  }
  if (!DecideQualification()) Fail("Germany did not qualify");
  RecordRegionQualifiers();
  const char* const regionPictures[5] = {"05-computed-asia", "", "06-computed-south-america",
                                         "07-computed-north-america", "08-computed-africa"};
  for (int r = 0; r < kRegionCount; ++r) {
    if (r == gameFlow.region) continue;
    ComputeRegionQualifying(r);
    gameFlow.displayRegion = std::uint8_t(r);
    Screen(kTaisen, 4, regionPictures[r]);
  }
  DrawGroups();
  Screen(kGroupLeague, 7, "09-groups");

  gameFlow.phase = Phase::kGroupLeague;
  SetUpGroupLeague();
  Screen(kSchedule2, 8, "10-group-schedule");
  for (int round = 0; round < gameFlow.roundCount; ++round) {
    PlayLeagueRound(round, 2, 1);
    if (round == 0) {
      Screen(kRoundEnd, 3, "11-group-round-results");
      gameFlow.displayRegion = 100;
      gameFlow.displayGroup = leagueState.userGroup;
      Screen(kTaisen, 11, "12-own-group-standings");
    }
  }
  gameFlow.displayRegion = 10;
  Screen(kTaisen, 4, "13-final-group-standings");
  if (!DecideQualification()) Fail("Germany did not pass the group league");
  knockoutTable.semiFinalists.fill(0);
  knockoutTable.finalists.fill(0);
  RecordGroupQualifiers();
  for (int g = 0; g < kGroupCount; ++g) {
    if (g == leagueState.userGroup) continue;
    ComputeGroup(g);
    gameFlow.displayGroup = std::uint8_t(g);
    Screen(kTaisen, 11, "14-computed-group-" + std::string(1, char('a' + g)));
  }

  gameFlow.phase = Phase::kKnockout;
  gameFlow.roundIndex = 0;
  {
    Canvas c = Screen(kTournament, 10, "15-bracket-before-first-round");
    Expect(!c.Has(Rgb(255, 0, 0), 0, 0, 600, 380), "15", "red before the first round");
  }
  for (int round = 0; round < 2; ++round) {
    gameFlow.roundIndex = std::uint8_t(round);
    const int opponent = KnockoutOpponent(user, round);
    ComputeKnockoutRound(opponent, 2, 1);
    Screen(kRoundEnd, 3, round == 0 ? "16-first-round-results" : "18-semi-final-results");
    gameFlow.roundIndex = std::uint8_t(round + 1);
    Canvas c = Screen(kTournament, 10, round == 0 ? "17-bracket-semi-finals" : "19-bracket-final");
    Expect(c.Has(Rgb(255, 0, 0), 0, 0, 600, 380), round == 0 ? "17" : "19", "no red path");
  }
  Screen(kRegionChoice, 1, "20-world-map");
}

// North/Central America and the Caribbean, the user drawing every match, until a play-off.
void PlayoffCampaign() {
  for (std::uint32_t seed = 1; seed < 400; ++seed) {
    ResetCampaign(seed);
    gameFlow.region = 3;
    gameFlow.userNation = 20;
    SetUpQualifying();
    gameFlow.phase = Phase::kQualifying;
    for (int round = 0; round < gameFlow.roundCount; ++round) PlayLeagueRound(round, 1, 1);
    ComputeStandings();
    if (DecideQualification() || gameFlow.playoffOpponent == 0) continue;
    gameFlow.roundIndex = 0;
    Canvas schedule = Screen(kSchedule1, 2, "21-qualifying-schedule-north-america");
    gameFlow.displayRegion = gameFlow.region;
    Canvas c = Screen(kTaisen, 4, "22-standings-with-playoff");
    Expect(c.Has(Rgb(0, 0, 255), 10, 72, 10 + 576, 72 + 5 * 22), "22", "no play-off in blue");
    Screen(kPlayoff, 5, "23-playoff-opponent");
    return;
  }
  Fail("no seed gave a play-off");
}

// The top strip of a pairing after `steps` supporters' steps of both sides.
void DrawStrip(platform::DeviceContext* dc, int user, int opponent, int steps) {
  gameFlow.userNation = std::uint8_t(user);
  match.opponent = std::uint8_t(opponent + 1);
  match.kitA = TeamTable[std::size_t(user)].firstKit;
  match.kitB = TeamTable[std::size_t(opponent)].firstKit;
  LoadCeremonyPictures();
  ResetSupporters();
  SetUpSupporters();
  for (int step = 0; step < steps; ++step) {
    DrawCrowd(dc);
    DrawScoreboard(dc);
    DrawSupportersA(dc, 0);
    DrawSupportersB(dc, viewLayout.clientWidth - 140);
    AdvanceStreamers();
  }
}

void SupportersStrips() {
  ResetCampaign(1);
  match.half = 1;
  constexpr int kStripRows = 44;
  const int width = viewLayout.clientWidth;
  // Every nation's flag, two to a strip, one strip under the other.
  Canvas sheet(width, 16 * kStripRows);
  for (int k = 0; k < 16; ++k) {
    Canvas strip(width, kStripRows);
    DrawStrip(strip.dc(), 2 * k, k == 15 ? 0 : 2 * k + 1, 2);
    Expect(strip.Pixel(150, 10) != strip.Pixel(150, 41) || k > 0, "strip", "no flag");
    platform::BitBlt(sheet.dc(), 0, k * kStripRows, width, kStripRows, strip.dc(), 0, 0,
                     platform::Rop::SrcCopy);
  }
  sheet.Save("strip-01-every-nation.png");
  // One pairing step by step: three tapes, the step without tape, the flag's second frame.
  Canvas steps(width, 6 * kStripRows);
  for (int s = 1; s <= 6; ++s) {
    Canvas strip(width, kStripRows);
    DrawStrip(strip.dc(), 0, 26, s);
    platform::BitBlt(steps.dc(), 0, (s - 1) * kStripRows, width, kStripRows, strip.dc(), 0, 0,
                     platform::Rop::SrcCopy);
  }
  steps.Save("strip-02-steps-1-to-6.png");
  steps.SaveZoomed("strip-03-team-a-steps-enlarged.png", 0, 0, 300, 6 * kStripRows, 3);
  steps.SaveZoomed("strip-04-team-b-steps-enlarged.png", width - 330, 0, 330, 6 * kStripRows, 3);
}

void Ceremonies() {
  ResetCampaign(1);
  gameFlow.userNation = 7;
  {
    Canvas c = Canvas::Dialog(240, 160);
    DrawDepartureScreen(c.dc());
    c.Button(100, 130, 32, 12);
    Expect(c.Has(Rgb(255, 0, 0), 40, 190, 440, 206), "departure", "no red text");
    c.Save("ceremony-01-departure.png");
  }
  // The user's kit on team A's sheets, as the pairing would load it.
  match.kitA = TeamTable[7].firstKit;
  LoadTeamSheets(match.sheetBaseA, match.kitA);
  LoadDarkOverlaySheets(kDarkOverlayFirstSlot);
  ResetVictoryCelebration();
  Canvas c = Canvas::Dialog(240, 180);
  DrawVictoryScreen(c.dc());
  c.Button(100, 160, 32, 12);
  c.Save("ceremony-02-victory-first-frame.png");
  c.SaveZoomed("ceremony-07-photo-first-frame-enlarged.png", 40, 30, 140, 130, 3);
  // Frames 2 to 10: three of each tape, then one without.
  const char* const names[4] = {"ceremony-03-victory-tape-1.png", "ceremony-04-victory-tape-2.png",
                                "ceremony-05-victory-tape-3.png",
                                "ceremony-06-victory-no-tape.png"};
  for (int frame = 2; frame <= 10; ++frame) {
    DrawTeamPhotoFrame(c.dc());
    if (frame == 2) c.Save(names[0]);
    if (frame == 5) {
      c.Save(names[1]);
      c.SaveZoomed("ceremony-08-photo-tape-2-enlarged.png", 40, 30, 140, 130, 3);
    }
    if (frame == 8) c.Save(names[2]);
    if (frame == 10) c.Save(names[3]);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<platform::Language> language = TakeLanguageOption(&argc, argv);
  if (!language || argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: screen_snapshots [--lang en|ja] OUTPUT_FOLDER [GAME_FOLDER]\n");
    return 2;
  }
  output = std::filesystem::absolute(argv[1]);
  std::filesystem::create_directories(output);
  if (argc == 3 && !platform::SetCurrentDirectory(argv[2])) {
    std::fprintf(stderr, "screen_snapshots: no folder %s\n", argv[2]);
    return 2;
  }
  if (!platform::FileExists("GDAT.DAT")) {
    std::fprintf(stderr, "screen_snapshots: no GDAT.DAT here; the pictures will be missing\n");
  }
  platform::ProgramOptions options;
  options.seed = 1;
  platform::Instance* instance = hl::StartForTests(FeldoResources(), options);
  if (!ShowLanguage(*language, "screen_snapshots")) return 1;
  hl::SetIdleHandler([](std::optional<std::uint64_t>) {
    if (platform::TopDialog() != nullptr && hl::PressControl(platform::kIdOk)) return;
    std::fprintf(stderr, "screen_snapshots: the program waits for input\n");
    std::exit(3);
  });
  platform::Window* window = CreateFeldoWindow(instance);
  if (window == nullptr) {
    std::fprintf(stderr, "screen_snapshots: the main window could not be created\n");
    return 1;
  }
  // The pictures are loaded at creation and by the first paint; the start-up menu after it is
  // not wanted here.
  shellState.startupDone = 1;
  platform::ShowWindow(window, 1);
  platform::UpdateWindow(window);
  gameFlow.soundOff = 1;

  EuropeanCampaign();
  PlayoffCampaign();
  SupportersStrips();
  Ceremonies();

  DeleteDrawingTools();
  hl::Shutdown();
  std::printf("screen_snapshots: %d pictures in %s, %d check(s) failed\n", saved,
              output.string().c_str(), failures);
  return failures == 0 ? 0 : 1;
}
