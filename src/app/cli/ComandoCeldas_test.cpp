#include "app/cli/ComandoCeldas.h"

#include <gtest/gtest.h>

#include <sstream>

#include "TestData.h"

namespace kaldoren {
namespace {

using testing::TestDataPath;

struct Resultado {
  int estado;
  std::string salida;
  std::string errores;
};

Resultado Ejecutar(const std::string& planilla) {
  std::ostringstream salida;
  std::ostringstream errores;
  const int estado = ComandoCeldas(salida, errores).Ejecutar(planilla);
  return {estado, salida.str(), errores.str()};
}

std::vector<std::string> Lineas(const std::string& texto) {
  std::vector<std::string> lineas;
  std::istringstream entrada(texto);
  for (std::string linea; std::getline(entrada, linea);) lineas.push_back(linea);
  return lineas;
}

TEST(ComandoCeldas, ListaCadaCeldaConValorHojaPorHojaYFilaPorFila) {
  const Resultado r = Ejecutar(TestDataPath("generados/tipos.xls"));
  EXPECT_EQ(r.estado, 0);
  EXPECT_EQ(r.errores, "");
  const std::vector<std::string> lineas = Lineas(r.salida);
  ASSERT_EQ(lineas.size(), 24u) << "the formatted blank of row 12 is not listed";
  const std::pair<size_t, const char*> filas[] = {
      {0, R"({"hoja":"TIPOS","fila":0,"columna":0,"tipo":"texto","valor":"TIPO"})"},
      {3, R"({"hoja":"TIPOS","fila":1,"columna":1,"tipo":"numero","valor":25900})"},
      {7, R"({"hoja":"TIPOS","fila":3,"columna":1,"tipo":"numero","valor":1e+20})"},
      {11, R"({"hoja":"TIPOS","fila":5,"columna":1,"tipo":"logico","valor":true})"},
      {15, R"({"hoja":"TIPOS","fila":7,"columna":1,"tipo":"error","valor":"#DIV/0!"})"},
      {19, R"({"hoja":"TIPOS","fila":9,"columna":1,"tipo":"texto","valor":""})"},
  };
  for (const auto& [i, linea] : filas) EXPECT_EQ(lineas[i], linea);
}

TEST(ComandoCeldas, FechasDeLaDeclaracion) {
  const std::vector<std::string> lineas =
      Lineas(Ejecutar(TestDataPath("workbooks/declaracion_correcta.xls")).salida);
  EXPECT_EQ(lineas.size(), 6835u);
  const char* fecha = R"({"hoja":"PAGOS","fila":1,"columna":3,"tipo":"fecha","valor":)"
                      R"("2004-02-10T00:00:00"})";
  EXPECT_NE(std::find(lineas.begin(), lineas.end(), fecha), lineas.end());
}

TEST(ComandoCeldas, LibroQueNoSeAbreDaSuDescripcionYEstado2) {
  const Resultado r = Ejecutar("/no/existe/PLANILLA.XLS");
  EXPECT_EQ(r.estado, 2);
  EXPECT_EQ(r.salida, "");
  EXPECT_EQ(r.errores, "No se encontró el archivo /no/existe/PLANILLA.XLS\n");
}

}  // namespace
}  // namespace kaldoren
