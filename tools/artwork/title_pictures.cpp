// The launcher's four pictures: a stadium at night (top left), the trophy (top right), two
// players going for the ball (bottom left), the ball in the net (bottom right). The launcher
// writes its red title over the lower part of the top two (rows 168 to 240, from x 160 to
// 512), so the pictures keep that band dark.
#include <cmath>
#include <vector>

#include "artwork/canvas.h"
#include "artwork/crowd.h"
#include "artwork/figures.h"

namespace artwork {

namespace {

constexpr Rgb kNight[] = {MakeRgb(8, 8, 32), MakeRgb(12, 16, 48), MakeRgb(20, 28, 72),
                          MakeRgb(32, 44, 104)};

void NightSky(Image* image, int bottom, std::uint32_t seed) {
  for (int y = 0; y < bottom; ++y) {
    const int band = std::min(3, y * 4 / std::max(1, bottom));
    FillRect(image, 0, y, image->width, 1, kNight[band]);
  }
  Scatter scatter(seed);
  for (int k = 0; k < image->width / 6; ++k) {
    image->Set(scatter.Below(image->width), scatter.Below(bottom), MakeRgb(200, 208, 255));
  }
}

// A floodlight tower: a lattice mast and a bank of lamps with a glow around it.
void Floodlight(Image* image, int x, int top, int bottom) {
  for (int r = 3; r >= 1; --r) {
    FillEllipse(image, x + 20, top + 10, 24.0 + r * 10, 16.0 + r * 7, kNight[std::min(3, 4 - r)]);
  }
  const Rgb steel = MakeRgb(72, 72, 96);
  DrawLine(image, x + 14, top + 20, x + 10, bottom, steel);
  DrawLine(image, x + 26, top + 20, x + 30, bottom, steel);
  for (int y = top + 24; y < bottom; y += 8) {
    DrawLine(image, x + 12, y, x + 28, y + 8, steel);
    DrawLine(image, x + 28, y, x + 12, y + 8, steel);
  }
  FillRect(image, x, top, 40, 20, MakeRgb(48, 48, 64));
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 6; ++col) {
      FillRect(image, x + 2 + col * 6 + (row % 2), top + 2 + row * 6, 5, 4,
               (row + col) % 3 == 0 ? MakeRgb(255, 255, 200) : MakeRgb(255, 240, 128));
    }
  }
}

Image Stadium() {
  Image image(410, 270);
  NightSky(&image, 70, 0x57A0u);
  Floodlight(&image, 20, 6, 70);
  Floodlight(&image, 350, 6, 70);
  // The roof of the stand and its shadowed underside.
  FillPolygon(&image, {{0, 62}, {410, 58}, {410, 70}, {0, 74}}, MakeRgb(176, 176, 192));
  FillRect(&image, 0, 72, 410, 4, MakeRgb(40, 40, 56));
  // The lit upper tier full of supporters.
  DrawStands(&image, 0, 76, 410, 90, 0x5EA7u, CrowdColours{}, false);
  // The lower tier in the shadow of the upper one: the launcher's title stands over it.
  Image lower(410, 80);
  DrawStands(&lower, 0, 0, 410, 80, 0x10E5u, CrowdColours{}, false);
  for (Rgb& c : lower.pixels) c = Shade(c, 28);
  Blit(&image, lower, 0, 166);
  FillRect(&image, 0, 165, 410, 2, MakeRgb(24, 24, 40));  // the tier's edge
  // Advertising boards, then the grass under the lights.
  const Rgb boards[] = {MakeRgb(16, 48, 168), MakeRgb(208, 24, 32), MakeRgb(240, 240, 240),
                        MakeRgb(255, 200, 0)};
  for (int i = 0; i < 6; ++i) FillRect(&image, i * 70, 246, 68, 9, boards[i % 4]);
  FillRect(&image, 0, 255, 410, 15, MakeRgb(0, 152, 0));
  for (int x = 0; x < 410; x += 60) FillRect(&image, x, 255, 30, 15, MakeRgb(0, 136, 0));
  FillRect(&image, 0, 262, 410, 1, MakeRgb(232, 240, 232));
  return image;
}

Image Trophy() {
  Image image(220, 270, MakeRgb(10, 10, 36));
  // A spotlight from above.
  FillEllipse(&image, 150, 130, 90, 140, MakeRgb(20, 20, 64));
  FillEllipse(&image, 150, 120, 62, 112, MakeRgb(32, 32, 96));
  const double cx = 146;
  const Rgb gold = MakeRgb(240, 192, 32);
  const Rgb light = MakeRgb(255, 240, 136);
  const Rgb dark = MakeRgb(168, 112, 8);
  const Rgb deep = MakeRgb(112, 72, 0);
  const Rgb base = MakeRgb(16, 96, 56);
  Image layer(220, 270, kKey);
  // Handles.
  DrawEllipse(&layer, cx - 50, 74, 17, 28, 7, dark);
  DrawEllipse(&layer, cx + 50, 74, 17, 28, 7, deep);
  // The bowl.
  FillPolygon(&layer,
              {{cx - 55, 36},
               {cx + 55, 36},
               {cx + 51, 80},
               {cx + 36, 118},
               {cx + 13, 138},
               {cx - 13, 138},
               {cx - 36, 118},
               {cx - 51, 80}},
              gold);
  FillPolygon(&layer,
              {{cx + 27, 40},
               {cx + 51, 40},
               {cx + 48, 82},
               {cx + 32, 116},
               {cx + 13, 134},
               {cx + 25, 100},
               {cx + 32, 70}},
              dark);
  FillPolygon(&layer, {{cx - 43, 42}, {cx - 30, 42}, {cx - 27, 100}, {cx - 36, 94}}, light);
  FillEllipse(&layer, cx, 36, 55, 8, light);
  FillEllipse(&layer, cx, 36, 48, 5, deep);
  // Stem, knot and foot.
  FillRect(&layer, int(cx) - 10, 138, 20, 34, gold);
  FillRect(&layer, int(cx) + 3, 138, 7, 34, dark);
  FillRect(&layer, int(cx) - 8, 138, 4, 34, light);
  FillEllipse(&layer, cx, 156, 18, 7, gold);
  FillRect(&layer, int(cx) - 30, 172, 60, 8, gold);
  FillRect(&layer, int(cx) - 30, 172, 60, 2, light);
  // The base with its band of green stone, on a plinth.
  FillRect(&layer, int(cx) - 38, 180, 76, 36, base);
  FillRect(&layer, int(cx) - 38, 180, 76, 3, MakeRgb(64, 160, 104));
  FillRect(&layer, int(cx) - 38, 196, 76, 4, gold);
  FillRect(&layer, int(cx) - 40, 216, 80, 10, gold);
  FillRect(&layer, int(cx) - 40, 224, 80, 2, dark);
  FillRect(&layer, int(cx) - 44, 226, 88, 30, MakeRgb(48, 40, 56));
  FillRect(&layer, int(cx) - 44, 226, 88, 2, MakeRgb(96, 88, 112));
  OutlineLayer(&layer, MakeRgb(56, 32, 0));
  CompositeLayer(&image, layer);
  // Sparkles on the gold.
  for (auto [x, y] : {std::pair{110, 50}, {170, 128}, {132, 160}, {190, 34}}) {
    DrawLine(&image, x - 4, y, x + 4, y, kWhite);
    DrawLine(&image, x, y - 4, x, y + 4, kWhite);
  }
  return image;
}

Image Players() {
  Image image(410, 270);
  // Daylight: sky, stands, boards, grass with mown stripes.
  FillRect(&image, 0, 0, 410, 20, MakeRgb(120, 176, 240));
  DrawStands(&image, 0, 20, 410, 56, 0xBA11u, CrowdColours{}, false);
  const Rgb boards[] = {MakeRgb(16, 48, 168), MakeRgb(208, 24, 32), MakeRgb(255, 200, 0)};
  for (int i = 0; i < 6; ++i) FillRect(&image, i * 70, 76, 68, 12, boards[i % 3]);
  FillRect(&image, 0, 88, 410, 182, MakeRgb(0, 200, 0));
  for (int x = -100; x < 410; x += 80) {
    FillPolygon(&image, {{double(x), 88}, {x + 40.0, 88}, {x + 100.0, 270}, {x + 60.0, 270}},
                MakeRgb(0, 184, 0));
  }
  Image layer(410, 270, kKey);
  // A striker in blue striking the ball, a defender in red stretching to block it.
  Pose strike;
  strike.leftArm = 70;
  strike.leftForearm = -20;
  strike.rightArm = 55;
  strike.rightForearm = 30;
  strike.leftLeg = 8;
  strike.rightLeg = 75;
  strike.rightShin = -10;
  strike.mouthOpen = true;
  DrawFootballer(&layer, 140, 252, 170, KitForCode(4), kSkinLight, kHairDark, strike);
  Pose block;
  block.leftArm = 80;
  block.rightArm = 40;
  block.leftLeg = 45;
  block.leftShin = 10;
  block.rightLeg = 10;
  DrawFootballer(&layer, 318, 236, 150, KitForCode(7), kSkinMedium, kHairDark, block);
  // The ball leaving the striker's boot.
  FillEllipse(&layer, 244, 178, 13, 13, kWhite);
  FillPolygon(&layer, {{240, 172}, {248, 172}, {250, 179}, {244, 184}, {238, 179}},
              MakeRgb(24, 24, 32));
  OutlineLayer(&layer, kInk);
  FillEllipse(&image, 140, 256, 46, 7, MakeRgb(0, 144, 0));
  FillEllipse(&image, 318, 240, 40, 6, MakeRgb(0, 144, 0));
  CompositeLayer(&image, layer);
  // Speed lines behind the ball.
  for (int k = 0; k < 4; ++k) DrawLine(&image, 200 - k * 6, 170 + k * 5, 226, 172 + k * 4, kWhite);
  return image;
}

Image BallInTheNet() {
  Image image(220, 270);
  DrawStands(&image, 0, 0, 220, 60, 0x6041u, CrowdColours{}, false);
  FillRect(&image, 0, 60, 220, 210, MakeRgb(0, 200, 0));
  // The back of the net (smaller, further away) and its mesh.
  const Rgb mesh = MakeRgb(224, 224, 232);
  const int backLeft = 40, backRight = 180, backTop = 72, backBottom = 200;
  for (int x = backLeft; x <= backRight; x += 8) DrawLine(&image, x, backTop, x, backBottom, mesh);
  for (int y = backTop; y <= backBottom; y += 8) DrawLine(&image, backLeft, y, backRight, y, mesh);
  // The side and roof netting running back from the frame.
  for (int k = 0; k <= 6; ++k) {
    DrawLine(&image, 12 + k * 0, 40 + k * 25, backLeft, backTop + k * 21, mesh);
    DrawLine(&image, 208, 40 + k * 25, backRight, backTop + k * 21, mesh);
    DrawLine(&image, 12 + k * 33, 40, backLeft + k * 23, backTop, mesh);
  }
  // The ball bulging the net in the top corner.
  Image layer(220, 270, kKey);
  FillEllipse(&layer, 150, 96, 16, 16, kWhite);
  FillPolygon(&layer, {{145, 89}, {155, 89}, {158, 98}, {150, 104}, {142, 98}},
              MakeRgb(24, 24, 32));
  // The goalkeeper, beaten, stretching from the left.
  Pose dive;
  dive.leftArm = 100;
  dive.rightArm = 150;
  dive.leftLeg = 30;
  dive.rightLeg = 12;
  DrawFootballer(&layer, 66, 262, 150, KeeperKit(2), kSkinLight, kHairDark, dive);
  OutlineLayer(&layer, kInk);
  CompositeLayer(&image, layer);
  // The frame: posts and crossbar.
  FillRect(&image, 6, 34, 208, 8, kWhite);
  FillRect(&image, 6, 34, 8, 236, kWhite);
  FillRect(&image, 206, 34, 8, 236, kWhite);
  FillRect(&image, 6, 40, 208, 2, MakeRgb(176, 176, 192));
  FillRect(&image, 12, 40, 2, 230, MakeRgb(176, 176, 192));
  FillRect(&image, 212, 40, 2, 230, MakeRgb(176, 176, 192));
  return image;
}

}  // namespace

std::vector<Image> DrawTitlePictures() {
  return {Stadium(), Trophy(), Players(), BallInTheNet()};
}

}  // namespace artwork
