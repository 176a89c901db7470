// Workbooks built to be extreme or hostile, written record by record: each is
// either read within memory proportional to what it really holds and then
// verified to a complete report, or refused with a described opening error.
// Larger versions (a 100 MB workbook, 65,535 teacher rows) are timed, and
// their memory measured, by bench/limites_bench.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Archivos.h"
#include "CorridaDePrueba.h"
#include "HuellaDeLibro.h"
#include "TestData.h"
#include "workbook/WorkbookReader.h"
#include "workbook/xls/testing/BiffBuilder.h"
#include "workbook/xls/testing/DeclaracionSintetica.h"

namespace kaldoren {
namespace {

using testing::BiffBuilder;
using testing::CellHead;
using testing::DeclaracionSintetica;
using testing::Le16;
using testing::Le32;
using testing::LeDouble;
using testing::Record;

class LibrosHostiles : public ::testing::Test {
 protected:
  std::string Guardar(const std::string& archivo) {
    testing::Guardar(carpeta_ / "LIBRO.XLS", archivo);
    return (carpeta_ / "LIBRO.XLS").string();
  }
  // Reads the file, checks what it costs against its size, then verifies it:
  // answers the report's page count (0 when the run failed).
  int LeerYVerificar(const std::string& archivo) {
    const std::string ruta = Guardar(archivo);
    Workbook libro;
    const Status leido = WorkbookReader::Read(ruta, &libro);
    EXPECT_TRUE(leido.ok()) << leido.description();
    EXPECT_LE(testing::HuellaDeLibro::Bytes(libro), testing::HuellaDeLibro::Tope(archivo.size()));
    const ResultadoVerificacion r = corrida_.Correr(ruta, (carpeta_ / "informe").string());
    EXPECT_TRUE(r.estado.ok()) << r.estado.description();
    return testing::Paginas(carpeta_ / "informe");
  }
  Status Leer(const std::string& archivo) {
    Workbook libro;
    return WorkbookReader::Read(Guardar(archivo), &libro);
  }

  testing::CarpetaTemporal carpeta_;
  testing::CorridaDePrueba corrida_;
};

TEST_F(LibrosHostiles, DeclarationClaimingTheWholeGridOfFormulasCostsWhatItHolds) {
  EXPECT_GT(LeerYVerificar(DeclaracionSintetica::ConRejillaDeFormulas().File()), 0);
}

TEST_F(LibrosHostiles, MillionSharedTextsAreReadAndTheDeclarationBesideThemIsVerified) {
  EXPECT_GT(LeerYVerificar(DeclaracionSintetica::ConTextosCompartidos(1000000).File()), 0);
}

// Regression: a sheet's table view takes memory for every row and column of
// its used range, so sheets of two cells far apart multiplied a small file
// many thousand times.
TEST_F(LibrosHostiles, SheetsSpreadFarBeyondWhatTheFileHoldsAreRefused) {
  BiffBuilder libro;
  for (int i = 0; i < 32; ++i) {
    libro.Sheet("H" + std::to_string(i),
                DeclaracionSintetica::Numero(0, 0, 1) + Record(0x0201, CellHead(65535, 65535)));
  }
  EXPECT_EQ(Leer(libro.File()).description(),
            "El archivo está dañado: sus hojas abarcan muchas más filas y columnas de las que "
            "el archivo llena");
}

}  // namespace
}  // namespace kaldoren
