#include "listing/ListadoDatosValidos.h"

#include <gtest/gtest.h>

#include "Archivos.h"
#include "TestData.h"

namespace kaldoren {
namespace {

using testing::Contenido;
using testing::TestDataPath;

TEST(ListadoDatosValidos, ListingAndItsSinglePageMatchTheExpectedFiles) {
  const testing::CarpetaTemporal carpeta;
  testing::Guardar(carpeta / "DATOS2.TXT", "VIEJA");
  ASSERT_TRUE(ListadoDatosValidos::Escribir(carpeta.ruta().string()).ok());
  EXPECT_EQ(Contenido(carpeta / "DVALIDOS.TXT"), Contenido(TestDataPath("esperado/DVALIDOS.TXT")));
  EXPECT_EQ(Contenido(carpeta / "DATOS1.TXT"), Contenido(TestDataPath("esperado/DATOS1.TXT")));
  EXPECT_FALSE(std::filesystem::exists(carpeta / "DATOS2.TXT"));
  EXPECT_EQ(ListadoDatosValidos::Prefijo(carpeta.ruta().string()), (carpeta / "DATOS").string());
}

TEST(ListadoDatosValidos, FolderThatDoesNotExistIsReported) {
  const testing::CarpetaTemporal carpeta;
  const std::string no_existe = (carpeta / "no_existe").string();
  EXPECT_EQ(ListadoDatosValidos::Escribir(no_existe).description(),
            "No se pudo crear el archivo " + no_existe +
                "/DVALIDOS.TXT: no existe el archivo o la carpeta");
}

}  // namespace
}  // namespace kaldoren
