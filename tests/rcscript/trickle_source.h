// A script's bytes given a few at a time, as a slow file gives them: the reader then takes the
// script in pieces of a line or so and frees each one as it passes it.
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

#include "rcscript/script_lines.h"

namespace tolvex::testing {

class TrickleSource : public rc::ScriptSource {
 public:
  TrickleSource(std::string_view bytes, size_t step) : bytes_(bytes), step_(step) {}
  long Read(char* into, long most) override {
    const size_t n = std::min({static_cast<size_t>(most), step_, bytes_.size() - at_});
    std::memcpy(into, bytes_.data() + at_, n);
    at_ += n;
    return static_cast<long>(n);
  }
  bool Rewind() override {
    at_ = 0;
    return true;
  }

 private:
  std::string_view bytes_;
  size_t step_, at_ = 0;
};

}  // namespace tolvex::testing
