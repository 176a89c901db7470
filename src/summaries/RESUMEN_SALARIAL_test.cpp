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

// One summary row as the grouped query answers it.
TableRecordset Fila(Value perliq, Value cc, Value rca, Value pezol, Value pazol, Value total) {
  return TableRecordset({"PERLIQ", "CC", "RCA", "PEZOL", "PAZOL", "TOTAL"},
                        {{perliq, cc, rca, pezol, pazol, total}});
}

TEST(ResumenSalarial, DetailLinePutsEveryFieldInItsColumns) {
  RESUMEN_SALARIAL s;
  const std::string linea = Impresa(s, Fila(T("2005/01"), N(3), N(1234.5), N(100), N(200), N(300)));
  EXPECT_EQ(linea,
            "       2005/01                  3            1.234,50           100,00            "
            "200,00         300,00");
  EXPECT_EQ(linea.find("2005/01") + 1, 8u);
  EXPECT_EQ(linea.find('3') + 1, 33u);
  EXPECT_EQ(linea.find("1.234,50") + 8, 53u);
  EXPECT_EQ(linea.find("100,00") + 6, 70u);
  EXPECT_EQ(linea.find("200,00") + 6, 88u);
  EXPECT_EQ(linea.size(), 103u);
}

TEST(ResumenSalarial, CountOfZeroAndEmptySumsLeaveBlankFieldsOfTheirWidth) {
  RESUMEN_SALARIAL s;
  const std::string linea = Impresa(s, Fila(T("2005/02"), N(0), E(), E(), E(), E()));
  EXPECT_EQ(linea, "       2005/02" + std::string(89, ' '));
  EXPECT_EQ(s.Totales(), 0);
}

TEST(ResumenSalarial, AmountWiderThanItsFieldIsWrittenWholeShiftingTheRest) {
  RESUMEN_SALARIAL s;
  const std::string linea =
      Impresa(s, Fila(T("2005/03"), N(12), N(1234567.89), N(45.6), N(0), N(45.6)));
  EXPECT_EQ(linea,
            "       2005/03                 12          1.234.567,89            45,60              "
            "0,00          45,60");
}

TEST(ResumenSalarial, TotalesAddsTheTotalOfEveryLineAndZeroForAnEmptyOne) {
  RESUMEN_SALARIAL s;
  EXPECT_EQ(s.Totales(), 0);
  s.Detalle(Fila(T("2005/01"), N(3), N(1000), N(100), N(200), N(300)));
  s.Detalle(Fila(T("2005/02"), N(1), N(50), E(), E(), E()));
  s.Detalle(Fila(T("2005/03"), N(2), N(900), N(150.25), N(300), N(450.25)));
  EXPECT_DOUBLE_EQ(s.Totales(), 750.25);
}

TEST(ResumenSalarial, TextsOfTheSectionAreTheFixedOnes) {
  RESUMEN_SALARIAL s;
  EXPECT_EQ(s.Titulo(), "RESUMEN SALARIAL");
  EXPECT_EQ(s.Agregado_al_titulo(), "RESUMEN SALARIAL");
  EXPECT_EQ(s.Vacio(), "   « No se han registrado Datos Salariales y Aportes »");
  const std::string encabezado = "   " + s.Encabezado();
  const size_t salto = encabezado.find("\r\n");
  ASSERT_NE(salto, std::string::npos);
  EXPECT_EQ(encabezado.substr(0, salto),
            "   PERIODO LIQUIDADO      CANTIDAD DE    REM. C/APORTES  APORTE PERSONAL   CONTR. "
            "PATRONAL  TOT A APORTAR");
  EXPECT_EQ(salto, 105u);
  // The second line is not indented by the run: REGISTROS under CANTIDAD DE.
  EXPECT_EQ(encabezado.substr(salto + 2), std::string(27, ' ') + "REGISTROS");
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
            {T("2005/01"), E(), N(0), N(9999), N(9999), N(9999)}});
  RESUMEN_SALARIAL s;
  EXPECT_EQ(LineasDelLibro(s, libro),
            (std::vector<std::string>{
                "       2005/01                  3            3.500,00           385,00            "
                "560,00         945,00",
                "       2005/02                  1            1.000,00" + std::string(50, ' ')}));
  EXPECT_DOUBLE_EQ(s.Totales(), 945);
}

}  // namespace
}  // namespace kaldoren
