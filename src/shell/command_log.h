// How many times the main window has received each command id and has painted, for tests
// and scripts (the script values "command.N" and "paints" read it).
#pragma once

#include <array>

struct CommandLog {
  std::array<int, 248> received{};
  int paints = 0;
};

extern CommandLog commandLog;

void ResetCommandLog();
