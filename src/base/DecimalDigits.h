// DecimalDigits: the decimal digits of a finite double as a clerk reads them,
// the first 15 significant ones, rounded to the nearest. Every text form of a
// number goes through it, so 2.675 (held as 2.67499999...) is 2.675 for the
// text form and 2,68 once rounded to cents. Plain value type, no ownership.
#pragma once

#include <string>
#include <string_view>

namespace kaldoren {

class DecimalDigits {
 public:
  // The digits of x, which must be finite; the sign is kept apart.
  explicit DecimalDigits(double x);

  bool negative() const { return negative_; }
  // True when no digit is left (x was zero, or rounded away).
  bool zero() const { return count_ == 0; }
  // Significant digits without trailing zeros; empty for zero.
  std::string_view digits() const { return std::string_view(digits_, count_); }
  // Power of ten of the first digit (2 for 345.6, -3 for 0.00123).
  int exponent() const { return exponent_; }

  // Rounds half away from zero to `decimals` places after the decimal point.
  void RoundTo(int decimals);
  // Digits before the decimal point, "0" when there are none.
  std::string IntegerPart() const;
  // The first `places` digits after the decimal point, zeros padding.
  std::string FractionPart(int places) const;

 private:
  bool negative_ = false;
  char digits_[16] = {};
  int count_ = 0;
  int exponent_ = 0;
};

}  // namespace kaldoren
