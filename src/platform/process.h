// Processes: starting another program and waiting until its message loop is ready for input.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Starts `program` (a path relative to `folder`) in `folder` with one argument and waits at
// most `waitMs` milliseconds until its message loop first goes idle. False when it could not
// be started.
bool StartProgram(std::string_view folder, std::string_view program, std::string_view argument,
                  int waitMs);

// What became of a program start (StartProgramReporting).
enum class StartResult {
  Ready,           // started, and its message loop went idle within the wait
  EndedUnready,    // started, but it ended (or gave up its ready signal) without going idle
  NotReadyInTime,  // started and still running, not idle when the wait ran out
  NoFolder,        // the folder could not be entered
  NotFound,        // there is no program at that path
  NotExecutable,   // the file is there but cannot be run (no permission, not a program)
  Failed,          // the system refused: no pipe or no process could be made
};
// StartProgram with the reason: the first three results mean the program was started (and is
// left to run), the others that it was not.
StartResult StartProgramReporting(std::string_view folder, std::string_view program,
                                  std::string_view argument, int waitMs);
// The same with the arguments given one by one (none, one or several).
StartResult StartProgramReporting(std::string_view folder, std::string_view program,
                                  const std::vector<std::string>& arguments, int waitMs);

}  // namespace platform
