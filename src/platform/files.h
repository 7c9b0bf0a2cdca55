// Files: raw bytes, names relative to the current directory; and the current directory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

using FileHandle = int;
inline constexpr FileHandle kNoFile = -1;
// The handle of a name that stands for no regular file (a FIFO, a device, a socket, a
// folder): it reads nothing, as an empty file does, so that a reader takes it for a damaged
// file. CloseFile takes it like any handle.
inline constexpr FileHandle kNotAFile = -2;
// Opens a file for reading without ever blocking (a FIFO would wait for a writer for good):
// kNoFile when nothing stands under the name, kNotAFile when what stands there is no regular
// file (links are followed).
FileHandle OpenFileRead(std::string_view name);
FileHandle OpenFileReadWrite(std::string_view name);
FileHandle CreateFile(std::string_view name);  // truncates an existing file
// Creates a file that must not exist yet (a link under the name counts as existing and is
// never followed); kNoFile when the name is taken or the file cannot be created.
FileHandle CreateNewFile(std::string_view name);
// The lock that keeps the programs of the game from replacing files in one folder at the same
// time: an advisory lock on the folder that holds `name`, released by CloseFile (or by the end
// of the process). Another holder is waited for at most `waitMs` milliseconds of real time.
// The lock's handle; kFolderBusy when another program still holds it; kNoFile when the folder
// takes no lock (it cannot be opened), in which case the caller goes on without one.
inline constexpr FileHandle kFolderBusy = -3;
FileHandle LockFolder(std::string_view name, int waitMs);
// Return the byte count moved, which is short at the end of the file or on failure.
long ReadFile(FileHandle file, void* buffer, std::size_t count);
long WriteFile(FileHandle file, const void* buffer, std::size_t count);
// Moves the read and write position to `offset` bytes from the start (it may lie past the
// end: a read there moves nothing). False on a bad handle or a file that cannot seek.
bool SeekFile(FileHandle file, std::uint64_t offset);
// The size of an open file in bytes; -1 for a bad handle (kNotAFile included).
std::int64_t FileSize(FileHandle file);
void CloseFile(FileHandle file);
// Flushes what was written to the file down to the disk; false when the disk refused it.
bool SyncFile(FileHandle file);
// Renames `from` to `to` in one step, replacing a file named `to`, and flushes the folder
// entry, so that `to` is afterwards either the old file or the new one, never a mixture.
// False when the rename failed (`from` and `to` are then as they were).
bool RenameFile(std::string_view from, std::string_view to);
bool DeleteFile(std::string_view name);
bool FileExists(std::string_view name);
// The names in a folder ("." and ".." left out), in no particular order; none when it cannot
// be read.
std::vector<std::string> FolderEntries(std::string_view folder);
// This process's id (different for every program running at the same time).
int ProcessId();
std::string CurrentDirectory();
bool SetCurrentDirectory(std::string_view path);
// Whether `path` is a folder that SetCurrentDirectory could enter.
bool CanEnterFolder(std::string_view path);

}  // namespace platform
