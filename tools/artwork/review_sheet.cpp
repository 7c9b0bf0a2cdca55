// Composing and writing the review sheet.
#include "artwork/review_sheet.h"

#include <algorithm>

#include "artwork/canvas.h"
#include "artwork/dib_encode.h"
#include "platform/platform.h"

namespace artwork {

namespace {

constexpr int kSheetWidth = 2400;
constexpr int kGap = 12;
constexpr platform::Color kNeutral = platform::Rgb(150, 150, 156);
constexpr platform::Color kPitchGreen = platform::Rgb(0, 240, 0);
constexpr platform::Color kLabelInk = platform::Rgb(16, 16, 24);

struct Placed {
  const SheetEntry* entry;
  Bytes picture, mask;
  int x = 0, y = 0, labelWidth = 0;
};

}  // namespace

bool WriteReviewSheet(const std::string& path, const std::vector<SheetEntry>& entries) {
  platform::DeviceContext* dc = platform::CreateCompatibleDC(nullptr);
  if (dc == nullptr) return false;
  std::vector<Placed> placed;
  int x = kGap, y = kGap, rowHeight = 0, labelHeight = 0;
  for (const SheetEntry& entry : entries) {
    Placed p;
    p.entry = &entry;
    p.picture = EncodeDib(entry.picture->image, entry.picture->storage);
    if (entry.mask != nullptr) p.mask = EncodeDib(entry.mask->image, Storage::Mask);
    const platform::Point extent = platform::GetTextExtent(dc, entry.label);
    p.labelWidth = extent.x;
    labelHeight = std::max(labelHeight, extent.y);
    const int cellWidth = std::max(2 * entry.picture->image.width, extent.x);
    const int cellHeight = 2 * entry.picture->image.height + extent.y + 2;
    if ((entry.startsRow && x > kGap) || x + cellWidth + kGap > kSheetWidth) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    p.x = x;
    p.y = y;
    x += cellWidth + kGap;
    rowHeight = std::max(rowHeight, cellHeight);
    placed.push_back(std::move(p));
  }
  const int height = y + rowHeight + kGap;
  // Drawn in bands, so that no bitmap grows past what the platform makes.
  constexpr int kBand = 2048;
  Image sheet(kSheetWidth, height);
  platform::Brush* neutral = platform::CreateSolidBrush(kNeutral);
  platform::Brush* green = platform::CreateSolidBrush(kPitchGreen);
  bool ok = true;
  for (int top = 0; top < height && ok; top += kBand) {
    const int bandHeight = std::min(kBand, height - top);
    platform::Bitmap* bitmap = platform::CreateCompatibleBitmap(dc, kSheetWidth, bandHeight);
    if (bitmap == nullptr) {
      ok = false;
      break;
    }
    platform::Bitmap* previous = platform::SelectBitmap(dc, bitmap);
    platform::FillRect(dc, {0, 0, kSheetWidth, bandHeight}, neutral);
    platform::SetBkMode(dc, platform::BkMode::Transparent);
    platform::SetTextColor(dc, kLabelInk);
    for (const Placed& p : placed) {
      const int w = 2 * p.entry->picture->image.width, h = 2 * p.entry->picture->image.height;
      const int py = p.y - top;
      if (py + h + labelHeight + 2 < 0 || py >= bandHeight) continue;
      if (p.entry->mask != nullptr) {
        platform::FillRect(dc, {p.x, py, p.x + w, py + h}, green);
        platform::StretchDib(dc, p.x, py, w, h, p.mask.data(), p.mask.size(),
                             platform::Rop::SrcAnd);
        platform::StretchDib(dc, p.x, py, w, h, p.picture.data(), p.picture.size(),
                             platform::Rop::SrcPaint);
      } else {
        platform::StretchDib(dc, p.x, py, w, h, p.picture.data(), p.picture.size(),
                             platform::Rop::SrcCopy);
      }
      platform::TextOut(dc, p.x, py + h + 2, p.entry->label);
    }
    const std::uint32_t* pixels = platform::BitmapPixels(bitmap);
    for (int row = 0; row < bandHeight; ++row) {
      for (int x = 0; x < kSheetWidth; ++x) {
        sheet.Set(x, top + row, pixels[std::size_t(row * kSheetWidth + x)] & 0xFFFFFF);
      }
    }
    platform::SelectBitmap(dc, previous);
    platform::DeleteObject(bitmap);
  }
  platform::DeleteDC(dc);
  platform::DeleteObject(neutral);
  platform::DeleteObject(green);
  if (!ok) return false;
  return WritePng(path, sheet);
}

bool WritePng(const std::string& path, const Image& image) {
  return platform::SavePng(path, image.width, image.height, image.pixels.data());
}

}  // namespace artwork
