// Replays a fuzz corpus without the fuzzing engine: every file of the folders (or the files)
// given on the command line goes through the target once. The regular build runs it in the
// test suite, so every change meets the inputs the fuzzing found worth keeping.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int Replay(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return 1;
  }
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int inputs = 0, failures = 0;
  for (int i = 1; i < argc; ++i) {
    // Absolute paths: the target moves into a scratch folder of its own.
    const std::filesystem::path given = std::filesystem::absolute(argv[i]);
    if (std::filesystem::is_directory(given)) {
      std::vector<std::filesystem::path> files;
      for (const auto& entry : std::filesystem::directory_iterator(given)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
      }
      std::sort(files.begin(), files.end());
      for (const auto& file : files) {
        failures += Replay(file);
        ++inputs;
      }
    } else {
      failures += Replay(given);
      ++inputs;
    }
  }
  std::printf("%d inputs replayed\n", inputs);
  return failures == 0 && inputs > 0 ? 0 : 1;
}
