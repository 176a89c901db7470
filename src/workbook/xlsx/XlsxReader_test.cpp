#include "workbook/xlsx/XlsxReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestData.h"
#include "ZipBuilder.h"
#include "workbook/WorkbookReader.h"

namespace kaldoren {
namespace {

using testing::At;
using testing::D;
using testing::E;
using testing::N;
using testing::T;
using testing::ZipBuilder;

const std::string kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const std::string kRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

// The parts of a one-sheet workbook "HOJA", each replaceable by a test.
struct Partes {
  std::string sheet_data;
  std::string shared = "<sst xmlns=\"" + kMain + "\"><si><t>uno</t></si></sst>";
  // xf 0 General, 1 built-in date 14, 2 custom date, 3 custom number with a
  // quoted "d".
  std::string styles = "<styleSheet xmlns=\"" + kMain +
                       "\"><numFmts><numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\"/>"
                       "<numFmt numFmtId=\"165\" formatCode=\"0 &quot;d&quot;\"/></numFmts>"
                       "<cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs><cellXfs>"
                       "<xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"164\"/>"
                       "<xf numFmtId=\"165\"/></cellXfs></styleSheet>";
  std::string workbook_pr;
  std::string sheet_prefix;
  std::string before_data;

  ZipBuilder::Members Members() const {
    return {
        {"[Content_Types].xml", "<Types/>"},
        {"xl/workbook.xml", "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRelationship + "\">" +
                                workbook_pr +
                                "<sheets><sheet name=\"HOJA\" sheetId=\"1\" r:id=\"rId1\"/>"
                                "</sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"rId1\" Type=\"" + kRelationship +
             "worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" +
             kRelationship +
             "sharedStrings\" Target=\"sharedStrings.xml\"/>"
             "<Relationship Id=\"rId3\" Type=\"" +
             kRelationship + "styles\" Target=\"styles.xml\"/></Relationships>"},
        {"xl/sharedStrings.xml", shared},
        {"xl/styles.xml", styles},
        {"xl/worksheets/sheet1.xml", sheet_prefix + "<worksheet xmlns=\"" + kMain + "\">" +
                                         before_data + "<sheetData>" + sheet_data +
                                         "</sheetData></worksheet>"},
    };
  }
  std::string Archivo() const { return ZipBuilder::With(Members()); }
};

// A workbook whose sheet holds the given rows.
std::string ConFilas(const std::string& sheet_data) {
  Partes partes;
  partes.sheet_data = sheet_data;
  return partes.Archivo();
}

TEST(XlsxReader, EachKindOfCellMeansWhatItMeansInXls) {
  const struct {
    const char* what;
    std::string shared;
    std::string cell;
    std::string workbook_pr;
    Value expected;
  } cases[] = {
      {"shared string of rich runs, phonetic guide left out",
       "<si><r><t>Ca</t></r><r><rPr/><t xml:space=\"preserve\">ñuelas </t></r>"
       "<rPh><t>x</t></rPh></si>",
       "<c r=\"A1\" t=\"s\"><v>0</v></c>", "", T("Cañuelas ")},
      {"inline string with escapes", "",
       "<c r=\"A1\" t=\"inlineStr\"><is><t>a_x000D_b_x005F_x0041_ &amp; "
       "_xD83D__xDE00_</t></is></c>",
       "", T("a\rb_x0041_ & \xF0\x9F\x98\x80")},
      {"formula text result", "", "<c r=\"A1\" t=\"str\"><f>B1</f><v>texto</v></c>", "",
       T("texto")},
      {"formula number result", "", "<c r=\"A1\"><f>2*B1</f><v>1.5</v></c>", "", N(1.5)},
      {"formula error result is empty", "", "<c r=\"A1\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c>", "",
       E()},
      {"boolean true", "", "<c r=\"A1\" t=\"b\"><v>1</v></c>", "", N(-1)},
      {"boolean false", "", "<c r=\"A1\" t=\"b\"><v>0</v></c>", "", N(0)},
      {"serial 0 with a built-in date style", "", "<c r=\"A1\" s=\"1\"><v>0</v></c>", "", D(0)},
      {"custom date format", "", "<c r=\"A1\" s=\"2\"><v>38000</v></c>", "", D(38000)},
      {"a quoted d is not a date", "", "<c r=\"A1\" s=\"3\"><v>5</v></c>", "", N(5)},
      {"style beyond the cell formats", "", "<c r=\"A1\" s=\"99\"><v>5</v></c>", "", N(5)},
      {"1904 workbook adds 1462 days", "", "<c r=\"A1\" s=\"1\"><v>0</v></c>",
       "<workbookPr date1904=\"true\"/><extLst><ext><x15:workbookPr xmlns:x15=\"x\"/></ext>"
       "</extLst>",
       D(1462)},
      {"ISO time alone in a 1904 workbook is on 01/01/1904", "",
       "<c r=\"A1\" t=\"d\"><v>12:00</v></c>", "<workbookPr date1904=\"1\"/>", D(1462.5)},
      {"cell without value", "", "<c r=\"A1\" s=\"1\"/>", "", E()},
  };
  for (const auto& c : cases) {
    Partes partes;
    if (!c.shared.empty()) partes.shared = "<sst xmlns=\"" + kMain + "\">" + c.shared + "</sst>";
    partes.sheet_data = "<row r=\"1\">" + c.cell + "</row>";
    partes.workbook_pr = c.workbook_pr;
    Workbook libro;
    const Status status = WorkbookReader::ReadBytes(partes.Archivo(), &libro);
    ASSERT_TRUE(status.ok()) << c.what << ": " << status.description();
    ASSERT_EQ(libro.sheets().size(), 1u) << c.what;
    const Sheet& hoja = *libro.sheets()[0];
    ASSERT_EQ(hoja.cells().size(), 1u) << c.what;
    EXPECT_EQ(At(hoja, 0, 0), c.expected) << c.what;
  }
}

TEST(XlsxReader, RowsAndCellsWithoutReferenceFollowTheOneBefore) {
  Partes partes;
  // The dimension is a hint for room, here one no part of this size could fill.
  partes.before_data = "<dimension ref=\"A1:XFD1048576\"/>";
  partes.sheet_data =
      "<row><c><v>1</v></c><c><v>2</v></c></row><row r=\"5\"><c r=\"C5\"><v>3</v></c><c>"
      "<v>4</v></c></row><row><c><v>5</v></c></row>";
  Workbook libro;
  ASSERT_TRUE(WorkbookReader::ReadBytes(partes.Archivo(), &libro).ok());
  const Sheet& hoja = *libro.sheets()[0];
  std::vector<std::string> lugares;
  for (const Cell& c : hoja.cells()) {
    lugares.push_back(std::to_string(c.row) + "," + std::to_string(c.column));
  }
  EXPECT_EQ(lugares, (std::vector<std::string>{"0,0", "0,1", "4,2", "4,3", "5,0"}));
}

// The workbook part named by the package's relationships (not the usual
// xl/workbook.xml), its sheets through its own relationships, and a member
// named in another case than its relationship says.
TEST(XlsxReader, SheetsComeInWorkbookOrderThroughTheirRelationships) {
  Partes partes;
  partes.sheet_data = "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>";
  ZipBuilder::Members members = partes.Members();
  members.push_back({"_rels/.rels", "<Relationships><Relationship Id=\"rId1\" Type=\"" +
                                        kRelationship +
                                        "officeDocument\" Target=\"xl/libro.xml\"/>"
                                        "</Relationships>"});
  members[1].name = "xl/libro.xml";
  members[2].name = "xl/_rels/libro.xml.rels";
  members[3].name = "xl/SharedStrings.xml";
  members[1].bytes = "<workbook xmlns:r=\"" + kRelationship +
                     "\"><sheets><sheet name=\"Oculta &amp; otra\" state=\"hidden\" r:id=\"rId9\"/>"
                     "<sheet name=\"Grafico\" r:id=\"rId8\"/><sheet name=\"HOJA\" r:id=\"rId1\"/>"
                     "</sheets></workbook>";
  members[2].bytes.insert(members[2].bytes.find("</Relationships>"),
                          "<Relationship Id=\"rId9\" Type=\"" + kRelationship +
                              "worksheet\" Target=\"/xl/hojas/../otra.xml\"/>"
                              "<Relationship Id=\"rId8\" Type=\"" +
                              kRelationship + "chartsheet\" Target=\"chartsheets/sheet1.xml\"/>");
  members.push_back({"xl/otra.xml",
                     "<worksheet><sheetData><row r=\"2\"><c r=\"B2\"><v>7</v>"
                     "</c></row></sheetData></worksheet>"});
  Workbook libro;
  const Status status = WorkbookReader::ReadBytes(ZipBuilder::With(members), &libro);
  ASSERT_TRUE(status.ok()) << status.description();
  EXPECT_EQ(libro.TableNames(), (std::vector<std::string>{"Oculta & otra$", "HOJA$"}));
  EXPECT_EQ(At(*libro.sheets()[0], 1, 1), N(7));
  EXPECT_EQ(At(*libro.sheets()[1], 0, 0), T("uno"));
}

// Hostile and damaged archives: each is refused with a described opening
// error, never read past its bounds.
TEST(XlsxReader, HostileArchivesAreRefusedWithADescription) {
  Partes bomba;
  // 100 MB of blanks deflate to some 100 kB: far beyond what a file of that
  // size may inflate to.
  ZipBuilder::Members miembros_bomba = bomba.Members();
  miembros_bomba.back().bytes = "<worksheet>";
  miembros_bomba.push_back({"xl/worksheets/sheet1.xml", std::string(1 << 20, ' '), 100});
  miembros_bomba.erase(miembros_bomba.end() - 2);

  const std::string sano = ConFilas("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
  std::string dice_mas = sano;
  ZipBuilder::DeclareSize(&dice_mas, "xl/worksheets/sheet1.xml", 200);
  std::string dice_menos = sano;
  ZipBuilder::DeclareSize(&dice_menos, "xl/worksheets/sheet1.xml", 60);
  std::string dice_4_gb = sano;
  ZipBuilder::DeclareSize(&dice_4_gb, "xl/worksheets/sheet1.xml", 0xFFFFFFF0u);
  std::string muchas_partes = sano;
  ZipBuilder::DeclareMembers(&muchas_partes, 60000);

  Partes entidades;
  entidades.sheet_prefix =
      "<!DOCTYPE w [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>";
  entidades.sheet_data = "<row><c t=\"inlineStr\"><is><t>&b;</t></is></c></row>";
  Partes externa;
  externa.sheet_prefix = "<!DOCTYPE w SYSTEM \"file:///etc/passwd\">";
  Partes sin_declarar;
  sin_declarar.sheet_data = "<row><c t=\"inlineStr\"><is><t>&xxe;</t></is></c></row>";
  Partes profunda;
  std::string anidado;
  for (int i = 0; i < 5000; ++i) anidado += "<a>";
  profunda.sheet_data = anidado;

  const std::string prefijo = "El archivo está dañado: ";
  const std::string hoja = "la parte xl/worksheets/sheet1.xml ";
  const struct {
    const char* what;
    std::string archivo;
    std::string description;
  } cases[] = {
      {"zip bomb", ZipBuilder::With(miembros_bomba),
       hoja + "se descomprime en mucho más de lo que el archivo justifica"},
      {"member declares more than it holds", dice_mas, hoja + "no es XML válido (línea 1)"},
      {"member declares less than it holds", dice_menos, hoja + "no es XML válido (línea 1)"},
      {"member declares 4 GB", dice_4_gb,
       hoja + "se descomprime en mucho más de lo que el archivo justifica"},
      {"end record declares 60000 members", muchas_partes,
       "el archivo ZIP declara 60000 partes, muchas más de las que tiene un libro"},
      {"entity expansion", entidades.Archivo(), hoja + "declara un DTD, que un libro no tiene"},
      {"external DTD", externa.Archivo(), hoja + "declara un DTD, que un libro no tiene"},
      {"undeclared entity", sin_declarar.Archivo(), hoja + "no es XML válido (línea 1)"},
      {"5000 levels deep", profunda.Archivo(), hoja + "no es XML válido (línea 1)"},
      {"shared string out of range",
       ConFilas("<row r=\"3\"><c r=\"B3\" t=\"s\"><v>7</v></c></row>"),
       "la celda B3 de la hoja HOJA remite al texto compartido 7, que no existe"},
      {"column past XFD", ConFilas("<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>"),
       "la hoja HOJA tiene una celda XFE1 fuera de sus límites"},
      {"row past 1048576", ConFilas("<row r=\"1048577\"><c><v>1</v></c></row>"),
       "la hoja HOJA tiene una fila 1048577 fuera de sus límites"},
      {"unreadable number", ConFilas("<row><c><v>1,5</v></c></row>"),
       "la celda A1 de la hoja HOJA tiene un número ilegible: 1,5"},
  };
  for (const auto& c : cases) {
    Workbook libro;
    const Status status = WorkbookReader::ReadBytes(c.archivo, &libro);
    EXPECT_EQ(status.number(), 111) << c.what;
    EXPECT_EQ(status.description(), prefijo + c.description) << c.what;
  }
}

}  // namespace
}  // namespace kaldoren
