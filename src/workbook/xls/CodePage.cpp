#include "workbook/xls/CodePage.h"

#include <cerrno>

#include "base/Text.h"

namespace kaldoren {
namespace {

// The iconv name of a Windows code page number; empty for Windows-1252 and
// its stand-ins, which the program decodes itself.
std::string IconvName(int number) {
  switch (number) {
    case 0:
    case 367:  // US-ASCII, which Windows-1252 contains
    case 1252:
    case 20127:  // US-ASCII again
    case 32769:  // Excel 5's own number for Windows-1252
      return std::string();
    case 1200:
      return "UTF-16LE";
    case 1201:
      return "UTF-16BE";
    case 10000:
    case 32768:  // Apple Roman
      return "MACINTOSH";
    case 65001:
      return "UTF-8";
    default:
      return "CP" + std::to_string(number);
  }
}

constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";

}  // namespace

CodePage::CodePage(int number) {
  const std::string name = IconvName(number);
  if (name.empty()) return;
  converter_ = iconv_open("UTF-8", name.c_str());
  converting_ = converter_ != reinterpret_cast<iconv_t>(-1);
}

CodePage::~CodePage() {
  if (converting_) iconv_close(converter_);
}

void CodePage::Decode(std::string_view bytes, std::string* utf8) {
  if (!converting_) {
    *utf8 = Text::FromWindows1252(bytes);
    return;
  }
  utf8->clear();
  iconv(converter_, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(bytes.data());
  size_t in_left = bytes.size();
  char buffer[1024];
  while (in_left > 0) {
    char* out = buffer;
    size_t out_left = sizeof buffer;
    const size_t result = iconv(converter_, &in, &in_left, &out, &out_left);
    utf8->append(buffer, out - buffer);
    if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
    // An invalid or incomplete sequence: one replacement character for its
    // first byte, then go on after it.
    utf8->append(kReplacementUtf8);
    ++in;
    --in_left;
    iconv(converter_, nullptr, nullptr, nullptr, nullptr);
  }
}

}  // namespace kaldoren
