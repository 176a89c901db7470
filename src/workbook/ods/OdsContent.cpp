#include "workbook/ods/OdsContent.h"

#include <sys/mman.h>

#include <algorithm>
#include <cmath>

#include "workbook/OpeningError.h"
#include "workbook/TextValue.h"

namespace kaldoren {
namespace {

constexpr std::string_view kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
constexpr std::string_view kCalcext =
    "urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0";

constexpr std::uint8_t kNumError = 0x24;
// Positions never pass this, however many repetitions are added up.
constexpr std::uint64_t kFarAway = std::uint64_t{1} << 62;
// A run of spaces (text:s) longer than any real cell holds is cut here, so
// that the text of a cell grows at most some fifteen times its XML.
constexpr std::uint64_t kMaxSpaces = 255;

std::uint64_t Advanced(std::uint64_t position, std::uint64_t count) {
  return std::min(kFarAway, position + std::min(count, kFarAway));
}

// A repetition or space count: digits, read up to kFarAway; 1 when absent,
// zero or not a number.
std::uint64_t Count(const std::string_view* text) {
  if (text == nullptr || text->empty()) return 1;
  std::uint64_t n = 0;
  for (const char c : *text) {
    if (c < '0' || c > '9') return 1;
    n = std::min(kFarAway, n * 10 + static_cast<std::uint64_t>(c - '0'));
  }
  return n == 0 ? 1 : n;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

void Put(const Cell& c, Sheet* sheet) {
  switch (c.kind) {
    case CellKind::Number:
      sheet->AddNumber(c.row, c.column, c.number);
      break;
    case CellKind::Date:
      sheet->AddDate(c.row, c.column, c.number);
      break;
    case CellKind::Text:
      sheet->AddPooledText(c.row, c.column, c.text_index);
      break;
    case CellKind::Boolean:
      sheet->AddBoolean(c.row, c.column, c.number != 0);
      break;
    case CellKind::Error:
      sheet->AddError(c.row, c.column, c.error_code);
      break;
    case CellKind::Blank:
      sheet->AddBlank(c.row, c.column);
      break;
  }
}

}  // namespace

void OdsContent::BlockRelease::operator()(Cell* block) const { munmap(block, kBlockBytes); }

OdsContent::OdsContent(Workbook* book, std::uint64_t max_copies)
    : book_(book), copies_left_(max_copies) {}

void OdsContent::StartElement(std::string_view name, std::string_view uri,
                              std::span<const XmlAttribute> attributes) {
  ++depth_;
  if (skip_depth_ != 0) return;
  switch (level_) {
    case Level::kOutside:
      if (name == "spreadsheet" && uri == kOffice) Enter(Level::kSpreadsheet);
      return;
    case Level::kSpreadsheet:
      if (name == "table" && uri == kTable) {
        StartSheet(attributes);
      } else {
        Skip();
      }
      return;
    case Level::kSheet:
      if (uri != kTable) {
        Skip();
      } else if (name == "table-row") {
        StartRow(attributes);
      } else if (name != "table-row-group" && name != "table-header-rows" && name != "table-rows") {
        Skip();
      }
      return;
    case Level::kRow:
      if ((name == "table-cell" || name == "covered-table-cell") && uri == kTable) {
        StartCell(attributes);
      } else {
        Skip();
      }
      return;
    case Level::kCell:
      if (collect_ && (name == "p" || name == "h") && uri == kText) {
        if (shown_) text_.push_back('\n');
        shown_ = true;
        collapse_space_ = true;
        Enter(Level::kParagraph);
      } else {
        Skip();
      }
      return;
    case Level::kParagraph:
      StartInParagraph(name, uri, attributes);
      return;
  }
}

void OdsContent::EndElement(std::string_view, std::string_view) {
  if (skip_depth_ != 0) {
    if (depth_ == skip_depth_) skip_depth_ = 0;
  } else if (level_ != Level::kOutside && depth_ == level_depth_[static_cast<int>(level_)]) {
    Leave();
  }
  --depth_;
}

void OdsContent::Characters(std::string_view text) {
  if (level_ != Level::kParagraph || skip_depth_ != 0) return;
  // A run of white space is one space, and none at the start of a paragraph
  // or after a space; spaces that count are written as text:s.
  while (!text.empty()) {
    if (IsSpace(text.front())) {
      if (!collapse_space_) text_.push_back(' ');
      collapse_space_ = true;
      text.remove_prefix(1);
      continue;
    }
    const auto end = std::find_if(text.begin(), text.end(), IsSpace);
    const size_t length = static_cast<size_t>(end - text.begin());
    text_.append(text.data(), length);
    text.remove_prefix(length);
    collapse_space_ = false;
  }
}

void OdsContent::StartSheet(std::span<const XmlAttribute> attributes) {
  const std::string_view* name = Attribute(attributes, "name", kTable);
  sheet_ = &book_->AddSheet(name != nullptr ? std::string(*name)
                                            : "Hoja" + std::to_string(book_->sheets().size() + 1));
  row_ = 0;
  Enter(Level::kSheet);
}

void OdsContent::StartRow(std::span<const XmlAttribute> attributes) {
  row_repeat_ = Count(Attribute(attributes, "number-rows-repeated", kTable));
  column_ = 0;
  row_cells_.clear();
  Enter(Level::kRow);
}

void OdsContent::StartCell(std::span<const XmlAttribute> attributes) {
  std::string_view type;
  std::string_view calc_type;
  std::string_view value;
  std::string_view date;
  std::string_view time;
  std::string_view boolean;
  const std::string_view* string_value = nullptr;
  const std::string_view* repeat = nullptr;
  for (const XmlAttribute& a : attributes) {
    if (a.uri == kOffice) {
      if (a.name == "value-type") type = a.value;
      if (a.name == "value") value = a.value;
      if (a.name == "date-value") date = a.value;
      if (a.name == "time-value") time = a.value;
      if (a.name == "boolean-value") boolean = a.value;
      if (a.name == "string-value") string_value = &a.value;
    } else if (a.uri == kTable && a.name == "number-columns-repeated") {
      repeat = &a.value;
    } else if (a.uri == kCalcext && a.name == "value-type") {
      calc_type = a.value;
    }
  }
  cell_repeat_ = Count(repeat);
  cell_ = Cell();
  text_.clear();
  shown_ = false;
  // The text the cell shows stands in for a value that cannot be read.
  content_ = Content::kTextIfShown;
  bool b = false;
  const bool error = calc_type == "error";
  if (error) {
    // The error's code is read from the text shown when the cell ends.
    cell_.kind = CellKind::Error;
    content_ = Content::kValue;
  } else if (type == "float" || type == "percentage" || type == "currency") {
    if (TextValue::Number(value, &cell_.number)) {
      content_ = Content::kValue;
      cell_.kind = std::isfinite(cell_.number) ? CellKind::Number : CellKind::Error;
      cell_.error_code = kNumError;
    }
  } else if (type == "date" || type == "time") {
    if (type == "date" ? TextValue::DateTime(date, &cell_.number)
                       : TextValue::Duration(time, &cell_.number)) {
      content_ = Content::kValue;
      cell_.kind = CellKind::Date;
    }
  } else if (type == "boolean") {
    if (TextValue::Boolean(boolean, &b)) {
      content_ = Content::kValue;
      cell_.kind = CellKind::Boolean;
      cell_.number = b ? -1 : 0;
    }
  } else if (type == "string") {
    content_ = Content::kText;
    if (string_value != nullptr) text_.assign(*string_value);
  }
  // Paragraphs are read only where they give the cell its text or its error.
  collect_ = (content_ != Content::kValue || error) &&
             !(content_ == Content::kText && string_value != nullptr);
  Enter(Level::kCell);
}

void OdsContent::StartInParagraph(std::string_view name, std::string_view uri,
                                  std::span<const XmlAttribute> attributes) {
  if (uri == kText && name == "s") {
    AppendSpaces(Count(Attribute(attributes, "c", kText)));
  } else if (uri == kText && name == "tab") {
    text_.push_back('\t');
  } else if (uri == kText && name == "line-break") {
    text_.push_back('\n');
  } else if ((uri == kOffice && name == "annotation") || (uri == kText && name == "note")) {
    // Comments and notes are not part of the text the cell shows.
  } else {
    return;  // spans, links and the like: their text is the cell's
  }
  collapse_space_ = false;
  Skip();
}

void OdsContent::AppendSpaces(std::uint64_t count) {
  text_.append(static_cast<size_t>(std::min(count, kMaxSpaces)), ' ');
}

void OdsContent::Leave() {
  switch (level_) {
    case Level::kParagraph:
      level_ = Level::kCell;
      break;
    case Level::kCell:
      EndCell();
      level_ = Level::kRow;
      break;
    case Level::kRow:
      EndRow();
      level_ = Level::kSheet;
      break;
    case Level::kSheet:
      EndSheet();
      level_ = Level::kSpreadsheet;
      break;
    case Level::kSpreadsheet:
    case Level::kOutside:
      level_ = Level::kOutside;
      break;
  }
}

void OdsContent::EndCell() {
  const std::uint64_t first = column_;
  column_ = Advanced(column_, cell_repeat_);
  if (content_ == Content::kTextIfShown && !shown_) return;
  if (content_ == Content::kValue) {
    if (collect_) cell_.error_code = TextValue::ErrorCode(text_);
  } else {
    cell_.kind = CellKind::Text;
    cell_.text_index = book_->strings().Add(text_);
  }
  if (column_ > kMaxColumns) {
    return FailInSheet("tiene valores más allá de la columna " + std::to_string(kMaxColumns));
  }
  if (!Spend(cell_repeat_ - 1)) return;
  for (std::uint64_t c = first; c < column_; ++c) {
    cell_.column = static_cast<std::uint16_t>(c);
    row_cells_.push_back(cell_);
  }
}

void OdsContent::EndRow() {
  const std::uint64_t first = row_;
  row_ = Advanced(row_, row_repeat_);
  if (row_cells_.empty()) return;
  if (row_ > kMaxRows) {
    return FailInSheet("tiene valores más allá de la fila " + std::to_string(kMaxRows));
  }
  if (!Spend((row_repeat_ - 1) * row_cells_.size())) return;
  for (std::uint64_t r = first; r < row_; ++r) {
    for (Cell c : row_cells_) {
      c.row = static_cast<std::uint32_t>(r);
      Keep(c);
    }
    if (!failure().ok()) return;
  }
}

void OdsContent::Keep(const Cell& c) {
  if (kept_ % kBlockCells == 0) {
    void* pages =
        mmap(nullptr, kBlockBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED) return Fail(OpeningError::OutOfMemory());
    blocks_.emplace_back(static_cast<Cell*>(pages));
  }
  blocks_.back().get()[kept_ % kBlockCells] = c;
  ++kept_;
}

void OdsContent::MoveKeptCells() {
  sheet_->Reserve(kept_);
  for (size_t i = 0; i < kept_; ++i) {
    Put(blocks_[i / kBlockCells].get()[i % kBlockCells], sheet_);
    if ((i + 1) % kBlockCells == 0 || i + 1 == kept_) blocks_[i / kBlockCells].reset();
  }
  blocks_.clear();
  kept_ = 0;
}

void OdsContent::EndSheet() {
  MoveKeptCells();
  sheet_ = nullptr;
}

bool OdsContent::Spend(std::uint64_t copies) {
  if (copies > copies_left_) {
    FailInSheet("repite celdas muchas más veces de lo que el archivo justifica");
    return false;
  }
  copies_left_ -= copies;
  return true;
}

void OdsContent::FailInSheet(std::string_view what) {
  Fail(OpeningError::Damaged("la hoja " + sheet_->name() + " " + std::string(what)));
}

}  // namespace kaldoren
