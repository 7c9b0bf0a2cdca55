// Program start: the layer's own command-line options, the run of the program's entry point,
// the layer's clock and the values a program registers for scripts to check.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/resources.h"
#include "platform/types.h"

namespace platform {

struct ProgramOptions {
  bool headless = false;              // --headless
  std::string script;                 // --script FILE (headless only)
  std::optional<std::uint32_t> seed;  // --seed N
  int scale = 1;                      // --scale N (SDL only)
  std::string commandLine;            // the remaining arguments, joined by single blanks
  // The program's own options as they were given, in order: the name ("--classic-motion")
  // and its value (empty for an option that takes none).
  std::vector<std::pair<std::string, std::string>> programOptions;
};

// The program's own entry point: takes the instance, the command line (everything after
// the program name and the layer's own options) and the show state; returns the exit code.
using EntryPoint = int (*)(Instance* instance, const std::string& commandLine, int showState);

// An option of the program's own, beside the layer's: its name ("--lang") and, for one that
// takes a value, the values it accepts ({"en", "ja"}; empty: it takes none).
struct ProgramOption {
  std::string_view name;
  std::vector<std::string_view> values;
};

// The program's own arguments as --help shows them: the synopsis after "[OPTION]..." and the
// lines that explain it (each ending in a newline); both empty for a program that takes none.
// `options` are the program's own options, which the layer takes from the command line into
// ProgramOptions::programOptions (a value it does not accept is refused like a bad option).
struct ProgramArguments {
  std::string_view synopsis;
  std::string_view help;
  std::vector<ProgramOption> options;
};

// Parses the layer's options (--headless, --script, --seed, --scale), opens the backend and
// runs the entry point. Returns the exit code: the entry's, or 1 when no display can be
// opened, or the script's failure code.
int RunProgram(int argc, char** argv, const ResourceTable& resources, EntryPoint entry,
               const ProgramArguments& arguments = {});
const ProgramOptions& Options();
// The value of the program's own option `name` as last given on the command line (empty for an
// option that takes none); nothing when it was not given.
std::optional<std::string> GivenOption(std::string_view name);

// Milliseconds of the layer's clock (virtual under the headless backend).
std::uint64_t TickCount();

// Values the program registers under a name so that scripts can check them (expect-value).
void RegisterValue(std::string name, std::function<long long()> getter);
std::optional<long long> ReadRegisteredValue(std::string_view name);

}  // namespace platform
