// Reading the header of a packed device-independent bitmap, trusting nothing: a picture is
// accepted only when its colour table and every pixel row lie inside its bytes.
#include <cstdint>

#include "platform/platform.h"

namespace platform {

namespace {

constexpr int kLargestSide = 4096;

std::uint32_t Le32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
         (std::uint32_t(p[3]) << 24);
}
std::uint16_t Le16(const std::uint8_t* p) {
  return std::uint16_t(p[0] | (p[1] << 8));
}

}  // namespace

bool ParsePackedDib(const std::uint8_t* dib, std::size_t size, DibInfo* info) {
  if (dib == nullptr || size < 12) return false;
  const std::uint32_t headerSize = Le32(dib);
  DibInfo result;
  std::size_t entryBytes = 4;
  if (headerSize == 12) {
    result.width = Le16(dib + 4);
    result.height = Le16(dib + 6);
    result.bitCount = Le16(dib + 10);
    entryBytes = 3;
    result.colourCount = result.bitCount == 24 ? 0 : (1 << (result.bitCount & 15));
  } else if (headerSize >= 40 && headerSize <= size) {
    result.width = static_cast<std::int32_t>(Le32(dib + 4));
    result.height = static_cast<std::int32_t>(Le32(dib + 8));
    result.bitCount = Le16(dib + 14);
    const std::uint32_t compression = Le32(dib + 16);
    if (compression != 0) return false;
    const std::uint32_t coloursUsed = Le32(dib + 32);
    if (coloursUsed != 0) {
      if (coloursUsed > 256) return false;
      result.colourCount = int(coloursUsed);
    } else {
      result.colourCount = result.bitCount == 24 ? 0 : (1 << (result.bitCount & 15));
    }
  } else {
    return false;
  }
  if (result.bitCount != 1 && result.bitCount != 4 && result.bitCount != 8 &&
      result.bitCount != 24) {
    return false;
  }
  if (result.width <= 0 || result.height <= 0 || result.width > kLargestSide ||
      result.height > kLargestSide) {
    return false;
  }
  result.headerSize = int(headerSize);
  result.stride = ((std::size_t(result.width) * std::size_t(result.bitCount) + 31) / 32) * 4;
  result.bitsOffset = std::size_t(headerSize) + std::size_t(result.colourCount) * entryBytes;
  const std::size_t needed = result.bitsOffset + result.stride * std::size_t(result.height);
  if (needed > size) return false;
  if (info != nullptr) *info = result;
  return true;
}

}  // namespace platform
