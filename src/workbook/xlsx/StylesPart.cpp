#include "workbook/xlsx/StylesPart.h"

#include <charconv>
#include <cstdint>

namespace kaldoren {
namespace {

// A format id; ids outside 16 bits (none is) read as General (0).
std::uint16_t FormatId(const std::string_view* text) {
  unsigned id = 0;
  if (text == nullptr) return 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), id);
  return error == std::errc() && id <= UINT16_MAX ? static_cast<std::uint16_t>(id) : 0;
}

}  // namespace

void StylesPart::StartElement(std::string_view name, std::string_view,
                              std::span<const XmlAttribute> attributes) {
  if (name == "cellXfs") {
    in_cell_xfs_ = true;
  } else if (name == "numFmts") {
    in_number_formats_ = true;
  } else if (name == "xf" && in_cell_xfs_) {
    formats_->AddXf(FormatId(Attribute(attributes, "numFmtId")));
  } else if (name == "numFmt" && in_number_formats_) {
    const std::string_view* code = Attribute(attributes, "formatCode");
    const std::string_view* id = Attribute(attributes, "numFmtId");
    if (code != nullptr && id != nullptr) formats_->AddFormat(FormatId(id), *code);
  }
}

void StylesPart::EndElement(std::string_view name, std::string_view) {
  if (name == "cellXfs") in_cell_xfs_ = false;
  if (name == "numFmts") in_number_formats_ = false;
}

}  // namespace kaldoren
