// Writing a file of the game folder so that a failure never costs the copy already there: the
// bytes go into the name with ".tmp" appended, are flushed, and the temporary file is renamed
// over the old one. At every moment the folder holds the old file or the new one, whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The name written before the rename: the file name with ".tmp" appended.
std::string TemporaryFileName(std::string_view fileName);

// Replaces the file with `size` bytes. Returns kFileOk, kFileCannotOpen (the temporary file
// could not be created, or not renamed over the old one) or kFileShort (a write came up short,
// or the disk refused the flush). A failure removes the temporary file and leaves the old file
// as it was.
int ReplaceFile(std::string_view fileName, const std::uint8_t* bytes, std::size_t size);
