// The kit table: every kit code's shirt, shorts and socks, chosen inside its class's colour
// family and after the nations that wear it; the goalkeeper kits by class; the families.
#include "artwork/kits.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace artwork {

namespace {

constexpr Rgb kWhiteShirt = MakeRgb(244, 244, 240);
constexpr Rgb kWhiteCloth = MakeRgb(236, 236, 232);
constexpr Rgb kBlackCloth = MakeRgb(40, 40, 44);
constexpr Rgb kNavy = MakeRgb(28, 40, 112);
constexpr Rgb kBlue = MakeRgb(32, 64, 176);
constexpr Rgb kRed = MakeRgb(208, 32, 36);
constexpr Rgb kGreen = MakeRgb(24, 144, 64);
constexpr Rgb kYellow = MakeRgb(248, 208, 32);
constexpr Rgb kOrange = MakeRgb(240, 120, 24);
constexpr Rgb kSky = MakeRgb(120, 192, 240);

using P = ShirtPattern;

// Kit codes 1 to 27 in order. Classes: 1 white (1-3, 21, 23-26), 2 blue (4-6, 22), 3 red
// (7-12), 4 green (13-15), 5 sky blue (16, 17), 6 yellow (18, 19, 27), 7 orange (20).
const std::array<Kit, kKitCodeCount> kKits = {{
    {1, 1, kWhiteShirt, kRed, P::Plain, 0, kNavy, kWhiteCloth, kRed, "USA"},
    {2, 1, kWhiteShirt, kRed, P::Plain, 0, kWhiteCloth, kWhiteCloth, kRed,
     "CHN, IRI, CZE, youth; second kit of KUW, ENG, ESP, CAN, CRC, TUN; the fixed kit "
     "against a blue side"},
    {3, 1, kWhiteShirt, kBlackCloth, P::ChestBand, kBlackCloth, kBlackCloth, kWhiteCloth,
     kBlackCloth, "GER"},
    {4, 2, MakeRgb(24, 72, 200), kRed, P::Plain, 0, kWhiteCloth, MakeRgb(24, 72, 200), kWhiteCloth,
     "JPN"},
    {5, 2, MakeRgb(28, 44, 156), kRed, P::Plain, 0, kWhiteCloth, kRed, kWhiteCloth,
     "FRA; the fixed kit against a white, red, yellow or orange side"},
    {6, 2, MakeRgb(40, 104, 216), kWhiteCloth, P::Plain, 0, kWhiteCloth, MakeRgb(40, 104, 216),
     kWhiteCloth, "ITA; second kit of ARG"},
    {7, 3, MakeRgb(216, 32, 32), kWhiteCloth, P::Plain, 0, kWhiteCloth, MakeRgb(216, 32, 32),
     kWhiteCloth,
     "ENG, CAN, CRC, EGY; second kit of CHN, GER, CZE, youth; the fixed kit against a "
     "green or sky-blue side"},
    {8, 3, MakeRgb(200, 24, 24), kYellow, P::Plain, 0, kNavy, kNavy, MakeRgb(200, 24, 24),
     "ESP, CHI, TUN; second kit of URU"},
    {9, 3, MakeRgb(224, 40, 40), kWhiteCloth, P::Plain, 0, MakeRgb(224, 40, 40),
     MakeRgb(224, 40, 40), kWhiteCloth, "KOR"},
    {10, 3, MakeRgb(208, 36, 36), kWhiteCloth, P::Sash, kWhiteCloth, kWhiteCloth,
     MakeRgb(208, 36, 36), kGreen, "KUW"},
    {11, 3, MakeRgb(216, 32, 32), kYellow, P::Sleeves, kGreen, kGreen, kYellow, kGreen, "CMR"},
    {12, 3, MakeRgb(168, 24, 32), kGreen, P::Plain, 0, MakeRgb(24, 112, 56), MakeRgb(168, 24, 32),
     kGreen, "POR"},
    {13, 4, MakeRgb(24, 160, 72), kWhiteCloth, P::Plain, 0, kWhiteCloth, MakeRgb(24, 160, 72),
     kWhiteCloth, "KSA"},
    {14, 4, MakeRgb(48, 176, 64), kWhiteCloth, P::Sleeves, kWhiteCloth, MakeRgb(48, 176, 64),
     MakeRgb(48, 176, 64), kWhiteCloth, "NGR"},
    {15, 4, MakeRgb(16, 120, 56), kWhiteCloth, P::Plain, 0, kWhiteCloth, kRed, kWhiteCloth,
     "MEX, RSA, MAR"},
    {16, 5, kSky, kWhiteCloth, P::Stripes, kWhiteShirt, kBlackCloth, kWhiteCloth, kSky, "ARG"},
    {17, 5, MakeRgb(96, 176, 232), kWhiteCloth, P::Plain, 0, kBlackCloth, kBlackCloth,
     MakeRgb(96, 176, 232), "URU"},
    {18, 6, kYellow, kGreen, P::Plain, 0, kBlue, kWhiteCloth, kGreen, "BRA"},
    {19, 6, MakeRgb(240, 200, 24), kGreen, P::Sash, kBlackCloth, kBlackCloth, MakeRgb(240, 200, 24),
     kGreen, "JAM"},
    {20, 7, kOrange, kWhiteCloth, P::Plain, 0, kWhiteCloth, kOrange, kWhiteCloth, "NED"},
    {21, 1, kWhiteShirt, kBlue, P::Stripes, kRed, kBlue, kBlue, kWhiteCloth, "PAR"},
    {22, 2, MakeRgb(32, 56, 176), kWhiteCloth, P::Plain, 0, MakeRgb(24, 40, 136), kWhiteCloth,
     MakeRgb(32, 56, 176), "second kit of IRI, BRA, PAR, COL, JAM, CMR, MAR"},
    {23, 1, kWhiteShirt, kBlue, P::Plain, 0, kWhiteCloth, kBlue, kWhiteCloth,
     "second kit of JPN, ITA, FRA"},
    {24, 1, kWhiteShirt, kWhiteCloth, P::Sleeves, kRed, kWhiteCloth, kRed, kWhiteCloth,
     "second kit of KOR, POR, CHI, USA, EGY"},
    {25, 1, kWhiteShirt, kGreen, P::Plain, 0, kWhiteCloth, kGreen, kWhiteCloth,
     "second kit of KSA, MEX, NGR, RSA"},
    {26, 1, kWhiteShirt, kOrange, P::Plain, 0, kOrange, kWhiteCloth, kOrange, "second kit of NED"},
    {27, 6, MakeRgb(248, 208, 40), kRed, P::Plain, 0, kNavy, kRed, MakeRgb(248, 208, 40), "COL"},
}};

// Goalkeepers by class: a shirt far from every outfield shirt of the class and readable on the
// green pitch.
const std::array<Kit, kKitClassCount> kKeeperKits = {{
    {0, 1, MakeRgb(56, 56, 64), MakeRgb(192, 192, 200), P::ChestBand, MakeRgb(192, 192, 200),
     kBlackCloth, MakeRgb(56, 56, 64), MakeRgb(192, 192, 200), "goalkeepers of white sides"},
    {0, 2, MakeRgb(240, 208, 32), kBlackCloth, P::Plain, 0, kBlackCloth, MakeRgb(240, 208, 32),
     kBlackCloth, "goalkeepers of blue sides"},
    {0, 3, MakeRgb(120, 56, 184), kWhiteCloth, P::Plain, 0, kBlackCloth, MakeRgb(120, 56, 184),
     kWhiteCloth, "goalkeepers of red sides"},
    {0, 4, MakeRgb(240, 128, 32), kBlackCloth, P::Plain, 0, kBlackCloth, MakeRgb(240, 128, 32),
     kBlackCloth, "goalkeepers of green sides"},
    {0, 5, MakeRgb(208, 40, 40), kWhiteCloth, P::Plain, 0, kBlackCloth, MakeRgb(208, 40, 40),
     kWhiteCloth, "goalkeepers of sky-blue sides"},
    {0, 6, MakeRgb(168, 168, 176), kBlackCloth, P::Plain, 0, kBlackCloth, MakeRgb(168, 168, 176),
     kBlackCloth, "goalkeepers of yellow sides"},
    {0, 7, MakeRgb(40, 72, 184), kSky, P::Plain, 0, kNavy, MakeRgb(40, 72, 184), kSky,
     "goalkeepers of orange sides"},
}};

bool InRange(double value, double low, double high) {
  return value >= low && value < high;
}

}  // namespace

const Kit& KitForCode(int kitCode) {
  if (kitCode < 1 || kitCode > kKitCodeCount) kitCode = 1;
  return kKits[std::size_t(kitCode - 1)];
}

const Kit& KeeperKit(int colourClass) {
  if (colourClass < 1 || colourClass > kKitClassCount) colourClass = 1;
  return kKeeperKits[std::size_t(colourClass - 1)];
}

Hsl ToHsl(Rgb colour) {
  const int r = int((colour >> 16) & 255);
  const int g = int((colour >> 8) & 255);
  const int b = int(colour & 255);
  const int high = std::max({r, g, b});
  const int low = std::min({r, g, b});
  Hsl hsl;
  hsl.lightness = (high + low) / 510.0;
  if (high == low) return hsl;
  const double chroma = (high - low) / 255.0;
  hsl.saturation = chroma / (1.0 - std::abs(2.0 * hsl.lightness - 1.0));
  double hue;
  if (high == r) {
    hue = double(g - b) / (high - low);
    if (hue < 0) hue += 6.0;
  } else if (high == g) {
    hue = double(b - r) / (high - low) + 2.0;
  } else {
    hue = double(r - g) / (high - low) + 4.0;
  }
  hsl.hue = hue * 60.0;
  return hsl;
}

bool InShirtFamily(Rgb colour, int family) {
  const int low = int(std::min({(colour >> 16) & 255, (colour >> 8) & 255, colour & 255}));
  if (family == 1) return low >= 216;  // white, or nearly so
  const Hsl c = ToHsl(colour);
  switch (family) {
    case 2:  // blue
      return InRange(c.hue, 205, 250) && c.saturation >= 0.45 && InRange(c.lightness, 0.2, 0.55);
    case 3:  // red
      return (c.hue >= 345 || c.hue < 12) && c.saturation >= 0.5 && InRange(c.lightness, 0.25, 0.6);
    case 4:  // green, but never the pure green of the pitch
      return InRange(c.hue, 90, 165) && InRange(c.saturation, 0.35, 0.85) &&
             InRange(c.lightness, 0.18, 0.5);
    case 5:  // sky blue
      return InRange(c.hue, 185, 215) && c.saturation >= 0.45 && InRange(c.lightness, 0.55, 0.85);
    case 6:  // yellow
      return InRange(c.hue, 44, 62) && c.saturation >= 0.7 && InRange(c.lightness, 0.45, 0.7);
    case 7:  // orange
      return InRange(c.hue, 18, 38) && c.saturation >= 0.75 && InRange(c.lightness, 0.4, 0.62);
  }
  return false;
}

int ShirtFamily(Rgb colour) {
  for (int family = 1; family <= kKitClassCount; ++family) {
    if (InShirtFamily(colour, family)) return family;
  }
  return 0;
}

}  // namespace artwork
