// The model's compact parts: a text keeps its bytes, NUL included, whatever its length (in place up
// to 15 bytes, in a buffer of its own past that), copies and moves leaving both sides whole; a
// rectangle gives back its four values as written.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "rcscript/compact_text.h"
#include "rcscript/model.h"

namespace tolvex::rc {
namespace {

TEST(CompactText, KeepsEveryLengthThroughCopiesMovesAndAssignments) {
  std::vector<std::string> texts;
  for (size_t n : {0, 1, 14, 15, 16, 17, 300}) {
    std::string text;
    for (size_t i = 0; i < n; ++i) text += static_cast<char>('a' + i % 26);
    texts.push_back(text);
  }
  texts.push_back(std::string("a\0b", 3));
  texts.push_back(std::string(16, '\0'));
  for (const std::string& text : texts) {
    SCOPED_TRACE(text.size());
    const CompactText kept(text);
    EXPECT_EQ(kept.view(), text);
    EXPECT_EQ(kept.size(), text.size());
    EXPECT_EQ(kept.c_str()[text.size()], '\0');
    CompactText copy = kept;
    CompactText moved = std::move(copy);
    EXPECT_EQ(moved, kept);
    EXPECT_TRUE(copy.empty());
    // Each of the other lengths assigned over this one, by copy and by move.
    for (const std::string& other : texts) {
      CompactText over = kept;
      over = CompactText(other);
      EXPECT_EQ(over.view(), other);
      CompactText again = kept;
      again = over;
      EXPECT_EQ(again.view(), other);
      again = again;
      EXPECT_EQ(again.view(), other);
    }
    EXPECT_EQ(kept.view(), text);
  }
}

TEST(CompactText, ComparesAndJoinsAsItsText) {
  const CompactText name("IDC_A_LONGER_NAME");
  EXPECT_TRUE(name == "IDC_A_LONGER_NAME");
  EXPECT_TRUE(name != std::string("IDC_A"));
  EXPECT_TRUE(CompactText("A") < CompactText("B"));
  EXPECT_EQ("[" + name + "]", "[IDC_A_LONGER_NAME]");
  EXPECT_EQ(std::string(name), "IDC_A_LONGER_NAME");
}

// A rectangle gives back each value as it was written, whether its texts are kept or made again
// from the numbers; a copy outlives its original.
TEST(Rect, GivesBackEveryValueAsWritten) {
  const Value plain[] = {{"7", 7}, {"-3", -3}, {"0", 0}, {"2147483647", 2147483647}};
  const Value written[] = {{"W", 10},        {"0x10", 16},       {"07", 7}, {"", 0},
                           {"IDC_NOPE", {}}, {"4294967295", -1}, {"", {}}};
  std::vector<std::vector<Value>> rows = {{plain[0], plain[1], plain[2], plain[3]}};
  for (const Value& odd : written) rows.push_back({plain[0], odd, plain[3], plain[1]});
  for (const auto& row : rows) {
    SCOPED_TRACE(row[1].text.str());
    Rect copy;
    {
      Rect rect;
      rect.Set(row[0], row[1], row[2], row[3]);
      copy = rect;
    }
    const Value back[] = {copy.x(), copy.y(), copy.width(), copy.height()};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(back[i].text, row[i].text);
      EXPECT_EQ(back[i].number, row[i].number);
    }
  }
}

}  // namespace
}  // namespace tolvex::rc
