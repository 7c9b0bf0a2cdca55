// Raw file access by relative name, and the current directory.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>

#include "platform/platform.h"

namespace platform {

namespace {

std::string Name(std::string_view name) {
  return std::string(name);
}

FileHandle OpenWithFlags(std::string_view name, int flags) {
  int fd;
  do {
    fd = ::open(Name(name).c_str(), flags | O_CLOEXEC, 0644);
  } while (fd < 0 && errno == EINTR);
  return fd < 0 ? kNoFile : fd;
}

}  // namespace

FileHandle OpenFileRead(std::string_view name) {
  return OpenWithFlags(name, O_RDONLY);
}

FileHandle OpenFileReadWrite(std::string_view name) {
  return OpenWithFlags(name, O_RDWR);
}

FileHandle CreateFile(std::string_view name) {
  return OpenWithFlags(name, O_RDWR | O_CREAT | O_TRUNC);
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

long WriteFile(FileHandle file, const void* buffer, std::size_t count) {
  if (file < 0) return 0;
  const auto* in = static_cast<const char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    ssize_t put = ::write(file, in + done, count - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) break;
    done += std::size_t(put);
  }
  return long(done);
}

void CloseFile(FileHandle file) {
  if (file >= 0) ::close(file);
}

bool DeleteFile(std::string_view name) {
  return ::unlink(Name(name).c_str()) == 0;
}

bool FileExists(std::string_view name) {
  struct stat info;
  return ::stat(Name(name).c_str(), &info) == 0;
}

std::string CurrentDirectory() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return std::string();
  return buffer;
}

bool SetCurrentDirectory(std::string_view path) {
  return ::chdir(Name(path).c_str()) == 0;
}

}  // namespace platform
