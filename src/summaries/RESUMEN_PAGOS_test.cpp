#include "summaries/RESUMEN_PAGOS.h"

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

TableRecordset Fila(Value perliq, Value fecvto, Value fecpago, Value total) {
  return TableRecordset({"PERLIQ", "FECVTO", "FECPAGO", "TOTAL"},
                        {{perliq, fecvto, fecpago, total}});
}

TEST(ResumenPagos, DetailLinePutsDatesAndTotalInTheirColumns) {
  RESUMEN_PAGOS s;
  const std::string linea =
      Impresa(s, Fila(T("2004/03"), D(Calendar::DayCount(2004, 3, 5)), T("10/03/2004"), N(350.5)));
  EXPECT_EQ(linea, "       2004/03          05/03/2004   10/03/2004        350,50");
  EXPECT_EQ(linea.find("05/03/2004") + 1, 25u);
  EXPECT_EQ(linea.find("10/03/2004") + 1, 38u);
  EXPECT_EQ(linea.size(), 61u);
  EXPECT_DOUBLE_EQ(s.Totales(), 350.5);
}

TEST(ResumenPagos, MissingInvalidAndPre1900DatesAreTenHyphens) {
  RESUMEN_PAGOS s;
  EXPECT_EQ(Impresa(s, Fila(T("2004/03"), E(), T("abc"), N(1000))),
            "       2004/03          ----------   ----------      1.000,00");
  // 31/12/1899 is day 1, as a date cell and as a text.
  EXPECT_EQ(Impresa(s, Fila(T("2004/04"), D(1), T("31/12/1899"), N(1))),
            "       2004/04          ----------   ----------          1,00");
  // A plain number is not a date; 1900 itself is shown.
  EXPECT_EQ(Impresa(s, Fila(T("2004/05"), N(38000), D(Calendar::DayCount(1900, 1, 1)), N(1))),
            "       2004/05          ----------   01/01/1900          1,00");
}

TEST(ResumenPagos, DateTextWithATimeIsWrittenAsItsDayAlone) {
  RESUMEN_PAGOS s;
  EXPECT_EQ(Impresa(s, Fila(T("2004/03"), T("5-3-04 10:30"), D(38056.75), N(2))),
            "       2004/03          05/03/2004   10/03/2004          2,00");
}

TEST(ResumenPagos, TotalesAddsEveryLineAndZeroForAnEmptyTotal) {
  RESUMEN_PAGOS s;
  s.Detalle(Fila(T("2004/03"), E(), E(), N(100)));
  s.Detalle(Fila(T("2004/04"), E(), E(), E()));
  s.Detalle(Fila(T("2004/05"), E(), E(), N(250.5)));
  EXPECT_DOUBLE_EQ(s.Totales(), 350.5);
}

TEST(ResumenPagos, TextsOfTheSectionAreTheFixedOnes) {
  RESUMEN_PAGOS s;
  EXPECT_EQ(s.Titulo(), "RESUMEN DE PAGOS");
  EXPECT_EQ(s.Agregado_al_titulo(), "RESUMEN PAGOS");
  EXPECT_EQ(s.Vacio(), "   « No se han registrado Pagos »");
  EXPECT_EQ(s.Encabezado(), "PERIODO LIQUIDADO    FECHA VTO.   FECHA PAGO   TOTAL PAGOS\r\n  ");
}

TEST(ResumenPagos, GroupsPaymentsAboveZeroByPeriodAndDates) {
  const Value vto = D(Calendar::DayCount(2005, 2, 10));
  const Value pago = D(Calendar::DayCount(2005, 2, 8));
  Workbook libro;
  AddTable(&libro, "PAGOS",
           {{T("PERLIQ"), T("FECVTO"), T("FECPAGO"), T("PAGO")},
            {T("2005/01"), vto, D(Calendar::DayCount(2005, 2, 15)), N(20)},
            {T("2005/01"), vto, pago, N(100)},
            {T("2005/01"), vto, pago, N(0)},
            {T("2005/01"), vto, pago, N(-5)},
            {T(""), vto, pago, N(1000)},
            {T("2005/01"), vto, pago, N(250.5)}});
  RESUMEN_PAGOS s;
  EXPECT_EQ(
      LineasDelLibro(s, libro),
      (std::vector<std::string>{"       2005/01          10/02/2005   08/02/2005        350,50",
                                "       2005/01          10/02/2005   15/02/2005         20,00"}));
  EXPECT_DOUBLE_EQ(s.Totales(), 370.5);
}

}  // namespace
}  // namespace kaldoren
