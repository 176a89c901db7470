// RecorridoDeLibro: walks a workbook that read, as the queries and the cell
// listing would walk it, and aborts (a finding for the fuzzer) when its table
// view disagrees with its cells: a record's cell must read back as the cell it
// is, the first column name must be found first, every sheet must have its
// table name.
#pragma once

#include "workbook/Workbook.h"

namespace kaldoren::fuzz {

void RecorrerLibro(Workbook& libro);

}  // namespace kaldoren::fuzz
