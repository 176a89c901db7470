#include "listing/COL_R_DATOSV.h"

#include <gtest/gtest.h>

namespace kaldoren {
namespace {

using Lineas = std::vector<std::string>;

TEST(ColRDatosv, EntriesArePaddedIntoLinesClosedOnceTheyReachTheLimit) {
  const std::string celda(26, ' ');
  const struct {
    const char* que;
    Lineas entradas;
    int ancho, limite, salto;
    Lineas lineas;
  } casos[] = {
      {"four entries of 27 characters make a line; a short last line keeps its spaces",
       {"A", "B", "C", "D", "E"},
       26,
       90,
       1,
       {"", "A" + celda + "B" + celda + "C" + celda + "D" + celda, "E" + celda}},
      {"after one entry of 53 characters the line is still short of 90",
       {"DNI", "LE", "LC"},
       41,
       90,
       12,
       {"", "DNI" + std::string(50, ' ') + "LE" + std::string(51, ' '),
        "LC" + std::string(51, ' ')}},
      {"the width counts characters, not bytes",
       {"CAÑUELAS"},
       26,
       90,
       1,
       {"", "CAÑUELAS" + std::string(19, ' ')}},
      {"an entry wider than its field is written whole",
       {"ABCDEFGHIJ", "K"},
       5,
       6,
       1,
       {"", "ABCDEFGHIJ ", "K     "}},
      {"no entries give no lines", {}, 26, 90, 1, {""}},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(COL_R_DATOSV::Muestra(c.entradas, c.ancho, c.limite, c.salto), c.lineas) << c.que;
  }
}

}  // namespace
}  // namespace kaldoren
