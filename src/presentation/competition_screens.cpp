// The schedule, round results, standings and groups screens, and the choice of a display
// dialog's body.
#include "presentation/competition_screens.h"

#include <algorithm>
#include <string>

#include "archive/graphics_archive.h"
#include "base/game_flow_state.h"
#include "base/view_layout.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "competition/standings.h"
#include "competition/standings_lines.h"
#include "presentation/bitmap_store.h"
#include "presentation/bracket_screen.h"
#include "presentation/pitch_drawing.h"
#include "presentation/screen_text.h"

using platform::BkMode;
using platform::DeviceContext;
using platform::Rgb;

namespace {

constexpr platform::Color kWhite = Rgb(255, 255, 255);
constexpr platform::Color kBlack = Rgb(0, 0, 0);
constexpr platform::Color kRed = Rgb(255, 0, 0);
constexpr platform::Color kBlue = Rgb(0, 0, 255);
constexpr platform::Color kScheduleGreen = Rgb(0, 255, 0);
constexpr int kNameCells = 20;       // names are padded to 20 characters
constexpr int kHalfWidthPixels = 8;  // the fixed system font's half-width advance
constexpr int kRowHeight = 22;       // standings rows
constexpr int kStandingsColumns[] = {8, 34, 42, 50, 58};
constexpr int kStandingsWidthChars = 72;

int CharWidth() {
  return viewLayout.charWidth;
}

std::string Spaces(int count) {
  return std::string(std::size_t(std::max(count, 0)), ' ');
}

// The name of a nation number and its width in display cells; empty for no nation.
int NameOf(int nationNumber, std::string* name) {
  name->clear();
  if (nationNumber < 1 || nationNumber > kTeamTableSize) return 0;
  *name = platform::Translate(NationNames[std::size_t(nationNumber - 1)].data());
  return platform::DisplayCells(*name);
}

void DrawSmallFlag(DeviceContext* dc, int x, int y, int nationNumber) {
  if (nationNumber < 1 || nationNumber > int(bitmapStore.smallFlags.size())) return;
  CopyDib(dc, x, y, bitmapStore.smallFlags[std::size_t(nationNumber - 1)]);
}

// One pairing of the schedule at (x, y).
void DrawPairing(DeviceContext* dc, int x, int y, int home, int away) {
  const int user = gameFlow.userNation + 1;
  const platform::Color colour = home == user || away == user ? kRed : kBlack;
  const int cw = CharWidth();
  std::string homeName, awayName;
  const int nh = NameOf(home, &homeName);
  const int na = NameOf(away, &awayName);
  TextIn(dc, x + 10, y, Spaces(kNameCells - nh), colour);
  TextIn(dc, x + 10 + (kNameCells - nh) * kHalfWidthPixels, y, homeName, colour);
  TextIn(dc, x + 10 + kNameCells * cw, y, "    vs    ", colour);
  DrawSmallFlag(dc, x + 20 * cw + 15, y + 1, home);
  DrawSmallFlag(dc, x + 27 * cw + 5, y + 1, away);
  TextIn(dc, x + 250, y, awayName, colour);
  TextIn(dc, x + 10 + (30 + na) * kHalfWidthPixels, y, Spaces(kNameCells - na), colour);
}

const char* MarkText(StandingsMark mark) {
  switch (mark) {
    case StandingsMark::Qualified:
      return platform::Translate("出場決定");
    case StandingsMark::ToKnockout:
      return platform::Translate("決勝Tへ");
    case StandingsMark::Playoff:
      return platform::Translate("プレイオフ");
    case StandingsMark::Out:
      return platform::Translate("敗退");
    case StandingsMark::None:
      break;
  }
  return "";
}

platform::Color LineColourOf(LineColour colour) {
  switch (colour) {
    case LineColour::Red:
      return kRed;
    case LineColour::Blue:
      return kBlue;
    case LineColour::Black:
      break;
  }
  return kBlack;
}

void DrawStandingsGrid(DeviceContext* dc, int left, int top, int n) {
  const int cw = CharWidth();
  const int right = left + kStandingsWidthChars * cw;
  const int bottom = top + (n + 1) * kRowHeight;
  platform::Brush* blue = platform::CreateSolidBrush(Rgb(0, 0, 240));
  platform::Brush* green = platform::CreateSolidBrush(Rgb(0, 240, 0));
  platform::FillRect(dc, {left, top, left + 34 * cw, top + kRowHeight}, blue);
  platform::FillRect(dc, {left + 34 * cw, top, right, top + kRowHeight}, green);
  platform::DeleteObject(blue);
  platform::DeleteObject(green);
  platform::Pen* oldPen =
      platform::SelectPen(dc, platform::StockPen(platform::StockObject::BlackPen));
  platform::Brush* oldBrush =
      platform::SelectBrush(dc, platform::StockBrush(platform::StockObject::NullBrush));
  platform::Rectangle(dc, left, top, right, bottom);
  for (int row = 1; row <= n; ++row) {
    platform::MoveTo(dc, left, top + row * kRowHeight);
    platform::LineTo(dc, right, top + row * kRowHeight);
  }
  for (int column : kStandingsColumns) {
    platform::MoveTo(dc, left + column * cw, top);
    platform::LineTo(dc, left + column * cw, bottom);
  }
  platform::SelectPen(dc, oldPen);
  platform::SelectBrush(dc, oldBrush);
}

void DrawStandingsLine(DeviceContext* dc, int left, int y, const StandingsLine& line) {
  const int cw = CharWidth();
  const StandingsEntry& entry = Standings[std::size_t(line.slot)];
  const platform::Color colour = LineColourOf(line.colour);
  std::string name;
  NameOf(entry.nation, &name);
  TextIn(dc, left + 4, y, platform::Format("%d", line.number), colour);
  TextIn(dc, left + 2 + 8 * cw, y, name, colour);
  TextIn(dc, left + 2 + 34 * cw, y, platform::Format("%d", int(entry.points)), colour);
  TextIn(dc, left + 2 + 42 * cw, y, platform::Format("%d", int(entry.goalDifference)), colour);
  TextIn(dc, left + 2 + 50 * cw, y, platform::Format("%d", int(entry.goalsFor)), colour);
  TextIn(dc, left + 2 + 58 * cw, y, MarkText(line.mark), colour);
}

std::string RegionNameOf(int region) {
  std::string name;
  RegionName(&name, region);
  return name;
}

// "ラウンド%d 対戦結果", or the knockout round's heading.
std::string RoundResultsHeading() {
  if (gameFlow.phase == Phase::kKnockout) {
    switch (gameFlow.roundIndex) {
      case kKnockoutFirstRound:
        return platform::Translate("決勝トーナメント1回戦 対戦結果");
      case kSemiFinal:
        return platform::Translate("決勝トーナメント準決勝 対戦結果");
      case kFinal:
        return platform::Translate("決勝トーナメント決勝 対戦結果");
      default:
        return "";
    }
  }
  return platform::Format(platform::Translate("ラウンド%d 対戦結果"), gameFlow.lastRound + 1);
}

std::string StandingsHeading() {
  if (gameFlow.displayRegion == kDisplayOwnLeague) {
    return platform::Format(platform::Translate("%s 地区予選 対戦結果"),
                            RegionNameOf(gameFlow.region).c_str());
  }
  if (gameFlow.displayRegion == kDisplayGroupLeague) {
    return platform::Format(platform::Translate("グループリーグ %s対戦結果"),
                            GroupHeading(leagueState.userGroup));
  }
  return platform::Format(platform::Translate("%s 地区予選 対戦結果"),
                          RegionNameOf(gameFlow.displayRegion).c_str());
}

const char* GroupResultsHeading(int group) {
  static const char* const kHeadings[kGroupCount] = {
      platform::TranslateLater("グループ Ａ 対戦結果"),
      platform::TranslateLater("グループ Ｂ 対戦結果"),
      platform::TranslateLater("グループ Ｃ 対戦結果"),
      platform::TranslateLater("グループ Ｄ 対戦結果")};
  return group >= 0 && group < kGroupCount ? platform::Translate(kHeadings[group]) : "";
}

const char* TicketNotice(int region) {
  switch (region) {
    case 1:
      return platform::Translate("(ワールドカップへの切符は５枚)");
    case 3:
      return platform::Translate("(ワールドカップへの切符は２枚)");
    default:
      return platform::Translate("(ワールドカップへの切符は３枚)");
  }
}

void TransparentText(DeviceContext* dc, int x, int y, std::string_view text,
                     platform::Color colour) {
  platform::SetBkMode(dc, BkMode::Transparent);
  TextIn(dc, x, y, text, colour);
}

void OpaqueText(DeviceContext* dc, int x, int y, std::string_view text, platform::Color colour,
                platform::Color background) {
  platform::SetBkMode(dc, BkMode::Opaque);
  const platform::Color old = platform::SetBkColor(dc, background);
  TextIn(dc, x, y, text, colour);
  platform::SetBkColor(dc, old);
}

void DrawWorldMap(DeviceContext* dc) {
  if (!bitmapStore.worldMap) bitmapStore.worldMap = LoadPicture("WLDMAP.BMP");
  CopyDib(dc, 0, 0, bitmapStore.worldMap);
}

void DrawRoundResults(DeviceContext* dc) {
  OpaqueText(dc, 10, 10, RoundResultsHeading(), kWhite, kRed);
  platform::SetBkMode(dc, BkMode::Opaque);
  const platform::Color old = platform::SetBkColor(dc, kBlue);
  int y = 50;
  const int count = std::min<int>(resultTable.count, kResultEntries);
  for (int i = 0; i < count; ++i) y = DrawResultRow(dc, 0, y, i);
  platform::SetBkColor(dc, old);
}

void DrawPlayoffNotice(DeviceContext* dc) {
  std::string name;
  NameOf(gameFlow.playoffOpponent, &name);
  TransparentText(dc, 10, 10, platform::Translate("プレイオフの対戦相手は"), kBlack);
  TransparentText(dc, 10, 50, platform::Format(platform::Translate("%s です"), name.c_str()),
                  kBlack);
}

void DrawGroupSchedule(DeviceContext* dc) {
  OpaqueText(dc, 10, 10, GroupHeading(leagueState.userGroup), kBlack, Rgb(0, 255, 255));
  TransparentText(dc, 110, 10, platform::Translate("(決勝トーナメントへの切符は２枚)"), kRed);
  DrawSchedule(dc, 10, 50);
}

}  // namespace

const char* GroupHeading(int group) {
  static const char* const kHeadings[kGroupCount] = {
      platform::TranslateLater(" グループＡ "), platform::TranslateLater(" グループＢ "),
      platform::TranslateLater(" グループＣ "), platform::TranslateLater(" グループＤ ")};
  return group >= 0 && group < kGroupCount ? platform::Translate(kHeadings[group]) : "";
}

int DrawSchedule(DeviceContext* dc, int x, int y) {
  if (dc == nullptr) return y;
  const int startX = x;
  const int cw = CharWidth();
  const int n = std::min<int>(leagueState.teamCount, kLeagueSlots);
  int previousPairings = 0;
  for (int round = 0; round < gameFlow.roundCount && round < kPairingRounds; ++round) {
    if (previousPairings % 2 == 1) {
      y += 20;
      x = startX;
    }
    platform::SetBkMode(dc, BkMode::Opaque);
    platform::SetBkColor(dc, kBlue);
    TextIn(dc, x, y, platform::Format(platform::Translate("ラウンド%d "), round + 1), kWhite);
    platform::SetBkColor(dc, kScheduleGreen);
    y += 20;
    bool drawn[kLeagueSlots] = {};
    int pairings = 0;
    for (int j = 0; j < n; ++j) {
      if (drawn[j]) continue;
      const int o = leagueState.pairing[std::size_t(j)][std::size_t(round)];
      if (o < 1 || o > kLeagueSlots) continue;
      const int home = leagueState.slots[std::size_t(j)];
      const int away = leagueState.slots[std::size_t(o - 1)];
      if (home == 0 || away == 0) continue;
      drawn[j] = drawn[o - 1] = true;
      DrawPairing(dc, x, y, home, away);
      ++pairings;
      if (pairings % 2 == 1) {
        x += 51 * cw;
      } else {
        x = startX;
        y += 20;
      }
    }
    previousPairings = pairings;
  }
  platform::SetBkMode(dc, BkMode::Transparent);
  // A last line left half full still counts as a line.
  return previousPairings % 2 == 1 ? y + 20 : y;
}

int DrawResultRow(DeviceContext* dc, int x, int y, int i) {
  if (dc == nullptr || i < 0 || i >= kResultEntries) return y + 25;
  const int cw = CharWidth();
  const int home = resultTable.home[std::size_t(i)];
  const int away = resultTable.away[std::size_t(i)];
  platform::SetBkColor(dc, kBlue);
  const std::string score =
      platform::Format("%2d - %2d", int(resultTable.homeGoals[std::size_t(i)]),
                       int(resultTable.awayGoals[std::size_t(i)]));
  TextIn(dc, x + 10, y, Spaces(24) + score + Spaces(25), kWhite);
  std::string homeName, awayName;
  const int nh = NameOf(home, &homeName);
  const int na = NameOf(away, &awayName);
  TextIn(dc, x + 10, y, Spaces(kNameCells - nh), kWhite);
  TextIn(dc, x + 10 + (kNameCells - nh) * cw, y, homeName, kWhite);
  TextIn(dc, x + 10 + 36 * cw, y, awayName + Spaces(kNameCells - na), kWhite);
  DrawSmallFlag(dc, x + 22 * cw, y + 1, home);
  DrawSmallFlag(dc, x + 33 * cw, y + 1, away);
  return y + 25;
}

void DrawStandingsTable(DeviceContext* dc, int left, int top) {
  if (dc == nullptr) return;
  const int n = std::min<int>(leagueState.teamCount, kLeagueSlots);
  const int cw = CharWidth();
  const int tickets = StandingsTickets(gameFlow.displayRegion);
  DrawStandingsGrid(dc, left, top, n);
  platform::SetBkMode(dc, BkMode::Transparent);
  TextIn(dc, left + 9, top + 1, platform::Translate("順位"), kWhite);
  TextIn(dc, left + 9 + 8 * cw, top + 1, platform::Translate("国 名"), kWhite);
  TextIn(dc, left + 9 + 34 * cw, top + 1, platform::Translate("勝点"), kBlack);
  TextIn(dc, left + 9 + 42 * cw, top + 1, platform::Translate("得失"), kBlack);
  TextIn(dc, left + 9 + 50 * cw, top + 1, platform::Translate("得点"), kBlack);
  TextIn(dc, left + 9 + 58 * cw, top + 1, platform::Translate("結果"), kBlack);
  int y = top + 23;
  for (const StandingsLine& line : StandingsLines(tickets, gameFlow.phase == Phase::kQualifying)) {
    DrawStandingsLine(dc, left, y, line);
    y += kRowHeight;
  }
  platform::SetBkMode(dc, BkMode::Opaque);
}

void ShowStandings(DeviceContext* dc, int x, int y) {
  ComputeStandings();
  DrawStandingsTable(dc, x, y);
}

void DrawGroupsScreen(DeviceContext* dc) {
  if (dc == nullptr) return;
  static const platform::Color kGroupColours[kGroupCount] = {Rgb(255, 0, 0), Rgb(0, 200, 0),
                                                             Rgb(0, 0, 200), Rgb(200, 0, 200)};
  const int cw = CharWidth();
  int y = 10;
  for (int g = 0; g < kGroupCount; ++g) {
    OpaqueText(dc, 10, y, GroupHeading(g), kWhite, kGroupColours[g]);
    y += 20;
    platform::SetBkMode(dc, BkMode::Transparent);
    for (int k = 0; k < kGroupSize; ++k) {
      const int column = k % 2;
      const int nation = GroupTable[std::size_t(g)][std::size_t(k)];
      std::string name;
      NameOf(nation, &name);
      DrawSmallFlag(dc, 10 + 15 + column * 20 * cw, y + 1, nation);
      TextIn(dc, 10 + 35 + column * 20 * cw, y, platform::Format(" %s  ", name.c_str()), kBlack);
      if (column == 1) y += 20;
    }
    y += 10;
  }
}

void DrawDisplayContent(DeviceContext* dc) {
  if (dc == nullptr) return;
  switch (gameFlow.displayContent) {
    case DisplayContent::kRegionChoice:
      DrawWorldMap(dc);
      break;
    case DisplayContent::kQualifyingSchedule:
      TransparentText(dc, 110, 10, TicketNotice(gameFlow.region), kRed);
      DrawSchedule(dc, 10, 10);
      break;
    case DisplayContent::kRoundResults:
      DrawRoundResults(dc);
      break;
    case DisplayContent::kStandings:
      TransparentText(dc, 10, 10, StandingsHeading(), kBlack);
      ShowStandings(dc, 10, 50);
      break;
    case DisplayContent::kPlayoffOpponent:
      DrawPlayoffNotice(dc);
      break;
    case DisplayContent::kGroups:
      DrawGroupsScreen(dc);
      break;
    case DisplayContent::kGroupSchedule:
      DrawGroupSchedule(dc);
      break;
    case DisplayContent::kBracket:
      DrawBracketLines(dc, 10, 40, 8, 20);
      DrawBracketNames(dc, 10, 40, 8, 20);
      break;
    case DisplayContent::kGroupStandings:
      TransparentText(dc, 10, 10, GroupResultsHeading(gameFlow.displayGroup), kBlack);
      ShowStandings(dc, 10, 50);
      break;
    default:
      break;
  }
}
