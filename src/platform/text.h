// Text helpers: display cells of UTF-8 text (what a Shift-JIS byte count was) and the classic
// formatter.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Display cells of a UTF-8 text: 1 per ASCII (or half-width katakana) character, 2 per other
// character. This equals the text's byte count in Shift-JIS.
int DisplayCells(std::string_view utf8);
// The longest prefix of the text that takes at most `cells` display cells.
std::string_view PrefixByCells(std::string_view utf8, int cells);
// The classic formatter for %d, %u, %x, %s, %c and %% with flags '-' and '0' and a width
// (%2d, %-20s ...). %s takes a const char*.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace platform
