// Reading back what the generator wrote: packed device-independent bitmaps decoded to pixels,
// archives split into their entries, whole files read into memory.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "artwork/picture.h"
#include "platform/platform.h"

namespace artwork_test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline std::uint32_t Le32(const Bytes& b, std::size_t at) {
  return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) |
         (std::uint32_t(b[at + 3]) << 24);
}
inline std::uint32_t Le16(const Bytes& b, std::size_t at) {
  return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8);
}
inline std::uint32_t Be32(const Bytes& b, std::size_t at) {
  return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) |
         (std::uint32_t(b[at + 2]) << 8) | std::uint32_t(b[at + 3]);
}

// The entries of an archive, or an empty list when its header or sizes do not add up.
inline std::vector<Bytes> SplitArchive(const Bytes& archive) {
  if (archive.size() < 2) return {};
  const std::size_t count = (std::size_t(archive[0]) << 8) | archive[1];
  std::size_t at = 2 + 4 * count;
  if (archive.size() < at) return {};
  std::vector<Bytes> entries;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t size = Be32(archive, 2 + 4 * i);
    if (at + size > archive.size()) return {};
    entries.emplace_back(archive.begin() + std::ptrdiff_t(at),
                         archive.begin() + std::ptrdiff_t(at + size));
    at += size;
  }
  if (at != archive.size()) return {};
  return entries;
}

// The pixels of a packed DIB (1, 4, 8 or 24 bits), rows from the top; an empty image when the
// platform's reader refuses it.
inline artwork::Image DecodeDib(const Bytes& dib) {
  platform::DibInfo info;
  if (!platform::ParsePackedDib(dib.data(), dib.size(), &info)) return {};
  artwork::Image image(info.width, info.height);
  const std::size_t table = std::size_t(info.headerSize);
  auto entry = [&](std::uint32_t index) {
    const std::size_t at = table + 4 * index;
    return artwork::MakeRgb(dib[at + 2], dib[at + 1], dib[at]);
  };
  for (int y = 0; y < info.height; ++y) {
    const std::size_t row = info.bitsOffset + info.stride * std::size_t(info.height - 1 - y);
    for (int x = 0; x < info.width; ++x) {
      artwork::Rgb c = 0;
      switch (info.bitCount) {
        case 1:
          c = entry((dib[row + std::size_t(x / 8)] >> (7 - x % 8)) & 1);
          break;
        case 4:
          c = entry((dib[row + std::size_t(x / 2)] >> ((x % 2) ? 0 : 4)) & 15);
          break;
        case 8:
          c = entry(dib[row + std::size_t(x)]);
          break;
        default: {
          const std::size_t at = row + 3 * std::size_t(x);
          c = artwork::MakeRgb(dib[at + 2], dib[at + 1], dib[at]);
        }
      }
      image.Set(x, y, c);
    }
  }
  return image;
}

}  // namespace artwork_test
