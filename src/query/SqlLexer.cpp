#include "query/SqlLexer.h"

#include <charconv>

#include "base/Text.h"
#include "query/QueryEngine.h"

namespace kaldoren {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Letters of other alphabets (any byte of a UTF-8 sequence) may name columns.
bool StartsWord(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_' || b >= 0x80;
}

bool ContinuesWord(char c) { return StartsWord(c) || IsDigit(c); }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

class Cutter {
 public:
  explicit Cutter(std::string_view sql) : sql_(sql) {}

  Status Run(std::vector<SqlToken>* out) {
    while (true) {
      while (pos_ < sql_.size() && IsSpace(sql_[pos_])) ++pos_;
      SqlToken token;
      if (pos_ >= sql_.size()) {
        out->push_back(token);
        return Status::Ok();
      }
      const Status status = Next(&token);
      if (!status.ok()) return status;
      out->push_back(std::move(token));
    }
  }

 private:
  Status Next(SqlToken* token) {
    const char c = sql_[pos_];
    if (StartsWord(c)) return Word(token);
    if (IsDigit(c)) return Number(token);
    if (c == '[') return Bracketed(token);
    if (c == '\'' || c == '"') return Quoted(token);
    return Symbol(token);
  }

  Status Word(SqlToken* token) {
    const size_t start = pos_;
    while (pos_ < sql_.size() && ContinuesWord(sql_[pos_])) ++pos_;
    token->kind = SqlToken::Kind::Word;
    token->text = std::string(sql_.substr(start, pos_ - start));
    return Status::Ok();
  }

  Status Number(SqlToken* token) {
    const size_t start = pos_;
    while (pos_ < sql_.size() && IsDigit(sql_[pos_])) ++pos_;
    if (pos_ + 1 < sql_.size() && sql_[pos_] == '.' && IsDigit(sql_[pos_ + 1])) {
      ++pos_;
      while (pos_ < sql_.size() && IsDigit(sql_[pos_])) ++pos_;
    }
    token->kind = SqlToken::Kind::Number;
    token->text = std::string(sql_.substr(start, pos_ - start));
    // from_chars reads "." as the decimal point whatever the locale.
    std::from_chars(token->text.data(), token->text.data() + token->text.size(), token->number);
    return Status::Ok();
  }

  Status Bracketed(SqlToken* token) {
    const size_t close = sql_.find(']', pos_ + 1);
    if (close == std::string_view::npos) {
      return QueryEngine::Rejection("falta cerrar el corchete de '" +
                                    std::string(sql_.substr(pos_)) + "'");
    }
    const std::string_view name = sql_.substr(pos_ + 1, close - pos_ - 1);
    if (Text::Trim(name).empty()) {
      return QueryEngine::Rejection("se encontró un nombre vacío entre corchetes");
    }
    token->kind = SqlToken::Kind::Bracketed;
    token->text = std::string(name);
    pos_ = close + 1;
    return Status::Ok();
  }

  // A doubled quote inside stands for one quote.
  Status Quoted(SqlToken* token) {
    const char quote = sql_[pos_];
    const size_t start = pos_;
    std::string text;
    for (++pos_; pos_ < sql_.size(); ++pos_) {
      if (sql_[pos_] != quote) {
        text.push_back(sql_[pos_]);
      } else if (pos_ + 1 < sql_.size() && sql_[pos_ + 1] == quote) {
        text.push_back(quote);
        ++pos_;
      } else {
        ++pos_;
        token->kind = SqlToken::Kind::Text;
        token->text = std::move(text);
        token->double_quoted = quote == '"';
        return Status::Ok();
      }
    }
    return QueryEngine::Rejection("falta cerrar el texto " + std::string(sql_.substr(start)));
  }

  Status Symbol(SqlToken* token) {
    static constexpr std::string_view kTwo[] = {"<>", "<=", ">="};
    for (const std::string_view two : kTwo) {
      if (sql_.substr(pos_, 2) == two) return Take(two, token);
    }
    static constexpr std::string_view kOne = "(),*+=<>;";
    if (kOne.find(sql_[pos_]) != std::string_view::npos) return Take(sql_.substr(pos_, 1), token);
    size_t end = pos_;
    Text::NextCodePoint(sql_, &end);
    return QueryEngine::Rejection("no se admite '" + std::string(sql_.substr(pos_, end - pos_)) +
                                  "'");
  }

  Status Take(std::string_view symbol, SqlToken* token) {
    token->kind = SqlToken::Kind::Symbol;
    token->text = std::string(symbol);
    pos_ += symbol.size();
    return Status::Ok();
  }

  std::string_view sql_;
  size_t pos_ = 0;
};

}  // namespace

std::string SqlToken::Shown() const {
  switch (kind) {
    case Kind::Bracketed:
      return "'[" + text + "]'";
    case Kind::Text:
      return double_quoted ? "\"" + text + "\"" : "'" + text + "'";
    default:
      return "'" + text + "'";
  }
}

bool SqlToken::IsWord(std::string_view keyword) const {
  return kind == Kind::Word && text.size() == keyword.size() && Text::Upper(text) == keyword;
}

Status SqlLexer::Split(std::string_view sql, std::vector<SqlToken>* out) {
  out->clear();
  return Cutter(sql).Run(out);
}

}  // namespace kaldoren
