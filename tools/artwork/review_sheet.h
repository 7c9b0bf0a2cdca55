// The review sheet: every generated picture at twice its size on a neutral background,
// labelled with its name. The pictures are drawn from their archive bytes by the platform's
// own picture calls, as the game draws them: masked pictures through their masks over pitch
// green, the others copied.
#pragma once

#include <string>
#include <vector>

#include "artwork/picture.h"

namespace artwork {

struct SheetEntry {
  std::string label;
  const Artwork* picture = nullptr;
  const Artwork* mask = nullptr;  // null for a plainly copied picture
  bool startsRow = false;         // begin a new row (a new family) with this entry
};

// Composes the sheet and writes it as a PNG file. False when it cannot be made or written.
bool WriteReviewSheet(const std::string& path, const std::vector<SheetEntry>& entries);

// Writes the image as a PNG file.
bool WritePng(const std::string& path, const Image& image);

}  // namespace artwork
