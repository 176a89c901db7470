// Fuzz target of the .ods reader. Mutated zip bytes rarely survive the
// archive's compression, so an input is either a whole archive (it begins
// with "PK", as the seed workbooks do) or the XML of its content.xml, stored
// unpacked beside a mimetype member in an archive built for each input, so
// every mutation reaches the XML (fuzz/ods.dict holds its names).
//
// Any input must give a workbook or a described opening error, never a
// crash, a hang or a read out of bounds; a workbook of content XML (whose
// size is the input's) must hold no more than HuellaDeLibro allows for its
// size, repetitions of cells and rows included.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "RecorridoDeLibro.h"
#include "ZipBuilder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using kaldoren::testing::ZipBuilder;
  const std::string_view entrada(reinterpret_cast<const char*>(data), size);
  const bool de_contenido = !entrada.starts_with("PK");
  const std::string archivo =
      de_contenido
          ? ZipBuilder::With({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                              {"content.xml", std::string(entrada)}},
                             true)
          : std::string(entrada);
  kaldoren::fuzz::LeerYRecorrer(archivo, de_contenido ? size : 0);
  return 0;
}
