#include "workbook/xls/XlsReader.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "workbook/OpeningError.h"
#include "workbook/TableViewBudget.h"
#include "workbook/xls/CompoundFile.h"
#include "workbook/xls/SheetReader.h"
#include "workbook/xls/WorkbookGlobals.h"

namespace kaldoren {
namespace {

// Where each listed sheet's records end at the latest: where the next listed
// sheet begins, or the end of the stream. Two sheets listed at one place are
// damage: reading them would double the place's cells once per listing.
Status SheetEnds(const std::vector<SheetEntry>& sheets, size_t stream_size,
                 std::vector<size_t>* ends) {
  std::vector<size_t> starts;
  for (const SheetEntry& entry : sheets) starts.push_back(entry.offset);
  std::sort(starts.begin(), starts.end());
  if (std::adjacent_find(starts.begin(), starts.end()) != starts.end()) {
    return OpeningError::Damaged("dos hojas comienzan en el mismo lugar del libro");
  }
  for (const SheetEntry& entry : sheets) {
    const auto next = std::upper_bound(starts.begin(), starts.end(), entry.offset);
    ends->push_back(next == starts.end() ? stream_size : *next);
  }
  return Status::Ok();
}

// Reads the sheets of a workbook stream into *out; the stream is released
// before the sheets are finished, so the two are not held at the peak
// together.
Status ReadStream(WorkbookStream stream, Workbook* out) {
  Workbook book;
  WorkbookGlobals globals;
  Status status = globals.Read(stream, &book.strings());
  if (!status.ok()) return status;
  std::vector<size_t> ends;
  status = SheetEnds(globals.sheets(), stream.size, &ends);
  if (!status.ok()) return status;
  SheetReader reader(stream.bytes(), &globals);
  TableViewBudget budget(stream.size);
  for (size_t i = 0; i < globals.sheets().size(); ++i) {
    const SheetEntry& entry = globals.sheets()[i];
    if (entry.type != 0) continue;  // macro sheet, chart or module
    const SheetReader::Substream kind = reader.Kind(entry.offset);
    if (kind == SheetReader::Substream::kMissing) {
      return OpeningError::Damaged("no se encuentra la hoja " + entry.name);
    }
    if (kind == SheetReader::Substream::kOther) continue;
    Sheet& sheet = book.AddSheet(entry.name);
    status = reader.Read(entry.offset, ends[i], &sheet);
    if (!status.ok()) return status;
    status = budget.Add(sheet);
    if (!status.ok()) return status;
  }
  stream.data.reset();
  for (const auto& sheet : book.sheets()) sheet->Finish();
  *out = std::move(book);
  return Status::Ok();
}

}  // namespace

Status XlsReader::Read(GsfInput* input, Workbook* out) {
  WorkbookStream stream;
  const Status status = CompoundFile::Read(input, &stream);
  if (!status.ok()) return status;
  return ReadStream(std::move(stream), out);
}

}  // namespace kaldoren
