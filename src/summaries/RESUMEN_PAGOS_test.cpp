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

TEST(ResumenPagos, DatesAreDayMonthYearOrTenHyphensAndTotalsAddUp) {
  const struct {
    const char* que;
    Value fecvto, fecpago, total;
    std::string linea;
  } casos[] = {
      {"a date cell and a date text", D(Calendar::DayCount(2004, 3, 5)), T("10/03/2004"), N(350.5),
       "       2004/03          05/03/2004   10/03/2004        350,50"},
      {"missing or invalid", E(), T("abc"), N(1000),
       "       2004/03          ----------   ----------      1.000,00"},
      {"31/12/1899 is day 1, as a cell and as a text", D(1), T("31/12/1899"), N(1),
       "       2004/03          ----------   ----------          1,00"},
      {"a plain number is not a date; 1900 itself is", N(38000), D(Calendar::DayCount(1900, 1, 1)),
       N(1), "       2004/03          ----------   01/01/1900          1,00"},
      {"a time of day is left out", T("5-3-04 10:30"), D(38056.75), N(2),
       "       2004/03          05/03/2004   10/03/2004          2,00"},
      {"an empty total leaves its field blank and counts zero", E(), E(), E(),
       "       2004/03          ----------   ----------              "},
  };
  RESUMEN_PAGOS s;
  for (const auto& c : casos) {
    const TableRecordset r({"PERLIQ", "FECVTO", "FECPAGO", "TOTAL"},
                           {{T("2004/03"), c.fecvto, c.fecpago, c.total}});
    EXPECT_EQ(Impresa(s, r), c.linea) << c.que;
  }
  EXPECT_DOUBLE_EQ(s.Totales(), 1354.5);
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
            {T("2005/01"), vto, pago, N(250.5)},
            // An empty date groups first; a numeric text is a payment, other texts not.
            {T("2005/01"), vto, E(), N(5)},
            {T("2005/01"), vto, pago, T("mucho")},
            {T("2004/12"), vto, pago, T("7,5")}});
  RESUMEN_PAGOS s;
  EXPECT_EQ(
      LineasDelLibro(s, libro),
      (std::vector<std::string>{"       2004/12          10/02/2005   08/02/2005          7,50",
                                "       2005/01          10/02/2005   ----------          5,00",
                                "       2005/01          10/02/2005   08/02/2005        350,50",
                                "       2005/01          10/02/2005   15/02/2005         20,00"}));
  EXPECT_DOUBLE_EQ(s.Totales(), 383);
}

}  // namespace
}  // namespace kaldoren
