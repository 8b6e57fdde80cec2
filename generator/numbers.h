// How the conversion reads and writes numbers: the leading decimal number of a text, rounding to
// the nearest integer with halfway values to the even one, and whole numbers as decimal text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvex {

// The leading number of text: blanks (spaces only) skipped, an optional sign, digits with an
// optional decimal point, an optional exponent after E, e, D or d; 0 when the text does not begin
// so. Hexadecimal, "inf" and "nan" are not numbers here.
double LeadingNumber(std::string_view text);
// How many characters of text that number spans, its leading blanks included (an exponent letter
// counts only with digits after it); 0 when the text does not begin with a number.
size_t LeadingNumberLength(std::string_view text);
// Nearest integer, halfway values to the even one.
double RoundHalfEven(double value);
// A whole number written in full in decimal, a minus sign for a negative value; a value that is
// not finite is written as 0.
std::string IntegerText(double whole);

}  // namespace tolvex
