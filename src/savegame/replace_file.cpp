// Writing a file through a temporary one and a rename.
#include "savegame/replace_file.h"

#include "platform/platform.h"
#include "savegame/file_error.h"

std::string TemporaryFileName(std::string_view fileName) {
  return std::string(fileName) + ".tmp";
}

int ReplaceFile(std::string_view fileName, const std::uint8_t* bytes, std::size_t size) {
  // A temporary file left by a write that never finished is of no use: start it afresh.
  const std::string temp = TemporaryFileName(fileName);
  platform::DeleteFile(temp);
  platform::FileHandle file = platform::CreateFile(temp);
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
