#include "base/TextFileWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "Archivos.h"

namespace kaldoren {
namespace {

class TextFileWriterTest : public ::testing::Test {
 protected:
  std::string Contents() const { return testing::Contenido(path_); }

  testing::CarpetaTemporal folder_;
  std::string path_ = (folder_ / "ERRORES.TXT").string();
};

// Texts with line breaks of their own are written unchanged; raw lines keep
// their bytes; opening truncates an old file.
TEST_F(TextFileWriterTest, WritesWindows1252WithCrLfAfterEachLine) {
  testing::Guardar(path_, "contenido viejo y largo, más largo que el nuevo");
  TextFileWriter writer;
  ASSERT_TRUE(writer.Open(path_).ok());
  writer.WriteLine("Nº «año» €");
  writer.WriteLine("");
  writer.WriteLine("中x");
  writer.WriteLine("uno\r\ndos");
  writer.WriteLine("tres\n");
  writer.WriteRawLine("\xBA\xF1");
  ASSERT_TRUE(writer.Close().ok());
  EXPECT_EQ(Contents(),
            "N\xBA \xAB"
            "a\xF1o\xBB \x80\r\n\r\n?x\r\nuno\r\ndos\r\ntres\n\r\n\xBA\xF1\r\n");
}

TEST_F(TextFileWriterTest, AFolderThatDoesNotExistIsReportedInSpanish) {
  TextFileWriter writer;
  const Status status = writer.Open("/no-existe-kaldoren/ERRORES.TXT");
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.description(),
            "No se pudo crear el archivo /no-existe-kaldoren/ERRORES.TXT: "
            "no existe el archivo o la carpeta");
  writer.WriteLine("ignored");
  EXPECT_TRUE(writer.Close().ok());  // nothing was open
}

TEST_F(TextFileWriterTest, AFullDiskIsReportedWhenClosing) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  TextFileWriter writer;
  ASSERT_TRUE(writer.Open("/dev/full").ok());
  for (int i = 0; i < 10000; ++i) writer.WriteLine("una línea del informe");
  const Status status = writer.Close();
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.description(),
            "No se pudo escribir el archivo /dev/full: no queda espacio en el disco");
}

TEST_F(TextFileWriterTest, OpeningAgainClosesThePreviousFile) {
  TextFileWriter writer;
  ASSERT_TRUE(writer.Open(path_).ok());
  writer.WriteLine("primero");
  ASSERT_TRUE(writer.Open(path_ + ".2").ok());
  writer.WriteLine("segundo");
  ASSERT_TRUE(writer.Close().ok());
  EXPECT_EQ(Contents(), "primero\r\n");
}

}  // namespace
}  // namespace kaldoren
