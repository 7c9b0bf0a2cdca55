// Reading pictures out of a graphics archive, the preloaded cache, and the memory that holds
// every picture for the rest of the run.
//
// Every entry is checked when it is read: its bitmap header must describe a picture whose
// colour table and rows lie inside the entry. An entry that fails is not kept; its picture is
// null, exactly like a picture that could not be read, and the drawing skips it.
#include "archive/graphics_archive.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "platform/platform.h"

namespace {

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

// One open archive, closed on every way out. It is read front to back through a buffer of
// its own: GDAT.DAT holds thousands of entries of a few hundred bytes, and one system call
// per entry made reading it the largest part of the start-up.
class ArchiveFile {
 public:
  explicit ArchiveFile(const std::string& name)
      : file_(platform::OpenFileRead(name)), size_(platform::FileSize(file_)) {}
  ~ArchiveFile() { platform::CloseFile(file_); }
  ArchiveFile(const ArchiveFile&) = delete;
  ArchiveFile& operator=(const ArchiveFile&) = delete;

  bool IsOpen() const { return file_ != platform::kNoFile; }

  // The count (which must equal expectedCount) and the size table. False on a short read or
  // a count that does not match.
  bool ReadHeader(int expectedCount, std::vector<std::uint32_t>* sizes) {
    std::uint8_t count[2];
    if (!Read(count, 2)) return false;
    if ((count[0] << 8 | count[1]) != expectedCount) return false;
    std::vector<std::uint8_t> table(std::size_t(expectedCount) * 4);
    if (!Read(table.data(), table.size())) return false;
    sizes->resize(std::size_t(expectedCount));
    for (std::size_t i = 0; i < sizes->size(); ++i) (*sizes)[i] = Be32(&table[i * 4]);
    return true;
  }

  // Reads the next entry into a block of its own size. False on a short read. An entry too
  // large to be a picture is read through and comes back as an empty block.
  bool ReadEntry(std::uint32_t size, Block* block) {
    // A size the rest of the file cannot hold is a short read, found before any memory is
    // taken for it.
    if (!Holds(size)) return false;
    if (size > kLargestEntry) {
      *block = Block{};
      return SkipEntry(size);
    }
    block->bytes = std::make_unique_for_overwrite<std::uint8_t[]>(size);
    block->size = size;
    return Read(block->bytes.get(), size);
  }

  // Reads the next entry through one buffer kept for the purpose and checks that it holds a
  // valid picture, keeping nothing. False on a short read; *valid tells the check.
  bool CheckEntry(std::uint32_t size, bool* valid) {
    *valid = false;
    if (!Holds(size)) return false;
    if (size > kLargestEntry) return SkipEntry(size);
    if (checkSize_ < size) {
      check_ = std::make_unique_for_overwrite<std::uint8_t[]>(size);
      checkSize_ = size;
    }
    if (!Read(check_.get(), size)) return false;
    *valid = platform::ParsePackedDib(check_.get(), size, nullptr);
    return true;
  }

  // Moves to `offset` bytes from the start of the file: within the buffer where it can, by a
  // seek otherwise. False when the file cannot seek.
  bool SeekTo(std::uint64_t offset) {
    const std::uint64_t bufferStart = fileOffset_ - end_;
    if (offset >= bufferStart && offset <= fileOffset_) {
      next_ = std::size_t(offset - bufferStart);
      return true;
    }
    next_ = end_ = 0;
    if (!platform::SeekFile(file_, offset)) return false;
    fileOffset_ = offset;
    return true;
  }

  // Reads the next entry and drops it. False on a short read.
  bool SkipEntry(std::uint32_t size) {
    std::size_t left = size;
    while (left > 0) {
      if (!Fill()) return false;
      const std::size_t piece = std::min(left, end_ - next_);
      next_ += piece;
      left -= piece;
    }
    return true;
  }

 private:
  // Whether `count` more bytes are left in the file (true when its size is not known).
  bool Holds(std::uint64_t count) const {
    if (size_ < 0) return true;
    const std::uint64_t position = fileOffset_ - (end_ - next_);
    return position <= std::uint64_t(size_) && count <= std::uint64_t(size_) - position;
  }

  // The next `count` bytes of the file into `out`. False when the file ends first.
  bool Read(void* out, std::size_t count) {
    auto* to = static_cast<std::uint8_t*>(out);
    while (count > 0) {
      if (next_ == end_ && count >= kBufferSize) {
        // A large entry goes straight where it belongs.
        const long got = platform::ReadFile(file_, to, count);
        if (got > 0) fileOffset_ += std::uint64_t(got);
        return got == long(count);
      }
      if (!Fill()) return false;
      const std::size_t piece = std::min(count, end_ - next_);
      std::memcpy(to, buffer_.get() + next_, piece);
      next_ += piece;
      to += piece;
      count -= piece;
    }
    return true;
  }

  // Makes sure the buffer holds at least one unread byte. False at the end of the file.
  bool Fill() {
    if (next_ < end_) return true;
    if (!buffer_) {
      // No larger than the file: a small archive needs no large buffer.
      bufferSize_ =
          size_ >= 0 ? std::size_t(std::clamp<std::int64_t>(size_, 1, kBufferSize)) : kBufferSize;
      buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(bufferSize_);
    }
    const long got = platform::ReadFile(file_, buffer_.get(), bufferSize_);
    next_ = 0;
    end_ = got > 0 ? std::size_t(got) : 0;
    fileOffset_ += end_;
    return end_ > 0;
  }

  static constexpr std::size_t kBufferSize = 64 * 1024;
  platform::FileHandle file_;
  std::int64_t size_;  // the file's size, -1 when not known
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::size_t bufferSize_ = 0;
  std::size_t next_ = 0, end_ = 0;  // the unread bytes of the buffer
  std::uint64_t fileOffset_ = 0;    // the file's own position: just past the buffer's bytes
  std::unique_ptr<std::uint8_t[]> check_;
  std::size_t checkSize_ = 0;
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
  if (std::size_t(position) >= sizes.size()) {
    graphicsArchive.archiveError = 10;
    return Picture{};
  }
  // The entry starts after the header and every entry before it.
  std::uint64_t offset = 2 + 4 * std::uint64_t(sizes.size());
  for (std::size_t j = 0; j < std::size_t(position); ++j) offset += sizes[j];
  Block block;
  if (!file.SeekTo(offset) || !file.ReadEntry(sizes[std::size_t(position)], &block)) {
    graphicsArchive.archiveError = 2;
    return Picture{};
  }
  const Picture picture = Keep(std::move(block));
  if (!picture) {
    graphicsArchive.archiveError = 2;  // the entry's header does not describe its bytes
    return Picture{};
  }
  if (memory.byPosition.size() < sizes.size()) memory.byPosition.resize(sizes.size());
  memory.byPosition[std::size_t(position)] = picture;
  return picture;
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
