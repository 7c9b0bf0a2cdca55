// Composing and writing the review sheet.
#include "artwork/review_sheet.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "artwork/canvas.h"
#include "artwork/pixel_font.h"

namespace artwork {

namespace {

constexpr int kSheetWidth = 1920;
constexpr int kGap = 12;
constexpr int kLabelHeight = kGlyphHeight + 4;
constexpr Rgb kNeutral = MakeRgb(150, 150, 156);
constexpr Rgb kPitchGreen = MakeRgb(0, 240, 0);
constexpr Rgb kLabelInk = MakeRgb(16, 16, 24);

struct Placed {
  const SheetEntry* entry;
  int x, y;
};

// The picture at twice its size as the game shows it: through its mask over pitch green.
Image Presented(const SheetEntry& entry) {
  const Image& picture = *entry.image;
  Image shown(picture.width, picture.height);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      Rgb c = picture.Get(x, y);
      if (entry.mask != nullptr) c = (kPitchGreen & entry.mask->Get(x, y)) | c;
      shown.Set(x, y, c);
    }
  }
  return Scale(shown, 2);
}

}  // namespace

Image ComposeReviewSheet(const std::vector<SheetEntry>& entries) {
  std::vector<Placed> placed;
  int x = kGap, y = kGap, rowHeight = 0;
  for (const SheetEntry& entry : entries) {
    const int cellWidth = std::max(2 * entry.image->width, PixelTextWidth(entry.label));
    const int cellHeight = 2 * entry.image->height + kLabelHeight;
    if ((entry.startsRow && x > kGap) || x + cellWidth + kGap > kSheetWidth) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    placed.push_back({&entry, x, y});
    x += cellWidth + kGap;
    rowHeight = std::max(rowHeight, cellHeight);
  }
  Image sheet(kSheetWidth, y + rowHeight + kGap, kNeutral);
  for (const Placed& p : placed) {
    const Image shown = Presented(*p.entry);
    Blit(&sheet, shown, p.x, p.y);
    DrawPixelText(&sheet, p.x, p.y + shown.height + 3, p.entry->label, kLabelInk);
  }
  return sheet;
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
