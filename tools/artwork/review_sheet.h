// The review sheet: every generated picture at twice its size on a neutral background,
// labelled with its name; masked pictures are drawn through their masks over pitch green, as
// the game draws them.
#pragma once

#include <string>
#include <vector>

#include "artwork/picture.h"

namespace artwork {

struct SheetEntry {
  std::string label;
  const Image* image = nullptr;
  const Image* mask = nullptr;  // null for a plainly copied picture
  bool startsRow = false;       // begin a new row (a new family) with this entry
};

Image ComposeReviewSheet(const std::vector<SheetEntry>& entries);

// Writes the image as a PNG file.
bool WritePng(const std::string& path, const Image& image);

}  // namespace artwork
