// The lexer: comments and where each token stands. Its numbers and its string literals' escapes
// are the read cases read_numbers and read_string_escapes (tests/rcscript/cases).
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "rcscript/tokens.h"

namespace tolvex::testing {
namespace {

// Each token as TEXT@LINE:COLUMN, with ^ when it is the first of its line (a comment before it
// or not).
TEST(LexerTest, TokensCarryTheirPlaceAndCommentsVanish) {
  const struct {
    std::vector<std::string> lines;
    const char* tokens;
  } cases[] = {
      {{"\tA|/* x */B // C"}, "A@1:2^ |@1:3 B@1:11 "},   // a tab counts one
      {{"A /* open", "still */ B"}, "A@1:1^ B@2:10^ "},  // a block comment carries over
      // An unterminated string ends at the line's end; its message is in the error catalogue.
      {{"CAPTION \"open"}, "CAPTION@1:1^ open@1:9 "},
  };
  for (const auto& c : cases) {
    rc::DiagnosticList diagnostics;
    std::vector<rc::Token> tokens;
    rc::LexState state;
    std::deque<std::string> texts;
    for (size_t i = 0; i < c.lines.size(); ++i) {
      rc::LexLine(c.lines[i], 0, c.lines[i].size(), 0, static_cast<int>(i) + 1, state, tokens,
                  texts, "s.rc", diagnostics);
    }
    std::string text;
    for (const rc::Token& t : tokens) {
      text += std::string(t.text) + "@" + std::to_string(t.line) + ":" + std::to_string(t.column) +
              (t.lineStart ? "^ " : " ");
    }
    EXPECT_EQ(text, c.tokens) << c.lines[0];
  }
}

}  // namespace
}  // namespace tolvex::testing
