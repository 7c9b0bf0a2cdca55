// The kits the players wear: the 27 kit codes of the nations, the goalkeeper kit of each kit
// colour class, the shirt colour families that the classes stand for, and the skin tones with
// the colours of the dark overlay sheets.
#pragma once

#include "artwork/picture.h"

namespace artwork {

inline constexpr int kKitCodeCount = 27;
inline constexpr int kKitClassCount = 7;

// What is laid over the shirt colour.
enum class ShirtPattern {
  Plain,     // one colour, with the trim at collar and cuffs
  Stripes,   // vertical stripes in the pattern colour, every second column of the shirt
  Sash,      // a diagonal band from the left shoulder to the right hip
  Sleeves,   // sleeves in the pattern colour
  ChestBand  // a horizontal band across the chest
};

struct Kit {
  int code = 0;         // kit code 1-27; 0 for a goalkeeper kit
  int colourClass = 0;  // the kit colour class 1-7 the kit belongs to
  Rgb shirt = 0;        // the shirt's own colour: the one the class's family judges
  Rgb trim = 0;         // collar and cuffs
  ShirtPattern pattern = ShirtPattern::Plain;
  Rgb patternColour = 0;
  Rgb shorts = 0;
  Rgb socks = 0;
  Rgb sockBand = 0;       // the turned-down top of the socks
  const char* worn = "";  // who wears it, for the documentation and the review sheet
};

// The kit of a kit code; a code outside 1-27 gives kit 1, as the sheet loader does.
const Kit& KitForCode(int kitCode);
// The goalkeeper kit of a kit colour class 1-7 (a class outside gives class 1's).
const Kit& KeeperKit(int colourClass);

// The shirt colour families of the kit colour classes: 1 white (every channel 216 or more),
// 2 blue, 3 red, 4 green, 5 sky blue, 6 yellow, 7 orange (ranges of hue, saturation and
// lightness, see kits.cpp). The families do not overlap.
bool InShirtFamily(Rgb colour, int family);
// The family a colour belongs to, 0 when none.
int ShirtFamily(Rgb colour);

// Hue in degrees [0, 360), saturation and lightness in [0, 1] (HSL).
struct Hsl {
  double hue = 0;
  double saturation = 0;
  double lightness = 0;
};
Hsl ToHsl(Rgb colour);

// Skin tones of the kit pictures and what the dark overlay sheets hold over them: drawing the
// overlay with AND turns each light tone into the matching dark one (the dark tone's bits are a
// subset of the light tone's bits, so the AND gives the dark tone exactly).
inline constexpr Rgb kSkinLight = MakeRgb(248, 200, 168);
inline constexpr Rgb kSkinLightShade = MakeRgb(216, 168, 120);
inline constexpr Rgb kSkinDark = MakeRgb(120, 72, 40);
inline constexpr Rgb kSkinDarkShade = MakeRgb(88, 40, 24);
static_assert((kSkinLight & kSkinDark) == kSkinDark);
static_assert((kSkinLightShade & kSkinDarkShade) == kSkinDarkShade);

}  // namespace artwork
