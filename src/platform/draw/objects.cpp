// Pens, brushes, fonts, bitmaps and device contexts: creation, selection, deletion and the
// state a context carries (colours, background mode, clipping, current position).
//
// Every object lives in a registry owned by this file, so that deleting twice or deleting
// something that was never made is harmless and ShutdownDrawing can release everything.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <unordered_map>

#include "platform/draw/draw.h"

namespace platform {

namespace {

constexpr int kLargestBitmapSide = 8192;
constexpr int kLargestFontHeight = 512;

template <typename T>
using Registry = std::unordered_map<T*, std::unique_ptr<T>>;

struct DrawingObjects {
  Registry<Pen> pens;
  Registry<Brush> brushes;
  Registry<Font> fonts;
  Registry<Bitmap> bitmaps;
  Registry<DeviceContext> contexts;
  std::array<Pen*, 3> stockPens{};
  std::array<Brush*, 6> stockBrushes{};
  Font* systemFont = nullptr;
};

// Never destroyed, so that drawing calls made while the program exits stay safe.
DrawingObjects& Objects() {
  static auto* objects = new DrawingObjects;
  return *objects;
}

template <typename T>
T* Register(Registry<T>* registry, std::unique_ptr<T> object) {
  T* raw = object.get();
  registry->emplace(raw, std::move(object));
  return raw;
}

template <typename T>
bool Known(const Registry<T>& registry, const T* object) {
  return object != nullptr && registry.count(const_cast<T*>(object)) != 0;
}

Pen* MakeStockPen(PenStyle style, Color color) {
  auto pen = std::make_unique<Pen>();
  pen->style = style;
  pen->color = color;
  pen->stock = true;
  return Register(&Objects().pens, std::move(pen));
}

Brush* MakeStockBrush(bool hollow, Color color) {
  auto brush = std::make_unique<Brush>();
  brush->hollow = hollow;
  brush->color = color;
  brush->stock = true;
  return Register(&Objects().brushes, std::move(brush));
}

// Replaces the object a context holds in `slot`, keeping the selection counts right.
template <typename T>
T* Swap(T** slot, T* object) {
  T* previous = *slot;
  if (previous != nullptr) --previous->selections;
  ++object->selections;
  *slot = object;
  return previous;
}

void ApplyDefaults(DeviceContext* dc) {
  dc->pen = StockPen(StockObject::BlackPen);
  dc->brush = StockBrush(StockObject::WhiteBrush);
  dc->font = StockFont(StockObject::SystemFixedFont);
  ++dc->pen->selections;
  ++dc->brush->selections;
  ++dc->font->selections;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Stock objects and object creation

Pen* StockPen(StockObject which) {
  auto& pens = Objects().stockPens;
  switch (which) {
    case StockObject::BlackPen:
      if (pens[0] == nullptr) pens[0] = MakeStockPen(PenStyle::Solid, Rgb(0, 0, 0));
      return pens[0];
    case StockObject::WhitePen:
      if (pens[1] == nullptr) pens[1] = MakeStockPen(PenStyle::Solid, Rgb(255, 255, 255));
      return pens[1];
    case StockObject::NullPen:
      if (pens[2] == nullptr) pens[2] = MakeStockPen(PenStyle::Null, 0);
      return pens[2];
    default:
      return nullptr;
  }
}

Brush* StockBrush(StockObject which) {
  int index = 0;
  Color color = 0;
  bool hollow = false;
  switch (which) {
    case StockObject::WhiteBrush:
      index = 0, color = Rgb(255, 255, 255);
      break;
    case StockObject::LightGreyBrush:
      index = 1, color = kFaceGrey;
      break;
    case StockObject::GreyBrush:
      index = 2, color = Rgb(128, 128, 128);
      break;
    case StockObject::DarkGreyBrush:
      index = 3, color = Rgb(64, 64, 64);
      break;
    case StockObject::BlackBrush:
      index = 4, color = Rgb(0, 0, 0);
      break;
    case StockObject::NullBrush:
      index = 5, hollow = true;
      break;
    default:
      return nullptr;
  }
  Brush*& slot = Objects().stockBrushes[std::size_t(index)];
  if (slot == nullptr) slot = MakeStockBrush(hollow, color);
  return slot;
}

Font* StockFont(StockObject which) {
  if (which != StockObject::SystemFixedFont) return nullptr;
  Font*& font = Objects().systemFont;
  if (font == nullptr) {
    auto made = std::make_unique<Font>();
    made->height = 16;
    made->width = 8;
    made->stock = true;
    font = Register(&Objects().fonts, std::move(made));
  }
  return font;
}

Pen* CreatePen(PenStyle style, int width, Color color) {
  auto pen = std::make_unique<Pen>();
  pen->style = style;
  // Width 0 draws one pixel, as on the classic desktop; a styled pen is always one pixel.
  pen->width = style == PenStyle::Dot ? 1 : std::clamp(width, 1, 64);
  pen->color = color & detail::kColourMask;
  return Register(&Objects().pens, std::move(pen));
}

Brush* CreateSolidBrush(Color color) {
  auto brush = std::make_unique<Brush>();
  brush->color = color & detail::kColourMask;
  return Register(&Objects().brushes, std::move(brush));
}

Font* CreateFont(const FontSpec& spec) {
  auto font = std::make_unique<Font>();
  // Height 0 asks for the default size; a negative height is taken by its size.
  int height = spec.height == 0 ? 16 : std::abs(spec.height);
  height = std::min(height, kLargestFontHeight);
  int width = std::abs(spec.width);
  if (width == 0) width = height / 2;
  font->height = height;
  font->width = std::clamp(width, 1, kLargestFontHeight);
  font->bold = spec.weight >= 700;
  return Register(&Objects().fonts, std::move(font));
}

Bitmap* CreateCompatibleBitmap(DeviceContext* dc, int width, int height) {
  if (dc == nullptr) return nullptr;
  if (width <= 0 || height <= 0 || width > kLargestBitmapSide || height > kLargestBitmapSide) {
    return nullptr;
  }
  auto bitmap = std::make_unique<Bitmap>();
  bitmap->surface.Resize(width, height, 0);
  return Register(&Objects().bitmaps, std::move(bitmap));
}

int BitmapWidth(const Bitmap* bitmap) {
  return bitmap != nullptr ? bitmap->surface.width : 0;
}
int BitmapHeight(const Bitmap* bitmap) {
  return bitmap != nullptr ? bitmap->surface.height : 0;
}

const std::uint32_t* BitmapPixels(const Bitmap* bitmap) {
  return bitmap != nullptr ? bitmap->surface.pixels.data() : nullptr;
}

// ---------------------------------------------------------------------------------------
// Deletion: stock objects, objects still selected and unknown pointers are left alone.

void DeleteObject(Pen* pen) {
  if (!Known(Objects().pens, pen) || pen->stock || pen->selections > 0) return;
  Objects().pens.erase(pen);
}

void DeleteObject(Brush* brush) {
  if (!Known(Objects().brushes, brush) || brush->stock || brush->selections > 0) return;
  Objects().brushes.erase(brush);
}

void DeleteObject(Font* font) {
  if (!Known(Objects().fonts, font) || font->stock || font->selections > 0) return;
  Objects().fonts.erase(font);
}

void DeleteObject(Bitmap* bitmap) {
  if (!Known(Objects().bitmaps, bitmap) || bitmap->owner != nullptr ||
      bitmap->selectedInto != nullptr) {
    return;
  }
  Objects().bitmaps.erase(bitmap);
}

// ---------------------------------------------------------------------------------------
// Contexts

DeviceContext* CreateCompatibleDC(DeviceContext* /*like*/) {
  auto dc = std::make_unique<DeviceContext>();
  auto bitmap = std::make_unique<Bitmap>();
  bitmap->surface.Resize(1, 1, 0);
  bitmap->owner = dc.get();
  bitmap->selectedInto = dc.get();
  dc->ownBitmap = Register(&Objects().bitmaps, std::move(bitmap));
  dc->bitmap = dc->ownBitmap;
  ApplyDefaults(dc.get());
  return Register(&Objects().contexts, std::move(dc));
}

void DeleteDC(DeviceContext* dc) {
  if (!Known(Objects().contexts, dc)) return;
  --dc->pen->selections;
  --dc->brush->selections;
  --dc->font->selections;
  if (dc->bitmap != nullptr) dc->bitmap->selectedInto = nullptr;
  if (dc->ownBitmap != nullptr) Objects().bitmaps.erase(dc->ownBitmap);
  Objects().contexts.erase(dc);
}

Pen* SelectPen(DeviceContext* dc, Pen* pen) {
  if (dc == nullptr || !Known(Objects().pens, pen)) return nullptr;
  return Swap(&dc->pen, pen);
}

Brush* SelectBrush(DeviceContext* dc, Brush* brush) {
  if (dc == nullptr || !Known(Objects().brushes, brush)) return nullptr;
  return Swap(&dc->brush, brush);
}

Font* SelectFont(DeviceContext* dc, Font* font) {
  if (dc == nullptr || !Known(Objects().fonts, font)) return nullptr;
  return Swap(&dc->font, font);
}

// Only memory contexts hold bitmaps, and a bitmap is selected into one context at a time.
Bitmap* SelectBitmap(DeviceContext* dc, Bitmap* bitmap) {
  if (dc == nullptr || dc->ownBitmap == nullptr || !Known(Objects().bitmaps, bitmap)) {
    return nullptr;
  }
  if (bitmap == dc->bitmap) return bitmap;
  if (bitmap->selectedInto != nullptr || (bitmap->owner != nullptr && bitmap->owner != dc)) {
    return nullptr;
  }
  Bitmap* previous = dc->bitmap;
  previous->selectedInto = nullptr;
  bitmap->selectedInto = dc;
  dc->bitmap = bitmap;
  return previous;
}

Color SetTextColor(DeviceContext* dc, Color color) {
  if (dc == nullptr) return 0xFFFFFFFF;
  const Color previous = dc->textColor;
  dc->textColor = color & detail::kColourMask;
  return previous;
}

Color SetBkColor(DeviceContext* dc, Color color) {
  if (dc == nullptr) return 0xFFFFFFFF;
  const Color previous = dc->bkColor;
  dc->bkColor = color & detail::kColourMask;
  return previous;
}

BkMode SetBkMode(DeviceContext* dc, BkMode mode) {
  if (dc == nullptr) return BkMode::Opaque;
  const BkMode previous = dc->bkMode;
  dc->bkMode = mode;
  return previous;
}

void SetClipRect(DeviceContext* dc, const Rect* rect) {
  if (dc == nullptr) return;
  dc->clipped = rect != nullptr;
  if (rect != nullptr) dc->clip = *rect;
}

Point MoveTo(DeviceContext* dc, int x, int y) {
  if (dc == nullptr) return {};
  const Point previous = dc->position;
  dc->position = {x, y};
  return previous;
}

void SetPixel(DeviceContext* dc, int x, int y, Color color) {
  detail::Target target;
  if (!detail::OpenTarget(dc, &target)) return;
  detail::Plot(target, x, y, color & detail::kColourMask);
}

Color GetPixel(DeviceContext* dc, int x, int y) {
  const detail::Surface* surface = detail::SurfaceOf(dc);
  if (surface == nullptr || x < 0 || y < 0 || x >= surface->width || y >= surface->height) {
    return 0xFFFFFFFF;
  }
  return surface->Row(y)[x];
}

namespace detail {

DeviceContext* CreateSurfaceDC(Surface* surface) {
  auto dc = std::make_unique<DeviceContext>();
  dc->surface = surface;
  ApplyDefaults(dc.get());
  return Register(&Objects().contexts, std::move(dc));
}

Surface* SurfaceOf(DeviceContext* dc) {
  if (dc == nullptr) return nullptr;
  if (dc->bitmap != nullptr) return &dc->bitmap->surface;
  return dc->surface;
}

Surface* ContextSurface(DeviceContext* dc) {
  return SurfaceOf(dc);
}

Surface* BitmapSurface(Bitmap* bitmap) {
  return bitmap != nullptr ? &bitmap->surface : nullptr;
}

bool OpenTarget(DeviceContext* dc, Target* target) {
  Surface* surface = SurfaceOf(dc);
  if (surface == nullptr || surface->width <= 0 || surface->height <= 0) return false;
  Rect clip{0, 0, surface->width, surface->height};
  if (dc->clipped) {
    clip.left = std::max(clip.left, dc->clip.left);
    clip.top = std::max(clip.top, dc->clip.top);
    clip.right = std::min(clip.right, dc->clip.right);
    clip.bottom = std::min(clip.bottom, dc->clip.bottom);
    if (clip.Empty()) return false;
  }
  target->surface = surface;
  target->clip = clip;
  surface->dirty = true;
  surface->Touch(clip.left, clip.top, clip.right, clip.bottom);
  return true;
}

void ShutdownDrawing() {
  DrawingObjects& objects = Objects();
  objects.contexts.clear();
  objects.bitmaps.clear();
  objects.fonts.clear();
  objects.brushes.clear();
  objects.pens.clear();
  objects.stockPens = {};
  objects.stockBrushes = {};
  objects.systemFont = nullptr;
  ShutdownFonts();
}

}  // namespace detail
}  // namespace platform
