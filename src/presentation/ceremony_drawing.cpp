// The supporters, the per-pairing ceremony pictures, the departure and the victory screens.
#include "presentation/ceremony_drawing.h"

#include "archive/graphics_archive.h"
#include "base/game_flow_state.h"
#include "base/record_resets.h"
#include "competition/nations.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "presentation/bitmap_store.h"
#include "presentation/pitch_drawing.h"
#include "presentation/screen_text.h"

using platform::DeviceContext;
using platform::Rgb;

SupportersState supporters;
VictoryCelebration victoryCelebration;

namespace {

constexpr int kSideA = 0, kSideB = 1;
constexpr int kTapeSteps = 4;  // three tape pictures, then a step without tape
constexpr platform::Color kRed = Rgb(255, 0, 0);

// Which nation the victory pictures were loaded for (index + 1, 0 none), so that a victory
// with another nation later in the run shows that nation's pictures.
int joyLoadedFor = 0;
int photoLoadedFor = 0;

struct PhotoPlace {
  int x, y, pose;
};
constexpr PhotoPlace kPhotoPlaces[11] = {{0, 0, 3},    {18, 0, 4},   {45, 0, 5},  {65, 0, 3},
                                         {-10, 20, 4}, {-10, 40, 3}, {74, 30, 3}, {0, 55, 4},
                                         {16, 55, 5},  {53, 55, 3},  {75, 55, 4}};
constexpr int kPhotoLeft = 40, kPhotoTop = 30, kPhotoWidth = 140, kPhotoHeight = 130;

void DrawStreamer(DeviceContext* dc, int reference, const Streamer& s) {
  const int b = reference + s.x, c = s.y, e = s.size, f = e / 2;
  platform::Point points[4];
  switch (s.frame) {
    case 1:
      points[0] = {b - e - f, c - f};
      points[1] = {b - f, c - e};
      points[2] = {b, c - e};
      points[3] = {b - f, c};
      break;
    case 3:
      points[0] = {b + f, c};
      points[1] = {b, c - e};
      points[2] = {b + f, c - f};
      points[3] = {b + e, c};
      break;
    default:  // 2 and 4
      points[0] = {b, c};
      points[1] = {b, c - e};
      points[2] = {b + e, c - e};
      points[3] = {b + e, c};
      break;
  }
  platform::Polygon(dc, points, 4);
}

void DrawStreamers(DeviceContext* dc, const int (&references)[4]) {
  platform::Pen* oldPen =
      platform::SelectPen(dc, platform::StockPen(platform::StockObject::WhitePen));
  platform::Brush* oldBrush =
      platform::SelectBrush(dc, platform::StockBrush(platform::StockObject::WhiteBrush));
  for (int reference : references) {
    for (const Streamer& s : supporters.streamers) DrawStreamer(dc, reference, s);
  }
  platform::SelectPen(dc, oldPen);
  platform::SelectBrush(dc, oldBrush);
}

// A ticker tape picture (0 to 2) with its mask at (x, y).
void DrawTape(DeviceContext* dc, int picture, int x, int y) {
  DrawDib(dc, x, y, bitmapStore.tickerTape[std::size_t(3 + picture)], platform::Rop::SrcAnd);
  DrawDib(dc, x, y, bitmapStore.tickerTape[std::size_t(picture)], platform::Rop::SrcPaint);
}

// One side's step: the streamers (from the second step of the shared countdown on), the
// flag, and the ticker tape of this step at the four spots.
void DrawSupporters(DeviceContext* dc, int side, const int (&spots)[4], int flagX) {
  if (dc == nullptr) return;
  if (supporters.countdown != 0) {
    const bool wasOne = supporters.countdown == 1;
    supporters.countdown = std::uint8_t(wasOne ? 1 : supporters.countdown - 1);
    if (wasOne) DrawStreamers(dc, spots);
  }
  const std::size_t s = std::size_t(side);
  CopyDib(
      dc, flagX, 1,
      supporters.flagToggle[s] ? bitmapStore.supportersFlag2[s] : bitmapStore.supportersFlag1[s]);
  if (supporters.tapeStep[s] > kTapeSteps - 1) {
    supporters.flagToggle[s] = supporters.flagToggle[s] ? 0 : 1;
    supporters.tapeStep[s] = 0;
  }
  supporters.tapeStep[s] += 1;
  const int step = supporters.tapeStep[s];
  if (step >= 1 && step <= 3) {
    for (int x : spots) DrawTape(dc, step - 1, x, 0);
  }
}

Picture SupportersFlag(int nationIndex, int frame) {
  if (nationIndex < 0 || nationIndex >= kNationCount) return {};
  return LoadPicture(platform::Format("SS%dF_%s.BMP", frame, kPictureAbbreviations[nationIndex]));
}

void ArrangeTeamPhoto() {
  for (int i = 0; i < 11; ++i) victoryCelebration.photoPoses[std::size_t(i)] = kPhotoPlaces[i].pose;
}

void DrawPhotoPlayer(DeviceContext* dc, int i) {
  std::int32_t& pose = victoryCelebration.photoPoses[std::size_t(i)];
  pose = pose == 4 ? 5 : 4;
  DrawPlayerPictureA(dc, i, pose, 50 + kPhotoPlaces[i].x, 40 + kPhotoPlaces[i].y);
}

void LoadTeamPhoto(int nation) {
  if (photoLoadedFor == nation + 1 && bitmapStore.teamPhoto) return;
  if (nation >= 0 && nation < kNationCount) {
    bitmapStore.teamPhoto =
        LoadPicture(platform::Format("MF_%s.BMP", kPictureAbbreviations[nation]));
  } else {
    bitmapStore.teamPhoto = {};
  }
  if (!bitmapStore.teamPhotoMask) bitmapStore.teamPhotoMask = LoadPicture("MF_X.BMP");
  photoLoadedFor = nation + 1;
}

}  // namespace

void ResetSupporters() {
  supporters = SupportersState{};
}

void ResetVictoryCelebration() {
  victoryCelebration = VictoryCelebration{};
  joyLoadedFor = 0;
  photoLoadedFor = 0;
}

void SetUpSupporters() {
  static constexpr int kPlaces[8][2] = {{42, 23}, {50, 23}, {58, 23}, {42, 15},
                                        {58, 15}, {42, 7},  {50, 7},  {58, 7}};
  for (int k = 1; k <= 8; ++k) {
    Streamer& s = supporters.streamers[std::size_t(k - 1)];
    s.x = kPlaces[k - 1][0];
    s.y = kPlaces[k - 1][1];
    s.frame = std::uint8_t(k <= 4 ? k : k - 4);
    s.size = 4;
  }
  supporters.countdown = 2;
}

void DrawSupportersA(DeviceContext* dc, int x) {
  const int spots[4] = {0, 50, 140, 180};
  DrawSupporters(dc, kSideA, spots, x + 140);
}

void DrawSupportersB(DeviceContext* dc, int x) {
  const int w = x + 140;
  const int spots[4] = {w - 260, w - 310, w - 140, w - 90};
  DrawSupporters(dc, kSideB, spots, x - 40);
}

void AdvanceStreamers() {
  for (Streamer& s : supporters.streamers) s.frame = std::uint8_t(s.frame >= 4 ? 1 : s.frame + 1);
}

int UfoNumber(int kitCode) {
  if (kitCode == 16) return 9;
  if (kitCode == 21) return 8;
  return KitColourClass(kitCode);
}

int CrowdNumber(int nationIndex) {
  if (nationIndex == 10) return 8;
  if (nationIndex < 0 || nationIndex >= kTeamTableSize) return KitColourClass(0);
  return KitColourClass(TeamTable[std::size_t(nationIndex)].firstKit);
}

int JoyNumber(int nationIndex) {
  switch (nationIndex) {
    case 10:
      return 8;
    case 23:
    case 24:
    case 25:
      return 10;
    case 26:
      return 11;
    case 15:
      return 12;
    case 18:
      return 7;
    case 20:
      return 4;
    default:
      return CrowdNumber(nationIndex);
  }
}

void LoadCeremonyPictures() {
  bitmapStore.ufo[0] = LoadPicture(platform::Format("UFO%d.bmp", UfoNumber(match.kitA)));
  bitmapStore.ufo[1] = LoadPicture(platform::Format("UFO%d.bmp", UfoNumber(match.kitB)));
  const int nations[2] = {gameFlow.userNation, match.opponent - 1};
  for (std::size_t side = 0; side < 2; ++side) {
    const int nation = nations[side];
    bitmapStore.crowd[side] = LoadPicture(platform::Format("KANSYUU%d.BMP", CrowdNumber(nation)));
    bitmapStore.supportersFlag1[side] = SupportersFlag(nation, 1);
    bitmapStore.supportersFlag2[side] = SupportersFlag(nation, 2);
  }
}

void DrawDepartureScreen(DeviceContext* dc) {
  if (dc == nullptr) return;
  CopyDib(dc, 40, 10, bitmapStore.aeroplane);
  ScopedFont font(dc, {16, 16, 24});
  platform::SetBkMode(dc, platform::BkMode::Transparent);
  TextIn(dc, 40, 190, platform::Translate("ワールドカップ へ出発 !"), kRed);
}

void DrawVictoryScreen(DeviceContext* dc) {
  if (dc == nullptr) return;
  const int nation = gameFlow.userNation;
  if (joyLoadedFor != nation + 1 || !bitmapStore.joy) {
    bitmapStore.joy = LoadPicture(platform::Format("歓喜%d.BMP", JoyNumber(nation)));
    joyLoadedFor = nation + 1;
  }
  CopyDib(dc, 220, 10, bitmapStore.joy);
  {
    ScopedFont font(dc, {24, 24, 24});
    platform::SetBkMode(dc, platform::BkMode::Transparent);
    TextIn(dc, 50, 220, platform::Translate("ワールドカップ"), kRed);
    TextIn(dc, 50, 250, platform::Translate("   優  勝 !   "), kRed);
  }
  if (victoryCelebration.animating == 0) {
    victoryCelebration.animating = 1;
    victoryCelebration.countdown = 10;
    ArrangeTeamPhoto();
    DrawTeamPhotoFrame(dc);
  }
}

bool AdvanceVictoryCelebration() {
  if (victoryCelebration.animating == 0) return false;
  if (victoryCelebration.countdown != 0) --victoryCelebration.countdown;
  if (victoryCelebration.countdown != 0) return false;
  victoryCelebration.countdown = kPhotoFrameTicks;
  return true;
}

void DrawTeamPhotoFrame(DeviceContext* dc) {
  if (dc == nullptr) return;
  DeviceContext* frame = platform::CreateCompatibleDC(dc);
  platform::Bitmap* bitmap =
      platform::CreateCompatibleBitmap(dc, kPhotoLeft + kPhotoWidth, kPhotoTop + kPhotoHeight);
  if (frame == nullptr || bitmap == nullptr) {
    platform::DeleteDC(frame);
    platform::DeleteObject(bitmap);
    return;
  }
  platform::Bitmap* oldBitmap = platform::SelectBitmap(frame, bitmap);
  platform::SelectPen(frame, pitchView.pitchPen);
  platform::SelectBrush(frame, pitchView.pitchBrush);
  platform::Rectangle(frame, kPhotoLeft, kPhotoTop, kPhotoLeft + kPhotoWidth,
                      kPhotoTop + kPhotoHeight);
  for (int i = 0; i <= 6; ++i) DrawPhotoPlayer(frame, i);
  LoadTeamPhoto(gameFlow.userNation);
  DrawDib(frame, 50, 40, bitmapStore.teamPhotoMask, platform::Rop::SrcAnd);
  DrawDib(frame, 50, 40, bitmapStore.teamPhoto, platform::Rop::SrcPaint);
  for (int i = 7; i <= 10; ++i) DrawPhotoPlayer(frame, i);
  std::int32_t& step = victoryCelebration.photoStep;
  if (step < 1 || step > 10) {
    step = 1;
  } else if (step <= 9) {
    const int picture = (step - 1) / 3;
    for (int y : {30, 55, 80}) DrawTape(frame, picture, 40, y);
  }
  step += 1;
  platform::BitBlt(dc, kPhotoLeft, kPhotoTop, kPhotoWidth, kPhotoHeight, frame, kPhotoLeft,
                   kPhotoTop, platform::Rop::SrcCopy);
  platform::SelectBitmap(frame, oldBitmap);
  platform::DeleteDC(frame);
  platform::DeleteObject(bitmap);
}

namespace {
const bool kSupportersRegistered = RegisterRecordReset(ResetSupporters);
const bool kVictoryCelebrationRegistered = RegisterRecordReset(ResetVictoryCelebration);
}  // namespace
