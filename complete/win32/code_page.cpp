// WriteInCodePage over WideCharToMultiByte: the conversion a program compiled on Windows sees.
#include <windows.h>

#include "complete/code_page.h"

namespace tolvex::complete {

std::optional<InCodePage> WriteInCodePage(std::string_view utf8, int codePage) {
  const UINT page = static_cast<UINT>(codePage);
  if (codePage <= 0 || !IsValidCodePage(page)) return std::nullopt;
  InCodePage out;
  // One character at a time: the one that fails is known, and the rest goes on.
  while (!utf8.empty()) {
    const size_t length = Utf8CharacterLength(utf8);
    const std::string_view character = utf8.substr(0, length == 0 ? 1 : length);
    utf8.remove_prefix(character.size());
    wchar_t wide[2];
    char buffer[16];
    BOOL lacks = FALSE;
    int written = 0;
    const int units = length == 0
                          ? 0
                          : MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, character.data(),
                                                static_cast<int>(character.size()), wide, 2);
    if (units > 0) {
      written = WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, wide, units, buffer, sizeof buffer,
                                    "?", &lacks);
    }
    if (written <= 0 || lacks) {
      out.text += '?';
      out.lacking.push_back(length == 0 ? "\xEF\xBF\xBD" : std::string(character));
      continue;
    }
    out.text.append(buffer, static_cast<size_t>(written));
  }
  return out;
}

}  // namespace tolvex::complete
