// libFuzzer's entry, the same for every target: the input's bytes go to the target's FuzzOne.
#include "fuzz/fuzz_target.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tolvex::fuzzing::FuzzOne(std::string_view(reinterpret_cast<const char*>(data), size));
}

void tolvex::fuzzing::Fail(const char* file, int line, const char* check) {
  std::fprintf(stderr, "%s:%d: the check fails: %s\n", file, line, check);
  std::abort();
}
