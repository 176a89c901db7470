#include "query/SqlEvaluator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/Calendar.h"
#include "base/Regional.h"
#include "base/Text.h"

namespace kaldoren {
namespace {

int Sign(int x) { return (x > 0) - (x < 0); }

int CompareNumbers(double x, double y) { return (x > y) - (x < y); }

char FoldAscii(unsigned char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 0x20 : c); }

// Compares two texts upper-cased, by code point. ASCII is folded in place;
// only a text with other letters pays for upper-casing its rest.
int CompareUpper(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x >= 0x80 || y >= 0x80) {
      return Sign(Text::Upper(a.substr(i)).compare(Text::Upper(b.substr(i))));
    }
    const char fx = FoldAscii(x);
    const char fy = FoldAscii(y);
    if (fx != fy) return fx < fy ? -1 : 1;
  }
  return CompareNumbers(static_cast<double>(a.size()), static_cast<double>(b.size()));
}

int CompareTexts(std::string_view a, std::string_view b) {
  const int c = CompareUpper(a, b);
  return c != 0 ? c : Sign(a.compare(b));
}

SqlTruth Truth(bool b) { return b ? SqlTruth::True : SqlTruth::False; }

SqlTruth Holds(SqlComparison comparison, int c) {
  switch (comparison) {
    case SqlComparison::Equal:
      return Truth(c == 0);
    case SqlComparison::NotEqual:
      return Truth(c != 0);
    case SqlComparison::Less:
      return Truth(c < 0);
    case SqlComparison::LessOrEqual:
      return Truth(c <= 0);
    case SqlComparison::Greater:
      return Truth(c > 0);
    case SqlComparison::GreaterOrEqual:
      return Truth(c >= 0);
  }
  return SqlTruth::Unknown;
}

// Rank of a kind in the order of GROUP BY and ORDER BY.
int Rank(Value::Kind kind) {
  switch (kind) {
    case Value::Kind::Empty:
      return 0;
    case Value::Kind::Number:
    case Value::Kind::Date:
      return 1;
    case Value::Kind::Text:
      return 2;
  }
  return 0;
}

// The characters [start, start + count) of a UTF-8 text, counted from 0 in
// code points, as a view of the text.
std::string_view MidView(std::string_view text, size_t start, size_t count) {
  size_t begin = 0;
  for (size_t i = 0; i < start && begin < text.size(); ++i) Text::NextCodePoint(text, &begin);
  size_t end = begin;
  for (size_t i = 0; i < count && end < text.size(); ++i) Text::NextCodePoint(text, &end);
  return text.substr(begin, end - begin);
}

// A whole number taken from a literal of the query, held to a sane size.
size_t WholeLiteral(const SqlExpression& e) {
  return static_cast<size_t>(std::min(e.literal.number(), 1e9));
}

}  // namespace

bool SqlDatum::AsNumber(double* out) const {
  switch (kind) {
    case Value::Kind::Number:
    case Value::Kind::Date:
      *out = number;
      return true;
    case Value::Kind::Text:
      return Regional::ParseNumber(text, out);
    case Value::Kind::Empty:
      break;
  }
  return false;
}

Value SqlDatum::ToValue() const {
  switch (kind) {
    case Value::Kind::Number:
      return Value::Number(number);
    case Value::Kind::Date:
      return Value::Date(number);
    case Value::Kind::Text:
      return Value::Text(std::string(text));
    case Value::Kind::Empty:
      break;
  }
  return Value();
}

void SqlEvaluator::StartRecord(size_t record) {
  cells_ = sheet_.RecordCells(record);
  texts_used_ = 0;
  // Queries walk the records in order and read a few cells of each, spread
  // over the record; a 65,000-record sheet is more than the processor's
  // cache holds, so the cells of a record a few places on are asked for now,
  // a cache line (four cells) at a time, to be at hand in their turn.
  constexpr size_t kAhead = 4;
  const std::span<const Cell> ahead = sheet_.RecordCells(record + kAhead);
  for (size_t i = 0; i < ahead.size(); i += 4) __builtin_prefetch(&ahead[i]);
}

SqlTruth SqlEvaluator::Test(const SqlExpression& e) {
  switch (e.node) {
    case SqlNode::Not: {
      const SqlTruth t = Test(*e.operands[0]);
      return t == SqlTruth::Unknown ? t : Truth(t == SqlTruth::False);
    }
    case SqlNode::And:
      return All(e, SqlTruth::False);
    case SqlNode::Or:
      return All(e, SqlTruth::True);
    case SqlNode::Compare: {
      const SqlDatum a = Evaluate(*e.operands[0]);
      return Compare(e.comparison, a, Evaluate(*e.operands[1]));
    }
    case SqlNode::Call:  // ISNULL, the only condition call
      return Truth(IsEmpty(*e.operands[0]));
    default:
      return SqlTruth::Unknown;
  }
}

// AND (decisive False) and OR (decisive True) over any number of operands:
// the first decisive operand decides; otherwise an unknown one makes the
// whole unknown.
SqlTruth SqlEvaluator::All(const SqlExpression& e, SqlTruth decisive) {
  bool unknown = false;
  for (const auto& operand : e.operands) {
    const SqlTruth t = Test(*operand);
    if (t == decisive) return t;
    unknown = unknown || t == SqlTruth::Unknown;
  }
  if (unknown) return SqlTruth::Unknown;
  return decisive == SqlTruth::False ? SqlTruth::True : SqlTruth::False;
}

SqlDatum SqlEvaluator::Evaluate(const SqlExpression& e) {
  switch (e.node) {
    case SqlNode::Column:
      return Column(e.column);
    case SqlNode::Literal:
      return e.literal.IsText() ? SqlDatum::Text(e.literal.text())
                                : SqlDatum::Number(e.literal.number());
    case SqlNode::Add: {
      const SqlDatum a = Evaluate(*e.operands[0]);
      return Add(a, Evaluate(*e.operands[1]));
    }
    case SqlNode::Call:
      return Call(e);
    default:
      return SqlDatum();
  }
}

SqlTruth SqlEvaluator::Compare(SqlComparison comparison, const SqlDatum& a, const SqlDatum& b) {
  if (a.IsEmpty() || b.IsEmpty()) return SqlTruth::Unknown;
  if (a.IsText() && b.IsText()) return Holds(comparison, CompareTexts(a.text, b.text));
  double x = 0;
  double y = 0;
  if (!a.AsNumber(&x) || !b.AsNumber(&y)) return SqlTruth::Unknown;
  return Holds(comparison, CompareNumbers(x, y));
}

int SqlEvaluator::Order(const SqlDatum& a, const SqlDatum& b) {
  const int ra = Rank(a.kind);
  const int rb = Rank(b.kind);
  if (ra != rb) return ra < rb ? -1 : 1;
  if (ra == 1) return CompareNumbers(a.number, b.number);
  if (ra == 2) return CompareTexts(a.text, b.text);
  return 0;
}

const Cell* SqlEvaluator::FindCell(int column) const { return sheet_.FindCell(cells_, column); }

bool SqlEvaluator::IsEmpty(const SqlExpression& value) {
  if (value.node != SqlNode::Column) return Evaluate(value).IsEmpty();
  const Cell* cell = FindCell(value.column);
  return cell == nullptr || cell->kind == CellKind::Blank || cell->kind == CellKind::Error;
}

SqlDatum SqlEvaluator::Column(int column) const {
  const Cell* cell = FindCell(column);
  if (cell == nullptr) return SqlDatum();
  switch (cell->kind) {
    case CellKind::Number:
    case CellKind::Boolean:
      return SqlDatum::Number(cell->number);
    case CellKind::Date:
      return SqlDatum::Date(cell->number);
    case CellKind::Text:
      return SqlDatum::Text(sheet_.TextOf(*cell));
    case CellKind::Blank:
    case CellKind::Error:
      break;
  }
  return SqlDatum();
}

SqlDatum SqlEvaluator::Add(const SqlDatum& a, const SqlDatum& b) {
  if (a.IsEmpty() || b.IsEmpty()) return SqlDatum();
  double x = 0;
  double y = 0;
  // Amounts typed as text are added like the numbers they are ("14" + "16"
  // is 30, not 1416); other texts are joined.
  const bool numbers = a.AsNumber(&x) && b.AsNumber(&y);
  if (a.IsText() && b.IsText() && !numbers) {
    std::string& joined = NewText();
    joined.assign(a.text);
    joined.append(b.text);
    return SqlDatum::Text(joined);
  }
  if (!numbers) return SqlDatum();
  return SqlDatum::Number(x + y);
}

SqlDatum SqlEvaluator::Call(const SqlExpression& call) {
  const SqlDatum d = Evaluate(*call.operands[0]);
  if (d.IsEmpty()) return d;
  switch (call.function) {
    case SqlFunction::Trim:
      return SqlDatum::Text(Text::Trim(TextForm(d)));
    case SqlFunction::UCase:
      return SqlDatum::Text(NewText() = Text::Upper(TextForm(d)));
    case SqlFunction::Mid:
      return SqlDatum::Text(MidView(TextForm(d), WholeLiteral(*call.operands[1]) - 1,
                                    WholeLiteral(*call.operands[2])));
    case SqlFunction::InStr: {
      const SqlDatum part = Evaluate(*call.operands[1]);
      if (part.IsEmpty()) return part;
      const std::string_view text = TextForm(d);
      const size_t found = text.empty() ? std::string_view::npos : text.find(TextForm(part));
      if (found == std::string_view::npos) return SqlDatum::Number(0);
      return SqlDatum::Number(static_cast<double>(Text::Length(text.substr(0, found)) + 1));
    }
    case SqlFunction::Year:
    case SqlFunction::Month:
      return DatePart(d, call.function == SqlFunction::Year);
    case SqlFunction::Format:
      return Zeros(d, call.operands[1]->literal.text().size());
    default:
      return SqlDatum();  // ISNULL, COUNT and SUM are not values of a row
  }
}

SqlDatum SqlEvaluator::DatePart(const SqlDatum& d, bool year) const {
  double day = 0;
  if (d.IsText()) {
    if (!Regional::ParseDate(d.text, &day)) return SqlDatum();
  } else {
    day = d.number;
  }
  // Day numbers outside the years 100 to 9999 are no date.
  static const double kFirst = Calendar::DayCount(100, 1, 1);
  static const double kEnd = Calendar::DayCount(10000, 1, 1);
  if (!(day >= kFirst && day < kEnd)) return SqlDatum();
  const CivilDate date = Calendar::DateOf(day);
  return SqlDatum::Number(year ? date.year : date.month);
}

// FORMAT with a pattern of zeros: the whole number (rounded half away from
// zero) with at least width digits; a text that is not a number stays as it is.
SqlDatum SqlEvaluator::Zeros(const SqlDatum& d, size_t width) {
  double x = 0;
  if (!d.AsNumber(&x)) return d;
  if (!std::isfinite(x)) return SqlDatum();
  x = std::round(x);
  char digits[400];
  const int n = std::snprintf(digits, sizeof digits, "%.0f", std::fabs(x));
  std::string& out = NewText();
  out.clear();
  if (x < 0) out.push_back('-');
  if (static_cast<size_t>(n) < width) out.append(width - n, '0');
  out.append(digits, static_cast<size_t>(n));
  return SqlDatum::Text(out);
}

std::string_view SqlEvaluator::TextForm(const SqlDatum& d) {
  if (d.IsText()) return d.text;
  if (d.IsEmpty()) return {};
  return NewText() = d.ToValue().TextForm();
}

std::string& SqlEvaluator::NewText() {
  if (texts_used_ == texts_.size()) texts_.emplace_back();
  return texts_[texts_used_++];
}

}  // namespace kaldoren
