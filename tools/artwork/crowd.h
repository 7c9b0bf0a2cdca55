// The crowd in the stands above the pitch and the wall in front of it. Crowd tiles are 100
// pixels wide and repeat without a seam; their bottom 12 rows are the wall strip itself, so
// that redrawing the wall over a tile changes nothing.
#pragma once

#include <cstdint>
#include <vector>

#include "artwork/picture.h"

namespace artwork {

inline constexpr int kCrowdTileWidth = 100;
inline constexpr int kCrowdTileHeight = 42;
inline constexpr int kWallHeight = 12;
inline constexpr int kStandsHeight = kCrowdTileHeight - kWallHeight;

struct CrowdColours {
  std::vector<Rgb> team;  // shirts and scarves of the home supporters
  int teamShare = 0;      // percent of the supporters who wear the team's colours
};

// Spectators in rows over the stands, filling the rectangle; with `wrap` the figures that
// cross the right edge continue at the left edge.
void DrawStands(Image* image, int left, int top, int width, int height, std::uint32_t seed,
                const CrowdColours& colours, bool wrap);

Image WallStrip();
Image CrowdTile(std::uint32_t seed, const CrowdColours& colours);

}  // namespace artwork
