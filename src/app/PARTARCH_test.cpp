#include "app/PARTARCH.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "base/Calendar.h"
#include "base/Format.h"

namespace kaldoren {
namespace {

struct Partido {
  std::string sendero;
  std::string archivo;
};

Partido Partir(const std::string& ruta) {
  PARTARCH partes;
  partes.Sendero_Archivo(ruta);
  return {partes.Sendero(), partes.Archivo()};
}

TEST(PARTARCH, SplitsAWindowsPathAtTheLastBackslash) {
  const Partido p = Partir("D:\\DATOS\\PLANILLA.XLS");
  EXPECT_EQ(p.sendero, "D:\\DATOS");
  EXPECT_EQ(p.archivo, "PLANILLA.XLS");
}

TEST(PARTARCH, KeepsOnlyTheDriveForAFileAtTheRootOfADrive) {
  const Partido p = Partir("D:\\PLANILLA.XLS");
  EXPECT_EQ(p.sendero, "D:");
  EXPECT_EQ(p.archivo, "PLANILLA.XLS");
}

TEST(PARTARCH, TakesABareFileNameWholeWithAnEmptyFolder) {
  const Partido p = Partir("PLANILLA.XLS");
  EXPECT_EQ(p.sendero, "");
  EXPECT_EQ(p.archivo, "PLANILLA.XLS");
}

TEST(PARTARCH, SplitsALinuxPathAtTheLastSlash) {
  const Partido p = Partir("/home/ana/Declaraciones 2004/declaración.xls");
  EXPECT_EQ(p.sendero, "/home/ana/Declaraciones 2004");
  EXPECT_EQ(p.archivo, "declaración.xls");
}

TEST(PARTARCH, KeepsTheRootAsFolderOfAFileRightUnderIt) {
  const Partido p = Partir("/planilla.xls");
  EXPECT_EQ(p.sendero, "/");
  EXPECT_EQ(p.archivo, "planilla.xls");
}

TEST(PARTARCH, SplitsAtWhicheverSeparatorComesLast) {
  EXPECT_EQ(Partir("/mnt/d/DATOS\\PLANILLA.XLS").archivo, "PLANILLA.XLS");
  EXPECT_EQ(Partir("D:\\DATOS/PLANILLA.XLS").sendero, "D:\\DATOS");
}

class PARTARCHUltimaMod : public ::testing::Test {
 protected:
  void SetUp() override {
    carpeta_ = std::filesystem::temp_directory_path() /
               ("partarch_" + std::to_string(::getpid()));
    std::filesystem::create_directories(carpeta_);
  }
  void TearDown() override { std::filesystem::remove_all(carpeta_); }

  std::filesystem::path carpeta_;
};

TEST_F(PARTARCHUltimaMod, AnswersTheLocalModificationTimeTruncatedToTheSecond) {
  const std::filesystem::path ruta = carpeta_ / "PLANILLA.XLS";
  std::ofstream(ruta) << "x";
  std::tm local{};
  local.tm_year = 2004 - 1900;
  local.tm_mon = 2;
  local.tm_mday = 15;
  local.tm_hour = 10;
  local.tm_min = 20;
  local.tm_sec = 30;
  local.tm_isdst = -1;
  const auto instante = std::chrono::system_clock::from_time_t(std::mktime(&local)) +
                        std::chrono::milliseconds(900);
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
