#include "workbook/xlsx/WorksheetPart.h"

#include <charconv>
#include <cmath>

#include "base/Calendar.h"
#include "workbook/OpeningError.h"
#include "workbook/xlsx/CellReference.h"
#include "workbook/xlsx/XlsxText.h"

namespace kaldoren {
namespace {

constexpr std::uint8_t kNumError = 0x24;

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

template <typename T>
bool ParseWhole(std::string_view text, T* out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *out);
  return error == std::errc() && end == text.data() + text.size();
}

// A fixed-width number at the front of text, taken off it.
bool TakeDigits(std::string_view* text, size_t width, int* out) {
  if (text->size() < width || !ParseWhole(text->substr(0, width), out)) return false;
  text->remove_prefix(width);
  return true;
}

bool TakeChar(std::string_view* text, char c) {
  if (text->empty() || text->front() != c) return false;
  text->remove_prefix(1);
  return true;
}

// An ISO 8601 time of day, HH:MM or HH:MM:SS with a fraction of a second, as
// the fraction of a day it is.
bool ParseIsoTime(std::string_view text, double* fraction) {
  int hour = 0;
  int minute = 0;
  double second = 0;
  if (!TakeDigits(&text, 2, &hour) || !TakeChar(&text, ':') || !TakeDigits(&text, 2, &minute)) {
    return false;
  }
  if (!text.empty() && (!TakeChar(&text, ':') || !ParseWhole(text, &second))) return false;
  if (hour > 24 || minute > 59 || !(second >= 0 && second < 61)) return false;
  *fraction = (hour * 3600 + minute * 60 + second) / 86400;
  return true;
}

// An ISO 8601 date with an optional time (2004-03-15, 2004-03-15T13:53:48,
// a final Z allowed), or a time alone (13:53:48.5), which Excel writes in
// strict files for a time cell, a time of the workbook's day 0: then
// *time_alone is set and the count is the fraction of the day.
bool ParseIsoDate(std::string_view text, double* day_count, bool* time_alone) {
  if (text.ends_with('Z')) text.remove_suffix(1);
  *time_alone = text.size() > 2 && text[2] == ':';
  if (*time_alone) return ParseIsoTime(text, day_count);
  int year = 0;
  int month = 0;
  int day = 0;
  if (!TakeDigits(&text, 4, &year) || !TakeChar(&text, '-') || !TakeDigits(&text, 2, &month) ||
      !TakeChar(&text, '-') || !TakeDigits(&text, 2, &day) ||
      !Calendar::IsValid(year, month, day)) {
    return false;
  }
  *day_count = Calendar::DayCount(year, month, day);
  double fraction = 0;
  if (text.empty()) return true;
  if (!TakeChar(&text, 'T') || !ParseIsoTime(text, &fraction)) return false;
  *day_count += fraction;
  return true;
}

std::uint8_t ErrorCode(std::string_view text) {
  constexpr struct {
    std::string_view text;
    std::uint8_t code;
  } kErrors[] = {{"#NULL!", 0x00}, {"#DIV/0!", 0x07}, {"#VALUE!", 0x0F}, {"#REF!", 0x17},
                 {"#NAME?", 0x1D}, {"#NUM!", 0x24},   {"#N/A", 0x2A}};
  for (const auto& error : kErrors) {
    if (error.text == text) return error.code;
  }
  return 0x2A;
}

}  // namespace

void WorksheetPart::StartElement(std::string_view name, std::string_view,
                                 std::span<const XmlAttribute> attributes) {
  if (name == "sheetData") {
    in_data_ = true;
  } else if (!in_data_) {
    return;
  } else if (name == "row") {
    StartRow(attributes);
  } else if (name == "c") {
    StartCell(attributes);
  } else if (name == "v") {
    in_value_ = true;
    value_.clear();
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
  } else if (name == "t" && in_value_) {
    in_value_ = false;
    has_value_ = true;
    XlsxText::AppendDecoded(value_, &text_);
  } else if (name == "is") {
    in_inline_ = false;
  } else if (name == "rPh") {
    --phonetic_depth_;
  } else if (name == "c") {
    AddCell();
  } else if (name == "sheetData") {
    in_data_ = false;
  }
}

void WorksheetPart::Characters(std::string_view text) {
  if (in_value_) value_.append(text);
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

void WorksheetPart::StartCell(std::span<const XmlAttribute> attributes) {
  const std::string_view* reference = Attribute(attributes, "r");
  std::uint32_t row = static_cast<std::uint32_t>(std::max<std::int64_t>(row_, 0));
  std::uint32_t column = static_cast<std::uint32_t>(column_ + 1);
  if (reference != nullptr && !CellReference::Parse(*reference, &row, &column)) {
    Fail(OpeningError::Damaged("la hoja " + sheet_->name() + " tiene una celda " +
                               std::string(*reference) + " fuera de sus límites"));
    return;
  }
  row_ = row;
  column_ = column;
  const std::string_view* type = Attribute(attributes, "t");
  type_.assign(type != nullptr ? *type : std::string_view());
  const std::string_view* style = Attribute(attributes, "s");
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
  if (type_ == "inlineStr" && has_value_) {
    sheet_->AddText(row, column, text_);
  } else if (!has_value_) {
    sheet_->AddBlank(row, column);
  } else if (type_ == "s") {
    std::uint32_t index = 0;
    if (!ParseWhole(Trimmed(value_), &index) || index >= context_.shared_strings) {
      FailAtCell("remite al texto compartido " + value_ + ", que no existe");
      return;
    }
    sheet_->AddPooledText(row, column, context_.first_shared_string + index);
  } else if (type_ == "str") {
    text_.clear();
    XlsxText::AppendDecoded(value_, &text_);
    sheet_->AddText(row, column, text_);
  } else if (type_ == "b") {
    const std::string_view value = Trimmed(value_);
    sheet_->AddBoolean(row, column, value == "1" || value == "true");
  } else if (type_ == "e") {
    sheet_->AddError(row, column, ErrorCode(Trimmed(value_)));
  } else if (type_ == "d") {
    AddIsoDate(column);
  } else {
    AddNumber(column);
  }
}

void WorksheetPart::AddNumber(std::uint16_t column) {
  const auto row = static_cast<std::uint32_t>(row_);
  double x = 0;
  if (!ParseWhole(Trimmed(value_), &x)) {
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
  bool time_alone = false;
  if (!ParseIsoDate(Trimmed(value_), &day_count, &time_alone)) {
    FailAtCell("tiene una fecha ilegible: " + value_.substr(0, 40));
    return;
  }
  // Day 0 of a 1904 workbook is 01/01/1904.
  if (time_alone) day_count += context_.date_offset;
  sheet_->AddDate(static_cast<std::uint32_t>(row_), column, day_count);
}

}  // namespace kaldoren
