#include "app/cli/CeldaJson.h"

#include <gtest/gtest.h>

#include <charconv>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

namespace kaldoren {
namespace {

// Whole numbers and amounts take a faster path; the text stays the shortest form of the
// double that std::to_chars writes (an exponent where that is shorter).
TEST(CeldaJson, NumerosEnLaFormaMasCortaDelDouble) {
  for (const double x : {0.0,
                         -0.0,
                         7.0,
                         -7.0,
                         10.0,
                         25900.0,
                         1e6,
                         123456789012.0,
                         1e15 + 1,
                         -123456789.0,
                         1e20,
                         1.0 / 3,
                         1e300,
                         378.21,
                         45.6,
                         -0.5,
                         0.05,
                         -0.07,
                         0.1 + 0.2,
                         100.5,
                         1234567.89,
                         9999999999999.99,
                         999999999999.99,
                         2.675,
                         1e-7}) {
    std::string salida;
    CeldaJson::AgregarNumero(x, &salida);
    char esperado[32];
    EXPECT_EQ(salida, std::string(esperado, std::to_chars(esperado, esperado + 32, x).ptr)) << x;
  }
}

// Every line is a JSON object that a JSON library reads back to the cell's
// value: quotes, backslashes and control characters escaped, texts that are
// not UTF-8 mended, a boolean false and an error in their forms, a blank left
// out.
TEST(CeldaJson, CadaLineaLaLeeUnaBibliotecaDeJson) {
  Sheet hoja("Hoja \"1\"", std::make_shared<StringPool>());
  const std::pair<std::string, std::string> textos[] = {
      {"comillas \" y \\ <script>", "comillas \" y \\ <script>"},
      {"control \x01\x7f fin", "control \x01\x7f fin"},
      {"roto \xff\xc3( y \xed\xa0\x80", "roto \uFFFD\uFFFD( y \uFFFD\uFFFD\uFFFD"},
      {"válido \xEF\xBF\xBD ñ 😀", "válido \uFFFD ñ 😀"},
  };
  for (std::uint32_t fila = 0; fila < std::size(textos); ++fila) {
    hoja.AddText(fila, 7, textos[fila].first);
  }
  hoja.AddNumber(9, 0, 1.0 / 3);
  hoja.AddBoolean(10, 0, false);
  hoja.AddError(11, 0, 0x2A);
  hoja.AddBlank(12, 0);
  hoja.Finish();
  std::string salida;
  CeldaJson escritor(hoja);
  for (const Cell& celda : hoja.cells()) escritor.Agregar(celda, &salida);
  std::istringstream lineas(salida);
  std::string linea;
  for (const auto& [texto, leido] : textos) {
    ASSERT_TRUE(std::getline(lineas, linea));
    const nlohmann::json objeto = nlohmann::json::parse(linea);
    EXPECT_EQ(objeto["hoja"], "Hoja \"1\"");
    EXPECT_EQ(objeto["columna"], 7);
    EXPECT_EQ(objeto["valor"], leido) << linea;
  }
  for (const nlohmann::json& valor :
       {nlohmann::json(1.0 / 3), nlohmann::json(false), nlohmann::json("#N/A")}) {
    ASSERT_TRUE(std::getline(lineas, linea));
    EXPECT_EQ(nlohmann::json::parse(linea)["valor"], valor);
  }
  EXPECT_FALSE(std::getline(lineas, linea)) << "a blank cell has no line";
}

}  // namespace
}  // namespace kaldoren
