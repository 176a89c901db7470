#include "workbook/xlsx/WorkbookPart.h"

namespace kaldoren {

void WorkbookPart::StartElement(std::string_view name, std::string_view,
                                std::span<const XmlAttribute> attributes) {
  const int depth = depth_++;
  // Only the workbook's own workbookPr: extensions (extLst) hold others of
  // that name, as x15:workbookPr, without date1904.
  if (name == "workbookPr" && depth == 1) {
    const std::string_view* date1904 = Attribute(attributes, "date1904");
    date1904_ = date1904 != nullptr && (*date1904 == "1" || *date1904 == "true");
    return;
  }
  if (name != "sheet" || depth != 2) return;
  const std::string_view* sheet_name = Attribute(attributes, "name");
  // The relationship id is r:id, in the transitional or the strict
  // relationships namespace.
  const std::string_view* id = nullptr;
  for (const XmlAttribute& attribute : attributes) {
    if (attribute.name == "id" && !attribute.uri.empty()) id = &attribute.value;
  }
  if (sheet_name != nullptr && id != nullptr) {
    sheets_.push_back({std::string(*sheet_name), std::string(*id)});
  }
}

void WorkbookPart::EndElement(std::string_view, std::string_view) { --depth_; }

}  // namespace kaldoren
