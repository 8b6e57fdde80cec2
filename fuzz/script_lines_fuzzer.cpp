// Feeds arbitrary bytes to the loader as a script file's bytes. The lines it gives must equal those
// of a second, plain statement of the line rule written for the fuzzers character by character
// (PlainLines): an independent reading of the same rule, not a copy of the code.
#include "conversion/designed.h"
#include "fuzz/fuzz_target.h"

namespace {

using Lines = std::vector<std::string>;

// The characters of a UTF-16 script after its mark: one per whole pair of bytes, a high surrogate
// followed by a low one counting as one character; below 256 the character's own byte, else '?'.
std::string Utf16Characters(std::string_view bytes, bool bigEndian) {
  std::vector<unsigned> units;
  for (size_t i = 0; i + 2 <= bytes.size(); i += 2) {
    const unsigned a = static_cast<unsigned char>(bytes[i]);
    const unsigned b = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(bigEndian ? a * 256 + b : b * 256 + a);
  }
  std::string text;
  for (size_t i = 0; i < units.size(); ++i) {
    const bool pair = units[i] >= 0xD800 && units[i] <= 0xDBFF && i + 1 < units.size() &&
                      units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
    if (pair) ++i;
    text += !pair && units[i] < 256 ? static_cast<char>(units[i]) : '?';
  }
  return text;
}

Lines ExpectedLines(std::string_view bytes) {
  std::string text;
  bool utf16 = false;
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
    text = Utf16Characters(bytes.substr(2), false);
    utf16 = true;
  } else if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF') {
    text = Utf16Characters(bytes.substr(2), true);
    utf16 = true;
  } else if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    text = bytes.substr(3);
  } else {
    text = bytes;
  }
  // In UTF-16, a last piece of CRs alone is no line.
  return tolvex::fuzzing::PlainLines(text, utf16);
}

}  // namespace

int tolvex::fuzzing::FuzzOne(std::string_view bytes) {
  FUZZ_CHECK(ScriptLinesOf(bytes).Copied() == ExpectedLines(bytes));
  return 0;
}
