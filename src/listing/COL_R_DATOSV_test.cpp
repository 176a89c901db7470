#include "listing/COL_R_DATOSV.h"

#include <gtest/gtest.h>

namespace kaldoren {
namespace {

using Lineas = std::vector<std::string>;

TEST(ColRDatosv, FourEntriesOf27CharactersMakeALineOfTheDistricts) {
  const Lineas lineas = COL_R_DATOSV::Muestra({"A", "B", "C", "D", "E"}, 26, 90, 1);
  ASSERT_EQ(lineas.size(), 3u);
  EXPECT_EQ(lineas[0], "");
  const std::string celda(26, ' ');
  EXPECT_EQ(lineas[1], "A" + celda + "B" + celda + "C" + celda + "D" + celda);
  // A last line with fewer entries is still there, trailing spaces included.
  EXPECT_EQ(lineas[2], "E" + celda);
}

TEST(ColRDatosv, LineIsClosedOnlyOnceItHasReachedTheLimit) {
  // 53 characters per entry: the first line is still short of 90 after one.
  const Lineas lineas = COL_R_DATOSV::Muestra({"DNI", "LE", "LC"}, 41, 90, 12);
  ASSERT_EQ(lineas.size(), 3u);
  EXPECT_EQ(lineas[1], "DNI" + std::string(50, ' ') + "LE" + std::string(51, ' '));
  EXPECT_EQ(lineas[2], "LC" + std::string(51, ' '));
}

TEST(ColRDatosv, FieldWidthCountsCharactersNotBytes) {
  const Lineas lineas = COL_R_DATOSV::Muestra({"CAÑUELAS"}, 26, 90, 1);
  ASSERT_EQ(lineas.size(), 2u);
  EXPECT_EQ(lineas[1], "CAÑUELAS" + std::string(19, ' '));
}

TEST(ColRDatosv, EntryWiderThanItsFieldIsWrittenWhole) {
  const Lineas lineas = COL_R_DATOSV::Muestra({"ABCDEFGHIJ", "K"}, 5, 6, 1);
  EXPECT_EQ(lineas, (Lineas{"", "ABCDEFGHIJ ", "K     "}));
}

TEST(ColRDatosv, NoEntriesGiveNoLines) {
  EXPECT_EQ(COL_R_DATOSV::Muestra({}, 26, 90, 1), (Lineas{""}));
}

}  // namespace
}  // namespace kaldoren
