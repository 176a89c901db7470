// CopiaMarcada: the marked copy of a verified workbook, an .xlsx written with
// libxlsxwriter. Its first sheet, HALLAZGOS, lists every finding (section,
// text, period, order number and a link to its first cell); then come the
// declaration sheets DATOSEMP, PAGOS and DATOSDOC, under their own names, with
// every cell where the workbook has it and as it was read: numbers as
// numbers, dates as dates shown dd/mm/yyyy, texts always as texts (a text
// that reads like a formula stays a text). The header row is bold and frozen;
// every cell a finding names is filled light red and carries a note with
// every finding on it.
//
// The file must open in any spreadsheet program without a repair prompt, so
// texts are made safe for the file's XML: invalid UTF-8 becomes U+FFFD,
// control characters other than tab and line breaks are dropped, and texts
// beyond the 32,767 characters a cell holds are cut there. Rows are written
// in order and kept on disk (libxlsxwriter's constant memory mode), so a large
// declaration costs little memory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Status.h"
#include "hallazgos/Hallazgo.h"
#include "workbook/Workbook.h"

namespace kaldoren {

class CopiaMarcada {
 public:
  // Writes the copy of libro marked with hallazgos (the findings of that
  // workbook) to ruta, replacing any file there.
  static Status Escribir(const Workbook& libro, const std::vector<Hallazgo>& hallazgos,
                         const std::string& ruta);

  // The file name of the marked copy of a workbook file name:
  // "DECLARACION.XLS" gives "DECLARACION_MARCADA.xlsx".
  static std::string NombreDeArchivo(const std::string& archivo);

  // A text as a cell of the copy may hold it (see above).
  static std::string TextoSeguro(std::string_view utf8);
};

}  // namespace kaldoren
