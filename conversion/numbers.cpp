#include "conversion/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tolvex {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exponents beyond this make every mantissa overflow or vanish; capping keeps the text short.
constexpr long kExponentCap = 100000;

}  // namespace

double LeadingNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::string whole, fraction;
  while (i < text.size() && IsDigit(text[i])) whole += text[i++];
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) fraction += text[i++];
  }
  if (whole.empty() && fraction.empty()) return 0;

  long exponent = 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    size_t j = i + 1;
    bool negativeExponent = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      negativeExponent = text[j] == '-';
      ++j;
    }
    while (j < text.size() && IsDigit(text[j])) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (text[j] - '0');
      ++j;
    }
    if (negativeExponent) exponent = -exponent;
  }

  std::string number = whole.empty() ? "0" : whole;
  if (!fraction.empty()) number += "." + fraction;
  number += "e" + std::to_string(exponent);

  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // Too large or too small for a double: the decimal magnitude says which.
    const size_t firstSignificant = whole.find_first_not_of('0');
    long magnitude = exponent;
    if (firstSignificant != std::string::npos) {
      magnitude += static_cast<long>(whole.size() - firstSignificant);
    } else {
      magnitude -= static_cast<long>(fraction.find_first_not_of('0'));
    }
    value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double below = std::floor(value);
  const double rest = value - below;  // exact for every double
  if (rest < 0.5) return below;
  if (rest > 0.5) return below + 1;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::string IntegerText(double whole) {
  if (!std::isfinite(whole) || whole == 0) return "0";
  char text[400];  // the largest double has 309 digits
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, whole, std::chars_format::fixed, 0);
  if (error != std::errc()) return "0";
  return std::string(text, end);
}

}  // namespace tolvex
