#include "workbook/WorkbookReader.h"

#include "workbook/CompoundFile.h"
#include "workbook/OpeningError.h"
#include "workbook/SheetReader.h"
#include "workbook/WorkbookGlobals.h"

namespace kaldoren {
namespace {

// Reads the sheets of a workbook stream into *out; the stream is released
// before the sheets are finished, so the two are not held at the peak
// together.
Status ReadStream(WorkbookStream stream, Workbook* out) {
  Workbook book;
  WorkbookGlobals globals;
  Status status = globals.Read(stream, &book.strings());
  if (!status.ok()) return status;
  SheetReader reader(stream.bytes(), &globals);
  for (const SheetEntry& entry : globals.sheets()) {
    if (entry.type != 0) continue;  // macro sheet, chart or module
    const SheetReader::Substream kind = reader.Kind(entry.offset);
    if (kind == SheetReader::Substream::kMissing) {
      return OpeningError::Damaged("no se encuentra la hoja " + entry.name);
    }
    if (kind == SheetReader::Substream::kOther) continue;
    status = reader.Read(entry.offset, &book.AddSheet(entry.name));
    if (!status.ok()) return status;
  }
  stream.data.reset();
  for (const auto& sheet : book.sheets()) sheet->Finish();
  *out = std::move(book);
  return Status::Ok();
}

}  // namespace

Status WorkbookReader::Read(const std::string& path, Workbook* out) {
  WorkbookStream stream;
  const Status status = CompoundFile::ReadFile(path, &stream);
  if (!status.ok()) return status;
  return ReadStream(std::move(stream), out);
}

Status WorkbookReader::ReadBytes(std::string_view bytes, Workbook* out) {
  WorkbookStream stream;
  const Status status = CompoundFile::ReadBytes(bytes, &stream);
  if (!status.ok()) return status;
  return ReadStream(std::move(stream), out);
}

}  // namespace kaldoren
