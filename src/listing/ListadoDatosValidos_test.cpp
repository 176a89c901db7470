#include "listing/ListadoDatosValidos.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "TestData.h"

namespace kaldoren {
namespace {

namespace fs = std::filesystem;

std::string Leer(const std::string& ruta) {
  std::ifstream in(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The lines of a CR LF file, without their line ends.
std::vector<std::string> LineasDe(const std::string& bytes) {
  std::vector<std::string> lineas;
  for (size_t inicio = 0, fin; (fin = bytes.find("\r\n", inicio)) != std::string::npos;
       inicio = fin + 2) {
    lineas.push_back(bytes.substr(inicio, fin - inicio));
  }
  return lineas;
}

class ListadoDatosValidosTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string plantilla = (fs::temp_directory_path() / "listado-XXXXXX").string();
    ASSERT_NE(mkdtemp(plantilla.data()), nullptr);
    carpeta_ = plantilla;
  }
  void TearDown() override { fs::remove_all(carpeta_); }

  std::string carpeta_;
};

TEST_F(ListadoDatosValidosTest, ListingAndItsSinglePageMatchTheExpectedFiles) {
  std::ofstream(carpeta_ + "/DATOS2.TXT") << "VIEJA";
  ASSERT_TRUE(ListadoDatosValidos::Escribir(carpeta_).ok());
  EXPECT_EQ(Leer(carpeta_ + "/DVALIDOS.TXT"), Leer(testing::TestDataPath("esperado/DVALIDOS.TXT")));
  EXPECT_EQ(Leer(carpeta_ + "/DATOS1.TXT"), Leer(testing::TestDataPath("esperado/DATOS1.TXT")));
  EXPECT_FALSE(fs::exists(carpeta_ + "/DATOS2.TXT"));
  EXPECT_EQ(ListadoDatosValidos::Prefijo(carpeta_), carpeta_ + "/DATOS");
}

TEST_F(ListadoDatosValidosTest, ColumnsOfTheListingLines) {
  ASSERT_TRUE(ListadoDatosValidos::Escribir(carpeta_).ok());
  const std::vector<std::string> lineas = LineasDe(Leer(carpeta_ + "/DVALIDOS.TXT"));
  ASSERT_EQ(lineas.size(), 67u);
  // Districts: three spaces, then four cells of 27 characters.
  EXPECT_EQ(lineas[2], "   " + std::string("ADOLFO ALSINA") + std::string(14, ' ') + "ALBERTI" +
                           std::string(20, ' ') + "ALMIRANTE BROWN" + std::string(12, ' ') +
                           "AVELLANEDA" + std::string(17, ' '));
  EXPECT_EQ(lineas[36], "   ZARATE" + std::string(21, ' '));
  // Document types: the second code starts in column 57, under the second
  // heading "Código" (0xF3 is the ó of Windows-1252).
  const std::string codigo = std::string("C\xF3") + "digo";
  EXPECT_EQ(lineas[40].find(codigo, 20) + 1, 57u);
  EXPECT_EQ(lineas[42].find("LE") + 1, 57u);
  EXPECT_EQ(lineas[42].size(), 3u + 2 * 53);
  // File-number texts padded to 110 characters, error texts to 120.
  EXPECT_EQ(lineas[50], "   " + std::string(110, ' '));
  EXPECT_EQ(lineas[49].size(), 113u);
  EXPECT_EQ(lineas[55],
            "   ERROR DE DATOS : Se produce cuando intenta abrir una planilla que el "
            "sistema puede interpretar, pero" +
                std::string(20, ' '));
  EXPECT_EQ(lineas[65].size(), 123u);
  EXPECT_EQ(lineas[66], std::string(105, '-'));
}

TEST_F(ListadoDatosValidosTest, FolderThatDoesNotExistIsReported) {
  const std::string carpeta = carpeta_ + "/no_existe";
  EXPECT_EQ(ListadoDatosValidos::Escribir(carpeta).description(),
            "No se pudo crear el archivo " + carpeta +
                "/DVALIDOS.TXT: no existe el archivo o la carpeta");
}

}  // namespace
}  // namespace kaldoren
