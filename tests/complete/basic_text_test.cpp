// A script's text becomes a FreeBASIC literal with the same meaning.
#include "complete/basic_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tolvex::complete {
namespace {

TEST(BasicText, EveryTextReadsBackAsItself) {
  const struct {
    std::string text, literal;
  } cases[] = {
      // Quotes, backslashes and tabs are in the golden programs.
      {"two\r\nlines", "!\"two\\r\\nlines\""}, {"bell\x07", "!\"bell\\&h07\""},
      {"del\x7F", "!\"del\\&h7F\""},           {std::string("cut\0here", 8), "\"cut\""},
      {"caf\xC3\xA9", "\"caf\xC3\xA9\""},
  };
  for (const auto& c : cases) EXPECT_EQ(BasicLiteral(c.text), c.literal) << c.text;
}

// A comment names a dialog or an id as the script writes it, on the one line it has.
TEST(BasicText, ACommentKeepsItsLine) {
  EXPECT_EQ(CommentText("IDD_MAIN"), "IDD_MAIN");
  EXPECT_EQ(CommentText("My \"best\" dialog"), "My \"best\" dialog");
  EXPECT_EQ(CommentText("two\r\nlines"), "!\"two\\r\\nlines\"");
}

}  // namespace
}  // namespace tolvex::complete
