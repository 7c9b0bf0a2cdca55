#include "fuzz/fuzz_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
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
  // In memory where the machine has a memory file system: an input written to a disk's file
  // system per run (and truncated the next) costs more than the reader it feeds. Inside the
  // folder FELDO_FUZZ_SCRATCH when it is set (tools/fuzz/run.sh makes one and removes it).
  const char* within = std::getenv("FELDO_FUZZ_SCRATCH");
  std::string folder = within != nullptr && *within != '\0' ? std::string(within) : "/dev/shm";
  folder += "/feldo-fuzz-XXXXXX";
  std::string fallback = "/tmp/feldo-fuzz-XXXXXX";
  const char* made = ::mkdtemp(folder.data());
  if (made == nullptr) made = ::mkdtemp(fallback.data());
  if (made == nullptr || ::chdir(made) != 0) {
    std::perror("fuzz: scratch folder");
    std::abort();
  }
  // The folder goes when the program ends through exit (the replays do; a fuzzing run may
  // not, hence run.sh's own folder).
  static std::string scratch;
  scratch = made;
  std::atexit([] { std::filesystem::remove_all(scratch); });
  static const platform::ResourceTable resources{};
  platform::headless::StartForTests(resources);
  scratchDc = platform::CreateCompatibleDC(nullptr);
  platform::SelectBitmap(scratchDc, platform::CreateCompatibleBitmap(scratchDc, 64, 48));
}

void WriteInput(const char* name, const std::uint8_t* data, std::size_t size) {
  const int file = ::open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (file < 0) std::abort();
  if (size > 0 && ::write(file, data, size) != ssize_t(size)) std::abort();
  ::close(file);
}

platform::DeviceContext* ScratchDc() {
  return scratchDc;
}

}  // namespace fuzz
