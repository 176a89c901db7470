#include "workbook/WorkbookReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <utility>

#include "TestData.h"
#include "ZipBuilder.h"
#include "base/Text.h"
#include "workbook/xls/testing/BiffBuilder.h"

namespace kaldoren {
namespace {

using testing::At;
using testing::BiffBuilder;
using testing::CellHead;
using testing::Le16;
using testing::Le32;
using testing::LeDouble;
using testing::Record;

// The workbook in a file of the test data, or in the bytes given.
Workbook ReadOk(const std::string& source, bool bytes = false) {
  Workbook book;
  const Status status = bytes ? WorkbookReader::ReadBytes(source, &book)
                              : WorkbookReader::Read(testing::TestDataPath(source), &book);
  EXPECT_TRUE(status.ok()) << status.description();
  return book;
}

Value Field(const Sheet& sheet, size_t record, const char* column) {
  return sheet.RecordValue(record, sheet.FindColumn(column));
}

const std::string kNotAWorkbook =
    "El archivo no es una planilla de Excel ni de OpenDocument (.xls, .xlsx u .ods)";

// A refused input: what it is, its bytes, and the error it is refused with.
struct Refused {
  const char* what;
  std::string bytes;
  int number;
  std::string description;
};

void ExpectRefused(const Refused& c, const std::string& bytes) {
  Workbook book;
  const Status status = WorkbookReader::ReadBytes(bytes, &book);
  EXPECT_EQ(status.number(), c.number) << c.what;
  EXPECT_EQ(status.description(), c.description) << c.what;
}

TEST(WorkbookReader, SheetsKeepTheirNamesAndOrder) {
  EXPECT_EQ(ReadOk("workbooks/hojas_minusculas.xls").TableNames(),
            (std::vector<std::string>{"Instrucciones$", "datosemp$", "Pagos$", "DatosDoc$"}));
  const Workbook book = ReadOk("generados/hojas.xls");
  EXPECT_EQ(book.TableNames(), (std::vector<std::string>{"Año 2004$", "VACIA$", "BORDES$"}))
      << "a hidden sheet is a sheet";
  EXPECT_TRUE(book.FindTable("VACIA$")->cells().empty());
  const Sheet& edges = *book.FindTable("BORDES$");
  EXPECT_EQ(edges.RecordCount(), 65535u);
  EXPECT_EQ(At(edges, 65535, 255), Value::Number(7));
  EXPECT_EQ(At(edges, 3, 2), Value::Text("medio"));
}

TEST(WorkbookReader, DatesReadTheSameIn1900And1904Workbooks) {
  const double march_15 = 38061, time = (13 * 3600 + 45 * 60 + 30) / 86400.0, day_1904 = 1462;
  // A time alone is the fraction of day 0 of the workbook's own system.
  for (const auto& [name, time_alone] : {std::pair{"generados/fechas_1900.xls", 0.5},
                                         std::pair{"generados/fechas_1904.xls", day_1904 + 0.5}}) {
    const Workbook book = ReadOk(name);
    const Sheet& dates = *book.FindTable("FECHAS$");
    EXPECT_EQ(Field(dates, 0, "VALOR"), Value::Date(march_15)) << name;
    EXPECT_EQ(Field(dates, 1, "VALOR").kind(), Value::Kind::Date) << name;
    EXPECT_NEAR(Field(dates, 1, "VALOR").number(), march_15 + time, 1e-9) << name;
    EXPECT_EQ(Field(dates, 2, "VALOR"), Value::Date(time_alone)) << name;
    EXPECT_EQ(Field(dates, 3, "VALOR"), Value::Date(day_1904 + 59)) << name;
    EXPECT_EQ(Field(dates, 7, "VALOR").kind(), Value::Kind::Date) << name;
    for (const auto& [record, number] : {std::pair{4, 1234.5}, {5, 3.0}, {6, 2.5}})
      EXPECT_EQ(Field(dates, record, "VALOR"), Value::Number(number)) << name;
  }
}

TEST(WorkbookReader, LongAndUnicodeTextsComeBackWhole) {
  // Lines numbered from 0, each written by the format from its number.
  const auto numbered = [](const char* format, int count) {
    std::string all;
    char line[80];
    for (int i = 0; i < count; ++i) all += (std::snprintf(line, sizeof line, format, i), line);
    return all;
  };
  const std::string latin = numbered("Línea %05d de un texto largo, con eñes y acentos. ", 200);
  const Workbook book = ReadOk("generados/textos.xls");
  const Sheet& texts = *book.FindTable("TEXTOS$");
  EXPECT_EQ(At(texts, 0, 0), Value::Text("Cañuelas"));
  EXPECT_EQ(At(texts, 1, 0), Value::Text("ÁÉÍÓÚ áéíóú ü ç €"));
  EXPECT_EQ(At(texts, 2, 0), Value::Text(latin));
  EXPECT_EQ(At(texts, 3, 0), Value::Text(numbered("第%05d行：長い文字列。", 700)));
  EXPECT_EQ(At(texts, 5, 0), Value::Text("tabulador\ty\nsalto"));
  EXPECT_EQ(At(texts, 6, 0), Value::Text("Ελληνικά και русский"));
  EXPECT_EQ(At(texts, 7, 0), Value::Text("emoji \U0001F600 fin"));
  EXPECT_EQ(At(texts, 9, 0), Value::Text("negrita y normal"));
  EXPECT_EQ(Text::Length(At(texts, 8, 0).text()), Text::Length(latin)) << "the same, reversed";
}

TEST(WorkbookReader, TableViewComesFromTheUsedRangeOfTheCellRecords) {
  BiffBuilder builder;
  builder.Global(0x00FC, Le32(4) + Le32(4) + testing::Compressed(" PERLIQ ") +
                             testing::Compressed("perliq") + testing::Compressed("2004/01") +
                             testing::Compressed("NOTA"));
  // The sheet starts at row 2, column 1. Its header row: " PERLIQ ", nothing,
  // the number 7, "perliq" again. A formatted blank at row 6, column 6
  // stretches the range; DIMENSIONS says otherwise and is not believed.
  const auto text = [](std::uint16_t row, std::uint16_t column, std::uint32_t index) {
    return Record(0x00FD, CellHead(row, column) + Le32(index));
  };
  const std::string records = Record(0x0200, Le32(0) + Le32(1) + Le16(0) + Le16(1) + Le16(0)) +
                              text(2, 1, 0) + Record(0x0203, CellHead(2, 3) + LeDouble(7)) +
                              text(2, 4, 1) + text(3, 1, 2) + text(3, 2, 3) +
                              Record(0x0201, CellHead(6, 6));
  const Workbook book = ReadOk(builder.Sheet("DATOS", records).File(), true);
  const Sheet& sheet = *book.FindTable("datos$");
  EXPECT_EQ(sheet.ColumnNames(),
            (std::vector<std::string>{"PERLIQ", "F2", "7", "perliq", "F5", "F6"}));
  EXPECT_EQ(sheet.FindColumn("Perliq"), 0) << "the first of two equal names wins";
  EXPECT_EQ(sheet.RecordCount(), 4u) << "rows 3 to 6";
  EXPECT_EQ(Field(sheet, 0, "PERLIQ"), Value::Text("2004/01"));
  EXPECT_EQ(Field(sheet, 0, "F2"), Value::Text("NOTA"));
  EXPECT_EQ(Field(sheet, 3, "F6"), Value());
  EXPECT_EQ(Field(sheet, 3, "PERLIQ"), Value()) << "a record without the cell, with a later one";
}

// A workbook stream whose globals list, before the builder's own sheet A, a sheet B
// that begins at offset_in_a bytes into A's part of the stream.
std::string WithSheetInside(const std::string& records_of_a, size_t offset_in_a) {
  BiffBuilder builder;
  const std::string placeholder = Record(0x0085, Le32(0) + Le16(0) + testing::Compressed("B", 1));
  builder.GlobalBytes(placeholder).Sheet("A", records_of_a);
  std::string stream = builder.Stream();
  const size_t b_record = builder.Bof(0x0005).size();
  const size_t a_record = b_record + placeholder.size();
  std::uint32_t a = 0;  // A's offset, little-endian after the record header
  for (int i = 3; i >= 0; --i) a = a << 8 | static_cast<unsigned char>(stream[a_record + 4 + i]);
  stream.replace(b_record + 4, 4, Le32(a + static_cast<std::uint32_t>(offset_in_a)));
  return stream;
}

TEST(WorkbookReader, DamagedGlobalsAreDescribed) {
  BiffBuilder too_many_sheets;
  for (int i = 0; i < 65536; ++i)
    too_many_sheets.Global(0x0085, Le32(0) + Le16(0x0200) + testing::Compressed("G", 1));
  const Refused cases[] = {
      {"encrypted", BiffBuilder().Global(0x002F, Le16(1) + std::string(52, '\0')).Stream(), 108,
       "El archivo está protegido con contraseña"},
      {"Excel 4 in a compound file", Record(0x0409, Le16(0) + Le16(0x0100)), 107,
       "El archivo es un libro de Excel 2.x-4.x, que no se puede leer; guárdelo como Excel "
       "97-2003"},
      {"workspace", Record(0x0809, Le16(0x0600) + Le16(0x0100)), 104, kNotAWorkbook},
      {"empty stream", "", 111, "El archivo está dañado: la secuencia Workbook está vacía"},
      {"no BOF", Record(0x0203, std::string(14, '\0')), 111,
       "El archivo está dañado: la secuencia Workbook no empieza con un registro BOF"},
      {"short BOF", Record(0x0809, "\x00"), 111, "El archivo está dañado: registro BOF incompleto"},
      {"sheet BOF first", Record(0x0809, Le16(0x0600) + Le16(0x0010)), 111,
       "El archivo está dañado: la secuencia Workbook no empieza con la parte global del libro"},
      {"cut inside a record", BiffBuilder().Stream().substr(0, BiffBuilder().Bof(5).size() + 2),
       111, "El archivo está dañado: la secuencia Workbook termina dentro de un registro"},
      {"sheet beyond the stream",
       BiffBuilder()
           .Global(0x0085, Le32(999999) + Le16(0) + std::string("\x07\x00PERDIDA", 9))
           .Stream(),
       111, "El archivo está dañado: no se encuentra la hoja PERDIDA"},
      {"short BOUNDSHEET", BiffBuilder().Global(0x0085, "abc").Stream(), 111,
       "El archivo está dañado: registro BOUNDSHEET incompleto"},
      {"too many sheets", too_many_sheets.Stream(), 111,
       "El archivo está dañado: el libro dice tener más de 65535 hojas"},
      {"two sheets listed at one place", WithSheetInside(Record(0x0201, CellHead(0, 0)), 0), 111,
       "El archivo está dañado: dos hojas comienzan en el mismo lugar del libro"},
  };
  for (const Refused& c : cases)
    ExpectRefused(c, BiffBuilder::CompoundFileWith({{"Workbook", c.bytes}}));
}

TEST(WorkbookReader, SheetEndsWhereTheNextListedSheetBegins) {
  // A: a chart substream that never ends, inside it B's own part, then a
  // number. Without the limit A would walk B's records again (once per
  // sheet listed that way, a quadratic walk) and take the number as its own.
  BiffBuilder parts;
  const std::string chart = parts.Bof(0x0020);
  const std::string b_part =
      parts.Bof(0x0010) + Record(0x0203, CellHead(1, 1) + LeDouble(2)) + Record(0x000A, "");
  const std::string records_of_a =
      chart + b_part + Record(0x000A, "") + Record(0x0203, CellHead(0, 0) + LeDouble(1));
  const Workbook book =
      ReadOk(WithSheetInside(records_of_a, parts.Bof(0x0010).size() + chart.size()), true);
  EXPECT_EQ(book.TableNames(), (std::vector<std::string>{"B$", "A$"}));
  EXPECT_TRUE(book.FindTable("A$")->cells().empty());
  EXPECT_EQ(At(*book.FindTable("B$"), 1, 1), Value::Number(2));
}

TEST(WorkbookReader, FilesOfOtherFormatsSayWhatTheyAre) {
  const std::string compressed =
      "El archivo está comprimido (ZIP, RAR o similar); descomprímalo y elija el libro de Excel "
      "que contiene";
  const Refused cases[] = {
      {"zip of an .xls", testing::ZipBuilder::With({{"PLANILLA.XLS", BiffBuilder().File()}}), 106,
       compressed},
      {"rar", std::string("Rar!\x1A\x07\x00", 7) + "resto", 106, compressed},
      {"7-zip", "7z\xBC\xAF\x27\x1C resto", 106, compressed},
      {"gzip", "\x1F\x8B\x08 gzip", 106, compressed},
      {"xlsb",
       testing::ZipBuilder::With(
           {{"[Content_Types].xml", "<Types/>"},
            {"_rels/.rels",
             "<Relationships><Relationship Id=\"rId1\" Type=\"http://schemas."
             "openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
             "Target=\"xl/workbook.bin\"/></Relationships>"},
            {"xl/workbook.bin", "b"}}),
       105,
       "El archivo es un libro binario de Excel (.xlsb), que no se puede leer; guárdelo como "
       ".xlsx o como Excel 97-2003"},
      {"text document",
       testing::ZipBuilder::With({{"mimetype", "application/vnd.oasis.opendocument.text"},
                                  {"content.xml", "<office:document-content/>"}},
                                 true),
       106, compressed},
      {"csv", "PERLIQ;KALDOREN\n2004/01;2743\n", 104, kNotAWorkbook},
      {"html", "<html><table><tr><td>1</td></tr></table></html>", 104, kNotAWorkbook},
      {"zip cut before its directory", std::string("PK\x03\x04", 4) + std::string(40, '\0'), 111,
       "El archivo está dañado: el archivo ZIP no se puede leer"},
  };
  for (const Refused& c : cases) ExpectRefused(c, c.bytes);
}

TEST(WorkbookReader, FailedReadLeavesTheWorkbookUntouched) {
  Workbook book;
  testing::AddTable(&book, "PREVIA", {{testing::T("A")}});
  EXPECT_FALSE(WorkbookReader::Read("/no/existe.xls", &book).ok());
  const std::string damaged =
      std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(600, '\xFF');
  EXPECT_FALSE(WorkbookReader::ReadBytes(damaged, &book).ok());
  EXPECT_EQ(book.TableNames(), (std::vector<std::string>{"PREVIA$"}));
}

// Real-world workbooks from other programs: each one reads, or is refused
// with a described error; the encrypted ones are refused as such.
TEST(WorkbookReader, EveryCorpusFileReadsOrIsRefusedWithADescription) {
  const std::string corpus = testing::SharedPath("xls-corpus");
  if (!testing::Exists(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
    if (entry.path().extension() != ".xls") continue;
    ++files;
    const std::string name = entry.path().filename().string();
    Workbook book;
    const Status status = WorkbookReader::Read(entry.path().string(), &book);
    if (name.find("encrypted") != std::string::npos ||
        name.find("protected") != std::string::npos) {
      EXPECT_EQ(status.description(), "El archivo está protegido con contraseña") << name;
    } else if (name.find("biff4") != std::string::npos) {
      EXPECT_EQ(status.number(), 107) << name;
    } else {
      EXPECT_TRUE(status.ok()) << name << ": " << status.description();
    }
  }
  EXPECT_GT(files, 40);
}

}  // namespace
}  // namespace kaldoren
