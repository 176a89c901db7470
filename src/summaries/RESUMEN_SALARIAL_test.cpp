#include "summaries/RESUMEN_SALARIAL.h"

#include <gtest/gtest.h>

#include "ResumenSobreLibro_test.h"
#include "TestData.h"
#include "query/TableRecordset.h"

namespace kaldoren {
namespace {

using testing::AddTable;
using testing::E;
using testing::Impresa;
using testing::LineasDelLibro;
using testing::N;
using testing::T;

TEST(ResumenSalarial, DetailLinesOfOddValuesAndTheirTotal) {
  const struct {
    const char* que;
    std::vector<Value> fila;
    std::string linea;
  } casos[] = {
      {"a count of zero and empty sums leave blank fields of their width",
       {T("2005/02"), N(0), E(), E(), E(), E()},
       "       2005/02" + std::string(89, ' ')},
      {"an amount wider than its field is written whole, shifting the rest",
       {T("2005/03"), N(12), N(1234567.89), N(45.6), N(0), N(45.6)},
       "       2005/03                 12          1.234.567,89            45,60              "
       "0,00          45,60"},
      {"amounts round to cents",
       {T("2005/04"), N(1), N(0.125), N(100.004), N(0.5), N(100.504)},
       "       2005/04                  1                0,13           100,00              "
       "0,50         100,50"},
  };
  RESUMEN_SALARIAL s;
  for (const auto& c : casos) {
    const TableRecordset r({"PERLIQ", "CC", "RCA", "PEZOL", "PAZOL", "TOTAL"}, {c.fila});
    EXPECT_EQ(Impresa(s, r), c.linea) << c.que;
  }
  EXPECT_DOUBLE_EQ(s.Totales(), 146.104);
}

TEST(ResumenSalarial, SumsThePeriodsOfTheSheetAndCountsOnlyNamedTeachers) {
  Workbook libro;
  AddTable(&libro, "DATOSDOC",
           {{T("PERLIQ"), T("APENOM"), T("NRODOC"), T("C_APORTE"), T("PER_ZOL"), T("PAT_ZOL")},
            {T("2005/01"), T("PEREZ"), N(20111222), N(1000), N(110), N(160)},
            {T("2005/02"), T("RUIZ"), N(20555666), N(1000), E(), E()},
            {T("2005/01"), T("GOMEZ"), N(20333444), N(1500), N(165), N(240)},
            {T("2005/01"), T("LOPEZ"), E(), N(500), N(55), N(80)},
            // Named by the document number alone: summed, not counted.
            {T("2005/01"), E(), N(5), N(500), N(55), N(80)},
            {T("  "), T("SOSA"), N(20777888), N(9999), N(9999), N(9999)},
            {T("2005/01"), E(), N(0), N(9999), N(9999), N(9999)},
            // Only numbers are summed, numeric texts among them; an empty
            // addend leaves the sum of the row out, texts are added, not joined.
            {T("2005/01"), T("RIOS"), N(3), T("A CONFIRMAR"), T("100,50"), N(20)},
            {T("2005/01"), T("SOSA"), N(6), N(100), T("14"), T("16")},
            {T("2005/01"), T("VERA"), N(7), N(200), E(), N(32)},
            {T("2005/03"), T("LUNA"), N(4), E(), E(), E()}});
  RESUMEN_SALARIAL s;
  EXPECT_EQ(LineasDelLibro(s, libro),
            (std::vector<std::string>{
                "       2005/01                  6            3.800,00           499,50            "
                "628,00       1.095,50",
                "       2005/02                  1            1.000,00" + std::string(50, ' '),
                "       2005/03                  1" + std::string(70, ' ')}));
  EXPECT_DOUBLE_EQ(s.Totales(), 1095.5);
}

}  // namespace
}  // namespace kaldoren
