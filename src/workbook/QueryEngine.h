// QueryEngine: runs one SQL statement of the report's small dialect over the
// sheets of a workbook and answers a snapshot recordset. The dialect is the
// one the report sections send: SELECT [TOP 1] * or a list of columns,
// aggregates (COUNT, SUM) and literal texts with AS aliases, FROM one
// bracketed sheet table, WHERE with AND/OR/NOT and the comparisons = <> > (and
// < >= <=), the functions ISNULL, TRIM, UCASE, MID, INSTR, YEAR, MONTH and
// FORMAT with "0000"/"00", "+" on texts and numbers, GROUP BY and ORDER BY
// (ascending), and an optional final ";". Anything else is refused with a
// Status naming the word that was not accepted; a column the sheet lacks is
// refused with "La hoja DATOSDOC$ no tiene la columna FECBAJA".
#pragma once

#include <memory>
#include <string_view>

#include "base/Status.h"
#include "workbook/Recordset.h"
#include "workbook/Workbook.h"

namespace kaldoren {

class QueryEngine {
 public:
  // The workbook must outlive the recordset.
  static Status Run(const Workbook& workbook, std::string_view sql,
                    std::unique_ptr<Recordset>* out);
};

}  // namespace kaldoren
