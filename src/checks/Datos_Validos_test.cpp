#include "checks/Datos_Validos.h"

#include <gtest/gtest.h>

#include "TestData.h"

namespace kaldoren {
namespace {

using namespace kaldoren::testing;

// Ascan compares the cell's text form exactly and never finds a blank;
// Encuentra looks the cell up trimmed and upper-cased.
TEST(Datos_Validos, AscanAndEncuentraLookUpACellInAList) {
  const Datos_Validos v;
  const std::vector<std::string> tipos = v.Tipos_Doc();
  const std::vector<std::string> distritos = v.Distritos();
  const std::vector<std::string> tablas = v.Tablas();
  struct Caso {
    Value dato;
    std::vector<std::string> lista;
    bool ascan;
    bool encuentra;
  };
  const Caso casos[] = {
      {T("DNI"), tipos, true, true},
      {T("dni"), tipos, false, true},
      {T("  dni "), tipos, false, true},
      {T("DU"), tipos, false, false},
      {T("OTROS"), tipos, true, true},
      {T("ADOLFO ALSINA"), distritos, true, true},
      {T("ZARATE"), distritos, true, true},
      {T("la plata "), distritos, false, true},
      {T("LA  PLATA"), distritos, false, false},
      {T("CAÑUELAS"), distritos, true, true},
      {T("cañuelas"), distritos, false, true},
      {T("CANUELAS"), distritos, false, false},
      {T("DATOSDOC$"), tablas, true, true},
      {T("DATOSDOC"), tablas, false, false},
      {E(), tipos, false, false},
      {T(""), {"A", ""}, false, false},
      {T("  "), {"  "}, false, false},
      {T("A"), {}, false, false},
      {N(5), {"4", "5"}, true, true},  // a number is looked up by its text form
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(v.Ascan(c.dato, c.lista), c.ascan) << c.dato.TextForm();
    EXPECT_EQ(v.Encuentra(c.dato, c.lista), c.encuentra) << c.dato.TextForm();
  }
}

}  // namespace
}  // namespace kaldoren
