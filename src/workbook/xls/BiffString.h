// BiffString: reads a string embedded in a BIFF record (a label, a sheet name,
// a format string, the text result of a formula, an entry of the shared
// string table) as UTF-8.
//
// Excel 97-2003 strings carry an option byte after the character count: the
// characters are 16-bit when its bit 0 is set, else 8-bit code points
// U+0000-U+00FF; formatting runs (bit 3) and a phonetic block (bit 2) may
// follow them and are skipped. Excel 5/95 strings are bytes in the workbook's
// code page. Each read answers false, having read nothing beyond the data,
// when the record is too short for the string it announces.
#pragma once

#include <string>

#include "workbook/xls/CodePage.h"
#include "workbook/xls/ContinuedRecord.h"

namespace kaldoren {

class BiffString {
 public:
  // count_bytes: 1 or 2, the size of the character count.
  static bool ReadUnicode(ContinuedRecord* in, int count_bytes, std::string* utf8);
  static bool ReadBytes(ContinuedRecord* in, int count_bytes, CodePage* code_page,
                        std::string* utf8);
};

}  // namespace kaldoren
