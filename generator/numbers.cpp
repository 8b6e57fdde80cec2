#include "generator/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tolvex {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exponents beyond this make every mantissa overflow or vanish; capping keeps the text short.
constexpr long kExponentCap = 100000;

// The leading number of a text, taken apart: its sign, digits and exponent, and how many
// characters it spans (none when the text does not begin with a number).
struct NumberScan {
  bool negative = false;
  std::string whole, fraction;
  long exponent = 0;
  size_t length = 0;
};

NumberScan ScanNumber(std::string_view text) {
  NumberScan n;
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    n.negative = text[i] == '-';
    ++i;
  }
  while (i < text.size() && IsDigit(text[i])) n.whole += text[i++];
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) n.fraction += text[i++];
  }
  if (n.whole.empty() && n.fraction.empty()) return n;
  n.length = i;

  // An exponent letter without digits after it adds nothing to the value and is no part of it.
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    size_t j = i + 1;
    bool negativeExponent = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      negativeExponent = text[j] == '-';
      ++j;
    }
    const size_t digits = j;
    while (j < text.size() && IsDigit(text[j])) {
      if (n.exponent < kExponentCap) n.exponent = n.exponent * 10 + (text[j] - '0');
      ++j;
    }
    if (negativeExponent) n.exponent = -n.exponent;
    if (j > digits) n.length = j;
  }
  return n;
}

}  // namespace

size_t LeadingNumberLength(std::string_view text) { return ScanNumber(text).length; }

double LeadingNumber(std::string_view text) {
  const NumberScan scan = ScanNumber(text);
  if (scan.length == 0) return 0;
  const bool negative = scan.negative;
  const std::string& whole = scan.whole;
  const std::string& fraction = scan.fraction;
  const long exponent = scan.exponent;

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
  // A whole number that a 64-bit integer holds exactly has the same digits written as that
  // integer, which is many times quicker to write.
  constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
  if (std::fabs(whole) <= kExactIntegers && std::trunc(whole) == whole) {
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, static_cast<long long>(whole));
    return std::string(text, end);
  }
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, whole, std::chars_format::fixed, 0);
  if (error != std::errc()) return "0";
  return std::string(text, end);
}

}  // namespace tolvex
