#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "generator/numbers.h"

namespace tolvex {
namespace {

// The rows of numbers/NAME, each "[INPUT] EXPECTED" (lines starting with # are notes): the input
// between the brackets as written, blanks and tabs included.
std::vector<std::pair<std::string, std::string>> Rows(const std::string& name) {
  std::ifstream in(TOLVEX_NUMBERS_DIR "/" + name, std::ios::binary);
  std::vector<std::pair<std::string, std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const size_t close = line.find("] ");
    rows.emplace_back(line.substr(1, close - 1), line.substr(close + 2));
  }
  EXPECT_FALSE(rows.empty()) << name << " is missing or empty";
  return rows;
}

TEST(LeadingNumber, ReadsOnlyADecimalNumberAtTheStartAfterBlanksOverflowingToInfinity) {
  for (const auto& [text, value] : Rows("leading_number.txt"))
    EXPECT_EQ(LeadingNumber(text), std::stod(value)) << "[" << text << "]";
}

TEST(RoundHalfEven, HalfwayValuesGoToTheEvenInteger) {
  for (const auto& [in, out] : Rows("round_half_even.txt"))
    EXPECT_EQ(RoundHalfEven(std::stod(in)), std::stod(out)) << in;
}

TEST(IntegerText, WritesWholeNumbersInFullAndNonFiniteAsZero) {
  for (const auto& [whole, text] : Rows("integer_text.txt"))
    EXPECT_EQ(IntegerText(std::stod(whole)), text) << whole;
}

}  // namespace
}  // namespace tolvex
