// Fuzz target: the headless script reader. Whatever the text, reading it twice gives the same
// lines or the same mistake; a mistake names a line of the text, and the lines before it read
// alone give the same commands; a script that reads cleanly, printed back line by line, reads
// back to the same words, and printing that gives the same text again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/headless/script_parse.h"

namespace {

using platform::headless::ParsedScript;
using platform::headless::ParseScript;
using platform::headless::PrintScriptLine;
using platform::headless::ScriptLine;

bool SameCommands(const ScriptLine& a, const ScriptLine& b) {
  return a.words == b.words && a.rest == b.rest;
}

std::string Printed(const ParsedScript& parsed) {
  std::string text;
  for (const ScriptLine& line : parsed.lines) text += PrintScriptLine(line) + "\n";
  return text;
}

// The text up to (not including) line `number`, counted from 1.
std::string_view LinesBefore(std::string_view text, int number) {
  std::size_t at = 0;
  for (int line = 1; line < number; ++line) {
    const std::size_t newline = text.find('\n', at);
    if (newline == std::string_view::npos) std::abort();  // the mistake is past the text's end
    at = newline + 1;
  }
  return text.substr(0, at);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ParsedScript first = ParseScript(text);
  const ParsedScript second = ParseScript(text);
  if (first.errorLine != second.errorLine || first.error != second.error ||
      first.lines != second.lines) {
    std::abort();
  }
  int previous = 0;
  for (const ScriptLine& line : first.lines) {
    if (line.number <= previous || line.words.empty()) std::abort();
    previous = line.number;
  }
  if (!first.Ok()) {
    if (first.errorLine <= previous || first.error.empty()) std::abort();
    const ParsedScript before = ParseScript(LinesBefore(text, first.errorLine));
    if (!before.Ok() || before.lines != first.lines) std::abort();
    return 0;
  }
  const std::string printed = Printed(first);
  const ParsedScript again = ParseScript(printed);
  if (!again.Ok() || again.lines.size() != first.lines.size()) std::abort();
  for (std::size_t i = 0; i < first.lines.size(); ++i) {
    if (!SameCommands(first.lines[i], again.lines[i])) std::abort();
  }
  if (Printed(again) != printed) std::abort();
  return 0;
}
