#include "summaries/RESUMEN_DIFERENCIAS.h"

#include <gtest/gtest.h>

#include <memory>

#include "ResumenSobreLibro_test.h"
#include "TestData.h"
#include "query/TableRecordset.h"
#include "summaries/RESUMEN_ERRORES.h"
#include "summaries/RESUMEN_PAGOS.h"
#include "summaries/RESUMEN_SALARIAL.h"

namespace kaldoren {
namespace {

using testing::AddTable;
using testing::E;
using testing::LineasDelLibro;
using testing::N;
using testing::T;

TEST(ResumenDiferencias, DifferenceLineOfTheTwoTotals) {
  const struct {
    const char* que;
    std::string aportes, pagos, linea;
  } casos[] = {
      {"higher contributions: the plain difference, ending in column 54", "1500,25", "1000",
       "      1.500,25           1.000,00               500,25"},
      {"higher payments: the difference in parentheses, ending in column 56", "1000", "1200",
       "      1.000,00           1.200,00               (200,00)"},
      {"totals equal to the cent", "1000,004", "1000",
       "      1.000,00           1.000,00                «« OK »»"},
      {"both zero", "0", "0", "          0,00               0,00                «« OK »»"},
      {"0,006 and 0,004 are written 0,01 and 0,00: the difference is 0,01", "0,006", "0,004",
       "          0,01               0,00                 0,01"},
      {"amounts wider than their fields are written whole", "12000000", "9500000",
       "    12.000.000,00         9.500.000,00           2.500.000,00"},
      {"a total that is not a number counts zero", "", "250",
       "          0,00             250,00               (250,00)"},
  };
  for (const auto& c : casos) {
    RESUMEN_DIFERENCIAS s;
    const TableRecordset r({"APORTES", "PAGOS"}, {{T(c.aportes), T(c.pagos)}});
    EXPECT_EQ("   " + s.Detalle(r), c.linea) << c.que;
  }
}

// The four summaries in report order over one declaration, driven one after
// the other as the run does.
std::vector<std::string> Diferencias(const std::vector<std::vector<Value>>& empleador) {
  Workbook libro;
  AddTable(&libro, "DATOSEMP", empleador);
  AddTable(&libro, "DATOSDOC",
           {{T("PERLIQ"), T("ORDEN"), T("APENOM"), T("NRODOC"), T("C_APORTE"), T("PER_ZOL"),
             T("PAT_ZOL"), T("FECBAJA")},
            {T("2005/01"), N(1), T("PEREZ"), N(20111222), N(1000), N(600.15), N(900.1), E()}});
  AddTable(&libro, "PAGOS",
           {{T("PERLIQ"), T("FECVTO"), T("FECPAGO"), T("PAGO")},
            {T("2005/01"), E(), E(), N(400)},
            {T("2005/01"), E(), E(), N(600)}});
  Coleccion<SeccionResumen> cl;
  cl.Agregar(std::make_unique<RESUMEN_ERRORES>());
  cl.Agregar(std::make_unique<RESUMEN_SALARIAL>());
  cl.Agregar(std::make_unique<RESUMEN_PAGOS>());
  cl.Agregar(std::make_unique<RESUMEN_DIFERENCIAS>());
  for (int i = 1; i <= 3; ++i) LineasDelLibro(cl.Item(i), libro, cl);
  return LineasDelLibro(cl.Item(4), libro, cl);
}

// An employer sheet without records gives no row.
TEST(ResumenDiferencias, ComparesTheTotalsTheSummariesAccumulatedBeforeIt) {
  EXPECT_EQ(Diferencias({{T("PERLIQ"), T("KALDOREN")}, {T("2005/01"), N(1234)}}),
            (std::vector<std::string>{"      1.500,25           1.000,00               500,25"}));
  EXPECT_TRUE(Diferencias({{T("PERLIQ"), T("KALDOREN")}}).empty());
}

}  // namespace
}  // namespace kaldoren
