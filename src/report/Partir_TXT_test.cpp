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
  // Splits the report into pages; an empty entrada or prefijo is left unset.
  Status Partir(int lineas, const std::string& encabezado = "CABECERA",
                const std::string& entrada = "ERRORES.TXT",
                const std::string& prefijo = "HOJA_") const {
    Partir_TXT partir;
    if (!entrada.empty()) partir.Archivo_Entrada(Ruta(entrada));
    if (!prefijo.empty()) partir.Prefijo_Salida(Ruta(prefijo));
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

// A run that cannot or need not split changes no file: a budget of zero, an
// unset path, a missing report, a page folder that does not exist.
TEST_F(PartirTxtTest, RunThatCannotSplitChangesNoFile) {
  const std::string no_existe = ": no existe el archivo o la carpeta";
  const struct {
    const char* que;
    int presupuesto;
    const char* entrada;
    const char* prefijo;
    std::string error;
  } casos[] = {
      {"budget zero", 0, "ERRORES.TXT", "HOJA_", ""},
      {"no report path", 63, "", "HOJA_", ""},
      {"no page prefix", 63, "ERRORES.TXT", "", ""},
      {"missing report", 63, "FALTA.TXT", "HOJA_",
       "No se pudo abrir el archivo " + Ruta("FALTA.TXT") + no_existe},
      {"missing page folder", 63, "ERRORES.TXT", "NO_EXISTE/HOJA_",
       "No se pudo leer la carpeta " + Ruta("NO_EXISTE") + no_existe},
  };
  Guardar("HOJA_1.TXT", "VIEJA\r\n");
  Informe(Lineas(1, 3));
  for (const auto& c : casos) {
    EXPECT_EQ(Partir(c.presupuesto, "CABECERA", c.entrada, c.prefijo).description(), c.error)
        << c.que;
    EXPECT_EQ(Archivos(), (std::set<std::string>{"ERRORES.TXT", "HOJA_1.TXT"})) << c.que;
    EXPECT_EQ(Leer("HOJA_1.TXT"), "VIEJA\r\n") << c.que;
  }
}

TEST_F(PartirTxtTest, ReportBytesAreCopiedUnchangedAndTheHeaderIsWrittenInWindows1252) {
  // A last line without its line end is a line all the same.
  Guardar("ERRORES.TXT", "   Per\xEDodo 2005/01:  \xAB ok \xBB  \r\nsin fin");
  ASSERT_TRUE(Partir(63, "\r\n   Año: Nº 1").ok());
  EXPECT_EQ(Leer("HOJA_1.TXT"),
            "\r\n   A\xF1o: N\xBA 1\r\n" + std::string(91, ' ') + "Hoja N\xBA 1 de 1\r\n" + kRegla +
                "\r\n\r\n   Per\xEDodo 2005/01:  \xAB ok \xBB  \r\nsin fin\r\n");
}

}  // namespace
}  // namespace kaldoren
