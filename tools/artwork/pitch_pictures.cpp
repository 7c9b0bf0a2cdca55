// The pictures of the match view and of the bracket screen: both goals, the corner pole, the
// ball, the advertising boards, the crowd and the wall, the cup, the players' tunnel and the
// world map of the region choice.
#include <cmath>
#include <string>

#include "artwork/canvas.h"
#include "artwork/ceremony.h"
#include "artwork/crowd.h"
#include "artwork/pixel_font.h"

namespace artwork {

namespace {

constexpr Rgb kGoalWhite = MakeRgb(255, 255, 255);
constexpr Rgb kNet = MakeRgb(216, 216, 228);
constexpr Rgb kNetDark = MakeRgb(160, 160, 176);
constexpr Rgb kGrassShadow = MakeRgb(0, 184, 0);
constexpr Rgb kDarkInk = MakeRgb(40, 40, 48);

void Add(ArtworkSet* set, const std::string& name, Image image, Storage storage = Storage::Colour) {
  (*set)[name] = Artwork{std::move(image), storage};
}

void AddMasked(ArtworkSet* set, const std::string& name, const std::string& maskName, Image image) {
  Image mask = MakeMask(&image, kKey);
  Add(set, name, std::move(image));
  Add(set, maskName, std::move(mask), Storage::Mask);
}

// A goal as seen from above, in the pitch's perspective: the crossbar and posts along the goal
// line, the net reaching 28 pixels behind it, and the net's shadow on the grass below the near
// side (nothing lies on the pitch side of the goal line). `right` draws the goal of the right-hand
// goal line; the picture's top-left corner is drawn at screen x `originX`, y 200 (goal mouth from y
// 200 to 280).
Image Goal(bool right, int originX) {
  constexpr int kWidth = 38, kHeight = 88, kMouthTop = 200, kDepth = 28;
  Image image(kWidth, kHeight, kKey);
  // The goal line at screen row y: from (60, 60) to (30, 450) on the left, (880, 60) to
  // (910, 450) on the right.
  auto goalLineX = [&](double y) {
    return right ? 880.0 + 30.0 * (y - 60.0) / 390.0 : 60.0 - 30.0 * (y - 60.0) / 390.0;
  };
  for (int r = 0; r < kHeight; ++r) {
    const double sy = kMouthTop + r + 0.5;
    for (int c = 0; c < kWidth; ++c) {
      const double sx = originX + c + 0.5;
      // Depth behind the goal line, and the same for the shadow (cast down and outwards).
      const double depth = right ? sx - goalLineX(sy) : goalLineX(sy) - sx;
      const double shadowDepth = depth - 2;
      const double along = sy - kMouthTop;  // 0 at the far post, 80 at the near post
      Rgb c0 = kKey;
      const bool inBox = depth > 0 && depth < kDepth && along >= 0 && along <= 81;
      if (!inBox && shadowDepth > 0 && shadowDepth < kDepth && along - 7 >= 0 && along - 7 <= 80) {
        c0 = kGrassShadow;
      }
      if (inBox) {
        const bool side = along < 1.5 || along > 79.5;
        const bool back = depth > kDepth - 1.5;
        // The mesh: diagonal cords both ways, as a hung net looks from above.
        const bool cord1 = int(std::floor(depth + along * 0.5)) % 5 == 0;
        const bool cord2 = int(std::floor(depth - along * 0.5 + 400)) % 5 == 0;
        if (side || back) {
          c0 = kNetDark;
        } else if (cord1 || cord2) {
          c0 = depth < kDepth / 2 ? kNet : kNetDark;
        }
      }
      // Crossbar and posts.
      if (depth > -1.2 && depth <= 1.2 && along >= 0 && along <= 81) c0 = kGoalWhite;
      image.Set(c, r, c0);
    }
  }
  // The posts: small white blocks at both ends, shaded on the side of the net.
  for (double along : {1.0, 79.0}) {
    const double y = kMouthTop + along;
    const int px = int(std::floor(goalLineX(y))) - originX;
    const int py = int(along);
    FillRect(&image, px - 1, py - 1, 3, 3, kGoalWhite);
    FillRect(&image, right ? px + 2 : px - 2, py - 1, 1, 3, kDarkInk);
  }
  return image;
}

Image CornerPole() {
  Image image(14, 17, kKey);
  // The pole stands on the corner at column 6, row 16.
  FillRect(&image, 6, 1, 1, 16, MakeRgb(248, 248, 248));
  FillRect(&image, 7, 6, 1, 11, MakeRgb(136, 136, 144));
  FillRect(&image, 5, 0, 3, 1, MakeRgb(255, 208, 0));
  // A chequered flag streaming to the right.
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) {
      const int wave = (x >= 2 && x <= 3) ? 1 : 0;
      const Rgb c = ((x / 2 + y / 2) % 2 == 0) ? MakeRgb(232, 24, 24) : MakeRgb(255, 232, 0);
      image.Set(7 + x, 1 + y + wave, c);
    }
  }
  return image;
}

Image Ball() {
  static const char* const kRows[8] = {"..####..", ".#WWWW#.", "#WWBBWW#", "#WBBBWG#",
                                       "#WWBWWG#", "#BWWWGG#", ".#WGGB#.", "..####.."};
  Image image(8, 8, kKey);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      switch (kRows[y][x]) {
        case '#':
          image.Set(x, y, MakeRgb(48, 48, 56));
          break;
        case 'W':
          image.Set(x, y, kWhite);
          break;
        case 'B':
          image.Set(x, y, MakeRgb(16, 16, 24));
          break;
        case 'G':
          image.Set(x, y, MakeRgb(176, 176, 192));
          break;
        default:
          break;
      }
    }
  }
  return image;
}

// Advertising board: a coloured panel with a light top edge, lettering, a small emblem.
Image Board(Rgb panel, Rgb letters, const std::string& text, bool cupEmblem) {
  Image image(144, 14, panel);
  FillRect(&image, 0, 0, 144, 1, Shade(panel, 150));
  FillRect(&image, 0, 12, 144, 2, Shade(panel, 55));
  FillRect(&image, 0, 0, 1, 14, Shade(panel, 55));
  FillRect(&image, 143, 0, 1, 14, Shade(panel, 55));
  const int textWidth = PixelTextWidth(text);
  const int x = 22 + (144 - 22 - textWidth) / 2;
  DrawPixelText(&image, x, 3, text, letters);
  if (cupEmblem) {  // a tiny golden cup
    FillRect(&image, 7, 3, 7, 4, MakeRgb(255, 200, 0));
    FillRect(&image, 8, 7, 5, 1, MakeRgb(255, 200, 0));
    FillRect(&image, 10, 8, 1, 2, MakeRgb(224, 160, 0));
    FillRect(&image, 8, 10, 5, 1, MakeRgb(224, 160, 0));
    image.Set(6, 4, MakeRgb(255, 200, 0));
    image.Set(14, 4, MakeRgb(255, 200, 0));
  } else {  // a tiny ball
    FillEllipse(&image, 11, 6.5, 4, 4, kWhite);
    FillRect(&image, 10, 5, 2, 2, kBlack);
    image.Set(8, 8, kBlack);
    image.Set(13, 8, kBlack);
  }
  return image;
}

// The cup of the bracket screen: a golden cup with two handles on a dark base that stands on
// the final's line.
Image Cup() {
  Image image(48, 40, kKey);
  const Rgb gold = MakeRgb(240, 192, 32);
  const Rgb light = MakeRgb(255, 240, 128);
  const Rgb dark = MakeRgb(176, 120, 8);
  const Rgb base = MakeRgb(24, 96, 56);
  // Handles: rings beside the bowl.
  DrawEllipse(&image, 12, 11, 6, 7, 2.2, dark);
  DrawEllipse(&image, 36, 11, 6, 7, 2.2, dark);
  // Bowl: wide at the rim, narrowing down to the stem.
  FillPolygon(&image,
              {{12, 2}, {36, 2}, {35, 10}, {31, 18}, {26, 22}, {22, 22}, {17, 18}, {13, 10}}, gold);
  FillRect(&image, 12, 2, 24, 2, light);
  FillPolygon(&image, {{15, 5}, {19, 5}, {20, 16}, {17, 14}}, light);
  FillPolygon(&image, {{31, 5}, {34, 5}, {32, 13}, {29, 18}}, dark);
  // Stem and foot.
  FillRect(&image, 22, 22, 4, 6, gold);
  FillRect(&image, 22, 22, 1, 6, light);
  FillRect(&image, 25, 22, 1, 6, dark);
  FillRect(&image, 17, 28, 14, 2, gold);
  FillRect(&image, 15, 30, 18, 6, base);
  FillRect(&image, 15, 30, 18, 1, MakeRgb(64, 160, 96));
  FillRect(&image, 14, 36, 20, 3, gold);
  FillRect(&image, 14, 38, 20, 1, dark);
  // A dark outline around it all.
  Image outlined = image;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 48; ++x) {
      if (image.Get(x, y) != kKey) continue;
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        if (image.Inside(x + dx, y + dy) && image.Get(x + dx, y + dy) != kKey) {
          outlined.Set(x, y, MakeRgb(88, 56, 0));
        }
      }
    }
  }
  return outlined;
}

// The players' tunnel below the pitch, seen from above: an open ramp going down between two
// walls, then the striped canopy that covers it.
Image Tunnel() {
  Image image(60, 70);
  const Rgb wall = MakeRgb(152, 152, 168);
  const Rgb wallDark = MakeRgb(96, 96, 112);
  FillRect(&image, 0, 0, 60, 70, wall);
  FillRect(&image, 7, 0, 1, 70, wallDark);
  FillRect(&image, 52, 0, 1, 70, wallDark);
  for (int y = 4; y < 70; y += 8) {  // joints in the walls
    FillRect(&image, 0, y, 7, 1, wallDark);
    FillRect(&image, 53, y, 7, 1, wallDark);
  }
  // The ramp: lit near the pitch, darker as it goes down.
  const Rgb ramp[] = {MakeRgb(120, 128, 144), MakeRgb(96, 104, 120), MakeRgb(72, 80, 96),
                      MakeRgb(48, 52, 64)};
  for (int y = 0; y < 30; ++y) {
    FillRect(&image, 8, y, 44, 1, ramp[y / 8]);
    if (y % 4 == 3) FillRect(&image, 8, y, 44, 1, Shade(ramp[y / 8], 80));
  }
  FillRect(&image, 8, 0, 44, 1, kWhite);  // the line where the ramp meets the pitch side
  // Canopy: a half cylinder seen from above, shaded across, striped white and blue.
  for (int y = 30; y < 70; ++y) {
    for (int x = 8; x < 52; ++x) {
      const double across = (x + 0.5 - 30.0) / 22.0;  // -1 to 1
      const bool stripe = ((y - 30) / 5) % 2 == 0;
      Rgb c = stripe ? MakeRgb(240, 240, 248) : MakeRgb(40, 72, 184);
      if (std::abs(across) > 0.8)
        c = Shade(c, 70);
      else if (std::abs(across) > 0.5)
        c = Shade(c, 88);
      image.Set(x, y, c);
    }
  }
  FillRect(&image, 8, 30, 44, 2, MakeRgb(24, 24, 32));  // the canopy's open mouth
  FillRect(&image, 8, 69, 44, 1, MakeRgb(24, 24, 32));
  return image;
}

}  // namespace

void DrawPitchPictures(ArtworkSet* set) {
  Add(set, "WLDMAP.BMP", WorldMapPicture());
  AddMasked(set, "LGOAL.BMP", "LGOALX.BMP", Goal(false, 13));
  AddMasked(set, "RGOAL.BMP", "RGOALX.BMP", Goal(true, 892));
  AddMasked(set, "POLE.BMP", "POLEX.BMP", CornerPole());
  AddMasked(set, "BALL.BMP", "BALLX.BMP", Ball());
  Add(set, "KANBAN0.BMP",
      Board(MakeRgb(16, 48, 168), MakeRgb(255, 232, 64), "VEXO WORLD CUP", true));
  Add(set, "KANBAN1.BMP", Board(MakeRgb(208, 24, 32), kWhite, "FELDO SPORTS", false));
  // The general crowd: every colour, nobody's team in particular.
  Add(set, "kansyuu.BMP", CrowdTile(0xCA5Eu, CrowdColours{}));
  Add(set, "kabe.BMP", WallStrip());
  AddMasked(set, "SCUP1.BMP", "SCUP1X.BMP", Cup());
  Add(set, "ENT.BMP", Tunnel());
}

}  // namespace artwork
