// The script runner: drives a program under the headless backend from a line-based script.
// Commands run when the program is idle, in whichever message loop is running, so that a
// press reaches a nested dialog as a person's would. See docs/platform.md for the language.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/core.h"
#include "platform/headless/headless.h"
#include "platform/headless/script_parse.h"

namespace platform::headless {

namespace {

struct Script {
  std::string name;
  std::vector<ScriptLine> lines;
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

// The text of the message box on top, its lines joined by "\n" written as those two
// characters; "(no message box)" when none is on top.
std::string MessageText() {
  Window* top = TopDialog();
  if (!top || !top->dialog || !top->dialog->messageBox) return "(no message box)";
  std::string text;
  for (const detail::Control& control : top->dialog->controls) {
    if (control.kind != ControlKind::Static) continue;
    for (const char c : control.text) {
      if (c == '\n') {
        text += "\\n";
      } else {
        text += c;
      }
    }
  }
  return text;
}

long long Number(const ScriptLine& line, std::size_t index) {
  return std::strtoll(line.words[index].c_str(), nullptr, 10);
}

// Runs one line. True when the program has to run before the next line (input, time,
// a press); false when the next line can follow at once.
bool Execute(Script& script, const ScriptLine& line) {
  const std::string& command = line.words[0];
  if (command == "advance") {
    Advance(std::uint64_t(Number(line, 1)));
    return true;
  }
  if (command == "key-down") {
    KeyDown(KeyFromScriptName(line.words[1]));
    return true;
  }
  if (command == "key-up") {
    KeyUp(KeyFromScriptName(line.words[1]));
    return true;
  }
  if (command == "key") {
    const int key = KeyFromScriptName(line.words[1]);
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
  if (command == "expect-caption") {
    Window* top = TopDialog();
    const std::string caption = top ? GetWindowTitle(top) : std::string("(no dialog)");
    if (caption != line.rest) {
      Fail(script, line.number,
           "expected caption \"" + line.rest + "\", found \"" + caption + "\"");
    }
    return false;
  }
  if (command == "expect-message") {
    const std::string text = MessageText();
    if (text != line.rest) {
      Fail(script, line.number, "expected message \"" + line.rest + "\", found \"" + text + "\"");
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
    const ScriptLine& line = script.lines[script.next++];
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
  ParsedScript parsed = ParseScript(text);
  // A mistake anywhere fails before the program starts, so that a typo fails at once.
  if (!parsed.Ok()) Fail(*script, parsed.errorLine, parsed.error);
  script->lines = std::move(parsed.lines);
  CurrentScript() = script;
  SetIdleHandler([script](std::optional<std::uint64_t> nextTimer) { OnIdle(*script, nextTimer); });
}

void RunScriptFile(const std::string& path) {
  // Only a regular file of a sane size: a folder reads as nothing and a device may never end.
  const FileHandle file = OpenFileRead(path);
  auto refuse = [&](const char* why) {
    CloseFile(file);
    std::fprintf(stderr, "%s: cannot read the script%s\n", path.c_str(), why);
    std::exit(3);
  };
  if (file == kNoFile) refuse("");
  if (file == kNotAFile) refuse(" (it is no regular file)");
  // The size it says, and one byte more to see a file that grew past the bound meanwhile.
  const std::int64_t size = FileSize(file);
  if (size > std::int64_t(kLargestScript)) refuse(" (it is larger than 4 MiB)");
  std::string content(std::size_t(size < 0 ? kLargestScript : size) + 1, '\0');
  const long got = ReadFile(file, content.data(), content.size());
  if (got > long(kLargestScript)) refuse(" (it is larger than 4 MiB)");
  CloseFile(file);
  content.resize(std::size_t(got));
  RunScriptText(content, path);
}

}  // namespace platform::headless
