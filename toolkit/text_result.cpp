#include "toolkit/text_result.h"

#include <cstdlib>
#include <cstring>

namespace {

// Handed out when no copy can be made: a text result is never null, and FREESTRING knows it.
char noMemory[1] = {'\0'};

}  // namespace

namespace tolvex {

char* GiveText(const std::string& text) {
  // A text result ends at its first NUL, as the C caller will read it.
  const size_t length = std::strlen(text.c_str());
  auto* copy = static_cast<char*>(std::malloc(length + 1));
  if (copy == nullptr) return noMemory;
  std::memcpy(copy, text.c_str(), length + 1);
  return copy;
}

std::string TakeText(char* text) {
  std::string result = text != nullptr ? text : "";
  FREESTRING(text);
  return result;
}

}  // namespace tolvex

extern "C" void FREESTRING(char* text) {
  if (text != noMemory) std::free(text);
}
