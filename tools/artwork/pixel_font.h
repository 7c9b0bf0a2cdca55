// A small 5 × 7 pixel font (with two rows of descenders) for the lettering of the pictures:
// the advertising boards and the labels of the review sheet. Printable ASCII only; any other
// character is drawn as a hollow box.
#pragma once

#include <string_view>

#include "artwork/picture.h"

namespace artwork {

inline constexpr int kGlyphAdvance = 6;  // 5 columns and one blank
inline constexpr int kGlyphHeight = 9;   // 7 rows above the base line and 2 below

// Width in pixels of the text at the given scale (UTF-8: one glyph per code point).
int PixelTextWidth(std::string_view text, int scale = 1);
// Draws the text with its top-left corner at (x, y).
void DrawPixelText(Image* image, int x, int y, std::string_view text, Rgb colour, int scale = 1);

}  // namespace artwork
