// The pictures loaded for drawing, by use, and the loaders that fill them from the graphics
// archive.
#pragma once

#include <array>

#include "archive/picture.h"

inline constexpr int kBitmapSlots = 150;
inline constexpr int kDarkOverlayFirstSlot = 60;  // the fifteen dark overlay sheets

// Numbered slots (see LoadPitchPictures, LoadTeamSheets, LoadDarkOverlaySheets):
//   0, 1 left goal and mask        2, 3 right goal and mask     4, 5 corner flag and mask
//   6, 7 ball and mask             8, 9 advertising boards      10-21 player masks by pose
//   22-24 masks of the header and running pictures               25 crowd, 26 wall strip
//   30-52 team B's sprite sheets   60-74 dark overlay sheets    110-132 team A's sheets
//   145, 146 the cup and its mask
struct BitmapStore {
  std::array<Picture, kBitmapSlots> slots{};
  Picture aeroplane;                     // "飛行機.BMP"
  std::array<Picture, 6> tickerTape{};   // FBUKI1-3, then their masks FBUKI1X-3X
  Picture tunnel;                        // "ENT.BMP"
  std::array<Picture, 31> smallFlags{};  // SF_ flags by nation index
  // Per pairing: index 0 team A (the user), 1 team B.
  std::array<Picture, 2> crowd{};            // one of "KANSYUU%d.BMP"
  std::array<Picture, 2> supportersFlag1{};  // SS1F_
  std::array<Picture, 2> supportersFlag2{};  // SS2F_
  std::array<Picture, 2> ufo{};              // one of "UFO%d.bmp"
  Picture worldMap;       // "WLDMAP.BMP", loaded the first time the region dialog needs it
  Picture joy;            // "歓喜%d.BMP" of the victory screen
  Picture teamPhoto;      // MF_ of the user's nation
  Picture teamPhotoMask;  // "MF_X.BMP"
};

extern BitmapStore bitmapStore;

// Loaders that fill the bitmap store.
void LoadPitchPictures();
void LoadFlagPictures();
void LoadTeamSheets(int firstSlot, int kitCode);
void LoadDarkOverlaySheets(int firstSlot);

// Releases the memory of every loaded picture (the archive's included) and empties the store.
// Every Picture handed out before is invalid afterwards.
void ReleasePictures();
// Empties the store without releasing memory (tests).
void ResetBitmapStore();
