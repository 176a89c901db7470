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

struct Aviso {
  std::string texto;
  std::string titulo;
  bool operator==(const Aviso&) const = default;
};

class AvisadorGrabado : public Avisador {
 public:
  void Mensaje(const std::string& texto, const std::string& titulo, Icono icono) override {
    EXPECT_EQ(icono, Icono::Critico);
    avisos.push_back({texto, titulo});
  }
  std::vector<Aviso> avisos;
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

TEST(APERTURA, MissingFileShowsTheReadersDescriptionUnderErrorDeApertura) {
  AvisadorGrabado avisador;
  APERTURA apertura(avisador);
  apertura.BaseActivaJet(TestDataPath("no/existe.xls"));
  EXPECT_FALSE(apertura.Apertura_Ok());
  ASSERT_EQ(avisador.avisos.size(), 1u);
  EXPECT_EQ(avisador.avisos[0].titulo, "Error de Apertura");
  EXPECT_FALSE(avisador.avisos[0].texto.empty());
  EXPECT_FALSE(apertura.Problema().ok());
}

TEST(APERTURA, WorkbookWithTwoOfTheThreeSheetsHasNotTheRequiredFormat) {
  AvisadorGrabado avisador;
  APERTURA apertura(avisador);
  apertura.BaseActivaJet(TestDataPath("workbooks/hojas_incompletas.xls"));
  EXPECT_FALSE(apertura.Apertura_Ok());
  EXPECT_EQ(avisador.avisos,
            (std::vector<Aviso>{{"El Archivo Seleccionado no tiene el formato requerido",
                                 "Error de Datos"}}));
}

TEST(APERTURA, SheetNamesInAnyCaseAndExtraSheetsPass) {
  AvisadorGrabado avisador;
  APERTURA apertura(avisador);
  apertura.BaseActivaJet(TestDataPath("workbooks/hojas_minusculas.xls"));
  EXPECT_TRUE(apertura.Apertura_Ok());
  EXPECT_TRUE(avisador.avisos.empty());
  EXPECT_TRUE(apertura.Problema().ok());
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
    EXPECT_EQ(avisador.avisos, (std::vector<Aviso>{{mensaje, "Error de Datos"}}));
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

TEST(APERTURA, WithoutAnOpenWorkbookTheFormatIsNotTheRequiredOne) {
  AvisadorGrabado avisador;
  APERTURA apertura(avisador);
  EXPECT_FALSE(apertura.Apertura_Ok());
  EXPECT_EQ(avisador.avisos,
            (std::vector<Aviso>{
                {"El Archivo Seleccionado no tiene el formato requerido", "Error de Datos"}}));
}

}  // namespace
}  // namespace kaldoren
