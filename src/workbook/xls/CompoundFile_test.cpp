#include "workbook/xls/CompoundFile.h"

#include <gtest/gtest.h>

#include "Archivos.h"
#include "workbook/xls/testing/BiffBuilder.h"

namespace kaldoren {
namespace {

using testing::BiffBuilder;
using testing::Le16;
using testing::Record;

Status ReadBytes(const std::string& bytes, WorkbookStream* stream = nullptr) {
  WorkbookStream ignored;
  return CompoundFile::ReadBytes(bytes, stream != nullptr ? stream : &ignored);
}

void ExpectError(const Status& status, int number, const std::string& description) {
  EXPECT_EQ(status.number(), number);
  EXPECT_EQ(status.description(), description);
}

TEST(CompoundFile, MissingFileFolderOrEmptyFileIsNamed) {
  WorkbookStream stream;
  ExpectError(CompoundFile::ReadFile("/no/existe/PLANILLA.XLS", &stream), 101,
              "No se encontró el archivo /no/existe/PLANILLA.XLS");
  const testing::CarpetaTemporal carpeta;
  ExpectError(CompoundFile::ReadFile(carpeta.ruta().string(), &stream), 102,
              "No se pudo abrir el archivo " + carpeta.ruta().string() + ": es una carpeta");
  testing::Guardar(carpeta / "libro.xls", "");
  ExpectError(CompoundFile::ReadFile((carpeta / "libro.xls").string(), &stream), 103,
              "El archivo está vacío");
}

TEST(CompoundFile, FilesThatAreNotExcel97WorkbooksSayWhatTheyAre) {
  const std::string old =
      "El archivo es un libro de Excel 2.x-4.x, que no se puede leer; guárdelo como Excel 97-2003";
  const auto old_sheet = [](std::uint16_t bof) {
    return Record(bof, Le16(0) + Le16(0x0010)) + Record(0x000A, "");
  };
  const struct {
    const char* what;
    std::string bytes;
    int number;
    std::string description;
  } cases[] = {
      {"empty", "", 103, "El archivo está vacío"},
      {"Excel 2", old_sheet(0x0009), 107, old},
      {"Excel 3", old_sheet(0x0209), 107, old},
      {"Excel 4", old_sheet(0x0409), 107, old},
      {"a compound file without a Workbook stream",
       BiffBuilder::CompoundFileWith(
           {{"WordDocument", "word"}, {"\x05SummaryInformation", "summary"}}),
       109, "El archivo no contiene un libro de Excel (no tiene la secuencia Workbook)"},
      {"encrypted xlsx",
       BiffBuilder::CompoundFileWith({{"EncryptionInfo", "info"}, {"EncryptedPackage", "package"}}),
       108, "El archivo está protegido con contraseña"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectError(ReadBytes(c.bytes), c.number, c.description);
  }
}

// The Workbook stream is preferred to Book and found in any case; a bare
// Excel 97 stream is taken as it is.
TEST(CompoundFile, FindsTheStreamOfTheWorkbookAndSaysWhereItWas) {
  const std::string bare = BiffBuilder().Stream();
  const struct {
    std::string bytes;
    StreamOrigin origin;
    std::string stream;
  } cases[] = {
      {bare, StreamOrigin::kBare, bare},
      {BiffBuilder::CompoundFileWith({{"Book", "excel 5"}, {"Workbook", "excel 97"}}),
       StreamOrigin::kWorkbook, "excel 97"},
      {BiffBuilder::CompoundFileWith({{"BOOK", "excel 5"}}), StreamOrigin::kBook, "excel 5"},
  };
  for (const auto& c : cases) {
    WorkbookStream stream;
    ASSERT_TRUE(ReadBytes(c.bytes, &stream).ok()) << c.stream;
    EXPECT_EQ(stream.origin, c.origin) << c.stream;
    EXPECT_EQ(stream.bytes(), c.stream);
  }
}

TEST(CompoundFile, StreamOverTheLimitIsRefusedBeforeReadingIt) {
  const std::string file = BiffBuilder::CompoundFileWith({{"Workbook", std::string(5000, 'x')}});
  WorkbookStream stream;
  ExpectError(CompoundFile::ReadBytes(file, &stream, 4999), 110,
              "El libro es demasiado grande: su secuencia Workbook pasa de 512 MB");
  EXPECT_TRUE(stream.bytes().empty());
  EXPECT_TRUE(CompoundFile::ReadBytes(file, &stream, 5000).ok());
}

}  // namespace
}  // namespace kaldoren
