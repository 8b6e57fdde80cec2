// The ANSI code page a script states for its texts: a #pragma code_page line, or the language of a
// LANGUAGE statement.
#pragma once

#include <optional>
#include <string_view>

#include "rcscript/tokens.h"

namespace tolvex::rc {

// What the rest of a #pragma line (after "pragma") says of the code page.
struct CodePagePragma {
  bool isCodePage = false;      // a code_page pragma, well formed or not
  std::optional<int> codePage;  // its code page; 0 for DEFAULT; none when malformed
};
//   code_page ( number | DEFAULT )
CodePagePragma ReadCodePagePragma(std::string_view rest);

// The ANSI code page of LANGUAGE language, sublanguage (names such as LANG_RUSSIAN or numbers),
// as Windows gives it to a program of that language; 0 when the language has none the reader knows
// (LANG_NEUTRAL, a name it does not know).
int LanguageCodePage(const Token& language, const Token& sublanguage);

}  // namespace tolvex::rc
