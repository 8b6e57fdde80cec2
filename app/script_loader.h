// Loading a resource script into the source listing, shared by the main window's Load.rc and the
// command-line converter.
#pragma once

#include <string>
#include <string_view>

namespace tolvex {

// Shows the source listing in place of the output listing, empties both and clears the tables.
void ClearForLoad();
// Appends a script's lines to the source listing, decoded and split as every reader of a script
// sees them.
void PutScriptIntoListing(std::string_view bytes);
// Reads the whole script into the source listing. Returns false, leaving the listing empty, when
// the file is no regular file, cannot be opened or a read fails before its end.
bool ReadScriptIntoListing(const std::string& path);
// The same for a script on standard input, which is read to its end or up to
// kMaxStandardInputBytes (app/limits.h), whatever it is.
bool ReadStandardInputIntoListing();

}  // namespace tolvex
