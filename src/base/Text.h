// Text: the few operations on UTF-8 texts that the whole program shares.
// Texts are UTF-8 inside the program; report files are Windows-1252. Widths of
// fixed-width fields count characters (code points), not bytes, because every
// character becomes one byte in the report.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kaldoren {

class Text {
 public:
  // Number of characters (code points) of a UTF-8 text. Invalid bytes count one each.
  static size_t Length(std::string_view utf8);

  // Upper-casing of the program: a-z and the Latin-1 letters à-þ (except ÷)
  // become capitals; everything else is unchanged.
  static std::string Upper(std::string_view utf8);

  // Removes leading and trailing spaces (blanks) only; tabs stay.
  static std::string_view Trim(std::string_view text);

  // The characters [start, start + count) of a text, counted from 0 in code
  // points; clipped to the text.
  static std::string Mid(std::string_view utf8, size_t start, size_t count);

  // Windows-1252 bytes of a UTF-8 text; a character that Windows-1252 cannot
  // hold becomes "?".
  static std::string ToWindows1252(std::string_view utf8);

  // UTF-8 text of Windows-1252 bytes (the five undefined bytes map to U+FFFD).
  static std::string FromWindows1252(std::string_view bytes);

  // Appends the UTF-8 encoding of a code point (invalid ones give U+FFFD).
  static void AppendUtf8(std::string* out, char32_t code_point);

  // Decodes the code point at *pos and advances *pos; an invalid sequence gives
  // U+FFFD and advances one byte.
  static char32_t NextCodePoint(std::string_view utf8, size_t* pos);
};

}  // namespace kaldoren
