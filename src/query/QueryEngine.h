// QueryEngine: runs one SQL statement of the report's small dialect over the
// sheets of a workbook and answers a snapshot recordset. The dialect is the
// one the report sections send: SELECT [TOP n] * or a list of columns,
// aggregates (COUNT, SUM) and literal texts with AS aliases, FROM one
// bracketed sheet table, WHERE with AND/OR/NOT and the comparisons = <> > (and
// < >= <=), the functions ISNULL, TRIM, UCASE, MID, INSTR, YEAR, MONTH and
// FORMAT with a pattern of zeros ("0000", "00"), "+" on texts and numbers,
// GROUP BY and ORDER BY (ascending, columns only), and an optional final ";".
//
// Semantics: three-valued logic (a comparison with an empty value is
// unknown; WHERE keeps a row only when its condition is true). Numbers and
// dates compare by value; texts compare without regard to case, ties broken
// by the exact text, so "=" between texts is exact; a number against a text
// compares numbers when the text is numeric under the regional settings and is
// unknown otherwise. GROUP BY answers its groups in ascending key order (empty
// first, then numbers and dates, then texts), each showing its first row;
// ORDER BY sorts in the same order and is stable. INSTR is case-sensitive
// (its only use, INSTR(UCASE(PERLIQ),'SAC'), upper-cases first).
//
// Anything else is refused with a Status naming the word that was not
// accepted ("Consulta no admitida: se esperaba FROM y se encontró 'XYZ'"); a
// sheet the workbook lacks gives "El libro no tiene la hoja DATOSDOC$" and a
// column the sheet lacks "La hoja DATOSDOC$ no tiene la columna FECBAJA" (the
// table name in capitals, the column as the query writes it), both before any
// row is read.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "base/Status.h"
#include "query/Recordset.h"
#include "workbook/Workbook.h"

namespace kaldoren {

class QueryEngine {
 public:
  // Error numbers of the answers.
  static constexpr int kConsultaNoAdmitida = 3075;
  static constexpr int kHojaInexistente = 3078;
  static constexpr int kColumnaInexistente = 3061;

  // The workbook must outlive the recordset. *out is left alone on failure.
  static Status Run(const Workbook& workbook, std::string_view sql,
                    std::unique_ptr<Recordset>* out);

  // The refusal of a query outside the dialect: "Consulta no admitida: " and
  // the detail.
  static Status Rejection(const std::string& detail);
};

}  // namespace kaldoren
