#include "hallazgos/CopiaMarcada.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TestData.h"

namespace kaldoren {
namespace {

namespace fs = std::filesystem;

struct Caso {
  const char* nombre;
  std::string texto;
  std::string seguro;
};

TEST(CopiaMarcada, TextsAreMadeSafeForTheFile) {
  const std::string largo(40000, 'a');
  const std::string ancho = std::string(32766, 'a') + "\xF0\x9F\x98\x80";  // 2 UTF-16 units
  const Caso casos[] = {
      {"invalid bytes become U+FFFD", "a\xff\xc3(b", "a\xEF\xBF\xBD\xEF\xBF\xBD(b"},
      {"an encoded surrogate becomes U+FFFD", "\xed\xa0\x80",
       "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"control characters are dropped, tab and breaks kept", "a\x01\x1b\tb\r\nc", "a\tb\r\nc"},
      {"a code-like text keeps its underscore", "_x0041_ y _xZZ_", "_x005F_x0041_ y _xZZ_"},
      {"markup and quotes stay", "<script>\"\\'", "<script>\"\\'"},
      {"a text beyond a cell is cut there", largo, std::string(32767, 'a')},
      {"a character of two units past the end is left out", ancho, std::string(32766, 'a')},
  };
  for (const Caso& c : casos) EXPECT_EQ(CopiaMarcada::TextoSeguro(c.texto), c.seguro) << c.nombre;
}

// A workbook of hostile texts, one marked, opens in openpyxl.
TEST(CopiaMarcada, CopyOfHostileTextsOpensInAnotherReader) {
  if (!fs::exists("/usr/bin/python3")) GTEST_SKIP() << "no python3";
  Workbook libro;
  testing::AddTable(&libro, "DATOSDOC",
                    {{testing::T("PERLIQ"), testing::T("APENOM")},
                     {testing::T("2004/03"), testing::T("a\xff\x01<b>&\"=SUM(A1)")}});
  Hallazgo h;
  h.seccion = "DATOSDOC";
  h.texto = "\xfe";
  h.hoja = "DATOSDOC";
  h.celdas.push_back({"DATOSDOC!B2", "APENOM", "x", 1, 1});
  const fs::path ruta =
      fs::temp_directory_path() / ("marcada_" + std::to_string(::getpid()) + ".xlsx");
  ASSERT_TRUE(CopiaMarcada::Escribir(libro, {h}, ruta.string()).ok());
  const std::string orden =
      "/usr/bin/python3 -c \"import openpyxl, sys; c = openpyxl.load_workbook(sys.argv[1])"
      "['DATOSDOC']['B2']; sys.exit(c.value != 'a\\ufffd<b>&\\\"=SUM(A1)' or c.comment is "
      "None)\" " +
      ruta.string();
  EXPECT_EQ(std::system(orden.c_str()), 0);
  fs::remove(ruta);
}

TEST(CopiaMarcada, UnwritablePlaceIsAnErrorInSpanish) {
  Workbook libro;
  const Status estado = CopiaMarcada::Escribir(libro, {}, "/sin/carpeta/X_MARCADA.xlsx");
  EXPECT_FALSE(estado.ok());
  EXPECT_EQ(estado.description().rfind("No se pudo", 0), 0u) << estado.description();
}

}  // namespace
}  // namespace kaldoren
