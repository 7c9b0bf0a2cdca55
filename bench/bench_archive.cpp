// The preload of the picture cache at start-up over a full-size archive, next to a plain read
// of the same file in the same run, and the pictures read by name at window creation.
//
// Uses the generated game folder's GDAT.DAT when it exists, otherwise a synthetic archive of
// 588 pictures of realistic sizes written to a temporary folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "platform/platform.h"
#include "presentation/bitmap_store.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutLe(Bytes* out, std::size_t at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) (*out)[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

Bytes MakeDib(int width, int height, int bitCount) {
  const std::size_t colours = bitCount == 24 ? 0 : (std::size_t(1) << bitCount);
  const std::size_t stride = ((std::size_t(width) * std::size_t(bitCount) + 31) / 32) * 4;
  Bytes dib(40 + colours * 4 + stride * std::size_t(height), 0x5A);
  PutLe(&dib, 0, 40, 4);
  PutLe(&dib, 4, std::uint32_t(width), 4);
  PutLe(&dib, 8, std::uint32_t(height), 4);
  PutLe(&dib, 12, 1, 2);
  PutLe(&dib, 14, std::uint32_t(bitCount), 2);
  PutLe(&dib, 16, 0, 4);
  PutLe(&dib, 32, 0, 4);
  return dib;
}

bool StartsWith(const std::string& name, const char* prefix) {
  return name.rfind(prefix, 0) == 0;
}
bool IsMask(const std::string& name) {
  return name.find("X.BMP") != std::string::npos;
}

// A picture of about the size the game draws it at.
Bytes SyntheticPicture(const std::string& name) {
  const int bits = IsMask(name) ? 1 : 8;
  if (name == "WLDMAP.BMP" || StartsWith(name, "歓喜")) return MakeDib(640, 400, 8);
  if (StartsWith(name, "LGOAL") || StartsWith(name, "RGOAL")) return MakeDib(24, 120, bits);
  if (StartsWith(name, "POLE")) return MakeDib(12, 30, bits);
  if (StartsWith(name, "BALL")) return MakeDib(10, 10, bits);
  if (StartsWith(name, "KANBAN")) return MakeDib(160, 24, 8);
  if (StartsWith(name, "kansyuu") || StartsWith(name, "KANSYUU")) return MakeDib(100, 40, 8);
  if (StartsWith(name, "kabe")) return MakeDib(100, 16, 8);
  if (StartsWith(name, "SCUP")) return MakeDib(48, 80, bits);
  if (StartsWith(name, "FBUKI")) return MakeDib(200, 150, bits);
  if (StartsWith(name, "ENT")) return MakeDib(60, 70, 8);
  if (StartsWith(name, "SF_")) return MakeDib(30, 20, 8);
  if (StartsWith(name, "SS")) return MakeDib(60, 40, 8);
  if (StartsWith(name, "MF_")) return MakeDib(140, 130, name == "MF_X.BMP" ? 1 : 8);
  if (StartsWith(name, "UFO") || StartsWith(name, "飛行機")) return MakeDib(200, 30, 8);
  return MakeDib(128, 40, bits);  // the player sheets, their masks and overlays
}

Bytes SyntheticArchive() {
  Bytes out = {std::uint8_t(kDirectorySize >> 8), std::uint8_t(kDirectorySize & 255)};
  std::vector<Bytes> entries;
  for (const std::string& name : graphicsArchive.directory) {
    entries.push_back(SyntheticPicture(name));
    const std::uint32_t size = std::uint32_t(entries.back().size());
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(size >> shift));
  }
  for (const Bytes& entry : entries) out.insert(out.end(), entry.begin(), entry.end());
  return out;
}

std::filesystem::path scratchFolder;

// Makes the folder holding GDAT.DAT the current directory. False when nothing can be set up.
bool PrepareArchive() {
  BuildDirectory();
  BuildCacheList();
  const std::filesystem::path game(FELDO_GAME_DIR);
  if (std::filesystem::exists(game / "GDAT.DAT")) {
    std::printf("archive: %s\n", (game / "GDAT.DAT").c_str());
    return platform::SetCurrentDirectory(game.string());
  }
  scratchFolder = std::filesystem::temp_directory_path() /
                  ("feldo-bench-archive-" + std::to_string(::getpid()));
  std::filesystem::create_directories(scratchFolder);
  if (!platform::SetCurrentDirectory(scratchFolder.string())) return false;
  const Bytes bytes = SyntheticArchive();
  const platform::FileHandle file = platform::CreateFile("GDAT.DAT");
  const bool written = platform::WriteFile(file, bytes.data(), bytes.size()) == long(bytes.size());
  platform::CloseFile(file);
  std::printf("archive: synthetic, %zu bytes\n", bytes.size());
  return written;
}

std::int64_t ArchiveBytes() {
  return std::int64_t(std::filesystem::file_size("GDAT.DAT"));
}

void BM_PlainRead(benchmark::State& state) {
  std::vector<std::uint8_t> buffer(64 * 1024);
  for (auto _ : state) {
    const platform::FileHandle file = platform::OpenFileRead("GDAT.DAT");
    long total = 0;
    for (long got; (got = platform::ReadFile(file, buffer.data(), buffer.size())) > 0;) {
      total += got;
    }
    platform::CloseFile(file);
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * ArchiveBytes());
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

void BM_PreloadCache(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    ReleasePictures();
    state.ResumeTiming();
    if (PreloadCache() != 0 || CountCachedPictures() != kCacheListSize) {
      state.SkipWithError("the preload failed");
      break;
    }
  }
  state.SetBytesProcessed(state.iterations() * ArchiveBytes());
  ReleasePictures();
}
BENCHMARK(BM_PreloadCache)->Unit(benchmark::kMillisecond);

// The pictures read by name at window creation, each by a scan from the archive's start.
void BM_WindowCreationLoads(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    ReleasePictures();
    state.ResumeTiming();
    LoadPitchPictures();
    LoadFlagPictures();
    if (!bitmapStore.smallFlags[30]) {
      state.SkipWithError("a picture could not be read");
      break;
    }
  }
  ReleasePictures();
}
BENCHMARK(BM_WindowCreationLoads)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const std::string previous = platform::CurrentDirectory();
  const bool ready = PrepareArchive();
  if (ready) benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  platform::SetCurrentDirectory(previous);
  if (!scratchFolder.empty()) std::filesystem::remove_all(scratchFolder);
  return ready ? 0 : 1;
}
