// Text: glyphs of the Japanese gothic font rendered monochrome by FreeType into fixed-pitch
// cells (a half-width glyph advances by the font's width, a full-width one by twice that),
// cached per font size as runs of pixels so that drawing a string is a few row fills.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/draw/draw.h"

namespace platform {

namespace detail {

// One run of glyph pixels [dx0, dx1) in row dy, relative to the top-left of the glyph's cell.
struct GlyphRun {
  int dy = 0;
  int dx0 = 0;
  int dx1 = 0;
};

struct Glyph {
  bool rendered = false;
  std::vector<GlyphRun> runs;
};

// The glyphs of one font size, shared by every font object of that size.
struct GlyphSet {
  int height = 0;
  int width = 0;
  bool bold = false;
  FT_F26Dot6 emHeight = 0;  // the font's em in pixels (26.6) that gives the cell height
  int ascent = 0;           // baseline below the top of the cell
  std::array<Glyph, 128> ascii;
  std::unordered_map<std::uint32_t, Glyph> others;
};

namespace {

constexpr const char* kFontCandidates[] = {
    "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
    "/usr/share/fonts/truetype/fonts-japanese-gothic.ttf",
};

struct FontState {
  bool searched = false;
  std::string path;
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  std::map<std::tuple<int, int, bool>, std::unique_ptr<GlyphSet>> sets;
  const GlyphSet* sizedFor = nullptr;  // the set whose size the face is set to
};

// Never destroyed, so that drawing calls made while the program exits stay safe.
FontState& State() {
  static auto* state = new FontState;
  return *state;
}

bool OpenFace(FontState* state, const std::string& path) {
  if (state->library == nullptr && FT_Init_FreeType(&state->library) != 0) {
    state->library = nullptr;
    return false;
  }
  // FreeType opens the file in blocking mode: a FIFO under the name would stop the program.
  const FileHandle file = OpenFileRead(path);
  CloseFile(file);
  if (file < 0) return false;
  FT_Face face = nullptr;
  if (FT_New_Face(state->library, path.c_str(), 0, &face) != 0) return false;
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0 || face->ascender <= face->descender) {
    FT_Done_Face(face);
    return false;
  }
  state->face = face;
  state->path = path;
  return true;
}

GlyphSet* SetFor(Font* font) {
  if (font->glyphs != nullptr) return font->glyphs;
  FontState& state = State();
  auto& slot = state.sets[{font->height, font->width, font->bold}];
  if (slot == nullptr) {
    slot = std::make_unique<GlyphSet>();
    slot->height = font->height;
    slot->width = font->width;
    slot->bold = font->bold;
    if (state.face != nullptr) {
      // The cell is the font's ascender plus descender, as tall as asked.
      const long long span = state.face->ascender - state.face->descender;
      slot->emHeight = FT_F26Dot6((font->height * 64LL * state.face->units_per_EM) / span);
      slot->ascent =
          int((font->height * static_cast<long long>(state.face->ascender) + span / 2) / span);
    }
  }
  font->glyphs = slot.get();
  return font->glyphs;
}

// Pixel rows of the rendered glyph as runs; a bold font widens each run by one pixel to the
// right (the classic synthetic bold).
void CollectRuns(const FT_Bitmap& bitmap, int left, int top, bool bold, Glyph* glyph) {
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const unsigned char* bits = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
    auto on = [&](unsigned column) {
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
        return ((bits[column >> 3] >> (7 - (column & 7))) & 1) != 0;
      return bits[column] >= 128;  // a grey bitmap (embedded in some fonts): threshold it
    };
    unsigned column = 0;
    while (column < bitmap.width) {
      if (!on(column)) {
        ++column;
        continue;
      }
      const unsigned start = column;
      while (column < bitmap.width && on(column)) ++column;
      glyph->runs.push_back(
          {top + int(row), left + int(start), left + int(column) + (bold ? 1 : 0)});
    }
  }
}

void RenderGlyph(GlyphSet* set, std::uint32_t codepoint, Glyph* glyph) {
  glyph->rendered = true;
  FontState& state = State();
  FT_Face face = state.face;
  if (face == nullptr) return;
  const FT_UInt index = FT_Get_Char_Index(face, codepoint);
  if (index == 0) return;
  if (state.sizedFor != set) {
    // The em is as wide as two half-width cells, so that half-width glyphs (half an em in a
    // fixed-pitch Japanese font) fill one cell and full-width ones two.
    if (FT_Set_Char_Size(face, FT_F26Dot6(set->width) * 2 * 64, set->emHeight, 72, 72) != 0) {
      return;
    }
    state.sizedFor = set;
  }
  const FT_Int32 loadFlags = FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO;
  if (FT_Load_Glyph(face, index, loadFlags) != 0) return;
  const long cell = long(GlyphCells(codepoint)) * set->width * 64;
  long advance = face->glyph->advance.x;
  if (advance > cell + 32) {
    // Wider than its cell: squeeze the outline horizontally to fit.
    FT_Matrix squeeze{FT_Fixed((cell << 16) / advance), 0, 0, 0x10000};
    FT_Set_Transform(face, &squeeze, nullptr);
    const bool loaded = FT_Load_Glyph(face, index, loadFlags) == 0;
    FT_Set_Transform(face, nullptr, nullptr);
    if (!loaded) return;
    advance = cell;
  }
  if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0) return;
  // Centre the glyph's advance in its cell.
  const long origin = (cell - advance) / 2;
  const int left = int((origin + 32) >> 6) + face->glyph->bitmap_left;
  const int top = set->ascent - face->glyph->bitmap_top;
  CollectRuns(face->glyph->bitmap, left, top, set->bold, glyph);
}

const Glyph& FindGlyph(GlyphSet* set, std::uint32_t codepoint) {
  Glyph& glyph = codepoint < 128 ? set->ascii[codepoint] : set->others[codepoint];
  if (!glyph.rendered) RenderGlyph(set, codepoint, &glyph);
  return glyph;
}

int Clamp(long long value) {
  return int(std::clamp<long long>(value, -(1LL << 30), 1LL << 30));
}

}  // namespace

int GlyphCells(std::uint32_t codepoint) {
  if (codepoint < 0x80) return 1;
  if (codepoint >= 0xFF61 && codepoint <= 0xFF9F) return 1;  // half-width katakana
  return 2;
}

int DrawGlyphs(const Target* target, Font* font, int x, int y, std::string_view text,
               Color colour) {
  InitFonts();
  GlyphSet* set = SetFor(font);
  long long penX = x;
  for (std::size_t i = 0; i < text.size();) {
    std::uint32_t codepoint = 0;
    i += detail::DecodeUtf8(text, i, &codepoint);
    const int advance = GlyphCells(codepoint) * font->width;
    if (target != nullptr && penX - font->width < target->clip.right &&
        penX + 2 * advance > target->clip.left) {
      for (const GlyphRun& run : FindGlyph(set, codepoint).runs) {
        FillRow(*target, Clamp(y + static_cast<long long>(run.dy)), Clamp(penX + run.dx0),
                Clamp(penX + run.dx1), colour);
      }
    }
    penX += advance;
  }
  return Clamp(penX - x);
}

std::string FontFilePath() {
  return State().path;
}

void InitFonts() {
  FontState& state = State();
  if (state.searched) return;
  state.searched = true;
  // FELDO_FONT names the one font file to use instead of the usual places.
  const char* chosen = std::getenv("FELDO_FONT");
  if (chosen != nullptr && *chosen != '\0') {
    if (OpenFace(&state, chosen)) return;
    std::fprintf(stderr, "warning: FELDO_FONT=%s cannot be read as a font\n", chosen);
  } else {
    for (const char* candidate : kFontCandidates) {
      if (OpenFace(&state, candidate)) return;
    }
  }
  std::fprintf(stderr,
               "warning: Japanese font not found (install fonts-ipafont-gothic); text will not "
               "be drawn\n");
}

void ShutdownFonts() {
  FontState& state = State();
  state.sets.clear();
  state.sizedFor = nullptr;
  if (state.face != nullptr) FT_Done_Face(state.face);
  if (state.library != nullptr) FT_Done_FreeType(state.library);
  state = FontState{};
}

}  // namespace detail

void TextOut(DeviceContext* dc, int x, int y, std::string_view text) {
  detail::Target target;
  if (!detail::OpenTarget(dc, &target)) return;
  Font* font = dc->font;
  if (dc->bkMode == BkMode::Opaque) {
    const long long right = x + static_cast<long long>(DisplayCells(text)) * font->width;
    const long long bottom = static_cast<long long>(y) + font->height;
    detail::FillBox(target, {x, y, detail::Clamp(right), detail::Clamp(bottom)}, dc->bkColor);
  }
  detail::DrawGlyphs(&target, font, x, y, text, dc->textColor);
}

Point GetTextExtent(DeviceContext* dc, std::string_view text) {
  if (dc == nullptr) return {};
  return {DisplayCells(text) * dc->font->width, dc->font->height};
}

int AverageCharWidth(DeviceContext* dc) {
  return dc != nullptr ? dc->font->width : 0;
}

}  // namespace platform
