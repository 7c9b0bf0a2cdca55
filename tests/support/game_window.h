// What the tests of the game's own window share: a folder of its own for each test, holding
// the game's pictures, the window on the headless layer, and a friendly match under way.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/headless/headless.h"
#include "platform/platform.h"

namespace game_window {

// The running test works in a folder of its own (named after the test) with GDAT.DAT in it
// when `withArchive`, and every record reset; when the folder goes, the headless layer is shut
// down, the records are reset again and the folder is removed.
class TestFolder {
 public:
  explicit TestFolder(bool withArchive = true);
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

 private:
  std::filesystem::path folder_;
  std::filesystem::path previous_;
};

// The game's main window on the headless layer (seeded with `seed`), shown and painted, with
// `idle` answering whatever waits for input. Its first paint opens the start-up menu unless
// `skipStartupMenu`. Sound is off.
platform::Window* Open(std::uint32_t seed, platform::headless::IdleHandler idle,
                       bool skipStartupMenu);

// A friendly between Germany and England started as the qualifying menu starts it, played from
// the entrance through the kick-off and then `playedMs` on.
void StartFriendly(platform::Window* window, int playedMs);

}  // namespace game_window
