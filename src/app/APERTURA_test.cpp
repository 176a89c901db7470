#include "app/APERTURA.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CorridaDePrueba.h"
#include "TestData.h"
#include "app/ColumnasRequeridas.h"

namespace kaldoren {
namespace {

using testing::AddTable;
using testing::T;
using testing::TestDataPath;

using Avisos = testing::AvisosGrabados;

// A workbook with the three declaration sheets and every column the report
// reads, except the one named sin (sheet$.column).
std::unique_ptr<Workbook> LibroCompleto(const std::string& sin = "") {
  auto libro = std::make_unique<Workbook>();
  for (const ColumnasRequeridas::Hoja& hoja : ColumnasRequeridas::Hojas()) {
    std::vector<Value> encabezado;
    for (const std::string& columna : hoja.columnas) {
      if (hoja.tabla + "." + columna != sin) encabezado.push_back(T(columna));
    }
    const std::string nombre = hoja.tabla.substr(0, hoja.tabla.size() - 1);
    AddTable(libro.get(), nombre, {encabezado});
  }
  return libro;
}

TEST(APERTURA, OpeningAnswersWhetherTheWorkbookHasTheRequiredFormat) {
  const std::string formato =
      "Error de Datos: El Archivo Seleccionado no tiene el formato requerido";
  const struct {
    const char* que;
    const char* libro;  // nullptr: none is opened
    std::vector<std::string> avisos;
  } casos[] = {
      {"a file that does not exist",
       "no/existe.xls",
       {"Error de Apertura: No se encontró el archivo " + TestDataPath("no/existe.xls")}},
      {"two of the three sheets", "workbooks/hojas_incompletas.xls", {formato}},
      {"sheet names in any case, and extra sheets", "workbooks/hojas_minusculas.xls", {}},
      {"no workbook opened", nullptr, {formato}},
  };
  for (const auto& c : casos) {
    Avisos avisador;
    APERTURA apertura(avisador);
    if (c.libro != nullptr) apertura.BaseActivaJet(TestDataPath(c.libro));
    EXPECT_EQ(apertura.Apertura_Ok(), c.avisos.empty()) << c.que;
    EXPECT_EQ(avisador.avisos, c.avisos) << c.que;
  }
}

TEST(APERTURA, FirstMissingColumnIsNamedWithItsSheet) {
  for (const std::string falta : {"", "DATOSDOC$.FECBAJA", "PAGOS$.FECPAGO", "DATOSEMP$.PERLIQ"}) {
    Avisos avisador;
    APERTURA apertura(avisador);
    apertura.BaseActivaLibro(LibroCompleto(falta));
    EXPECT_EQ(apertura.Apertura_Ok(), falta.empty());
    const size_t punto = falta.find('.');
    std::vector<std::string> avisos;
    if (!falta.empty()) {
      avisos = {"Error de Datos: La hoja " + falta.substr(0, punto) + " no tiene la columna " +
                falta.substr(punto + 1)};
    }
    EXPECT_EQ(avisador.avisos, avisos) << falta;
  }
}

// A query refused, or over a workbook closed or replaced, leaves an empty
// recordset, never the rows of an earlier one.
TEST(APERTURA, RecordsetIsEmptyWhenTheQueryIsRefusedOrTheWorkbookClosedOrReplaced) {
  Avisos avisador;
  APERTURA apertura(avisador);
  for (const std::string despues : {"cerrar", "reabrir", "rechazar"}) {
    apertura.BaseActivaJet(TestDataPath("workbooks/declaracion_correcta.xls"));
    ASSERT_TRUE(apertura.TablaActiva("SELECT * FROM [DATOSEMP$];").ok());
    ASSERT_FALSE(apertura.Reg().Eof());
    if (despues == "cerrar") apertura.CerrarBase();
    if (despues == "reabrir") apertura.BaseActivaJet(TestDataPath("workbooks/sin_datos.xls"));
    if (despues == "rechazar") {
      EXPECT_FALSE(apertura.TablaActiva("DELETE FROM [PAGOS$];").ok());
    }
    EXPECT_TRUE(apertura.Reg().Eof()) << despues;
    EXPECT_TRUE(apertura.Reg().Field("PERLIQ").IsEmpty()) << despues;
  }
}

}  // namespace
}  // namespace kaldoren
