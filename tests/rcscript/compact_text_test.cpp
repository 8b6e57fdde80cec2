// A model's text keeps its bytes, NUL included, whatever its length: in place up to 15 bytes, in a
// buffer of its own past that; copies and moves leave both sides whole.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "rcscript/compact_text.h"

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

}  // namespace
}  // namespace tolvex::rc
