#include "app/cli/CeldaJson.h"

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "base/Calendar.h"

namespace kaldoren {
namespace {

// The lines of a sheet DATOSEMP holding the cell that agregar adds.
std::string Linea(void (*agregar)(Sheet*)) {
  Sheet hoja("DATOSEMP", std::make_shared<StringPool>());
  agregar(&hoja);
  hoja.Finish();
  std::string salida;
  CeldaJson escritor(hoja);
  for (const Cell& celda : hoja.cells()) escritor.Agregar(celda, &salida);
  return salida;
}

TEST(CeldaJson, CadaTipoDeCeldaEnSuForma) {
  EXPECT_EQ(
      Linea([](Sheet* h) { h->AddNumber(0, 3, 25900); }),
      "{\"hoja\":\"DATOSEMP\",\"fila\":0,\"columna\":3,\"tipo\":\"numero\",\"valor\":25900}\n");
  EXPECT_EQ(Linea([](Sheet* h) { h->AddText(12, 0, "Cañuelas"); }),
            "{\"hoja\":\"DATOSEMP\",\"fila\":12,\"columna\":0,\"tipo\":\"texto\",\"valor\":"
            "\"Cañuelas\"}\n");
  EXPECT_EQ(Linea([](Sheet* h) { h->AddText(0, 0, ""); }),
            "{\"hoja\":\"DATOSEMP\",\"fila\":0,\"columna\":0,\"tipo\":\"texto\",\"valor\":\"\"}\n");
  EXPECT_EQ(Linea([](Sheet* h) { h->AddDate(1, 1, 38061.75); }),
            "{\"hoja\":\"DATOSEMP\",\"fila\":1,\"columna\":1,\"tipo\":\"fecha\",\"valor\":\"2004-"
            "03-15T18:00:00\"}\n");
  EXPECT_EQ(
      Linea([](Sheet* h) { h->AddBoolean(2, 2, true); }),
      "{\"hoja\":\"DATOSEMP\",\"fila\":2,\"columna\":2,\"tipo\":\"logico\",\"valor\":true}\n");
  EXPECT_EQ(
      Linea([](Sheet* h) { h->AddBoolean(2, 2, false); }),
      "{\"hoja\":\"DATOSEMP\",\"fila\":2,\"columna\":2,\"tipo\":\"logico\",\"valor\":false}\n");
  EXPECT_EQ(Linea([](Sheet* h) { h->AddError(3, 4, 0x07); }),
            "{\"hoja\":\"DATOSEMP\",\"fila\":3,\"columna\":4,\"tipo\":\"error\",\"valor\":\"#DIV/"
            "0!\"}\n");
  EXPECT_EQ(Linea([](Sheet* h) { h->AddBlank(3, 4); }), "") << "blank cells have no line";
}

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

TEST(CeldaJson, CadenasConComillasBarrasYCaracteresDeControl) {
  std::string salida;
  CeldaJson::AgregarCadena(
      "a\"b\\c\nd\re\tf\x01g\x1f"
      "ñ€",
      &salida);
  EXPECT_EQ(salida, "\"a\\\"b\\\\c\\nd\\re\\tf\\u0001g\\u001fñ€\"");
}

// Every line is a JSON object that a JSON library reads back to the cell's
// value, also for texts that are not UTF-8.
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
  ASSERT_TRUE(std::getline(lineas, linea));
  EXPECT_EQ(nlohmann::json::parse(linea)["valor"].get<double>(), 1.0 / 3);
}

TEST(CeldaJson, TextosDeLosErroresDeExcel) {
  const std::pair<std::uint8_t, const char*> casos[] = {
      {0x00, "#NULL!"}, {0x07, "#DIV/0!"}, {0x0F, "#VALUE!"}, {0x17, "#REF!"},
      {0x1D, "#NAME?"}, {0x24, "#NUM!"},   {0x2A, "#N/A"},    {0x63, "#ERR99"},
  };
  for (const auto& [codigo, texto] : casos) EXPECT_EQ(CeldaJson::TextoError(codigo), texto);
}

}  // namespace
}  // namespace kaldoren
