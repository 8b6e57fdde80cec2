#include "toolkit/headless/line_list.h"

#include <algorithm>

namespace tolvex::headless {
namespace {
constexpr size_t kBlock = 1 << 20;
}  // namespace

void LineList::insert(size_t index, std::string_view line) {
  if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < line.size()) {
    blocks_.emplace_back();
    blocks_.back().reserve(std::max(kBlock, line.size()));
  }
  std::string& block = blocks_.back();
  const size_t at = block.size();
  block.append(line);  // within its capacity: the views into the block stay valid
  const std::string_view stored = std::string_view(block).substr(at, line.size());
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), stored);
}

void LineList::clear() {
  blocks_.clear();
  lines_.clear();
  lines_.shrink_to_fit();
}

}  // namespace tolvex::headless
