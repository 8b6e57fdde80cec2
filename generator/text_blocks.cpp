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

TextBlocks::Place TextBlocks::Room(size_t needed) {
  if (blocks_.empty() || size_ - used_ < needed) {
    size_ = std::max(std::clamp(size_ * 2, kFirstBlockBytes, kLargestBlockBytes), needed);
    used_ = 0;
    blocks_.emplace_back(new char[size_]);  // not zeroed: every byte is written before it is read
  }
  const Place place{blocks_.back().get() + used_, blocks_.size() - 1, used_, 0};
  used_ += needed;
  return place;
}

TextBlocks::Place TextBlocks::Store(std::string_view text, bool nulAfter) {
  // New bytes never overlap the old ones text may lie in.
  Place place = Room(text.size() + (nulAfter ? 1 : 0));
  if (!text.empty()) std::memcpy(place.at, text.data(), text.size());
  if (nulAfter) place.at[text.size()] = '\0';
  place.size = text.size();
  return place;
}

TextBlocks::Place TextBlocks::StoreJoined(const std::string_view* pieces, size_t count) {
  size_t size = 0;
  for (size_t i = 0; i < count; ++i) size += pieces[i].size();
  Place place = Room(size + 1);
  place.size = size;
  char* at = place.at;
  for (size_t i = 0; i < count; ++i) {
    if (!pieces[i].empty()) std::memcpy(at, pieces[i].data(), pieces[i].size());
    at += pieces[i].size();
  }
  *at = '\0';
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
