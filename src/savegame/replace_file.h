// Writing a file of the game folder so that a failure never costs the copy already there: the
// bytes go into a temporary file of this process's own, are flushed, and the temporary file is
// renamed over the old one. At every moment the folder holds the old file or the new one, whole.
//
// Two games in one folder do not disturb each other: a replacement holds the folder's lock
// (platform::LockFolder) from the creation of its temporary file to the rename, and one that
// finds the lock held waits up to kReplaceWaitMs for it, then gives up with kFileBusy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// How long a replacement waits for another game to finish its own, in milliseconds.
inline constexpr int kReplaceWaitMs = 1000;

// The name this process writes before the rename: the file name, this process's id and
// ".tmp" ("VEXOSOC.$$$.1234.tmp"). Created exclusively: nothing under that name is written
// through.
std::string TemporaryFileName(std::string_view fileName);

// Replaces the file with `size` bytes. Returns kFileOk, kFileCannotOpen (the temporary file
// could not be created, or not renamed over the old one), kFileShort (a write came up short,
// or the disk refused the flush) or kFileBusy (another game kept the folder's lock for longer
// than the wait). A failure removes the temporary file and leaves the old file as it was.
// Under the lock, temporary files of this name left by replacements that never finished (by
// any process) are removed first.
int ReplaceFile(std::string_view fileName, const std::uint8_t* bytes, std::size_t size);
