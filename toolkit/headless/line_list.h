// The lines of a headless list box, packed: their text in one buffer and where each starts, so
// that a listing of a large script costs little more than its bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex::headless {

class LineList {
 public:
  size_t size() const { return starts_.size(); }
  std::string_view at(size_t index) const;
  // Puts the line before the one at index; at size() it appends, in constant time.
  void insert(size_t index, std::string_view line);
  void clear();

 private:
  std::string text_;
  std::vector<size_t> starts_;
};

}  // namespace tolvex::headless
