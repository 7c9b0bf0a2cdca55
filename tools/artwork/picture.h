// The artwork generator's pictures: plain RGB images drawn by our own code, collected by
// their directory names and encoded as packed device-independent bitmaps for the archive.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace artwork {

using Rgb = std::uint32_t;  // 0x00RRGGBB
constexpr Rgb MakeRgb(int r, int g, int b) {
  return (Rgb(r & 255) << 16) | (Rgb(g & 255) << 8) | Rgb(b & 255);
}
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kWhite = 0xFFFFFF;

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // rows from the top

  Image() = default;
  Image(int w, int h, Rgb fill = kBlack) : width(w), height(h), pixels(std::size_t(w * h), fill) {}
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  Rgb Get(int x, int y) const { return Inside(x, y) ? pixels[std::size_t(y * width + x)] : kBlack; }
  void Set(int x, int y, Rgb c) {
    if (Inside(x, y)) pixels[std::size_t(y * width + x)] = c;
  }
};

// How a picture is stored in the archive.
enum class Storage {
  Colour,  // 1, 4 or 8 bits per pixel with a colour table, by the number of colours used;
           // 24 bits when more than 256 colours are used
  Mask,    // 1 bit per pixel: black where the picture is drawn, white where it is transparent
};

struct Artwork {
  Image image;
  Storage storage = Storage::Colour;
};

// Pictures by their directory name ("PLYA_3.BMP", "SF_JPN.BMP", ...).
using ArtworkSet = std::map<std::string, Artwork>;

// For a masked picture: the mask is black where the picture is opaque and white elsewhere,
// and the picture itself is black wherever it is transparent, so that drawing the mask with
// AND and then the picture with OR leaves the background untouched.
// Builds the mask of an image whose transparent pixels hold `transparent`, and turns those
// pixels black in the image.
Image MakeMask(Image* image, Rgb transparent);

// ---- the families (each in its own source file)

// Player sheets: the shared masks PLYA_1X-PLYL_1X, HD_1X, RUN1_1X, RUN2_1X; every kit code's
// PLYA-PLYH, HD, RUN1, RUN2; every class's goalkeeper sheets PLY2A-PLY2H and PLYI-PLYL; the
// skin-tone overlays PLYA_BM-PLYL_BM, H_BM, RUN1_BM, RUN2_BM.
void DrawPlayerSheets(ArtworkSet* set);
// Goals, corner pole, ball, advertising boards, crowd and wall strips, the cup, the tunnel,
// the world map.
void DrawPitchPictures(ArtworkSet* set);
// Flags (SF_, SS1F_, SS2F_), team photos (MF_, MF_X), crowd tiles by class (KANSYUU1-8), the
// aeroplane, the joy pictures, the UFOs, the ticker tape.
void DrawCeremonyPictures(ArtworkSet* set);
// The four pictures of the launcher's archive, in archive order.
std::vector<Image> DrawTitlePictures();
// Writes kick.wav, WHISTLE.wav, KANSEI1.wav, KANSEI4.wav and PSMAT006.wav into `folder`.
bool WriteSounds(const std::string& folder);

}  // namespace artwork
