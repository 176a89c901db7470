#include "workbook/WorkbookReader.h"

#include "workbook/xls/XlsReader.h"

namespace kaldoren {

Status WorkbookReader::Read(const std::string& path, Workbook* out) {
  return XlsReader::Read(path, out);
}

Status WorkbookReader::ReadBytes(std::string_view bytes, Workbook* out) {
  return XlsReader::ReadBytes(bytes, out);
}

}  // namespace kaldoren
