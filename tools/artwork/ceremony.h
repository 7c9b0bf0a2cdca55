// The larger single pictures of the generator, each in its own source file.
#pragma once

#include "artwork/picture.h"

namespace artwork {

// The departure screen's aeroplane, 400 × 176.
Image AeroplanePicture();
// Joy picture k (1 to 12) of the victory screen, 240 × 200: 1 to 6 the kit colour classes,
// 7 a red-and-white striped kit, 8 the Dutch orange, 9 navy, 10 and 11 two African kits,
// 12 a sky-blue-and-white striped kit.
Image JoyPicture(int k);
// The world map of the region choice, 560 × 280, the Pacific in the middle.
Image WorldMapPicture();
// The land colour of a region on the world map: 0 Asia, 1 Europe, 2 South America, 3 North
// and Central America, 4 Africa (the game's region indexes).
Rgb RegionLandColour(int region);

}  // namespace artwork
