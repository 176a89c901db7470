#include "workbook/ods/OdsValue.h"

#include <charconv>
#include <system_error>

#include "base/Calendar.h"

namespace kaldoren {
namespace {

constexpr double kSecondsPerDay = 86400;

// Reads the digits at the front of *text (at most max_digits, at least one)
// into *out and removes them.
bool TakeDigits(std::string_view* text, int max_digits, int* out) {
  int value = 0;
  int count = 0;
  while (count < static_cast<int>(text->size()) && count < max_digits && (*text)[count] >= '0' &&
         (*text)[count] <= '9') {
    value = value * 10 + ((*text)[count] - '0');
    ++count;
  }
  if (count == 0) return false;
  text->remove_prefix(count);
  *out = value;
  return true;
}

bool Take(std::string_view* text, char c) {
  if (text->empty() || text->front() != c) return false;
  text->remove_prefix(1);
  return true;
}

// A plain decimal number without sign or exponent (a part of a duration).
bool TakeDecimal(std::string_view* text, double* out) {
  size_t length = 0;
  while (length < text->size() &&
         (((*text)[length] >= '0' && (*text)[length] <= '9') || (*text)[length] == '.')) {
    ++length;
  }
  if (length == 0) return false;
  const auto [end, error] =
      std::from_chars(text->data(), text->data() + length, *out, std::chars_format::fixed);
  if (error != std::errc() || end != text->data() + length) return false;
  text->remove_prefix(length);
  return true;
}

// THH:MM:SS with an optional fraction of a second, as seconds of the day.
bool TakeTime(std::string_view* text, double* seconds) {
  int hour = 0;
  int minute = 0;
  double second = 0;
  if (!Take(text, 'T') || !TakeDigits(text, 2, &hour) || !Take(text, ':') ||
      !TakeDigits(text, 2, &minute) || !Take(text, ':') || !TakeDecimal(text, &second)) {
    return false;
  }
  if (hour > 23 || minute > 59 || second >= 61) return false;
  *seconds = hour * 3600.0 + minute * 60.0 + second;
  return true;
}

// Z or +HH:MM / -HH:MM after a date-time; the cell's time is taken as written.
bool IsTimeZone(std::string_view text) {
  if (text.empty() || text == "Z") return true;
  int hours = 0;
  int minutes = 0;
  return (Take(&text, '+') || Take(&text, '-')) && TakeDigits(&text, 2, &hours) &&
         Take(&text, ':') && TakeDigits(&text, 2, &minutes) && text.empty();
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

bool OdsValue::Number(std::string_view text, double* out) {
  text = Trimmed(text);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  double x = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), x);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return false;
  *out = x;
  return true;
}

bool OdsValue::Date(std::string_view text, double* out) {
  text = Trimmed(text);
  const bool before_year_one = Take(&text, '-');
  int year = 0;
  int month = 0;
  int day = 0;
  if (before_year_one || !TakeDigits(&text, 4, &year) || !Take(&text, '-') ||
      !TakeDigits(&text, 2, &month) || !Take(&text, '-') || !TakeDigits(&text, 2, &day) ||
      !Calendar::IsValid(year, month, day)) {
    return false;
  }
  double seconds = 0;
  if (!text.empty() && text.front() == 'T' && !TakeTime(&text, &seconds)) return false;
  if (!IsTimeZone(text)) return false;
  *out = Calendar::DayCount(year, month, day) + seconds / kSecondsPerDay;
  return true;
}

bool OdsValue::Duration(std::string_view text, double* out) {
  text = Trimmed(text);
  const bool negative = Take(&text, '-');
  if (!Take(&text, 'P') || text.empty()) return false;
  double seconds = 0;
  bool in_time = false;
  while (!text.empty()) {
    if (!in_time && Take(&text, 'T')) {
      in_time = true;
      if (text.empty()) return false;
      continue;
    }
    double amount = 0;
    if (!TakeDecimal(&text, &amount) || text.empty()) return false;
    const char unit = text.front();
    text.remove_prefix(1);
    if (!in_time && unit == 'D') {
      seconds += amount * kSecondsPerDay;
    } else if (in_time && unit == 'H') {
      seconds += amount * 3600;
    } else if (in_time && unit == 'M') {
      seconds += amount * 60;
    } else if (in_time && unit == 'S') {
      seconds += amount;
    } else {
      // Years and months have no fixed length in days.
      return false;
    }
  }
  *out = (negative ? -seconds : seconds) / kSecondsPerDay;
  return true;
}

bool OdsValue::Boolean(std::string_view text, bool* out) {
  text = Trimmed(text);
  if (text == "true" || text == "1") {
    *out = true;
  } else if (text == "false" || text == "0") {
    *out = false;
  } else {
    return false;
  }
  return true;
}

std::uint8_t OdsValue::ErrorCode(std::string_view shown) {
  struct Known {
    std::string_view text;
    std::uint8_t code;
  };
  static constexpr Known kKnown[] = {
      {"#NULL!", 0x00}, {"#DIV/0!", 0x07}, {"#VALUE!", 0x0F}, {"#REF!", 0x17},
      {"#NAME?", 0x1D}, {"#NUM!", 0x24},   {"#N/A", 0x2A},
  };
  shown = Trimmed(shown);
  for (const Known& known : kKnown) {
    if (shown == known.text) return known.code;
  }
  return 0x0F;
}

}  // namespace kaldoren
