// Fuzz target: the picture archive reader and the picture decoder behind it. The input is an
// archive of four entries, read both as the game reads its archive (the preload of the cache,
// then pictures read by name, cached or found by scanning the file) and as the launcher reads
// its four-picture archive; every picture that comes out is drawn. The game's directory is cut
// down to four names, two of them cached, so that each input is small and each run reaches
// every path of the reader: the format does not depend on the number of entries.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "fuzz/fuzz_support.h"
#include "platform/platform.h"

namespace {

constexpr int kEntries = 4;
const char* const kNames[kEntries] = {"WLDMAP.BMP", "PLYA_1.BMP", "UFO1.bmp", "PLYB_1.BMP"};

void DrawEverywhere(const Picture& picture) {
  if (!picture.bytes) return;
  platform::DeviceContext* dc = fuzz::ScratchDc();
  platform::DibToDevice(dc, 3, 2, picture.bytes, picture.size);
  const int width = DibWidth(picture);
  const int height = DibHeight(picture);
  if (width > 0 && height != 0 && width < 4096 && height < 4096 && height > -4096) {
    // Mirrored, as the players facing left are drawn, and through a mask operation.
    platform::StretchDib(dc, -5, 7, -width, height, picture.bytes, picture.size,
                         platform::Rop::SrcCopy);
    platform::StretchDib(dc, 30, -3, width, height, picture.bytes, picture.size,
                         platform::Rop::SrcAnd);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnsureStarted();
  static bool prepared = false;
  if (!prepared) {
    prepared = true;
    ResetGraphicsArchive();
    graphicsArchive.fileName = "FUZZ.DAT";
    graphicsArchive.directory.assign(kNames, kNames + kEntries);
    graphicsArchive.cacheList = {kNames[1], kNames[3]};
    graphicsArchive.playerNameCount = int(graphicsArchive.cacheList.size());
  }
  fuzz::WriteInput("FUZZ.DAT", data, size);

  if (PreloadCache() == 0) {
    // The cached pictures, and the others read by scanning the archive.
    for (const char* name : kNames) DrawEverywhere(LoadPicture(name));
  } else {
    for (const char* name : {kNames[0], kNames[2]}) DrawEverywhere(LoadPicture(name));
  }
  ReleaseArchivePictures();

  std::vector<Picture> pictures;
  ReadWholeArchive("FUZZ.DAT", kEntries, &pictures);
  for (const Picture& picture : pictures) DrawEverywhere(picture);
  ReleaseArchivePictures();
  return 0;
}
