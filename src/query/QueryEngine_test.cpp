#include "query/QueryEngine.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
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

using Texts = std::vector<std::string>;

class QueryEngineTest : public ::testing::Test {
 protected:
  std::pair<Status, std::unique_ptr<Recordset>> Attempt(const std::string& sql) {
    std::unique_ptr<Recordset> r;
    return {QueryEngine::Run(book_, sql, &r), std::move(r)};  // a braced list runs in order
  }

  std::unique_ptr<Recordset> Run(const std::string& sql) {
    auto [status, r] = Attempt(sql);
    EXPECT_TRUE(status.ok()) << status.description();
    return std::move(r);
  }

  // Every row the query gives, as the text forms of the columns joined by "|".
  Texts Rows(const std::string& sql, std::initializer_list<std::string_view> columns) {
    const auto r = Run(sql);
    Texts rows;
    for (r->MoveFirst(); !r->Eof(); r->MoveNext()) {
      std::string row;
      for (const std::string_view c : columns) row += "|" + r->Field(c).TextForm();
      rows.push_back(row.substr(1));
    }
    return rows;
  }

  std::string Refusal(const std::string& sql) {
    const auto [status, r] = Attempt(sql);
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
  EXPECT_EQ(Rows(kEmployerQuery, {"PERLIQ"}), (Texts{"2005/03", "2005/01", "2005/02"}));
  EXPECT_EQ(Rows("SELECT * FROM [PAGOS$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'';",
                 {"PERLIQ", "PAGO"}),
            (Texts{"2005/02|10", "2005/01|30"}));
  const std::string sorted =
      kEmployerQuery.substr(0, kEmployerQuery.size() - 1) + " ORDER BY PERLIQ;";
  EXPECT_EQ(Rows(sorted, {"perliq"}), (Texts{"2005/01", "2005/02", "2005/03"}));
  auto header = Run(sorted);
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
  // Empty order numbers first, then numbers by value, then texts.
  EXPECT_EQ(Rows(kTeacherQuery, {"PERLIQ", "ORDEN", "APENOM"}),
            (Texts{"2005/01||", "2005/01|1|", "2005/01|2|Pérez", "2005/01|2|Luna",
                   "2005/01|10|Alba", "2005/01|3|Ríos", "2005/02|10|Gómez"}));
  EXPECT_EQ(Rows("SELECT * FROM [DATOSDOC$] WHERE NOT NRODOC<>0", {"NRODOC"}), Texts{"0"});
}

// TOP 1 of constants gives a row when the sheet has a record, even one of
// blank cells only.
TEST_F(QueryEngineTest, AggregatesWithoutGroupByGiveOneRowEvenOfNoRecord) {
  AddTable(&book_, "PAGOS", {{T("PERLIQ"), T("PAGO")}, {T("2005/01"), N(3)}});
  EXPECT_EQ(
      Rows("SELECT COUNT(PAGO) AS N, SUM(PAGO) AS S FROM [PAGOS$] WHERE PAGO > 5", {"N", "S"}),
      Texts{"0|"});
  Sheet& blank = book_.AddSheet("DATOSEMP");
  blank.AddText(0, 0, "PERLIQ");
  blank.AddBlank(1, 0);
  blank.Finish();
  EXPECT_EQ(Rows("SELECT TOP 1 '1500,25' AS APORTES FROM [DATOSEMP$]", {"aportes"}),
            Texts{"1500,25"});
}

TEST_F(QueryEngineTest, OrderAndGroupPutEmptyFirstThenNumbersAndDatesByValueThenTexts) {
  // Column I numbers the records from 1.
  std::vector<std::vector<Value>> rows = {{T("I"), T("V")}};
  for (const Value& v :
       {N(5), N(-2.5), D(3), T("b"), E(), N(-10), N(0), T("A"), N(1e10), N(-0.0), N(4)}) {
    rows.push_back({N(static_cast<double>(rows.size())), v});
  }
  AddTable(&book_, "HOJA", rows);
  EXPECT_EQ(Rows("SELECT * FROM [HOJA$] ORDER BY V", {"I"}),
            (Texts{"5", "6", "2", "7", "10", "3", "11", "1", "9", "8", "4"}));
  EXPECT_EQ(Rows("SELECT V, COUNT(I) AS N FROM [HOJA$] GROUP BY V ORDER BY V", {"V", "N"}),
            (Texts{"|1", "-10|1", "-2,5|1", "0|2", "02/01/1900|1", "4|1", "5|1", "10000000000|1",
                   "A|1", "b|1"}));
}

TEST_F(QueryEngineTest, OrderByKeepsSheetOrderAmongEqualKeysOverManyRecords) {
  std::vector<std::vector<Value>> rows = {{T("I"), T("V")}};
  std::uint32_t seed = 12345;
  for (int i = 0; i < 3000; ++i) {
    seed = seed * 1103515245 + 12345;
    rows.push_back({N(i), N(static_cast<double>(static_cast<int>(seed >> 8) % 2001 - 1000) / 8)});
  }
  AddTable(&book_, "HOJA", rows);
  auto r = Run("SELECT * FROM [HOJA$] ORDER BY V");
  ASSERT_EQ(r->RecordCount(), 3000);
  // By value, and among equal values by record number.
  std::pair<double, double> last{-1e300, -1};
  for (r->MoveFirst(); !r->Eof(); r->MoveNext()) {
    const std::pair now{r->Field("V").number(), r->Field("I").number()};
    ASSERT_LT(last, now);
    last = now;
  }
}

TEST_F(QueryEngineTest, TextsCompareWithoutRegardToCaseTiesBrokenByTheExactText) {
  AddTable(&book_, "HOJA",
           {{T("NOMBRE")}, {T("zeta")}, {T("árbol")}, {T("Arbol")}, {T("ARBOL")}, {T("Ñandú")}});
  for (const auto& [where, names] :
       {std::pair{"ORDER BY NOMBRE", Texts{"ARBOL", "Arbol", "zeta", "árbol", "Ñandú"}},
        {"WHERE NOMBRE = 'arbol' OR UCASE(NOMBRE) = 'ÁRBOL'", Texts{"árbol"}},
        {"WHERE NOMBRE > 'ZAPATO' AND NOMBRE < 'ÑANDÚ'", Texts{"zeta", "árbol"}}}) {
    EXPECT_EQ(Rows(std::string("SELECT * FROM [HOJA$] ") + where, {"NOMBRE"}), names) << where;
  }
}

TEST_F(QueryEngineTest, FunctionsCountCharactersAndPassEmptyValuesThrough) {
  AddTable(&book_, "HOJA",
           {{T("A"), T("B")},
            {T("  Año 2005/03  "), N(-3.5)},
            {E(), N(7)},
            {T("31/09/2004"), D(Calendar::DayCount(2004, 12, 31))}});
  EXPECT_EQ(Rows("SELECT TRIM(A) AS T, MID(TRIM(A),3,4) AS M, INSTR(A,'2005') AS I, "
                 "Format(B, \"00\") AS F, Year(A) AS Y, MONTH(B) AS MB, A + B AS S, "
                 "'x' + TRIM(A) AS J FROM [HOJA$]",
                 {"T", "M", "I", "F", "Y", "MB", "S", "J"}),
            (Texts{"Año 2005/03|o 20|7|-04||12||xAño 2005/03", "|||07||1||",
                   "31/09/2004|/09/|0|38352||12||x31/09/2004"}));
}

TEST_F(QueryEngineTest, BracketedColumnNamesMayHoldASlashAndNumbersUseAPoint) {
  AddTable(&book_, "DATOSDOC", {{T("ORDEN"), T("LICS/S")}, {N(1), N(2.5)}, {N(2), N(30)}});
  EXPECT_EQ(
      Rows("SELECT ORDEN, [LICS/S] FROM [DATOSDOC$] WHERE [LICS/S] > 2.25 AND [lics/s] < 29.5",
           {"ORDEN", "lics/s"}),
      Texts{"1|2,5"});
}

TEST_F(QueryEngineTest, QueriesOutsideTheDialectAreRefusedNamingTheWord) {
  AddEmployer();
  const std::string all = "SELECT * FROM [DATOSEMP$]", where = all + " WHERE ";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"SELECT PERLIQ XYZ FROM [DATOSEMP$]", "se esperaba FROM y se encontró 'XYZ'"},
      {"SELECT DISTINCT PERLIQ FROM [DATOSEMP$]",
       "se esperaba una columna, un texto o un número y se encontró 'DISTINCT'"},
      {where + "PERLIQ LIKE '2005%'", "se esperaba una comparación y se encontró 'LIKE'"},
      {where + "NOT PERLIQ IS NULL", "se esperaba una comparación y se encontró 'IS'"},
      {all + " ORDER BY PERLIQ DESC", "se esperaba el final de la consulta y se encontró 'DESC'"},
      {all + "; DROP", "se esperaba el final de la consulta y se encontró 'DROP'"},
      {"SELECT LEFT(PERLIQ, 4) FROM [DATOSEMP$]", "no se admite la función 'LEFT'"},
      {"SELECT * FROM DATOSEMP",
       "se esperaba el nombre de una hoja entre corchetes y se encontró 'DATOSEMP'"},
      {where + "PERLIQ", "se esperaba una condición y se encontró 'PERLIQ'"},
      {where + "TRIM(ISNULL(PERLIQ)) = ''", "se esperaba un valor y se encontró 'ISNULL'"},
      {where + "KALDOREN - 1 > 0", "no se admite '-'"},
      {where + "PERLIQ = 'abc", "falta cerrar el texto 'abc"},
      {"SELECT * FROM [DATOSEMP$", "falta cerrar el corchete de '[DATOSEMP$'"},
      {"SELECT Format(KALDOREN, \"#,##0\") FROM [DATOSEMP$]", "no se admite el formato '#,##0'"},
      {"SELECT MID(PERLIQ,0,2) FROM [DATOSEMP$]",
       "MID lleva como comienzo un número entero desde 1 y se encontró '0'"},
      {"SELECT MID(PERLIQ,1) FROM [DATOSEMP$]", "MID lleva 3 argumentos y se encontraron 2"},
      {where + "SUM(KALDOREN) > 0", "SUM solo se admite como columna del SELECT"},
      {"SELECT PERLIQ, KALDOREN, COUNT(ESTABLECIMIENTO) FROM [DATOSEMP$] GROUP BY PERLIQ",
       "la columna KALDOREN no está en GROUP BY"},
      {all + " WHERE", "se esperaba una columna, un texto o un número y la consulta terminó"},
      {"UPDATE [DATOSEMP$] SET KALDOREN = 1", "se esperaba SELECT y se encontró 'UPDATE'"},
      {"", "se esperaba SELECT y la consulta terminó"},
  };
  for (const auto& [sql, detail] : cases)
    EXPECT_EQ(Refusal(sql), "Consulta no admitida: " + detail) << sql;
}

// Regression: a few thousand opening parentheses overflowed the stack.
TEST_F(QueryEngineTest, ExpressionsNestedBeyondTheBoundAreRefusedNotOverflowTheStack) {
  AddEmployer();
  const auto times = [](const std::string& text, int n) {
    std::string all;
    for (int i = 0; i < n; ++i) all += text;
    return all;
  };
  const std::string too_deep = "Consulta no admitida: la consulta anida más de 200 expresiones";
  for (const int n : {150, 250, 100000}) {
    for (const std::string& condition :
         {times("(", n) + "KALDOREN > 0" + times(")", n), times("NOT ", n) + "KALDOREN > 0",
          times("TRIM(", n) + "PERLIQ" + times(")", n) + " = ''",
          "KALDOREN" + times("+1", n) + " > 0"}) {
      const Status status = Attempt("SELECT * FROM [DATOSEMP$] WHERE " + condition).first;
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
  EXPECT_EQ(Attempt(leaving).first.number(), QueryEngine::kColumnaInexistente);
}

}  // namespace
}  // namespace kaldoren
