// SqlStatement: a parsed SELECT of the report's dialect, as SqlParser builds
// it and QueryEngine runs it. It owns its expression trees.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "query/SqlExpression.h"

namespace kaldoren {

struct SqlSelectItem {
  std::unique_ptr<SqlExpression> expression;
  // The result column's name: the alias, else the column's name as written,
  // else Expr1000, Expr1001, ... by the position among unnamed items.
  std::string name;
};

struct SqlStatement {
  size_t top = 0;                                        // TOP n; 0 when there is no TOP
  bool all_columns = false;                              // SELECT *
  std::vector<SqlSelectItem> items;                      // empty for SELECT *
  std::string table;                                     // the name inside the brackets: DATOSDOC$
  std::unique_ptr<SqlExpression> where;                  // a condition, or null
  std::vector<std::unique_ptr<SqlExpression>> group_by;  // Column nodes
  std::vector<std::unique_ptr<SqlExpression>> order_by;  // Column nodes
};

}  // namespace kaldoren
