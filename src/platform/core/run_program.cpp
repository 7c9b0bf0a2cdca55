// RunProgram: the layer's own options, the choice of backend and the run of the program's
// entry point (with a script driving it under --headless --script).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/core/core.h"
#include "platform/headless/headless.h"

namespace platform {

namespace {

bool ParseNumber(const char* text, long long low, long long high, long long* out) {
  if (!text || !*text) return false;
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  if (*end != '\0' || value < low || value > high) return false;
  *out = value;
  return true;
}

#ifndef PLATFORM_VERSION
#define PLATFORM_VERSION "0"
#endif

// What the command line asks for besides running the program.
enum class Request { Run, Help, Version };

void PrintUsage(std::FILE* out, const std::string& program, const ProgramArguments& arguments) {
  std::string synopsis;
  if (!arguments.synopsis.empty()) synopsis.append(" ").append(arguments.synopsis);
  std::fprintf(out,
               "Usage: %s [OPTION]...%s\n"
               "Vexo World Cup%s.\n"
               "\n"
               "%s"
               "  --scale N      show the window N times as large (1 to 8)\n"
               "  --headless     run without a window or sound, on a virtual clock\n"
               "  --script FILE  with --headless: drive the program by the commands in FILE\n"
               "  --seed N       start the random source from N (0 to 4294967295)\n"
               "  --help         show this help and exit\n"
               "  --version      show the version and exit\n",
               program.c_str(), synopsis.c_str(), program == "lumar" ? ": the launcher" : "",
               std::string(arguments.help).c_str());
}

const ProgramOption* FindOwnOption(const ProgramArguments& arguments, std::string_view name) {
  for (const ProgramOption& option : arguments.options) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

// Fills `options` from the command line; false with a message in `error` on a bad option.
// Arguments that do not start with '-' (and everything after "--") are the program's own.
bool ParseOptions(int argc, char** argv, const ProgramArguments& arguments, ProgramOptions* options,
                  Request* request, std::string* error) {
  bool ownArguments = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (ownArguments || arg.empty() || arg[0] != '-' || arg == "-") {
      if (!options->commandLine.empty()) options->commandLine += ' ';
      options->commandLine += arg;
      continue;
    }
    auto value = [&](const char* name) -> const char* {
      if (i + 1 >= argc) {
        *error = std::string(name) + " needs a value";
        return nullptr;
      }
      return argv[++i];
    };
    long long number = 0;
    if (arg == "--") {
      ownArguments = true;
    } else if (arg == "--help" || arg == "-h") {
      if (*request == Request::Run) *request = Request::Help;
    } else if (arg == "--version") {
      if (*request == Request::Run) *request = Request::Version;
    } else if (arg == "--headless") {
      options->headless = true;
    } else if (arg == "--script") {
      const char* file = value("--script");
      if (!file) return false;
      options->script = file;
    } else if (arg == "--seed") {
      const char* text = value("--seed");
      if (!text) return false;
      if (!ParseNumber(text, 0, 0xFFFFFFFFLL, &number)) {
        *error = "--seed wants a number from 0 to 4294967295, not \"" + std::string(text) + "\"";
        return false;
      }
      options->seed = std::uint32_t(number);
    } else if (arg == "--scale") {
      const char* text = value("--scale");
      if (!text) return false;
      if (!ParseNumber(text, 1, 8, &number)) {
        *error = "--scale wants a number from 1 to 8, not \"" + std::string(text) + "\"";
        return false;
      }
      options->scale = int(number);
    } else if (const ProgramOption* own = FindOwnOption(arguments, arg)) {
      std::string given;
      if (!own->values.empty()) {
        const char* text = value(arg.c_str());
        if (!text) return false;
        given = text;
        bool accepted = false;
        std::string list;
        for (std::string_view v : own->values) {
          accepted = accepted || given == v;
          list += (list.empty() ? "" : ", ") + std::string(v);
        }
        if (!accepted) {
          *error = arg + " wants one of " + list + ", not \"" + given + "\"";
          return false;
        }
      }
      options->programOptions.emplace_back(arg, given);
    } else {
      *error = "unknown option \"" + arg + "\"";
      return false;
    }
  }
  if (!options->script.empty() && !options->headless) {
    *error = "--script works only with --headless";
    return false;
  }
  return true;
}

std::string ProgramName(const char* argv0) {
  std::string name = argv0 && *argv0 ? argv0 : "program";
  const std::size_t slash = name.rfind('/');
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

}  // namespace

std::optional<std::string> GivenOption(std::string_view name) {
  std::optional<std::string> found;
  for (const auto& [given, value] : Options().programOptions) {
    if (given == name) found = value;
  }
  return found;
}

int RunProgram(int argc, char** argv, const ResourceTable& resources, EntryPoint entry,
               const ProgramArguments& arguments) {
  const std::string program = ProgramName(argc > 0 ? argv[0] : nullptr);
  ProgramOptions options;
  std::string error;
  Request request = Request::Run;
  if (!ParseOptions(argc, argv, arguments, &options, &request, &error)) {
    std::fprintf(stderr, "%s: %s\n", program.c_str(), error.c_str());
    PrintUsage(stderr, program, arguments);
    return 2;
  }
  if (request == Request::Help) {
    PrintUsage(stdout, program, arguments);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  if (request == Request::Version) {
    std::printf("%s (Vexo World Cup) %s\n", program.c_str(), PLATFORM_VERSION);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  detail::Backend* backend =
      options.headless ? detail::CreateHeadlessBackend() : detail::CreateSdlBackend(options.scale);
  if (!backend) {
    std::fprintf(stderr, "%s: no display available (set DISPLAY or use --headless)\n",
                 program.c_str());
    return 1;
  }
  Instance* instance = detail::StartLayer(backend, resources, options);
  detail::Core().programName = program;
  if (!options.script.empty()) headless::RunScriptFile(options.script);
  int code = entry(instance, options.commandLine, 1);
  if (detail::Core().displayFailed) code = 1;
  detail::ShutdownLayer();
  if (!options.script.empty()) {
    if (const int line = headless::PendingScriptLine(); line > 0) {
      std::fprintf(stderr, "%s:%d: the program ended before this line ran\n",
                   options.script.c_str(), line);
      return 3;
    }
  }
  return code;
}

}  // namespace platform
