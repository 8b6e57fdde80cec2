// Loading a resource script into the source listing, shared by the main window's Load.rc and the
// command-line converter.
#pragma once

#include <string>
#include <string_view>

namespace tolvex {

// Shows the source listing in place of the output listing, empties both and clears the tables.
void ClearForLoad();
// Reads the script line by line into the source listing, decoding a UTF-16 script and dropping a
// UTF-8 mark. Returns false when the file cannot be opened (the listing then stays empty).
bool ReadScriptIntoListing(const std::string& path);
// Appends a script's lines, given as the file's bytes, to the source listing.
void PutScriptLinesIntoListing(std::string_view bytes);

}  // namespace tolvex
