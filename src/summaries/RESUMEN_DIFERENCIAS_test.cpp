#include "summaries/RESUMEN_DIFERENCIAS.h"

#include <gtest/gtest.h>

#include <memory>

#include "ResumenSobreLibro_test.h"
#include "TestData.h"
#include "query/TableRecordset.h"
#include "summaries/RESUMEN_ERRORES.h"
#include "summaries/RESUMEN_PAGOS.h"
#include "summaries/RESUMEN_SALARIAL.h"

namespace kaldoren {
namespace {

using testing::AddTable;
using testing::E;
using testing::LineasDelLibro;
using testing::N;
using testing::T;

// A summary section that only reports a total, standing at positions 2 and 3.
class ConTotal final : public SeccionResumen {
 public:
  explicit ConTotal(double total) : total_(total) {}
  std::string Titulo() override { return ""; }
  std::string Agregado_al_titulo() override { return ""; }
  std::string Sql(const Coleccion<SeccionResumen>&) override { return ""; }
  std::string Encabezado() override { return ""; }
  std::string Detalle(const Recordset&) override { return ""; }
  std::string Vacio() override { return ""; }
  double Totales() const override { return total_; }

 private:
  double total_;
};

std::string Consulta(double aportes, double pagos) {
  Coleccion<SeccionResumen> cl;
  cl.Agregar(std::make_unique<ConTotal>(999));
  cl.Agregar(std::make_unique<ConTotal>(aportes));
  cl.Agregar(std::make_unique<ConTotal>(pagos));
  cl.Agregar(std::make_unique<RESUMEN_DIFERENCIAS>());
  return cl.Item(4).Sql(cl);
}

// The printed line for the two totals as texts of the query's single row.
std::string Linea(const std::string& aportes, const std::string& pagos) {
  RESUMEN_DIFERENCIAS s;
  return "   " + s.Detalle(TableRecordset({"APORTES", "PAGOS"}, {{T(aportes), T(pagos)}}));
}

TEST(ResumenDiferencias, QueryCarriesBothTotalsInTheGeneralNumberForm) {
  EXPECT_EQ(Consulta(1500.25, 1000),
            "SELECT TOP 1 '1500,25' AS APORTES,'1000' AS PAGOS FROM [DATOSEMP$]");
  EXPECT_EQ(Consulta(0, 12345678.9),
            "SELECT TOP 1 '0' AS APORTES,'12345678,9' AS PAGOS FROM [DATOSEMP$]");
}

TEST(ResumenDiferencias, HigherContributionsGiveThePlainDifferenceEndingInColumn54) {
  const std::string linea = Linea("1500,25", "1000");
  EXPECT_EQ(linea, "      1.500,25           1.000,00               500,25");
  EXPECT_EQ(linea.find("1.500,25") + 1, 7u);
  EXPECT_EQ(linea.find("1.000,00") + 8, 33u);
  EXPECT_EQ(linea.size(), 54u);
}

TEST(ResumenDiferencias, HigherPaymentsGiveTheDifferenceInParenthesesEndingInColumn56) {
  const std::string linea = Linea("1000", "1200");
  EXPECT_EQ(linea, "      1.000,00           1.200,00               (200,00)");
  EXPECT_EQ(linea.size(), 56u);
}

TEST(ResumenDiferencias, TotalsEqualToTheCentGiveTheOkMark) {
  EXPECT_EQ(Linea("1000,004", "1000"), "      1.000,00           1.000,00                «« OK »»");
  EXPECT_EQ(Linea("0", "0"), "          0,00               0,00                «« OK »»");
}

TEST(ResumenDiferencias, DifferenceIsTakenBetweenTheAmountsAsWritten) {
  // 0,006 and 0,004 are written 0,01 and 0,00: the line must say 0,01.
  EXPECT_EQ(Linea("0,006", "0,004"), "          0,01               0,00                 0,01");
}

TEST(ResumenDiferencias, AmountsWiderThanTheirFieldsAreWrittenWhole) {
  EXPECT_EQ(Linea("12000000", "9500000"),
            "    12.000.000,00         9.500.000,00           2.500.000,00");
}

TEST(ResumenDiferencias, TotalThatIsNotANumberCountsZero) {
  EXPECT_EQ(Linea("", "250"), "          0,00             250,00               (250,00)");
}

TEST(ResumenDiferencias, TextsOfTheSectionAreTheFixedOnes) {
  RESUMEN_DIFERENCIAS s;
  EXPECT_EQ(s.Titulo(), "DIFERENCIAS");
  EXPECT_EQ(s.Agregado_al_titulo(), "DIFERENCIAS");
  EXPECT_EQ(s.Encabezado(), "TOT A APORTAR       TOTAL PAGOS       DIFERENCIA (Aportes-pagos)\r\n");
  EXPECT_EQ(s.Vacio(), "   « No se han registrado Datos Salariales y Aportes »");
}

// The four summaries in report order over one declaration, driven one after
// the other as the run does.
std::vector<std::string> Diferencias(const std::vector<std::vector<Value>>& empleador) {
  Workbook libro;
  AddTable(&libro, "DATOSEMP", empleador);
  AddTable(&libro, "DATOSDOC",
           {{T("PERLIQ"), T("ORDEN"), T("APENOM"), T("NRODOC"), T("C_APORTE"), T("PER_ZOL"),
             T("PAT_ZOL"), T("FECBAJA")},
            {T("2005/01"), N(1), T("PEREZ"), N(20111222), N(1000), N(600.15), N(900.1), E()}});
  AddTable(&libro, "PAGOS",
           {{T("PERLIQ"), T("FECVTO"), T("FECPAGO"), T("PAGO")},
            {T("2005/01"), E(), E(), N(400)},
            {T("2005/01"), E(), E(), N(600)}});
  Coleccion<SeccionResumen> cl;
  cl.Agregar(std::make_unique<RESUMEN_ERRORES>());
  cl.Agregar(std::make_unique<RESUMEN_SALARIAL>());
  cl.Agregar(std::make_unique<RESUMEN_PAGOS>());
  cl.Agregar(std::make_unique<RESUMEN_DIFERENCIAS>());
  for (int i = 1; i <= 3; ++i) LineasDelLibro(cl.Item(i), libro, cl);
  return LineasDelLibro(cl.Item(4), libro, cl);
}

TEST(ResumenDiferencias, ComparesTheTotalsTheSummariesAccumulatedBeforeIt) {
  EXPECT_EQ(Diferencias({{T("PERLIQ"), T("KALDOREN")}, {T("2005/01"), N(1234)}}),
            (std::vector<std::string>{"      1.500,25           1.000,00               500,25"}));
}

TEST(ResumenDiferencias, EmptyEmployerSheetGivesNoRow) {
  EXPECT_TRUE(Diferencias({{T("PERLIQ"), T("KALDOREN")}}).empty());
}

}  // namespace
}  // namespace kaldoren
