#include "generator/text_blocks.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tolvex {
namespace {
// A small program takes a small block; a long one grows to blocks of a megabyte.
constexpr size_t kFirstBlockBytes = size_t{4} << 10;
constexpr size_t kLargestBlockBytes = size_t{1} << TextBlocks::kOffsetBits;
}  // namespace

TextBlocks::Place TextBlocks::Store(std::string_view text, bool nulAfter) {
  const size_t needed = text.size() + (nulAfter ? 1 : 0);
  if (blocks_.empty() || size_ - used_ < needed) {
    size_ = std::max(std::clamp(size_ * 2, kFirstBlockBytes, kLargestBlockBytes), needed);
    used_ = 0;
    blocks_.emplace_back(new char[size_]);  // not zeroed: every byte is written before it is read
  }
  // New bytes never overlap the old ones text may lie in.
  char* at = blocks_.back().get() + used_;
  if (!text.empty()) std::memcpy(at, text.data(), text.size());
  if (nulAfter) at[text.size()] = '\0';
  const Place place{at, blocks_.size() - 1, used_};
  used_ += needed;
  return place;
}

void TextBlocks::Adopt(TextBlocks&& other) {
  if (&other == this) return;
  for (std::unique_ptr<char[]>& block : other.blocks_) blocks_.push_back(std::move(block));
  if (!other.blocks_.empty()) {
    used_ = other.used_;
    size_ = other.size_;
  }
  other = TextBlocks();
}

}  // namespace tolvex
