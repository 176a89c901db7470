#include "checks/ControlPAGOS.h"

#include <gtest/gtest.h>

#include "TestData.h"
#include "checks/FilaDePrueba.h"

namespace kaldoren {
namespace {

using namespace kaldoren::testing;

const std::string kMensajeImporte = "No se consignó el Importe del Pago de fecha ";

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
  for (size_t i = 0; i < items.size(); ++i) {
    if (seccion.Errores(r, static_cast<int>(i))) lineas.push_back(seccion.Leyenda(items[i]));
  }
  return lineas;
}

TEST(ControlPAGOS, AWellFilledPaymentWritesNoLine) {
  EXPECT_EQ(Lineas({}), std::vector<std::string>{});
}

TEST(ControlPAGOS, DueDateMustBeAValidDateNotBefore1900) {
  struct Caso {
    Value fecvto;
    bool falla;
  };
  const Caso casos[] = {
      {E(), true},      {T("abc"), true},         {Dia(1899, 12, 30), true},
      {N(38061), true}, {Dia(1900, 6, 1), false}, {T("10/04/2004"), false},
  };
  for (const Caso& c : casos) {
    ControlPAGOS seccion;
    EXPECT_EQ(seccion.Errores(UnaFila(Con(FilaCorrecta(), {{"FECVTO", c.fecvto}})), 1), c.falla)
        << c.fecvto.TextForm();
  }
}

TEST(ControlPAGOS, PaymentDateAndAmountGoTogether) {
  const std::string pago =
      "No se consignó la fecha de pago, fecha de pago inválida o importe inválido";
  struct Caso {
    Value fecpago;
    Value importe;
    std::vector<std::string> lineas;
  };
  const Caso casos[] = {
      {E(), N(100), {pago, kMensajeImporte + "(NULA)"}},
      {T("abc"), N(100), {pago, kMensajeImporte + "(NULA)"}},
      {Dia(2004, 3, 15), E(), {pago, kMensajeImporte + "15/03/2004"}},
      {Dia(2004, 3, 15), T("abc"), {pago, kMensajeImporte + "15/03/2004"}},
      {Dia(2004, 3, 15), N(0), {kMensajeImporte + "15/03/2004"}},
      {Dia(2004, 3, 15), N(-5), {kMensajeImporte + "15/03/2004"}},
      {T("15/3/04"), N(0), {kMensajeImporte + "15/3/04"}},  // a text date as written
      {Dia(1899, 12, 30), N(100), {pago}},
      {Dia(1899, 12, 30), N(0), {}},
      {Dia(1900, 5, 1), N(0), {}},
      {Dia(1900, 5, 1), N(100), {}},
      {Dia(2004, 3, 15), T("1.500,50"), {}},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(Lineas({{"FECPAGO", c.fecpago}, {"PAGO", c.importe}}), c.lineas)
        << c.fecpago.TextForm() << " / " << c.importe.TextForm();
  }
}

TEST(ControlPAGOS, ComplementoBelongsToTheLatestErroresCall) {
  ControlPAGOS seccion;
  const std::vector<std::string> items = seccion.Items();
  const TableRecordset sin_importe = UnaFila(Con(FilaCorrecta(), {{"PAGO", N(0)}}));
  ASSERT_TRUE(seccion.Errores(sin_importe, 3));
  EXPECT_EQ(seccion.Leyenda(items[3]), kMensajeImporte + "08/04/2004");
  const TableRecordset sin_colegio = UnaFila(Con(FilaCorrecta(), {{"KALDOREN", E()}}));
  ASSERT_TRUE(seccion.Errores(sin_colegio, 0));
  EXPECT_EQ(seccion.Leyenda(items[0]), items[0]);
}

TEST(ControlPAGOS, TextsAreWrittenExactly) {
  ControlPAGOS s;
  EXPECT_EQ(s.Titulo(), "PAGOS");
  EXPECT_EQ(s.Agregado_al_titulo(), " (Agrupados por Período Liquidado)");
  EXPECT_EQ(s.Sql(), "SELECT * FROM [PAGOS$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'';");
  EXPECT_EQ(s.Items(),
            (std::vector<std::string>{
                "Nº de Kaldoren y/o Nº Provisorio no informados o mal informados",
                "Fecha de Vencimiento inválida o inexistente",
                "No se consignó la fecha de pago, fecha de pago inválida o importe inválido",
                "No se consignó el Importe del Pago de fecha "}));
  EXPECT_FALSE(s.Errores(UnaFila({}), 4));
  EXPECT_EQ(
      s.Final(true),
      "\r\n   Para corregir los errores, verificar los datos consignados en la LIBRO_TARVENA.\r\n");
  EXPECT_EQ(s.Final(false), "\r\n   « Se han validado todos los Casos »\r\n");
}

}  // namespace
}  // namespace kaldoren
