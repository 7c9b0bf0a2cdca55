// Writing a file through a temporary one and a rename, one game at a time per folder.
#include "savegame/replace_file.h"

#include <algorithm>
#include <cctype>

#include "platform/platform.h"
#include "savegame/file_error.h"

namespace {

// The folder part of a name ("" for a name without one) and the name within it.
std::string_view FolderPart(std::string_view fileName) {
  const std::size_t slash = fileName.rfind('/');
  return slash == std::string_view::npos ? std::string_view() : fileName.substr(0, slash + 1);
}

// Whether `entry` is a temporary file of `base`: "base.<digits>.tmp", or "base.tmp" as older
// versions of the game named it.
bool IsTemporaryOf(std::string_view entry, std::string_view base) {
  constexpr std::string_view kSuffix = ".tmp";
  if (entry.size() < base.size() + kSuffix.size() || entry.substr(0, base.size()) != base ||
      entry.substr(entry.size() - kSuffix.size()) != kSuffix) {
    return false;
  }
  std::string_view middle = entry.substr(base.size(), entry.size() - base.size() - kSuffix.size());
  if (middle.empty()) return true;
  if (middle.size() < 2 || middle[0] != '.') return false;
  middle.remove_prefix(1);
  return std::all_of(middle.begin(), middle.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// Removes what replacements that never finished left of `fileName`. Only while the folder's
// lock is held: no other game is writing one then.
void RemoveLeftovers(std::string_view fileName) {
  const std::string_view folder = FolderPart(fileName);
  const std::string_view base = fileName.substr(folder.size());
  for (const std::string& entry : platform::FolderEntries(folder.empty() ? "." : folder)) {
    if (IsTemporaryOf(entry, base)) platform::DeleteFile(std::string(folder) + entry);
  }
}

// Writes, flushes and renames; the folder's lock (if any) is the caller's.
int ReplaceLocked(std::string_view fileName, const std::uint8_t* bytes, std::size_t size) {
  const std::string temp = TemporaryFileName(fileName);
  // Left by an earlier process of the same id, long gone: no other process can have this name.
  platform::DeleteFile(temp);
  platform::FileHandle file = platform::CreateNewFile(temp);
  if (file == platform::kNoFile) return kFileCannotOpen;
  const bool written = platform::WriteFile(file, bytes, size) == long(size);
  const bool flushed = written && platform::SyncFile(file);
  platform::CloseFile(file);
  if (!flushed) {
    platform::DeleteFile(temp);
    return kFileShort;
  }
  if (!platform::RenameFile(temp, fileName)) {
    platform::DeleteFile(temp);
    return kFileCannotOpen;
  }
  return kFileOk;
}

}  // namespace

std::string TemporaryFileName(std::string_view fileName) {
  return std::string(fileName) + "." + std::to_string(platform::ProcessId()) + ".tmp";
}

int ReplaceFile(std::string_view fileName, const std::uint8_t* bytes, std::size_t size) {
  const platform::FileHandle lock = platform::LockFolder(fileName, kReplaceWaitMs);
  if (lock == platform::kFolderBusy) return kFileBusy;
  // A folder that takes no lock is written all the same: the temporary file is this
  // process's own, so another game can only ever replace the whole file after or before.
  if (lock != platform::kNoFile) RemoveLeftovers(fileName);
  const int result = ReplaceLocked(fileName, bytes, size);
  platform::CloseFile(lock);
  return result;
}
