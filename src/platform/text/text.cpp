// Text helpers: display cells of UTF-8 text and the classic formatter.
#include <cstdarg>
#include <cstdint>
#include <string>

#include "platform/internal.h"
#include "platform/platform.h"

namespace platform {

namespace detail {

// Decodes one UTF-8 sequence starting at text[i]; returns its length (at least 1) and the
// code point (U+FFFD for a malformed sequence).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, std::uint32_t* codepoint) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 1;
  std::uint32_t value = lead;
  if (lead >= 0xF0 && lead < 0xF8) {
    length = 4;
    value = lead & 0x07;
  } else if (lead >= 0xE0) {
    length = 3;
    value = lead & 0x0F;
  } else if (lead >= 0xC0) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0x80) {
    *codepoint = 0xFFFD;
    return 1;
  }
  if (i + length > text.size()) {
    *codepoint = 0xFFFD;
    return 1;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) {
      *codepoint = 0xFFFD;
      return 1;
    }
    value = (value << 6) | (next & 0x3F);
  }
  *codepoint = value;
  return length;
}

}  // namespace detail

namespace {

int CellsOf(std::uint32_t codepoint) {
  if (codepoint < 0x80) return 1;
  if (codepoint >= 0xFF61 && codepoint <= 0xFF9F) return 1;  // half-width katakana
  return 2;
}

void Pad(std::string* out, int count, char fill) {
  if (count > 0) out->append(std::size_t(count), fill);
}

}  // namespace

int DisplayCells(std::string_view utf8) {
  int cells = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    std::uint32_t codepoint = 0;
    i += detail::DecodeUtf8(utf8, i, &codepoint);
    cells += CellsOf(codepoint);
  }
  return cells;
}

std::string_view PrefixByCells(std::string_view utf8, int cells) {
  int used = 0;
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::uint32_t codepoint = 0;
    const std::size_t length = detail::DecodeUtf8(utf8, i, &codepoint);
    const int width = CellsOf(codepoint);
    if (used + width > cells) break;
    used += width;
    i += length;
  }
  return utf8.substr(0, i);
}

std::string Format(const char* format, ...) {
  std::string out;
  if (format == nullptr) return out;
  va_list args;
  va_start(args, format);
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') {
      out.push_back(*p);
      continue;
    }
    ++p;
    bool leftAlign = false;
    bool zeroFill = false;
    for (;; ++p) {
      if (*p == '-') {
        leftAlign = true;
      } else if (*p == '0') {
        zeroFill = true;
      } else {
        break;
      }
    }
    int width = 0;
    while (*p >= '0' && *p <= '9') width = width * 10 + (*p++ - '0');
    bool isLong = false;
    while (*p == 'l' || *p == 'h') isLong = isLong || *p++ == 'l';
    std::string field;
    int fieldCells = 0;
    bool numeric = true;
    switch (*p) {
      case 'd':
      case 'i': {
        const long long value = isLong ? va_arg(args, long) : va_arg(args, int);
        const unsigned long long magnitude = value < 0
                                                 ? 0ULL - static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value);
        field = std::to_string(magnitude);
        if (value < 0) field.insert(field.begin(), '-');
        break;
      }
      case 'u':
        field = std::to_string(isLong ? va_arg(args, unsigned long) : va_arg(args, unsigned));
        break;
      case 'x':
      case 'X': {
        unsigned long long value = isLong ? va_arg(args, unsigned long) : va_arg(args, unsigned);
        const char* digits = *p == 'x' ? "0123456789abcdef" : "0123456789ABCDEF";
        do {
          field.insert(field.begin(), digits[value & 15]);
          value >>= 4;
        } while (value != 0);
        break;
      }
      case 'c':
        field.push_back(static_cast<char>(va_arg(args, int)));
        numeric = false;
        break;
      case 's': {
        const char* text = va_arg(args, const char*);
        field = text != nullptr ? text : "(null)";
        numeric = false;
        break;
      }
      case '%':
        out.push_back('%');
        continue;
      case '\0':
        --p;  // a lone '%' at the end is dropped
        continue;
      default:
        out.push_back('%');
        out.push_back(*p);
        continue;
    }
    fieldCells = numeric ? int(field.size()) : DisplayCells(field);
    const int padding = width - fieldCells;
    if (leftAlign) {
      out += field;
      Pad(&out, padding, ' ');
    } else if (zeroFill && numeric) {
      std::size_t signLength = (!field.empty() && field[0] == '-') ? 1 : 0;
      out.append(field, 0, signLength);
      Pad(&out, padding, '0');
      out.append(field, signLength, std::string::npos);
    } else {
      Pad(&out, padding, ' ');
      out += field;
    }
  }
  va_end(args);
  return out;
}

}  // namespace platform
