// NumberFormats: tells from a cell's XF (its cell format) whether the number
// it holds is a date. The workbook's FORMAT records give format strings by id,
// its XF records give each XF's format id, in order (XF n is the nth record).
//
// A format is a date format when it is one of Excel's built-in date and time
// formats (ids 14-22, 45-47, and the East Asian ones 27-36, 50-58, 71-81) and
// the workbook does not redefine that id, or when its format string holds a
// day, month, year, hour or second token (d, m, y, h, s in any case) outside
// quoted texts, [bracketed] parts and the character after a backslash, an
// underscore or an asterisk (escapes, spacing and fill characters). So "h:mm"
// is a date format, "#,##0.00" and "0.00 \"días\"" are not.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kaldoren {

class NumberFormats {
 public:
  void AddFormat(std::uint16_t id, std::string_view format_string);
  void AddXf(std::uint16_t format_id);
  // True when XF xf formats numbers as dates; false for an XF the workbook
  // does not define. Inline: it is asked for every number of a sheet.
  bool IsDateXf(std::uint16_t xf) const {
    if (xf_is_date_.size() != xf_formats_.size()) Classify();
    return xf < xf_is_date_.size() && xf_is_date_[xf] != 0;
  }

  static bool IsBuiltInDate(std::uint16_t format_id);
  static bool IsDateFormatString(std::string_view format_string);

 private:
  bool IsDateFormat(std::uint16_t format_id) const;
  // Fills xf_is_date_ once every FORMAT and XF has been seen.
  void Classify() const;

  std::unordered_map<std::uint16_t, bool> defined_;  // format id -> is a date
  std::vector<std::uint16_t> xf_formats_;
  mutable std::vector<std::uint8_t> xf_is_date_;
};

}  // namespace kaldoren
