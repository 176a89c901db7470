#include "app/Datos_Iniciales.h"

#include <gtest/gtest.h>

#include "TestData.h"
#include "base/Calendar.h"
#include "query/QueryEngine.h"
#include "query/TableRecordset.h"

namespace kaldoren {
namespace {

using testing::AddTable;
using testing::E;
using testing::N;
using testing::T;

// 07/12/2026 09:05:07, a Monday.
double Ahora() { return Calendar::DayCount(2026, 12, 7) + (9 * 3600 + 5 * 60 + 7) / 86400.0; }

TableRecordset Empleador(const std::vector<std::vector<Value>>& filas) {
  return TableRecordset(
      {"KALDOREN", "PROVISORIO", "ESTABLECIMIENTO", "DISTRITO", "NIVEL", "PERLIQ"}, filas);
}

std::string Encabezado(Recordset& r, const std::string& ult = "05/03/2004 18:30:00") {
  return Datos_Iniciales().Encabezado_Informe("DECLARACION.XLS", ult, r, Ahora());
}

TEST(DatosIniciales, SchoolNumberKeepsItsFormAndAPeriodIsListedEachTimeItOccurs) {
  TableRecordset r = Empleador({
      {T("ab-12"), E(), T("x"), T("y"), T("z"), T("2005/01")},
      {T("ab-12"), E(), T("x"), T("y"), T("z"), T("2005/01")},
  });
  const std::string texto = Encabezado(r);
  EXPECT_NE(texto.find("\r\n   Kaldoren :           ab-12\r\n   Provisorio :         \r\n"),
            std::string::npos);
  EXPECT_TRUE(texto.ends_with("\r\nPeriodos Informados : 2005/01 - 2005/01"));
}

TEST(DatosIniciales, ModificationDateWithoutTimeOrEmptyOrUnreadable) {
  TableRecordset r = Empleador({});
  EXPECT_NE(
      Encabezado(r, "12/09/2026")
          .find("\r\nModificado el día : SÁBADO, 12 DE SEPTIEMBRE DE 2026 a la hora 00:00:00\r\n"),
      std::string::npos);
  EXPECT_NE(Encabezado(r, "").find("\r\nModificado el día :  a la hora \r\n"), std::string::npos);
  EXPECT_NE(Encabezado(r, "sin fecha").find("\r\nModificado el día :  a la hora \r\n"),
            std::string::npos);
}

TEST(DatosIniciales, QueryOrdersTheEmployerRowsByPeriodAndSkipsBlankPeriods) {
  Workbook libro;
  AddTable(&libro, "DATOSEMP",
           {{T("PERLIQ"), T("KALDOREN"), T("PROVISORIO"), T("ESTABLECIMIENTO"), T("DISTRITO"),
             T("NIVEL")},
            {T("2005/03"), N(2743), E(), T("Tercero"), T("AZUL"), T("PRIMARIO")},
            {T("2005/01"), N(2743), E(), T("Primero"), T("AZUL"), T("PRIMARIO")},
            {T("  "), N(2743), E(), T("Sin periodo"), T("AZUL"), T("PRIMARIO")},
            {T("2005/02"), N(2743), E(), T("Segundo"), T("AZUL"), T("PRIMARIO")}});
  std::unique_ptr<Recordset> r;
  const Datos_Iniciales datos;
  ASSERT_TRUE(QueryEngine::Run(libro, datos.Sql(), &r).ok());
  const std::string texto = datos.Encabezado_Informe("A.XLS", "", *r, Ahora());
  EXPECT_NE(texto.find("\r\n   Establecimiento :    PRIMERO\r\n"), std::string::npos);
  EXPECT_TRUE(texto.ends_with("\r\nPeriodos Informados : 2005/01 - 2005/02 - 2005/03"));
}

}  // namespace
}  // namespace kaldoren
