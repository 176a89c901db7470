// SqlLexer: cuts the text of a query into the tokens of the report's SQL
// dialect: words (SELECT, PERLIQ, Format), sheet or column names in brackets
// ([DATOSDOC$], [LICS/S]), whole or decimal numbers written with ".", texts in
// single quotes ('' inside is one quote; '' alone is the empty text) and in
// double quotes ("0000", "/"), and the symbols ( ) , * + = <> < > <= >= ;.
// Any other character, an unclosed quote or an unclosed bracket refuses the
// query with a Status that names what was found. The tokens are owned by the
// caller and do not refer to the query text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Status.h"

namespace kaldoren {

struct SqlToken {
  enum class Kind { Word, Bracketed, Number, Text, End, Symbol };

  Kind kind = Kind::End;
  // Word: as written; Bracketed: the name inside the brackets; Number: the
  // digits; Text: the text without its quotes; Symbol: the symbol.
  std::string text;
  double number = 0;           // Number only
  bool double_quoted = false;  // Text only: written in double quotes

  // The token as the messages quote it: 'XYZ', '[LICS/S]', "0000".
  std::string Shown() const;
  bool IsSymbol(std::string_view symbol) const { return kind == Kind::Symbol && text == symbol; }
  // A word equal to keyword without regard to case (keyword in capitals).
  bool IsWord(std::string_view keyword) const;
};

class SqlLexer {
 public:
  // Splits sql into *out, which always ends with an End token when ok.
  static Status Split(std::string_view sql, std::vector<SqlToken>* out);
};

}  // namespace kaldoren
