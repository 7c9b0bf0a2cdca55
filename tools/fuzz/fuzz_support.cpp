#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/headless/headless.h"

namespace fuzz {

namespace {

platform::DeviceContext* scratchDc = nullptr;

}  // namespace

void EnsureStarted() {
  static bool started = false;
  if (started) return;
  started = true;
  char folder[] = "/tmp/feldo-fuzz-XXXXXX";
  if (::mkdtemp(folder) == nullptr || ::chdir(folder) != 0) {
    std::perror("fuzz: scratch folder");
    std::abort();
  }
  static const platform::ResourceTable resources{};
  platform::headless::StartForTests(resources);
  scratchDc = platform::CreateCompatibleDC(nullptr);
  platform::SelectBitmap(scratchDc, platform::CreateCompatibleBitmap(scratchDc, 64, 48));
}

void WriteInput(const char* name, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(name, "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

platform::DeviceContext* ScratchDc() {
  return scratchDc;
}

}  // namespace fuzz
