#include "workbook/xls/SheetReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "workbook/WorkbookReader.h"
#include "workbook/xls/testing/BiffBuilder.h"

namespace kaldoren {
namespace {

using testing::BiffBuilder;
using testing::CellHead;
using testing::Compressed;
using testing::Le16;
using testing::Le32;
using testing::LeDouble;
using testing::Record;
using testing::Utf16;
using testing::XfData;

// XF 0 formats as General, XF 1 as the built-in date format 14, XF 2 as the
// workbook's own format 164, a date with time.
BiffBuilder WithFormats() {
  BiffBuilder builder;
  builder.Global(0x041E, Le16(164) + Compressed("dd/mm/yyyy hh:mm"));
  for (std::uint16_t format : {0, 14, 164}) builder.Global(0x00E0, XfData(format));
  return builder;
}

// One line per cell: "row,column kind value".
std::vector<std::string> Describe(const Sheet& sheet) {
  static const char* const kKinds[] = {"blank", "number", "text", "date", "boolean", "error"};
  std::vector<std::string> lines;
  for (const Cell& c : sheet.cells()) {
    char number[32];
    std::snprintf(number, sizeof number, "%.17g", c.number);
    std::string value = number;
    if (c.kind == CellKind::Text) value = sheet.TextOf(c);
    if (c.kind == CellKind::Error) value = std::to_string(c.error_code);
    lines.push_back(std::to_string(c.row) + "," + std::to_string(c.column) + " " +
                    kKinds[static_cast<int>(c.kind)] +
                    (c.kind == CellKind::Blank ? "" : " " + value));
  }
  return lines;
}

// Reads a workbook whose only sheet holds records.
Status Read(const std::string& records, Workbook* book, BiffBuilder builder = WithFormats()) {
  builder.Sheet("HOJA", records);
  return WorkbookReader::ReadBytes(builder.File(), book);
}

// The cells of that sheet.
std::vector<std::string> Cells(const std::string& records, BiffBuilder builder = WithFormats()) {
  Workbook book;
  const Status status = Read(records, &book, builder);
  EXPECT_TRUE(status.ok()) << status.description();
  return status.ok() && book.sheets().size() == 1 ? Describe(*book.sheets()[0])
                                                  : std::vector<std::string>{};
}

std::string Number(std::uint16_t row, std::uint16_t column, std::uint16_t xf, double x) {
  return Record(0x0203, CellHead(row, column, xf) + LeDouble(x));
}

std::string Formula(std::uint16_t row, std::uint16_t column, std::uint16_t xf,
                    const std::string& result, std::uint16_t type = 0x0006) {
  return Record(type, CellHead(row, column, xf) + result + Le16(0) + Le32(0) + Le16(0));
}

// The cached result of a formula that is not a number.
std::string SpecialResult(std::uint8_t kind, std::uint8_t value = 0) {
  return std::string{static_cast<char>(kind), '\0', static_cast<char>(value), '\0', '\0', '\0'} +
         "\xFF\xFF";
}

// RK numbers come in four forms: whole or float, each possibly in hundredths.
TEST(SheetReader, ReadsEveryKindOfCellRecord) {
  const std::string records =
      Number(0, 0, 0, 0.1) + Record(0x027E, CellHead(0, 1) + Le32((7u << 2) | 2)) +
      Record(0x00BD, Le16(1) + Le16(2) + Le16(0) + Le32((1234u << 2) | 3) + Le16(0) +
                         Le32(static_cast<std::uint32_t>(-5 * 4) | 2) + Le16(0) +
                         Le32(0x3FF80000u) + Le16(0) + Le32(0x3FF80001u) + Le16(5)) +
      Record(0x0204, CellHead(2, 0) + Compressed("label")) +
      Record(0x00D6, CellHead(2, 1) + Compressed("rich") + Le16(1) + Le32(0)) +
      Record(0x0205, CellHead(3, 0) + Le16(0x0001)) + Record(0x0205, CellHead(3, 1) + Le16(0)) +
      Record(0x0205, CellHead(3, 2) + Le16(0x0107)) + Record(0x0201, CellHead(4, 5)) +
      Record(0x00BE, Le16(5) + Le16(1) + Le16(0) + Le16(0) + Le16(2));
  EXPECT_EQ(Cells(records),
            (std::vector<std::string>{"0,0 number 0.10000000000000001", "0,1 number 7",
                                      "1,2 number 12.34", "1,3 number -5", "1,4 number 1.5",
                                      "1,5 number 0.014999999999999999", "2,0 text label",
                                      "2,1 text rich", "3,0 boolean -1", "3,1 boolean 0",
                                      "3,2 error 7", "4,5 blank", "5,1 blank", "5,2 blank"}));
}

// XF 1 and 2 give date formats, XF 0 General. Dates keep the numbering of
// 1900 and lie between the years 100 and 9999.
TEST(SheetReader, NumbersUnderADateFormatAreDayCounts) {
  const double first_of_year_100 = -657434;
  const double first_of_year_10000 = 2958466;
  // A FORMAT record too short for its string is left out: a plain number.
  BiffBuilder short_format;
  short_format.Global(0x041E, "\x01").Global(0x041E, Le16(165) + Le16(40) + '\0' + "dd/mm");
  for (std::uint16_t format : {0, 165}) short_format.Global(0x00E0, XfData(format));
  const struct {
    BiffBuilder builder;
    std::string records;
    std::vector<std::string> cells;
  } cases[] = {
      {WithFormats(),
       Number(0, 0, 1, 38061) + Number(0, 1, 2, 38061.75) + Number(0, 2, 0, 38061) +
           Number(0, 3, 1, 0) + Number(0, 4, 1, 1) + Number(0, 5, 1, -1) +
           Number(1, 0, 1, first_of_year_100) + Number(1, 1, 1, first_of_year_100 - 1) +
           Number(1, 2, 1, first_of_year_10000 - 1) + Number(1, 3, 1, first_of_year_10000),
       {"0,0 date 38061", "0,1 date 38061.75", "0,2 number 38061", "0,3 date 0", "0,4 date 1",
        "0,5 date -1", "1,0 date -657434", "1,1 number -657435", "1,2 date 2958465",
        "1,3 number 2958466"}},
      {short_format, Number(0, 0, 1, 38061), {"0,0 number 38061"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Cells(c.records, c.builder), c.cells);
}

// Records that are read in a way of their own, each with the cells it gives.
TEST(SheetReader, OddRecordsGiveTheirCells) {
  const std::string chart = BiffBuilder().Bof(0x0020);
  const std::string sheet_bof = BiffBuilder().Bof(0x0010);
  const struct {
    const char* what;
    std::string records;
    std::vector<std::string> cells;
  } cases[] = {
      {"a formula keeps its cached result",
       Formula(0, 0, 0, LeDouble(42.5)) + Formula(0, 1, 1, LeDouble(38061)) +
           Formula(0, 2, 0, SpecialResult(1, 1)) + Formula(0, 3, 0, SpecialResult(1, 0)) +
           Formula(0, 4, 0, SpecialResult(2, 0x0F)) + Formula(0, 5, 0, SpecialResult(3)) +
           Formula(1, 0, 0, SpecialResult(0)) + Record(0x04BC, "shared formula") +
           Record(0x0207, Compressed("text result")) + Formula(1, 1, 0, SpecialResult(9)),
       {"0,0 number 42.5", "0,1 date 38061", "0,2 boolean -1", "0,3 boolean 0", "0,4 error 15",
        "0,5 text ", "1,0 text text result", "1,1 blank"}},
      {"a number that is not finite is the error #NUM!",
       Number(0, 0, 0, std::numeric_limits<double>::quiet_NaN()) +
           Number(0, 1, 1, std::numeric_limits<double>::infinity()),
       {"0,0 error 36", "0,1 error 36"}},
      {"formulas under their Excel 3 and 4 numbers",
       Formula(0, 0, 0, LeDouble(7), 0x0206) + Formula(0, 1, 0, SpecialResult(0), 0x0406) +
           Record(0x0207, Compressed("texto")),
       {"0,0 number 7", "0,1 text texto"}},
      {"a text result going on in CONTINUE records",
       Formula(0, 0, 0, SpecialResult(0)) + Record(0x0207, Le16(4) + '\0' + "ab") +
           Record(0x003C, "\x01" + Utf16(u"ñ€")),
       {"0,0 text abñ€"}},
      {"a text result without its STRING record is a blank cell",
       Formula(0, 0, 0, SpecialResult(0)) + Number(0, 1, 0, 3) +
           Record(0x0207, Compressed("stray")) + Formula(0, 2, 0, SpecialResult(0)),
       {"0,0 blank", "0,1 number 3", "0,2 blank"}},
      {"a chart inside a worksheet is skipped",
       Number(0, 0, 0, 1) + chart + Number(5, 5, 0, 99) + chart + Record(0x000A, "") +
           Record(0x000A, "") + Number(1, 0, 0, 2),
       {"0,0 number 1", "1,0 number 2"}},
      {"a worksheet BOF ends a worksheet without EOF",
       Number(0, 0, 0, 1) + sheet_bof + Number(1, 0, 0, 2),
       {"0,0 number 1"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Cells(c.records), c.cells) << c.what;
}

TEST(SheetReader, ChartsMacroSheetsAndModulesAreNotSheets) {
  BiffBuilder builder;
  builder.Sheet("GRAFICO", Number(0, 0, 0, 1), 2, 0x0020)
      .Sheet("MACROS", Number(0, 0, 0, 1), 1, 0x0040)
      .Sheet("DATOS", Number(0, 0, 0, 1))
      .Sheet("DISFRAZADO", Number(0, 0, 0, 1), 0, 0x0020);
  Workbook book;
  ASSERT_TRUE(WorkbookReader::ReadBytes(builder.File(), &book).ok());
  EXPECT_EQ(book.TableNames(), (std::vector<std::string>{"DATOS$"}));
}

TEST(SheetReader, Excel95TextsAndSheetNamesUseTheCodePageOrElseWindows1252) {
  const struct {
    std::string codepage, sheet, label, name, text;
  } cases[] = {
      {Record(0x0042, Le16(1251)), "\xc4\xe0\xed\xed\xfb\xe5", "\xcf\xf0\xe8\xe2\xe5\xf2", "Данные",
       "Привет"},
      {"", "A\xd1O", "ni\xf1o", "AÑO", "niño"},
  };
  for (const auto& c : cases) {
    BiffBuilder builder(5);
    builder.GlobalBytes(c.codepage)
        .Sheet(c.sheet,
               Record(0x0204,
                      CellHead(0, 0) + Le16(static_cast<std::uint16_t>(c.label.size())) + c.label));
    Workbook book;
    ASSERT_TRUE(WorkbookReader::ReadBytes(builder.File(), &book).ok());
    ASSERT_EQ(book.TableNames(), std::vector<std::string>{c.name + "$"});
    EXPECT_EQ(Describe(*book.sheets()[0]), std::vector<std::string>{"0,0 text " + c.text});
  }
}

TEST(SheetReader, RecordTooShortForItsFieldsIsDamage) {
  const struct {
    std::string records;
    const char* description;
  } cases[] = {
      {Record(0x0203, CellHead(0, 0) + "1234"), "registro NUMBER incompleto"},
      {Record(0x027E, CellHead(0, 0)), "registro RK incompleto"},
      {Record(0x00BD, "ab"), "registro MULRK incompleto"},
      {Record(0x00FD, CellHead(0, 0)), "registro LABELSST incompleto"},
      {Record(0x0204, CellHead(0, 0) + Le16(10) + '\0' + "short"), "registro LABEL incompleto"},
      {Record(0x0205, CellHead(0, 0)), "registro BOOLERR incompleto"},
      {Record(0x0201, "ab"), "registro BLANK incompleto"},
      {Record(0x0006, CellHead(0, 0) + "12"), "registro FORMULA incompleto"},
      {Formula(0, 0, 0, SpecialResult(0)) + Record(0x0207, Le16(9) + '\0' + "ab"),
       "registro STRING incompleto"},
      {Record(0x00FD, CellHead(0, 0) + Le32(0)),
       "un registro LABELSST remite a un texto que no existe"},
  };
  for (const auto& c : cases) {
    Workbook book;
    const Status status = Read(c.records, &book);
    EXPECT_EQ(status.description(), std::string("El archivo está dañado: ") + c.description);
    EXPECT_EQ(status.number(), 111);
  }
}

}  // namespace
}  // namespace kaldoren
