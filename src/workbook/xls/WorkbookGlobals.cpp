#include "workbook/xls/WorkbookGlobals.h"

#include <span>

#include "workbook/OpeningError.h"
#include "workbook/xls/BiffString.h"
#include "workbook/xls/ContinuedRecord.h"
#include "workbook/xls/LittleEndian.h"

namespace kaldoren {
namespace {

using little_endian::U16;
using little_endian::U32;

constexpr std::uint16_t kBiff8Version = 0x0600;
constexpr std::uint16_t kBiff5Version = 0x0500;
constexpr std::uint16_t kGlobalsSubstream = 0x0005;
constexpr std::uint16_t kWorkspace = 0x0100;
constexpr size_t kMaxSheets = 65535;

}  // namespace

Status WorkbookGlobals::Read(const WorkbookStream& stream, StringPool* pool) {
  BiffRecordReader reader(stream.bytes());
  BiffRecord record;
  if (!reader.Next(&record)) {
    return OpeningError::Damaged(reader.truncated()
                                     ? "la secuencia Workbook termina dentro de un registro"
                                     : "la secuencia Workbook está vacía");
  }
  Status status = ReadBof(record, stream.origin);
  if (!status.ok()) return status;
  while (reader.Next(&record) && record.type != biff::kEof) {
    status = ReadRecord(record, &reader, pool);
    if (!status.ok()) return status;
  }
  if (reader.truncated()) {
    return OpeningError::Damaged("la secuencia Workbook termina dentro de un registro");
  }
  // A globals part without its EOF record is read as far as it goes: what
  // matters (the sheet list) has been seen or the sheets will be missing.
  code_page_ = std::make_unique<CodePage>(biff_ == 8 ? 1252 : code_page_number_);
  return DecodeNamedRecords();
}

Status WorkbookGlobals::ReadBof(const BiffRecord& bof, StreamOrigin origin) {
  if (bof.type == biff::kBof2 || bof.type == biff::kBof3 || bof.type == biff::kBof4) {
    return OpeningError::OldExcel();
  }
  if (bof.type != biff::kBof) {
    return OpeningError::Damaged("la secuencia Workbook no empieza con un registro BOF");
  }
  if (bof.data.size() < 4) return OpeningError::Damaged("registro BOF incompleto");
  const std::uint16_t version = U16(bof.data.data());
  const std::uint16_t substream = U16(bof.data.data() + 2);
  if (version == kBiff8Version) {
    biff_ = 8;
  } else if (version == kBiff5Version) {
    biff_ = 5;
  } else {
    // Some writers leave the version out; the stream's name tells it then.
    biff_ = origin == StreamOrigin::kBook ? 5 : 8;
  }
  if (substream == kWorkspace) return OpeningError::NotExcel97();
  if (substream != kGlobalsSubstream) {
    return OpeningError::Damaged("la secuencia Workbook no empieza con la parte global del libro");
  }
  return Status::Ok();
}

Status WorkbookGlobals::ReadRecord(const BiffRecord& record, BiffRecordReader* reader,
                                   StringPool* pool) {
  const std::string_view data = record.data;
  switch (record.type) {
    case biff::kFilePass:
      return OpeningError::Password();
    case biff::kCodePage:
      if (data.size() >= 2) code_page_number_ = U16(data.data());
      break;
    case biff::kDateMode:
      if (data.size() >= 2) date1904_ = U16(data.data()) != 0;
      break;
    case biff::kFormat:
      format_records_.push_back(data);
      break;
    case biff::kXf:
      // A short XF still takes its place in the numbering; it formats as General.
      formats_.AddXf(data.size() >= 4 ? U16(data.data() + 2) : 0);
      break;
    case biff::kBoundSheet:
      sheet_records_.push_back(data);
      break;
    case biff::kSst: {
      // Only the first table counts; LABELSST cells refer to it.
      std::vector<std::string_view> fragments{data};
      reader->TakeContinues(&fragments);
      if (have_shared_strings_) break;
      have_shared_strings_ = true;
      return shared_strings_.Decode(fragments, pool);
    }
    default:
      break;
  }
  return Status::Ok();
}

bool WorkbookGlobals::ReadString(ContinuedRecord* in, int count_bytes, std::string* utf8) {
  return biff_ == 8 ? BiffString::ReadUnicode(in, count_bytes, utf8)
                    : BiffString::ReadBytes(in, count_bytes, code_page_.get(), utf8);
}

bool WorkbookGlobals::ReadStringAt(std::string_view data, size_t offset, int count_bytes,
                                   std::string* utf8) {
  if (offset > data.size()) return false;
  const std::string_view rest = data.substr(offset);
  ContinuedRecord in(std::span<const std::string_view>(&rest, 1));
  return ReadString(&in, count_bytes, utf8);
}

Status WorkbookGlobals::DecodeNamedRecords() {
  std::string text;
  for (const std::string_view data : format_records_) {
    // A FORMAT record too short for its string is left out: its cells then
    // read as plain numbers, which loses nothing but the date kind.
    if (data.size() >= 2 && ReadStringAt(data, 2, biff_ == 8 ? 2 : 1, &text)) {
      formats_.AddFormat(U16(data.data()), text);
    }
  }
  // Formulas number sheets with 16 bits; a longer list is not a workbook's.
  if (sheet_records_.size() > kMaxSheets) {
    return OpeningError::Damaged("el libro dice tener más de 65535 hojas");
  }
  for (const std::string_view data : sheet_records_) {
    SheetEntry entry;
    if (data.size() < 6 || !ReadStringAt(data, 6, 1, &entry.name)) {
      return OpeningError::Damaged("registro BOUNDSHEET incompleto");
    }
    entry.offset = U32(data.data());
    entry.type = static_cast<std::uint8_t>(data[5]);
    sheets_.push_back(std::move(entry));
  }
  return Status::Ok();
}

}  // namespace kaldoren
