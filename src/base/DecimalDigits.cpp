#include "base/DecimalDigits.h"

#include <charconv>
#include <cmath>

namespace kaldoren {

DecimalDigits::DecimalDigits(double x) : negative_(std::signbit(x)) {
  if (x == 0) return;
  const double magnitude = std::fabs(x);
  if (magnitude < 1e15 && std::trunc(magnitude) == magnitude) {  // the common case, done quickly
    count_ = static_cast<int>(
        std::to_chars(digits_, digits_ + sizeof digits_, static_cast<long long>(magnitude)).ptr -
        digits_);
    exponent_ = count_ - 1;
    while (digits_[count_ - 1] == '0') --count_;
    return;
  }
  char buffer[40];
  const char* end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                  std::chars_format::scientific, 14).ptr;
  const char* p = buffer;
  for (; p != end && *p != 'e'; ++p) {
    if (*p != '.') digits_[count_++] = *p;
  }
  std::from_chars(p + 1 + (p[1] == '+'), end, exponent_);
  while (count_ > 0 && digits_[count_ - 1] == '0') --count_;
}

void DecimalDigits::RoundTo(int decimals) {
  const int kept = exponent_ + 1 + decimals;
  if (kept >= count_) return;
  if (kept < 0) {
    count_ = 0;
    return;
  }
  const bool up = digits_[kept] >= '5';
  count_ = kept;
  if (up) {
    int i = count_ - 1;
    for (; i >= 0 && digits_[i] == '9'; --i) digits_[i] = '0';
    if (i >= 0) {
      ++digits_[i];
    } else {  // all nines (or nothing kept): the next power of ten
      digits_[0] = '1';
      count_ = 1;
      ++exponent_;
    }
  }
  while (count_ > 0 && digits_[count_ - 1] == '0') --count_;
}

std::string DecimalDigits::IntegerPart() const {
  if (zero() || exponent_ < 0) return "0";
  const int length = exponent_ + 1;
  std::string out(digits_, count_ < length ? count_ : length);
  out.append(static_cast<size_t>(length) - out.size(), '0');
  return out;
}

std::string DecimalDigits::FractionPart(int places) const {
  std::string out(static_cast<size_t>(places), '0');
  for (int i = 0; i < places; ++i) {
    const int index = exponent_ + 1 + i;  // digit of the place 10^-(i+1)
    if (index >= 0 && index < count_) out[i] = digits_[index];
  }
  return out;
}

}  // namespace kaldoren
