// The findings of the sample declaration with mistakes: every mistake that
// the workbooks' README lists is a finding at its sheet, row and cell, under
// its check item, and nothing else is (tests/hallazgos_externos.py checks
// that the correct declarations give none).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "Archivos.h"
#include "CorridaDePrueba.h"
#include "TestData.h"

namespace kaldoren {
namespace {

// A mistake of the README: its sheet rows, the item it triggers (numbered from
// 0, as the README numbers them) and the column whose cell holds it.
struct Error {
  std::string seccion;
  int item;  // -1 for part b
  std::string columna;
  std::vector<long> filas;
};

// clang-format off
const std::vector<Error> kErroresDelReadme = {
    {"DATOSEMP", 4, "G", {3}},   // file number with a four-digit year
    {"DATOSEMP", 2, "E", {5}},   // district with N instead of Ñ
    {"DATOSEMP", 7, "L", {6}},   // town empty
    {"DATOSEMP", 8, "N", {8}},   // legal representative empty
    {"DATOSEMP", 9, "Q", {10}},  // representative's document type DU
    {"DATOSEMP", 10, "R", {10}}, // representative's document number empty
    {"DATOSEMP", 5, "I", {12}},  // URBANO X with RURAL empty
    {"DATOSEMP", 0, "B", {14}},  // school number empty
    {"DATOSDOC", 0, "C", {289}},
    {"DATOSDOC", 1, "E", {105, 186}},
    {"DATOSDOC", 2, "G", {59}},
    {"DATOSDOC", 3, "H", {161}},
    {"DATOSDOC", 4, "I", {14, 37, 60, 84, 109, 134, 158, 182, 206, 230, 253, 276, 299}},
    {"DATOSDOC", 5, "J", {221}},
    {"DATOSDOC", 6, "K", {6, 29, 52, 76, 101, 126, 150, 174, 199, 223, 246, 269, 292}},
    {"DATOSDOC", 7, "L", {255}},
    {"DATOSDOC", 8, "M", {68, 92, 117, 142, 166, 190, 214, 238, 261, 284, 307}},
    {"DATOSDOC", 9, "N", {195, 192}},
    {"DATOSDOC", 10, "O", {45}},
    {"DATOSDOC", 11, "P", {12, 35, 58, 82, 107, 132, 156, 180, 204, 228, 251, 274, 297}},
    {"DATOSDOC", 12, "Q", {139, 163, 187}},
    {"DATOSDOC", 13, "R", {198}},
    {"DATOSDOC", 14, "S", {85}},
    {"DATOSDOC", 15, "N", {195}},  // leaving date empty
    {"DATOSDOC", 15, "W", {53}},   // PAT_ZOL typed 0
    {"DATOSDOC", 15, "U", {240}},  // C_APORTE typed as text
    {"DATOSDOC", 15, "O", {106}},  // a whole month unpaid, with salary
    {"REM. ERRONEAS", -1, "N", {153, 177}},
    {"PAGOS", 2, "F", {5}},
    {"PAGOS", 3, "F", {5}},
    {"PAGOS", 2, "E", {9}},
    {"PAGOS", 3, "E", {9}},
    {"PAGOS", 1, "D", {11}},
    {"PAGOS", 3, "F", {14}},
    {"PAGOS", 0, "B", {15}},
};
// clang-format on

using Lugar = std::tuple<std::string, std::optional<int>, long>;  // section, item, row

TEST(HallazgosMuestras, EveryMistakeOfTheReadmeIsAFindingAtItsCellAndNothingElseIs) {
  const testing::CarpetaTemporal carpeta;
  const ResultadoVerificacion r = testing::CorridaDePrueba().Correr(
      testing::TestDataPath("workbooks/declaracion_con_errores.xls"), carpeta.ruta().string());
  ASSERT_TRUE(r.estado.ok()) << r.estado.description();
  std::set<Lugar> esperados;
  for (const Error& e : kErroresDelReadme) {
    const std::optional<int> item = e.item < 0 ? std::nullopt : std::optional<int>(e.item + 1);
    for (const long fila : e.filas) {
      esperados.insert({e.seccion, item, fila});
      const std::string hoja = e.seccion == "REM. ERRONEAS" ? "DATOSDOC" : e.seccion;
      const std::string ref = hoja + "!" + e.columna + std::to_string(fila);
      const bool hallado =
          std::any_of(r.hallazgos.begin(), r.hallazgos.end(), [&](const Hallazgo& h) {
            return h.seccion == e.seccion && h.item == item && h.hoja == hoja && h.fila == fila &&
                   std::any_of(h.celdas.begin(), h.celdas.end(),
                               [&](const CeldaHallazgo& c) { return c.ref == ref; });
          });
      EXPECT_TRUE(hallado) << e.seccion << " item " << e.item << " at " << ref;
    }
  }
  std::set<Lugar> hallados;
  for (const Hallazgo& h : r.hallazgos) {
    if (h.fila) hallados.insert({h.seccion, h.item, *h.fila});
  }
  EXPECT_EQ(hallados, esperados);
  // The contributions exceed the payments: one finding without cells.
  ASSERT_FALSE(r.hallazgos.empty());
  EXPECT_EQ(r.hallazgos.back().seccion, "DIFERENCIAS");
  EXPECT_TRUE(r.hallazgos.back().celdas.empty());
  EXPECT_EQ(r.hallazgos.back().texto, "87.486,45          83.882,77             3.603,68");
}

}  // namespace
}  // namespace kaldoren
