// SqlParser: reads the text of a query of the report's dialect into a
// SqlStatement. It checks the shape of the query only: keywords and their
// order, the functions and how many arguments they take (MID's start and
// length are whole numbers written in the query, FORMAT's pattern is a text of
// zeros), conditions where conditions belong and values where values belong,
// and COUNT/SUM only as whole columns of the SELECT list. Whether the sheet
// and its columns exist, and how GROUP BY fits the SELECT list, is the query
// engine's business. A refusal names the word it did not accept.
#pragma once

#include <string_view>

#include "base/Status.h"
#include "query/SqlStatement.h"

namespace kaldoren {

class SqlParser {
 public:
  // On failure *out is left partly filled and must not be used.
  static Status Parse(std::string_view sql, SqlStatement* out);
};

}  // namespace kaldoren
