// Reading pictures out of a graphics archive, the preloaded cache, and the memory that holds
// every picture for the rest of the run.
//
// Every entry is checked when it is read: its bitmap header must describe a picture whose
// colour table and rows lie inside the entry. An entry that fails is not kept; its picture is
// null, exactly like a picture that could not be read, and the drawing skips it.
#include "presentation/graphics_archive.h"

#include <array>
#include <memory>
#include <unordered_map>

#include "platform/platform.h"

namespace {

// Entries are skipped (read and dropped) in pieces of this size.
constexpr std::size_t kSkipChunk = 64 * 1024;
// No valid picture needs more bytes than the largest accepted one (4096 × 4096 pixels at 24
// bits, a 40-byte header); larger entries are read through without being kept.
constexpr std::size_t kLargestEntry = 40 + std::size_t(4096) * 4096 * 3;

struct Block {
  std::unique_ptr<std::uint8_t[]> bytes;
  std::size_t size = 0;
};

// Owner of every picture handed out: LoadPicture's, the cache's and the launcher's.
struct PictureMemory {
  std::vector<Block> blocks;
  std::array<Picture, kCacheSlots> cache{};  // by cache index; index 0 unused
  std::vector<Picture> byPosition;           // pictures read by LoadPicture, by position
};
PictureMemory memory;

std::uint32_t Be32(const std::uint8_t* p) {
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
         std::uint32_t(p[3]);
}
std::uint32_t Le32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
         (std::uint32_t(p[3]) << 24);
}
int Le16(const std::uint8_t* p) {
  return p[0] | (p[1] << 8);
}

// One open archive, closed on every way out.
class ArchiveFile {
 public:
  explicit ArchiveFile(const std::string& name) : file_(platform::OpenFileRead(name)) {}
  ~ArchiveFile() { platform::CloseFile(file_); }
  ArchiveFile(const ArchiveFile&) = delete;
  ArchiveFile& operator=(const ArchiveFile&) = delete;

  bool IsOpen() const { return file_ != platform::kNoFile; }

  // The count (which must equal expectedCount) and the size table. False on a short read or
  // a count that does not match.
  bool ReadHeader(int expectedCount, std::vector<std::uint32_t>* sizes) {
    std::uint8_t count[2];
    if (platform::ReadFile(file_, count, 2) != 2) return false;
    if ((count[0] << 8 | count[1]) != expectedCount) return false;
    std::vector<std::uint8_t> table(std::size_t(expectedCount) * 4);
    if (platform::ReadFile(file_, table.data(), table.size()) != long(table.size())) return false;
    sizes->resize(std::size_t(expectedCount));
    for (std::size_t i = 0; i < sizes->size(); ++i) (*sizes)[i] = Be32(&table[i * 4]);
    return true;
  }

  // Reads the next entry into a block of its own size. False on a short read. An entry too
  // large to be a picture is read through and comes back as an empty block.
  bool ReadEntry(std::uint32_t size, Block* block) {
    if (size > kLargestEntry) {
      *block = Block{};
      return SkipEntry(size);
    }
    block->bytes = std::make_unique_for_overwrite<std::uint8_t[]>(size);
    block->size = size;
    return platform::ReadFile(file_, block->bytes.get(), size) == long(size);
  }

  // Reads the next entry through one buffer kept for the purpose and checks that it holds a
  // valid picture, keeping nothing. False on a short read; *valid tells the check.
  bool CheckEntry(std::uint32_t size, bool* valid) {
    *valid = false;
    if (size > kLargestEntry) return SkipEntry(size);
    if (check_.size() < size) check_.resize(size);
    if (platform::ReadFile(file_, check_.data(), size) != long(size)) return false;
    *valid = platform::ParsePackedDib(check_.data(), size, nullptr);
    return true;
  }

  // Reads the next entry and drops it. False on a short read.
  bool SkipEntry(std::uint32_t size) {
    if (scratch_.empty()) scratch_.resize(kSkipChunk);
    std::size_t left = size;
    while (left > 0) {
      const std::size_t piece = left < kSkipChunk ? left : kSkipChunk;
      if (platform::ReadFile(file_, scratch_.data(), piece) != long(piece)) return false;
      left -= piece;
    }
    return true;
  }

 private:
  platform::FileHandle file_;
  std::vector<std::uint8_t> scratch_;
  std::vector<std::uint8_t> check_;
};

// Keeps the block when it holds a valid picture and hands the picture out; drops it otherwise.
Picture Keep(Block block) {
  if (!block.bytes || !platform::ParsePackedDib(block.bytes.get(), block.size, nullptr)) {
    return Picture{};
  }
  Picture picture{block.bytes.get(), block.size};
  memory.blocks.push_back(std::move(block));
  return picture;
}

int DirectoryCount() {
  return int(graphicsArchive.directory.size());
}

}  // namespace

Picture LoadPicture(std::string_view name) {
  if (const int index = FindInCache(name); index != 0) {
    return index < kCacheSlots ? memory.cache[std::size_t(index)] : Picture{};
  }
  const int position = FindInDirectory(name);
  if (position == kNotInDirectory) return Picture{};
  // A picture read once is handed out again without reading the archive a second time.
  if (std::size_t(position) < memory.byPosition.size() &&
      memory.byPosition[std::size_t(position)]) {
    return memory.byPosition[std::size_t(position)];
  }

  graphicsArchive.archiveError = 0;
  ArchiveFile file(graphicsArchive.fileName);
  if (!file.IsOpen()) {
    graphicsArchive.archiveError = -1;
    return Picture{};
  }
  std::vector<std::uint32_t> sizes;
  if (!file.ReadHeader(DirectoryCount(), &sizes)) {
    graphicsArchive.archiveError = 2;
    return Picture{};
  }
  for (std::size_t j = 0; j < sizes.size(); ++j) {
    if (j != std::size_t(position)) {
      if (!file.SkipEntry(sizes[j])) {
        graphicsArchive.archiveError = 2;
        return Picture{};
      }
      continue;
    }
    Block block;
    if (!file.ReadEntry(sizes[j], &block)) {
      graphicsArchive.archiveError = 2;
      return Picture{};
    }
    const Picture picture = Keep(std::move(block));
    if (!picture) {
      graphicsArchive.archiveError = 2;  // the entry's header does not describe its bytes
      return Picture{};
    }
    if (memory.byPosition.size() < sizes.size()) memory.byPosition.resize(sizes.size());
    memory.byPosition[j] = picture;
    return picture;
  }
  graphicsArchive.archiveError = 10;
  return Picture{};
}

int PreloadCache() {
  graphicsArchive.archiveError = 0;
  ArchiveFile file(graphicsArchive.fileName);
  if (!file.IsOpen()) {
    graphicsArchive.archiveError = -1;
    return 1;
  }
  std::vector<std::uint32_t> sizes;
  if (!file.ReadHeader(DirectoryCount(), &sizes)) {
    graphicsArchive.archiveError = 2;
    return 1;
  }
  // The cache index of every cached name (the first one where a name repeats).
  std::unordered_map<std::string_view, int> cacheIndex;
  for (std::size_t i = 0; i < graphicsArchive.cacheList.size(); ++i) {
    cacheIndex.emplace(graphicsArchive.cacheList[i], int(i) + 1);
  }
  bool damaged = false;
  for (std::size_t j = 0; j < sizes.size(); ++j) {
    const auto found = cacheIndex.find(graphicsArchive.directory[j]);
    const int index = found == cacheIndex.end() ? 0 : found->second;
    // Cache slots already filled by an earlier preload are read through. Pictures not in the
    // cache are checked and dropped, so that a damaged one the game would read later (a
    // flag, a crowd, a photo) is reported now, once, and not missed in silence mid-campaign.
    if (index != 0 && index < kCacheSlots && memory.cache[std::size_t(index)]) {
      if (!file.SkipEntry(sizes[j])) {
        graphicsArchive.archiveError = 2;
        return 1;
      }
      continue;
    }
    if (index == 0 || index >= kCacheSlots) {
      bool valid = false;
      if (!file.CheckEntry(sizes[j], &valid)) {
        graphicsArchive.archiveError = 2;
        return 1;
      }
      if (!valid) damaged = true;
      continue;
    }
    Block block;
    if (!file.ReadEntry(sizes[j], &block)) {
      graphicsArchive.archiveError = 2;
      return 1;
    }
    memory.cache[std::size_t(index)] = Keep(std::move(block));
    if (!memory.cache[std::size_t(index)]) damaged = true;
  }
  if (damaged) {
    graphicsArchive.archiveError = 2;
    return 1;
  }
  return 0;
}

int ReadWholeArchive(const std::string& fileName, int expectedCount,
                     std::vector<Picture>* pictures) {
  pictures->assign(std::size_t(expectedCount > 0 ? expectedCount : 0), Picture{});
  graphicsArchive.archiveError = 0;
  ArchiveFile file(fileName);
  if (!file.IsOpen()) return graphicsArchive.archiveError = -1;
  std::vector<std::uint32_t> sizes;
  if (expectedCount < 0 || expectedCount > 0xFFFF || !file.ReadHeader(expectedCount, &sizes)) {
    return graphicsArchive.archiveError = 2;
  }
  bool damaged = false;
  for (std::size_t j = 0; j < sizes.size(); ++j) {
    Block block;
    if (!file.ReadEntry(sizes[j], &block)) return graphicsArchive.archiveError = 2;
    (*pictures)[j] = Keep(std::move(block));
    if (!(*pictures)[j]) damaged = true;
  }
  if (damaged) graphicsArchive.archiveError = 2;
  return graphicsArchive.archiveError;
}

bool CheckArchiveAfterFirstPaint() {
  if (graphicsArchive.playerNameCount != 0) return false;
  if (graphicsArchive.directory.empty()) BuildDirectory();
  BuildCacheList();
  return PreloadCache() != 0;
}

void ReleaseArchivePictures() {
  memory.cache.fill(Picture{});
  memory.byPosition.clear();
  memory.blocks.clear();
}

std::size_t CountHeldPictures() {
  return memory.blocks.size();
}

std::size_t CountHeldPictureBytes() {
  std::size_t bytes = 0;
  for (const Block& block : memory.blocks) bytes += block.size;
  return bytes;
}

int CountCachedPictures() {
  int count = 0;
  for (const Picture& picture : memory.cache) count += picture ? 1 : 0;
  return count;
}

int DibHeaderSize(const Picture& picture) {
  if (!picture || picture.size < 4) return 0;
  return int(Le32(picture.bytes));
}

int DibWidth(const Picture& picture) {
  // The 16-bit width of a 12-byte header and the low half of the 32-bit width of a larger one
  // are the same two bytes at offset 4.
  if (!picture || picture.size < 6) return 0;
  return Le16(picture.bytes + 4);
}

int DibHeight(const Picture& picture) {
  const int headerSize = DibHeaderSize(picture);
  const std::size_t offset = headerSize == 12 ? 6 : 8;
  if (headerSize == 0 || picture.size < offset + 2) return 0;
  return Le16(picture.bytes + offset);
}

const std::uint8_t* DibBits(const Picture& picture) {
  const int headerSize = DibHeaderSize(picture);
  if (headerSize < 12 || std::size_t(headerSize) > picture.size) return nullptr;
  if (headerSize != 12 && picture.size < 16) return nullptr;
  std::size_t table = 0;
  if (headerSize == 12) {
    const int bitCount = Le16(picture.bytes + 10);
    if (bitCount >= 32) return nullptr;
    if (bitCount != 24) table = (std::size_t(1) << bitCount) * 3;
  } else {
    const int bitCount = Le16(picture.bytes + 14);
    const std::uint32_t coloursUsed = headerSize >= 36 ? Le32(picture.bytes + 32) : 0;
    if (coloursUsed != 0) {
      table = std::size_t(coloursUsed) * 4;
    } else if (bitCount != 24) {
      if (bitCount >= 32) return nullptr;
      table = (std::size_t(1) << bitCount) * 4;
    }
  }
  const std::size_t offset = std::size_t(headerSize) + table;
  if (offset > picture.size) return nullptr;
  return picture.bytes + offset;
}

void ResetGraphicsArchive() {
  ReleaseArchivePictures();
  graphicsArchive = GraphicsArchive{};
}
