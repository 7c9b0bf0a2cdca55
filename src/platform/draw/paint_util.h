// Small pixel helpers the layer uses for its own pieces of the desktop (menu bar, dialog
// frames, controls): filled boxes, 3D edges, dotted focus rectangles and system-font text.
#pragma once

#include <string_view>

#include "platform/internal.h"
#include "platform/platform.h"

namespace platform::detail {

inline constexpr Color kWhite = Rgb(255, 255, 255);
inline constexpr Color kBlack = Rgb(0, 0, 0);
inline constexpr Color kDarkGrey = Rgb(128, 128, 128);
inline constexpr Color kCaptionBlue = Rgb(0, 0, 128);
inline constexpr Color kWarningYellow = Rgb(255, 255, 0);
inline constexpr int kSystemCharWidth = 8;
inline constexpr int kSystemCharHeight = 16;

Rect Intersect(const Rect& a, const Rect& b);
Rect Union(const Rect& a, const Rect& b);
Rect Offset(const Rect& r, int dx, int dy);
Rect Inflate(const Rect& r, int d);

// Every helper clips to the surface and, when given, to `clip`.
void FillBox(Surface* surface, const Rect& rect, Color color, const Rect* clip = nullptr);
void SetDot(Surface* surface, int x, int y, Color color, const Rect* clip = nullptr);
// A 3D edge of two pixels: `outerLight`/`outerDark` on the outer ring's top-left and
// bottom-right sides, `innerLight`/`innerDark` on the inner ring.
void Edge(Surface* surface, const Rect& rect, Color outerLight, Color outerDark, Color innerLight,
          Color innerDark, const Rect* clip = nullptr);
// A raised button edge (white, grey / dark grey, black) and a sunken field edge.
void RaisedEdge(Surface* surface, const Rect& rect, const Rect* clip = nullptr);
void SunkenEdge(Surface* surface, const Rect& rect, const Rect* clip = nullptr);
// One-pixel frame.
void FrameBox(Surface* surface, const Rect& rect, Color color, const Rect* clip = nullptr);
// The dotted focus rectangle: every other pixel along the border.
void DottedFrame(Surface* surface, const Rect& rect, Color color, const Rect* clip = nullptr);
// Copies `source` with its top-left corner at (x, y).
void Blit(Surface* target, const Surface& source, int x, int y);

// Width of a text in the 8 × 16 system font.
int SystemTextWidth(std::string_view text);
// Text in the system font, transparent background, clipped to `clip` when given.
void DrawSystemText(Surface* surface, int x, int y, std::string_view text, Color color,
                    const Rect* clip = nullptr);
// Greyed text: white offset by one pixel right and down, then dark grey.
void DrawGreyedText(Surface* surface, int x, int y, std::string_view text,
                    const Rect* clip = nullptr);

}  // namespace platform::detail
