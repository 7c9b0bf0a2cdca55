// Packed device-independent bitmaps and the archive format.
#include "artwork/dib_encode.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace artwork {

namespace {

void PutLe16(Bytes* out, std::size_t at, std::uint32_t value) {
  (*out)[at] = std::uint8_t(value & 255);
  (*out)[at + 1] = std::uint8_t((value >> 8) & 255);
}

void PutLe32(Bytes* out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) (*out)[at + std::size_t(i)] = std::uint8_t((value >> (8 * i)) & 255);
}

constexpr std::size_t kHeaderSize = 40;

}  // namespace

Bytes EncodeDib(const Image& image, Storage storage) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != std::size_t(image.width) * std::size_t(image.height)) {
    throw std::invalid_argument("picture without pixels");
  }
  // The colour table and each pixel's index into it.
  std::vector<Rgb> table;
  int bitCount = 24;
  if (storage == Storage::Mask) {
    for (Rgb c : image.pixels) {
      if (c != kBlack && c != kWhite) throw std::invalid_argument("mask with a grey pixel");
    }
    table = {kBlack, kWhite};
    bitCount = 1;
  } else {
    std::vector<Rgb> colours = image.pixels;
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    if (colours.size() <= 16) {
      bitCount = 4;
      table = colours;
    } else if (colours.size() <= 256) {
      bitCount = 8;
      table = colours;
    }
  }
  std::map<Rgb, std::uint32_t> indexOf;
  for (std::size_t i = 0; i < table.size(); ++i) indexOf[table[i]] = std::uint32_t(i);

  const std::size_t stride = ((std::size_t(image.width) * std::size_t(bitCount) + 31) / 32) * 4;
  const std::size_t tableBytes = table.size() * 4;
  const std::size_t bitsOffset = kHeaderSize + tableBytes;
  Bytes out(bitsOffset + stride * std::size_t(image.height), 0);

  PutLe32(&out, 0, kHeaderSize);
  PutLe32(&out, 4, std::uint32_t(image.width));
  PutLe32(&out, 8, std::uint32_t(image.height));  // positive: rows bottom-up
  PutLe16(&out, 12, 1);                           // planes
  PutLe16(&out, 14, std::uint32_t(bitCount));
  PutLe32(&out, 16, 0);  // no compression
  PutLe32(&out, 20, std::uint32_t(stride * std::size_t(image.height)));
  PutLe32(&out, 24, 0);  // resolution: not given
  PutLe32(&out, 28, 0);
  PutLe32(&out, 32, std::uint32_t(table.size()));  // colours used
  PutLe32(&out, 36, 0);                            // all colours important
  for (std::size_t i = 0; i < table.size(); ++i) {
    const Rgb c = table[i];
    out[kHeaderSize + 4 * i] = std::uint8_t(c & 255);
    out[kHeaderSize + 4 * i + 1] = std::uint8_t((c >> 8) & 255);
    out[kHeaderSize + 4 * i + 2] = std::uint8_t((c >> 16) & 255);
    out[kHeaderSize + 4 * i + 3] = 0;
  }

  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* row = out.data() + bitsOffset + stride * std::size_t(image.height - 1 - y);
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = image.pixels[std::size_t(y * image.width + x)];
      switch (bitCount) {
        case 1:
          if (c == kWhite) row[x / 8] |= std::uint8_t(0x80 >> (x % 8));
          break;
        case 4:
          row[x / 2] |= std::uint8_t(indexOf[c] << ((x % 2) ? 0 : 4));
          break;
        case 8:
          row[x] = std::uint8_t(indexOf[c]);
          break;
        default:
          row[3 * x] = std::uint8_t(c & 255);
          row[3 * x + 1] = std::uint8_t((c >> 8) & 255);
          row[3 * x + 2] = std::uint8_t((c >> 16) & 255);
          break;
      }
    }
  }
  return out;
}

Bytes EncodeArchive(const std::vector<Bytes>& entries) {
  if (entries.size() > 0xFFFF) throw std::invalid_argument("too many archive entries");
  Bytes out;
  const std::uint32_t count = std::uint32_t(entries.size());
  out.push_back(std::uint8_t(count >> 8));
  out.push_back(std::uint8_t(count & 255));
  for (const Bytes& entry : entries) {
    const std::uint64_t size = entry.size();
    if (size > 0xFFFFFFFFull) throw std::invalid_argument("archive entry too large");
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t((size >> shift) & 255));
  }
  for (const Bytes& entry : entries) out.insert(out.end(), entry.begin(), entry.end());
  return out;
}

}  // namespace artwork
