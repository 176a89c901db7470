#include "app/cli/CeldaJson.h"

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "base/Calendar.h"

namespace kaldoren {
namespace {

TEST(CeldaJson, NumerosEnSuFormaExactaMasCorta) {
  const std::pair<double, const char*> casos[] = {
      {25900, "25900"},    {0.1, "0.1"},
      {-2.5, "-2.5"},      {1e20, "1e+20"},
      {136.64, "136.64"},  {123456789012, "123456789012"},
      {1.5e-7, "1.5e-07"}, {1.0 / 3, "0.3333333333333333"},
  };
  for (const auto& [x, texto] : casos) {
    std::string salida;
    CeldaJson::AgregarNumero(x, &salida);
    EXPECT_EQ(salida, texto);
    EXPECT_EQ(std::stod(salida), x) << "reads back as the same double";
  }
}

TEST(CeldaJson, FechasConLosSegundosRedondeados) {
  const std::pair<double, const char*> casos[] = {
      {0, "\"1899-12-30T00:00:00\""},
      {1, "\"1899-12-31T00:00:00\""},
      {-1, "\"1899-12-29T00:00:00\""},
      {38061 + 0.4 / 86400, "\"2004-03-15T00:00:00\""},
      {38061 + 59.6 / 86400, "\"2004-03-15T00:01:00\""},
      {38061 + 86399.6 / 86400, "\"2004-03-16T00:00:00\""},
      {Calendar::DayCount(100, 1, 1), "\"0100-01-01T00:00:00\""},
  };
  for (const auto& [dias, texto] : casos) {
    std::string salida;
    CeldaJson::AgregarFecha(dias, &salida);
    EXPECT_EQ(salida, texto) << dias;
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
