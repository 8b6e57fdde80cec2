// Text in a Windows ANSI code page, as the platform itself converts it: iconv, or
// WideCharToMultiByte on Windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex::complete {

struct InCodePage {
  std::string text;
  std::vector<std::string> lacking;  // each character written as '?', as UTF-8, in order
};

// UTF-8 text in code page `codePage` (874, 932, 936, 949, 950, 1250 to 1258 ...). A character the
// code page cannot hold, or a byte that starts no UTF-8 character (listed as U+FFFD), becomes '?'.
// Nothing when the platform cannot write that code page.
std::optional<InCodePage> WriteInCodePage(std::string_view utf8, int codePage);

// The length of the UTF-8 character that text starts with: 1 to 4, or 0 when it starts none.
size_t Utf8CharacterLength(std::string_view text);

}  // namespace tolvex::complete
