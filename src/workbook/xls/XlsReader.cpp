#include "workbook/xls/XlsReader.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "workbook/OpeningError.h"
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

// What a sheet's table view will cost (Sheet::Finish): a row index entry for
// every row of its used range and two names for every column, however few
// cells the range holds.
size_t TableViewBytes(const Sheet& sheet) {
  if (sheet.cells().empty()) return 0;
  std::uint32_t first_row = UINT32_MAX;
  std::uint32_t last_row = 0;
  std::uint16_t first_column = UINT16_MAX;
  std::uint16_t last_column = 0;
  for (const Cell& c : sheet.cells()) {
    first_row = std::min(first_row, c.row);
    last_row = std::max(last_row, c.row);
    first_column = std::min(first_column, c.column);
    last_column = std::max(last_column, c.column);
  }
  return sizeof(std::uint32_t) * (size_t{last_row} - first_row + 2) +
         2 * sizeof(std::string) * (size_t{last_column} - first_column + 1);
}

// Room for the table views of any real workbook, and a little per byte of
// stream: sheets whose used ranges are far wider than what the stream holds
// (two cells at opposite corners, sheet after sheet) would let a small file
// claim gigabytes, so such a stream is refused as damaged.
constexpr size_t kTableViewAllowance = size_t{64} << 20;
constexpr size_t kTableViewBytesPerStreamByte = 4;

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
  const size_t table_view_limit = kTableViewAllowance + kTableViewBytesPerStreamByte * stream.size;
  size_t table_view_bytes = 0;
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
    table_view_bytes += TableViewBytes(sheet);
    if (table_view_bytes > table_view_limit) {
      return OpeningError::Damaged(
          "sus hojas abarcan muchas más filas y columnas de las que el archivo llena");
    }
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
