// The drawing layer's own records (pens, brushes, fonts, bitmaps, device contexts) and the
// row-level painting helpers shared by the files of draw/ and text/font_freetype.cpp.
// Nothing outside the drawing files includes this header (tests of the layer excepted).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/internal.h"
#include "platform/platform.h"

namespace platform {

// Every object counts the contexts it is selected into; deleting it is refused meanwhile.
struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;  // 1 or more; a dotted pen is always 1 pixel wide
  Color color = 0;
  bool stock = false;
  int selections = 0;
};

struct Brush {
  bool hollow = false;  // the null brush: fills nothing
  Color color = 0;
  bool stock = false;
  int selections = 0;
};

namespace detail {
struct GlyphSet;
}

struct Font {
  int height = 16;  // cell height in pixels
  int width = 8;    // advance of a half-width glyph
  bool bold = false;
  bool stock = false;
  int selections = 0;
  detail::GlyphSet* glyphs = nullptr;  // the shared cache for this size, found on first use
};

struct Bitmap {
  detail::Surface surface;
  DeviceContext* selectedInto = nullptr;
  // The 1 × 1 bitmap a memory context is born with belongs to that context: it cannot be
  // deleted or selected elsewhere, and it goes away with the context.
  DeviceContext* owner = nullptr;
};

struct DeviceContext {
  detail::Surface* surface = nullptr;  // window, dialog and frame contexts (not owned)
  Bitmap* bitmap = nullptr;            // memory contexts: the selected bitmap
  Bitmap* ownBitmap = nullptr;         // memory contexts: the bitmap it was born with
  Pen* pen = nullptr;
  Brush* brush = nullptr;
  Font* font = nullptr;
  Color textColor = 0;
  Color bkColor = 0xFFFFFF;
  BkMode bkMode = BkMode::Opaque;
  bool clipped = false;
  Rect clip;
  Point position;
};

namespace detail {

// Colours are kept as 0x00RRGGBB; the top byte of whatever the caller passes is dropped.
constexpr Color kColourMask = 0x00FFFFFF;

// Where a drawing call may put pixels: the context's surface and the part of it that the
// clipping rectangle leaves open (never outside the surface).
struct Target {
  Surface* surface = nullptr;
  Rect clip;
};
// False for a null context, a context without pixels or an empty clip. Marks the surface
// dirty when it returns true.
bool OpenTarget(DeviceContext* dc, Target* target);
// The surface of a context without marking it (nullptr for a null context).
Surface* SurfaceOf(DeviceContext* dc);

// Row-level painting, clipped to target.clip.
void FillBox(const Target& target, Rect box, Color colour);
void FillRow(const Target& target, int y, int x0, int x1, Color colour);  // [x0, x1)
inline void Plot(const Target& target, int x, int y, Color colour) {
  if (target.clip.Contains(x, y)) target.surface->Row(y)[x] = colour;
}
// Combines `count` source pixels into a destination row with the raster operation.
void CombineRow(std::uint32_t* dst, const std::uint32_t* src, int count, Rop rop);

// ----- fonts (text/font_freetype.cpp)

// The cell of a glyph: its advance in half-width units (1 or 2).
int GlyphCells(std::uint32_t codepoint);
// Draws the glyphs of `text` with their cells starting at (x, y) in `colour` and returns the
// advance in pixels. Without a font file only the advance is computed.
int DrawGlyphs(const Target* target, Font* font, int x, int y, std::string_view text, Color colour);
// The font file that InitFonts found (empty when there is none or fonts are not set up yet).
std::string FontFilePath();
// Releases the font file, the FreeType library and every glyph cache (ShutdownDrawing).
void ShutdownFonts();

}  // namespace detail
}  // namespace platform
