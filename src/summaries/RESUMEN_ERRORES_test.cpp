#include "summaries/RESUMEN_ERRORES.h"

#include <gtest/gtest.h>

#include "ResumenSobreLibro_test.h"
#include "TestData.h"
#include "base/Calendar.h"
#include "query/TableRecordset.h"

namespace kaldoren {
namespace {

using testing::AddTable;
using testing::D;
using testing::E;
using testing::Impresa;
using testing::LineasDelLibro;
using testing::N;
using testing::T;

TEST(ResumenErrores, DetailLineOfOddValues) {
  const struct {
    Value perliq, orden;
    std::string linea;
  } casos[] = {
      {T("2005/04"), N(0), "       2005/04                                   15/03/2005"},
      {T("2005/04 ADIC"), N(7), "       2005/04 ADIC                 7              15/03/2005"},
  };
  for (const auto& c : casos) {
    RESUMEN_ERRORES s;
    const TableRecordset r({"PERLIQ", "ORDEN", "FECBAJA"}, {{c.perliq, c.orden, T("15/03/2005")}});
    EXPECT_EQ(Impresa(s, r), c.linea);
  }
}

TEST(ResumenErrores, ListsOnlyRowsPaidAfterTheLeavingMonthOutsideSacJanuaryAndFebruary) {
  const Value baja = D(Calendar::DayCount(2005, 3, 15));
  const Value en_1900 = D(Calendar::DayCount(1900, 6, 1));
  Workbook libro;
  AddTable(&libro, "DATOSDOC",
           {{T("PERLIQ"), T("ORDEN"), T("APENOM"), T("NRODOC"), T("C_APORTE"), T("PER_ZOL"),
             T("PAT_ZOL"), T("FECBAJA")},
            {T("2005/03"), N(1), T("PEREZ"), N(20111222), N(1000), N(110), N(160), baja},
            {T("2005/04"), N(2), T("PEREZ"), N(20111222), N(1000), N(110), N(160), baja},
            {T("2005/06 SAC"), N(3), T("PEREZ"), N(20111222), N(500), N(55), N(80), baja},
            {T("2005/12 sac"), N(4), T("PEREZ"), N(20111222), N(500), N(55), N(80), baja},
            {T("2006/01"), N(5), T("PEREZ"), N(20111222), N(1000), N(110), N(160), baja},
            {T("2006/02"), N(6), T("PEREZ"), N(20111222), N(1000), N(110), N(160), baja},
            {T("2005/05"), N(7), T("PEREZ"), N(20111222), N(0), E(), N(0), baja},
            {T("2005/08"), N(8), T("GOMEZ"), N(20333444), N(500), E(), E(), E()},
            {T("2005/08"), N(9), T("GOMEZ"), N(20333444), N(500), E(), E(), en_1900},
            {T("2005/08"), N(12), E(), N(30111222), E(), E(), N(80), baja},
            {T("2005/08"), N(11), T("LOPEZ"), E(), N(500), E(), E(), baja},
            {T("2005/08"), N(13), T("  "), N(0), N(500), E(), E(), baja},
            {T("   "), N(14), T("RUIZ"), N(20555666), N(500), E(), E(), baja},
            // A leaving date written as a text counts; 30/12/1899 or a text
            // that is no date is no leaving date.
            {T("2005/09"), N(15), T("VERA"), N(1), E(), N(14), E(), T("15/03/2005")},
            {T("2005/09"), N(16), T("VERA"), N(1), N(100), N(14), N(16), D(0)},
            {T("2005/09"), N(17), T("VERA"), N(1), N(100), N(14), N(16), T("sin fecha")}});
  RESUMEN_ERRORES s;
  EXPECT_EQ(
      LineasDelLibro(s, libro),
      (std::vector<std::string>{"       2005/04                    2              15/03/2005",
                                "       2005/08                   11              15/03/2005",
                                "       2005/08                   12              15/03/2005",
                                "       2005/09                   15              15/03/2005"}));
}

}  // namespace
}  // namespace kaldoren
