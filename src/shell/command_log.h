// How many times the main window has received each command id, for tests and scripts
// (the script value "command.N" reads it).
#pragma once

#include <array>

struct CommandLog {
  std::array<int, 248> received{};
};

extern CommandLog commandLog;

void ResetCommandLog();
