// DocumentoHallazgos: the findings of one verification as a JSON document
// (HALLAZGOS.JSON, and "kaldoren20 verificar --json"), one line of UTF-8 whose
// schema is docs/hallazgos.schema.json:
//   {"formato":"kaldoren20-hallazgos","version":1,"archivo":...,"procesado":...,
//    "inconsistencias":...,"hallazgos":[{"parte",...,"celdas":[...]}]}
// and, for a workbook that could not be checked,
//   {"formato":...,"version":1,"archivo":...,"error":{"titulo":...,"mensaje":...}}.
// Texts that are not valid UTF-8 (a damaged workbook's cells) are written with
// U+FFFD in place of each invalid sequence: the document is always valid JSON
// and writing it never throws.
#pragma once

#include <string>
#include <vector>

#include "hallazgos/Hallazgo.h"

namespace kaldoren {

class DocumentoHallazgos {
 public:
  // archivo is the file name as the report header writes it; procesado the
  // time of the run (HoraLocal); inconsistencias whether part a of the report
  // lists any (the exit status 1 of the command line).
  static std::string Texto(const std::string& archivo, const std::string& procesado,
                           bool inconsistencias, const std::vector<Hallazgo>& hallazgos);
  static std::string TextoDeError(const std::string& archivo, const std::string& titulo,
                                  const std::string& mensaje);
  // The local time now, ISO 8601 with its offset ("2024-05-02T14:03:07-03:00").
  static std::string HoraLocal();
};

}  // namespace kaldoren
