// Frame buffers whose pages are asked for before they are filled hold exactly what a plain
// fill gives, at every size, growing and shrinking.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/system/memory_pages.h"

namespace platform::detail {
namespace {

TEST(FrameBufferPages, AFillGivesEveryPixelTheFillAtEverySize) {
  std::vector<std::uint32_t> pixels;
  // From nothing to a 3x frame, down to a few pixels and up again past what is held.
  for (std::size_t count :
       {std::size_t(0), std::size_t(7), std::size_t(900 * 600), std::size_t(2700 * 1800),
        std::size_t(5), std::size_t(900 * 600), std::size_t(2701 * 1801)}) {
    const std::uint32_t fill = 0x00123456u + std::uint32_t(count);
    AssignPixels(&pixels, count, fill);
    ASSERT_EQ(pixels.size(), count);
    std::size_t wrong = 0;
    for (std::uint32_t pixel : pixels) wrong += pixel != fill ? 1 : 0;
    EXPECT_EQ(wrong, 0u) << count;
  }
}

TEST(FrameBufferPages, PopulatingChangesNoByte) {
  std::vector<std::uint8_t> bytes(3 * 1024 * 1024 + 123);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i * 7 + 1);
  PopulatePages(bytes.data() + 1, bytes.size() - 1);  // not on a page boundary
  std::size_t wrong = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) wrong += bytes[i] != std::uint8_t(i * 7 + 1);
  EXPECT_EQ(wrong, 0u);
  EXPECT_FALSE(PopulatePages(nullptr, 1 << 20));    // nothing to do
  EXPECT_FALSE(PopulatePages(bytes.data(), 4096));  // too small to be worth the call
}

}  // namespace
}  // namespace platform::detail
