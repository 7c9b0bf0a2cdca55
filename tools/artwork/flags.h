// The 31 nations' flags, simplified and drawn by our own code: each flag is a function of the
// point on its cloth, so it can be drawn crisply at any size, flat or waving.
#pragma once

#include "artwork/picture.h"

namespace artwork {

inline constexpr int kNationCount = 31;

// The flag's colour at a point of its cloth: x from 0 to `aspect` (width / height), y from 0
// to 1, both from the top-left corner of the hoist.
Rgb FlagColourAt(int nation, double x, double y, double aspect);

// The flag drawn flat into a width × height picture. Each pixel takes the colour that covers
// most of it, so edges stay crisp and no colours are blended.
Image FlatFlag(int nation, int width, int height);

// The flag's cloth waving in the wind, hoisted at its left edge: `phase` moves the waves along.
// Pixels outside the cloth hold `background`. The cloth is `clothHeight` rows high when flat
// and its top edge starts at row `top`.
Image WavingFlag(int nation, int width, int height, int top, int clothHeight, double phase,
                 Rgb background);

// The nation's main colour and second colour (for banners, scarves and trims).
Rgb NationMainColour(int nation);
Rgb NationSecondColour(int nation);

}  // namespace artwork
