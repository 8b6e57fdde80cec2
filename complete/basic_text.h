// Texts of the script as FreeBASIC string literals with the same meaning.
#pragma once

#include <string>
#include <string_view>

namespace tolvex::complete {

// A text as a literal: the mark before its opening quote ("!" when the body holds escapes, else
// empty) and the body between the quotes.
struct BasicText {
  std::string mark;
  std::string body;
};

// A plain literal when the text needs no escape; otherwise an escaped one, in which a quote, a
// backslash and every control byte are written as escapes. A NUL byte ends the text, as it ends
// the string the resource holds.
BasicText BasicTextOf(std::string_view text);
// The whole literal: mark, quotes and body.
std::string BasicLiteral(std::string_view text);
// A text of the script where a comment names it: as it stands, or as a literal when it holds a
// control byte, which could end the comment's line and the program's sense with it.
std::string CommentText(std::string_view text);

}  // namespace tolvex::complete
