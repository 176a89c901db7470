#include "app/PARTARCH.h"

#include <gtest/gtest.h>

namespace kaldoren {
namespace {

struct Particion {
  const char* ruta;
  const char* sendero;
  const char* archivo;
};

TEST(PARTARCH, SplitsThePathAtItsLastSeparator) {
  const Particion casos[] = {
      {"D:\\DATOS\\PLANILLA.XLS", "D:\\DATOS", "PLANILLA.XLS"},
      // A file at the root of a drive keeps only the drive.
      {"D:\\PLANILLA.XLS", "D:", "PLANILLA.XLS"},
      // A bare file name is taken whole, with no folder.
      {"PLANILLA.XLS", "", "PLANILLA.XLS"},
      {"/home/ana/Declaraciones 2004/declaración.xls", "/home/ana/Declaraciones 2004",
       "declaración.xls"},
      // A file right under the root keeps the root as its folder.
      {"/planilla.xls", "/", "planilla.xls"},
      // Whichever separator comes last splits.
      {"/mnt/d/DATOS\\PLANILLA.XLS", "/mnt/d/DATOS", "PLANILLA.XLS"},
      {"D:\\DATOS/PLANILLA.XLS", "D:\\DATOS", "PLANILLA.XLS"},
  };
  for (const Particion& caso : casos) {
    PARTARCH partes;
    partes.Sendero_Archivo(caso.ruta);
    EXPECT_EQ(partes.Sendero(), caso.sendero) << caso.ruta;
    EXPECT_EQ(partes.Archivo(), caso.archivo) << caso.ruta;
  }
}

// The modification time itself, truncated to the second, is shown by the
// desktop window's test of choosing a workbook.
TEST(PARTARCH, AnswersNoModificationTimeForAFileThatDoesNotExist) {
  PARTARCH partes;
  partes.Sendero_Archivo("/no/existe/NO_ESTA.XLS");
  EXPECT_FALSE(partes.UltimaMod().has_value());
}

}  // namespace
}  // namespace kaldoren
