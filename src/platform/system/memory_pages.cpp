#include "platform/system/memory_pages.h"

#include <sys/mman.h>
#include <unistd.h>

namespace platform::detail {

namespace {
// Below this the faults cost less than the call.
constexpr std::size_t kPopulateFrom = 256 * 1024;
}  // namespace

bool PopulatePages(void* data, std::size_t bytes) {
#ifdef MADV_POPULATE_WRITE
  if (data == nullptr || bytes < kPopulateFrom) return false;
  const std::uintptr_t page = std::uintptr_t(sysconf(_SC_PAGESIZE));
  const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) / page * page;
  const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + bytes) / page * page;
  return end > begin &&
         madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE) == 0;
#else
  (void)data;
  (void)bytes;
  return false;
#endif
}

void AssignPixels(std::vector<std::uint32_t>* pixels, std::size_t count, std::uint32_t fill) {
  if (count > pixels->capacity() && count * sizeof(std::uint32_t) >= kPopulateFrom) {
    std::vector<std::uint32_t> fresh;
    fresh.reserve(count);
    PopulatePages(fresh.data(), count * sizeof(std::uint32_t));
    fresh.assign(count, fill);
    pixels->swap(fresh);
    return;
  }
  pixels->assign(count, fill);
}

}  // namespace platform::detail
