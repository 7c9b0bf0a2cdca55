// Large pixel buffers with their memory pages asked for in one call. On this kind of machine a
// page fault costs several microseconds, and a 900 x 600 frame buffer filled page by page takes
// about 500 of them; the start-up fills several such buffers before the first paint.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform::detail {

// Gives the whole pages inside [data, data + bytes) their memory now, where the system allows
// it in one call (Linux 5.14 and later); otherwise does nothing and the pages come on first use.
// Never changes a byte. True when the pages were given; false for a block too small to be
// worth the call, or where the system cannot do it.
bool PopulatePages(void* data, std::size_t bytes);

// `pixels` holds `count` copies of `fill` afterwards. When that needs new storage of a large
// size, its pages are populated before they are written.
void AssignPixels(std::vector<std::uint32_t>* pixels, std::size_t count, std::uint32_t fill);

}  // namespace platform::detail
