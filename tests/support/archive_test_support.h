// Helpers for the graphics archive tests: tiny valid pictures, archives built from them, and a
// scratch folder per test that is the current directory while the test runs.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "base/record_resets.h"
#include "platform/platform.h"
#include "presentation/bitmap_store.h"
#include "support/dib_builder.h"

namespace archive_test {

using Bytes = std::vector<std::uint8_t>;

inline void PutLe16(Bytes* out, std::size_t at, int value) {
  (*out)[at] = std::uint8_t(value & 255);
  (*out)[at + 1] = std::uint8_t((value >> 8) & 255);
}
inline void PutLe32(Bytes* out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) (*out)[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

// A packed bitmap with a 40-byte header (or a 12-byte one when `coreHeader`), a full colour
// table and bottom-up rows. The pixels of each row make the byte `tag + row`, so that
// pictures differ.
inline Bytes MakeDib(int width, int height, int bitCount, int tag, bool coreHeader = false) {
  std::vector<platform::Color> palette;
  if (bitCount != 24) {
    for (int c = 0; c < (1 << bitCount); ++c)
      palette.push_back(platform::Rgb(255 - c, c * 3, c * 7));
  }
  std::vector<std::vector<std::uint32_t>> rows(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    // Rows are given from the top; the byte of the bottom-up row `row` is tag + row.
    const std::uint32_t byte = std::uint8_t(tag + (height - 1 - y));
    for (int x = 0; x < width; ++x) {
      std::uint32_t value = byte;
      if (bitCount == 1) value = (byte >> (7 - x % 8)) & 1;
      if (bitCount == 4) value = x % 2 == 0 ? byte >> 4 : byte & 15;
      if (bitCount == 24) value = platform::Rgb(int(byte), int(byte), int(byte));
      rows[std::size_t(y)].push_back(value);
    }
  }
  return test_dib::MakeDib(bitCount, palette, rows, coreHeader ? 12 : 40);
}

// A small distinct picture for archive position `i`: 8 × (1 + i % 3) pixels at one bit, with
// the position in its pixel bytes.
inline Bytes EntryFor(int i) {
  Bytes dib = MakeDib(8, 1 + i % 3, 1, 0);
  const std::size_t bits = 40 + 2 * 4;
  for (std::size_t row = 0; row < std::size_t(1 + i % 3); ++row) {
    dib[bits + row * 4] = std::uint8_t(i & 255);
    dib[bits + row * 4 + 1] = std::uint8_t(i >> 8);
  }
  return dib;
}

// An archive file's bytes. `count` is written as the count field (by default the number of
// entries); `sizes` replaces the size table when given.
inline Bytes MakeArchive(const std::vector<Bytes>& entries, int count = -1,
                         const std::vector<std::uint32_t>* sizes = nullptr) {
  if (count < 0) count = int(entries.size());
  Bytes out;
  out.push_back(std::uint8_t(count >> 8));
  out.push_back(std::uint8_t(count & 255));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::uint32_t size = sizes != nullptr ? (*sizes)[i] : std::uint32_t(entries[i].size());
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(size >> shift));
  }
  for (const Bytes& entry : entries) out.insert(out.end(), entry.begin(), entry.end());
  return out;
}

// The entries of a full game archive, each distinct (EntryFor).
inline std::vector<Bytes> FullEntries(int count = kDirectorySize) {
  std::vector<Bytes> entries;
  for (int i = 0; i < count; ++i) entries.push_back(EntryFor(i));
  return entries;
}

inline void WriteBytes(const std::string& name, const Bytes& bytes) {
  const platform::FileHandle file = platform::CreateFile(name);
  ASSERT_NE(file, platform::kNoFile) << name;
  ASSERT_EQ(platform::WriteFile(file, bytes.data(), bytes.size()), long(bytes.size()));
  platform::CloseFile(file);
}

inline bool SameBytes(const Picture& picture, const Bytes& bytes) {
  return picture && picture.size == bytes.size() &&
         std::equal(bytes.begin(), bytes.end(), picture.bytes);
}

// Each test runs in a fresh folder of its own under the scratch folder, with the archive
// records reset before and after.
class ArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("archive-") + info->test_suite_name() + "-" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    folder_ = std::filesystem::path(FELDO_TEST_WORK_DIR) / name;
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    previous_ = platform::CurrentDirectory();
    ASSERT_TRUE(platform::SetCurrentDirectory(folder_.string()));
    ResetAllRecords();
    BuildDirectory();
  }
  void TearDown() override {
    ResetAllRecords();
    platform::SetCurrentDirectory(previous_);
    std::filesystem::remove_all(folder_);
  }
  // Writes GDAT.DAT and makes the cache list, as the first paint does before the preload.
  void WriteGameArchive(const Bytes& bytes) {
    WriteBytes("GDAT.DAT", bytes);
    BuildCacheList();
  }

  std::filesystem::path folder_;
  std::string previous_;
};

}  // namespace archive_test
