// Composing and writing the review sheet.
#include "artwork/review_sheet.h"

#include <algorithm>
#include <array>
#include <fstream>

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

// A PNG writer of our own: 8-bit RGB, one IDAT chunk of stored (uncompressed) deflate blocks.
namespace {

std::array<std::uint32_t, 256> CrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

void PutBe32(std::vector<std::uint8_t>* out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out->push_back(std::uint8_t((v >> shift) & 255));
}

void PutChunk(std::vector<std::uint8_t>* out, const char* type,
              const std::vector<std::uint8_t>& data) {
  static const std::array<std::uint32_t, 256> table = CrcTable();
  PutBe32(out, std::uint32_t(data.size()));
  const std::size_t start = out->size();
  out->insert(out->end(), type, type + 4);
  out->insert(out->end(), data.begin(), data.end());
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = start; i < out->size(); ++i) {
    crc = table[(crc ^ (*out)[i]) & 255] ^ (crc >> 8);
  }
  PutBe32(out, crc ^ 0xFFFFFFFFu);
}

}  // namespace

bool WritePng(const std::string& path, const Image& image) {
  std::vector<std::uint8_t> raw;
  raw.reserve(std::size_t(image.height) * (std::size_t(image.width) * 3 + 1));
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);  // filter: none
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = image.Get(x, y);
      raw.push_back(std::uint8_t(RedOf(c)));
      raw.push_back(std::uint8_t(GreenOf(c)));
      raw.push_back(std::uint8_t(BlueOf(c)));
    }
  }
  std::vector<std::uint8_t> zlib = {0x78, 0x01};
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
    const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
    const bool last = at + length >= raw.size();
    zlib.push_back(last ? 1 : 0);
    zlib.push_back(std::uint8_t(length & 255));
    zlib.push_back(std::uint8_t(length >> 8));
    zlib.push_back(std::uint8_t(~length & 255));
    zlib.push_back(std::uint8_t((~length >> 8) & 255));
    zlib.insert(zlib.end(), raw.begin() + std::ptrdiff_t(at),
                raw.begin() + std::ptrdiff_t(at + length));
    if (last) break;
  }
  PutBe32(&zlib, (b << 16) | a);

  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  PutBe32(&header, std::uint32_t(image.width));
  PutBe32(&header, std::uint32_t(image.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
  PutChunk(&png, "IHDR", header);
  PutChunk(&png, "IDAT", zlib);
  PutChunk(&png, "IEND", {});
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
  return bool(file);
}

}  // namespace artwork
