// The script reader on its own: lines and words, the first mistake and its line, and the
// printed form that reads back the same.
#include <gtest/gtest.h>

#include "platform/headless/script_parse.h"
#include "platform/platform.h"

namespace {

namespace hl = platform::headless;

TEST(ScriptReader, KeepsCommandLinesWithTheirNumbersAndSkipsCommentsAndBlanks) {
  const hl::ParsedScript parsed =
      hl::ParseScript("# program: feldo\n\n  press\t9 \r\nexpect-title  VEXO  WORLD CUP \nclose");
  ASSERT_TRUE(parsed.Ok()) << parsed.error;
  ASSERT_EQ(parsed.lines.size(), 3u);
  EXPECT_EQ(parsed.lines[0].number, 3);
  EXPECT_EQ(parsed.lines[0].words, (std::vector<std::string>{"press", "9"}));
  EXPECT_EQ(parsed.lines[1].rest, "VEXO  WORLD CUP");  // inner spacing of a text is kept
  EXPECT_EQ(parsed.lines[2].number, 5);                // a last line without a newline counts
}

TEST(ScriptReader, StopsAtTheFirstMistakeAndNamesItsLine) {
  struct Case {
    const char* text;
    int line;
    const char* error;
    std::size_t good = 0;  // the commands read before the mistake
  } cases[] = {
      {"advance 10\n# c\nadvance\n", 3, "usage: advance MS", 1},
      {"advance -5\n", 1, "MS must be a number, not \"-5\""},
      {"press 4294967297\n", 1, "ID must be a number, not \"4294967297\""},
      {"advance 99999999999999999999\n", 1, "MS must be a number"},
      {"key F13 10\n", 1, "unknown key \"F13\""},
      {"key F01 10\n", 1, "unknown key \"F01\""},
      {"print-control 1 2 3\n", 1, "usage: print-control ID [LINE]"},
      {"expect-value level -2\nexpect-value level x\n", 2, "VALUE must be a number", 1},
      {"advance\v100\n", 1, "unknown command \"advance\v100\""},
      {"expect-message\n", 1, "usage: expect-message TEXT"},
  };
  for (const Case& c : cases) {
    const hl::ParsedScript parsed = hl::ParseScript(c.text);
    EXPECT_EQ(parsed.errorLine, c.line) << c.text;
    EXPECT_TRUE(parsed.error.starts_with(c.error)) << c.text << " gave " << parsed.error;
    EXPECT_EQ(parsed.lines.size(), c.good) << c.text;
  }
}

TEST(ScriptReader, KeyNamesCoverTheLanguage) {
  EXPECT_EQ(hl::KeyFromScriptName("F1"), platform::KeyF1);
  EXPECT_EQ(hl::KeyFromScriptName("F12"), platform::KeyF1 + 11);
  EXPECT_EQ(hl::KeyFromScriptName("KP7"), platform::KeyNumpad0 + 7);
  EXPECT_EQ(hl::KeyFromScriptName("Enter"), platform::KeyReturn);
  EXPECT_EQ(hl::KeyFromScriptName("q"), -1);  // letters are upper case
}

TEST(ScriptReader, APrintedLineReadsBackTheSame) {
  const hl::ParsedScript parsed = hl::ParseScript("char \t x  y\nkey-down   Left\nrepaint\n");
  ASSERT_TRUE(parsed.Ok());
  std::string printed;
  for (const hl::ScriptLine& line : parsed.lines) printed += hl::PrintScriptLine(line) + "\n";
  EXPECT_EQ(printed, "char x  y\nkey-down Left\nrepaint\n");
  const hl::ParsedScript again = hl::ParseScript(printed);
  ASSERT_EQ(again.lines.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(again.lines[i].words, parsed.lines[i].words);
    EXPECT_EQ(again.lines[i].rest, parsed.lines[i].rest);
  }
}

}  // namespace
