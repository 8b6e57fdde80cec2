// A script's text becomes a FreeBASIC literal with the same meaning: the control characters, a NUL
// and other bytes are the complete case texts (tests/complete/cases), quotes, backslashes and tabs
// the golden programs'.
#include "complete/basic_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tolvex::complete {
namespace {

// A comment names a dialog or an id as the script writes it, on the one line it has.
TEST(BasicText, ACommentKeepsItsLine) {
  EXPECT_EQ(CommentText("IDD_MAIN"), "IDD_MAIN");
  EXPECT_EQ(CommentText("My \"best\" dialog"), "My \"best\" dialog");
  EXPECT_EQ(CommentText("two\r\nlines"), "!\"two\\r\\nlines\"");
}

}  // namespace
}  // namespace tolvex::complete
