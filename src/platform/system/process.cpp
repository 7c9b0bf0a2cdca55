// Starting another program and waiting until it is ready for input.
//
// The started program learns where to say "ready" from the environment: PLATFORM_READY_FD
// names the write end of a pipe it inherits. The layer's message loop writes one byte there
// when it first goes idle. The starter waits for that byte, or for the end of the pipe (the
// program ended or closed it), at most the given time, and tells which of the three it was.
//
// The program is started through an intermediate process (a double fork): the intermediate
// forks the program and exits at once, the starter reaps the intermediate straight away, and
// the program itself is adopted by init, which reaps it when it ends. So no zombie is left
// behind however long either side lives, and the layer installs no SIGCHLD handler that could
// disturb other code waiting for its own children.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"

extern char** environ;

namespace platform {

namespace {

constexpr const char* kReadyVariable = "PLATFORM_READY_FD";

// Both ends of a pipe, closed on exec.
struct Pipe {
  int read = -1;
  int write = -1;
  bool Open() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return false;
    read = ends[0];
    write = ends[1];
    return true;
  }
  void Close() {
    if (read >= 0) ::close(read);
    if (write >= 0) ::close(write);
    read = write = -1;
  }
};

// The environment of the started program: ours, with PLATFORM_READY_FD replaced.
std::vector<std::string> ChildEnvironment(int readyFd) {
  std::vector<std::string> entries;
  const std::string prefix = std::string(kReadyVariable) + "=";
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    if (std::strncmp(*entry, prefix.c_str(), prefix.size()) != 0) entries.emplace_back(*entry);
  }
  entries.push_back(prefix + std::to_string(readyFd));
  return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (auto& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

void WriteAll(int fd, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t put = ::write(fd, bytes, size);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return;
    bytes += put;
    size -= std::size_t(put);
  }
}

// Where a start failed, reported through the status pipe with the errno value.
enum Stage : int { kStageSetUp = 1, kStageFolder = 2, kStageExec = 3, kStageFork = 4 };
struct StartFailure {
  int stage = 0;
  int error = 0;
};

// Runs in the started program's process between fork and exec: only async-signal-safe calls.
[[noreturn]] void ExecProgram(const char* folder, const char* path, char* const* argv,
                              char* const* envp, int readyFd, int statusFd) {
  // The signal state the starter may have changed must not reach the new program.
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  signal(SIGPIPE, SIG_DFL);
  signal(SIGCHLD, SIG_DFL);
  StartFailure failure;
  // The ready pipe's write end is the one descriptor made to survive exec.
  const int flags = fcntl(readyFd, F_GETFD);
  if (flags < 0 || fcntl(readyFd, F_SETFD, flags & ~FD_CLOEXEC) != 0) {
    failure = {kStageSetUp, errno};
  } else if (folder[0] != '\0' && chdir(folder) != 0) {
    failure = {kStageFolder, errno};
  } else {
    execve(path, argv, envp);
    failure = {kStageExec, errno};
  }
  // The status pipe closes on a successful exec; reaching here means the start failed.
  WriteAll(statusFd, &failure, sizeof failure);
  _exit(127);
}

// Waits until `fd` is readable or at its end, at most `waitMs` milliseconds. False when the
// time ran out first.
bool WaitReadable(int fd, int waitMs) {
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + std::chrono::milliseconds(waitMs > 0 ? waitMs : 0);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    pollfd entry{fd, POLLIN, 0};
    const int ready = ::poll(&entry, 1, left.count() > 0 ? int(left.count()) : 0);
    if (ready < 0 && errno == EINTR) continue;
    return ready > 0;
  }
}

// The ready signal: one byte, or the end of the pipe when the program ended without it.
StartResult AwaitReady(int fd, int waitMs) {
  if (!WaitReadable(fd, waitMs)) return StartResult::NotReadyInTime;
  char byte = 0;
  ssize_t got;
  do {
    got = ::read(fd, &byte, 1);
  } while (got < 0 && errno == EINTR);
  return got == 1 ? StartResult::Ready : StartResult::EndedUnready;
}

StartResult FailureResult(const StartFailure& failure) {
  if (failure.stage == kStageFolder) return StartResult::NoFolder;
  if (failure.stage != kStageExec) return StartResult::Failed;
  switch (failure.error) {
    case ENOENT:
    case ENOTDIR:
      return StartResult::NotFound;
    case EACCES:
    case EPERM:
    case ENOEXEC:
    case EISDIR:
      return StartResult::NotExecutable;
    default:
      return StartResult::Failed;
  }
}

}  // namespace

bool StartProgram(std::string_view folder, std::string_view program, std::string_view argument,
                  int waitMs) {
  const StartResult result = StartProgramReporting(folder, program, argument, waitMs);
  return result == StartResult::Ready || result == StartResult::EndedUnready ||
         result == StartResult::NotReadyInTime;
}

StartResult StartProgramReporting(std::string_view folder, std::string_view program,
                                  std::string_view argument, int waitMs) {
  return StartProgramReporting(folder, program, std::vector<std::string>{std::string(argument)},
                               waitMs);
}

StartResult StartProgramReporting(std::string_view folder, std::string_view program,
                                  const std::vector<std::string>& arguments, int waitMs) {
  if (program.empty()) return StartResult::NotFound;
  Pipe ready, status;
  if (!ready.Open()) return StartResult::Failed;
  if (!status.Open()) {
    ready.Close();
    return StartResult::Failed;
  }
  // Everything the child needs is prepared before the fork.
  const std::string folderText(folder);
  std::string path(program);
  std::vector<std::string> args{path};
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<std::string> environment = ChildEnvironment(ready.write);
  std::vector<char*> argv = Pointers(args);
  std::vector<char*> envp = Pointers(environment);

  const pid_t intermediate = ::fork();
  if (intermediate < 0) {
    ready.Close();
    status.Close();
    return StartResult::Failed;
  }
  if (intermediate == 0) {
    const pid_t child = ::fork();
    if (child == 0) {
      ExecProgram(folderText.c_str(), path.c_str(), argv.data(), envp.data(), ready.write,
                  status.write);
    }
    if (child < 0) {
      const StartFailure failure{kStageFork, errno};
      WriteAll(status.write, &failure, sizeof failure);
    }
    _exit(0);
  }

  // The starter keeps only the read ends.
  ::close(ready.write);
  ::close(status.write);
  ready.write = status.write = -1;
  int waitStatus = 0;
  while (::waitpid(intermediate, &waitStatus, 0) < 0 && errno == EINTR) {
  }

  // The status pipe ends without a word when exec succeeded.
  StartFailure failure;
  ssize_t got;
  do {
    got = ::read(status.read, &failure, sizeof failure);
  } while (got < 0 && errno == EINTR);
  StartResult result = StartResult::Failed;
  if (got == 0) {
    result = AwaitReady(ready.read, waitMs);
  } else if (got == ssize_t(sizeof failure)) {
    result = FailureResult(failure);
  }
  ready.Close();
  status.Close();
  return result;
}

}  // namespace platform
