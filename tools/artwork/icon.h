// The program's icon for the desktop: a ball on the centre spot of a mown pitch, drawn at
// every size the desktop asks for (not scaled from one picture), smoothed by drawing four
// times larger and averaging.
#pragma once

#include <array>
#include <string>

#include "artwork/picture.h"

namespace artwork {

// The sizes installed in the desktop's icon theme (square, in pixels).
inline constexpr std::array<int, 5> kIconSizes = {32, 48, 64, 128, 256};

// The icon at `size` × `size` pixels.
Image DrawIcon(int size);

// Writes feldo-N.png for every size of kIconSizes into `folder`. False when one cannot be
// written.
bool WriteIcons(const std::string& folder);

}  // namespace artwork
