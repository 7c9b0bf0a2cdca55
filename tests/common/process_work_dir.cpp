// Every test process works in a folder of its own below the scratch folder, so that tests run
// in parallel (ctest -j) never write the same relative file names in the same place.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace {

class ProcessWorkDir {
 public:
  ProcessWorkDir() {
    folder_ =
        std::filesystem::path(FELDO_TEST_WORK_DIR) / ("process-" + std::to_string(::getpid()));
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
    std::filesystem::create_directories(folder_, error);
    if (!error) std::filesystem::current_path(folder_, error);
  }
  ~ProcessWorkDir() {
    std::error_code error;
    std::filesystem::current_path(FELDO_TEST_WORK_DIR, error);
    std::filesystem::remove_all(folder_, error);
  }

 private:
  std::filesystem::path folder_;
};

const ProcessWorkDir processWorkDir;

}  // namespace
