#include "workbook/NumberFormats.h"

namespace kaldoren {

void NumberFormats::AddFormat(std::uint16_t id, std::string_view format_string) {
  defined_[id] = IsDateFormatString(format_string);
  xf_is_date_.clear();
}

void NumberFormats::AddXf(std::uint16_t format_id) {
  xf_formats_.push_back(format_id);
  xf_is_date_.clear();
}

bool NumberFormats::IsBuiltInDate(std::uint16_t id) {
  return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
         (id >= 50 && id <= 58) || (id >= 71 && id <= 81);
}

bool NumberFormats::IsDateFormatString(std::string_view format) {
  // "General" and "@" hold no token, so they fall out as numbers below.
  bool quoted = false;
  bool bracketed = false;
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (quoted) {
      quoted = c != '"';
    } else if (bracketed) {
      bracketed = c != ']';
    } else if (c == '"') {
      quoted = true;
    } else if (c == '[') {
      bracketed = true;
    } else if (c == '\\' || c == '_' || c == '*') {
      ++i;  // an escaped, spacing or fill character is not a token
    } else if (std::string_view("dDmMyYhHsS").find(c) != std::string_view::npos) {
      return true;
    }
  }
  return false;
}

bool NumberFormats::IsDateFormat(std::uint16_t id) const {
  const auto it = defined_.find(id);
  return it != defined_.end() ? it->second : IsBuiltInDate(id);
}

void NumberFormats::Classify() const {
  xf_is_date_.resize(xf_formats_.size());
  for (size_t i = 0; i < xf_formats_.size(); ++i) xf_is_date_[i] = IsDateFormat(xf_formats_[i]);
}

}  // namespace kaldoren
