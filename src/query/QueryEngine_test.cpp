#include "query/QueryEngine.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "TestData.h"
#include "base/Calendar.h"

namespace kaldoren {
namespace {

using testing::AddTable;
using testing::D;
using testing::E;
using testing::N;
using testing::T;

// The query texts as the report sends them (that of the differences is
// run by the summary's own tests).
const std::string kEmployerQuery =
    "SELECT * FROM [DATOSEMP$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'';";
const std::string kTeacherQuery =
    "SELECT * FROM [DATOSDOC$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'' "
    "AND ((NOT ISNULL(APENOM) AND TRIM(APENOM) <> '') OR NRODOC<>0) ORDER BY PERLIQ, ORDEN;";

Value Day(int year, int month, int day) { return D(Calendar::DayCount(year, month, day)); }

// Every row of a recordset from the first, as the text forms of the columns
// joined by "|".
std::vector<std::string> Rows(Recordset& r, std::initializer_list<std::string_view> columns) {
  std::vector<std::string> rows;
  for (r.MoveFirst(); !r.Eof(); r.MoveNext()) {
    std::string row;
    bool first = true;
    for (const std::string_view c : columns) {
      if (!first) row += "|";
      first = false;
      row += r.Field(c).TextForm();
    }
    rows.push_back(row);
  }
  return rows;
}

class QueryEngineTest : public ::testing::Test {
 protected:
  std::unique_ptr<Recordset> Run(const std::string& sql) {
    std::unique_ptr<Recordset> r;
    const Status status = QueryEngine::Run(book_, sql, &r);
    EXPECT_TRUE(status.ok()) << status.description();
    return r;
  }

  std::string Refusal(const std::string& sql) {
    std::unique_ptr<Recordset> r;
    const Status status = QueryEngine::Run(book_, sql, &r);
    EXPECT_FALSE(status.ok()) << sql;
    EXPECT_EQ(r, nullptr);
    return status.description();
  }

  void AddEmployer() {
    AddTable(&book_, "DATOSEMP",
             {{T("PERLIQ"), T("KALDOREN"), T("ESTABLECIMIENTO")},
              {T("2005/03"), N(2743), T("Santa Brígida")},
              {T("2005/01"), E(), T("Santa Brígida")},
              {E(), N(2743), T("nota sin período")},
              {E(), E(), E()},
              {T("   "), N(2743), T("período en blanco")},
              {T("2005/02"), N(2743), T("Santa Brígida")}});
  }

  Workbook book_;
};

// The header query sorts by period and reads columns without regard to case.
TEST_F(QueryEngineTest, SheetQueriesSkipEmptyAndBlankPeriodsAndKeepSheetOrderUnlessSorted) {
  AddEmployer();
  AddTable(
      &book_, "PAGOS",
      {{T("PERLIQ"), T("PAGO")}, {T("2005/02"), N(10)}, {T(""), N(20)}, {T("2005/01"), N(30)}});
  auto employer = Run(kEmployerQuery);
  EXPECT_EQ(Rows(*employer, {"PERLIQ"}),
            (std::vector<std::string>{"2005/03", "2005/01", "2005/02"}));
  auto payments = Run("SELECT * FROM [PAGOS$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'';");
  EXPECT_EQ(Rows(*payments, {"PERLIQ", "PAGO"}),
            (std::vector<std::string>{"2005/02|10", "2005/01|30"}));
  auto header = Run(
      "SELECT * FROM [DATOSEMP$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'' ORDER BY PERLIQ;");
  EXPECT_EQ(Rows(*header, {"perliq"}), (std::vector<std::string>{"2005/01", "2005/02", "2005/03"}));
  header->MoveFirst();
  EXPECT_TRUE(header->Field("Kaldoren").IsEmpty());  // an empty cell reads as empty
  EXPECT_EQ(header->Field("ESTABLECIMIENTO").text(), "Santa Brígida");
}

// A non-numeric text compared with a number is unknown either way.
TEST_F(QueryEngineTest, TeacherQueryNeedsANameOrADocumentAndSortsStablyByPeriodAndOrder) {
  AddTable(&book_, "DATOSDOC",
           {{T("PERLIQ"), T("ORDEN"), T("APENOM"), T("NRODOC")},
            {T("2005/02"), N(10), T("Gómez"), N(1)},
            {T("2005/01"), N(2), T("Pérez"), N(2)},
            {T("2005/01"), E(), E(), N(5)},          // no name, a document number
            {T("2005/01"), T("3"), T("Ríos"), E()},  // order number typed as text
            {T("2005/01"), N(1), T("  "), N(0)},     // neither name nor document
            {T("2005/01"), N(1), E(), T("abc")},     // document that is not a number
            {T("2005/01"), N(1), E(), T("123")},     // document written as text
            {T("2005/01"), N(10), T("Alba"), E()},
            {T("2005/01"), N(2), T("Luna"), E()},  // same period and order: sheet order
            {E(), N(1), T("Sin período"), N(9)}});
  auto r = Run(kTeacherQuery);
  // Empty order numbers first, then numbers by value, then texts.
  EXPECT_EQ(
      Rows(*r, {"PERLIQ", "ORDEN", "APENOM"}),
      (std::vector<std::string>{"2005/01||", "2005/01|1|", "2005/01|2|Pérez", "2005/01|2|Luna",
                                "2005/01|10|Alba", "2005/01|3|Ríos", "2005/02|10|Gómez"}));
  auto not_different = Run("SELECT * FROM [DATOSDOC$] WHERE NOT NRODOC<>0");
  EXPECT_EQ(Rows(*not_different, {"NRODOC"}), (std::vector<std::string>{"0"}));
}

// TOP 1 of constants gives a row when the sheet has a record, even one of
// blank cells only.
TEST_F(QueryEngineTest, AggregatesWithoutGroupByGiveOneRowEvenOfNoRecord) {
  AddTable(&book_, "PAGOS", {{T("PERLIQ"), T("PAGO")}, {T("2005/01"), N(3)}});
  auto r = Run("SELECT COUNT(PAGO) AS N, SUM(PAGO) AS S FROM [PAGOS$] WHERE PAGO > 5");
  EXPECT_EQ(Rows(*r, {"N", "S"}), (std::vector<std::string>{"0|"}));
  Sheet& blank = book_.AddSheet("DATOSEMP");
  blank.AddText(0, 0, "PERLIQ");
  blank.AddBlank(1, 0);
  blank.Finish();
  auto top = Run("SELECT TOP 1 '1500,25' AS APORTES FROM [DATOSEMP$]");
  EXPECT_EQ(Rows(*top, {"aportes"}), (std::vector<std::string>{"1500,25"}));
}

TEST_F(QueryEngineTest, OrderAndGroupPutEmptyFirstThenNumbersAndDatesByValueThenTexts) {
  AddTable(&book_, "HOJA",
           {{T("I"), T("V")},
            {N(1), N(5)},
            {N(2), N(-2.5)},
            {N(3), D(3)},
            {N(4), T("b")},
            {N(5), E()},
            {N(6), N(-10)},
            {N(7), N(0)},
            {N(8), T("A")},
            {N(9), N(1e10)},
            {N(10), N(-0.0)},
            {N(11), N(4)}});
  auto sorted = Run("SELECT * FROM [HOJA$] ORDER BY V");
  EXPECT_EQ(Rows(*sorted, {"I"}),
            (std::vector<std::string>{"5", "6", "2", "7", "10", "3", "11", "1", "9", "8", "4"}));
  auto grouped = Run("SELECT V, COUNT(I) AS N FROM [HOJA$] GROUP BY V ORDER BY V");
  EXPECT_EQ(Rows(*grouped, {"V", "N"}),
            (std::vector<std::string>{"|1", "-10|1", "-2,5|1", "0|2", "02/01/1900|1", "4|1", "5|1",
                                      "10000000000|1", "A|1", "b|1"}));
}

TEST_F(QueryEngineTest, OrderByKeepsSheetOrderAmongEqualKeysOverManyRecords) {
  std::vector<std::vector<Value>> rows = {{T("I"), T("V")}};
  std::uint32_t seed = 12345;
  for (int i = 0; i < 3000; ++i) {
    seed = seed * 1103515245 + 12345;
    const double v = static_cast<double>(static_cast<int>(seed >> 8) % 2001 - 1000) / 8;
    rows.push_back({N(i), N(v)});
  }
  AddTable(&book_, "HOJA", rows);
  auto r = Run("SELECT * FROM [HOJA$] ORDER BY V");
  ASSERT_EQ(r->RecordCount(), 3000);
  double last_v = -1e300;
  double last_i = -1;
  for (r->MoveFirst(); !r->Eof(); r->MoveNext()) {
    const double v = r->Field("V").number();
    const double i = r->Field("I").number();
    ASSERT_TRUE(v > last_v || (v == last_v && i > last_i)) << v << " after " << last_v;
    last_v = v;
    last_i = i;
  }
}

TEST_F(QueryEngineTest, TextsCompareWithoutRegardToCaseTiesBrokenByTheExactText) {
  AddTable(&book_, "HOJA",
           {{T("NOMBRE")}, {T("zeta")}, {T("árbol")}, {T("Arbol")}, {T("ARBOL")}, {T("Ñandú")}});
  auto sorted = Run("SELECT * FROM [HOJA$] ORDER BY NOMBRE");
  EXPECT_EQ(Rows(*sorted, {"NOMBRE"}),
            (std::vector<std::string>{"ARBOL", "Arbol", "zeta", "árbol", "Ñandú"}));
  auto equal = Run("SELECT * FROM [HOJA$] WHERE NOMBRE = 'arbol' OR UCASE(NOMBRE) = 'ÁRBOL'");
  EXPECT_EQ(Rows(*equal, {"NOMBRE"}), (std::vector<std::string>{"árbol"}));
  auto after = Run("SELECT * FROM [HOJA$] WHERE NOMBRE > 'ZAPATO' AND NOMBRE < 'ÑANDÚ'");
  EXPECT_EQ(Rows(*after, {"NOMBRE"}), (std::vector<std::string>{"zeta", "árbol"}));
}

TEST_F(QueryEngineTest, FunctionsCountCharactersAndPassEmptyValuesThrough) {
  AddTable(&book_, "HOJA",
           {{T("A"), T("B")},
            {T("  Año 2005/03  "), N(-3.5)},
            {E(), N(7)},
            {T("31/09/2004"), Day(2004, 12, 31)}});
  auto r = Run(
      "SELECT TRIM(A) AS T, MID(TRIM(A),3,4) AS M, INSTR(A,'2005') AS I, Format(B, \"00\") AS F, "
      "Year(A) AS Y, MONTH(B) AS MB, A + B AS S, 'x' + TRIM(A) AS J FROM [HOJA$]");
  EXPECT_EQ(Rows(*r, {"T", "M", "I", "F", "Y", "MB", "S", "J"}),
            (std::vector<std::string>{"Año 2005/03|o 20|7|-04||12||xAño 2005/03", "|||07||1||",
                                      "31/09/2004|/09/|0|38352||12||x31/09/2004"}));
}

TEST_F(QueryEngineTest, BracketedColumnNamesMayHoldASlashAndNumbersUseAPoint) {
  AddTable(&book_, "DATOSDOC", {{T("ORDEN"), T("LICS/S")}, {N(1), N(2.5)}, {N(2), N(30)}});
  auto r = Run("SELECT ORDEN, [LICS/S] FROM [DATOSDOC$] WHERE [LICS/S] > 2.25 AND [lics/s] < 29.5");
  EXPECT_EQ(Rows(*r, {"ORDEN", "lics/s"}), (std::vector<std::string>{"1|2,5"}));
}

TEST_F(QueryEngineTest, QueriesOutsideTheDialectAreRefusedNamingTheWord) {
  AddEmployer();
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"SELECT PERLIQ XYZ FROM [DATOSEMP$]", "se esperaba FROM y se encontró 'XYZ'"},
      {"SELECT DISTINCT PERLIQ FROM [DATOSEMP$]",
       "se esperaba una columna, un texto o un número y se encontró 'DISTINCT'"},
      {"SELECT * FROM [DATOSEMP$] WHERE PERLIQ LIKE '2005%'",
       "se esperaba una comparación y se encontró 'LIKE'"},
      {"SELECT * FROM [DATOSEMP$] WHERE NOT PERLIQ IS NULL",
       "se esperaba una comparación y se encontró 'IS'"},
      {"SELECT * FROM [DATOSEMP$] ORDER BY PERLIQ DESC",
       "se esperaba el final de la consulta y se encontró 'DESC'"},
      {"SELECT * FROM [DATOSEMP$]; DROP",
       "se esperaba el final de la consulta y se encontró 'DROP'"},
      {"SELECT LEFT(PERLIQ, 4) FROM [DATOSEMP$]", "no se admite la función 'LEFT'"},
      {"SELECT * FROM DATOSEMP",
       "se esperaba el nombre de una hoja entre corchetes y se encontró 'DATOSEMP'"},
      {"SELECT * FROM [DATOSEMP$] WHERE PERLIQ",
       "se esperaba una condición y se encontró 'PERLIQ'"},
      {"SELECT * FROM [DATOSEMP$] WHERE TRIM(ISNULL(PERLIQ)) = ''",
       "se esperaba un valor y se encontró 'ISNULL'"},
      {"SELECT * FROM [DATOSEMP$] WHERE KALDOREN - 1 > 0", "no se admite '-'"},
      {"SELECT * FROM [DATOSEMP$] WHERE PERLIQ = 'abc", "falta cerrar el texto 'abc"},
      {"SELECT * FROM [DATOSEMP$", "falta cerrar el corchete de '[DATOSEMP$'"},
      {"SELECT Format(KALDOREN, \"#,##0\") FROM [DATOSEMP$]", "no se admite el formato '#,##0'"},
      {"SELECT MID(PERLIQ,0,2) FROM [DATOSEMP$]",
       "MID lleva como comienzo un número entero desde 1 y se encontró '0'"},
      {"SELECT MID(PERLIQ,1) FROM [DATOSEMP$]", "MID lleva 3 argumentos y se encontraron 2"},
      {"SELECT * FROM [DATOSEMP$] WHERE SUM(KALDOREN) > 0",
       "SUM solo se admite como columna del SELECT"},
      {"SELECT PERLIQ, KALDOREN, COUNT(ESTABLECIMIENTO) FROM [DATOSEMP$] GROUP BY PERLIQ",
       "la columna KALDOREN no está en GROUP BY"},
      {"SELECT * FROM [DATOSEMP$] WHERE",
       "se esperaba una columna, un texto o un número y la consulta terminó"},
      {"UPDATE [DATOSEMP$] SET KALDOREN = 1", "se esperaba SELECT y se encontró 'UPDATE'"},
      {"", "se esperaba SELECT y la consulta terminó"},
  };
  for (const auto& [sql, detail] : cases) {
    EXPECT_EQ(Refusal(sql), "Consulta no admitida: " + detail) << sql;
  }
}

// Regression: a few thousand opening parentheses overflowed the stack.
TEST_F(QueryEngineTest, ExpressionsNestedBeyondTheBoundAreRefusedNotOverflowTheStack) {
  AddEmployer();
  const auto nested = [](const std::string& open, const std::string& inner,
                         const std::string& close, int n) {
    std::string sql = "SELECT * FROM [DATOSEMP$] WHERE ";
    for (int i = 0; i < n; ++i) sql += open;
    sql += inner;
    for (int i = 0; i < n; ++i) sql += close;
    return sql;
  };
  const std::string too_deep = "Consulta no admitida: la consulta anida más de 200 expresiones";
  for (const int n : {150, 250, 100000}) {
    for (const std::string& sql :
         {nested("(", "KALDOREN > 0", ")", n), nested("NOT ", "KALDOREN > 0", "", n),
          nested("TRIM(", "PERLIQ", ")", n) + " = ''", nested("", "KALDOREN", "+1", n) + " > 0"}) {
      std::unique_ptr<Recordset> r;
      const Status status = QueryEngine::Run(book_, sql, &r);
      EXPECT_EQ(status.ok() ? "" : status.description(), n < 200 ? "" : too_deep) << n;
    }
  }
}

TEST_F(QueryEngineTest, MissingSheetOrColumnIsRefusedBeforeReadingAnyRow) {
  AddTable(&book_, "DATOSDOC",
           {{T("PERLIQ"), T("ORDEN"), T("APENOM"), T("NRODOC"), T("C_APORTE"), T("PER_ZOL"),
             T("PAT_ZOL")}});
  // The missing column named twice: the first one found is reported.
  const std::string leaving = "SELECT PERLIQ, FECBAJA FROM [DATOSDOC$] WHERE YEAR(FECBAJA) > 1900";
  EXPECT_EQ(Refusal(leaving), "La hoja DATOSDOC$ no tiene la columna FECBAJA");
  EXPECT_EQ(Refusal("SELECT * FROM [datosdoc$] ORDER BY Orden, Fecha"),
            "La hoja DATOSDOC$ no tiene la columna Fecha");
  EXPECT_EQ(Refusal(kEmployerQuery), "El libro no tiene la hoja DATOSEMP$");
  std::unique_ptr<Recordset> r;
  EXPECT_EQ(QueryEngine::Run(book_, leaving, &r).number(), QueryEngine::kColumnaInexistente);
}

}  // namespace
}  // namespace kaldoren
