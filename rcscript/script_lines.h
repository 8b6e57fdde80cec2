// A script's bytes as the lines every reader of it sees: the source listing, the resource-script
// reader, the tests and the fuzzers.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex::rc {

// Decodes and splits a script file's bytes:
// - FF FE or FE FF at the start: UTF-16 (little or big endian); each character below 256 becomes
//   that byte, any other (a surrogate pair counting as one) becomes '?', an odd last byte is
//   ignored. EF BB BF at the start is dropped. Any other script is read as bytes.
// - LF ends a line and CR is dropped wherever it stands. After the last LF, what is left is one
//   more line when it holds any byte, or, in a UTF-16 script, any byte besides CR.
// - A line ends at its first NUL, as a list box item does.
std::vector<std::string> SplitScriptLines(std::string_view bytes);
// The same lines handed over one at a time, none of them kept.
void ForEachScriptLine(std::string_view bytes, const std::function<void(const std::string&)>& take);

}  // namespace tolvex::rc
