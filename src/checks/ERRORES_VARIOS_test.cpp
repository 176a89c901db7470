#include "checks/ERRORES_VARIOS.h"

#include <gtest/gtest.h>

#include "TestData.h"

namespace kaldoren {
namespace {

using namespace kaldoren::testing;

TEST(ERRORES_VARIOS, ErrorKaldorenTakesTheProvisionalRouteOnlyWithoutASchoolNumber) {
  struct Caso {
    Value kaldoren;
    Value provisorio;
    bool error;
  };
  // Number route (the first eight): a given school number decides, the
  // provisional is ignored; blanks are not empty, so they take the number
  // route and fail. Provisional route: a letter PQRS, then a number above 0
  // ("P0,5" is numeric, but its leading number is 0).
  const Caso casos[] = {
      {N(1234), E(), false},    {N(1234), T("ZZZ"), false}, {T("1234"), E(), false},
      {N(-5), T("P17"), true},  {T("abc"), T("P17"), true}, {T("   "), T("P17"), true},
      {E(), E(), true},         {N(0), E(), true},          {N(0), T("p17"), false},
      {E(), T("P17"), false},   {T("0"), T("S9"), false},   {N(0), T("Q 25"), false},
      {N(0), T("R1,5"), false}, {N(0), T("X17"), true},     {N(0), T("P"), true},
      {N(0), T("P0"), true},    {N(0), T("P-3"), true},     {N(0), T("P12A"), true},
      {N(0), T("P1 2"), true},  {N(0), T("P0,5"), true},    {N(0), T(""), true},
      {N(0), N(17), true},
  };
  const ERRORES_VARIOS varios;
  for (const Caso& c : casos) {
    EXPECT_EQ(varios.Error_Kaldoren(c.kaldoren, c.provisorio), c.error)
        << c.kaldoren.TextForm() << " / " << c.provisorio.TextForm();
  }
}

TEST(ERRORES_VARIOS, FechavalidaAcceptsDateCellsAndDateTextsOnly) {
  struct Caso {
    Value dato;
    bool valida;
  };
  const Caso casos[] = {
      {D(38061), true},         {D(0), true},
      {T("15/03/2004"), true},  {T(" 15-mar-2004 "), true},
      {T("31/02/2004"), false}, {T("abc"), false},
      {T(""), false},           {N(38061), false},
      {N(15.032004), false},    {E(), false},
  };
  const ERRORES_VARIOS varios;
  for (const Caso& c : casos) EXPECT_EQ(varios.Fechavalida(c.dato), c.valida) << c.dato.TextForm();
}

TEST(ERRORES_VARIOS, FechaGivesTheCalendarDateWithoutTheTime) {
  const ERRORES_VARIOS varios;
  const auto fecha = [&](const Value& v) {
    const std::optional<CivilDate> f = varios.Fecha(v);
    return f ? std::to_string(f->year) + "-" + std::to_string(f->month) + "-" +
                   std::to_string(f->day)
             : std::string("ninguna");
  };
  EXPECT_EQ(fecha(D(38061.99)), "2004-3-15");
  EXPECT_EQ(fecha(D(0)), "1899-12-30");
  EXPECT_EQ(fecha(T("01/04/2004 23:59")), "2004-4-1");
  EXPECT_EQ(fecha(T("1/2/30")), "1930-2-1");
  EXPECT_EQ(fecha(N(38061)), "ninguna");
  EXPECT_EQ(fecha(E()), "ninguna");
}

}  // namespace
}  // namespace kaldoren
