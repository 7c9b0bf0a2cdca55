// The script language's reader: the text of a script becomes its command lines, each checked
// for its shape (known command, number of arguments, numbers and key names), or the first
// mistake with its line number. Nothing runs here and nothing ends the process; the script
// runner (RunScriptText) prints the mistake and exits with code 3.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::headless {

struct ScriptLine {
  int number = 0;  // the line of the text, from 1
  std::vector<std::string> words;
  std::string rest;  // everything after the command word, trimmed

  bool operator==(const ScriptLine&) const = default;
};

struct ParsedScript {
  std::vector<ScriptLine> lines;  // the commands up to the first mistake
  int errorLine = 0;              // the line of the first mistake, 0 when there is none
  std::string error;              // what is wrong with it ("usage: advance MS")

  bool Ok() const { return errorLine == 0; }
};

// Reads a whole script. Blank lines and lines starting with '#' are skipped; words are
// separated by blanks and tabs. Numbers (milliseconds, ids, list lines, values) must fit in
// 31 bits; the key names are those of KeyFromScriptName.
ParsedScript ParseScript(std::string_view text);

// One command line as a script holds it: the command word, a blank and the rest.
// Parsing the printed lines gives the same words and rest again.
std::string PrintScriptLine(const ScriptLine& line);

// The virtual-key code of a key name of the language ("Left", "F5", "KP7", "Q"), -1 when
// the name is unknown.
int KeyFromScriptName(std::string_view name);

}  // namespace platform::headless
