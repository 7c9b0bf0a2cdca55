// Files: raw bytes, names relative to the current directory; and the current directory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

using FileHandle = int;
inline constexpr FileHandle kNoFile = -1;
FileHandle OpenFileRead(std::string_view name);
FileHandle OpenFileReadWrite(std::string_view name);
FileHandle CreateFile(std::string_view name);  // truncates an existing file
// Return the byte count moved, which is short at the end of the file or on failure.
long ReadFile(FileHandle file, void* buffer, std::size_t count);
long WriteFile(FileHandle file, const void* buffer, std::size_t count);
// Moves the read and write position to `offset` bytes from the start (it may lie past the
// end: a read there moves nothing). False on a bad handle or a file that cannot seek.
bool SeekFile(FileHandle file, std::uint64_t offset);
void CloseFile(FileHandle file);
// Flushes what was written to the file down to the disk; false when the disk refused it.
bool SyncFile(FileHandle file);
// Renames `from` to `to` in one step, replacing a file named `to`, and flushes the folder
// entry, so that `to` is afterwards either the old file or the new one, never a mixture.
// False when the rename failed (`from` and `to` are then as they were).
bool RenameFile(std::string_view from, std::string_view to);
bool DeleteFile(std::string_view name);
bool FileExists(std::string_view name);
std::string CurrentDirectory();
bool SetCurrentDirectory(std::string_view path);

}  // namespace platform
