// Fuzz target of the .xlsx reader. Mutated zip bytes rarely survive the
// archive's compression, so an input is either a whole archive (it begins
// with "PK", as the seed workbooks do) or the XML of the parts the reader
// parses, separated by NUL bytes (which XML cannot hold): the sheet, the
// shared strings, the styles, the workbook and its relationships. Missing
// parts take those of a one-sheet workbook; the parts are stored unpacked in
// an archive built for each input, so every mutation reaches the XML.
//
// Any input must give a workbook or a described opening error, never a
// crash, a hang or a read out of bounds; a workbook of parts (whose size is
// the input's) must hold no more than HuellaDeLibro allows for its size.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "RecorridoDeLibro.h"
#include "ZipBuilder.h"

namespace {

using kaldoren::testing::ZipBuilder;

constexpr std::string_view kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view kRelationships =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string Archivo(std::string_view partes) {
  ZipBuilder::Members miembros = {
      {"[Content_Types].xml", "<Types/>"},
      {"xl/worksheets/sheet1.xml", ""},
      {"xl/sharedStrings.xml", "<sst/>"},
      {"xl/styles.xml", "<styleSheet/>"},
      {"xl/workbook.xml", "<workbook xmlns=\"" + std::string(kMain) + "\" xmlns:r=\"" +
                              std::string(kRelationships) +
                              "\"><sheets><sheet name=\"HOJA\" r:id=\"rId1\"/></sheets>"
                              "</workbook>"},
      {"xl/_rels/workbook.xml.rels",
       "<Relationships><Relationship Id=\"rId1\" Type=\"" + std::string(kRelationships) +
           "/worksheet\" Target=\"worksheets/sheet1.xml\"/></Relationships>"},
  };
  for (size_t i = 1; i < miembros.size() && !partes.empty(); ++i) {
    const size_t fin = std::min(partes.find('\0'), partes.size());
    miembros[i].bytes = std::string(partes.substr(0, fin));
    partes.remove_prefix(std::min(fin + 1, partes.size()));
  }
  return ZipBuilder::With(miembros, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view entrada(reinterpret_cast<const char*>(data), size);
  const bool de_partes = !entrada.starts_with("PK");
  const std::string archivo = de_partes ? Archivo(entrada) : std::string(entrada);
  kaldoren::fuzz::LeerYRecorrer(archivo, de_partes ? size : 0);
  return 0;
}
