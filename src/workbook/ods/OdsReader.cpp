#include "workbook/ods/OdsReader.h"

#include <utility>

#include "workbook/TableViewBudget.h"
#include "workbook/XmlStream.h"
#include "workbook/ods/OdsContent.h"

namespace kaldoren {
namespace {

constexpr std::uint64_t kCopiesAllowance = std::uint64_t{1} << 15;
constexpr std::uint64_t kCopiesPerFileByte = 1;

}  // namespace

Status OdsReader::Read(const ZipArchive& zip, Workbook* out) {
  Workbook book;
  OdsContent content(&book, kCopiesAllowance + kCopiesPerFileByte * zip.FileSize());
  Status status = XmlStream::ParseMember(zip, "content.xml", &content);
  if (!status.ok()) return status;
  TableViewBudget budget(zip.FileSize());
  for (const auto& sheet : book.sheets()) {
    status = budget.Add(*sheet);
    if (!status.ok()) return status;
  }
  for (const auto& sheet : book.sheets()) sheet->Finish();
  *out = std::move(book);
  return Status::Ok();
}

}  // namespace kaldoren
