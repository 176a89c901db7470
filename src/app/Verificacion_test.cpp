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

class VerificacionTest : public ::testing::Test {
 protected:
  // Verifies a test workbook (under workbooks/ unless its path is given) at 07/12/2026 09:05:07.
  ResultadoVerificacion Correr(const std::string& libro, const fs::path& carpeta) {
    reloj_.ahora = Calendar::DayCount(2026, 12, 7) + (9 * 3600 + 5 * 60 + 7) / 86400.0;
    const std::string ruta =
        libro.find('/') == std::string::npos ? TestDataPath("workbooks/" + libro) : libro;
    return Verificacion(progreso_, avisador_, reloj_)
        .Correr({ruta, "SIN_DATOS.XLS", "15/03/2004 10:20:30"}, carpeta.string());
  }
  ResultadoVerificacion Correr(const std::string& libro) { return Correr(libro, carpeta_.ruta()); }

  testing::CarpetaTemporal carpeta_;
  testing::ProgresoGrabado progreso_;
  testing::AvisosGrabados avisador_;
  testing::RelojQuieto reloj_;
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
  ASSERT_GE(progreso_.llamadas.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(progreso_.llamadas.end() - 3, progreso_.llamadas.end()),
            (std::vector<std::string>{"titulo ", "barra 15", "porcentaje 0%"}))
      << "the progress display is left at rest";
}

// A workbook refused for its format or for damage leaves the earlier report
// and its pages as they were, and the progress display untouched.
TEST_F(VerificacionTest, RefusedWorkbookLeavesTheEarlierReportAndTheProgressUntouched) {
  Guardar(carpeta_ / "DANADO.XLS",
          Contenido(TestDataPath("workbooks/declaracion_correcta.xls")).substr(0, 60000));
  const struct {
    std::string libro;
    std::string aviso;
  } casos[] = {
      {"hojas_incompletas.xls",
       "Error de Datos: El Archivo Seleccionado no tiene el formato requerido"},
      {(carpeta_ / "DANADO.XLS").string(),
       "Error de Apertura: El archivo está dañado: el contenedor OLE2 no se puede leer"},
  };
  const testing::CarpetaTemporal informe;
  Guardar(informe / "ERRORES.TXT", "informe anterior");
  Guardar(informe / "HOJA_1.TXT", "hoja anterior");
  for (const auto& c : casos) {
    avisador_.avisos.clear();
    const ResultadoVerificacion r = Correr(c.libro, informe.ruta());
    EXPECT_EQ(r.estado.description(), c.aviso);
    EXPECT_EQ(avisador_.avisos, std::vector<std::string>{c.aviso});
    EXPECT_EQ(Contenido(informe / "ERRORES.TXT"), "informe anterior");
    EXPECT_EQ(Contenido(informe / "HOJA_1.TXT"), "hoja anterior");
    EXPECT_TRUE(progreso_.llamadas.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(informe.ruta()), fs::directory_iterator()), 2);
  }
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
