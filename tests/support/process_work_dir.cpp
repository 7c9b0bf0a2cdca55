// Every test process works in a folder of its own below the scratch folder, so that tests run
// in parallel (ctest -j) never write the same relative file names in the same place. Children
// of a test (death tests fork or re-run the program) share their parent's folder, and only
// the process that made the folder removes it.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

constexpr const char* kVariable = "FELDO_TEST_PROCESS_DIR";

class ProcessWorkDir {
 public:
  ProcessWorkDir() {
    std::error_code error;
    if (const char* inherited = std::getenv(kVariable); inherited != nullptr) {
      std::filesystem::current_path(inherited, error);
      return;
    }
    owner_ = ::getpid();
    folder_ = std::filesystem::path(FELDO_TEST_WORK_DIR) / ("process-" + std::to_string(owner_));
    std::filesystem::remove_all(folder_, error);
    std::filesystem::create_directories(folder_, error);
    if (error) return;
    std::filesystem::current_path(folder_, error);
    ::setenv(kVariable, folder_.c_str(), 1);
  }
  ~ProcessWorkDir() {
    if (owner_ == 0 || ::getpid() != owner_) return;
    std::error_code error;
    std::filesystem::current_path(FELDO_TEST_WORK_DIR, error);
    std::filesystem::remove_all(folder_, error);
  }

 private:
  pid_t owner_ = 0;
  std::filesystem::path folder_;
};

const ProcessWorkDir processWorkDir;

}  // namespace
