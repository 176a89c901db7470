#include "workbook/xls/SheetReader.h"

#include <cmath>
#include <span>

#include "base/Calendar.h"
#include "workbook/OpeningError.h"
#include "workbook/xls/ContinuedRecord.h"
#include "workbook/xls/LittleEndian.h"
#include "workbook/xls/Rk.h"

namespace kaldoren {
namespace {

using little_endian::F64;
using little_endian::U16;
using little_endian::U32;

constexpr std::uint16_t kWorksheetSubstream = 0x0010;
constexpr std::uint16_t kGlobalsSubstream = 0x0005;
constexpr std::uint8_t kNumError = 0x24;
constexpr double k1904Offset = 1462;

// The kinds of cached formula result whose last two bytes are 0xFFFF.
constexpr std::uint8_t kTextResult = 0;
constexpr std::uint8_t kBooleanResult = 1;
constexpr std::uint8_t kErrorResult = 2;
constexpr std::uint8_t kEmptyTextResult = 3;

Status Incomplete(const char* record_name) {
  return OpeningError::Damaged(std::string("registro ") + record_name + " incompleto");
}

Status Truncated() {
  return OpeningError::Damaged("la secuencia Workbook termina dentro de un registro");
}

// True for a day count within the years 100 to 9999. Those well inside are
// answered at once; near the ends the calendar decides, rounding to the second
// as dates are written.
bool InDateRange(double day_count) {
  static const double kSurelyAfter = Calendar::DayCount(100, 1, 1) + 1;
  static const double kSurelyBefore = Calendar::DayCount(9999, 12, 31) - 1;
  if (day_count >= kSurelyAfter && day_count <= kSurelyBefore) return true;
  const int year = Calendar::DateOf(day_count).year;
  return year >= 100 && year <= 9999;
}

// Records that may stand between a formula and the STRING record of its text.
bool MayPrecedeString(std::uint16_t type) {
  return type == biff::kSharedFormula || type == biff::kArray || type == biff::kTable ||
         type == biff::kContinue;
}

// Cell records a record holds, for reserving memory; 0 for other records.
size_t CellsIn(const BiffRecord& record) {
  const size_t size = record.data.size();
  switch (record.type) {
    case biff::kNumber:
    case biff::kRk:
    case biff::kLabelSst:
    case biff::kLabel:
    case biff::kRString:
    case biff::kBoolErr:
    case biff::kBlank:
    case biff::kFormula:
    case biff::kFormula3:
    case biff::kFormula4:
      return 1;
    case biff::kMulRk:
      return size >= 6 ? (size - 6) / 6 : 0;
    case biff::kMulBlank:
      return size >= 6 ? (size - 6) / 2 : 0;
    default:
      return 0;
  }
}

}  // namespace

SheetReader::Substream SheetReader::Kind(size_t offset) const {
  BiffRecordReader reader(stream_, offset);
  BiffRecord bof;
  if (offset >= stream_.size() || !reader.Next(&bof) || bof.type != biff::kBof ||
      bof.data.size() < 4) {
    return Substream::kMissing;
  }
  return U16(bof.data.data() + 2) == kWorksheetSubstream ? Substream::kWorksheet
                                                         : Substream::kOther;
}

template <typename Handler>
Status SheetReader::ForEachRecord(size_t offset, size_t end, Handler handle) {
  BiffRecordReader reader(stream_.substr(0, end), offset);
  BiffRecord record;
  reader.Next(&record);  // the sheet's BOF, which Kind has looked at
  int depth = 0;
  while (reader.Next(&record)) {
    if (record.type == biff::kBof) {
      const std::uint16_t substream = record.data.size() >= 4 ? U16(record.data.data() + 2) : 0;
      // A worksheet or globals BOF cannot sit inside a worksheet: this
      // sheet's EOF record is missing, and the sheet ends here.
      if (depth == 0 && (substream == kWorksheetSubstream || substream == kGlobalsSubstream)) {
        return Status::Ok();
      }
      ++depth;
    } else if (record.type == biff::kEof) {
      if (depth == 0) return Status::Ok();
      --depth;
    } else if (depth == 0) {
      const Status status = handle(record, &reader);
      if (!status.ok()) return status;
    }
  }
  // A sheet without its EOF record ends with the stream.
  return reader.truncated() ? Truncated() : Status::Ok();
}

Status SheetReader::Read(size_t offset, size_t end, Sheet* sheet) {
  size_t cells = 0;
  Status status = ForEachRecord(offset, end, [&cells](const BiffRecord& record, BiffRecordReader*) {
    cells += CellsIn(record);
    return Status::Ok();
  });
  if (!status.ok()) return status;
  if (cells > kMaxCells) {
    return OpeningError::Damaged("la hoja " + sheet->name() +
                                 " tiene más celdas de las que caben en una hoja");
  }
  sheet->Reserve(cells);
  text_pending_ = false;
  status =
      ForEachRecord(offset, end, [this, sheet](const BiffRecord& record, BiffRecordReader* reader) {
        return ReadRecord(record, reader, sheet);
      });
  DropPendingText(sheet);
  return status;
}

void SheetReader::AddNumber(Sheet* sheet, std::uint32_t row, std::uint16_t column, std::uint16_t xf,
                            double x) const {
  if (!std::isfinite(x)) {
    sheet->AddError(row, column, kNumError);
    return;
  }
  if (globals_->formats().IsDateXf(xf)) {
    const double day_count = globals_->date1904() ? x + k1904Offset : x;
    if (InDateRange(day_count)) {
      sheet->AddDate(row, column, day_count);
      return;
    }
  }
  sheet->AddNumber(row, column, x);
}

void SheetReader::DropPendingText(Sheet* sheet) {
  if (!text_pending_) return;
  text_pending_ = false;
  sheet->AddBlank(pending_row_, pending_column_);
}

Status SheetReader::ReadRecord(const BiffRecord& record, BiffRecordReader* reader, Sheet* sheet) {
  const std::string_view d = record.data;
  const char* p = d.data();
  if (record.type == biff::kString) return ReadFormulaText(record, reader, sheet);
  if (text_pending_ && !MayPrecedeString(record.type)) DropPendingText(sheet);
  switch (record.type) {
    case biff::kNumber:
      if (d.size() < 14) return Incomplete("NUMBER");
      AddNumber(sheet, U16(p), U16(p + 2), U16(p + 4), F64(p + 6));
      break;
    case biff::kRk:
      if (d.size() < 10) return Incomplete("RK");
      AddNumber(sheet, U16(p), U16(p + 2), U16(p + 4), DecodeRk(U32(p + 6)));
      break;
    case biff::kMulRk:
      if (d.size() < 6) return Incomplete("MULRK");
      for (size_t i = 0, column = U16(p + 2); 6 + 6 * i + 6 <= d.size() && column <= 0xFFFF;
           ++i, ++column) {
        const char* cell = p + 4 + 6 * i;
        AddNumber(sheet, U16(p), static_cast<std::uint16_t>(column), U16(cell),
                  DecodeRk(U32(cell + 2)));
      }
      break;
    case biff::kLabelSst: {
      if (d.size() < 10) return Incomplete("LABELSST");
      std::uint32_t index = 0;
      if (!globals_->shared_strings().PoolIndex(U32(p + 6), &index)) {
        return OpeningError::Damaged("un registro LABELSST remite a un texto que no existe");
      }
      sheet->AddPooledText(U16(p), U16(p + 2), index);
      break;
    }
    case biff::kLabel:
    case biff::kRString:
      return ReadText(d, record.type, sheet);
    case biff::kBoolErr:
      if (d.size() < 8) return Incomplete("BOOLERR");
      if (p[7] != 0) {
        sheet->AddError(U16(p), U16(p + 2), static_cast<std::uint8_t>(p[6]));
      } else {
        sheet->AddBoolean(U16(p), U16(p + 2), p[6] != 0);
      }
      break;
    case biff::kBlank:
      if (d.size() < 6) return Incomplete("BLANK");
      sheet->AddBlank(U16(p), U16(p + 2));
      break;
    case biff::kMulBlank:
      if (d.size() < 6) return Incomplete("MULBLANK");
      for (size_t i = 0, column = U16(p + 2); 6 + 2 * i + 2 <= d.size() && column <= 0xFFFF;
           ++i, ++column) {
        sheet->AddBlank(U16(p), static_cast<std::uint16_t>(column));
      }
      break;
    case biff::kFormula:
    case biff::kFormula3:
    case biff::kFormula4:
      return ReadFormula(d, sheet);
    default:
      break;
  }
  return Status::Ok();
}

Status SheetReader::ReadFormula(std::string_view d, Sheet* sheet) {
  if (d.size() < 14) return Incomplete("FORMULA");
  const char* p = d.data();
  const std::uint16_t row = U16(p);
  const std::uint16_t column = U16(p + 2);
  if (U16(p + 12) != 0xFFFF) {
    AddNumber(sheet, row, column, U16(p + 4), F64(p + 6));
    return Status::Ok();
  }
  const auto value = static_cast<std::uint8_t>(p[8]);
  switch (static_cast<std::uint8_t>(p[6])) {
    case kTextResult:
      text_pending_ = true;
      pending_row_ = row;
      pending_column_ = column;
      break;
    case kBooleanResult:
      sheet->AddBoolean(row, column, value != 0);
      break;
    case kErrorResult:
      sheet->AddError(row, column, value);
      break;
    case kEmptyTextResult:
      sheet->AddText(row, column, "");
      break;
    default:
      // An unknown kind of result: the cell keeps its place, without a value.
      sheet->AddBlank(row, column);
      break;
  }
  return Status::Ok();
}

Status SheetReader::ReadText(std::string_view d, std::uint16_t type, Sheet* sheet) {
  const char* name = type == biff::kLabel ? "LABEL" : "RSTRING";
  if (!globals_->ReadStringAt(d, 6, 2, &text_)) return Incomplete(name);
  sheet->AddText(U16(d.data()), U16(d.data() + 2), text_);
  return Status::Ok();
}

Status SheetReader::ReadFormulaText(const BiffRecord& record, BiffRecordReader* reader,
                                    Sheet* sheet) {
  fragments_.assign(1, record.data);
  reader->TakeContinues(&fragments_);
  if (!text_pending_) return Status::Ok();
  text_pending_ = false;
  ContinuedRecord in(fragments_);
  if (!globals_->ReadString(&in, 2, &text_)) return Incomplete("STRING");
  sheet->AddText(pending_row_, pending_column_, text_);
  return Status::Ok();
}

}  // namespace kaldoren
