#include "complete/program_texts.h"

#include <algorithm>

#include "complete/code_page.h"

namespace tolvex::complete {
namespace {

constexpr int kDefaultCodePage = 1252;
constexpr int kUtf8CodePage = 65001;

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The character of a whole UTF-8 sequence.
unsigned CharacterOf(std::string_view sequence) {
  static constexpr unsigned kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  unsigned c = static_cast<unsigned char>(sequence[0]) & kLeadBits[sequence.size()];
  for (size_t i = 1; i < sequence.size(); ++i) {
    c = c << 6 | (static_cast<unsigned char>(sequence[i]) & 0x3Fu);
  }
  return c;
}

// What the program wrote before code pages were known: each character below 256 as that byte.
InCodePage Latin1(std::string_view utf8) {
  InCodePage out;
  while (!utf8.empty()) {
    const size_t length = Utf8CharacterLength(utf8);
    const std::string_view sequence = utf8.substr(0, length == 0 ? 1 : length);
    utf8.remove_prefix(sequence.size());
    const unsigned c = length == 0 ? 0xFFFD : CharacterOf(sequence);
    if (c < 0x100) {
      out.text += static_cast<char>(c);
    } else {
      out.text += '?';
      out.lacking.push_back(length == 0 ? "\xEF\xBF\xBD" : std::string(sequence));
    }
  }
  return out;
}

std::string Listed(const std::vector<std::string>& characters) {
  std::vector<std::string> quoted;
  for (const std::string& c : characters) quoted.push_back(rc::Quoted(c));
  return rc::Listed(quoted);
}

}  // namespace

size_t Utf8CharacterLength(std::string_view text) {
  if (text.empty()) return 0;
  const unsigned lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return 1;
  const size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 0;
  if (length == 0 || text.size() < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
  }
  // No overlong form, no surrogate, nothing beyond U+10FFFF.
  const unsigned c = CharacterOf(text.substr(0, length));
  if ((length == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
      (length == 4 && (c < 0x10000 || c > 0x10FFFF))) {
    return 0;
  }
  return length;
}

std::string ProgramTexts::Of(std::string_view text, const rc::TextCoding& coding,
                             const rc::SourcePlace& place, rc::DiagnosticList& warnings) {
  if (!coding.utf8 || IsAscii(text)) return std::string(text);
  const int codePage = coding.codePage != 0 ? coding.codePage : kDefaultCodePage;
  std::optional<InCodePage> written;
  if (codePage == kUtf8CodePage) {
    written = InCodePage{std::string(text), {}};
  } else {
    written = WriteInCodePage(text, codePage);
  }
  if (!written) {
    if (unwritable_.insert(codePage).second) {
      warnings.Warning(place.file(), place.line, 0,
                       "code page " + std::to_string(codePage) +
                           " cannot be written here: its texts keep each character below 256 "
                           "as that byte");
    }
    written = Latin1(text);
  }
  if (!written->lacking.empty()) {
    const auto at =
        lackingIndex_.emplace(std::make_pair(place.file(), place.line), lacking_.size());
    if (at.second) lacking_.push_back({place, codePage, {}});
    std::vector<std::string>& listed = lacking_[at.first->second].characters;
    for (const std::string& c : written->lacking) {
      if (std::find(listed.begin(), listed.end(), c) == listed.end()) listed.push_back(c);
    }
  }
  return written->text;
}

void ProgramTexts::LackingWarnings(rc::DiagnosticList& warnings) const {
  for (const Lacking& line : lacking_) {
    const bool one = line.characters.size() == 1;
    warnings.Warning(line.place.file(), line.place.line, 0,
                     "code page " + std::to_string(line.codePage) + " has no " +
                         Listed(line.characters) + (one ? ": it is" : ": each is") +
                         " written as ?");
  }
}

}  // namespace tolvex::complete
