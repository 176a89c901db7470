#include "summaries/RESUMEN_ERRORES.h"

#include <gtest/gtest.h>

#include "TestData.h"
#include "base/Calendar.h"
#include "workbook/TableRecordset.h"

namespace kaldoren {
namespace {

using testing::D;
using testing::N;
using testing::T;

TableRecordset Fila(Value perliq, Value orden, Value fecbaja) {
  return TableRecordset({"PERLIQ", "ORDEN", "FECBAJA"}, {{perliq, orden, fecbaja}});
}

std::string Impresa(RESUMEN_ERRORES& s, const Recordset& r) { return "   " + s.Detalle(r); }

TEST(ResumenErrores, DetailLinePutsOrderNumberAndLeavingDateInTheirColumns) {
  RESUMEN_ERRORES s;
  const std::string linea =
      Impresa(s, Fila(T("2005/04"), N(12), D(Calendar::DayCount(2005, 3, 15))));
  EXPECT_EQ(linea, "       2005/04                   12              15/03/2005");
  EXPECT_EQ(linea.find("12") + 2, 35u);
  EXPECT_EQ(linea.find("15/03/2005") + 1, 50u);
}

TEST(ResumenErrores, OrderNumberZeroLeavesItsFieldBlank) {
  RESUMEN_ERRORES s;
  EXPECT_EQ(Impresa(s, Fila(T("2005/04"), N(0), T("15/03/2005"))),
            "       2005/04                                   15/03/2005");
}

TEST(ResumenErrores, PeriodLongerThanItsFieldIsWrittenWhole) {
  RESUMEN_ERRORES s;
  EXPECT_EQ(Impresa(s, Fila(T("2005/04 ADIC"), N(7), T("15/03/2005"))),
            "       2005/04 ADIC                 7              15/03/2005");
}

TEST(ResumenErrores, HeadingIsFollowedByAnEmptyLine) {
  RESUMEN_ERRORES s;
  EXPECT_EQ(s.Encabezado(), "PERIODO LIQUIDADO        Nº DE ORDEN        FECHA DE BAJA\r\n");
  EXPECT_EQ(s.Vacio(), "   « No se han registrado Casos »");
  EXPECT_EQ(s.Titulo(), "REMUNERACIONES INFORMADAS EN PERIODOS QUE NO CORRESPONDE");
  EXPECT_EQ(s.Agregado_al_titulo(), "REM. ERRONEAS");
}

TEST(ResumenErrores, QueryComparesThePeriodWithTheLeavingYearAndMonth) {
  RESUMEN_ERRORES s;
  Coleccion<SeccionResumen> cl;
  EXPECT_EQ(s.Sql(cl),
            "SELECT PERLIQ, ORDEN, FECBAJA FROM [DATOSDOC$] WHERE NOT ISNULL(PERLIQ) AND "
            "TRIM(PERLIQ)<> '' AND ((NOT ISNULL(APENOM) AND TRIM(APENOM) <> '') OR NRODOC > 0) "
            "AND (C_APORTE<>0 OR PER_ZOL<>0 OR PAT_ZOL<>0) AND (YEAR(FECBAJA)>1900 AND "
            "INSTR(UCASE(PERLIQ),'SAC')=0 AND MID(PERLIQ,1,7) > Format(Year(FECBAJA), \"0000\") "
            "+ \"/\"+ Format(Month(FECBAJA), \"00\") AND MID(PERLIQ,6,2)<>'01' AND "
            "MID(PERLIQ,6,2)<>'02') ORDER BY PERLIQ, ORDEN;");
}

}  // namespace
}  // namespace kaldoren
