#include "base/Text.h"

#include <array>

namespace kaldoren {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the Windows-1252 bytes 0x80-0x9F (0 where the byte is undefined).
constexpr std::array<char32_t, 32> kHigh1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c; }

char32_t UpperCodePoint(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  return c;
}

char Windows1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (size_t i = 0; i < kHigh1252.size(); ++i) {
    if (kHigh1252[i] != 0 && kHigh1252[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

// The byte position count characters after pos, clipped to the text. ASCII
// bytes are stepped over without decoding: Mid runs on every row's period.
size_t Skip(std::string_view s, size_t pos, size_t count) {
  for (; count > 0 && pos < s.size(); --count) {
    if (static_cast<unsigned char>(s[pos]) < 0x80) {
      ++pos;
    } else {
      Text::NextCodePoint(s, &pos);
    }
  }
  return pos;
}

}  // namespace

char32_t Text::NextCodePoint(std::string_view s, size_t* pos) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char b0 = byte(*pos);
  size_t extra = 0;
  char32_t c = 0;
  if (b0 < 0x80) {
    ++*pos;
    return b0;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    extra = 1;
    c = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    extra = 2;
    c = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    extra = 3;
    c = b0 & 0x07;
  } else {
    ++*pos;
    return kReplacement;
  }
  if (*pos + extra >= s.size()) {  // sequence cut short by the end of the text
    ++*pos;
    return kReplacement;
  }
  for (size_t i = 1; i <= extra; ++i) {
    const unsigned char b = byte(*pos + i);
    if ((b & 0xC0) != 0x80) {
      ++*pos;
      return kReplacement;
    }
    c = (c << 6) | (b & 0x3F);
  }
  const bool overlong = (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000);
  if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++*pos;
    return kReplacement;
  }
  *pos += extra + 1;
  return c;
}

void Text::AppendUtf8(std::string* out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (c >> 18)));
    out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

size_t Text::Length(std::string_view s) {
  size_t count = 0;
  for (size_t pos = 0; pos < s.size(); ++count) NextCodePoint(s, &pos);
  return count;
}

std::string Text::Upper(std::string_view s) {
  // ASCII, nearly every text, is upper-cased in a copy in place; from the
  // first byte outside ASCII on, character by character.
  std::string out(s);
  size_t pos = 0;
  for (; pos < out.size() && static_cast<unsigned char>(out[pos]) < 0x80; ++pos) {
    out[pos] = UpperAscii(out[pos]);
  }
  if (pos == out.size()) return out;
  out.resize(pos);
  while (pos < s.size()) {
    const unsigned char b = static_cast<unsigned char>(s[pos]);
    if (b < 0x80) {
      out.push_back(UpperAscii(static_cast<char>(b)));
      ++pos;
      continue;
    }
    const size_t start = pos;
    const char32_t c = NextCodePoint(s, &pos);
    if (c == kReplacement && pos == start + 1) {
      out.push_back(static_cast<char>(b));  // keep an invalid byte as it was
    } else {
      AppendUtf8(&out, UpperCodePoint(c));
    }
  }
  return out;
}

std::string_view Text::Trim(std::string_view s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

std::string Text::Mid(std::string_view s, size_t start, size_t count) {
  const size_t begin = Skip(s, 0, start);
  return std::string(s.substr(begin, Skip(s, begin, count) - begin));
}

std::string Text::ToWindows1252(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t pos = 0; pos < s.size();) out.push_back(Windows1252Byte(NextCodePoint(s, &pos)));
  return out;
}

std::string Text::FromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char ch : bytes) {
    const unsigned char b = static_cast<unsigned char>(ch);
    if (b >= 0x80 && b <= 0x9F) {
      const char32_t c = kHigh1252[b - 0x80];
      AppendUtf8(&out, c == 0 ? kReplacement : c);
    } else {
      AppendUtf8(&out, b);
    }
  }
  return out;
}

}  // namespace kaldoren
