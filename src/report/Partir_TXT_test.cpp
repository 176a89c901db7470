#include "report/Partir_TXT.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace kaldoren {
namespace {

namespace fs = std::filesystem;

const std::string kCrLf = "\r\n";
const std::string kRegla(105, '_');

class PartirTxtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string plantilla = (fs::temp_directory_path() / "partir-XXXXXX").string();
    ASSERT_NE(mkdtemp(plantilla.data()), nullptr);
    carpeta_ = plantilla;
  }
  void TearDown() override { fs::remove_all(carpeta_); }

  std::string Ruta(const std::string& nombre) const { return carpeta_ + "/" + nombre; }

  void Guardar(const std::string& nombre, const std::string& bytes) const {
    std::ofstream(Ruta(nombre), std::ios::binary) << bytes;
  }
  std::string Leer(const std::string& nombre) const {
    std::ifstream in(Ruta(nombre), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // The report file: each line followed by CR LF.
  void Informe(const std::vector<std::string>& lineas) const {
    std::string bytes;
    for (const std::string& l : lineas) bytes += l + kCrLf;
    Guardar("ERRORES.TXT", bytes);
  }
  std::set<std::string> Archivos() const {
    std::set<std::string> nombres;
    for (const auto& e : fs::directory_iterator(carpeta_)) nombres.insert(e.path().filename());
    return nombres;
  }
  Status Partir(int lineas, const std::string& encabezado = "CABECERA") const {
    Partir_TXT partir;
    partir.Archivo_Entrada(Ruta("ERRORES.TXT"));
    partir.Prefijo_Salida(Ruta("HOJA_"));
    partir.Cantidad_Lineas_Hoja(static_cast<std::uint8_t>(lineas));
    partir.Encabezado(encabezado);
    return partir.Correr();
  }

  std::string carpeta_;
};

// Page k of n in Windows-1252 bytes ("º" is 0xBA): header "CABECERA", page
// line, ruler and the body lines given.
std::string Hoja(int k, int n, const std::vector<std::string>& cuerpo) {
  std::string bytes = "CABECERA" + kCrLf + std::string(91, ' ') + "Hoja N\xBA " +
                      std::to_string(k) + " de " + std::to_string(n) + kCrLf + kRegla + kCrLf;
  for (const std::string& l : cuerpo) bytes += l + kCrLf;
  return bytes;
}

// "L<from>" ... "L<to>".
std::vector<std::string> Lineas(int desde, int hasta) {
  std::vector<std::string> lineas;
  for (int i = desde; i <= hasta; ++i) lineas.push_back("L" + std::to_string(i));
  return lineas;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_F(PartirTxtTest, ReportOfExactlyTheBudgetFillsOnePage) {
  Informe(Lineas(1, 5));
  ASSERT_TRUE(Partir(5).ok());
  EXPECT_EQ(Leer("HOJA_1.TXT"), Hoja(1, 1, std::vector<std::string>{""} + Lineas(1, 5)));
  EXPECT_EQ(Archivos(), (std::set<std::string>{"ERRORES.TXT", "HOJA_1.TXT"}));
}

TEST_F(PartirTxtTest, OneLineOverTheBudgetGoesToASecondPageAfterTheSeparator) {
  Informe(Lineas(1, 6));
  ASSERT_TRUE(Partir(5).ok());
  EXPECT_EQ(Leer("HOJA_1.TXT"), Hoja(1, 2, std::vector<std::string>{""} + Lineas(1, 5)));
  EXPECT_EQ(Leer("HOJA_2.TXT"), Hoja(2, 2, {"", "L6"}));
}

TEST_F(PartirTxtTest, NonBlankFirstLineOfALaterPageTakesTheSeparatorFromItsBudget) {
  Informe(Lineas(1, 126));
  ASSERT_TRUE(Partir(63).ok());
  EXPECT_EQ(Leer("HOJA_1.TXT"), Hoja(1, 3, std::vector<std::string>{""} + Lineas(1, 63)));
  EXPECT_EQ(Leer("HOJA_2.TXT"), Hoja(2, 3, std::vector<std::string>{""} + Lineas(64, 125)));
  EXPECT_EQ(Leer("HOJA_3.TXT"), Hoja(3, 3, {"", "L126"}));
  EXPECT_EQ(Archivos().size(), 4u);
}

TEST_F(PartirTxtTest, BlankFirstLineOfALaterPageServesAsItsSeparator) {
  // The 64th line holds spaces only: blank once trimmed.
  const std::vector<std::string> informe =
      Lineas(1, 63) + std::vector<std::string>{"   "} + Lineas(65, 126);
  Informe(informe);
  ASSERT_TRUE(Partir(63).ok());
  EXPECT_EQ(Leer("HOJA_1.TXT"), Hoja(1, 2, std::vector<std::string>{""} + Lineas(1, 63)));
  EXPECT_EQ(Leer("HOJA_2.TXT"), Hoja(2, 2, std::vector<std::string>{"   "} + Lineas(65, 126)));
  EXPECT_FALSE(fs::exists(Ruta("HOJA_3.TXT")));
}

TEST_F(PartirTxtTest, EmptyReportGivesOnePageWithTheSeparatorOnly) {
  Informe({});
  ASSERT_TRUE(Partir(63).ok());
  EXPECT_EQ(Leer("HOJA_1.TXT"), Hoja(1, 1, {""}));
}

TEST_F(PartirTxtTest, BudgetOfOneStillPutsOneLineOnEveryLaterPage) {
  Informe(Lineas(1, 3));
  ASSERT_TRUE(Partir(1).ok());
  EXPECT_EQ(Leer("HOJA_1.TXT"), Hoja(1, 3, {"", "L1"}));
  EXPECT_EQ(Leer("HOJA_2.TXT"), Hoja(2, 3, {"", "L2"}));
  EXPECT_EQ(Leer("HOJA_3.TXT"), Hoja(3, 3, {"", "L3"}));
}

TEST_F(PartirTxtTest, TwelvePagesAreNumberedInFullWithTheirTotal) {
  // Two lines on page 1, then one line (after the separator) per page.
  Informe(Lineas(1, 13));
  ASSERT_TRUE(Partir(2).ok());
  EXPECT_EQ(Leer("HOJA_1.TXT"), Hoja(1, 12, {"", "L1", "L2"}));
  EXPECT_EQ(Leer("HOJA_10.TXT"), Hoja(10, 12, {"", "L11"}));
  const std::string ultima = Leer("HOJA_12.TXT");
  EXPECT_EQ(ultima, Hoja(12, 12, {"", "L13"}));
  const std::string linea_de_hoja = std::string(91, ' ') + "Hoja N\xBA 12 de 12";
  EXPECT_EQ(linea_de_hoja.size(), 107u);
  EXPECT_NE(ultima.find(kCrLf + linea_de_hoja + kCrLf), std::string::npos);
  EXPECT_FALSE(fs::exists(Ruta("HOJA_13.TXT")));
}

TEST_F(PartirTxtTest, EveryOldPageOfThePrefixIsRemovedAndNothingElse) {
  for (const char* vieja : {"HOJA_1.TXT", "HOJA_9.TXT", "HOJA_10.TXT", "HOJA_123.TXT"}) {
    Guardar(vieja, "VIEJA\r\n");
  }
  for (const char* ajeno :
       {"HOJA_.TXT", "HOJA_X.TXT", "HOJA_1.txt", "HOJA_1.TXT.bak", "DATOS1.TXT"}) {
    Guardar(ajeno, "AJENO\r\n");
  }
  Informe({"UNICA"});
  ASSERT_TRUE(Partir(63).ok());
  EXPECT_EQ(Archivos(),
            (std::set<std::string>{"ERRORES.TXT", "HOJA_1.TXT", "HOJA_.TXT", "HOJA_X.TXT",
                                   "HOJA_1.txt", "HOJA_1.TXT.bak", "DATOS1.TXT"}));
  EXPECT_EQ(Leer("HOJA_1.TXT"), Hoja(1, 1, {"", "UNICA"}));
}

TEST_F(PartirTxtTest, ShorterReportAfterALongerOneLeavesOnlyItsOwnPages) {
  Informe(Lineas(1, 7));
  ASSERT_TRUE(Partir(1).ok());
  ASSERT_TRUE(fs::exists(Ruta("HOJA_7.TXT")));
  Informe(Lineas(1, 3));
  ASSERT_TRUE(Partir(1).ok());
  EXPECT_EQ(Archivos(),
            (std::set<std::string>{"ERRORES.TXT", "HOJA_1.TXT", "HOJA_2.TXT", "HOJA_3.TXT"}));
  EXPECT_EQ(Leer("HOJA_3.TXT"), Hoja(3, 3, {"", "L3"}));
}

TEST_F(PartirTxtTest, BudgetZeroOrAnUnsetPathChangesNoFile) {
  Guardar("HOJA_1.TXT", "VIEJA\r\n");
  Informe(Lineas(1, 3));
  EXPECT_TRUE(Partir(0).ok());
  Partir_TXT sin_entrada;
  sin_entrada.Prefijo_Salida(Ruta("HOJA_"));
  sin_entrada.Cantidad_Lineas_Hoja(63);
  EXPECT_TRUE(sin_entrada.Correr().ok());
  Partir_TXT sin_prefijo;
  sin_prefijo.Archivo_Entrada(Ruta("ERRORES.TXT"));
  sin_prefijo.Cantidad_Lineas_Hoja(63);
  EXPECT_TRUE(sin_prefijo.Correr().ok());
  EXPECT_EQ(Archivos(), (std::set<std::string>{"ERRORES.TXT", "HOJA_1.TXT"}));
  EXPECT_EQ(Leer("HOJA_1.TXT"), "VIEJA\r\n");
}

TEST_F(PartirTxtTest, ReportBytesAreCopiedUnchangedAndTheHeaderIsWrittenInWindows1252) {
  // A last line without its line end is a line all the same.
  Guardar("ERRORES.TXT", "   Per\xEDodo 2005/01:  \xAB ok \xBB  \r\nsin fin");
  ASSERT_TRUE(Partir(63, "\r\n   Año: Nº 1").ok());
  EXPECT_EQ(Leer("HOJA_1.TXT"),
            "\r\n   A\xF1o: N\xBA 1\r\n" + std::string(91, ' ') + "Hoja N\xBA 1 de 1\r\n" + kRegla +
                "\r\n\r\n   Per\xEDodo 2005/01:  \xAB ok \xBB  \r\nsin fin\r\n");
}

TEST_F(PartirTxtTest, MissingReportIsAnErrorThatLeavesTheOldPages) {
  Guardar("HOJA_1.TXT", "VIEJA\r\n");
  const Status estado = Partir(63);
  EXPECT_EQ(estado.description(), "No se pudo abrir el archivo " + Ruta("ERRORES.TXT") +
                                      ": no existe el archivo o la carpeta");
  EXPECT_EQ(Leer("HOJA_1.TXT"), "VIEJA\r\n");
}

TEST_F(PartirTxtTest, PageFolderThatDoesNotExistIsAnError) {
  Informe(Lineas(1, 3));
  Partir_TXT partir;
  partir.Archivo_Entrada(Ruta("ERRORES.TXT"));
  partir.Prefijo_Salida(Ruta("NO_EXISTE/HOJA_"));
  partir.Cantidad_Lineas_Hoja(63);
  EXPECT_EQ(partir.Correr().description(), "No se pudo leer la carpeta " + Ruta("NO_EXISTE") +
                                               ": no existe el archivo o la carpeta");
}

}  // namespace
}  // namespace kaldoren
