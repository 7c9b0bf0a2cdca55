// The script runner: drives a program under the headless backend from a line-based script.
// Commands run when the program is idle, in whichever message loop is running, so that a
// press reaches a nested dialog as a person's would. See docs/platform.md for the language.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/core.h"
#include "platform/headless/headless.h"

namespace platform::headless {

namespace {

struct Line {
  int number = 0;
  std::vector<std::string> words;
  std::string rest;  // everything after the command word, trimmed
};

struct Script {
  std::string name;
  std::vector<Line> lines;
  std::size_t next = 0;
  // A command that spans several idle moments.
  int keyUpPending = -1;  // `key`: the key to release once its time has passed
  bool waiting = false;   // `wait-dialog`
  std::string waitName;
  std::uint64_t waitDeadline = 0;
  std::uint64_t waitMs = 0;
  int waitLine = 0;
  bool closeSent = false;
};

[[noreturn]] void Fail(const Script& script, int line, const std::string& message) {
  if (line > 0) {
    std::fprintf(stderr, "%s:%d: %s\n", script.name.c_str(), line, message.c_str());
  } else {
    std::fprintf(stderr, "%s: %s\n", script.name.c_str(), message.c_str());
  }
  std::fflush(stderr);
  std::exit(3);
}

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return std::string();
  const std::size_t last = text.find_last_not_of(" \t\r");
  return std::string(text.substr(first, last - first + 1));
}

int KeyFromName(const std::string& name) {
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
  if (name.size() >= 2 && name[0] == 'F') {
    const int n = std::atoi(name.c_str() + 1);
    if (n >= 1 && n <= 12 && name.substr(1) == std::to_string(n)) return KeyF1 + n - 1;
  }
  return -1;
}

bool ParseInt(const std::string& text, long long* out) {
  if (text.empty()) return false;
  char* end = nullptr;
  *out = std::strtoll(text.c_str(), &end, 10);
  return *end == '\0';
}

std::uint32_t FirstCodepoint(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  std::uint32_t value = length == 1 ? lead : lead & (0x7F >> length);
  for (int i = 1; i < length && i < int(text.size()); ++i) {
    value = (value << 6) | (static_cast<unsigned char>(text[std::size_t(i)]) & 0x3F);
  }
  return value;
}

std::string TopName() {
  Window* top = TopDialog();
  return top ? std::string(DialogTemplateName(top)) : std::string("none");
}

// Checks a line's shape before the program starts, so that a typo fails at once.
void CheckLine(const Script& script, const Line& line) {
  const std::string& command = line.words[0];
  const std::size_t args = line.words.size() - 1;
  long long number = 0;
  auto need = [&](std::size_t count, const char* usage) {
    if (args != count) Fail(script, line.number, std::string("usage: ") + usage);
  };
  auto numberAt = [&](std::size_t index, const char* what) {
    if (!ParseInt(line.words[index], &number) || number < 0) {
      Fail(script, line.number,
           std::string(what) + " must be a number, not \"" + line.words[index] + "\"");
    }
  };
  auto keyAt = [&](std::size_t index) {
    if (KeyFromName(line.words[index]) < 0) {
      Fail(script, line.number, "unknown key \"" + line.words[index] + "\"");
    }
  };
  if (command == "advance") {
    need(1, "advance MS");
    numberAt(1, "MS");
  } else if (command == "key-down" || command == "key-up") {
    need(1, "key-down KEY / key-up KEY");
    keyAt(1);
  } else if (command == "key") {
    need(2, "key KEY MS");
    keyAt(1);
    numberAt(2, "MS");
  } else if (command == "char") {
    if (line.rest.empty()) Fail(script, line.number, "usage: char C");
  } else if (command == "press" || command == "menu") {
    need(1, "press ID / menu ID");
    numberAt(1, "ID");
  } else if (command == "print-control") {
    if (args != 1 && args != 2) Fail(script, line.number, "usage: print-control ID [LINE]");
    numberAt(1, "ID");
    if (args == 2) numberAt(2, "LINE");
  } else if (command == "select") {
    need(2, "select ID LINE");
    numberAt(1, "ID");
    numberAt(2, "LINE");
  } else if (command == "wait-dialog") {
    need(2, "wait-dialog NAME MS");
    numberAt(2, "MS");
  } else if (command == "expect-dialog" || command == "expect-sound") {
    need(1, "expect-dialog NAME / expect-sound NAME");
  } else if (command == "expect-title") {
    // The rest of the line is the title; it may be empty.
  } else if (command == "expect-value") {
    need(2, "expect-value NAME VALUE");
    if (!ParseInt(line.words[2], &number)) {
      Fail(script, line.number, "VALUE must be a number, not \"" + line.words[2] + "\"");
    }
  } else if (command == "screenshot") {
    if (line.rest.empty()) Fail(script, line.number, "usage: screenshot FILE");
  } else if (command == "close" || command == "repaint" || command == "focus-lost" ||
             command == "focus-gained" || command == "pad-removed") {
    need(0, command.c_str());
  } else {
    Fail(script, line.number, "unknown command \"" + command + "\"");
  }
}

long long Number(const Line& line, std::size_t index) {
  return std::strtoll(line.words[index].c_str(), nullptr, 10);
}

// Runs one line. True when the program has to run before the next line (input, time,
// a press); false when the next line can follow at once.
bool Execute(Script& script, const Line& line) {
  const std::string& command = line.words[0];
  if (command == "advance") {
    Advance(std::uint64_t(Number(line, 1)));
    return true;
  }
  if (command == "key-down") {
    KeyDown(KeyFromName(line.words[1]));
    return true;
  }
  if (command == "key-up") {
    KeyUp(KeyFromName(line.words[1]));
    return true;
  }
  if (command == "key") {
    const int key = KeyFromName(line.words[1]);
    KeyDown(key);
    Advance(std::uint64_t(Number(line, 2)));
    script.keyUpPending = key;
    return true;
  }
  if (command == "char") {
    Char(FirstCodepoint(line.rest));
    return true;
  }
  if (command == "press") {
    const int id = int(Number(line, 1));
    if (!TopDialog())
      Fail(script, line.number, "press " + std::to_string(id) + ": no dialog is open");
    if (!PressControl(id)) {
      Fail(script, line.number,
           "dialog " + TopName() + " has no button with id " + std::to_string(id));
    }
    return true;
  }
  if (command == "print-control") {
    const int id = int(Number(line, 1));
    const int lineIndex = line.words.size() > 2 ? int(Number(line, 2)) : -1;
    Point centre;
    if (!TopDialog() || !ControlCentre(id, lineIndex, &centre)) {
      Fail(script, line.number, "dialog " + TopName() + " has no control " + line.rest);
    }
    std::printf("control %s at %d %d\n", line.rest.c_str(), centre.x, centre.y);
    std::fflush(stdout);
    return false;
  }
  if (command == "select") {
    const int id = int(Number(line, 1));
    const int lineIndex = int(Number(line, 2));
    if (!TopDialog()) Fail(script, line.number, "select: no dialog is open");
    if (!SelectListLine(id, lineIndex)) {
      Fail(script, line.number,
           "dialog " + TopName() + " has no list box " + std::to_string(id) + " with a line " +
               std::to_string(lineIndex));
    }
    return true;
  }
  if (command == "menu") {
    const int id = int(Number(line, 1));
    Window* main = MainWindow();
    Menu* menu = GetMenu(main);
    if (TopDialog()) {
      Fail(script, line.number,
           "menu " + std::to_string(id) + ": the menu cannot be reached while dialog " + TopName() +
               " is open");
    }
    if (!menu) Fail(script, line.number, "menu " + std::to_string(id) + ": the window has no menu");
    if (!ChooseMenuItem(id)) {
      Fail(script, line.number,
           IsMenuItemEnabled(menu, id)
               ? "menu item " + std::to_string(id) + " cannot be chosen"
               : "menu item " + std::to_string(id) + " is greyed or not in the menu");
    }
    return true;
  }
  if (command == "wait-dialog") {
    script.waiting = true;
    script.waitName = line.words[1];
    script.waitMs = std::uint64_t(Number(line, 2));
    script.waitDeadline = Now() + script.waitMs;
    script.waitLine = line.number;
    return false;
  }
  if (command == "expect-dialog") {
    if (TopName() != line.words[1]) {
      Fail(script, line.number, "expected dialog " + line.words[1] + ", found " + TopName());
    }
    return false;
  }
  if (command == "expect-title") {
    const std::string title = GetWindowTitle(MainWindow());
    if (title != line.rest) {
      Fail(script, line.number, "expected title \"" + line.rest + "\", found \"" + title + "\"");
    }
    return false;
  }
  if (command == "expect-value") {
    const auto value = ReadRegisteredValue(line.words[1]);
    if (!value) Fail(script, line.number, "no value is registered under " + line.words[1]);
    if (*value != Number(line, 2)) {
      Fail(script, line.number,
           "expected " + line.words[1] + " = " + line.words[2] + ", found " +
               std::to_string(*value));
    }
    return false;
  }
  if (command == "expect-sound") {
    std::string sound = CurrentSound();
    if (sound.empty()) sound = "none";
    if (sound != line.words[1]) {
      Fail(script, line.number, "expected sound " + line.words[1] + ", found " + sound);
    }
    return false;
  }
  if (command == "screenshot") {
    if (!SaveScreenshot(line.rest)) {
      Fail(script, line.number, "cannot save the screenshot " + line.rest);
    }
    return false;
  }
  if (command == "repaint") {
    // As when a window that covered the main window goes away: its whole client area is
    // invalidated and repainted.
    platform::InvalidateRect(platform::MainWindow(), nullptr, true);
    return true;
  }
  if (command == "focus-lost") {
    LoseFocus();
    return true;
  }
  if (command == "focus-gained") {
    GainFocus();
    return true;
  }
  if (command == "pad-removed") {
    RemovePad();
    return true;
  }
  // close
  CloseMainWindow();
  return true;
}

void OnIdle(Script& script, std::optional<std::uint64_t> nextTimer) {
  for (;;) {
    if (script.keyUpPending >= 0) {
      KeyUp(script.keyUpPending);
      script.keyUpPending = -1;
      return;
    }
    if (script.waiting) {
      if (TopName() == script.waitName) {
        script.waiting = false;
        continue;
      }
      const std::uint64_t now = Now();
      if (now >= script.waitDeadline) {
        Fail(script, script.waitLine,
             "waited " + std::to_string(script.waitMs) + " ms for dialog " + script.waitName +
                 ", found " + TopName());
      }
      std::uint64_t until = script.waitDeadline;
      if (nextTimer && *nextTimer > now && *nextTimer < until) until = *nextTimer;
      Advance(until - now);
      return;
    }
    if (script.next >= script.lines.size()) {
      if (!script.closeSent && detail::IsLive(MainWindow())) {
        script.closeSent = true;
        CloseMainWindow();
        return;
      }
      if (TopDialog()) Fail(script, 0, "script ended while dialog " + TopName() + " is still open");
      Fail(script, 0, "script ended while the program is still running");
    }
    const Line& line = script.lines[script.next++];
    if (Execute(script, line)) return;
  }
}

std::weak_ptr<Script>& CurrentScript() {
  static std::weak_ptr<Script> current;
  return current;
}

}  // namespace

int PendingScriptLine() {
  auto script = CurrentScript().lock();
  if (!script) return 0;
  if (script->waiting) return script->waitLine;  // the dialog it waited for never came
  if (script->next >= script->lines.size()) return 0;
  return script->lines[script->next].number;
}

void RunScriptText(const std::string& text, const std::string& name) {
  auto script = std::make_shared<Script>();
  script->name = name;
  std::istringstream input(text);
  std::string raw;
  int number = 0;
  while (std::getline(input, raw)) {
    ++number;
    const std::string trimmed = Trim(raw);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    Line line;
    line.number = number;
    std::istringstream words(trimmed);
    for (std::string word; words >> word;) line.words.push_back(word);
    const std::size_t gap = trimmed.find_first_of(" \t");
    line.rest = gap == std::string::npos ? std::string() : Trim(trimmed.substr(gap));
    CheckLine(*script, line);
    script->lines.push_back(std::move(line));
  }
  CurrentScript() = script;
  SetIdleHandler([script](std::optional<std::uint64_t> nextTimer) { OnIdle(*script, nextTimer); });
}

void RunScriptFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "%s: cannot read the script\n", path.c_str());
    std::exit(3);
  }
  std::ostringstream content;
  content << file.rdbuf();
  RunScriptText(content.str(), path);
}

}  // namespace platform::headless
