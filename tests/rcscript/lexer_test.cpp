// The lexer: string escapes, numbers, comments and where each token stands.
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

TEST(LexerTest, NumbersAreDecimalOrHexadecimalWithSuffixesAndNeverOctal) {
  const struct {
    std::string spelling;
    std::uint32_t value;
    bool valid;
  } cases[] = {{"0", 0, true},
               {"42", 42, true},
               {"010", 10, true},
               {"0x1F", 31, true},
               {"0XffffFFFF", 0xFFFFFFFFu, true},
               {"10L", 10, true},
               {"7u", 7, true},
               {"0x10UL", 16, true},
               {"4294967297", 1, true},
               {"12ab", 0, false},
               {"0x", 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.spelling);
    rc::DiagnosticList diagnostics;
    const std::vector<rc::Token> tokens = Lex(c.spelling, diagnostics);
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].kind, rc::TokenKind::kNumber);
    EXPECT_EQ(tokens[0].numberValid, c.valid);
    if (c.valid) {
      EXPECT_EQ(tokens[0].number, c.value);
    }
  }
}

TEST(LexerTest, TokensCarryTheirColumnInBytesAndCommentsVanish) {
  rc::DiagnosticList diagnostics;
  const std::vector<rc::Token> tokens = Lex("\tA|/* x */B // C", diagnostics);
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0].text, "A");
  EXPECT_EQ(tokens[0].column, 2);  // a tab counts one
  EXPECT_TRUE(tokens[0].lineStart);
  EXPECT_EQ(tokens[1].text, "|");
  EXPECT_EQ(tokens[2].text, "B");
  EXPECT_EQ(tokens[2].column, 11);
  EXPECT_FALSE(tokens[2].lineStart);
}

TEST(LexerTest, ABlockCommentCarriesOverToTheNextLine) {
  rc::DiagnosticList diagnostics;
  std::vector<rc::Token> tokens;
  rc::LexState state;
  std::deque<std::string> texts;
  const std::string first = "A /* open", second = "still */ B";
  rc::LexLine(first, 0, first.size(), 0, 1, state, tokens, texts, "s.rc", diagnostics);
  EXPECT_TRUE(state.inComment);
  rc::LexLine(second, 0, second.size(), 0, 2, state, tokens, texts, "s.rc", diagnostics);
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[1].text, "B");
  EXPECT_EQ(tokens[1].line, 2);
  EXPECT_TRUE(tokens[1].lineStart);  // the first token of its line, a comment before it or not
}

TEST(LexerTest, AnUnterminatedStringIsAnErrorAtItsOpeningQuote) {
  rc::DiagnosticList diagnostics;
  const std::vector<rc::Token> tokens = Lex("CAPTION \"open", diagnostics);
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[1].text, "open");
  ASSERT_EQ(diagnostics.All().size(), 1u);
  EXPECT_EQ(rc::FormatDiagnostic(diagnostics.All()[0]),
            "s.rc:1:9: error: a string is not closed before the end of its line");
}

}  // namespace
}  // namespace tolvex::testing
