#include "support/game_window.h"

#include <gtest/gtest.h>

#include "base/record_resets.h"
#include "match/caption_state.h"
#include "match/match_state.h"
#include "resources/feldo_resources.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"

namespace game_window {

namespace fs = std::filesystem;
namespace hl = platform::headless;

namespace {

// The test's full name, fit for a folder: "Suite.Name", any '/' of a parameter made '-'.
std::string FolderName() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string("window-") + info->test_suite_name() + "." + info->name();
  for (char& c : name) {
    if (c == '/') c = '-';
  }
  return name;
}

}  // namespace

TestFolder::TestFolder(bool withArchive) {
  folder_ = fs::current_path() / FolderName();
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  previous_ = fs::current_path();
  fs::current_path(folder_);
  if (withArchive) fs::copy_file(fs::path(FELDO_GAME_DIR) / "GDAT.DAT", "GDAT.DAT");
  ResetAllRecords();
}

TestFolder::~TestFolder() {
  hl::LimitFileWrites(-1);
  hl::Shutdown();
  ResetAllRecords();
  fs::current_path(previous_);
  fs::remove_all(folder_);
}

platform::Window* Open(std::uint32_t seed, hl::IdleHandler idle, bool skipStartupMenu) {
  platform::ProgramOptions options;
  options.seed = seed;
  platform::Instance* instance = hl::StartForTests(FeldoResources(), options);
  hl::SetIdleHandler(std::move(idle));
  platform::Window* window = CreateFeldoWindow(instance);
  if (window == nullptr) return nullptr;
  if (skipStartupMenu) shellState.startupDone = 1;
  gameFlow.soundOff = 1;
  platform::ShowWindow(window, 1);
  platform::UpdateWindow(window);
  return window;
}

void StartFriendly(platform::Window* window, int playedMs) {
  gameFlow.userNation = 7;
  gameFlow.chosenOpponent = 9;
  gameFlow.mode = Mode::kFriendly;
  platform::SendMessage(window, platform::Msg::Command, CommandId::kStartMatch);
  for (int i = 0;
       i < 2000 && (captionState.entranceState != EntranceState::kNone || match.captionTimer != 0);
       ++i) {
    hl::Advance(10);
  }
  hl::Advance(std::uint64_t(playedMs));
}

}  // namespace game_window
