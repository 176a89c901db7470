#include "app/PARTARCH.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>

#include "Archivos.h"
#include "base/Format.h"

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

class PARTARCHUltimaMod : public ::testing::Test {
 protected:
  testing::CarpetaTemporal carpeta_;
};

TEST_F(PARTARCHUltimaMod, AnswersTheLocalModificationTimeTruncatedToTheSecond) {
  const std::filesystem::path ruta = carpeta_ / "PLANILLA.XLS";
  testing::Guardar(ruta, "x");
  std::tm local{};
  local.tm_year = 2004 - 1900;
  local.tm_mon = 2;
  local.tm_mday = 15;
  local.tm_hour = 10;
  local.tm_min = 20;
  local.tm_sec = 30;
  local.tm_isdst = -1;
  const auto instante =
      std::chrono::system_clock::from_time_t(std::mktime(&local)) + std::chrono::milliseconds(900);
  std::filesystem::last_write_time(ruta, std::chrono::file_clock::from_sys(instante));

  PARTARCH partes;
  partes.Sendero_Archivo(ruta.string());
  const std::optional<double> fecha = partes.UltimaMod();

  ASSERT_TRUE(fecha.has_value());
  EXPECT_EQ(Format::GeneralDate(*fecha), "15/03/2004 10:20:30");
}

TEST_F(PARTARCHUltimaMod, AnswersNothingForAFileThatDoesNotExist) {
  PARTARCH partes;
  partes.Sendero_Archivo((carpeta_ / "NO_ESTA.XLS").string());
  EXPECT_FALSE(partes.UltimaMod().has_value());
}

}  // namespace
}  // namespace kaldoren
