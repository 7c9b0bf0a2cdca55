// Encoding the generated pictures for the game: packed device-independent bitmaps (40-byte
// header, colour table, bottom-up rows padded to 4 bytes) and the archive that holds them.
#pragma once

#include <cstdint>
#include <vector>

#include "artwork/picture.h"

namespace artwork {

using Bytes = std::vector<std::uint8_t>;

// Storage::Mask: 1 bit per pixel, colour table black then white, a set bit is white.
// Storage::Colour: 4 bits when the picture uses at most 16 colours, 8 bits for at most 256,
// 24 bits otherwise; the colour table holds exactly the colours used, in ascending RGB order,
// and the header's colours-used field gives their number.
Bytes EncodeDib(const Image& image, Storage storage);

// The archive: a big-endian 2-byte count, a big-endian 4-byte size per entry, then the
// entries one after another.
Bytes EncodeArchive(const std::vector<Bytes>& entries);

}  // namespace artwork
