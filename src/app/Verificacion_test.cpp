#include "app/Verificacion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TestData.h"
#include "base/Calendar.h"

namespace kaldoren {
namespace {

namespace fs = std::filesystem;
using testing::TestDataPath;

class ProgresoGrabado : public PantallaProgreso {
 public:
  void TituloSeccion(const std::string& c) override { ultimo_titulo = c; ++llamadas; }
  void AnchoBarra(int u) override { ultima_barra = u; ++llamadas; }
  void Porcentaje(const std::string& l) override { ultimo_porcentaje = l; ++llamadas; }
  void Esperar(double) override {}
  std::string ultimo_titulo = "sin tocar";
  int ultima_barra = -1;
  std::string ultimo_porcentaje;
  int llamadas = 0;
};

class AvisadorGrabado : public Avisador {
 public:
  void Mensaje(const std::string& texto, const std::string& titulo, Icono) override {
    avisos.push_back(titulo + ": " + texto);
  }
  std::vector<std::string> avisos;
};

// 07/12/2026 09:05:07.
class RelojFijo : public Reloj {
 public:
  double Ahora() override { return Calendar::DayCount(2026, 12, 7) + (9 * 3600 + 5 * 60 + 7) / 86400.0; }
};

std::string Contenido(const fs::path& ruta) {
  std::ifstream archivo(ruta, std::ios::binary);
  std::stringstream contenido;
  contenido << archivo.rdbuf();
  return contenido.str();
}

class VerificacionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    carpeta_ = fs::temp_directory_path() / ("verificacion_" + std::to_string(::getpid()));
    fs::remove_all(carpeta_);
    fs::create_directories(carpeta_);
  }
  void TearDown() override { fs::remove_all(carpeta_); }

  ResultadoVerificacion Correr(const std::string& libro, const std::string& archivo) {
    PlanillaElegida planilla{TestDataPath("workbooks/" + libro), archivo, "15/03/2004 10:20:30"};
    return Verificacion(progreso_, avisador_, reloj_).Correr(planilla, carpeta_.string());
  }

  void Escribir(const std::string& nombre, const std::string& texto) {
    std::ofstream(carpeta_ / nombre, std::ios::binary) << texto;
  }

  fs::path carpeta_;
  ProgresoGrabado progreso_;
  AvisadorGrabado avisador_;
  RelojFijo reloj_;
};

TEST_F(VerificacionTest, WorkbookWithHeaderRowsOnlyGivesTheWholeEmptyReportOnOnePage) {
  const ResultadoVerificacion r = Correr("sin_datos.xls", "SIN_DATOS.XLS");
  ASSERT_TRUE(r.estado.ok()) << r.estado.description();
  EXPECT_FALSE(r.con_inconsistencias);
  EXPECT_EQ(Contenido(carpeta_ / "ERRORES.TXT"),
            Contenido(TestDataPath("esperado/sin_datos/ERRORES.TXT")));
  EXPECT_EQ(Contenido(carpeta_ / "HOJA_1.TXT"),
            Contenido(TestDataPath("esperado/sin_datos/HOJA_1.TXT")));
  EXPECT_FALSE(fs::exists(carpeta_ / "HOJA_2.TXT"));
  EXPECT_TRUE(avisador_.avisos.empty());
}

TEST_F(VerificacionTest, CompletedRunLeavesTheProgressDisplayAtRest) {
  ASSERT_TRUE(Correr("sin_datos.xls", "SIN_DATOS.XLS").estado.ok());
  EXPECT_EQ(progreso_.ultimo_titulo, "");
  EXPECT_EQ(progreso_.ultima_barra, 15);
  EXPECT_EQ(progreso_.ultimo_porcentaje, "0%");
}

TEST_F(VerificacionTest, RefusedWorkbookLeavesTheEarlierReportAndTheProgressUntouched) {
  Escribir("ERRORES.TXT", "informe anterior");
  Escribir("HOJA_1.TXT", "hoja anterior");
  const ResultadoVerificacion r = Correr("hojas_incompletas.xls", "HOJAS_INCOMPLETAS.XLS");
  EXPECT_FALSE(r.estado.ok());
  EXPECT_EQ(avisador_.avisos, (std::vector<std::string>{
                                  "Error de Datos: El Archivo Seleccionado no tiene el formato "
                                  "requerido"}));
  EXPECT_EQ(Contenido(carpeta_ / "ERRORES.TXT"), "informe anterior");
  EXPECT_EQ(Contenido(carpeta_ / "HOJA_1.TXT"), "hoja anterior");
  EXPECT_EQ(progreso_.llamadas, 0);
  EXPECT_EQ(std::distance(fs::directory_iterator(carpeta_), fs::directory_iterator()), 2);
}

TEST_F(VerificacionTest, PagesOfALongerEarlierReportAreAllReplaced) {
  for (const char* vieja : {"HOJA_2.TXT", "HOJA_9.TXT", "HOJA_10.TXT", "HOJA_12.TXT"}) {
    Escribir(vieja, "vieja");
  }
  Escribir("HOJA_X.TXT", "no es una hoja");
  ASSERT_TRUE(Correr("sin_datos.xls", "SIN_DATOS.XLS").estado.ok());
  for (const char* vieja : {"HOJA_2.TXT", "HOJA_9.TXT", "HOJA_10.TXT", "HOJA_12.TXT"}) {
    EXPECT_FALSE(fs::exists(carpeta_ / vieja)) << vieja;
  }
  EXPECT_TRUE(fs::exists(carpeta_ / "HOJA_X.TXT"));
}

TEST_F(VerificacionTest, FolderThatCannotBeWrittenIsReportedAsAFailure) {
  Escribir("no_es_carpeta", "x");
  PlanillaElegida planilla{TestDataPath("workbooks/sin_datos.xls"), "SIN_DATOS.XLS", ""};
  const ResultadoVerificacion r = Verificacion(progreso_, avisador_, reloj_)
                                      .Correr(planilla, (carpeta_ / "no_es_carpeta").string());
  EXPECT_FALSE(r.estado.ok());
  ASSERT_EQ(avisador_.avisos.size(), 1u);
  EXPECT_EQ(avisador_.avisos[0], "Error de Escritura: No se pudo crear la carpeta " +
                                     (carpeta_ / "no_es_carpeta").string() +
                                     ": una parte de la ruta no es una carpeta");
}

TEST_F(VerificacionTest, DeclarationWithMistakesIsFlaggedAndCorrectOneIsNot) {
  EXPECT_TRUE(Correr("declaracion_con_errores.xls", "DECLARACION_CON_ERRORES.XLS")
                  .con_inconsistencias);
  EXPECT_FALSE(Correr("declaracion_correcta.xls", "DECLARACION_CORRECTA.XLS")
                   .con_inconsistencias);
  EXPECT_TRUE(fs::exists(carpeta_ / "HOJA_2.TXT"));
  EXPECT_FALSE(fs::exists(carpeta_ / "HOJA_3.TXT"));
}

}  // namespace
}  // namespace kaldoren
