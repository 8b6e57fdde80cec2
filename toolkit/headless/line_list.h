// The lines of a headless list box, packed: their text in large blocks that never move, and a
// view of each line in list order, so that a listing of a large script costs little more than its
// bytes and growing it copies nothing.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex::headless {

class LineList {
 public:
  size_t size() const { return lines_.size(); }
  std::string_view at(size_t index) const { return lines_[index]; }
  // Puts the line before the one at index; at size() it appends.
  void insert(size_t index, std::string_view line);
  void clear();

 private:
  std::deque<std::string> blocks_;  // each filled up to its capacity, never reallocated
  std::vector<std::string_view> lines_;
};

}  // namespace tolvex::headless
