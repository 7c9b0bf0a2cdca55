// The file calls: what a reader gets for a name that stands for no regular file (never a call
// that blocks), exclusive creation, and the folder lock that keeps two games apart.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::path(FELDO_TEST_WORK_DIR) /
        (std::string("files-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Path(const char* name) const { return (folder_ / name).string(); }

  fs::path folder_;
};

// What a reader gets from the name: the bytes it could read, or a failure to open.
std::string ReadAll(const std::string& name, bool* opened) {
  const platform::FileHandle file = platform::OpenFileRead(name);
  *opened = file != platform::kNoFile;
  std::string bytes(64, '\0');
  const long got = platform::ReadFile(file, bytes.data(), bytes.size());
  platform::CloseFile(file);
  bytes.resize(std::size_t(got));
  return bytes;
}

TEST_F(Files, ANameThatIsNoRegularFileReadsAsAnEmptyFileWithoutBlocking) {
  // A FIFO without a writer would block an ordinary open for good, a device would never end,
  // and a socket cannot be opened at all. Should a call block all the same, the alarm ends
  // the test program instead of letting it hang.
  ::alarm(60);
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0644), 0);
  fs::create_directory(Path("folder"));
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(sock, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  // (in /tmp: a socket's path must be short)
  const std::string socketPath = "/tmp/feldo-socket-" + std::to_string(::getpid());
  fs::remove(socketPath);
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  socketPath.copy(address.sun_path, socketPath.size());
  ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  fs::create_symlink(Path("fifo"), Path("link-to-fifo"));
  fs::create_symlink("/dev/zero", Path("link-to-zero"));
  for (const std::string& name :
       {Path("fifo"), Path("folder"), socketPath, Path("link-to-fifo"), Path("link-to-zero"),
        std::string("/dev/zero"), std::string("/dev/null")}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(platform::OpenFileRead(name), platform::kNotAFile);
    bool opened = false;
    EXPECT_EQ(ReadAll(name, &opened), "");
    EXPECT_TRUE(opened);  // there, but empty: a reader takes it for a damaged file
  }
  ::close(sock);
  fs::remove(socketPath);

  // A regular file, and a link to one, read as always; a missing name does not open.
  std::ofstream(Path("file")) << "bytes";
  fs::create_symlink(Path("file"), Path("link-to-file"));
  for (const char* name : {"file", "link-to-file"}) {
    bool opened = false;
    EXPECT_EQ(ReadAll(Path(name), &opened), "bytes") << name;
  }
  bool opened = true;
  EXPECT_EQ(ReadAll(Path("missing"), &opened), "");
  EXPECT_FALSE(opened);
  fs::create_symlink(Path("missing"), Path("dangling"));
  EXPECT_EQ(platform::OpenFileRead(Path("dangling")), platform::kNoFile);
  ::alarm(0);
}

TEST_F(Files, ANewFileIsNeverOneThatWasThere) {
  std::ofstream(Path("taken")) << "old";
  fs::create_symlink(Path("elsewhere"), Path("link"));
  EXPECT_EQ(platform::CreateNewFile(Path("taken")), platform::kNoFile);
  EXPECT_EQ(platform::CreateNewFile(Path("link")), platform::kNoFile);
  EXPECT_FALSE(fs::exists(Path("elsewhere")));  // the link was not followed
  const platform::FileHandle file = platform::CreateNewFile(Path("new"));
  ASSERT_NE(file, platform::kNoFile);
  EXPECT_EQ(platform::WriteFile(file, "abc", 3), 3);
  platform::CloseFile(file);
  EXPECT_EQ(fs::file_size(Path("new")), 3u);
}

TEST_F(Files, TheFolderLockHasOneHolderAtATime) {
  const std::string name = Path("SAVE.DAT");
  const platform::FileHandle first = platform::LockFolder(name, 0);
  ASSERT_GE(first, 0);
  // Any other holder is kept out, in this process (another open of the folder) as in another.
  EXPECT_EQ(platform::LockFolder(name, 30), platform::kFolderBusy);
  EXPECT_EQ(platform::LockFolder(Path("OTHER.DAT"), 0), platform::kFolderBusy);
  platform::CloseFile(first);
  const platform::FileHandle second = platform::LockFolder(name, 0);
  EXPECT_GE(second, 0);
  platform::CloseFile(second);
  // A folder that is not there takes no lock, and says so apart from a busy one.
  EXPECT_EQ(platform::LockFolder(Path("nowhere/SAVE.DAT"), 0), platform::kNoFile);
}

TEST_F(Files, FolderEntriesNameWhatIsThere) {
  std::ofstream(Path("a")) << "";
  fs::create_directory(Path("b"));
  std::vector<std::string> names = platform::FolderEntries(folder_.string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(platform::FolderEntries(Path("nowhere")).empty());
  EXPECT_TRUE(platform::CanEnterFolder(Path("b")));
  EXPECT_FALSE(platform::CanEnterFolder(Path("a")));
  EXPECT_FALSE(platform::CanEnterFolder(Path("nowhere")));
}

}  // namespace
