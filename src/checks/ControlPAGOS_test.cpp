#include "checks/ControlPAGOS.h"

#include <gtest/gtest.h>

#include "TestData.h"
#include "checks/FilaDePrueba.h"

namespace kaldoren {
namespace {

using namespace kaldoren::testing;

const std::string kVencimiento = "Fecha de Vencimiento inválida o inexistente";
const std::string kPago =
    "No se consignó la fecha de pago, fecha de pago inválida o importe inválido";
const std::string kImporte = "No se consignó el Importe del Pago de fecha ";

Campos FilaCorrecta() {
  return {{"PERLIQ", T("2004/03")},     {"KALDOREN", N(1234)},        {"PROVISORIO", E()},
          {"FECVTO", Dia(2004, 4, 10)}, {"FECPAGO", Dia(2004, 4, 8)}, {"PAGO", N(150)}};
}

// The legend lines the run would write for the row, in check order.
std::vector<std::string> Lineas(const Campos& cambios) {
  ControlPAGOS seccion;
  const TableRecordset r = UnaFila(Con(FilaCorrecta(), cambios));
  const std::vector<std::string> items = seccion.Items();
  std::vector<std::string> lineas;
  for (size_t i = 0; i <= items.size(); ++i) {
    if (seccion.Errores(r, static_cast<int>(i))) lineas.push_back(seccion.Leyenda(items.at(i)));
  }
  return lineas;
}

TEST(ControlPAGOS, DatesAndAmountOfAPaymentGiveTheirLines) {
  struct Caso {
    Campos cambios;
    std::vector<std::string> lineas;
  };
  const Caso casos[] = {
      {{}, {}},
      // The due date: a valid date cell or date text from 1900 on.
      {{{"FECVTO", E()}}, {kVencimiento}},
      {{{"FECVTO", T("abc")}}, {kVencimiento}},
      {{{"FECVTO", Dia(1899, 12, 30)}}, {kVencimiento}},
      {{{"FECVTO", N(38061)}}, {kVencimiento}},
      {{{"FECVTO", Dia(1900, 6, 1)}}, {}},
      {{{"FECVTO", T("10/04/2004")}}, {}},
      // The payment date and the amount go together.
      {{{"FECPAGO", E()}, {"PAGO", N(100)}}, {kPago, kImporte + "(NULA)"}},
      {{{"FECPAGO", T("abc")}, {"PAGO", N(100)}}, {kPago, kImporte + "(NULA)"}},
      {{{"FECPAGO", Dia(2004, 3, 15)}, {"PAGO", E()}}, {kPago, kImporte + "15/03/2004"}},
      {{{"FECPAGO", Dia(2004, 3, 15)}, {"PAGO", T("abc")}}, {kPago, kImporte + "15/03/2004"}},
      {{{"FECPAGO", Dia(2004, 3, 15)}, {"PAGO", N(0)}}, {kImporte + "15/03/2004"}},
      {{{"FECPAGO", Dia(2004, 3, 15)}, {"PAGO", N(-5)}}, {kImporte + "15/03/2004"}},
      {{{"FECPAGO", T("15/3/04")}, {"PAGO", N(0)}}, {kImporte + "15/3/04"}},  // as written
      {{{"FECPAGO", Dia(1899, 12, 30)}, {"PAGO", N(100)}}, {kPago}},
      {{{"FECPAGO", Dia(1899, 12, 30)}, {"PAGO", N(0)}}, {}},
      {{{"FECPAGO", Dia(1900, 5, 1)}, {"PAGO", N(0)}}, {}},
      {{{"FECPAGO", Dia(1900, 5, 1)}, {"PAGO", N(100)}}, {}},
      {{{"FECPAGO", Dia(2004, 3, 15)}, {"PAGO", T("1.500,50")}}, {}},
  };
  for (const Caso& c : casos) {
    std::string fila;
    for (const auto& [columna, valor] : c.cambios) fila += columna + "=" + valor.TextForm() + " ";
    EXPECT_EQ(Lineas(c.cambios), c.lineas) << fila;
  }
}

TEST(ControlPAGOS, ComplementoBelongsToTheLatestErroresCall) {
  ControlPAGOS seccion;
  const std::vector<std::string> items = seccion.Items();
  const TableRecordset sin_importe = UnaFila(Con(FilaCorrecta(), {{"PAGO", N(0)}}));
  ASSERT_TRUE(seccion.Errores(sin_importe, 3));
  EXPECT_EQ(seccion.Leyenda(items[3]), kImporte + "08/04/2004");
  const TableRecordset sin_colegio = UnaFila(Con(FilaCorrecta(), {{"KALDOREN", E()}}));
  ASSERT_TRUE(seccion.Errores(sin_colegio, 0));
  EXPECT_EQ(seccion.Leyenda(items[0]), items[0]);
}

}  // namespace
}  // namespace kaldoren
