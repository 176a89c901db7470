#include "workbook/WorkbookReader.h"

#include "workbook/OpeningError.h"
#include "workbook/TextValue.h"
#include "workbook/WorkbookFile.h"
#include "workbook/XmlStream.h"
#include "workbook/ZipArchive.h"
#include "workbook/ods/OdsReader.h"
#include "workbook/xls/XlsReader.h"
#include "workbook/xlsx/XlsxReader.h"

namespace kaldoren {
namespace {

constexpr std::string_view kOdsMediaType = "application/vnd.oasis.opendocument.spreadsheet";

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

// The media type of the manifest's entry for the whole package ("/").
class PackageMediaType final : public XmlHandler {
 public:
  void StartElement(std::string_view name, std::string_view uri,
                    std::span<const XmlAttribute> attributes) override {
    constexpr std::string_view kManifest = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";
    if (name != "file-entry" || uri != kManifest) return;
    const std::string_view* path = Attribute(attributes, "full-path", kManifest);
    const std::string_view* type = Attribute(attributes, "media-type", kManifest);
    if (path != nullptr && *path == "/" && type != nullptr) media_type_ = *type;
  }
  void EndElement(std::string_view, std::string_view) override {}
  void Characters(std::string_view) override {}
  const std::string& media_type() const { return media_type_; }

 private:
  std::string media_type_;
};

// An OpenDocument spreadsheet says so in its "mimetype" member, which the
// format wants first but some writers put elsewhere; without one, the
// manifest's entry for the package says it.
bool IsOdsPackage(const ZipArchive& zip) {
  std::string media_type;
  if (zip.ReadWhole("mimetype", 256, &media_type).ok()) {
    return TextValue::Trimmed(media_type) == kOdsMediaType;
  }
  PackageMediaType entry;
  return XmlStream::ParseMember(zip, "META-INF/manifest.xml", &entry).ok() &&
         entry.media_type() == kOdsMediaType;
}

Status ReadZip(GsfInput* input, Workbook* out) {
  ZipArchive zip;
  const Status opened = zip.Open(input);
  if (!opened.ok()) return opened;
  if (zip.Has("[Content_Types].xml")) {
    // The main document of a package tells a workbook (under xl/) from a
    // text or a presentation, and an .xlsb's is binary.
    // A package with an xl folder and no workbook part is a damaged .xlsx.
    const std::string main = XlsxReader::MainPart(zip);
    if (main.ends_with(".bin")) return OpeningError::BinaryExcel();
    if (main.starts_with("xl/") || (main.empty() && zip.Has("xl"))) {
      return XlsxReader::Read(zip, out);
    }
  }
  if (zip.Has("content.xml") && IsOdsPackage(zip)) return OdsReader::Read(zip, out);
  return OpeningError::Compressed();
}

Status ReadInput(GsfInput* input, Workbook* out) {
  if (gsf_input_size(input) == 0) return OpeningError::EmptyFile();
  const std::string head = WorkbookFile::Peek(input, 0, 8);
  if (StartsWith(head, std::string_view("PK\x03\x04", 4)) ||
      StartsWith(head, std::string_view("PK\x05\x06", 4))) {
    return ReadZip(input, out);
  }
  if (StartsWith(head, "Rar!\x1A\x07") || StartsWith(head, "7z\xBC\xAF\x27\x1C") ||
      StartsWith(head, "\x1F\x8B")) {
    return OpeningError::Compressed();
  }
  return XlsReader::Read(input, out);
}

}  // namespace

Status WorkbookReader::Read(const std::string& path, Workbook* out) {
  GsfInputPtr input;
  const Status opened = WorkbookFile::Open(path, &input);
  if (!opened.ok()) return opened;
  return ReadInput(input.get(), out);
}

Status WorkbookReader::ReadBytes(std::string_view bytes, Workbook* out) {
  GsfInputPtr input;
  const Status opened = WorkbookFile::OpenBytes(bytes, &input);
  if (!opened.ok()) return opened;
  return ReadInput(input.get(), out);
}

}  // namespace kaldoren
