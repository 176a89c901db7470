#include "app/APERTURA.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestData.h"
#include "app/ColumnasRequeridas.h"

namespace kaldoren {
namespace {

using testing::AddTable;
using testing::T;
using testing::TestDataPath;

// Keeps every message as "title: text"; every one must be a critical one.
class AvisadorGrabado : public Avisador {
 public:
  void Mensaje(const std::string& texto, const std::string& titulo, Icono icono) override {
    EXPECT_EQ(icono, Icono::Critico);
    avisos.push_back(titulo + ": " + texto);
  }
  std::vector<std::string> avisos;
};

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
    AvisadorGrabado avisador;
    APERTURA apertura(avisador);
    if (c.libro != nullptr) apertura.BaseActivaJet(TestDataPath(c.libro));
    EXPECT_EQ(apertura.Apertura_Ok(), c.avisos.empty()) << c.que;
    EXPECT_EQ(avisador.avisos, c.avisos) << c.que;
  }
}

TEST(APERTURA, FirstMissingColumnIsNamedWithItsSheet) {
  for (const std::string& falta : {std::string("DATOSDOC$.FECBAJA"), std::string("PAGOS$.FECPAGO"),
                                   std::string("DATOSEMP$.PERLIQ")}) {
    AvisadorGrabado avisador;
    APERTURA apertura(avisador);
    apertura.BaseActivaLibro(LibroCompleto(falta));
    EXPECT_FALSE(apertura.Apertura_Ok());
    const size_t punto = falta.find('.');
    const std::string mensaje = "La hoja " + falta.substr(0, punto) + " no tiene la columna " +
                                falta.substr(punto + 1);
    EXPECT_EQ(avisador.avisos, std::vector<std::string>{"Error de Datos: " + mensaje});
  }
}

TEST(APERTURA, CompleteWorkbookOpensAndAnEmptyQueryIsAtItsEnd) {
  AvisadorGrabado avisador;
  APERTURA apertura(avisador);
  apertura.BaseActivaLibro(LibroCompleto());
  EXPECT_TRUE(apertura.Apertura_Ok());
  ASSERT_TRUE(apertura.TablaActiva("SELECT * FROM [PAGOS$];").ok());
  EXPECT_TRUE(apertura.Reg().Eof());
}

TEST(APERTURA, RefusedQueryLeavesAnEmptyRecordset) {
  AvisadorGrabado avisador;
  APERTURA apertura(avisador);
  apertura.BaseActivaLibro(LibroCompleto());
  EXPECT_FALSE(apertura.TablaActiva("DELETE FROM [PAGOS$];").ok());
  EXPECT_TRUE(apertura.Reg().Eof());
}

TEST(APERTURA, ClosingOrReopeningTheWorkbookClosesItsRecordset) {
  AvisadorGrabado avisador;
  APERTURA apertura(avisador);
  apertura.BaseActivaJet(TestDataPath("workbooks/declaracion_correcta.xls"));
  ASSERT_TRUE(apertura.TablaActiva("SELECT * FROM [DATOSEMP$];").ok());
  ASSERT_FALSE(apertura.Reg().Eof());
  apertura.CerrarBase();
  EXPECT_TRUE(apertura.Reg().Eof());
  EXPECT_TRUE(apertura.Reg().Field("PERLIQ").IsEmpty());

  apertura.BaseActivaJet(TestDataPath("workbooks/declaracion_correcta.xls"));
  ASSERT_TRUE(apertura.TablaActiva("SELECT * FROM [DATOSEMP$];").ok());
  apertura.BaseActivaJet(TestDataPath("workbooks/sin_datos.xls"));
  EXPECT_TRUE(apertura.Reg().Eof());
  EXPECT_TRUE(apertura.Reg().Field("PERLIQ").IsEmpty());
}

}  // namespace
}  // namespace kaldoren
