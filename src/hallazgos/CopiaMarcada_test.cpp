#include "hallazgos/CopiaMarcada.h"

#include <gtest/gtest.h>

namespace kaldoren {
namespace {

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

TEST(CopiaMarcada, UnwritablePlaceIsAnErrorInSpanish) {
  Workbook libro;
  const Status estado = CopiaMarcada::Escribir(libro, {}, "/sin/carpeta/X_MARCADA.xlsx");
  EXPECT_FALSE(estado.ok());
  EXPECT_EQ(estado.description().rfind("No se pudo", 0), 0u) << estado.description();
}

}  // namespace
}  // namespace kaldoren
