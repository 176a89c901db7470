#include "workbook/TextValue.h"

#include <charconv>
#include <system_error>

#include "base/Calendar.h"

namespace kaldoren {
namespace {

constexpr double kSecondsPerDay = 86400;

// Reads the digits at the front of *text (at most max_digits, at least one)
// into *out and removes them.
bool TakeDigits(std::string_view* text, size_t max_digits, int* out) {
  int value = 0;
  size_t count = 0;
  while (count < text->size() && count < max_digits && (*text)[count] >= '0' &&
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

// A plain decimal number without sign or exponent (seconds, a part of a duration).
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

// HH:MM or HH:MM:SS with a fraction of a second, as seconds of the day.
bool TakeTime(std::string_view* text, double* seconds) {
  int hour = 0;
  int minute = 0;
  double second = 0;
  if (!TakeDigits(text, 2, &hour) || !Take(text, ':') || !TakeDigits(text, 2, &minute)) {
    return false;
  }
  if (Take(text, ':') && !TakeDecimal(text, &second)) return false;
  if (hour > 23 || minute > 59 || second >= 61) return false;
  *seconds = hour * 3600.0 + minute * 60.0 + second;
  return true;
}

// Nothing, Z, or +HH:MM / -HH:MM after a time; the time is taken as written.
bool IsTimeZone(std::string_view text) {
  if (text.empty() || text == "Z") return true;
  int hours = 0;
  int minutes = 0;
  return (Take(&text, '+') || Take(&text, '-')) && TakeDigits(&text, 2, &hours) &&
         Take(&text, ':') && TakeDigits(&text, 2, &minutes) && text.empty();
}

// The numbers most cells hold, [-]digits[.digits] with at most 15 digits in
// all, read without from_chars: their digits make an integer a double holds
// exactly, and dividing it by an exact power of ten rounds once, as a full
// conversion does. Anything else is left to from_chars.
bool QuickDecimal(std::string_view text, double* out) {
  static constexpr double kPowersOfTen[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 16) return false;
  std::int64_t digits = 0;
  int count = 0;
  int decimals = -1;  // digits after the point; -1 before it
  for (const char c : text) {
    if (c == '.' && decimals < 0) {
      decimals = 0;
    } else if (c >= '0' && c <= '9') {
      digits = digits * 10 + (c - '0');
      ++count;
      if (decimals >= 0) ++decimals;
    } else {
      return false;
    }
  }
  if (count == 0 || count > 15) return false;
  const double x = static_cast<double>(digits) / kPowersOfTen[decimals < 0 ? 0 : decimals];
  *out = negative ? -x : x;
  return true;
}

}  // namespace

std::string_view TextValue::Trimmed(std::string_view text) {
  // Written out rather than with find_first_not_of: every cell's value comes
  // through here, and it seldom has a blank to take off.
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool TextValue::Number(std::string_view text, double* out) {
  text = Trimmed(text);
  if (QuickDecimal(text, out)) return true;
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  double x = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), x);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return false;
  *out = x;
  return true;
}

bool TextValue::DateTime(std::string_view text, double* day_count) {
  text = Trimmed(text);
  int year = 0;
  int month = 0;
  int day = 0;
  if (!TakeDigits(&text, 4, &year) || !Take(&text, '-') || !TakeDigits(&text, 2, &month) ||
      !Take(&text, '-') || !TakeDigits(&text, 2, &day) || !Calendar::IsValid(year, month, day)) {
    return false;
  }
  double seconds = 0;
  if (Take(&text, 'T') && !TakeTime(&text, &seconds)) return false;
  if (!IsTimeZone(text)) return false;
  *day_count = Calendar::DayCount(year, month, day) + seconds / kSecondsPerDay;
  return true;
}

bool TextValue::TimeOfDay(std::string_view text, double* fraction) {
  text = Trimmed(text);
  double seconds = 0;
  if (!TakeTime(&text, &seconds) || !IsTimeZone(text)) return false;
  *fraction = seconds / kSecondsPerDay;
  return true;
}

bool TextValue::Duration(std::string_view text, double* days) {
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
      return false;  // years and months have no fixed length in days
    }
  }
  *days = (negative ? -seconds : seconds) / kSecondsPerDay;
  return true;
}

bool TextValue::Boolean(std::string_view text, bool* out) {
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

std::uint8_t TextValue::ErrorCode(std::string_view shown) {
  static constexpr struct {
    std::string_view text;
    std::uint8_t code;
  } kKnown[] = {
      {"#NULL!", 0x00}, {"#DIV/0!", 0x07}, {"#VALUE!", 0x0F}, {"#REF!", 0x17},
      {"#NAME?", 0x1D}, {"#NUM!", 0x24},   {"#N/A", 0x2A},
  };
  shown = Trimmed(shown);
  for (const auto& known : kKnown) {
    if (shown == known.text) return known.code;
  }
  return 0x0F;
}

}  // namespace kaldoren
