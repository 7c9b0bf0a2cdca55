// The pictures around the matches: small flags, supporters' flags, team photos, crowd tiles by
// kit colour class, UFOs, ticker tape; the aeroplane and the joy pictures are drawn in
// celebration_scenes.cpp.
#include <cmath>
#include <string>

#include "archive/graphics_archive.h"
#include "artwork/canvas.h"
#include "artwork/ceremony.h"
#include "artwork/crowd.h"
#include "artwork/figures.h"
#include "artwork/flags.h"
#include "artwork/kits.h"

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr Rgb kPitchGreen = MakeRgb(0, 240, 0);
constexpr Rgb kOutline = MakeRgb(32, 32, 40);

std::string Abbreviation(int nation) {
  return kPictureAbbreviations[nation];
}

void Add(ArtworkSet* set, const std::string& name, Image image, Storage storage = Storage::Colour) {
  (*set)[name] = Artwork{std::move(image), storage};
}

// Adds a picture drawn on the kKey background and its mask.
void AddMasked(ArtworkSet* set, const std::string& name, const std::string& maskName, Image image) {
  Image mask = MakeMask(&image, kKey);
  Add(set, name, std::move(image));
  Add(set, maskName, std::move(mask), Storage::Mask);
}

// Small flag for the tables: the flag inside a one-pixel dark frame.
Image SmallFlag(int nation) {
  Image image(18, 12, kOutline);
  Blit(&image, FlatFlag(nation, 16, 10), 1, 1);
  return image;
}

// The supporters' flag: a fan in the stands holding the flag up on its pole, the waves moved
// on by half a wave in the second frame.
Image SupportersFlag(int nation, int frame) {
  Image image(40, 28);
  DrawStands(&image, 0, 0, 40, 28, 0x5117u + std::uint32_t(nation) * 7 + std::uint32_t(frame),
             CrowdColours{}, false);
  const double phase = frame == 0 ? 0.0 : kPi * 0.9;
  Image cloth = WavingFlag(nation, 34, 24, 2, 18, phase, kKey);
  // A thin dark edge around the cloth so light flags stand out from the crowd.
  Image edged = cloth;
  OutlineLayer(&edged, kOutline);
  BlitKeyed(&image, edged, 5, 0);
  // The pole, its gilt top, and the fan's hands on it.
  FillRect(&image, 4, 1, 2, 27, MakeRgb(232, 232, 232));
  FillRect(&image, 5, 1, 1, 27, MakeRgb(160, 160, 168));
  FillRect(&image, 3, 0, 4, 2, MakeRgb(248, 200, 0));
  const int handY = frame == 0 ? 20 : 19;
  FillRect(&image, 3, handY, 4, 2, MakeRgb(248, 200, 152));
  FillRect(&image, 3, handY + 4, 4, 2, MakeRgb(248, 200, 152));
  // The fan: head and shoulders in the nation's colour at the bottom left.
  FillRect(&image, 0, 24, 4, 4, NationMainColour(nation));
  FillRect(&image, 6, 24, 3, 4, NationMainColour(nation));
  return image;
}

// The region of the team-photo pictures that is drawn: a banner held up in the middle of the
// team (the back row stands behind it, the front row in front), its two poles, and a pennant
// on each pole. Every nation's picture uses this shape, so one mask serves them all.
struct PhotoLayout {
  static constexpr int kWidth = 120, kHeight = 110;
  static constexpr int kBannerLeft = 8, kBannerWidth = 64;
  static constexpr int kBannerTop = 16, kBannerHeight = 36;
};

Image TeamPhoto(int nation) {
  using L = PhotoLayout;
  Image image(L::kWidth, L::kHeight, kKey);
  // The banner: the flag, waving gently, with a dark edge.
  Image banner = WavingFlag(nation, L::kBannerWidth, L::kBannerHeight + 6, 3, L::kBannerHeight,
                            kPi * 0.35, kKey);
  OutlineLayer(&banner, kOutline);
  BlitKeyed(&image, banner, L::kBannerLeft, L::kBannerTop - 3);
  // Poles at both ends, taller than the players, with gilt tops.
  for (int x : {L::kBannerLeft - 3, L::kBannerLeft + L::kBannerWidth + 1}) {
    FillRect(&image, x, 2, 2, 58, MakeRgb(232, 224, 208));
    FillRect(&image, x + 1, 2, 1, 58, MakeRgb(152, 136, 112));
    FillRect(&image, x - 1, 0, 4, 3, MakeRgb(248, 200, 0));
  }
  // Pennants in the nation's two colours.
  const int leftPole = L::kBannerLeft - 3, rightPole = L::kBannerLeft + L::kBannerWidth + 1;
  FillPolygon(&image, {{leftPole - 0.0, 3}, {leftPole - 9.0, 6}, {leftPole - 0.0, 9}},
              NationMainColour(nation));
  FillPolygon(&image, {{rightPole + 2.0, 3}, {rightPole + 11.0, 6}, {rightPole + 2.0, 9}},
              NationSecondColour(nation));
  // A ribbon at the front row's feet in the nation's colours.
  for (int x = 0; x < 104; ++x) {
    const int wave = int(std::lround(1.5 * std::sin(x * 0.18)));
    for (int y = 0; y < 8; ++y) {
      const Rgb c =
          (y < 3) ? NationMainColour(nation) : (y < 5 ? kWhite : NationSecondColour(nation));
      image.Set(x + 2, 80 + y + wave, (y == 0 || y == 7) ? kOutline : c);
    }
  }
  return image;
}

// A flying saucer in the colours of a side: dome, body (striped for the two striped kits),
// rim lights; on pitch green, as it is copied onto the pitch.
Image Ufo(Rgb body, Rgb stripe, Rgb rim) {
  Image image(24, 16, kPitchGreen);
  Image layer(24, 16, kKey);
  FillEllipse(&layer, 12, 6.5, 5, 4.5, MakeRgb(168, 224, 248));  // glass dome
  FillRect(&layer, 10, 3, 2, 2, kWhite);                         // its shine
  Image hull(24, 16, kKey);
  FillEllipse(&hull, 12, 10, 10.5, 3.5, body);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 24; ++x) {
      if (hull.Get(x, y) == kKey) continue;
      Rgb c = (stripe != body && (x / 2) % 2 == 1) ? stripe : body;
      if (y >= 11) c = Shade(c, 70);
      layer.Set(x, y, c);
    }
  }
  FillRect(&layer, 3, 10, 18, 1, rim);
  for (int x : {5, 9, 13, 17}) layer.Set(x + 1, 10, MakeRgb(255, 240, 64));
  FillRect(&layer, 9, 14, 6, 1, MakeRgb(255, 248, 160));  // the glow underneath
  OutlineLayer(&layer, kOutline);
  BlitKeyed(&image, layer, 0, 0);
  return image;
}

// Ticker tape: bits of coloured paper scattered over a 90 × 40 area; each frame lets them fall
// a little and turn.
Image TickerTape(int frame) {
  Image image(90, 40, kKey);
  const Rgb colours[] = {kWhite,
                         MakeRgb(255, 232, 64),
                         MakeRgb(248, 64, 96),
                         MakeRgb(96, 176, 255),
                         MakeRgb(96, 224, 96),
                         MakeRgb(255, 160, 208)};
  Scatter scatter(0xF0B0u);
  for (int k = 0; k < 70; ++k) {
    const int x = scatter.Below(90);
    const int y0 = scatter.Below(40);
    const Rgb c = colours[scatter.Below(6)];
    const int spin = scatter.Below(4);
    const int drift = scatter.Below(3) - 1;
    const int y = (y0 + frame * 5) % 40;
    const int xf = (x + drift * frame + 90) % 90;
    switch ((spin + frame) % 4) {
      case 0:
        FillRect(&image, xf, y, 3, 1, c);
        break;
      case 1:
        image.Set(xf, y, c);
        image.Set(xf + 1, y + 1, c);
        break;
      case 2:
        FillRect(&image, xf, y, 1, 3, c);
        break;
      default:
        FillRect(&image, xf, y, 2, 2, c);
        break;
    }
  }
  return image;
}

}  // namespace

void DrawCeremonyPictures(ArtworkSet* set) {
  for (int nation = 0; nation < kNationCount; ++nation) {
    Add(set, "SF_" + Abbreviation(nation) + ".BMP", SmallFlag(nation));
    Add(set, "SS1F_" + Abbreviation(nation) + ".BMP", SupportersFlag(nation, 0));
    Add(set, "SS2F_" + Abbreviation(nation) + ".BMP", SupportersFlag(nation, 1));
  }

  // Team photos: every picture is black outside the shared shape; the shape is the mask.
  Image shape = TeamPhoto(0);
  Image photoMask = MakeMask(&shape, kKey);
  for (int nation = 0; nation < kNationCount; ++nation) {
    Image photo = TeamPhoto(nation);
    for (std::size_t i = 0; i < photo.pixels.size(); ++i) {
      if (photoMask.pixels[i] == kWhite) photo.pixels[i] = kBlack;
    }
    Add(set, "MF_" + Abbreviation(nation) + ".BMP", std::move(photo));
  }
  Add(set, "MF_X.BMP", std::move(photoMask), Storage::Mask);

  // Crowds by kit colour class, in the colours of the class's kit; 8 is the sea of orange of
  // the Dutch supporters.
  for (int c = 1; c <= 8; ++c) {
    CrowdColours colours;
    if (c <= 7) {
      const Kit& kit = KitForCode(ClassKitCode(c));
      colours = {
          {kit.shirt, kit.shirt, kit.pattern == ShirtPattern::Plain ? kit.trim : kit.patternColour},
          60};
    } else {
      colours = {{MakeRgb(255, 112, 0), MakeRgb(255, 136, 16), MakeRgb(248, 96, 0)}, 85};
    }
    Add(set, "KANSYUU" + std::to_string(c) + ".BMP",
        CrowdTile(0xC0DEu + std::uint32_t(c) * 101, colours));
  }

  // UFOs in the colours of a side's kit class; 8 for the red-and-white striped kit (21) and 9
  // for the sky-blue-and-white striped one (16).
  for (int c = 1; c <= 7; ++c) {
    const Kit& kit = KitForCode(ClassKitCode(c));
    Add(set, "UFO" + std::to_string(c) + ".bmp", Ufo(kit.shirt, kit.shirt, kit.trim));
  }
  const Kit& striped = KitForCode(21);
  Add(set, "UFO8.bmp", Ufo(striped.patternColour, striped.shirt, striped.shorts));
  const Kit& sky = KitForCode(16);
  Add(set, "UFO9.bmp", Ufo(sky.shirt, sky.patternColour, sky.shorts));

  for (int frame = 1; frame <= 3; ++frame) {
    AddMasked(set, "FBUKI" + std::to_string(frame) + ".BMP",
              "FBUKI" + std::to_string(frame) + "X.BMP", TickerTape(frame - 1));
  }

  Add(set, "飛行機.BMP", AeroplanePicture());
  for (int k = 1; k <= 12; ++k) Add(set, "歓喜" + std::to_string(k) + ".BMP", JoyPicture(k));
}

}  // namespace artwork
