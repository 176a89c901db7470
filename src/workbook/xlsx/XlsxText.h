// XlsxText: the text of a cell or shared string as the user typed it. Office
// Open XML writes characters that XML cannot hold (control characters, and
// any character a writer chose to escape) as _xHHHH_, the hexadecimal UTF-16
// code unit; a literal "_x" that would read as one is itself escaped as
// _x005F_. Pairs of escaped surrogates make one character; a lone surrogate
// becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace kaldoren {

class XlsxText {
 public:
  // Appends text with its escapes decoded to out (UTF-8).
  static void AppendDecoded(std::string_view text, std::string* out);
};

}  // namespace kaldoren
