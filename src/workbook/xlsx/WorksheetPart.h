// WorksheetPart: reads a worksheet part (xl/worksheets/sheetN.xml) into a
// Sheet, cell by cell as the XML streams past; only sheetData is looked at.
//
// What a cell means, by its t attribute: s, a shared string (an index out of
// range is damage); str, a formula's text result; inlineStr, the text of its
// is element; b, a boolean; e, an error (its code kept, read as empty); d, an
// ISO 8601 date and time, as a day count (a time alone is a time of the
// workbook's day 0); otherwise a number, a date when its
// style (s attribute) formats dates, with 1462 days added in a 1904 workbook.
// A formula cell holds its cached result in v like any other; a cell without
// a value is a formatted blank. Rows and cells without an r attribute follow
// the one before. A reference beyond Excel's 1,048,576 rows or 16,384
// columns, an unreadable number or date, or more cells than the budget allows
// are damage, reported with the sheet's name and the cell's reference. The
// dimension element, when the part has one, says how much room to make for
// the cells at once (never more than the part's bytes could fill).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "workbook/NumberFormats.h"
#include "workbook/Sheet.h"
#include "workbook/XmlHandler.h"

namespace kaldoren {

class WorksheetPart final : public XmlHandler {
 public:
  struct Context {
    const NumberFormats* formats = nullptr;
    // Pool indexes of the shared strings: first, first + 1, ... below first + count.
    std::uint32_t first_shared_string = 0;
    std::uint32_t shared_strings = 0;
    double date_offset = 0;  // 1462 in a 1904 workbook
    // Cells the workbook may still hold; every cell read takes one.
    size_t* cell_budget = nullptr;
  };

  // part_bytes: the inflated size of the worksheet part.
  WorksheetPart(Sheet* sheet, const Context& context, size_t part_bytes)
      : sheet_(sheet), context_(context), part_bytes_(part_bytes) {}

  void StartElement(std::string_view name, std::string_view uri,
                    std::span<const XmlAttribute> attributes) override;
  void EndElement(std::string_view name, std::string_view uri) override;
  void Characters(std::string_view text) override;

 private:
  // What a cell's t attribute says its value is.
  enum class Type { kNumber, kShared, kFormulaText, kInline, kBoolean, kError, kIsoDate };
  static Type TypeNamed(std::string_view type);

  void ReserveDimension(std::span<const XmlAttribute> attributes);
  void StartRow(std::span<const XmlAttribute> attributes);
  void StartCell(std::span<const XmlAttribute> attributes);
  void AddCell();
  void AddSharedString(std::uint16_t column);
  void AddNumber(std::uint16_t column);
  void AddIsoDate(std::uint16_t column);
  void FailAtCell(std::string_view what);

  Sheet* sheet_;
  Context context_;
  size_t part_bytes_;
  bool in_data_ = false;
  // The row and column of the last row and cell met (-1 before the first),
  // where the next ones without r follow.
  std::int64_t row_ = -1;
  std::int64_t column_ = -1;
  // The cell being read.
  Type type_ = Type::kNumber;
  std::uint16_t style_ = 0;
  bool has_value_ = false;
  bool in_value_ = false;
  bool in_inline_ = false;
  int phonetic_depth_ = 0;
  std::string value_;
  std::string text_;
};

}  // namespace kaldoren
