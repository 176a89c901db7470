// Workbooks built to be extreme or hostile, written record by record: each is
// either read within memory proportional to what it really holds and then
// verified to a complete report, or refused with a described opening error.
// Larger versions (a 100 MB workbook, 65,535 teacher rows) are timed by
// bench/limites_bench.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CorridaDePrueba.h"
#include "TestData.h"
#include "workbook/WorkbookReader.h"
#include "workbook/testing/BiffBuilder.h"
#include "workbook/testing/DeclaracionSintetica.h"

namespace kaldoren {
namespace {

namespace fs = std::filesystem;
using testing::BiffBuilder;
using testing::CellHead;
using testing::DeclaracionSintetica;
using testing::Le16;
using testing::Le32;
using testing::LeDouble;
using testing::Record;

constexpr std::uint16_t kDimensions = 0x0200;
constexpr std::uint16_t kFormula = 0x0006;
constexpr std::uint16_t kContinue = 0x003C;
constexpr size_t kMemoriaPorByte = 32;
constexpr size_t kMemoriaFija = size_t{1} << 20;

// A FORMULA record whose cached result is the number x (the formula is =1).
std::string Formula(std::uint32_t fila, std::uint16_t columna, double x) {
  return Record(kFormula, CellHead(static_cast<std::uint16_t>(fila), columna) + LeDouble(x) +
                              Le16(0) + Le32(0) + Le16(3) + std::string("\x1E\x01\x00", 3));
}

// An SST of the given texts, split into CONTINUE records between texts.
std::string TablaDeTextos(const std::vector<std::string>& textos) {
  constexpr size_t kMaximo = 8224;
  std::string registros;
  std::string actual = Le32(static_cast<std::uint32_t>(textos.size())) +
                       Le32(static_cast<std::uint32_t>(textos.size()));
  std::uint16_t tipo = 0x00FC;
  for (const std::string& t : textos) {
    const std::string entrada = testing::Compressed(t);
    if (actual.size() + entrada.size() > kMaximo) {
      registros += Record(tipo, actual);
      actual.clear();
      tipo = kContinue;
    }
    actual += entrada;
  }
  return registros + Record(tipo, actual);
}

size_t Huella(Workbook& libro) {
  size_t bytes = libro.strings().bytes();
  for (const auto& hoja : libro.sheets()) bytes += hoja->cells().size() * sizeof(Cell);
  return bytes;
}

class LibrosHostiles : public ::testing::Test {
 protected:
  void SetUp() override {
    carpeta_ = fs::temp_directory_path() / ("libros_hostiles_" + std::to_string(::getpid()));
    fs::remove_all(carpeta_);
    fs::create_directories(carpeta_);
  }
  void TearDown() override { fs::remove_all(carpeta_); }

  std::string Guardar(const std::string& archivo) {
    const fs::path ruta = carpeta_ / "LIBRO.XLS";
    std::ofstream(ruta, std::ios::binary | std::ios::trunc) << archivo;
    return ruta.string();
  }
  // Reads the file, checks what it costs against its size, then verifies it:
  // answers the report's page count (0 when the run failed).
  int LeerYVerificar(const std::string& archivo) {
    const std::string ruta = Guardar(archivo);
    Workbook libro;
    const Status leido = WorkbookReader::Read(ruta, &libro);
    EXPECT_TRUE(leido.ok()) << leido.description();
    EXPECT_LE(Huella(libro), kMemoriaPorByte * archivo.size() + kMemoriaFija);
    const ResultadoVerificacion r = corrida_.Correr(ruta, (carpeta_ / "informe").string());
    EXPECT_TRUE(r.estado.ok()) << r.estado.description();
    int paginas = 0;
    while (fs::exists(carpeta_ / "informe" / ("HOJA_" + std::to_string(paginas + 1) + ".TXT"))) {
      ++paginas;
    }
    return paginas;
  }
  Status Leer(const std::string& archivo) {
    Workbook libro;
    return WorkbookReader::Read(Guardar(archivo), &libro);
  }

  fs::path carpeta_;
  testing::CorridaDePrueba corrida_;
};

TEST_F(LibrosHostiles, DeclarationClaimingTheWholeGridOfFormulasCostsWhatItHolds) {
  // The teacher sheet says it spans 65,536 rows by 256 columns of formulas;
  // it holds 200 rows, a last row of 256 formulas and a few in between.
  std::string formulas = Record(kDimensions, Le32(0) + Le32(65536) + Le16(0) + Le16(256) + Le16(0));
  for (std::uint32_t f = 201; f < 65535; f += 97) formulas += Formula(f, 255, f);
  for (std::uint16_t c = 0; c < 256; ++c) formulas += Formula(65535, c, c);
  EXPECT_GT(LeerYVerificar(DeclaracionSintetica::Libro(200, 12, formulas).File()), 0);
}

TEST_F(LibrosHostiles, MillionSharedTextsAreReadAndTheDeclarationBesideThemIsVerified) {
  std::vector<std::string> textos;
  for (int i = 0; i < 1000000; ++i) textos.push_back("texto " + std::to_string(i));
  std::string celdas;
  for (std::uint32_t i = 0; i < textos.size(); ++i) {
    celdas += Record(0x00FD, CellHead(static_cast<std::uint16_t>(i / 16), i % 16) + Le32(i));
  }
  BiffBuilder libro = DeclaracionSintetica::Libro(100);
  libro.GlobalBytes(TablaDeTextos(textos)).Sheet("TEXTOS", celdas);
  EXPECT_GT(LeerYVerificar(libro.File()), 0);
}

TEST_F(LibrosHostiles, RunOverTheLargestDeclarationStaysWithinItsTimeBound) {
  const std::string archivo = DeclaracionSintetica::Archivo(65535);
  const auto comienzo = std::chrono::steady_clock::now();
  EXPECT_GE(LeerYVerificar(archivo), 15);
  EXPECT_LT(std::chrono::steady_clock::now() - comienzo, std::chrono::seconds(60));
}

// Regression: a sheet's table view takes memory for every row and column of
// its used range, so sheets of two cells far apart multiplied a small file
// many thousand times.
TEST_F(LibrosHostiles, SheetsSpreadFarBeyondWhatTheFileHoldsAreRefused) {
  BiffBuilder libro;
  for (int i = 0; i < 32; ++i) {
    libro.Sheet("H" + std::to_string(i), DeclaracionSintetica::Numero(0, 0, 1) +
                                            Record(0x0201, CellHead(65535, 65535)));
  }
  EXPECT_EQ(Leer(libro.File()).description(),
            "El archivo está dañado: sus hojas abarcan muchas más filas y columnas de las que "
            "el archivo llena");
}

}  // namespace
}  // namespace kaldoren
