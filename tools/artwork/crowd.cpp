// Spectators and the stadium wall.
#include "artwork/crowd.h"

#include "artwork/canvas.h"

namespace artwork {

namespace {

constexpr Rgb kStand = MakeRgb(56, 56, 72);
constexpr Rgb kStandStep = MakeRgb(72, 72, 92);
constexpr Rgb kSkins[] = {MakeRgb(248, 200, 152), MakeRgb(224, 168, 120), MakeRgb(160, 104, 64)};
constexpr Rgb kHairs[] = {MakeRgb(32, 24, 16), MakeRgb(96, 56, 24), MakeRgb(200, 160, 72)};
constexpr Rgb kMixedShirts[] = {
    MakeRgb(240, 240, 240), MakeRgb(216, 40, 40),   MakeRgb(40, 88, 200), MakeRgb(248, 208, 40),
    MakeRgb(32, 152, 72),   MakeRgb(120, 120, 136), MakeRgb(152, 96, 56), MakeRgb(232, 128, 176)};

}  // namespace

void DrawStands(Image* image, int left, int top, int width, int height, std::uint32_t seed,
                const CrowdColours& colours, bool wrap) {
  Scatter scatter(seed);
  FillRect(image, left, top, width, height, kStand);
  for (int y = top + 6; y < top + height; y += 7) FillRect(image, left, y, width, 1, kStandStep);
  auto put = [&](int x, int y, Rgb c) {
    if (y < top || y >= top + height) return;
    int dx = x - left;
    if (wrap) {
      dx = ((dx % width) + width) % width;
    } else if (dx < 0 || dx >= width) {
      return;
    }
    image->Set(left + dx, y, c);
  };
  auto rect = [&](int x, int y, int w, int h, Rgb c) {
    for (int j = 0; j < h; ++j) {
      for (int i = 0; i < w; ++i) put(x + i, y + j, c);
    }
  };
  // Rows from the back (top) to the front, each spectator a head of 3 × 3 over a body of 5 × 4.
  int row = 0;
  for (int headY = top + 1; headY < top + height; headY += 7, ++row) {
    const int count = width / 5;
    for (int k = 0; k < count; ++k) {
      const int x = left + k * 5 + ((row % 2) ? 2 : 0) + scatter.Below(2);
      const int y = headY + scatter.Below(2);
      const Rgb skin = kSkins[scatter.Below(10) < 7 ? 0 : (scatter.Below(2) ? 1 : 2)];
      const Rgb hair = kHairs[scatter.Below(10) < 7 ? 0 : 1 + scatter.Below(2)];
      const bool fan = !colours.team.empty() && scatter.Below(100) < colours.teamShare;
      const Rgb shirt = fan ? colours.team[std::size_t(scatter.Below(int(colours.team.size())))]
                            : kMixedShirts[scatter.Below(8)];
      const int gesture = scatter.Below(10);
      rect(x, y + 3, 5, 4, shirt);
      rect(x + 1, y, 3, 1, hair);
      rect(x + 1, y + 1, 3, 2, skin);
      if (gesture == 0) {  // both arms up
        put(x, y + 1, skin);
        put(x, y + 2, shirt);
        put(x + 4, y + 1, skin);
        put(x + 4, y + 2, shirt);
      } else if (gesture == 1 && fan && colours.team.size() > 1) {  // a scarf held up
        rect(x, y - 1, 5, 1, colours.team[0]);
        rect(x, y - 2, 5, 1, colours.team[1]);
        put(x, y, skin);
        put(x + 4, y, skin);
      } else if (gesture == 2) {  // one arm waving
        put(x + 4, y, skin);
        put(x + 4, y + 1, shirt);
        put(x + 4, y + 2, shirt);
      }
    }
  }
}

Image WallStrip() {
  Image wall(kCrowdTileWidth, kWallHeight, MakeRgb(64, 88, 144));
  FillRect(&wall, 0, 0, kCrowdTileWidth, 1, MakeRgb(216, 216, 224));
  FillRect(&wall, 0, 1, kCrowdTileWidth, 1, MakeRgb(168, 168, 184));
  FillRect(&wall, 0, 2, kCrowdTileWidth, 1, MakeRgb(40, 56, 96));
  for (int x : {0, 50}) FillRect(&wall, x, 3, 1, 7, MakeRgb(40, 56, 96));
  for (int x : {1, 51}) FillRect(&wall, x, 3, 1, 7, MakeRgb(96, 120, 176));
  FillRect(&wall, 0, 10, kCrowdTileWidth, 1, MakeRgb(40, 56, 96));
  FillRect(&wall, 0, 11, kCrowdTileWidth, 1, MakeRgb(0, 120, 0));  // its shadow on the grass
  return wall;
}

Image CrowdTile(std::uint32_t seed, const CrowdColours& colours) {
  Image tile(kCrowdTileWidth, kCrowdTileHeight);
  DrawStands(&tile, 0, 0, kCrowdTileWidth, kStandsHeight, seed, colours, true);
  Blit(&tile, WallStrip(), 0, kStandsHeight);
  return tile;
}

}  // namespace artwork
