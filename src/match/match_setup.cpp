// Setting up a match: the reset before the first kick-off, the opponent, the kits, the
// opponent's strength code and the kick-off set-up.
#include "match/match_setup.h"

#include <algorithm>
#include <array>

#include "base/game_flow_state.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "match/match_state.h"
#include "match/match_view.h"
#include "match/shoot_out.h"

namespace {

constexpr int kHighestLevelCode = 5;  // the fastest team B with values of its own

// A level setting outside 0 to 3 plays as the default LEVEL 3.
int PlayedLevel() {
  return gameFlow.level > kLevel3 ? kLevel3 : gameFlow.level;
}

// Kit colour class with class 7 counting as class 3 (the first kits' comparison).
int FirstKitClass(int kitCode) {
  int colourClass = KitColourClass(kitCode);
  return colourClass == 7 ? 3 : colourClass;
}

// The kit team B wears against the user's first kit `ua`.
int OpponentKit(int ua, const TeamRecord& rival) {
  int ob = rival.firstKit;
  int ca = FirstKitClass(ua);
  int cb = FirstKitClass(ob);
  if (ua == 17 && cb == 2) ca = 2;
  if (ob == 17 && ca == 2) cb = 2;
  if (ua == 16 && cb == 1) ca = 1;
  if (ob == 16 && ca == 1) cb = 1;
  if (ca == 1 && cb == 6) cb = 1;
  if (ca == 6 && cb == 1) cb = 6;
  if (ca == cb) {
    ob = rival.secondKit;
    cb = KitColourClass(ob);
    if (ca == cb) {
      // Fixed kits by class 1 to 7.
      constexpr int kFixedKit[8] = {0, 5, 2, 5, 7, 7, 5, 5};
      ob = kFixedKit[ca];
    }
  }
  return ob;
}

// The opponent's strength code from its rating r.
int StrengthCode(int r, bool qualifying, bool practice) {
  int code = r;
  switch (PlayedLevel()) {
    case kLevelS:
      if (qualifying) {
        if (r < 3) code = 4;
        if (r > 5) code = 5;
      } else {
        if (r < 4) code = 4;
        if (r > 6) code = 6;
      }
      break;
    case kLevel1:
      if (r < 3) code = r + 1;
      if (r > (qualifying ? 4 : 5)) code = qualifying ? 4 : 5;
      break;
    case kLevel2:
      if (r < 2) code = r + 1;
      if (r > (qualifying ? 4 : 5)) code = qualifying ? 4 : 5;
      break;
    default:
      if (r > (qualifying ? 3 : 4)) code = qualifying ? 3 : 4;
      break;
  }
  if (code < 3 && !practice) code += 1;
  return code;
}

// Speed codes of team B's players 1 to 10 (index 0 unused).
using SpeedCodes = std::array<int, kPlayersPerSide>;

// Caps by the level setting: a listed code above 3 becomes the listed value; -1 is not listed.
//                                        d1 d2 d3 d4 m5 m6 m7  f8  f9 f10
constexpr SpeedCodes kCapLevelSEarly = {-1, 0, 1, 0, 1, 1, 1, 2, -1, -1, -1};
constexpr SpeedCodes kCapLevelSLate = {-1, 1, 2, 1, 2, 3, 3, -1, -1, -1, -1};
constexpr SpeedCodes kCapLevel1 = {-1, 0, 1, 0, 1, 1, 1, 2, -1, -1, -1};
constexpr SpeedCodes kCapLevel2 = {-1, 0, 0, 0, 0, 1, 1, 1, -1, -1, -1};
constexpr SpeedCodes kCapLevel3 = {-1, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0};

const SpeedCodes& CapRow() {
  switch (PlayedLevel()) {
    case kLevelS:
      return gameFlow.phase >= Phase::kGroupLeague ? kCapLevelSLate : kCapLevelSEarly;
    case kLevel1:
      return kCapLevel1;
    case kLevel2:
      return kCapLevel2;
    default:
      return kCapLevel3;
  }
}

// Catch-up for codes 0 to 3: a code below the threshold becomes the listed value.
struct CatchUpRow {
  int threshold;
  SpeedCodes values;
};
//                                            d1 d2 d3 d4 m5 m6 m7 f8 f9 f10
constexpr CatchUpRow kCatchUpLeads[4] = {{3, {0, 4, 4, 4, 4, 2, 2, 2, 4, 5, 4}},
                                         {3, {0, 6, 6, 6, 6, 5, 5, 5, 6, 5, 6}},
                                         {3, {0, 6, 6, 6, 6, 5, 5, 5, 5, 4, 5}},
                                         {4, {0, 5, 5, 5, 5, 5, 5, 5, 6, 5, 6}}};
constexpr CatchUpRow kCatchUpOtherwise[4] = {{3, {0, 1, 1, 1, 1, 1, 1, 1, 4, 4, 4}},
                                             {3, {0, 5, 5, 5, 5, 4, 4, 4, 5, 4, 5}},
                                             {3, {0, 3, 2, 2, 3, 2, 3, 2, 4, 4, 4}},
                                             {4, {0, 4, 4, 4, 4, 4, 4, 4, 5, 5, 5}}};

}  // namespace

int KitColourClass(int kitCode) {
  switch (kitCode) {
    case 4:
    case 5:
    case 6:
    case 22:
      return 2;
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
      return 3;
    case 13:
    case 14:
    case 15:
      return 4;
    case 16:
    case 17:
      return 5;
    case 18:
    case 19:
    case 27:
      return 6;
    case 20:
      return 7;
    default:
      return 1;
  }
}

int DarkOverlayMode(int nationIndex) {
  if (nationIndex == 14) return 2;
  if (nationIndex >= 23 && nationIndex <= 27) return 1;
  return 0;
}

int FindCampaignOpponent() {
  return UserFixtureOpponent();
}

void SelectOpponent() {
  int opponent = 0;
  if (gameFlow.mode == Mode::kCampaign) {
    opponent = gameFlow.playoffOpponent != 0 ? gameFlow.playoffOpponent : FindCampaignOpponent();
  } else {
    opponent = gameFlow.chosenOpponent;
  }
  // A nation number or user nation outside the table (a damaged saved campaign) means that
  // there is nobody to play.
  if (opponent > kTeamTableSize || gameFlow.userNation >= kTeamTableSize) opponent = 0;
  match.opponent = static_cast<std::uint8_t>(opponent);
  if (opponent == 0) return;

  const TeamRecord& user = TeamTable[gameFlow.userNation];
  const TeamRecord& rival = TeamTable[opponent - 1];
  if (match.kitsLoaded == 0) {
    const int ua = user.firstKit;
    const int ob = OpponentKit(ua, rival);
    match.kitA = static_cast<std::uint8_t>(ua);
    match.kitB = static_cast<std::uint8_t>(ob);
    if (MatchView* view = CurrentMatchView()) view->LoadPairingPictures();
    match.kitsLoaded = 1;
    match.darkOverlayA = static_cast<std::uint8_t>(DarkOverlayMode(gameFlow.userNation));
    match.darkOverlayB = static_cast<std::uint8_t>(DarkOverlayMode(opponent - 1));
  }

  const bool qualifying = gameFlow.phase == Phase::kQualifying;
  const int rating = qualifying ? rival.qualifyingStrength : rival.strength;
  match.levelCode = StrengthCode(rating, qualifying, gameFlow.mode == Mode::kPractice);
}

void InitMatch() {
  SelectOpponent();
  match.walkStep = 1;
  match.captionTimer = 0;
  match.matchKind = gameFlow.mode != Mode::kCampaign ? CodeValue(gameFlow.mode) - 1 : 0;

  match.pitchLeft = 30;
  match.pitchTop = 60;
  match.pitchRight = 910;
  match.pitchBottom = 450;
  match.centreX = (match.pitchLeft + match.pitchRight) / 2;
  match.centreY = (match.pitchTop + match.pitchBottom) / 2;
  match.mirrorX = match.centreX + match.centreX - 14;
  match.mirrorY = match.centreY + match.centreY;

  match.scoreA = 0;
  match.scoreB = 0;
  match.goalsA1 = 0;
  match.goalsA2 = 0;
  match.goalsB1 = 0;
  match.goalsB2 = 0;
  match.matchEvent = MatchEvent::kNothing;
  ball.frictionCount = 0;
  match.kickGrace = 0;
  match.restartFreeze = 0;
  match.userKicksOff = 0;
}

void InstallOpponentSpeeds(int levelCode) {
  const int c = std::clamp(levelCode, 0, kHighestLevelCode);
  SpeedCodes codes{};

  // Base.
  codes[8] = codes[9] = codes[10] = c;
  if (c == 3) codes[8] = codes[10] = 4;
  if (c < 5) {
    codes[5] = 5;
    codes[6] = c;
    codes[7] = 4;
    codes[1] = 4;
    codes[2] = 5;
    codes[3] = 5;
    codes[4] = 4;
  } else {
    codes[5] = 6;
    codes[6] = 5;
    codes[7] = 6;
    codes[1] = 6;
    codes[2] = 5;
    codes[3] = 5;
    codes[4] = 6;
  }

  // Caps by the level setting.
  const SpeedCodes& cap = CapRow();
  for (int i = 1; i < kPlayersPerSide; ++i) {
    if (cap[i] >= 0 && codes[i] > 3) codes[i] = cap[i];
  }

  // Catch-up by the score.
  if (c <= 3) {
    const bool userLeads =
        c == 0 ? match.scoreA > match.scoreB + 7 : match.scoreA > match.scoreB + 1;
    const CatchUpRow& row = userLeads ? kCatchUpLeads[c] : kCatchUpOtherwise[c];
    for (int i = 1; i < kPlayersPerSide; ++i) {
      if (codes[i] < row.threshold) codes[i] = row.values[i];
    }
  } else if (match.scoreA > match.scoreB + 1) {
    for (int i = 1; i < kPlayersPerSide; ++i) {
      if (codes[i] >= 6) continue;
      codes[i] = (i == 6 || i >= 8) ? 6 : codes[i] + 1;
    }
  }

  for (int i = 1; i < kPlayersPerSide; ++i) match.abilityB[i] = static_cast<std::uint8_t>(codes[i]);
}

void SetUpKickOff() {
  const int code = match.levelCode;
  match.stepMotionB.fill(20);
  match.walkStep = code > 3 ? code + 3 : code + 4;
  match.motionBase = code == 3 ? 3 : code + 1;
  InstallOpponentSpeeds(code);
  match.speedB[0] = match.walkStep;
  for (int i = 1; i < kPlayersPerSide; ++i) match.speedB[i] = match.abilityB[i] + 4;

  for (auto& player : teamA) {
    player.motion = 0;
    player.pose = 3;
    player.facing = 6;
    player.moved = 0;
  }
  for (auto& player : teamB) {
    player.motion = 0;
    player.pose = 3;
    player.facing = 4;
    player.moved = 0;
  }

  const int left = match.pitchLeft;
  const int right = match.pitchRight;
  const int cx = match.centreX;
  const int cy = match.centreY;
  auto place = [](PlayerState& player, int x, int y) {
    player.x = x;
    player.y = y;
  };
  place(teamA[0], left + 10, cy);
  place(teamA[1], left + 180, cy - 150);
  place(teamA[2], left + 180, cy + 30);
  place(teamA[3], left + 180, cy + 150);
  place(teamA[4], left + 180, cy - 30);
  place(teamA[5], left + 300, cy - 150);
  place(teamA[6], left + 300, cy + 30);
  place(teamA[7], left + 300, cy + 150);
  place(teamB[0], right - 22, cy);
  place(teamB[1], right - 196, cy - 150);
  place(teamB[2], right - 196, cy + 10);
  place(teamB[3], right - 196, cy + 150);
  place(teamB[4], right - 196, cy - 30);
  place(teamB[5], right - 316, cy - 150);
  place(teamB[6], right - 316, cy + 30);
  place(teamB[7], right - 316, cy + 150);

  const bool userKicksOff = match.userKicksOff != 0;
  if (userKicksOff) {
    place(teamA[8], cx - 20, cy - 10);
    teamA[8].pose = 0;
    place(teamA[9], cx - 16, cy);
    place(teamA[10], cx - 30, cy + 100);
    place(teamB[8], cx + 16, cy - 100);
    place(teamB[9], cx + 86, cy);
    place(teamB[10], cx + 16, cy + 100);
  } else {
    place(teamB[8], cx + 20, cy - 10);
    teamB[8].pose = 0;
    place(teamB[9], cx + 4, cy);
    place(teamB[10], cx + 14, cy + 100);
    place(teamA[8], cx - 16, cy - 100);
    place(teamA[9], cx - 86, cy);
    place(teamA[10], cx - 16, cy + 100);
  }

  match.ballHolder = userKicksOff ? 0 : 11;
  match.controlledPlayer = 11;

  ball.x = cx - 4;
  ball.y = cy;
  ball.speed = 0;
  match.offZone = 0;
  match.faceRefresh = 0;
  match.userKickTicks = 0;
  match.queuedKick = 0;
  match.kicker = 0;
  match.kickerFacesRight = 0;
  ClearPenaltyKickState();

  switch (std::clamp(code, 0, kHighestLevelCode)) {
    case 0:
      match.aiSkipB = match.scoreA > 5 ? 1 : 2;
      match.keeperSkipB = match.scoreA > 2 ? 0 : 1;
      break;
    case 1:
      match.aiSkipB = match.scoreA > 3 ? 1 : 2;
      match.keeperSkipB = 0;
      break;
    case 2:
    case 3:
      match.aiSkipB = 1;
      match.keeperSkipB = 0;
      break;
    default:
      match.aiSkipB = 0;
      match.keeperSkipB = 0;
      break;
  }
  match.aiSkipCountB = match.aiSkipB;
  match.keeperSkipCountB = match.keeperSkipB;

  ball.climb = 4;
  ball.speed = 2;
  ball.dir = 8;

  match.lastToucher = match.ballHolder;
  match.kickOffPendingB = userKicksOff ? 0 : 1;
}
