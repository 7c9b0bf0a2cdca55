// The families of pictures: the size each picture must have (fixed by where the game draws
// it; the reasoning is in docs/artwork.md) and the mask each masked picture is drawn through.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace artwork {

struct PictureSize {
  int width = 0;
  int height = 0;
  bool operator==(const PictureSize&) const = default;
};

// Sizes of the pitch, ceremony and map pictures, by directory name. The player sheets, their
// masks and overlays are not covered here (nullopt), nor are names outside the directory.
std::optional<PictureSize> ExpectedPictureSize(std::string_view name);

// The launcher's four pictures, by their position in ODAT.DAT (0 to 3).
PictureSize TitlePictureSize(int position);

// The mask a picture is drawn through (AND with the mask, then OR with the picture), or an
// empty string for a picture that is copied plainly. Covers every masked picture of the
// directory, the player sheets included: "PLYC_7.BMP" and "PLY2C_3.BMP" → "PLYC_1X.BMP",
// "PLYK_2.BMP" → "PLYK_1X.BMP", "HD_5.BMP" → "HD_1X.BMP", "RUN1_9.BMP" → "RUN1_1X.BMP",
// "MF_BRA.BMP" → "MF_X.BMP", "FBUKI2.BMP" → "FBUKI2X.BMP".
std::string MaskNameOf(std::string_view picture);

// True for the names that are masks themselves (stored with one bit per pixel).
bool IsMaskName(std::string_view name);

}  // namespace artwork
