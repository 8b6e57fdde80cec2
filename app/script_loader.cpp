// Placeholder until script loading lands.
#include "app/script_loader.h"
namespace tolvex {
void ClearForLoad() {}
bool ReadScriptIntoListing(const std::string&) { return false; }
}  // namespace tolvex
