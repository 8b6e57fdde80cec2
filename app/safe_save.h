// Replacing a file whole, safely against other programs and other users writing in its folder.
#pragma once

#include <functional>
#include <string>

#include "generator/byte_pieces.h"

namespace tolvex {

// Writes bytes as the whole of the file at path, or leaves the file as it was. The bytes go to a
// new temporary of a name no other file holds, created beside the file (beside a link's target,
// the link kept), readable by its owner alone until it is written and flushed; it then takes the
// replaced file's permissions (and owner, where allowed) and replaces it in one rename, so that
// concurrent saves each put one whole file in place. A device, FIFO or terminal is written
// directly; a folder, a chain of links without end or another user's link is refused with its
// reason as files::LastFailure(). When another program's open handle blocks the replacing
// (Windows), the file is written in place; if that fails too, the temporary stays and its name
// goes to keptTemporary. False when nothing was written.
// beforeReplace, when given, is called with the temporary's name once it holds the bytes, before
// it replaces the file: false removes it and leaves the file as it was.
using BeforeReplace = std::function<bool(const std::string& temporary)>;
bool SaveWholeFile(const std::string& path, const BytePieces& bytes,
                   std::string* keptTemporary = nullptr, const BeforeReplace& beforeReplace = {});
inline bool SaveWholeFile(const std::string& path, const std::string& bytes,
                          std::string* keptTemporary = nullptr) {
  return SaveWholeFile(path, PiecesOf(bytes), keptTemporary);
}

}  // namespace tolvex
