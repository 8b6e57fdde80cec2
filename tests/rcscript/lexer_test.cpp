// The lexer: string escapes, comments and where each token stands. Its numbers are the read case
// read_numbers (tests/rcscript/cases).
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "rcscript/tokens.h"

namespace tolvex::testing {
namespace {

// The tokens are views into their line and into the lexer's store of texts: both are kept.
std::vector<rc::Token> Lex(const std::string& line, rc::DiagnosticList& diagnostics) {
  static std::deque<std::string> kept;
  const std::string& held = kept.emplace_back(line);
  std::vector<rc::Token> tokens;
  rc::LexState state;
  rc::LexLine(held, 0, held.size(), 0, 1, state, tokens, kept, "s.rc", diagnostics);
  return tokens;
}

TEST(LexerTest, AStringLiteralDecodesItsEscapesAndDoubledQuotes) {
  const struct {
    std::string literal, text;
  } cases[] = {
      {R"("a""b")", "a\"b"},
      {R"("tab\there")", "tab\there"},
      {R"("new\nline")", "new\nline"},
      {R"("back\\slash")", "back\\slash"},
      {R"("q\"q")", "q\"q"},
      {R"("\a")", "\a"},
      {R"("\101\60")", "A0"},
      {R"("\x41\x7e!")", "A~!"},
      {R"("\q")", "\\q"},
      {R"(L"wide")", "wide"},
      {R"("")", ""},
      {R"("a""")", "a\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.literal);
    rc::DiagnosticList diagnostics;
    const std::vector<rc::Token> tokens = Lex(c.literal, diagnostics);
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].kind, rc::TokenKind::kString);
    EXPECT_EQ(tokens[0].text, c.text);
    EXPECT_EQ(tokens[0].written, c.literal);
    EXPECT_TRUE(diagnostics.All().empty());
  }
}

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
