// WriteInCodePage over iconv, where the C library provides it.
#include <iconv.h>

#include <cerrno>

#include "complete/code_page.h"

namespace tolvex::complete {

std::optional<InCodePage> WriteInCodePage(std::string_view utf8, int codePage) {
  const std::string name = "CP" + std::to_string(codePage);
  const iconv_t converter = iconv_open(name.c_str(), "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  InCodePage out;
  // One character at a time: the one that fails is known, and the rest goes on.
  char buffer[16];
  while (!utf8.empty()) {
    const size_t length = Utf8CharacterLength(utf8);
    const std::string_view character = utf8.substr(0, length == 0 ? 1 : length);
    utf8.remove_prefix(character.size());
    char* in = const_cast<char*>(character.data());
    size_t inLeft = character.size();
    char* written = buffer;
    size_t room = sizeof buffer;
    if (length == 0 || iconv(converter, &in, &inLeft, &written, &room) == static_cast<size_t>(-1)) {
      iconv(converter, nullptr, nullptr, nullptr, nullptr);
      out.text += '?';
      out.lacking.push_back(length == 0 ? "\xEF\xBF\xBD" : std::string(character));
      continue;
    }
    out.text.append(buffer, static_cast<size_t>(written - buffer));
  }
  char* written = buffer;
  size_t room = sizeof buffer;
  if (iconv(converter, nullptr, nullptr, &written, &room) != static_cast<size_t>(-1)) {
    out.text.append(buffer, static_cast<size_t>(written - buffer));
  }
  iconv_close(converter);
  return out;
}

}  // namespace tolvex::complete
