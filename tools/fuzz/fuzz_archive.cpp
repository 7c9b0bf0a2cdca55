// Fuzz target: the picture archive reader and the picture decoder behind it. The input is an
// archive file, read both as the game's archive (the preload of the cache, then pictures read
// by name) and as the launcher's four-picture archive; every picture that comes out is drawn.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "fuzz/fuzz_support.h"
#include "platform/platform.h"

namespace {

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
  fuzz::WriteInput("FUZZ.DAT", data, size);

  ResetGraphicsArchive();
  graphicsArchive.fileName = "FUZZ.DAT";
  BuildDirectory();
  BuildCacheList();
  if (PreloadCache() == 0) {
    // A few names the cache holds and a few it does not (read by scanning the archive).
    for (const char* name : {"WLDMAP.BMP", "UFO1.bmp", "FBUKI1.BMP", "KANSYUU1.BMP"}) {
      DrawEverywhere(LoadPicture(name));
    }
    for (int index = 1; index <= kCacheListSize; index += 97) {
      DrawEverywhere(LoadPicture(graphicsArchive.cacheList[std::size_t(index - 1)]));
    }
  }
  ReleaseArchivePictures();

  std::vector<Picture> pictures;
  ReadWholeArchive("FUZZ.DAT", 4, &pictures);
  for (const Picture& picture : pictures) DrawEverywhere(picture);
  ReleaseArchivePictures();
  return 0;
}
