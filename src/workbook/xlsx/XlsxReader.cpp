#include "workbook/xlsx/XlsxReader.h"

#include <memory>
#include <string>

#include "workbook/NumberFormats.h"
#include "workbook/OpeningError.h"
#include "workbook/TableViewBudget.h"
#include "workbook/XmlStream.h"
#include "workbook/xlsx/Relationships.h"
#include "workbook/xlsx/SharedStringsPart.h"
#include "workbook/xlsx/StylesPart.h"
#include "workbook/xlsx/WorkbookPart.h"
#include "workbook/xlsx/WorksheetPart.h"

namespace kaldoren {
namespace {

constexpr std::string_view kUsualWorkbook = "xl/workbook.xml";
constexpr double k1904Offset = 1462;

// The member of a part the workbook relates to by type, or where writers
// put it when the relationships do not say; empty when there is none.
std::string PartOfType(const ZipArchive& zip, const Relationships& relationships,
                       std::string_view type, std::string_view usual) {
  const std::string related = relationships.TargetOfType(type);
  if (!related.empty()) return related;
  return zip.Has(usual) ? std::string(usual) : std::string();
}

// Parses a part the workbook may lack.
Status ParseOptional(const ZipArchive& zip, const std::string& member, XmlHandler* handler) {
  return member.empty() ? Status::Ok() : XmlStream::ParseMember(zip, member, handler);
}

Status ReadSheets(const ZipArchive& zip, const WorkbookPart& workbook,
                  const Relationships& relationships, const WorksheetPart::Context& context,
                  Workbook* book) {
  TableViewBudget budget(zip.FileSize());
  for (const WorkbookPart::SheetEntry& entry : workbook.sheets()) {
    const Relationships::Relationship* part = relationships.Find(entry.relationship);
    if (part == nullptr) return OpeningError::Damaged("no se encuentra la hoja " + entry.name);
    if (!part->type.ends_with("/worksheet")) continue;  // chart, dialog or macro sheet
    std::unique_ptr<ZipMemberStream> stream;
    Status status = zip.OpenStream(part->target, &stream);
    if (!status.ok()) return status;
    Sheet& sheet = book->AddSheet(entry.name);
    WorksheetPart reader(&sheet, context, stream->remaining());
    status = XmlStream::Parse(stream.get(), &reader);
    if (!status.ok()) return status;
    status = budget.Add(sheet);
    if (!status.ok()) return status;
  }
  return Status::Ok();
}

}  // namespace

std::string XlsxReader::MainPart(const ZipArchive& zip) {
  Relationships package("");
  if (zip.Has("_rels/.rels") && XmlStream::ParseMember(zip, "_rels/.rels", &package).ok()) {
    const std::string main = package.TargetOfType("/officeDocument");
    if (!main.empty() && zip.Has(main)) return main;
  }
  return zip.Has(kUsualWorkbook) ? std::string(kUsualWorkbook) : std::string();
}

Status XlsxReader::Read(const ZipArchive& zip, Workbook* out) {
  const std::string main = MainPart(zip);
  if (main.empty()) return OpeningError::Damaged("falta la parte " + std::string(kUsualWorkbook));
  // The workbook's relationships: xl/_rels/workbook.xml.rels beside
  // xl/workbook.xml.
  const size_t name = main.rfind('/') + 1;
  const std::string folder = main.substr(0, name);
  const std::string relationships_part = folder + "_rels/" + main.substr(name) + ".rels";
  Relationships relationships(folder);
  Status status = ParseOptional(
      zip, zip.Has(relationships_part) ? relationships_part : std::string(), &relationships);
  if (!status.ok()) return status;
  WorkbookPart workbook;
  status = XmlStream::ParseMember(zip, main, &workbook);
  if (!status.ok()) return status;
  NumberFormats formats;
  StylesPart styles(&formats);
  status = ParseOptional(zip, PartOfType(zip, relationships, "/styles", "xl/styles.xml"), &styles);
  if (!status.ok()) return status;
  Workbook book;
  SharedStringsPart shared(&book.strings());
  status = ParseOptional(
      zip, PartOfType(zip, relationships, "/sharedStrings", "xl/sharedStrings.xml"), &shared);
  if (!status.ok()) return status;
  size_t cell_budget = kCellFloor + kCellsPerFileByte * zip.FileSize();
  const WorksheetPart::Context context{&formats, shared.first(), shared.count(),
                                       workbook.date1904() ? k1904Offset : 0, &cell_budget};
  status = ReadSheets(zip, workbook, relationships, context, &book);
  if (!status.ok()) return status;
  for (const auto& sheet : book.sheets()) sheet->Finish();
  *out = std::move(book);
  return Status::Ok();
}

}  // namespace kaldoren
