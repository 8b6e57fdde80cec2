#include "toolkit/headless/line_list.h"

namespace tolvex::headless {

std::string_view LineList::at(size_t index) const {
  const size_t end = index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
  return std::string_view(text_).substr(starts_[index], end - starts_[index]);
}

void LineList::insert(size_t index, std::string_view line) {
  if (index == starts_.size()) {
    starts_.push_back(text_.size());
    text_ += line;
    return;
  }
  const size_t at = starts_[index];
  text_.insert(at, line);
  starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(index), at);
  for (size_t i = index + 1; i < starts_.size(); ++i) starts_[i] += line.size();
}

void LineList::clear() {
  text_.clear();
  text_.shrink_to_fit();
  starts_.clear();
  starts_.shrink_to_fit();
}

}  // namespace tolvex::headless
