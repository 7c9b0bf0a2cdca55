// Footballers and supporters for the larger pictures (the joy pictures, the launcher's
// pictures): a figure built from a few crisp shapes, posed by its limbs, outlined in dark ink.
#pragma once

#include "artwork/picture.h"

namespace artwork {

struct Kit {
  Rgb shirt = kWhite;
  Rgb stripe = kWhite;  // vertical stripes when different from the shirt
  Rgb trim = kBlack;    // collar and cuffs
  Rgb shorts = kBlack;
  Rgb socks = kWhite;
};

// The kit family of a kit colour class 1 to 7 (1 white, 2 blue, 3 red, 4 green, 5 sky blue,
// 6 yellow, 7 orange); any other class gives the white family.
Kit ClassKit(int colourClass);

inline constexpr Rgb kSkinLight = MakeRgb(248, 192, 144);
inline constexpr Rgb kSkinDark = MakeRgb(128, 72, 40);
inline constexpr Rgb kHairDark = MakeRgb(40, 24, 16);
inline constexpr Rgb kInk = MakeRgb(24, 16, 16);

struct Pose {
  // Angles in degrees measured from straight down, positive away from the body's middle.
  double leftArm = 20;
  double rightArm = 20;
  double leftForearm = 0;  // extra bend at the elbow, same sense
  double rightForearm = 0;
  double leftLeg = 6;
  double rightLeg = 6;
  double leftShin = 0;  // extra bend at the knee
  double rightShin = 0;
  bool mouthOpen = false;
};

// Draws a footballer facing the viewer onto `layer` (which should be filled with kKey), feet
// at (x, y), `height` pixels tall. Call OutlineLayer afterwards for the dark outline.
void DrawFootballer(Image* layer, double x, double y, double height, const Kit& kit, Rgb skin,
                    Rgb hair, const Pose& pose);

// Gives every opaque region of a keyed layer a one-pixel outline of `ink` (on the transparent
// pixels next to it), then copies the layer onto `target`.
void OutlineLayer(Image* layer, Rgb ink);
void CompositeLayer(Image* target, const Image& layer);

}  // namespace artwork
