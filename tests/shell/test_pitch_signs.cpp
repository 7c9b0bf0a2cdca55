// What the pitch tells the player in the game's own window: a paused match says so (whether
// paused from the GAME menu, by losing the focus or by pulling out the gamepad) until play
// goes on, leaving the picture as it was; once a match has ended or been left, the menus stand
// over a clean pitch under the game's plain title, and the scoreboard names no nation while no
// match is played.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/record_resets.h"
#include "base/view_layout.h"
#include "match/caption_state.h"
#include "match/match_state.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "presentation/pause_sign.h"
#include "resources/feldo_resources.h"
#include "savegame/campaign_file.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"
#include "support/campaign_stages.h"
#include "support/game_window.h"

namespace {

namespace hl = platform::headless;
using platform::Color;
using platform::Rect;

constexpr Color kWhite = platform::Rgb(255, 255, 255);
constexpr Color kBlack = platform::Rgb(0, 0, 0);

class PitchSigns : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.emplace();
    // A message or question that comes up is answered with OK, a menu is left with Esc; the
    // start-up menu does not open: straight to a match.
    window_ = game_window::Open(
        3,
        [](std::optional<std::uint64_t>) {
          platform::Window* top = platform::TopDialog();
          if (top == nullptr) {
            hl::Advance(10);
          } else if (!hl::PressControl(platform::kIdOk)) {
            hl::KeyDown(platform::KeyEscape);
            hl::KeyUp(platform::KeyEscape);
          }
        },
        true);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override { folder_.reset(); }

  void StartFriendly() {
    game_window::StartFriendly(window_, 2000);
    ASSERT_EQ(match.half, 1);
  }

  // Plays the running match to its end through the clock of each half.
  void PlayToTheEnd() {
    for (int half = 1; half <= 2; ++half) {
      match.clockMinutes = 0;
      match.clockSeconds = 1;
      for (int i = 0; i < 3000 && match.half == half; ++i) hl::Advance(10);
      for (int i = 0; i < 3000 && match.captionTimer != 0; ++i) hl::Advance(10);
    }
    ASSERT_EQ(match.half, 0);
  }

  Rect Client() const { return {0, 0, viewLayout.clientWidth, viewLayout.clientHeight}; }
  // What the window shows when it is painted afresh with no match on.
  std::vector<Color> PaintedAfresh() const {
    platform::InvalidateRect(window_, nullptr, true);
    platform::UpdateWindow(window_);
    return Pixels(Client());
  }
  // The scoreboard's inside holds no writing.
  bool ScoreboardEmpty() const {
    const int m = viewLayout.clientWidth / 2;
    for (Color c : Pixels({m - 79, 1, m + 79, 29})) {
      if (c != kBlack) return false;
    }
    return true;
  }

  std::vector<Color> Pixels(const Rect& r) const {
    std::vector<Color> pixels;
    platform::DeviceContext* dc = platform::GetDC(window_);
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) pixels.push_back(platform::GetPixel(dc, x, y));
    }
    platform::ReleaseDC(window_, dc);
    return pixels;
  }

  // The sign stands: a white frame round a black box with white writing in it.
  bool SignStands() const {
    const Rect r = PauseSignRect();
    const std::vector<Color> pixels = Pixels(r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    int white = 0;
    int black = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const Color c = pixels[std::size_t(y * width + x)];
        const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
        if (edge && c != kWhite) return false;
        if (!edge) {
          white += c == kWhite;
          black += c == kBlack;
          if (c != kWhite && c != kBlack) return false;
        }
      }
    }
    return white > 100 && black > white;
  }

  std::optional<game_window::TestFolder> folder_;
  platform::Window* window_ = nullptr;
};

TEST_F(PitchSigns, APausedMatchSaysSoUntilPlayGoesOn) {
  StartFriendly();
  struct Pause {
    const char* how;
    std::function<void()> pause;
  };
  const Pause pauses[] = {
      {"GAME menu", [] { hl::ChooseMenuItem(CommandId::kPause); }},
      {"focus lost", [] { hl::LoseFocus(); }},
      {"gamepad pulled out", [] { hl::RemovePad(); }},
  };
  for (const Pause& p : pauses) {
    EXPECT_FALSE(SignStands()) << p.how;
    const std::vector<Color> before = Pixels(PauseSignRect());
    p.pause();
    hl::Advance(500);
    ASSERT_EQ(gameFlow.paused, 1) << p.how;
    EXPECT_TRUE(SignStands()) << p.how;
    EXPECT_EQ(pauseSign.shown, 1);
    // A paint of the window while paused keeps the sign.
    platform::InvalidateRect(window_, nullptr, true);
    platform::UpdateWindow(window_);
    EXPECT_TRUE(SignStands()) << p.how << ", painted again";
    // Continue: the picture under the sign comes back as it was, before play moves on.
    platform::SendMessage(window_, platform::Msg::Command, CommandId::kPause);
    EXPECT_EQ(Pixels(PauseSignRect()), before) << p.how;
    EXPECT_EQ(pauseSign.shown, 0);
    hl::Advance(1000);
    EXPECT_FALSE(SignStands()) << p.how;
  }
}

TEST_F(PitchSigns, AfterAMatchEndsOrIsLeftTheMenusStandOverACleanPitch) {
  EXPECT_TRUE(ScoreboardEmpty()) << "before the first match";
  const std::string plainTitle = platform::GetWindowTitle(window_);
  EXPECT_EQ(plainTitle, "サッカー");
  for (const bool left : {false, true}) {
    StartFriendly();
    EXPECT_NE(platform::GetWindowTitle(window_), plainTitle);
    EXPECT_FALSE(ScoreboardEmpty());
    if (left) {
      hl::ChooseMenuItem(CommandId::kBackToFirstMenu);  // asked, OK, the start-up menu left
      hl::Advance(100);
    } else {
      PlayToTheEnd();  // the result, OK
    }
    ASSERT_EQ(platform::TopDialog(), nullptr);
    EXPECT_EQ(platform::GetWindowTitle(window_), plainTitle) << left;
    EXPECT_TRUE(ScoreboardEmpty()) << left;
    // No player, ball, clock, score or panel left over: what stands is what the window shows
    // with no match at all.
    const std::vector<Color> shown = Pixels(Client());
    EXPECT_TRUE(shown == PaintedAfresh()) << left;
  }
}

TEST_F(PitchSigns, AfterALoadTheScoreboardNamesNoNation) {
  BuildCampaignAt(CampaignStage::kGroupLeague, 4);
  ASSERT_TRUE(SaveCampaign(kCampaignFileName));
  ResetGameFlow();
  ResetMatchRecords();
  platform::SendMessage(window_, platform::Msg::Command, CommandId::kLoadCampaign);
  EXPECT_EQ(gameFlow.phase, Phase::kGroupLeague);
  EXPECT_TRUE(ScoreboardEmpty());
  EXPECT_TRUE(Pixels(Client()) == PaintedAfresh());
}

}  // namespace
