#include "app/Verificacion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Archivos.h"
#include "CorridaDePrueba.h"
#include "TestData.h"
#include "base/Calendar.h"

namespace kaldoren {
namespace {

namespace fs = std::filesystem;
using testing::Contenido;
using testing::Guardar;
using testing::TestDataPath;

class ProgresoGrabado : public PantallaProgreso {
 public:
  void TituloSeccion(const std::string& c) override {
    ultimo_titulo = c;
    ++llamadas;
  }
  void AnchoBarra(int u) override {
    ultima_barra = u;
    ++llamadas;
  }
  void Porcentaje(const std::string& l) override {
    ultimo_porcentaje = l;
    ++llamadas;
  }
  void Esperar(double) override {}
  std::string ultimo_titulo = "sin tocar";
  int ultima_barra = -1;
  std::string ultimo_porcentaje;
  int llamadas = 0;
};

// 07/12/2026 09:05:07.
class RelojFijo : public Reloj {
 public:
  double Ahora() override {
    return Calendar::DayCount(2026, 12, 7) + (9 * 3600 + 5 * 60 + 7) / 86400.0;
  }
};

class VerificacionTest : public ::testing::Test {
 protected:
  ResultadoVerificacion Correr(const std::string& libro, const fs::path& carpeta) {
    PlanillaElegida planilla{TestDataPath("workbooks/" + libro), "SIN_DATOS.XLS",
                             "15/03/2004 10:20:30"};
    return Verificacion(progreso_, avisador_, reloj_).Correr(planilla, carpeta.string());
  }
  ResultadoVerificacion Correr(const std::string& libro) { return Correr(libro, carpeta_.ruta()); }

  testing::CarpetaTemporal carpeta_;
  ProgresoGrabado progreso_;
  testing::AvisosGrabados avisador_;
  RelojFijo reloj_;
};

TEST_F(VerificacionTest, WorkbookWithHeaderRowsOnlyGivesTheWholeEmptyReportOnOnePage) {
  const ResultadoVerificacion r = Correr("sin_datos.xls");
  ASSERT_TRUE(r.estado.ok()) << r.estado.description();
  EXPECT_FALSE(r.con_inconsistencias);
  EXPECT_EQ(Contenido(carpeta_ / "ERRORES.TXT"),
            Contenido(TestDataPath("esperado/sin_datos/ERRORES.TXT")));
  EXPECT_EQ(Contenido(carpeta_ / "HOJA_1.TXT"),
            Contenido(TestDataPath("esperado/sin_datos/HOJA_1.TXT")));
  EXPECT_FALSE(fs::exists(carpeta_ / "HOJA_2.TXT"));
  EXPECT_TRUE(avisador_.avisos.empty());
  // The progress display is left at rest.
  EXPECT_EQ(progreso_.ultimo_titulo, "");
  EXPECT_EQ(progreso_.ultima_barra, 15);
  EXPECT_EQ(progreso_.ultimo_porcentaje, "0%");
}

TEST_F(VerificacionTest, RefusedWorkbookLeavesTheEarlierReportAndTheProgressUntouched) {
  Guardar(carpeta_ / "ERRORES.TXT", "informe anterior");
  Guardar(carpeta_ / "HOJA_1.TXT", "hoja anterior");
  const ResultadoVerificacion r = Correr("hojas_incompletas.xls");
  EXPECT_FALSE(r.estado.ok());
  EXPECT_EQ(avisador_.avisos,
            (std::vector<std::string>{"Error de Datos: El Archivo Seleccionado no tiene el formato "
                                      "requerido"}));
  EXPECT_EQ(Contenido(carpeta_ / "ERRORES.TXT"), "informe anterior");
  EXPECT_EQ(Contenido(carpeta_ / "HOJA_1.TXT"), "hoja anterior");
  EXPECT_EQ(progreso_.llamadas, 0);
  EXPECT_EQ(std::distance(fs::directory_iterator(carpeta_.ruta()), fs::directory_iterator()), 2);
}

TEST_F(VerificacionTest, PagesOfALongerEarlierReportAreAllReplaced) {
  for (const char* vieja : {"HOJA_2.TXT", "HOJA_9.TXT", "HOJA_10.TXT", "HOJA_12.TXT"}) {
    Guardar(carpeta_ / vieja, "vieja");
  }
  Guardar(carpeta_ / "HOJA_X.TXT", "no es una hoja");
  ASSERT_TRUE(Correr("sin_datos.xls").estado.ok());
  for (const char* vieja : {"HOJA_2.TXT", "HOJA_9.TXT", "HOJA_10.TXT", "HOJA_12.TXT"}) {
    EXPECT_FALSE(fs::exists(carpeta_ / vieja)) << vieja;
  }
  EXPECT_TRUE(fs::exists(carpeta_ / "HOJA_X.TXT"));
}

TEST_F(VerificacionTest, FolderThatCannotBeWrittenIsReportedAsAFailure) {
  Guardar(carpeta_ / "no_es_carpeta", "x");
  EXPECT_FALSE(Correr("sin_datos.xls", carpeta_ / "no_es_carpeta").estado.ok());
  EXPECT_EQ(avisador_.avisos,
            std::vector<std::string>{"Error de Escritura: No se pudo crear la carpeta " +
                                     (carpeta_ / "no_es_carpeta").string() +
                                     ": una parte de la ruta no es una carpeta"});
}

}  // namespace
}  // namespace kaldoren
