// Writes the seed corpora of the fuzz targets: for each reader a valid file of its kind and a
// few broken ones, made with the artwork generator's own encoder.
//   fuzz_make_seeds OUT_FOLDER     (writes OUT_FOLDER/archive/... and OUT_FOLDER/settings/...)
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "artwork/dib_encode.h"
#include "presentation/graphics_archive.h"

namespace fs = std::filesystem;
using artwork::Bytes;

namespace {

void Write(const fs::path& path, const Bytes& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A small picture of its own for entry k: sizes, colour counts and storages vary.
Bytes Entry(int k) {
  const int width = 1 + k % 7, height = 1 + k % 5;
  artwork::Image image(width, height);
  const bool mask = k % 11 == 5;
  const int colours = k % 3 == 0 ? 2 : (k % 3 == 1 ? 12 : 300);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int c = (x * 31 + y * 17 + k) % colours;
      image.Set(x, y,
                mask ? ((x + y) % 2 ? artwork::kWhite : artwork::kBlack)
                     : artwork::MakeRgb(c * 7, c * 13, c * 29));
    }
  }
  return artwork::EncodeDib(image, mask ? artwork::Storage::Mask : artwork::Storage::Colour);
}

Bytes Archive(int count) {
  std::vector<Bytes> entries;
  for (int k = 0; k < count; ++k) entries.push_back(Entry(k));
  return artwork::EncodeArchive(entries);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_make_seeds OUT_FOLDER\n");
    return 2;
  }
  const fs::path out = argv[1];
  const Bytes game = Archive(kDirectorySize);
  Write(out / "archive" / "game-valid", game);
  Write(out / "archive" / "game-count-one-more", Archive(kDirectorySize + 1));
  Write(out / "archive" / "game-count-one-less", Archive(kDirectorySize - 1));
  Write(out / "archive" / "game-truncated", Bytes(game.begin(), game.begin() + game.size() / 3));
  Bytes bogus = game;
  const std::size_t firstEntry = 2 + 4 * kDirectorySize;
  bogus[firstEntry] = 0x7F;  // header size 127
  bogus[firstEntry + 4] = 0xFF;  // an enormous width
  bogus[firstEntry + 7] = 0x7F;
  Write(out / "archive" / "game-bogus-header", bogus);
  const Bytes launcher = Archive(4);
  Write(out / "archive" / "launcher-valid", launcher);
  Write(out / "archive" / "launcher-truncated",
        Bytes(launcher.begin(), launcher.begin() + launcher.size() - 3));
  Write(out / "archive" / "empty", Bytes{});

  Write(out / "settings" / "valid", Bytes{2, 0});
  Write(out / "settings" / "sound-off", Bytes{0, 1});
  Write(out / "settings" / "empty", Bytes{});
  Write(out / "settings" / "short", Bytes{1});
  Write(out / "settings" / "long", Bytes{1, 0, 7});
  Write(out / "settings" / "out-of-range", Bytes{200, 9});
  return 0;
}
