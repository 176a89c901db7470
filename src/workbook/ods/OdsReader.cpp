#include "workbook/ods/OdsReader.h"

#include "workbook/OpeningError.h"

namespace kaldoren {

Status OdsReader::Read(const ZipArchive&, Workbook*) { return OpeningError::NotExcel97(); }

}  // namespace kaldoren
