#include "query/SqlParser.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "base/Text.h"
#include "query/QueryEngine.h"
#include "query/SqlLexer.h"

namespace kaldoren {
namespace {

using Node = std::unique_ptr<SqlExpression>;

// Words that never name a column without brackets: the keywords of the
// dialect and the SQL words it does not accept, so that a query using them is
// refused by naming them.
constexpr std::string_view kReserved[] = {
    "SELECT",  "TOP",  "FROM",   "WHERE",    "GROUP",       "ORDER", "BY",        "AS",
    "AND",     "OR",   "NOT",    "DISTINCT", "DISTINCTROW", "LIKE",  "BETWEEN",   "IN",
    "IS",      "NULL", "JOIN",   "INNER",    "OUTER",       "UNION", "HAVING",    "ASC",
    "DESC",    "INTO", "INSERT", "UPDATE",   "DELETE",      "ALL",   "EXISTS",    "ON",
    "PERCENT", "WITH", "XOR",    "MOD",      "EQV",         "IMP",   "LIMIT",     "CASE",
    "WHEN",    "THEN", "ELSE",   "END",      "VALUES",      "SET",   "TRANSFORM", "PIVOT"};

struct FunctionName {
  std::string_view name;
  SqlFunction function;
  size_t arguments;
};

constexpr FunctionName kFunctions[] = {
    {"ISNULL", SqlFunction::IsNull, 1}, {"TRIM", SqlFunction::Trim, 1},
    {"UCASE", SqlFunction::UCase, 1},   {"MID", SqlFunction::Mid, 3},
    {"INSTR", SqlFunction::InStr, 2},   {"YEAR", SqlFunction::Year, 1},
    {"MONTH", SqlFunction::Month, 1},   {"FORMAT", SqlFunction::Format, 2},
    {"COUNT", SqlFunction::Count, 1},   {"SUM", SqlFunction::Sum, 1},
};

struct ComparisonSymbol {
  std::string_view symbol;
  SqlComparison comparison;
};

constexpr ComparisonSymbol kComparisons[] = {
    {"=", SqlComparison::Equal},   {"<>", SqlComparison::NotEqual},
    {"<", SqlComparison::Less},    {"<=", SqlComparison::LessOrEqual},
    {">", SqlComparison::Greater}, {">=", SqlComparison::GreaterOrEqual},
};

bool IsReserved(const SqlToken& token) {
  if (token.kind != SqlToken::Kind::Word) return false;
  const std::string upper = Text::Upper(token.text);
  for (const std::string_view word : kReserved) {
    if (upper == word) return true;
  }
  return false;
}

bool IsWholeNumber(const SqlToken& token) {
  return token.kind == SqlToken::Kind::Number && std::floor(token.number) == token.number;
}

Node MakeNode(SqlNode kind, std::string word) {
  auto node = std::make_unique<SqlExpression>();
  node->node = kind;
  node->word = std::move(word);
  return node;
}

class Parser {
 public:
  explicit Parser(std::vector<SqlToken> tokens) : tokens_(std::move(tokens)) {}

  Status Statement(SqlStatement* out) {
    if (!Peek().IsWord("SELECT")) return Expected("SELECT");
    ++pos_;
    Status status = Top(out);
    if (status.ok()) status = SelectList(out);
    if (status.ok()) status = From(out);
    if (status.ok()) status = Where(out);
    if (status.ok()) status = ColumnsAfter("GROUP", &out->group_by);
    if (status.ok()) status = ColumnsAfter("ORDER", &out->order_by);
    if (!status.ok()) return status;
    if (Peek().IsSymbol(";")) ++pos_;
    if (Peek().kind != SqlToken::Kind::End) return Expected("el final de la consulta");
    return Status::Ok();
  }

 private:
  const SqlToken& Peek(size_t ahead = 0) const {
    return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
  }

  Status Expected(const std::string& what) const {
    const SqlToken& found = Peek();
    if (found.kind == SqlToken::Kind::End) {
      return QueryEngine::Rejection("se esperaba " + what + " y la consulta terminó");
    }
    return QueryEngine::Rejection("se esperaba " + what + " y se encontró " + found.Shown());
  }

  Status ExpectSymbol(std::string_view symbol) {
    if (!Peek().IsSymbol(symbol)) return Expected(std::string(symbol));
    ++pos_;
    return Status::Ok();
  }

  Status Top(SqlStatement* out) {
    if (!Peek().IsWord("TOP")) return Status::Ok();
    ++pos_;
    if (!IsWholeNumber(Peek()) || Peek().number < 1) {
      return Expected("un número entero de filas después de TOP");
    }
    out->top = static_cast<size_t>(std::min(Peek().number, 1e15));
    ++pos_;
    return Status::Ok();
  }

  Status SelectList(SqlStatement* out) {
    if (Peek().IsSymbol("*")) {
      ++pos_;
      out->all_columns = true;
      return Status::Ok();
    }
    size_t unnamed = 0;
    while (true) {
      SqlSelectItem item;
      Status status = SelectItem(&item, &unnamed);
      if (!status.ok()) return status;
      out->items.push_back(std::move(item));
      if (!Peek().IsSymbol(",")) return Status::Ok();
      ++pos_;
    }
  }

  Status SelectItem(SqlSelectItem* item, size_t* unnamed) {
    Status status = Value(&item->expression);
    if (status.ok()) status = AggregatesOnlyAtTop(*item->expression, true);
    if (!status.ok()) return status;
    if (Peek().IsWord("AS")) {
      ++pos_;
      if (!IsName(Peek())) return Expected("un nombre después de AS");
      item->name = Peek().text;
      ++pos_;
    } else if (item->expression->node == SqlNode::Column) {
      item->name = item->expression->word;
    } else {
      item->name = "Expr" + std::to_string(1000 + (*unnamed)++);
    }
    return Status::Ok();
  }

  Status From(SqlStatement* out) {
    if (!Peek().IsWord("FROM")) return Expected("FROM");
    ++pos_;
    if (Peek().kind != SqlToken::Kind::Bracketed) {
      return Expected("el nombre de una hoja entre corchetes");
    }
    out->table = Peek().text;
    ++pos_;
    return Status::Ok();
  }

  Status Where(SqlStatement* out) {
    if (!Peek().IsWord("WHERE")) return Status::Ok();
    ++pos_;
    Status status = Condition(&out->where);
    if (status.ok()) status = AggregatesOnlyAtTop(*out->where, false);
    return status;
  }

  // GROUP BY or ORDER BY and its list of columns.
  Status ColumnsAfter(std::string_view keyword, std::vector<Node>* out) {
    if (!Peek().IsWord(keyword)) return Status::Ok();
    ++pos_;
    if (!Peek().IsWord("BY")) return Expected("BY");
    ++pos_;
    while (true) {
      if (!IsName(Peek()) || Peek(1).IsSymbol("(")) return Expected("una columna");
      out->push_back(ColumnNode());
      if (!Peek().IsSymbol(",")) return Status::Ok();
      ++pos_;
    }
  }

  bool IsName(const SqlToken& token) const {
    return token.kind == SqlToken::Kind::Bracketed ||
           (token.kind == SqlToken::Kind::Word && !IsReserved(token));
  }

  Node ColumnNode() {
    Node node = MakeNode(SqlNode::Column, Peek().text);
    ++pos_;
    return node;
  }

  // An expression that must answer true, false or unknown.
  Status Condition(Node* out) {
    const size_t start = pos_;
    Status status = Or(out);
    if (status.ok() && !(*out)->IsCondition()) return NotACondition(start);
    return status;
  }

  // A value stands where a condition belongs. When a word follows that the
  // dialect does not accept there (LIKE, IS, IN), that word is the culprit.
  Status NotACondition(size_t start) {
    const SqlToken& next = Peek();
    const bool ends = next.kind == SqlToken::Kind::End || next.IsSymbol(")") ||
                      next.IsSymbol(";") || next.IsWord("AND") || next.IsWord("OR") ||
                      next.IsWord("GROUP") || next.IsWord("ORDER");
    if (!ends) return Expected("una comparación");
    return NotA("una condición", start);
  }

  // An expression that must answer a value.
  Status Value(Node* out) {
    const size_t start = pos_;
    Status status = Or(out);
    if (status.ok() && (*out)->IsCondition()) return NotA("un valor", start);
    return status;
  }

  Status NotA(const std::string& what, size_t start) {
    pos_ = start;
    return Expected(what);
  }

  Status Or(Node* out) { return Logical("OR", SqlNode::Or, &Parser::And, out); }
  Status And(Node* out) { return Logical("AND", SqlNode::And, &Parser::Not, out); }

  Status Logical(std::string_view keyword, SqlNode kind, Status (Parser::*operand)(Node*),
                 Node* out) {
    const size_t start = pos_;
    Status status = (this->*operand)(out);
    if (!status.ok() || !Peek().IsWord(keyword)) return status;
    if (!(*out)->IsCondition()) return NotACondition(start);
    // a AND b AND (c AND d) is one node of four operands: AND and OR are
    // associative in three-valued logic too, and a flat list is quicker to
    // test on every record.
    Node joined = MakeNode(kind, (*out)->word);
    Join(std::move(*out), &joined);
    while (Peek().IsWord(keyword)) {
      ++pos_;
      const size_t right_start = pos_;
      Node right;
      status = (this->*operand)(&right);
      if (!status.ok()) return status;
      if (!right->IsCondition()) return NotACondition(right_start);
      Join(std::move(right), &joined);
    }
    *out = std::move(joined);
    return Status::Ok();
  }

  static void Join(Node operand, Node* joined) {
    if (operand->node != (*joined)->node) {
      (*joined)->operands.push_back(std::move(operand));
      return;
    }
    for (Node& inner : operand->operands) (*joined)->operands.push_back(std::move(inner));
  }

  Status Not(Node* out) {
    if (!Peek().IsWord("NOT")) return Comparison(out);
    ++pos_;
    Node negated = MakeNode(SqlNode::Not, "NOT");
    Node operand;
    const size_t start = pos_;
    Status status = Nested(&Parser::Not, &operand);
    if (!status.ok()) return status;
    if (!operand->IsCondition()) return NotACondition(start);
    negated->operands.push_back(std::move(operand));
    *out = std::move(negated);
    return Status::Ok();
  }

  Status Comparison(Node* out) {
    const size_t start = pos_;
    Status status = Sum(out);
    if (!status.ok()) return status;
    for (const ComparisonSymbol& c : kComparisons) {
      if (!Peek().IsSymbol(c.symbol)) continue;
      if ((*out)->IsCondition()) return NotA("un valor", start);
      ++pos_;
      Node right;
      status = ValueOperand(&Parser::Sum, &right);
      if (!status.ok()) return status;
      Node compared = MakeNode(SqlNode::Compare, (*out)->word);
      compared->comparison = c.comparison;
      compared->operands.push_back(std::move(*out));
      compared->operands.push_back(std::move(right));
      *out = std::move(compared);
      return Status::Ok();
    }
    return Status::Ok();
  }

  // a + b + c is ((a + b) + c): each "+" nests the sum one level deeper.
  Status Sum(Node* out) {
    const size_t start = pos_;
    Status status = Primary(out);
    if (!status.ok() || !Peek().IsSymbol("+")) return status;
    if ((*out)->IsCondition()) return NotA("un valor", start);
    const int levels = levels_;
    while (status.ok() && Peek().IsSymbol("+")) {
      ++pos_;
      Node right;
      status = Deeper();
      if (status.ok()) status = ValueOperand(&Parser::Primary, &right);
      if (!status.ok()) break;
      Node added = MakeNode(SqlNode::Add, (*out)->word);
      added->operands.push_back(std::move(*out));
      added->operands.push_back(std::move(right));
      *out = std::move(added);
    }
    levels_ = levels;
    return status;
  }

  Status ValueOperand(Status (Parser::*operand)(Node*), Node* out) {
    const size_t start = pos_;
    Status status = Nested(operand, out);
    if (status.ok() && (*out)->IsCondition()) return NotA("un valor", start);
    return status;
  }

  // Parses an operand one level deeper than what holds it.
  Status Nested(Status (Parser::*operand)(Node*), Node* out) {
    const int levels = levels_;
    Status status = Deeper();
    if (status.ok()) status = (this->*operand)(out);
    levels_ = levels;
    return status;
  }

  // Parentheses, NOT, function calls and sums nest an expression; a bound on
  // the levels keeps parsing, evaluating and releasing the expression within
  // the stack whatever the text.
  Status Deeper() {
    if (++levels_ > kMaxLevels) {
      return QueryEngine::Rejection("la consulta anida más de " + std::to_string(kMaxLevels) +
                                    " expresiones");
    }
    return Status::Ok();
  }

  Status Primary(Node* out) {
    const SqlToken& token = Peek();
    if (token.IsSymbol("(")) {
      ++pos_;
      Status status = Nested(&Parser::Or, out);
      if (status.ok()) status = ExpectSymbol(")");
      return status;
    }
    if (token.kind == SqlToken::Kind::Number || token.kind == SqlToken::Kind::Text) {
      *out = MakeNode(SqlNode::Literal, token.text);
      (*out)->literal = token.kind == SqlToken::Kind::Number ? Value::Number(token.number)
                                                             : Value::Text(token.text);
      ++pos_;
      return Status::Ok();
    }
    if (!IsName(token)) return Expected("una columna, un texto o un número");
    if (token.kind == SqlToken::Kind::Word && Peek(1).IsSymbol("(")) return Call(out);
    *out = ColumnNode();
    return Status::Ok();
  }

  Status Call(Node* out) {
    const std::string upper = Text::Upper(Peek().text);
    const FunctionName* found = nullptr;
    for (const FunctionName& f : kFunctions) {
      if (upper == f.name) found = &f;
    }
    if (found == nullptr) {
      return QueryEngine::Rejection("no se admite la función " + Peek().Shown());
    }
    Node call = MakeNode(SqlNode::Call, Peek().text);
    call->function = found->function;
    pos_ += 2;
    while (true) {
      Node argument;
      Status status = ValueOperand(&Parser::Or, &argument);
      if (!status.ok()) return status;
      call->operands.push_back(std::move(argument));
      if (!Peek().IsSymbol(",")) break;
      ++pos_;
    }
    Status status = ExpectSymbol(")");
    if (status.ok()) status = CheckArguments(*found, *call);
    if (status.ok()) *out = std::move(call);
    return status;
  }

  static Status CheckArguments(const FunctionName& f, const SqlExpression& call) {
    const size_t given = call.operands.size();
    if (given != f.arguments) {
      return QueryEngine::Rejection(call.word + " lleva " + std::to_string(f.arguments) +
                                    (f.arguments == 1 ? " argumento" : " argumentos") +
                                    " y se encontraron " + std::to_string(given));
    }
    if (f.function == SqlFunction::Mid) return CheckMid(call);
    if (f.function == SqlFunction::Format) return CheckPattern(call);
    return Status::Ok();
  }

  // MID(text, start, length): start from 1 and length from 0, written as
  // whole numbers.
  static Status CheckMid(const SqlExpression& call) {
    for (size_t i = 1; i < 3; ++i) {
      const SqlExpression& a = *call.operands[i];
      const bool whole = a.node == SqlNode::Literal && a.literal.IsNumber() &&
                         std::floor(a.literal.number()) == a.literal.number() &&
                         a.literal.number() >= (i == 1 ? 1 : 0);
      if (!whole) {
        return QueryEngine::Rejection(
            call.word + " lleva como " +
            (i == 1 ? "comienzo un número entero desde 1" : "largo un número entero desde 0") +
            " y se encontró '" + a.word + "'");
      }
    }
    return Status::Ok();
  }

  // FORMAT(value, "0000"): a pattern of zeros, the whole number padded to it.
  static Status CheckPattern(const SqlExpression& call) {
    const SqlExpression& p = *call.operands[1];
    const bool zeros = p.node == SqlNode::Literal && p.literal.IsText() &&
                       !p.literal.text().empty() &&
                       p.literal.text().find_first_not_of('0') == std::string::npos;
    if (!zeros) return QueryEngine::Rejection("no se admite el formato '" + p.word + "'");
    return Status::Ok();
  }

  // COUNT and SUM stand only as a whole column of the SELECT list.
  static Status AggregatesOnlyAtTop(const SqlExpression& e, bool top) {
    if (e.IsAggregate() && !top) {
      return QueryEngine::Rejection(e.word + " solo se admite como columna del SELECT");
    }
    for (const Node& operand : e.operands) {
      Status status = AggregatesOnlyAtTop(*operand, false);
      if (!status.ok()) return status;
    }
    return Status::Ok();
  }

  static constexpr int kMaxLevels = 200;

  std::vector<SqlToken> tokens_;
  size_t pos_ = 0;
  int levels_ = 0;
};

}  // namespace

Status SqlParser::Parse(std::string_view sql, SqlStatement* out) {
  std::vector<SqlToken> tokens;
  const Status status = SqlLexer::Split(sql, &tokens);
  if (!status.ok()) return status;
  return Parser(std::move(tokens)).Statement(out);
}

}  // namespace kaldoren
