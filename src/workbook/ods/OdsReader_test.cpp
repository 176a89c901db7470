#include "workbook/ods/OdsReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ZipBuilder.h"
#include "workbook/WorkbookReader.h"

namespace kaldoren {
namespace {

using testing::ZipBuilder;

// An .ods whose spreadsheet body is the given XML.
std::string Ods(const std::string& body, const std::string& before_root = "") {
  const std::string content =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + before_root +
      "<office:document-content"
      " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
      " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
      " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
      " xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\">"
      "<office:body><office:spreadsheet>" +
      body + "</office:spreadsheet></office:body></office:document-content>";
  return ZipBuilder::With(
      {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", content}});
}

// Every cell of the workbook, sheet by sheet: "A!r,c kind value".
std::string Cells(const Workbook& book) {
  std::string out;
  for (const auto& sheet : book.sheets()) {
    for (const Cell& c : sheet->cells()) {
      char num[32];  // the kind's letter and the number
      std::snprintf(num, sizeof num, "%c%.10g", "?ntdb"[static_cast<int>(c.kind) % 5], c.number);
      out += sheet->name() + "!" + std::to_string(c.row) + "," + std::to_string(c.column) + " " +
             (c.kind == CellKind::Text    ? "t[" + std::string(sheet->TextOf(c)) + "]"
              : c.kind == CellKind::Error ? "e" + std::to_string(c.error_code)
              : c.kind == CellKind::Blank ? "blank"
                                          : num) +
             "; ";
    }
  }
  return out;
}

std::string Table(const std::string& name, const std::string& rows) {
  return "<table:table table:name='" + name + "'>" + rows + "</table:table>";
}
std::string Row(const std::string& cells, const std::string& attributes = "") {
  return "<table:table-row" + attributes + ">" + cells + "</table:table-row>";
}
const std::string kCell = "<table:table-cell office:value-type=";
std::string Float(const std::string& value, const std::string& more = "") {
  return kCell + "'float' office:value='" + value + "'" + more + "/>";
}
// A sheet H of one row.
std::string RowOfH(const std::string& cells, const std::string& attributes = "") {
  return Table("H", Row(cells, attributes));
}

// The cells of an .ods of the given body, or the description of its refusal.
std::string Read(const std::string& body) {
  Workbook book;
  const Status status = WorkbookReader::ReadBytes(Ods(body), &book);
  return status.ok() ? Cells(book) : status.description();
}

struct Case {
  std::string shows, body, cells;  // cells, or the opening error's description
};

TEST(OdsReader, CellsMeanWhatTheSameCellsMeanInTheOtherFormats) {
  const std::vector<Case> cases = {
      {"each value type",
       RowOfH(Float("2743") + kCell + "'percentage' office:value='0.14'/>" + kCell +
              "'currency' office:value='-5.5'/>" + kCell +
              "'date' office:date-value='2004-06-15'/>" + kCell +
              "'time' office:time-value='PT12H'/>" + kCell +
              "'boolean' office:boolean-value='true'/>" + kCell +
              "'boolean' office:boolean-value='false'/>" + kCell +
              "'string'><text:p>Cañuelas </text:p></table:table-cell>" + kCell + "'string'/>"),
       "H!0,0 n2743; H!0,1 n0.14; H!0,2 n-5.5; H!0,3 d38153; H!0,4 d0.5; H!0,5 b-1; H!0,6 b0; "
       "H!0,7 t[Cañuelas ]; H!0,8 t[]; "},
      {"texts from paragraphs, spaces, tabs, breaks, spans and links; notes left out",
       RowOfH("<table:table-cell office:value-type='string'><text:p>  Los   Aromos<text:s "
              "text:c='3'/>1450 </text:p><text:p>2º <text:span>piso</text:span><text:tab/>"
              "<text:a>B</text:a><text:line-break/>fin</text:p><office:annotation><text:p>nota"
              "</text:p></office:annotation></table:table-cell><table:table-cell "
              "office:value-type='string' office:string-value='a &amp; b'><text:p>otra</text:p>"
              "</table:table-cell><table:table-cell><text:p>sin tipo</text:p></table:table-cell>"),
       "H!0,0 t[Los Aromos   1450 \n2º piso\tB\nfin]; H!0,1 t[a & b]; H!0,2 t[sin tipo]; "},
      {"errors read as error cells; a value that cannot be read keeps what the cell shows",
       RowOfH("<table:table-cell office:value-type='string' office:string-value='' "
              "calcext:value-type='error'><text:p>#VALUE!</text:p></table:table-cell>"
              "<table:table-cell office:value-type='float' office:value='0' "
              "calcext:value-type='error'><text:p>#DIV/0!</text:p></table:table-cell>"
              "<table:table-cell calcext:value-type='error'><text:p>Err:502</text:p>"
              "</table:table-cell><table:table-cell office:value-type='float' office:value='INF'/>"
              "<table:table-cell office:value-type='date' office:date-value='13/10/2004'>"
              "<text:p>13/10/2004</text:p></table:table-cell><table:table-cell "
              "office:value-type='float' office:value='x'/>"),
       "H!0,0 e15; H!0,1 e7; H!0,2 e15; H!0,3 e36; H!0,4 t[13/10/2004]; "},
      {"repeated cells and rows that hold something are copied; empty runs only move on",
       Table("H",
             Row(Float("1", " table:number-columns-repeated='2'") +
                     "<table:table-cell table:number-columns-repeated='3'/>" + Float("2"),
                 " table:number-rows-repeated='2'") +
                 Row("<table:table-cell table:number-columns-repeated='2147483648'/>",
                     " table:number-rows-repeated='1048560'") +
                 Row("<table:table-cell table:number-columns-repeated='16127'/>" + Float("3"))),
       "H!0,0 n1; H!0,1 n1; H!0,5 n2; H!1,0 n1; H!1,1 n1; H!1,5 n2; H!1048562,16127 n3; "},
      {"covered cells, row groups and header rows read in place; sheets in order; "
       "columns, shapes and tables inside cells passed over",
       Table("Uno",
             "<table:table-column table:number-columns-repeated='9'/><table:shapes>" +
                 Row(Float("9")) + "</table:shapes><table:table-header-rows>" +
                 Row(Float("1") +
                     "<table:covered-table-cell office:value-type='float' office:value='2'/>") +
                 "</table:table-header-rows><table:table-row-group>" +
                 Row(kCell + "'float' office:value='3'><table:table>" + Row(Float("9")) +
                     "</table:table></table:table-cell>") +
                 "</table:table-row-group>") +
           "<table:table table:name='Dos'/>" + Table("Tres", Row(Float("4"))),
       "Uno!0,0 n1; Uno!0,1 n2; Uno!1,0 n3; Tres!0,0 n4; "},
  };
  for (const auto& [shows, body, cells] : cases) EXPECT_EQ(Read(body), cells) << shows;
}

TEST(OdsReader, HostileContentIsRefusedWithItsReason) {
  const std::vector<Case> cases = {
      {"a value repeated two thousand million times",
       RowOfH(Float("1", " table:number-columns-repeated='2147483648'")),
       "El archivo está dañado: la hoja H tiene valores más allá de la columna 65536"},
      {"a row of values repeated a million times",
       RowOfH(Float("1", " table:number-columns-repeated='100'"),
              " table:number-rows-repeated='1000000'"),
       "El archivo está dañado: la hoja H repite celdas muchas más veces de lo que el archivo "
       "justifica"},
      {"a value below the last row",
       Table("H", "<table:table-row table:number-rows-repeated='1048576'/>" + Row(Float("1"))),
       "El archivo está dañado: la hoja H tiene valores más allá de la fila 1048576"},
  };
  for (const auto& [shows, body, cells] : cases) EXPECT_EQ(Read(body), cells) << shows;
}

}  // namespace
}  // namespace kaldoren
