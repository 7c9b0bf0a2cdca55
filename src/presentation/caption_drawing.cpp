// The clock line, the period captions and the ceremonies as they are drawn.
#include "presentation/caption_drawing.h"

#include "base/game_flow_state.h"
#include "base/view_layout.h"
#include "competition/nations.h"
#include "match/caption_state.h"
#include "match/match_clock.h"
#include "match/match_state.h"
#include "presentation/bitmap_store.h"
#include "presentation/ceremony_drawing.h"
#include "presentation/match_captions.h"
#include "presentation/pitch_drawing.h"
#include "presentation/screen_text.h"

using platform::DeviceContext;
using platform::Rgb;

namespace {

constexpr platform::Color kRed = Rgb(255, 0, 0);
constexpr platform::Color kWhite = Rgb(255, 255, 255);

void TextTransparent(DeviceContext* dc, int x, int y, const std::string& text,
                     platform::Color colour) {
  platform::SetBkMode(dc, platform::BkMode::Transparent);
  const platform::Color old = platform::SetTextColor(dc, colour);
  platform::TextOut(dc, x, y, text);
  platform::SetTextColor(dc, old);
  platform::SetBkMode(dc, platform::BkMode::Opaque);
}

// The x of the fixture caption.
int FixtureX() {
  return viewLayout.clientWidth >= 640 ? CaptionCentre() - 72 : 248;
}

// Every player of both sides, as they stand.
void DrawAllPlayers(DeviceContext* dc) {
  for (int i = 0; i < kPlayersPerSide; ++i) {
    DrawPlayerA(dc, i);
    DrawPlayerB(dc, i);
  }
}

// Paints a rectangle with the erase pen and the pitch brush.
void Erase(DeviceContext* dc, int left, int top, int right, int bottom) {
  platform::SelectPen(dc, pitchView.pitchPen);
  platform::SelectBrush(dc, pitchView.pitchBrush);
  platform::Rectangle(dc, left, top, right, bottom);
}

void EraseWithStripes(DeviceContext* dc, int left, int top, int right, int bottom) {
  Erase(dc, left, top, right, bottom);
  StripesInRect(dc, {left, top, right, bottom});
  DrawLines(dc);
}

// The top strip after a ceremony step.
void CrowdAndScore(DeviceContext* dc) {
  DrawCrowd(dc);
  DrawScoreboard(dc);
}

}  // namespace

// The clock line under the score. Its font is taller than the score's (13 rows, as wide), so
// that the small letters of its period mark ("1st", "2nd") can be read at 1×; it still ends
// above the board's frame.
void DrawClock(DeviceContext* dc) {
  if (dc == nullptr) return;
  ScopedFont font(dc, {13, 8, 10});
  platform::SetBkMode(dc, platform::BkMode::Opaque);
  platform::SetBkColor(dc, Rgb(0, 0, 0));
  const platform::Color old = platform::SetTextColor(dc, kWhite);
  platform::TextOut(dc, CaptionCentre() - 70, 16, ClockText());
  platform::SetTextColor(dc, old);
}

void DrawPeriodCaption(DeviceContext* dc) {
  if (dc == nullptr || match.captionTimer == 0) return;
  const int x = CaptionCentre() - 48;
  if (match.captionKind == CaptionKind::kHalfTime)
    TextTransparent(dc, x, 240, platform::Translate("ハーフタイム"), kWhite);
  if (match.captionKind == CaptionKind::kExtraTime)
    TextTransparent(dc, x, 240, platform::Translate("   延 長 戦"), kRed);
}

void DrawPeriodBreak(DeviceContext* dc) {
  if (dc == nullptr) return;
  DrawFullPitch(dc);
  DrawPeriodCaption(dc);
  DrawClock(dc);
  DrawScoreboard(dc);
}

void DrawEntranceStart(DeviceContext* dc) {
  if (dc == nullptr) return;
  DrawFullPitch(dc);
  DrawPlayerA(dc, 0);
  DrawPlayerB(dc, 0);
}

void DrawEntranceStep(DeviceContext* dc, bool last) {
  if (dc == nullptr) return;
  const int tunnelX = match.mirrorX / 2 - 39;
  const int tunnelY = match.mirrorY / 2 + 225;
  if (last) {
    EraseWithStripes(dc, 200, 400, 740, 470);
    DrawAllPlayers(dc);
    Erase(dc, tunnelX, tunnelY, match.mirrorX / 2 + 21, match.mirrorY / 2 + 295);
    CrowdAndScore(dc);
    return;
  }
  EraseWithStripes(dc, 40, 380, 740, 480);
  DrawAllPlayers(dc);
  CrowdAndScore(dc);
  DrawSupportersA(dc, 0);
  DrawSupportersB(dc, viewLayout.clientWidth - 140);
  AdvanceStreamers();
  CopyDib(dc, tunnelX, tunnelY, bitmapStore.tunnel);
}

void DrawTunnelClosed(DeviceContext* dc) {
  if (dc == nullptr) return;
  CrowdAndScore(dc);
  const int x = match.mirrorX / 2 - 39;
  const int y = match.mirrorY / 2 + 225;
  Erase(dc, x, y, x + 60, y + 70);
}

std::string FixtureTitle() {
  if (gameFlow.mode != Mode::kCampaign) return platform::Translate("    親 善 試 合      ");
  const int round = gameFlow.roundIndex + 1;
  switch (gameFlow.phase) {
    case Phase::kQualifying: {
      std::string region;
      RegionName(&region, gameFlow.region);
      return platform::Format(platform::Translate("ワールドカップ %s地区予選 ラウンド %d"),
                              region.c_str(), round);
    }
    case Phase::kGroupLeague:
      return platform::Format(platform::Translate("ワールドカップ 1次リーグ ラウンド %d"), round);
    case Phase::kKnockout:
      if (gameFlow.roundIndex == kKnockoutFirstRound)
        return platform::Translate("ワールドカップ 決勝トーナメント1回戦");
      if (gameFlow.roundIndex == kSemiFinal) return platform::Translate("ワールドカップ 準決勝");
      if (gameFlow.roundIndex == kFinal) return platform::Translate("ワールドカップ 決勝");
      return "";
    default:
      return "";
  }
}

void DrawFixtureCaption(DeviceContext* dc) {
  if (dc == nullptr) return;
  ScopedFont font(dc, {12, 12, 12});
  int x = FixtureX();
  constexpr int y = 160;
  platform::SetBkMode(dc, platform::BkMode::Transparent);
  const platform::Color old = platform::SetTextColor(dc, kRed);
  if (match.opponent == 0) {
    platform::TextOut(dc, x, y + 20, platform::Translate("対戦相手がいません"));
  } else {
    platform::TextOut(dc, x - 120, y, FixtureTitle());
    x -= 10;
    std::string user, opponent;
    NationName(&user, gameFlow.userNation);
    NationName(&opponent, match.opponent - 1);
    const std::string names = platform::Format("%s  Vs  ", user.c_str());
    platform::TextOut(dc, x, y + 20, names);
    const int n = platform::DisplayCells(names);
    platform::TextOut(dc, x + 10 * n, y + 20, platform::Format(" %s", opponent.c_str()));
    NationCode(&user, gameFlow.userNation);
    NationCode(&opponent, match.opponent - 1);
    const std::string codes = platform::Format("%s      ", user.c_str());
    platform::TextOut(dc, x, y + 40, codes);
    CopyDib(dc, x + 10, y + 60, bitmapStore.ufo[0]);
    const int m = platform::DisplayCells(codes);
    platform::TextOut(dc, x + 10 * m, y + 40, platform::Format(" %s", opponent.c_str()));
    CopyDib(dc, x + 10 * m + 18, y + 60, bitmapStore.ufo[1]);
  }
  platform::SetTextColor(dc, old);
  platform::SetBkMode(dc, platform::BkMode::Opaque);
}

void DrawKickOffCaption(DeviceContext* dc) {
  if (dc == nullptr) return;
  DrawPitchBuffered(dc);
  ScopedFont font(dc, {12, 12, 12});
  TextTransparent(dc, FixtureX() - 10 + 36, 160, platform::Translate("試 合 開 始"), kWhite);
}

void DrawGoalCelebrationStep(DeviceContext* dc, bool last) {
  if (dc == nullptr) return;
  CrowdAndScore(dc);
  if (last) return;
  if (captionState.celebrateTeamB == 1) {
    DrawSupportersB(dc, viewLayout.clientWidth - 140);
  } else {
    DrawSupportersA(dc, 0);
  }
  AdvanceStreamers();
}
