#include "workbook/xlsx/WorksheetPart.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "workbook/OpeningError.h"
#include "workbook/TextValue.h"
#include "workbook/xlsx/CellReference.h"
#include "workbook/xlsx/XlsxText.h"

namespace kaldoren {
namespace {

constexpr std::uint8_t kNumError = 0x24;
// The fewest bytes a cell takes in a worksheet part: <c/>.
constexpr size_t kLeastCellBytes = 4;

template <typename T>
bool ParseWhole(std::string_view text, T* out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *out);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

void WorksheetPart::StartElement(std::string_view name, std::string_view,
                                 std::span<const XmlAttribute> attributes) {
  // The elements of every cell come first.
  if (in_data_ && name == "c") {
    StartCell(attributes);
  } else if (in_data_ && name == "v") {
    in_value_ = true;
    value_.clear();
  } else if (name == "sheetData") {
    in_data_ = true;
  } else if (!in_data_) {
    if (name == "dimension") ReserveDimension(attributes);
  } else if (name == "row") {
    StartRow(attributes);
  } else if (name == "is") {
    in_inline_ = true;
    text_.clear();
  } else if (name == "rPh") {
    ++phonetic_depth_;
  } else if (name == "t" && in_inline_ && phonetic_depth_ == 0) {
    in_value_ = true;
    value_.clear();
  }
}

void WorksheetPart::EndElement(std::string_view name, std::string_view) {
  if (!in_data_) return;
  if (name == "v") {
    in_value_ = false;
    has_value_ = true;
  } else if (name == "c") {
    AddCell();
  } else if (name == "t" && in_value_) {
    in_value_ = false;
    has_value_ = true;
    XlsxText::AppendDecoded(value_, &text_);
  } else if (name == "is") {
    in_inline_ = false;
  } else if (name == "rPh") {
    --phonetic_depth_;
  } else if (name == "sheetData") {
    in_data_ = false;
  }
}

void WorksheetPart::Characters(std::string_view text) {
  if (in_value_) value_.append(text);
}

void WorksheetPart::ReserveDimension(std::span<const XmlAttribute> attributes) {
  // Growing the cells' room as they come copies them over and over; the
  // dimension ("A1:X65001") tells the room at once. It is only a hint: a
  // wrong or lying one costs at most room the part could fill anyway.
  const std::string_view* range = Attribute(attributes, "ref");
  if (range == nullptr) return;
  const size_t colon = std::min(range->find(':'), range->size());
  std::uint32_t first_row = 0;
  std::uint32_t first_column = 0;
  std::uint32_t last_row = 0;
  std::uint32_t last_column = 0;
  if (!CellReference::Parse(range->substr(0, colon), &first_row, &first_column) ||
      !CellReference::Parse(range->substr(std::min(colon + 1, range->size())), &last_row,
                            &last_column) ||
      last_row < first_row || last_column < first_column) {
    return;
  }
  const auto cells = std::uint64_t{last_row - first_row + 1} * (last_column - first_column + 1);
  sheet_->Reserve(static_cast<size_t>(
      std::min<std::uint64_t>({cells, *context_.cell_budget, part_bytes_ / kLeastCellBytes})));
}

void WorksheetPart::StartRow(std::span<const XmlAttribute> attributes) {
  const std::string_view* reference = Attribute(attributes, "r");
  std::uint32_t row = 0;
  if (reference == nullptr) {
    row = static_cast<std::uint32_t>(row_ + 1);
  } else if (!CellReference::ParseRow(*reference, &row)) {
    Fail(OpeningError::Damaged("la hoja " + sheet_->name() + " tiene una fila " +
                               std::string(*reference) + " fuera de sus límites"));
    return;
  }
  row_ = row;
  column_ = -1;
}

WorksheetPart::Type WorksheetPart::TypeNamed(std::string_view type) {
  if (type == "s") return Type::kShared;
  if (type == "str") return Type::kFormulaText;
  if (type == "inlineStr") return Type::kInline;
  if (type == "b") return Type::kBoolean;
  if (type == "e") return Type::kError;
  if (type == "d") return Type::kIsoDate;
  return Type::kNumber;
}

void WorksheetPart::StartCell(std::span<const XmlAttribute> attributes) {
  // One pass over the attributes: every cell has some, and looking each up
  // by name showed in profiles.
  const std::string_view* reference = nullptr;
  const std::string_view* style = nullptr;
  type_ = Type::kNumber;
  for (const XmlAttribute& attribute : attributes) {
    if (attribute.name.size() != 1 || !attribute.uri.empty()) continue;
    if (attribute.name[0] == 'r') reference = &attribute.value;
    if (attribute.name[0] == 's') style = &attribute.value;
    if (attribute.name[0] == 't') type_ = TypeNamed(attribute.value);
  }
  std::uint32_t row = static_cast<std::uint32_t>(std::max<std::int64_t>(row_, 0));
  std::uint32_t column = static_cast<std::uint32_t>(column_ + 1);
  if (reference != nullptr && !CellReference::Parse(*reference, &row, &column)) {
    Fail(OpeningError::Damaged("la hoja " + sheet_->name() + " tiene una celda " +
                               std::string(*reference) + " fuera de sus límites"));
    return;
  }
  row_ = row;
  column_ = column;
  unsigned xf = 0;
  style_ = style != nullptr && ParseWhole(*style, &xf) && xf < UINT16_MAX
               ? static_cast<std::uint16_t>(xf)
               : (style != nullptr ? UINT16_MAX : 0);
  has_value_ = false;
  in_value_ = false;
  value_.clear();
  text_.clear();
}

void WorksheetPart::FailAtCell(std::string_view what) {
  Fail(OpeningError::Damaged(
      "la celda " +
      CellReference::Name(static_cast<std::uint32_t>(row_), static_cast<std::uint32_t>(column_)) +
      " de la hoja " + sheet_->name() + " " + std::string(what)));
}

void WorksheetPart::AddCell() {
  if (*context_.cell_budget == 0) {
    Fail(OpeningError::Damaged("la hoja " + sheet_->name() +
                               " tiene muchas más celdas de las que el archivo justifica"));
    return;
  }
  --*context_.cell_budget;
  const auto row = static_cast<std::uint32_t>(row_);
  const auto column = static_cast<std::uint16_t>(column_);
  if (!has_value_) {
    sheet_->AddBlank(row, column);
    return;
  }
  switch (type_) {
    case Type::kInline:
      sheet_->AddText(row, column, text_);
      break;
    case Type::kShared:
      AddSharedString(column);
      break;
    case Type::kFormulaText:
      text_.clear();
      XlsxText::AppendDecoded(value_, &text_);
      sheet_->AddText(row, column, text_);
      break;
    case Type::kBoolean: {
      bool value = false;  // any other text reads as false, as Excel reads it
      TextValue::Boolean(value_, &value);
      sheet_->AddBoolean(row, column, value);
      break;
    }
    case Type::kError:
      sheet_->AddError(row, column, TextValue::ErrorCode(value_));
      break;
    case Type::kIsoDate:
      AddIsoDate(column);
      break;
    case Type::kNumber:
      AddNumber(column);
      break;
  }
}

void WorksheetPart::AddSharedString(std::uint16_t column) {
  std::uint32_t index = 0;
  if (!ParseWhole(TextValue::Trimmed(value_), &index) || index >= context_.shared_strings) {
    FailAtCell("remite al texto compartido " + value_ + ", que no existe");
    return;
  }
  sheet_->AddPooledText(static_cast<std::uint32_t>(row_), column,
                        context_.first_shared_string + index);
}

void WorksheetPart::AddNumber(std::uint16_t column) {
  const auto row = static_cast<std::uint32_t>(row_);
  double x = 0;
  if (!TextValue::Number(value_, &x)) {
    FailAtCell("tiene un número ilegible: " + value_.substr(0, 40));
  } else if (!std::isfinite(x)) {
    sheet_->AddError(row, column, kNumError);
  } else if (context_.formats->IsDateXf(style_)) {
    sheet_->AddDate(row, column, x + context_.date_offset);
  } else {
    sheet_->AddNumber(row, column, x);
  }
}

void WorksheetPart::AddIsoDate(std::uint16_t column) {
  double day_count = 0;
  if (TextValue::TimeOfDay(value_, &day_count)) {
    // A time alone, which Excel writes in strict files for a time cell, is a
    // time of the workbook's day 0; day 0 of a 1904 workbook is 01/01/1904.
    day_count += context_.date_offset;
  } else if (!TextValue::DateTime(value_, &day_count)) {
    FailAtCell("tiene una fecha ilegible: " + value_.substr(0, 40));
    return;
  }
  sheet_->AddDate(static_cast<std::uint32_t>(row_), column, day_count);
}

}  // namespace kaldoren
