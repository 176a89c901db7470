// CodePage: turns the 8-bit strings of Excel 5/95 workbooks (labels, sheet
// names, format strings) into UTF-8 under the workbook's CODEPAGE record
// (Windows code page numbers: 1252, 932, 1251, ...; 1252 when the workbook has
// none). Windows-1252 is decoded by the program itself, the others through
// iconv, whose handle is opened once and kept. A code page iconv does not know
// falls back to Windows-1252; a byte sequence that is not valid in the code
// page becomes U+FFFD, so a text is never cut short.
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace kaldoren {

class CodePage {
 public:
  explicit CodePage(int number = 1252);
  ~CodePage();
  CodePage(const CodePage&) = delete;
  CodePage& operator=(const CodePage&) = delete;

  // Replaces *utf8 with the text of bytes.
  void Decode(std::string_view bytes, std::string* utf8);

  // True when the bytes go through iconv (false for Windows-1252).

 private:
  iconv_t converter_{};
  bool converting_ = false;
};

}  // namespace kaldoren
