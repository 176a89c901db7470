#include "base/Value.h"

#include "base/Format.h"
#include "base/Regional.h"
#include "base/Text.h"

namespace kaldoren {

std::string Value::TextForm() const {
  switch (kind_) {
    case Kind::Empty:
      return std::string();
    case Kind::Number:
      return Regional::NumberText(number_);
    case Kind::Text:
      return text_;
    case Kind::Date:
      return Format::DayMonthYear(number_);
  }
  return std::string();
}

bool Value::IsBlank() const {
  if (kind_ == Kind::Empty) return true;
  if (kind_ == Kind::Text) return kaldoren::Text::Trim(text_).empty();
  return false;
}

bool Value::AsNumber(double* out) const {
  switch (kind_) {
    case Kind::Number:
    case Kind::Date:
      *out = number_;
      return true;
    case Kind::Text:
      return Regional::ParseNumber(text_, out);
    case Kind::Empty:
      break;
  }
  return false;
}

}  // namespace kaldoren
