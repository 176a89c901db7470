// OdsContent: what the content.xml of an OpenDocument spreadsheet holds for
// the cell model, taken element by element as XmlStream parses it: each
// table:table of the office:spreadsheet body is a worksheet, in document
// order, named by its table:name; its rows and cells are placed by position.
//
// - A cell's value comes from office:value-type (TextValue reads the value
//   attributes): float, percentage and currency are numbers; date and time
//   are day counts (date cells); boolean is -1/0; string is the text of the
//   cell's text:p (or text:h) paragraphs joined by a line feed, with text:s,
//   text:tab and text:line-break, spans and links, and white space collapsed
//   as the format says (office:string-value, when present, is the text). A
//   cell whose calcext:value-type is "error" is an error cell (empty for the
//   checks) with the code of the error it shows. A cell without a value type
//   that shows a paragraph is a text. A value that cannot be read keeps the
//   text the cell shows, so nothing the sheet shows is lost.
// - Covered cells (under a merged cell) and rows inside row groups, header
//   rows and table:table-rows are read in place. Columns, shapes, forms,
//   annotations and anything else are passed over.
// - table:number-columns-repeated and table:number-rows-repeated: empty
//   cells and rows only move the position, so the trailing runs writers put
//   up to the last row and column cost nothing whatever their count; cells
//   that hold something are copied for each repetition.
// - A cell without a value is no cell of the sheet, however it is formatted:
//   writers give styles to whole empty columns and rows, so the used range
//   is that of the cells with a value.
//
// Hostile input fails with an OpeningError::Damaged naming the sheet: a value
// beyond row kMaxRows or column kMaxColumns (the cell model's limits), or
// more copies than max_copies (the caller sets it by the file's size).
// The workbook must outlive the handler; a sheet's cells are kept in blocks
// until it ends, then added to it at once, so that its cells take their
// exact room and never the double a growing array would hold on to. The
// blocks are pages mapped straight from the system, each given back as soon
// as its cells are moved: blocks from malloc's heap would stay held (the
// heap keeps what it frees below its top), and the sheet's cells would sit
// in memory twice over. The sheets are left to the caller to finish.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/Cell.h"
#include "workbook/Workbook.h"
#include "workbook/XmlHandler.h"

namespace kaldoren {

class OdsContent final : public XmlHandler {
 public:
  static constexpr std::uint64_t kMaxRows = std::uint64_t{1} << 20;
  static constexpr std::uint64_t kMaxColumns = std::uint64_t{1} << 16;

  // max_copies: the cells that repetitions may add, in all.
  OdsContent(Workbook* book, std::uint64_t max_copies);

  void StartElement(std::string_view name, std::string_view uri,
                    std::span<const XmlAttribute> attributes) override;
  void EndElement(std::string_view name, std::string_view uri) override;
  void Characters(std::string_view text) override;

 private:
  // Where the parse stands; each level is entered by one element.
  enum class Level { kOutside, kSpreadsheet, kSheet, kRow, kCell, kParagraph };
  // What a cell holds once its element ends.
  enum class Content { kValue, kText, kTextIfShown };

  void Skip() { skip_depth_ = depth_; }
  void Enter(Level level) {
    level_ = level;
    level_depth_[static_cast<int>(level)] = depth_;
  }
  void StartSheet(std::span<const XmlAttribute> attributes);
  void StartRow(std::span<const XmlAttribute> attributes);
  void StartCell(std::span<const XmlAttribute> attributes);
  void StartInParagraph(std::string_view name, std::string_view uri,
                        std::span<const XmlAttribute> attributes);
  void Leave();
  void EndCell();
  void EndRow();
  void EndSheet();
  void Keep(const Cell& c);
  void MoveKeptCells();
  void AppendSpaces(std::uint64_t count);
  // Takes copies from what repetitions may still add; false (after Fail)
  // when that is not enough.
  bool Spend(std::uint64_t copies);
  void FailInSheet(std::string_view what);

  Workbook* book_;
  Sheet* sheet_ = nullptr;
  std::uint64_t copies_left_;

  int depth_ = 0;
  int skip_depth_ = 0;  // the depth of the element whose subtree is passed over; 0 for none
  Level level_ = Level::kOutside;
  int level_depth_[6] = {};

  std::uint64_t row_ = 0;
  std::uint64_t row_repeat_ = 1;
  std::uint64_t column_ = 0;
  std::vector<Cell> row_cells_;
  static constexpr size_t kBlockCells = size_t{1} << 16;
  static constexpr size_t kBlockBytes = kBlockCells * sizeof(Cell);
  struct BlockRelease {
    void operator()(Cell* block) const;
  };
  std::vector<std::unique_ptr<Cell, BlockRelease>> blocks_;  // the sheet's cells so far
  size_t kept_ = 0;

  // The cell being read.
  Content content_ = Content::kTextIfShown;
  Cell cell_;
  std::uint64_t cell_repeat_ = 1;
  std::string text_;
  bool collect_ = false;        // its paragraphs are read
  bool shown_ = false;          // a paragraph was met
  bool collapse_space_ = true;  // white space here is dropped (paragraph start, after a space)
};

}  // namespace kaldoren
