// The columns of the valid-data listing; the listing itself is compared byte
// for byte with its expected file, so these are the cases its fixed lists
// never reach.
#include "listing/COL_R_DATOSV.h"

#include <gtest/gtest.h>

namespace kaldoren {
namespace {

using Lineas = std::vector<std::string>;

TEST(ColRDatosv, EntryWiderThanItsFieldIsWrittenWholeAndNoEntriesGiveNoLines) {
  EXPECT_EQ(COL_R_DATOSV::Muestra({"ABCDEFGHIJ", "K"}, 5, 6, 1),
            (Lineas{"", "ABCDEFGHIJ ", "K     "}));
  EXPECT_EQ(COL_R_DATOSV::Muestra({}, 26, 90, 1), (Lineas{""}));
}

}  // namespace
}  // namespace kaldoren
