// Footballers and supporters for the larger pictures (the joy pictures, the launcher's
// pictures): a figure built from a few crisp shapes, posed by its limbs, outlined in dark ink.
#pragma once

#include "artwork/kits.h"
#include "artwork/picture.h"

namespace artwork {

// A kit code that stands for a kit colour class 1 to 7 (its most typical kit): the crowd,
// UFO and joy pictures of the class use its colours.
int ClassKitCode(int colourClass);

inline constexpr Rgb kSkinMedium = MakeRgb(216, 152, 104);
inline constexpr Rgb kHairDark = MakeRgb(40, 24, 16);
inline constexpr Rgb kHairFair = MakeRgb(200, 152, 64);
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
