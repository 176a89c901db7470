// StylesPart: reads xl/styles.xml into NumberFormats: each custom number
// format (numFmt of numFmts: its id and code; those of conditional formats,
// in dxfs, format no cell) and each cell format (xf of cellXfs, in
// order: a cell's s attribute is its index there) with its numFmtId, so that
// a cell's style tells whether its number is a date by the same rule as in
// .xls workbooks.
#pragma once

#include <string_view>

#include "workbook/NumberFormats.h"
#include "workbook/XmlHandler.h"

namespace kaldoren {

class StylesPart final : public XmlHandler {
 public:
  explicit StylesPart(NumberFormats* formats) : formats_(formats) {}

  void StartElement(std::string_view name, std::string_view uri,
                    std::span<const XmlAttribute> attributes) override;
  void EndElement(std::string_view name, std::string_view uri) override;
  void Characters(std::string_view) override {}

 private:
  NumberFormats* formats_;
  bool in_cell_xfs_ = false;
  bool in_number_formats_ = false;
};

}  // namespace kaldoren
