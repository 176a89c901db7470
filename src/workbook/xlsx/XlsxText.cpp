#include "workbook/xlsx/XlsxText.h"

#include <cstdint>

namespace kaldoren {
namespace {

constexpr size_t kEscapeLength = 7;  // _xHHHH_

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The code unit of an escape at pos, or -1 when there is none there.
long EscapeAt(std::string_view text, size_t pos) {
  if (text.size() - pos < kEscapeLength || text[pos] != '_' || text[pos + 1] != 'x' ||
      text[pos + 6] != '_') {
    return -1;
  }
  long unit = 0;
  for (size_t i = pos + 2; i < pos + 6; ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0) return -1;
    unit = unit << 4 | digit;
  }
  return unit;
}

void AppendUtf8(std::uint32_t c, std::string* out) {
  if (c < 0x80) {
    *out += static_cast<char>(c);
  } else if (c < 0x800) {
    *out += static_cast<char>(0xC0 | c >> 6);
    *out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out += static_cast<char>(0xE0 | c >> 12);
    *out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out += static_cast<char>(0xF0 | c >> 18);
    *out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    *out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsHighSurrogate(long unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(long unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

void XlsxText::AppendDecoded(std::string_view text, std::string* out) {
  size_t plain = 0;
  for (size_t pos = text.find("_x"); pos != std::string_view::npos; pos = text.find("_x", pos)) {
    const long unit = EscapeAt(text, pos);
    if (unit < 0) {
      ++pos;
      continue;
    }
    out->append(text.substr(plain, pos - plain));
    pos += kEscapeLength;
    const long low = IsHighSurrogate(unit) ? EscapeAt(text, pos) : -1;
    if (IsLowSurrogate(low)) {
      AppendUtf8(0x10000 + ((static_cast<std::uint32_t>(unit) - 0xD800) << 10) +
                     (static_cast<std::uint32_t>(low) - 0xDC00),
                 out);
      pos += kEscapeLength;
    } else {
      AppendUtf8(
          IsHighSurrogate(unit) || IsLowSurrogate(unit) ? 0xFFFD : static_cast<std::uint32_t>(unit),
          out);
    }
    plain = pos;
  }
  out->append(text.substr(plain));
}

}  // namespace kaldoren
