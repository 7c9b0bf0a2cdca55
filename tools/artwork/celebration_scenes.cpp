// The aeroplane of the departure screen and the joy pictures of the victory screen.
#include <cmath>

#include "artwork/canvas.h"
#include "artwork/ceremony.h"
#include "artwork/crowd.h"
#include "artwork/figures.h"

namespace artwork {

namespace {

// Horizontal bands of a few colours, with a checkered row between neighbours (the period's
// way of shading a sky without blending).
void BandedSky(Image* image, int top, int bottom, const std::vector<Rgb>& bands) {
  const int n = int(bands.size());
  const int height = bottom - top;
  for (int y = top; y < bottom; ++y) {
    const double t = double(y - top) / height * n;
    int band = std::min(n - 1, int(t));
    const double within = t - band;
    for (int x = 0; x < image->width; ++x) {
      Rgb c = bands[std::size_t(band)];
      if (within > 0.8 && band + 1 < n && (x + y) % 2 == 0) c = bands[std::size_t(band + 1)];
      image->Set(x, y, c);
    }
  }
}

void Cloud(Image* image, double x, double y, double size) {
  const Rgb shade = MakeRgb(200, 216, 240);
  const Rgb white = MakeRgb(252, 252, 252);
  const double puffs[][3] = {
      {0, 0.35, 0.5}, {0.55, 0.1, 0.55}, {1.15, 0.3, 0.45}, {-0.5, 0.55, 0.35}, {1.6, 0.55, 0.35}};
  for (const auto& p : puffs) {
    FillEllipse(image, x + p[0] * size, y + p[1] * size + 0.08 * size, p[2] * size,
                p[2] * size * 0.7, shade);
  }
  for (const auto& p : puffs) {
    FillEllipse(image, x + p[0] * size, y + p[1] * size, p[2] * size * 0.92, p[2] * size * 0.62,
                white);
  }
  FillRect(image, int(x - 0.85 * size), int(y + 0.62 * size), int(2.8 * size), int(0.12 * size),
           shade);
}

// A small golden cup standing on (x, bottom), as a player holds it up.
void RaisedCup(Image* layer, double x, double bottom) {
  const Rgb gold = MakeRgb(248, 200, 32), light = MakeRgb(255, 240, 144),
            dark = MakeRgb(184, 128, 8);
  DrawEllipse(layer, x - 11, bottom - 24, 5, 6, 2, dark);
  DrawEllipse(layer, x + 11, bottom - 24, 5, 6, 2, dark);
  FillPolygon(layer,
              {{x - 12, bottom - 32},
               {x + 12, bottom - 32},
               {x + 9, bottom - 20},
               {x + 3, bottom - 14},
               {x - 3, bottom - 14},
               {x - 9, bottom - 20}},
              gold);
  FillRect(layer, int(x) - 11, int(bottom) - 32, 22, 2, light);
  FillRect(layer, int(x) - 8, int(bottom) - 29, 3, 8, light);
  FillRect(layer, int(x) - 2, int(bottom) - 14, 4, 6, gold);
  FillRect(layer, int(x) - 7, int(bottom) - 8, 14, 3, MakeRgb(24, 96, 56));
  FillRect(layer, int(x) - 8, int(bottom) - 5, 16, 3, gold);
}

}  // namespace

Image AeroplanePicture() {
  Image image(400, 176);
  BandedSky(&image, 0, 176,
            {MakeRgb(40, 88, 200), MakeRgb(64, 120, 224), MakeRgb(96, 152, 240),
             MakeRgb(136, 184, 248), MakeRgb(184, 216, 252)});
  // The sun with its rings.
  FillEllipse(&image, 372, 24, 22, 22, MakeRgb(255, 240, 168));
  FillEllipse(&image, 372, 24, 16, 16, MakeRgb(255, 252, 224));
  Cloud(&image, 40, 120, 30);
  Cloud(&image, 300, 132, 24);
  Cloud(&image, 190, 150, 18);
  Cloud(&image, 90, 30, 14);

  // The airliner climbing to the right: fuselage along a line rising at about 12 degrees.
  Image layer(400, 176, kKey);
  const double angle = -12.0 * 3.14159265358979323846 / 180;
  const double ca = std::cos(angle), sa = std::sin(angle);
  const double ox = 210, oy = 92;      // middle of the fuselage
  auto at = [&](double u, double v) {  // u along the fuselage (nose +), v down
    return PointF{ox + u * ca - v * sa, oy + u * sa + v * ca};
  };
  const Rgb body = MakeRgb(248, 248, 248);
  const Rgb belly = MakeRgb(200, 204, 216);
  const Rgb red = MakeRgb(216, 24, 40);
  const Rgb blue = MakeRgb(24, 48, 152);
  const Rgb wing = MakeRgb(176, 184, 200);
  const Rgb wingDark = MakeRgb(120, 128, 152);
  const Rgb window = MakeRgb(40, 56, 96);
  // Far wing (behind the body) and far tailplane.
  FillPolygon(&layer, {at(10, -6), at(-30, -46), at(-44, -46), at(-18, -6)}, wingDark);
  FillPolygon(&layer, {at(-118, -6), at(-140, -26), at(-150, -26), at(-136, -6)}, wingDark);
  // Fuselage: a long capsule with a rounded nose.
  FillPolygon(&layer,
              {at(110, -10), at(-130, -12), at(-150, -4), at(-150, 6), at(-120, 12), at(110, 12)},
              body);
  FillEllipse(&layer, at(110, 1).x, at(110, 1).y, 22, 11, body);
  FillPolygon(&layer, {at(120, 4), at(-120, 6), at(-140, 7), at(-126, 12), at(110, 12)}, belly);
  // Cheat lines and the cockpit.
  FillPolygon(&layer, {at(124, 1), at(-146, 0), at(-146, 3), at(124, 4)}, red);
  FillPolygon(&layer, {at(124, 4), at(-146, 3), at(-146, 5), at(124, 6)}, blue);
  FillPolygon(&layer, {at(122, -6), at(131, -3), at(127, -1), at(118, -3)}, window);
  for (int k = 0; k < 22; ++k) {
    const PointF p = at(100 - k * 10.5, -5);
    FillRect(&layer, int(std::lround(p.x)), int(std::lround(p.y)), 3, 2, window);
  }
  // Tail fin with our own emblem: a football on a red disc.
  FillPolygon(&layer, {at(-96, -10), at(-150, -52), at(-164, -52), at(-150, -8)}, body);
  const PointF emblem = at(-140, -28);
  FillEllipse(&layer, emblem.x, emblem.y, 8, 8, red);
  FillEllipse(&layer, emblem.x, emblem.y, 4.5, 4.5, kWhite);
  FillRect(&layer, int(emblem.x) - 1, int(emblem.y) - 1, 2, 2, kInk);
  // Near wing, swept back, with two engines slung under it, and the near tailplane.
  FillPolygon(&layer, {at(20, 6), at(-30, 58), at(-46, 58), at(-14, 6)}, wing);
  FillPolygon(&layer, {at(-2, 6), at(-38, 50), at(-44, 50)}, wingDark);
  for (double k : {0.0, 1.0}) {
    const double u = 2 - 20 * k, v = 24 + 18 * k;  // ahead of the wing's leading edge
    FillPolygon(&layer, {at(u + 12, v - 4), at(u - 8, v - 4), at(u - 10, v + 4), at(u + 12, v + 4)},
                MakeRgb(224, 228, 240));
    FillPolygon(&layer,
                {at(u + 12, v - 4), at(u + 14, v - 4), at(u + 14, v + 4), at(u + 12, v + 4)},
                MakeRgb(56, 56, 72));
  }
  FillPolygon(&layer, {at(-120, 8), at(-146, 30), at(-156, 30), at(-140, 8)}, wing);
  OutlineLayer(&layer, MakeRgb(48, 56, 88));
  CompositeLayer(&image, layer);
  // Two vapour trails behind the engines.
  for (double k : {0.0, 1.0}) {
    for (int x = 0; x < 90; ++x) {
      const PointF p = at(-14 - 20 * k - x, 24 + 18 * k);
      if (x % 9 < 6) image.Set(int(p.x), int(p.y), MakeRgb(236, 244, 255));
    }
  }
  return image;
}

Image JoyPicture(int k) {
  // The kit of each joy picture and whether its players have dark skin: 1 to 6 the classes
  // (white, blue, red, green, sky blue, yellow), 7 the red-and-white stripes, 8 the orange,
  // 9 navy, 10 red with green sleeves, 11 green with white sleeves, 12 the sky-blue-and-white
  // stripes.
  constexpr int kKitCodes[13] = {0, 1, 4, 7, 15, 17, 18, 21, 20, 22, 11, 14, 16};
  const int code = (k >= 1 && k <= 12) ? kKitCodes[k] : 1;
  const Kit& kit = KitForCode(code);
  const bool dark = k == 10 || k == 11;
  const Rgb skins[3] = {dark ? kSkinDark : kSkinLight, dark ? kSkinDarkShade : kSkinMedium,
                        dark ? kSkinDark : (k == 6 ? kSkinMedium : kSkinLight)};
  const Rgb fairHair = (k == 8 || k == 12) ? kHairFair : kHairDark;

  Image image(240, 200);
  // The stands behind, the advertising wall, the grass.
  DrawStands(
      &image, 0, 0, 240, 84, 0x70Bu + std::uint32_t(k),
      CrowdColours{{kit.shirt, kit.pattern == ShirtPattern::Plain ? kit.shorts : kit.patternColour},
                   55},
      false);
  FillRect(&image, 0, 84, 240, 14, MakeRgb(64, 88, 144));
  FillRect(&image, 0, 84, 240, 2, MakeRgb(216, 216, 224));
  FillRect(&image, 0, 98, 240, 102, MakeRgb(0, 200, 0));
  for (int x = 0; x < 240; x += 48) FillRect(&image, x, 98, 24, 102, MakeRgb(0, 184, 0));

  // Three players celebrating: one leaping in the middle, two cheering at the sides.
  Image layer(240, 200, kKey);
  Pose leftPose;
  leftPose.leftArm = 150;
  leftPose.leftForearm = 15;
  leftPose.rightArm = 100;
  leftPose.rightForearm = 60;
  leftPose.leftLeg = 10;
  leftPose.rightLeg = 14;
  leftPose.mouthOpen = true;
  DrawFootballer(&layer, 52, 192, 118, kit, skins[0], kHairDark, leftPose);
  Pose rightPose;
  rightPose.leftArm = 120;
  rightPose.leftForearm = 50;
  rightPose.rightArm = 160;
  rightPose.rightForearm = 5;
  rightPose.leftLeg = 12;
  rightPose.rightLeg = 8;
  rightPose.mouthOpen = true;
  DrawFootballer(&layer, 190, 194, 120, kit, skins[2], fairHair, rightPose);
  // The middle one leaps with the cup held high.
  Pose leap;
  leap.leftArm = 160;
  leap.leftForearm = 55;
  leap.rightArm = 160;
  leap.rightForearm = 55;
  leap.leftLeg = 24;
  leap.rightLeg = 24;
  leap.leftShin = -8;
  leap.rightShin = -8;
  leap.mouthOpen = true;
  DrawFootballer(&layer, 121, 168, 124, kit, skins[1], kHairDark, leap);
  RaisedCup(&layer, 121, 39);
  OutlineLayer(&layer, kInk);
  // The leaping player's shadow on the grass.
  FillEllipse(&image, 121, 188, 26, 5, MakeRgb(0, 136, 0));
  CompositeLayer(&image, layer);

  // Confetti over the scene.
  Scatter scatter(0xC0F1u + std::uint32_t(k));
  const Rgb paper[] = {kWhite, MakeRgb(255, 232, 64), MakeRgb(248, 64, 96), MakeRgb(96, 176, 255)};
  for (int i = 0; i < 60; ++i) {
    const int x = scatter.Below(240), y = scatter.Below(110);
    const Rgb c = paper[scatter.Below(4)];
    if (scatter.Below(2)) {
      FillRect(&image, x, y, 2, 1, c);
    } else {
      FillRect(&image, x, y, 1, 2, c);
    }
  }
  return image;
}

}  // namespace artwork
