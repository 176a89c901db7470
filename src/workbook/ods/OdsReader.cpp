#include "workbook/ods/OdsReader.h"

#include <memory>
#include <utility>

#include "workbook/XmlStream.h"
#include "workbook/ZipMemberStream.h"
#include "workbook/ods/OdsContent.h"

namespace kaldoren {
namespace {

constexpr std::uint64_t kCopiesAllowance = std::uint64_t{1} << 16;
constexpr std::uint64_t kCopiesPerFileByte = 2;
constexpr std::uint64_t kTableViewAllowance = std::uint64_t{64} << 20;
constexpr std::uint64_t kTableViewBytesPerFileByte = 4;

}  // namespace

Status OdsReader::Read(const ZipArchive& zip, Workbook* out) {
  std::unique_ptr<ZipMemberStream> member;
  Status status = zip.OpenStream("content.xml", &member);
  if (!status.ok()) return status;
  const std::uint64_t file_bytes = zip.file_bytes();
  OdsContent::Limits limits;
  limits.copies = kCopiesAllowance + kCopiesPerFileByte * file_bytes;
  limits.table_view_bytes = kTableViewAllowance + kTableViewBytesPerFileByte * file_bytes;
  Workbook book;
  OdsContent content(&book, limits);
  status = XmlStream::Parse(member.get(), &content);
  if (!status.ok()) return status;
  member.reset();
  for (const auto& sheet : book.sheets()) sheet->Finish();
  *out = std::move(book);
  return Status::Ok();
}

}  // namespace kaldoren
