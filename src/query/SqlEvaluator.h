// SqlEvaluator: evaluates the expressions of a query over one record of a
// sheet at a time, with the value rules of the dialect:
// - three-valued logic: a comparison with an empty value is unknown, NOT of
//   unknown is unknown, AND and OR as in SQL;
// - comparisons: number with number (a date by its day number); text with
//   text without regard to case, ties broken by the exact text; a number with
//   a numeric text (regional settings) as two numbers, with any other text
//   unknown;
// - "+": empty when either side is; two sides that read as numbers (numeric
//   texts included) are added; two texts otherwise are joined; a number and
//   a non-numeric text give empty;
// - the functions give empty for an empty argument; TRIM, UCASE, MID and
//   INSTR take a number or date by its text form; YEAR and MONTH take a number
//   as a day number and read a text as a date (empty when it is not one).
//
// Values are SqlDatum views: a text points into the workbook's strings, into
// the query text, or into the evaluator's own buffers, which are reused from
// one record to the next. So a datum stays valid until the next StartRecord;
// a datum of a plain column stays valid as long as the sheet. The Column nodes
// must carry their sheet column index. The sheet must outlive the evaluator.
#pragma once

#include <cstddef>
#include <deque>
#include <span>
#include <string>
#include <string_view>

#include "base/Value.h"
#include "query/SqlExpression.h"
#include "workbook/Cell.h"
#include "workbook/Sheet.h"

namespace kaldoren {

enum class SqlTruth { False, True, Unknown };

struct SqlDatum {
  Value::Kind kind = Value::Kind::Empty;
  double number = 0;      // Number, Date
  std::string_view text;  // Text

  static SqlDatum Number(double x) { return {Value::Kind::Number, x, {}}; }
  static SqlDatum Date(double day_count) { return {Value::Kind::Date, day_count, {}}; }
  static SqlDatum Text(std::string_view t) { return {Value::Kind::Text, 0, t}; }
  bool IsEmpty() const { return kind == Value::Kind::Empty; }
  bool IsText() const { return kind == Value::Kind::Text; }
  // Reads the datum as a number: a number or date as itself, a numeric text
  // by its value; false for an empty value or another text.
  bool AsNumber(double* out) const;
  // A Value holding a copy of the datum.
  Value ToValue() const;
};

class SqlEvaluator {
 public:
  explicit SqlEvaluator(const Sheet& sheet) : sheet_(sheet) {}
  SqlEvaluator(const SqlEvaluator&) = delete;
  SqlEvaluator& operator=(const SqlEvaluator&) = delete;

  // Makes record (counted from 0) the current one.
  void StartRecord(size_t record);

  SqlTruth Test(const SqlExpression& condition);
  SqlDatum Evaluate(const SqlExpression& value);
  // Whether a value is empty; a plain column is not read for that.
  bool IsEmpty(const SqlExpression& value);

  static SqlTruth Compare(SqlComparison comparison, const SqlDatum& a, const SqlDatum& b);
  // The order of GROUP BY and ORDER BY, negative, 0 or positive: empty values
  // first, then numbers and dates by value, then texts.
  static int Order(const SqlDatum& a, const SqlDatum& b);

 private:
  SqlTruth All(const SqlExpression& e, SqlTruth decisive);
  const Cell* FindCell(int column) const;
  SqlDatum Column(int column) const;
  SqlDatum Add(const SqlDatum& a, const SqlDatum& b);
  SqlDatum Call(const SqlExpression& call);
  SqlDatum DatePart(const SqlDatum& d, bool year) const;
  SqlDatum Zeros(const SqlDatum& d, size_t width);
  std::string_view TextForm(const SqlDatum& d);
  std::string& NewText();

  const Sheet& sheet_;
  std::span<const Cell> cells_;
  // Texts computed for the current record; kept between records so that
  // their memory is reused (a deque does not move what it holds).
  std::deque<std::string> texts_;
  size_t texts_used_ = 0;
};

}  // namespace kaldoren
