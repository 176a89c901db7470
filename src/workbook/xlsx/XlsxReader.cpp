#include "workbook/xlsx/XlsxReader.h"

#include "workbook/OpeningError.h"

namespace kaldoren {

Status XlsxReader::Read(const ZipArchive&, Workbook*) { return OpeningError::NotExcel97(); }

}  // namespace kaldoren
