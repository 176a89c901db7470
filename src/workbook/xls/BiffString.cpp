#include "workbook/xls/BiffString.h"

namespace kaldoren {
namespace {

constexpr std::uint8_t kWide = 0x01;
constexpr std::uint8_t kPhonetic = 0x04;
constexpr std::uint8_t kRich = 0x08;

bool ReadCount(ContinuedRecord* in, int count_bytes, std::uint16_t* count) {
  if (count_bytes == 2) return in->ReadU16(count);
  std::uint8_t short_count = 0;
  if (!in->ReadU8(&short_count)) return false;
  *count = short_count;
  return true;
}

}  // namespace

bool BiffString::ReadUnicode(ContinuedRecord* in, int count_bytes, std::string* utf8) {
  std::uint16_t length = 0;
  std::uint8_t options = 0;
  std::uint16_t runs = 0;
  std::uint32_t phonetic_size = 0;
  utf8->clear();
  if (!ReadCount(in, count_bytes, &length)) return false;
  // Some writers leave out the option byte of an empty string at the end of a record.
  if (length == 0 && in->remaining() == 0) return true;
  if (!in->ReadU8(&options)) return false;
  if ((options & kRich) != 0 && !in->ReadU16(&runs)) return false;
  if ((options & kPhonetic) != 0 && !in->ReadU32(&phonetic_size)) return false;
  return in->ReadChars(length, (options & kWide) != 0, utf8) && in->Skip(size_t{runs} * 4) &&
         in->Skip(phonetic_size);
}

bool BiffString::ReadBytes(ContinuedRecord* in, int count_bytes, CodePage* code_page,
                           std::string* utf8) {
  std::uint16_t length = 0;
  utf8->clear();
  if (!ReadCount(in, count_bytes, &length) || in->remaining() < length) return false;
  std::string bytes(length, '\0');
  in->Read(length, bytes.data());
  code_page->Decode(bytes, utf8);
  return true;
}

}  // namespace kaldoren
