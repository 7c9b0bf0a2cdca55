// Drawing. Device contexts with pens, brushes and fonts selected into them, following the
// classic rules for which pixels are outline and which are fill; text in the Japanese
// fixed-pitch font; bitmaps, block copies and packed device-independent bitmaps; PNG files.
// Every drawing call does nothing when given a null device context.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace platform {

enum class PenStyle { Solid, Dot, Null };
enum class BkMode { Transparent, Opaque };
// Raster operations of block copies and picture drawing.
enum class Rop { SrcCopy, SrcAnd, SrcPaint, SrcInvert };

enum class StockObject {
  BlackPen,
  WhitePen,
  NullPen,
  WhiteBrush,
  LightGreyBrush,
  GreyBrush,
  DarkGreyBrush,
  BlackBrush,
  NullBrush,
  SystemFixedFont,  // 8 × 16 cells
};
Pen* StockPen(StockObject which);
Brush* StockBrush(StockObject which);
Font* StockFont(StockObject which);

Pen* CreatePen(PenStyle style, int width, Color color);
Brush* CreateSolidBrush(Color color);

// A fixed-pitch Japanese font: cell height `height` pixels, a half-width glyph advances by
// `width` pixels and a full-width glyph by twice that. width 0 means height / 2. Weight 700
// and above is bold.
struct FontSpec {
  int height = 16;
  int width = 8;
  int weight = 400;
};
Font* CreateFont(const FontSpec& spec);

// A bitmap of 32-bit pixels. nullptr when the size is not positive or too large.
Bitmap* CreateCompatibleBitmap(DeviceContext* dc, int width, int height);
int BitmapWidth(const Bitmap* bitmap);
int BitmapHeight(const Bitmap* bitmap);

// Deleting a stock object, or an object still selected into a context, does nothing.
void DeleteObject(Pen* pen);
void DeleteObject(Brush* brush);
void DeleteObject(Font* font);
void DeleteObject(Bitmap* bitmap);

// Contexts start with the black pen, the white brush, the system font, black text on an
// opaque white background, no clipping and the current position at (0, 0).
DeviceContext* GetDC(Window* window);
void ReleaseDC(Window* window, DeviceContext* dc);
struct PaintInfo {
  DeviceContext* dc = nullptr;
  Rect paintRect;
  bool erase = false;  // the layer has already erased the area with the class background
};
DeviceContext* BeginPaint(Window* window, PaintInfo* info);
void EndPaint(Window* window, PaintInfo* info);
// A memory context; `like` may be nullptr. It draws into the bitmap selected into it.
DeviceContext* CreateCompatibleDC(DeviceContext* like);
void DeleteDC(DeviceContext* dc);

Pen* SelectPen(DeviceContext* dc, Pen* pen);  // returns the previous one
Brush* SelectBrush(DeviceContext* dc, Brush* brush);
Font* SelectFont(DeviceContext* dc, Font* font);
Bitmap* SelectBitmap(DeviceContext* dc, Bitmap* bitmap);

Color SetTextColor(DeviceContext* dc, Color color);
Color SetBkColor(DeviceContext* dc, Color color);
BkMode SetBkMode(DeviceContext* dc, BkMode mode);

// Clipping rectangle in the context's coordinates; nullptr removes it.
void SetClipRect(DeviceContext* dc, const Rect* rect);

Point MoveTo(DeviceContext* dc, int x, int y);  // returns the previous position
void LineTo(DeviceContext* dc, int x, int y);   // the end point is not drawn
// Outline with the pen, inside filled with the brush. With the null pen the filled area is one
// pixel smaller on the right and at the bottom.
void Rectangle(DeviceContext* dc, int left, int top, int right, int bottom);
void Ellipse(DeviceContext* dc, int left, int top, int right, int bottom);
// The arc of the ellipse in the box, counter-clockwise from the radial through (x1, y1) to
// the radial through (x2, y2).
void Arc(DeviceContext* dc, int left, int top, int right, int bottom, int x1, int y1, int x2,
         int y2);
// Filled with the brush (alternate rule), outlined with the pen, closed.
void Polygon(DeviceContext* dc, const Point* points, int count);
// Fills the rectangle (right and bottom exclusive) with the brush, no outline.
void FillRect(DeviceContext* dc, const Rect& rect, Brush* brush);
void SetPixel(DeviceContext* dc, int x, int y, Color color);
// The colour at (x, y), or 0xFFFFFFFF outside the surface.
Color GetPixel(DeviceContext* dc, int x, int y);

// Text in UTF-8 with the selected font, colours and background mode.
void TextOut(DeviceContext* dc, int x, int y, std::string_view text);
// Width and height of the text in the selected font.
Point GetTextExtent(DeviceContext* dc, std::string_view text);
// The average character width of the selected font (a half-width glyph's advance).
int AverageCharWidth(DeviceContext* dc);

void BitBlt(DeviceContext* dst, int x, int y, int width, int height, DeviceContext* src, int srcX,
            int srcY, Rop rop);

// Packed device-independent bitmaps: a 40-byte (or larger) or 12-byte header, the colour
// table, bottom-up rows padded to 4 bytes; 1, 4, 8 or 24 bits per pixel, no compression.
struct DibInfo {
  int headerSize = 0;
  int width = 0;
  int height = 0;  // positive: rows are stored bottom-up
  int bitCount = 0;
  int colourCount = 0;         // entries in the colour table
  std::size_t bitsOffset = 0;  // offset of the pixel rows from the start of the header
  std::size_t stride = 0;      // bytes per row
};
// Checks that the header is one of the kinds above and that the colour table and every pixel
// row lie inside `size` bytes. Fills `info` when it returns true.
bool ParsePackedDib(const std::uint8_t* dib, std::size_t size, DibInfo* info);
// Draws the whole picture at (x, y) scaled to |width| × height; a negative width mirrors it
// left to right with its left edge still at x. Nothing is drawn for an invalid picture.
void StretchDib(DeviceContext* dc, int x, int y, int width, int height, const std::uint8_t* dib,
                std::size_t size, Rop rop);
// Copies the picture unchanged with its top-left corner at (x, y).
void DibToDevice(DeviceContext* dc, int x, int y, const std::uint8_t* dib, std::size_t size);

// Writes width × height pixels (0x00RRGGBB, rows from the top) as a PNG file.
bool SavePng(const std::string& path, int width, int height, const std::uint32_t* pixels);
// Reads a PNG file into width × height pixels (0x00RRGGBB, rows from the top, alpha dropped).
bool LoadPng(const std::string& path, int* width, int* height, std::vector<std::uint32_t>* pixels);
// The pixels of a bitmap, rows from the top (for tests, tools and screenshots).
const std::uint32_t* BitmapPixels(const Bitmap* bitmap);

}  // namespace platform
