// SqlExpression: one node of a parsed query expression, owning its operands.
// Conditions (NOT, AND, OR, comparisons, ISNULL) answer true, false or
// unknown; every other node answers a value. AND and OR hold two or more
// operands (a chain a AND b AND c is one node). The parser builds the tree; the
// query engine then writes the sheet column index into each Column node, so a
// tree belongs to one query run over one sheet.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/Value.h"

namespace kaldoren {

enum class SqlNode { Column, Literal, Not, And, Or, Compare, Add, Call };

enum class SqlComparison { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };

enum class SqlFunction { IsNull, Trim, UCase, Mid, InStr, Year, Month, Format, Count, Sum };

struct SqlExpression {
  SqlNode node = SqlNode::Literal;
  // The first word of the expression as the query writes it, for messages;
  // for a Column, its name.
  std::string word;
  Value literal;                                    // Literal
  SqlComparison comparison = SqlComparison::Equal;  // Compare
  SqlFunction function = SqlFunction::Trim;         // Call
  std::vector<std::unique_ptr<SqlExpression>> operands;
  int column = -1;  // Column: index in the sheet, set by the query engine

  bool IsCondition() const {
    return node == SqlNode::Not || node == SqlNode::And || node == SqlNode::Or ||
           node == SqlNode::Compare || (node == SqlNode::Call && function == SqlFunction::IsNull);
  }
  bool IsAggregate() const {
    return node == SqlNode::Call &&
           (function == SqlFunction::Count || function == SqlFunction::Sum);
  }
};

}  // namespace kaldoren
