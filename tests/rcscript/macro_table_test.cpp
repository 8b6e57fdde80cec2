// The defines' table: a name redefined keeps one entry, an erased one is gone while the names
// placed past it in the table are still found, and thousands of names survive its growth.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "rcscript/macro_table.h"

namespace tolvex::rc {
namespace {

std::vector<Token> Body(size_t tokens) { return std::vector<Token>(tokens); }

size_t BodySize(const MacroTable& table, const std::string& name) {
  const Macro* macro = table.Find(name);
  return macro == nullptr ? 0 : macro->size() + 1;  // 0: no such define
}

// Room made beforehand, too little and then too much, changes nothing of what is found; nor does
// a table that keeps its own copies of the names, which the caller lets go at once.
class MacroTableRoom : public testing::TestWithParam<std::tuple<size_t, bool>> {};

TEST_P(MacroTableRoom, DefinesRedefinesAndErasesAcrossGrowth) {
  const auto [room, ownNames] = GetParam();
  std::vector<std::string> names;
  for (int i = 0; i < 5000; ++i) names.push_back("IDC_" + std::to_string(i));
  MacroTable table;
  const auto define = [&table, ownNames = ownNames](const std::string& name,
                                                    const std::vector<Token>& body) {
    if (ownNames) {
      table.DefineOwnName(std::string(name), body);
    } else {
      table.Define(name.c_str(), body);
    }
  };
  define(names[0], {});
  table.Reserve(room);
  for (size_t i = 0; i < names.size(); ++i) define(names[i], Body(i % 7));
  for (size_t i = 0; i < names.size(); ++i) ASSERT_EQ(BodySize(table, names[i]), i % 7 + 1) << i;
  EXPECT_FALSE(table.Contains("IDC_"));
  EXPECT_FALSE(table.Contains("IDC_5000"));

  // Every other name undefined, then a third of those defined again; the rest stay as they were.
  for (size_t i = 0; i < names.size(); i += 2) table.Erase(names[i]);
  table.Erase("IDC_never");
  for (size_t i = 0; i < names.size(); i += 6) define(names[i], Body(9));
  for (size_t i = 0; i < names.size(); ++i) {
    const size_t expected = i % 6 == 0 ? 10 : i % 2 == 0 ? 0 : i % 7 + 1;
    ASSERT_EQ(BodySize(table, names[i]), expected) << i;
  }
  // Defining a name again reaches the same define.
  define(names[1], Body(3));
  EXPECT_EQ(BodySize(table, names[1]), 4u);
}
INSTANTIATE_TEST_SUITE_P(Reserved, MacroTableRoom,
                         testing::Combine(testing::Values(0, 100, 5000, 20000), testing::Bool()));

}  // namespace
}  // namespace tolvex::rc
