// The player sheets: every pose painted in every kit and in every class's goalkeeper kit, the
// shared masks and the dark overlays.
#include "artwork/sprites.h"

#include <array>
#include <cstdlib>
#include <string>

#include "artwork/kits.h"
#include "artwork/picture.h"

namespace artwork {

namespace {

constexpr Rgb kOutline = MakeRgb(24, 24, 28);
constexpr Rgb kHair = MakeRgb(72, 44, 24);
constexpr Rgb kEye = MakeRgb(40, 24, 16);
constexpr Rgb kBoot = MakeRgb(52, 48, 48);

// The colour in shadow: three quarters of each channel, never black.
Rgb Shade(Rgb colour) {
  const int r = int((colour >> 16) & 255) * 3 / 4;
  const int g = int((colour >> 8) & 255) * 3 / 4;
  const int b = int(colour & 255) * 3 / 4;
  const Rgb shaded = MakeRgb(r, g, b);
  return shaded == kBlack ? MakeRgb(8, 8, 8) : shaded;
}

// The shirt's colour at a pixel, before shading: the pattern colour where the pattern lies.
Rgb ShirtColourAt(const PoseDrawing& drawing, const Kit& kit, int x, int y) {
  const int u = x - drawing.shirtLeft;
  const int v = y - drawing.shirtTop;
  switch (kit.pattern) {
    case ShirtPattern::Stripes:
      if (u % 2 == 1) return kit.patternColour;
      break;
    case ShirtPattern::Sash: {
      const int d = u - v * drawing.shirtWidth / drawing.shirtHeight;
      if (d == 0 || d == 1) return kit.patternColour;
      break;
    }
    case ShirtPattern::ChestBand:
      if (v == 2) return kit.patternColour;
      break;
    case ShirtPattern::Plain:
    case ShirtPattern::Sleeves:
      break;
  }
  return kit.shirt;
}

const char kLetters[] = "ABCDEFGHIJKL";

}  // namespace

std::string PlayerMaskName(int pose) {
  if (pose < 12) return std::string("PLY") + kLetters[pose] + "_1X.BMP";
  if (pose == kPoseHeader) return "HD_1X.BMP";
  return pose == kPoseRun1 ? "RUN1_1X.BMP" : "RUN2_1X.BMP";
}

std::string PlayerOverlayName(int pose) {
  if (pose < 12) return std::string("PLY") + kLetters[pose] + "_BM.BMP";
  if (pose == kPoseHeader) return "H_BM.BMP";
  return pose == kPoseRun1 ? "RUN1_BM.BMP" : "RUN2_BM.BMP";
}

std::string KitPictureName(int pose, int kitCode) {
  const std::string number = std::to_string(kitCode);
  if (pose < 8) return std::string("PLY") + kLetters[pose] + "_" + number + ".BMP";
  if (pose == kPoseHeader) return "HD_" + number + ".BMP";
  if (pose == kPoseRun1) return "RUN1_" + number + ".BMP";
  if (pose == kPoseRun2) return "RUN2_" + number + ".BMP";
  return "";  // the reaching poses are the goalkeeper's alone
}

std::string KeeperPictureName(int pose, int colourClass) {
  const std::string number = std::to_string(colourClass);
  if (pose < 8) return std::string("PLY2") + kLetters[pose] + "_" + number + ".BMP";
  if (pose < 12) return std::string("PLY") + kLetters[pose] + "_" + number + ".BMP";
  return "";  // the goalkeeper has no header or running sheets
}

Rgb RoleColour(const PoseDrawing& drawing, const Kit& kit, int x, int y) {
  const Rgb sleeve = kit.pattern == ShirtPattern::Sleeves ? kit.patternColour : kit.shirt;
  switch (drawing.At(x, y)) {
    case PixelRole::None:
      return kBlack;
    case PixelRole::Outline:
      return kOutline;
    case PixelRole::Hair:
      return kHair;
    case PixelRole::Eye:
      return kEye;
    case PixelRole::Skin:
      return kSkinLight;
    case PixelRole::SkinShade:
      return kSkinLightShade;
    case PixelRole::Shirt:
      return ShirtColourAt(drawing, kit, x, y);
    case PixelRole::ShirtShade:
      return Shade(ShirtColourAt(drawing, kit, x, y));
    case PixelRole::Trim:
      return kit.trim;
    case PixelRole::Sleeve:
      return sleeve;
    case PixelRole::SleeveShade:
      return Shade(sleeve);
    case PixelRole::Shorts:
      return kit.shorts;
    case PixelRole::ShortsShade:
      return Shade(kit.shorts);
    case PixelRole::Socks:
      return kit.socks;
    case PixelRole::SockBand:
      return kit.sockBand;
    case PixelRole::Boot:
      return kBoot;
  }
  return kBlack;
}

Image PaintPlayer(int pose, const Kit& kit) {
  const PoseDrawing& drawing = PlayerPoseDrawing(pose);
  Image image(drawing.width, drawing.height, kBlack);
  for (int y = 0; y < drawing.height; ++y) {
    for (int x = 0; x < drawing.width; ++x) {
      Rgb colour = RoleColour(drawing, kit, x, y);
      // A kit colour of pure black would read as transparent: lift it to the darkest grey.
      if (colour == kBlack && drawing.At(x, y) != PixelRole::None) colour = MakeRgb(8, 8, 8);
      image.Set(x, y, colour);
    }
  }
  return image;
}

Image SkinOverlay(int pose) {
  const PoseDrawing& drawing = PlayerPoseDrawing(pose);
  Image overlay(drawing.width, drawing.height, kWhite);
  for (int y = 0; y < drawing.height; ++y) {
    for (int x = 0; x < drawing.width; ++x) {
      const PixelRole role = drawing.At(x, y);
      if (role == PixelRole::Skin) overlay.Set(x, y, kSkinDark);
      if (role == PixelRole::SkinShade) overlay.Set(x, y, kSkinDarkShade);
    }
  }
  return overlay;
}

void DrawPlayerSheets(ArtworkSet* set) {
  for (int pose = 0; pose < kPoseCount; ++pose) {
    Image silhouette = PaintPlayer(pose, KitForCode(1));
    (*set)[PlayerMaskName(pose)] = Artwork{MakeMask(&silhouette, kBlack), Storage::Mask};
    (*set)[PlayerOverlayName(pose)] = Artwork{SkinOverlay(pose), Storage::Colour};
  }
  for (int kitCode = 1; kitCode <= kKitCodeCount; ++kitCode) {
    for (int pose = 0; pose < kPoseCount; ++pose) {
      const std::string name = KitPictureName(pose, kitCode);
      if (name.empty()) continue;
      (*set)[name] = Artwork{PaintPlayer(pose, KitForCode(kitCode)), Storage::Colour};
    }
  }
  for (int colourClass = 1; colourClass <= kKitClassCount; ++colourClass) {
    for (int pose = 0; pose < kPoseCount; ++pose) {
      const std::string name = KeeperPictureName(pose, colourClass);
      if (name.empty()) continue;
      (*set)[name] = Artwork{PaintPlayer(pose, KeeperKit(colourClass)), Storage::Colour};
    }
  }
}

}  // namespace artwork
