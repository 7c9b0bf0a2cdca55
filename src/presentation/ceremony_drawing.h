// The festive pictures around the matches: the supporters in the top strip (a waving flag,
// ticker tape and white paper streamers) during the players' entrance and after a goal, the
// per-pairing crowd, supporters' flag and UFO pictures, the departure screen and the victory
// screen with its animated team photo.
#pragma once

#include <array>
#include <cstdint>

#include "platform/platform.h"

// One paper streamer of the supporters: its frame of four turns, its place relative to the
// side's x reference, and its size.
struct Streamer {
  std::uint8_t frame = 1;  // 1 to 4
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t size = 0;
};

// The supporters' animation. The countdown is shared by both sides (set to 2 when the
// entrance starts: the streamers appear from the second side drawn on); each side keeps the
// step counter of its ticker tape and the toggle of its flag's two frames.
struct SupportersState {
  std::array<Streamer, 8> streamers{};
  std::uint8_t countdown = 0;
  std::array<std::int32_t, 2> tapeStep{};    // by side, 0 team A, 1 team B
  std::array<std::uint8_t, 2> flagToggle{};  // 1 while the second flag frame shows
};
extern SupportersState supporters;
void ResetSupporters();

// The victory screen's animation. `animating` is set by the first DrawVictoryScreen of the
// victory dialog and cleared by the game flow before and after it; while it is set every
// timer tick counts `countdown` down (AdvanceVictoryCelebration) and, when it runs out,
// reloads it with 15 and has the next DrawTeamPhotoFrame drawn into the dialog. `photoStep` is the
// ticker tape's step over the photo; `photoPoses` the players' poses in the photo (team A's
// sprites, by player index).
struct VictoryCelebration {
  std::uint8_t animating = 0;
  std::int32_t countdown = 0;
  std::int32_t photoStep = 0;
  std::array<std::int32_t, 11> photoPoses{};
};
extern VictoryCelebration victoryCelebration;
inline constexpr int kPhotoFrameTicks = 15;  // the tick's reload of the countdown
void ResetVictoryCelebration();
// A tick while the victory dialog is open: while animating, the countdown comes down by one;
// true when it has run out (it is then reloaded) and the next photo frame is due.
bool AdvanceVictoryCelebration();

// Places the streamers around (50, 15) and sets the countdown to 2; the entrance calls it.
void SetUpSupporters();
// One step of team A's supporters at x reference `x` (0): streamers, flag, ticker tape.
void DrawSupportersA(platform::DeviceContext* dc, int x);
// One step of team B's supporters at x reference `x` (client width - 140).
void DrawSupportersB(platform::DeviceContext* dc, int x);
// Moves every streamer's frame on by one, 4 back to 1.
void AdvanceStreamers();

// The pictures of a pairing, team A the user's nation and team B the opponent: the UFO of each
// kit (kitA, kitB), the crowd of each nation and each nation's supporters' flag.
void LoadCeremonyPictures();
// The UFO picture number of a kit code: its colour class, 9 for kit 16, 8 for kit 21.
int UfoNumber(int kitCode);
// The crowd picture number of a nation index: the colour class of its first kit, 8 for 10.
int CrowdNumber(int nationIndex);
// The joy picture number of the victory screen for a nation index.
int JoyNumber(int nationIndex);

// The aeroplane and "ワールドカップ へ出発 !", in the message window of the qualification.
void DrawDepartureScreen(platform::DeviceContext* dc);
// The joy picture and "ワールドカップ / 優 勝 !"; the first time (animating clear) it also
// starts the animation, lines the team up for the photo and draws its first frame.
void DrawVictoryScreen(platform::DeviceContext* dc);
// One frame of the team photo in the area (40, 30)-(180, 160) of the victory window.
void DrawTeamPhotoFrame(platform::DeviceContext* dc);
