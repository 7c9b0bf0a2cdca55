// How many times the main window has received each command id and has painted, for tests
// and scripts (the script values "command.N" and "paints" read it).
#pragma once

#include <array>

#include "resources/feldo_commands.h"

struct CommandLog {
  std::array<int, CommandId::kLast + 1> received{};
  int paints = 0;
};

extern CommandLog commandLog;

void ResetCommandLog();
