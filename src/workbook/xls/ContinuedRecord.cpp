#include "workbook/xls/ContinuedRecord.h"

#include <algorithm>

#include "base/Text.h"
#include "workbook/xls/LittleEndian.h"

namespace kaldoren {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendLatin1(std::string_view bytes, std::string* utf8) {
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      utf8->push_back(ch);
    } else {
      utf8->push_back(static_cast<char>(0xC0 | (b >> 6)));
      utf8->push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
}

// Appends UTF-16LE units; a high surrogate waiting for its pair is carried in
// *pending from one call to the next (0 when none).
void AppendUtf16(std::string_view bytes, char32_t* pending, std::string* utf8) {
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char32_t unit = little_endian::U16(bytes.data() + i);
    if (*pending != 0) {
      if (IsLowSurrogate(unit)) {
        Text::AppendUtf8(utf8, 0x10000 + ((*pending - 0xD800) << 10) + (unit - 0xDC00));
        *pending = 0;
        continue;
      }
      Text::AppendUtf8(utf8, kReplacement);
      *pending = 0;
    }
    if (IsHighSurrogate(unit)) {
      *pending = unit;
    } else {
      Text::AppendUtf8(utf8, IsLowSurrogate(unit) ? kReplacement : unit);
    }
  }
}

}  // namespace

ContinuedRecord::ContinuedRecord(std::span<const std::string_view> fragments)
    : fragments_(fragments) {
  for (const std::string_view f : fragments_) total_ += f.size();
}

void ContinuedRecord::EnsureData() {
  while (fragment_ < fragments_.size() && pos_ >= fragments_[fragment_].size()) {
    ++fragment_;
    pos_ = 0;
  }
}

bool ContinuedRecord::Read(size_t count, char* out) {
  if (remaining() < count) return false;
  consumed_ += count;
  while (count > 0) {
    EnsureData();
    const std::string_view f = fragments_[fragment_];
    const size_t n = std::min(count, f.size() - pos_);
    std::copy_n(f.data() + pos_, n, out);
    out += n;
    pos_ += n;
    count -= n;
  }
  return true;
}

bool ContinuedRecord::ReadU8(std::uint8_t* out) {
  char b = 0;
  if (!Read(1, &b)) return false;
  *out = static_cast<std::uint8_t>(b);
  return true;
}

bool ContinuedRecord::ReadU16(std::uint16_t* out) {
  char b[2];
  if (!Read(2, b)) return false;
  *out = little_endian::U16(b);
  return true;
}

bool ContinuedRecord::ReadU32(std::uint32_t* out) {
  char b[4];
  if (!Read(4, b)) return false;
  *out = little_endian::U32(b);
  return true;
}

bool ContinuedRecord::Skip(size_t count) {
  if (remaining() < count) return false;
  consumed_ += count;
  while (count > 0) {
    EnsureData();
    const size_t n = std::min(count, fragments_[fragment_].size() - pos_);
    pos_ += n;
    count -= n;
  }
  return true;
}

bool ContinuedRecord::ReadChars(size_t count, bool wide, std::string* utf8) {
  char32_t pending = 0;
  while (count > 0) {
    if (fragment_ >= fragments_.size()) return false;
    const std::string_view f = fragments_[fragment_];
    if (pos_ >= f.size()) {
      // The characters go on in the next CONTINUE record, behind an option byte.
      ++fragment_;
      pos_ = 0;
      std::uint8_t option = 0;
      if (!ReadU8(&option)) return false;
      wide = (option & 1) != 0;
      continue;
    }
    const size_t width = wide ? 2 : 1;
    const size_t n = std::min(count, (f.size() - pos_) / width);
    const std::string_view bytes = f.substr(pos_, n * width);
    if (wide) {
      AppendUtf16(bytes, &pending, utf8);
    } else {
      AppendLatin1(bytes, utf8);
    }
    // A lone byte left where a 16-bit character was due cannot hold one: the
    // characters resume in the next record.
    const size_t used = n == 0 ? f.size() - pos_ : n * width;
    pos_ += used;
    consumed_ += used;
    count -= n;
  }
  if (pending != 0) Text::AppendUtf8(utf8, kReplacement);
  return true;
}

}  // namespace kaldoren
