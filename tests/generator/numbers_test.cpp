#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "generator/numbers.h"

namespace tolvex {
namespace {

TEST(LeadingNumber, ReadsOnlyADecimalNumberAtTheStartAfterBlanks) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {" 1.000", 1},  {"  2", 2},
      {"\t5", 0},     {"-3.5", -3.5},
      {"+1.5e1", 15}, {"1d2", 100},
      {"2D-1", 0.2},  {"1E+2", 100},
      {"1e", 1},      {"1e+", 1},
      {".5", 0.5},    {"5.", 5},
      {"1,5", 1},     {"12abc", 12},
      {"- 5", 0},     {"", 0},
      {".", 0},       {"-", 0},
      {"&H10", 0},    {"0x10", 0},
      {"inf", 0},     {"nan", 0},
      {"abc", 0},     {"1e-400", 0},
      {"007", 7},     {"1e0000000000000000002", 100},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.value) << "[" << c.text << "]";
}

TEST(LeadingNumber, OverflowIsInfiniteAndLongMantissasAreExact) {
  EXPECT_EQ(LeadingNumber("1e309"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber("-1e99999999999999999999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber("0." + std::string(5000, '0') + "1"), 0);
  EXPECT_EQ(LeadingNumber(std::string(3000, '0') + "42"), 42);
}

TEST(RoundHalfEven, HalfwayValuesGoToTheEvenInteger) {
  const struct {
    double in, out;
  } cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {10.5, 10},       {-0.5, 0},     {-1.5, -2},
               {-2.5, -2}, {25.92, 26}, {27.54, 28}, {40.5000001, 41}, {1e300, 1e300}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

TEST(IntegerText, WritesWholeNumbersInFullAndNonFiniteAsZero) {
  EXPECT_EQ(IntegerText(0), "0");
  EXPECT_EQ(IntegerText(-0.0), "0");
  EXPECT_EQ(IntegerText(-3), "-3");
  EXPECT_EQ(IntegerText(312), "312");
  // Either side of the largest doubles that are every integer below them.
  EXPECT_EQ(IntegerText(-9007199254740992.0), "-9007199254740992");
  EXPECT_EQ(IntegerText(9007199254740994.0), "9007199254740994");
  EXPECT_EQ(IntegerText(1e20), "100000000000000000000");
  EXPECT_EQ(IntegerText(std::ldexp(1.0, 70)), "1180591620717411303424");
  EXPECT_EQ(IntegerText(std::numeric_limits<double>::infinity()), "0");
  EXPECT_EQ(IntegerText(std::nan("")), "0");
}

}  // namespace
}  // namespace tolvex
