// Raw file access by relative name, and the current directory.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/platform.h"

namespace platform {

namespace {

std::string Name(std::string_view name) {
  return std::string(name);
}

// The headless driver's limit on the bytes WriteFile may still move (a full disk), none when
// negative.
long writeBudget = -1;

// The folder part of a relative or absolute name, "." when it has none.
std::string FolderOf(std::string_view name) {
  const std::size_t slash = name.rfind('/');
  if (slash == std::string_view::npos) return ".";
  if (slash == 0) return "/";
  return std::string(name.substr(0, slash));
}

FileHandle OpenWithFlags(std::string_view name, int flags) {
  int fd;
  do {
    fd = ::open(Name(name).c_str(), flags | O_CLOEXEC, 0644);
  } while (fd < 0 && errno == EINTR);
  return fd < 0 ? kNoFile : fd;
}

bool IsRegular(int fd) {
  struct stat info;
  return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

FileHandle OpenFileRead(std::string_view name) {
  // Without blocking: opening a FIFO for reading would wait for a writer for good. Only a
  // regular file (or a link to one) is read; for anything else that stands under the name the
  // handle reads nothing.
  const FileHandle file = OpenWithFlags(name, O_RDONLY | O_NONBLOCK);
  if (file == kNoFile) {
    // A socket cannot be opened at all; it is there all the same, and no file.
    struct stat info;
    const bool other = ::stat(Name(name).c_str(), &info) == 0 && !S_ISREG(info.st_mode);
    return other ? kNotAFile : kNoFile;
  }
  if (!IsRegular(file)) {
    ::close(file);
    return kNotAFile;
  }
  const int flags = ::fcntl(file, F_GETFL);
  if (flags >= 0) ::fcntl(file, F_SETFL, flags & ~O_NONBLOCK);
  return file;
}

FileHandle OpenFileReadWrite(std::string_view name) {
  return OpenWithFlags(name, O_RDWR);
}

FileHandle CreateFile(std::string_view name) {
  return OpenWithFlags(name, O_RDWR | O_CREAT | O_TRUNC);
}

FileHandle CreateNewFile(std::string_view name) {
  return OpenWithFlags(name, O_RDWR | O_CREAT | O_EXCL);
}

FileHandle LockFolder(std::string_view name, int waitMs) {
  const int folder = OpenWithFlags(FolderOf(name), O_RDONLY | O_DIRECTORY);
  if (folder == kNoFile) return kNoFile;
  // Polled, so that a lock another program keeps too long ends the wait.
  constexpr int kPollMs = 10;
  for (int waited = 0;; waited += kPollMs) {
    if (::flock(folder, LOCK_EX | LOCK_NB) == 0) return folder;
    if (errno != EWOULDBLOCK && errno != EINTR) {
      ::close(folder);
      return kNoFile;  // a folder that takes no lock: the caller goes on without one
    }
    if (waited >= waitMs) break;
    const timespec pause{0, kPollMs * 1000000L};
    ::nanosleep(&pause, nullptr);
  }
  ::close(folder);
  return kFolderBusy;
}

long ReadFile(FileHandle file, void* buffer, std::size_t count) {
  if (file < 0) return 0;
  auto* out = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    ssize_t got = ::read(file, out + done, count - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += std::size_t(got);
  }
  return long(done);
}

bool SeekFile(FileHandle file, std::uint64_t offset) {
  if (file < 0 || offset > std::uint64_t(std::numeric_limits<off_t>::max())) return false;
  return ::lseek(file, off_t(offset), SEEK_SET) == off_t(offset);
}

long WriteFile(FileHandle file, const void* buffer, std::size_t count) {
  if (file < 0) return 0;
  if (writeBudget >= 0 && count > std::size_t(writeBudget)) count = std::size_t(writeBudget);
  const auto* in = static_cast<const char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    ssize_t put = ::write(file, in + done, count - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) break;
    done += std::size_t(put);
  }
  if (writeBudget >= 0) writeBudget -= long(done);
  return long(done);
}

std::int64_t FileSize(FileHandle file) {
  struct stat info;
  if (file < 0 || ::fstat(file, &info) != 0) return -1;
  return std::int64_t(info.st_size);
}

void CloseFile(FileHandle file) {
  if (file >= 0) ::close(file);
}

bool SyncFile(FileHandle file) {
  if (file < 0) return false;
  int result;
  do {
    result = ::fsync(file);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

bool RenameFile(std::string_view from, std::string_view to) {
  if (::rename(Name(from).c_str(), Name(to).c_str()) != 0) return false;
  // The rename is done; flushing the folder makes it last through a power cut. A folder that
  // cannot be opened or flushed leaves the rename in place all the same.
  const int folder = ::open(FolderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
}

bool DeleteFile(std::string_view name) {
  return ::unlink(Name(name).c_str()) == 0;
}

bool FileExists(std::string_view name) {
  struct stat info;
  return ::stat(Name(name).c_str(), &info) == 0;
}

std::vector<std::string> FolderEntries(std::string_view folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(Name(folder.empty() ? "." : folder).c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  return names;
}

int ProcessId() {
  return int(::getpid());
}

std::string CurrentDirectory() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return std::string();
  return buffer;
}

bool SetCurrentDirectory(std::string_view path) {
  return ::chdir(Name(path).c_str()) == 0;
}

bool CanEnterFolder(std::string_view path) {
  struct stat info;
  return ::stat(Name(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         ::access(Name(path).c_str(), X_OK) == 0;
}

namespace headless {

void LimitFileWrites(long bytes) {
  writeBudget = bytes < 0 ? -1 : bytes;
}

}  // namespace headless

}  // namespace platform
