// ContinuedRecord: reads the data of a record and of the CONTINUE records
// after it (the shared string table, the text result of a formula) as one
// sequence of bytes, with one exception that BIFF8 makes for strings: when the
// characters of a string are cut by a CONTINUE record, that record begins with
// a fresh option byte telling whether the rest of the characters are 8-bit or
// 16-bit. Runs of formatting and phonetic data that are cut continue as plain
// bytes.
//
// Every read checks the bytes left and answers false, without reading, when
// they are too few; the fragments must outlive the reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kaldoren {

class ContinuedRecord {
 public:
  explicit ContinuedRecord(std::span<const std::string_view> fragments);

  // Copies the next count bytes to out.
  bool Read(size_t count, char* out);
  bool ReadU8(std::uint8_t* out);
  bool ReadU16(std::uint16_t* out);
  bool ReadU32(std::uint32_t* out);
  bool Skip(size_t count);
  // Appends count characters as UTF-8: 16-bit (UTF-16LE) ones when wide,
  // else 8-bit ones, each byte a code point from U+0000 to U+00FF. A lone
  // surrogate becomes U+FFFD.
  bool ReadChars(size_t count, bool wide, std::string* utf8);

  // Bytes not read yet, in this fragment and the ones after it.
  size_t remaining() const { return total_ - consumed_; }

 private:
  // Moves past fragments that are used up.
  void EnsureData();

  std::span<const std::string_view> fragments_;
  size_t fragment_ = 0;
  size_t pos_ = 0;
  size_t total_ = 0;
  size_t consumed_ = 0;
};

}  // namespace kaldoren
