// RecorridoDeLibro: walks a workbook that read, as the queries and the cell
// listing would walk it, and aborts (a finding for the fuzzer) when its table
// view disagrees with its cells: a record's cell must read back as the cell it
// is, the first column name must be found first, every sheet must have its
// table name.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/Status.h"
#include "workbook/Workbook.h"

namespace kaldoren::fuzz {

// Checks what reading a workbook gave: a workbook or a described opening
// error. A workbook that reads is walked and, when tamano_de_entrada is not 0,
// must hold no more than HuellaDeLibro allows for an input of that size.
// Aborts on any finding.
void Revisar(const Status& estado, Workbook& libro, std::size_t tamano_de_entrada);

// Reads the bytes of a workbook file as the program would and checks the
// answer (Revisar).
void LeerYRecorrer(std::string_view archivo, std::size_t tamano_de_entrada);

}  // namespace kaldoren::fuzz
