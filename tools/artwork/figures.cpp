// Posed footballers built from crisp shapes.
#include "artwork/figures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "artwork/canvas.h"

namespace artwork {

namespace {

constexpr double kDegrees = 3.14159265358979323846 / 180.0;

// The pixels whose centres lie within `radius` of the segment from a to b.
void FillCapsule(Image* image, double ax, double ay, double bx, double by, double radius,
                 Rgb colour) {
  const int x0 = int(std::floor(std::min(ax, bx) - radius)) - 1;
  const int x1 = int(std::ceil(std::max(ax, bx) + radius)) + 1;
  const int y0 = int(std::floor(std::min(ay, by) - radius)) - 1;
  const int y1 = int(std::ceil(std::max(ay, by) + radius)) + 1;
  const double dx = bx - ax, dy = by - ay, length2 = dx * dx + dy * dy;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      double t = length2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / length2 : 0;
      t = std::clamp(t, 0.0, 1.0);
      const double ex = ax + t * dx - px, ey = ay + t * dy - py;
      if (ex * ex + ey * ey <= radius * radius) image->Set(x, y, colour);
    }
  }
}

struct Limb {
  double jointX, jointY, endX, endY;
};

// A limb of two segments hanging from (x, y): `angle` from straight down, positive towards
// `side` (-1 left, +1 right); the second segment bends by `bend` more.
Limb PoseLimb(double x, double y, double upper, double lower, double angle, double bend, int side) {
  const double a = angle * kDegrees, b = (angle + bend) * kDegrees;
  Limb limb;
  limb.jointX = x + side * upper * std::sin(a);
  limb.jointY = y + upper * std::cos(a);
  limb.endX = limb.jointX + side * lower * std::sin(b);
  limb.endY = limb.jointY + lower * std::cos(b);
  return limb;
}

}  // namespace

int ClassKitCode(int colourClass) {
  // White (USA), blue (Japan), red, green, plain sky blue (Uruguay), yellow (Brazil), orange.
  constexpr int kCodes[8] = {1, 1, 4, 7, 13, 17, 18, 20};
  return (colourClass >= 1 && colourClass <= 7) ? kCodes[colourClass] : 1;
}

void DrawFootballer(Image* layer, double x, double y, double height, const Kit& kit, Rgb skin,
                    Rgb hair, const Pose& pose) {
  const double h = height;
  const double top = y - h;
  const double hipY = top + 0.55 * h;
  const double limb = 0.045 * h;  // half the thickness of a leg
  const Rgb boot = MakeRgb(24, 24, 24);

  // Legs: skin, socks over the lower leg, boots.
  for (int side : {-1, 1}) {
    const double hipX = x + side * 0.055 * h;
    const Limb leg =
        PoseLimb(hipX, hipY, 0.21 * h, 0.21 * h, side < 0 ? pose.leftLeg : pose.rightLeg,
                 side < 0 ? pose.leftShin : pose.rightShin, side);
    FillCapsule(layer, hipX, hipY, leg.jointX, leg.jointY, limb, skin);
    FillCapsule(layer, leg.jointX, leg.jointY, leg.endX, leg.endY, limb * 0.9, skin);
    const double sockX = leg.jointX + (leg.endX - leg.jointX) * 0.3;
    const double sockY = leg.jointY + (leg.endY - leg.jointY) * 0.3;
    FillCapsule(layer, sockX, sockY, leg.endX, leg.endY, limb, kit.socks);
    const double bandX = sockX + (leg.endX - sockX) * 0.12,
                 bandY = sockY + (leg.endY - sockY) * 0.12;
    FillCapsule(layer, sockX, sockY, bandX, bandY, limb, kit.sockBand);
    FillEllipse(layer, leg.endX + side * 0.02 * h, leg.endY + 0.01 * h, 0.05 * h, 0.028 * h, boot);
  }
  // Shorts.
  FillPolygon(layer,
              {{x - 0.12 * h, hipY - 0.08 * h},
               {x + 0.12 * h, hipY - 0.08 * h},
               {x + 0.135 * h, hipY + 0.07 * h},
               {x + 0.01 * h, hipY + 0.07 * h},
               {x, hipY + 0.03 * h},
               {x - 0.01 * h, hipY + 0.07 * h},
               {x - 0.135 * h, hipY + 0.07 * h}},
              kit.shorts);
  // Shirt, with the kit's pattern.
  const double torsoTop = top + 0.18 * h, waistY = hipY - 0.05 * h;
  const std::vector<PointF> torso = {{x - 0.15 * h, torsoTop},
                                     {x + 0.15 * h, torsoTop},
                                     {x + 0.12 * h, waistY},
                                     {x - 0.12 * h, waistY}};
  Image shirt(layer->width, layer->height, kKey);
  FillPolygon(&shirt, torso, kit.shirt);
  for (int py = 0; py < shirt.height; ++py) {
    for (int px = 0; px < shirt.width; ++px) {
      if (shirt.Get(px, py) == kKey) continue;
      const double u = (px + 0.5 - x) / (0.3 * h);                   // -0.5 to 0.5 across
      const double v = (py + 0.5 - torsoTop) / (waistY - torsoTop);  // 0 to 1 down
      Rgb c = kit.shirt;
      switch (kit.pattern) {
        case ShirtPattern::Stripes:
          if (int(std::floor(u * 6 + 0.5 + 12)) % 2 == 0) c = kit.patternColour;
          break;
        case ShirtPattern::Sash:
          if (std::abs((u + 0.5) - v * 0.9 - 0.05) < 0.13) c = kit.patternColour;
          break;
        case ShirtPattern::ChestBand:
          if (v > 0.22 && v < 0.42) c = kit.patternColour;
          break;
        default:
          break;
      }
      layer->Set(px, py, c);
    }
  }
  const Rgb sleeve = kit.pattern == ShirtPattern::Sleeves ? kit.patternColour : kit.shirt;
  // Collar.
  FillPolygon(
      layer,
      {{x - 0.05 * h, top + 0.175 * h}, {x + 0.05 * h, top + 0.175 * h}, {x, top + 0.23 * h}},
      kit.trim);
  // Arms: sleeve, skin, hand.
  for (int side : {-1, 1}) {
    const double shoulderX = x + side * 0.14 * h, shoulderY = top + 0.21 * h;
    const Limb arm =
        PoseLimb(shoulderX, shoulderY, 0.15 * h, 0.14 * h, side < 0 ? pose.leftArm : pose.rightArm,
                 side < 0 ? pose.leftForearm : pose.rightForearm, side);
    FillCapsule(layer, shoulderX, shoulderY, arm.jointX, arm.jointY, 0.036 * h, skin);
    FillCapsule(layer, arm.jointX, arm.jointY, arm.endX, arm.endY, 0.032 * h, skin);
    const double cuffX = shoulderX + (arm.jointX - shoulderX) * 0.6;
    const double cuffY = shoulderY + (arm.jointY - shoulderY) * 0.6;
    FillCapsule(layer, shoulderX, shoulderY, cuffX, cuffY, 0.045 * h, kit.trim);
    const double sleeveX = shoulderX + (cuffX - shoulderX) * 0.8;
    const double sleeveY = shoulderY + (cuffY - shoulderY) * 0.8;
    FillCapsule(layer, shoulderX, shoulderY, sleeveX, sleeveY, 0.045 * h, sleeve);
    FillEllipse(layer, arm.endX, arm.endY, 0.035 * h, 0.035 * h, skin);
  }
  // Head: neck, face, hair, eyes, mouth.
  FillRect(layer, int(std::lround(x - 0.03 * h)), int(std::lround(top + 0.13 * h)),
           int(std::lround(0.06 * h)), int(std::lround(0.06 * h)), skin);
  const double headY = top + 0.085 * h;
  FillEllipse(layer, x, headY, 0.065 * h, 0.08 * h, skin);
  FillEllipse(layer, x, headY - 0.035 * h, 0.07 * h, 0.05 * h, hair);
  const double eyeY = headY + 0.005 * h;
  const int eye = std::max(1, int(0.015 * h));
  FillRect(layer, int(std::lround(x - 0.03 * h)), int(std::lround(eyeY)), eye, eye, kInk);
  FillRect(layer, int(std::lround(x + 0.03 * h)) - eye + 1, int(std::lround(eyeY)), eye, eye, kInk);
  if (pose.mouthOpen) {
    FillEllipse(layer, x, headY + 0.045 * h, 0.02 * h, 0.017 * h, MakeRgb(120, 16, 24));
  }
}

void OutlineLayer(Image* layer, Rgb ink) {
  Image copy = *layer;
  for (int y = 0; y < layer->height; ++y) {
    for (int x = 0; x < layer->width; ++x) {
      if (copy.Get(x, y) != kKey) continue;
      const bool edge = (copy.Inside(x - 1, y) && copy.Get(x - 1, y) != kKey) ||
                        (copy.Inside(x + 1, y) && copy.Get(x + 1, y) != kKey) ||
                        (copy.Inside(x, y - 1) && copy.Get(x, y - 1) != kKey) ||
                        (copy.Inside(x, y + 1) && copy.Get(x, y + 1) != kKey);
      if (edge) layer->Set(x, y, ink);
    }
  }
}

void CompositeLayer(Image* target, const Image& layer) {
  BlitKeyed(target, layer, 0, 0);
}

}  // namespace artwork
