// What a script cannot give the code page conversion: bytes that are no UTF-8, and a code page the
// platform cannot write. Each code page's own characters, a lacking one and the rules of a
// script's coding are the complete case code_pages and byte_script (tests/complete/cases).
#include <gtest/gtest.h>

#include "complete/code_page.h"

namespace tolvex::complete {
namespace {

TEST(CodePage, BytesThatAreNoUtf8AreLackingAndAnUnknownCodePageIsRefused) {
  EXPECT_EQ(WriteInCodePage("aЖ😀\xFF", 1252)->lacking,
            (std::vector<std::string>{"Ж", "😀", "\xEF\xBF\xBD"}));
  EXPECT_FALSE(WriteInCodePage("a", 12345));
}

}  // namespace
}  // namespace tolvex::complete
