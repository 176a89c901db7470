#include "report/Partir_TXT.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "Archivos.h"

namespace kaldoren {
namespace {

namespace fs = std::filesystem;

const std::string kCrLf = "\r\n";
const std::string kRegla(105, '_');

class PartirTxtTest : public ::testing::Test {
 protected:
  std::string Ruta(const std::string& nombre) const { return (carpeta_ / nombre).string(); }
  void Guardar(const std::string& nombre, const std::string& bytes) const {
    testing::Guardar(carpeta_ / nombre, bytes);
  }
  std::string Leer(const std::string& nombre) const {
    return testing::Contenido(carpeta_ / nombre);
  }
  // The report file: each line followed by CR LF.
  void Informe(const std::vector<std::string>& lineas) const {
    std::string bytes;
    for (const std::string& l : lineas) bytes += l + kCrLf;
    Guardar("ERRORES.TXT", bytes);
  }
  std::set<std::string> Archivos() const {
    std::set<std::string> nombres;
    for (const auto& e : fs::directory_iterator(carpeta_.ruta()))
      nombres.insert(e.path().filename());
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

  testing::CarpetaTemporal carpeta_;
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

// Each page opens with the separator line, but a later page whose first line
// is blank once trimmed takes that line as its separator; the separator of a
// later page counts against its budget.
TEST_F(PartirTxtTest, ReportLinesFillPagesOfTheBudget) {
  using Lineas_ = std::vector<std::string>;
  const Lineas_ vacia = {""};
  const struct {
    const char* que;
    Lineas_ informe;
    int presupuesto;
    std::vector<Lineas_> cuerpos;
  } casos[] = {
      {"exactly the budget", Lineas(1, 5), 5, {vacia + Lineas(1, 5)}},
      {"one line over", Lineas(1, 6), 5, {vacia + Lineas(1, 5), {"", "L6"}}},
      {"a non-blank first line on a later page",
       Lineas(1, 126),
       63,
       {vacia + Lineas(1, 63), vacia + Lineas(64, 125), {"", "L126"}}},
      {"a blank first line on a later page",
       Lineas(1, 63) + Lineas_{"   "} + Lineas(65, 126),
       63,
       {vacia + Lineas(1, 63), Lineas_{"   "} + Lineas(65, 126)}},
      {"an empty report", {}, 63, {vacia}},
      {"a budget of one", Lineas(1, 3), 1, {{"", "L1"}, {"", "L2"}, {"", "L3"}}},
  };
  // One after the other in one folder: each run also removes the pages of the
  // longer report before it.
  for (const auto& c : casos) {
    Informe(c.informe);
    ASSERT_TRUE(Partir(c.presupuesto).ok()) << c.que;
    const int n = static_cast<int>(c.cuerpos.size());
    for (int k = 1; k <= n; ++k) {
      EXPECT_EQ(Leer("HOJA_" + std::to_string(k) + ".TXT"), Hoja(k, n, c.cuerpos[k - 1])) << c.que;
    }
    EXPECT_EQ(Archivos().size(), 1u + n) << c.que;
  }
}

TEST_F(PartirTxtTest, TwelvePagesAreNumberedInFullWithTheirTotal) {
  // Two lines on page 1, then one line (after the separator) per page.
  Informe(Lineas(1, 13));
  ASSERT_TRUE(Partir(2).ok());
  EXPECT_EQ(Leer("HOJA_1.TXT"), Hoja(1, 12, {"", "L1", "L2"}));
  EXPECT_EQ(Leer("HOJA_10.TXT"), Hoja(10, 12, {"", "L11"}));
  EXPECT_EQ(Leer("HOJA_12.TXT"), Hoja(12, 12, {"", "L13"}));
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
