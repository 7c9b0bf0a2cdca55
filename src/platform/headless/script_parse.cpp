// The script language's reader: lines, words and the shape of every command.
#include "platform/headless/script_parse.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "platform/platform.h"

namespace platform::headless {

namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::string();
  const std::size_t last = text.find_last_not_of(kBlanks);
  return std::string(text.substr(first, last - first + 1));
}

// The words of a trimmed line, split at the same blanks that Trim removes, so that a line
// printed from its words reads back the same.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = text.find_first_not_of(kBlanks, at);
    if (start == std::string_view::npos) break;
    std::size_t end = text.find_first_of(kBlanks, start);
    if (end == std::string_view::npos) end = text.size();
    words.emplace_back(text.substr(start, end - start));
    at = end;
  }
  return words;
}

// A decimal number that fits in 31 bits (and its sign), nothing else on the word.
bool ParseNumber(const std::string& text, long long* out) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE) return false;
  if (value > std::numeric_limits<std::int32_t>::max() ||
      value < -static_cast<long long>(std::numeric_limits<std::int32_t>::max())) {
    return false;
  }
  *out = value;
  return true;
}

// The shape of one line: empty when it is right, else what is wrong.
std::string CheckLine(const ScriptLine& line) {
  const std::string& command = line.words[0];
  const std::size_t args = line.words.size() - 1;
  long long number = 0;
  std::string problem;
  auto need = [&](std::size_t count, const char* usage) {
    if (problem.empty() && args != count) problem = std::string("usage: ") + usage;
    return problem.empty();
  };
  auto numberAt = [&](std::size_t index, const char* what) {
    if (!problem.empty()) return;
    if (!ParseNumber(line.words[index], &number) || number < 0) {
      problem = std::string(what) + " must be a number, not \"" + line.words[index] + "\"";
    }
  };
  auto keyAt = [&](std::size_t index) {
    if (problem.empty() && KeyFromScriptName(line.words[index]) < 0) {
      problem = "unknown key \"" + line.words[index] + "\"";
    }
  };
  if (command == "advance") {
    if (need(1, "advance MS")) numberAt(1, "MS");
  } else if (command == "key-down" || command == "key-up") {
    if (need(1, "key-down KEY / key-up KEY")) keyAt(1);
  } else if (command == "key") {
    if (need(2, "key KEY MS")) {
      keyAt(1);
      numberAt(2, "MS");
    }
  } else if (command == "char") {
    if (line.rest.empty()) problem = "usage: char C";
  } else if (command == "press" || command == "menu") {
    if (need(1, "press ID / menu ID")) numberAt(1, "ID");
  } else if (command == "print-control") {
    if (args != 1 && args != 2) return "usage: print-control ID [LINE]";
    numberAt(1, "ID");
    if (args == 2) numberAt(2, "LINE");
  } else if (command == "select") {
    if (need(2, "select ID LINE")) {
      numberAt(1, "ID");
      numberAt(2, "LINE");
    }
  } else if (command == "wait-dialog") {
    if (need(2, "wait-dialog NAME MS")) numberAt(2, "MS");
  } else if (command == "expect-dialog" || command == "expect-sound") {
    need(1, "expect-dialog NAME / expect-sound NAME");
  } else if (command == "expect-title" || command == "expect-caption") {
    // The rest of the line is the title; it may be empty.
  } else if (command == "expect-message") {
    if (line.rest.empty()) problem = "usage: expect-message TEXT";
  } else if (command == "expect-value") {
    if (need(2, "expect-value NAME VALUE") && !ParseNumber(line.words[2], &number)) {
      problem = "VALUE must be a number, not \"" + line.words[2] + "\"";
    }
  } else if (command == "screenshot") {
    if (line.rest.empty()) problem = "usage: screenshot FILE";
  } else if (command == "close" || command == "repaint" || command == "focus-lost" ||
             command == "focus-gained" || command == "pad-removed") {
    need(0, command.c_str());
  } else {
    problem = "unknown command \"" + command + "\"";
  }
  return problem;
}

}  // namespace

int KeyFromScriptName(std::string_view name) {
  static const struct {
    const char* name;
    int key;
  } kNames[] = {
      {"Left", KeyLeft},       {"Right", KeyRight},
      {"Up", platform::KeyUp}, {"Down", platform::KeyDown},
      {"Space", KeySpace},     {"Shift", KeyShift},
      {"Return", KeyReturn},   {"Enter", KeyReturn},
      {"Escape", KeyEscape},   {"Tab", KeyTab},
      {"Home", KeyHome},       {"End", KeyEnd},
      {"PageUp", KeyPageUp},   {"PageDown", KeyPageDown},
      {"Alt", KeyAlt},         {"Control", KeyControl},
      {"Back", KeyBack},       {"Delete", KeyDelete},
      {"Clear", KeyClear},
  };
  for (const auto& entry : kNames) {
    if (name == entry.name) return entry.key;
  }
  if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return Key0 + (name[0] - '0');
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return KeyA + (name[0] - 'A');
  if (name.size() == 3 && name.starts_with("KP") && name[2] >= '0' && name[2] <= '9') {
    return KeyNumpad0 + (name[2] - '0');
  }
  if (name.size() == 2 && name[0] == 'F' && name[1] >= '1' && name[1] <= '9') {
    return KeyF1 + (name[1] - '1');
  }
  if (name.size() == 3 && name[0] == 'F' && name[1] == '1' && name[2] >= '0' && name[2] <= '2') {
    return KeyF1 + 9 + (name[2] - '0');
  }
  return -1;
}

ParsedScript ParseScript(std::string_view text) {
  ParsedScript parsed;
  int number = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    const std::string trimmed = Trim(text.substr(at, end - at));
    at = end + 1;
    ++number;
    if (trimmed.empty() || trimmed[0] == '#') continue;
    ScriptLine line;
    line.number = number;
    line.words = Words(trimmed);
    const std::size_t gap = trimmed.find_first_of(kBlanks);
    line.rest = gap == std::string::npos ? std::string() : Trim(trimmed.substr(gap));
    std::string problem = CheckLine(line);
    if (!problem.empty()) {
      parsed.errorLine = number;
      parsed.error = std::move(problem);
      return parsed;
    }
    parsed.lines.push_back(std::move(line));
  }
  return parsed;
}

std::string PrintScriptLine(const ScriptLine& line) {
  if (line.rest.empty()) return line.words[0];
  return line.words[0] + " " + line.rest;
}

}  // namespace platform::headless
