// The graphics archive: every picture of the game comes from GDAT.DAT (the launcher's from
// ODAT.DAT). The file holds pictures without names; a picture's name is its position in the
// directory that BuildDirectory makes in code.
//
// File format (all integers unsigned, big-endian):
//   offset 0              2 bytes        count of entries (must equal the directory's count)
//   offset 2              4 × count      size in bytes of each entry, in directory order
//   offset 2 + 4 × count  sum of sizes   the entries, one after the other, no padding
// Each entry is a packed device-independent bitmap: a 40-byte (or 12-byte) header, the colour
// table, the pixel rows. No file header, names, compression or checksum.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "archive/picture.h"

inline constexpr int kDirectorySize = 588;  // names in GDAT.DAT's directory
inline constexpr int kCacheListSize = 396;  // pictures preloaded at start-up
inline constexpr int kCacheSlots = 500;     // name-indexed slots; index 0 unused
inline constexpr int kNotInDirectory = 1001;

// The nations' picture abbreviations by nation index 0 to 30 (JPN, KOR, CHN, SAD, ...).
extern const char* const kPictureAbbreviations[31];

struct GraphicsArchive {
  std::vector<std::string> directory;  // names by position
  std::vector<std::string> cacheList;  // names by cache index - 1
  int playerNameCount = 0;             // size of the cache list once built (0 before)
  // Result of the last archive access: 0 success, -1 the file could not be opened, 2 a short
  // read or a count that does not match the directory, 10 the archive ended before the entry.
  int archiveError = 0;
  std::string fileName = "GDAT.DAT";
};

extern GraphicsArchive graphicsArchive;

// The 588 names in their fixed order.
void BuildDirectory();
// The 396 names of the cache list: the kit sheets of kit codes 1-27, the class sheets of
// classes 1-7 and the fifteen dark overlay sheets.
void BuildCacheList();
// 0-based position in the directory, or kNotInDirectory.
int FindInDirectory(std::string_view name);
// 1-based cache index, or 0 when the name is not in the cache list.
int FindInCache(std::string_view name);

// Reads the whole archive once and keeps the cached pictures; every other entry is checked
// and dropped, so a damaged picture anywhere in the file fails the preload. Returns 1 on
// failure, 0 on success.
int PreloadCache();
// The picture with that name: from the cache when it is in the cache list, otherwise read by
// scanning the archive from its start. A null picture when absent, unreadable or invalid.
Picture LoadPicture(std::string_view name);

// Reads an archive with a directory of `expectedCount` names into `pictures` in archive order
// (used by the launcher for ODAT.DAT). Pictures read before a fault are kept. Returns the
// archive error code (0, -1, 2).
// `pictures` always ends with `expectedCount` places; a place whose entry could not be read, or
// whose bitmap header does not describe its bytes, holds a null picture (and the result is 2).
// The pictures are owned by this module like every other one (see ReleaseArchivePictures).
int ReadWholeArchive(const std::string& fileName, int expectedCount,
                     std::vector<Picture>* pictures);

// The archive check after the first paint of the main window: while the cache list is still
// empty, builds the directory (if empty) and the cache list and preloads the cache. Returns true
// when the preload failed (the caller shows "データファイル エラー" / "エラー No. 00"). Does
// nothing and returns false once the cache list exists.
bool CheckArchiveAfterFirstPaint();

// Releases the memory of every picture this module handed out and clears the cache. Every
// Picture handed out before is invalid afterwards (see also ReleasePictures, which empties the
// bitmap store as well).
void ReleaseArchivePictures();
// Pictures whose memory this module holds now (and their bytes), and the cache slots that hold
// a picture.
std::size_t CountHeldPictures();
std::size_t CountHeldPictureBytes();
int CountCachedPictures();

// Header helpers over a packed device-independent bitmap.
int DibHeaderSize(const Picture& picture);
int DibWidth(const Picture& picture);
int DibHeight(const Picture& picture);
const std::uint8_t* DibBits(const Picture& picture);

// Back to the start-up state (tests).
void ResetGraphicsArchive();
