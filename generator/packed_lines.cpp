#include "generator/packed_lines.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>

namespace tolvex {

PackedLines::PackedLines(std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) push_back(line);
}

PackedLines::PackedLines(const PackedLines& other) { *this = other; }

PackedLines& PackedLines::operator=(const PackedLines& other) {
  if (this == &other) return *this;
  PackedLines copy;
  for (std::string_view line : other) copy.push_back(line);
  return *this = std::move(copy);
}

PackedLines::PackedLines(PackedLines&& other) noexcept { *this = std::move(other); }

PackedLines& PackedLines::operator=(PackedLines&& other) noexcept {
  if (this == &other) return *this;
  text_ = std::exchange(other.text_, {});
  bases_ = std::exchange(other.bases_, {});
  chunks_ = std::exchange(other.chunks_, {});
  size_ = std::exchange(other.size_, 0);
  return *this;
}

void PackedLines::push_back(std::string_view line) {
  const TextBlocks::Place place = text_.Store(line, true);
  Add(place.at, line.size(), false, place.offset == 0);
}

void PackedLines::PushJoined(const std::string_view* pieces, size_t count) {
  const TextBlocks::Place place = text_.StoreJoined(pieces, count);
  Add(place.at, place.size, false, place.offset == 0);
}

void PackedLines::push_back_borrowed(std::string_view line) {
  Add(line.data(), line.size(), true, false);
}

void PackedLines::Add(const char* at, size_t size, bool borrowed, bool freshBlock) {
  const bool longLine = size >= kSizeMask;
  uint64_t offset = 0;
  bool counted = false;  // from the last base
  if (!freshBlock && !longLine && !bases_.empty() && at != nullptr) {
    const Base& last = bases_.back();
    offset = reinterpret_cast<uintptr_t>(at) - reinterpret_cast<uintptr_t>(last.at);
    counted = last.at != nullptr && last.longSize == 0 && last.borrowed == borrowed &&
              offset <= kOffsetMask;
  }
  if (!counted) {
    if (bases_.size() == kMostBases) throw std::length_error("too many lines to hold");
    bases_.push_back({at, longLine ? size : 0, borrowed});
    offset = 0;
  }
  AddPlace(static_cast<uint64_t>(bases_.size() - 1) << (kOffsetBits + kSizeBits) |
           offset << kSizeBits | (longLine ? kSizeMask : size));
}

void PackedLines::AddPlace(uint64_t place) {
  if (size_ == chunks_.size() * kChunkLines) chunks_.emplace_back(new uint64_t[kChunkLines]);
  chunks_[size_ / kChunkLines][size_ % kChunkLines] = place;
  ++size_;
}

bool PackedLines::operator==(const PackedLines& other) const {
  return size_ == other.size_ && std::equal(begin(), end(), other.begin());
}

void PackedLines::append(const shapes::Lines& lines) {
  for (const std::string& line : lines) push_back(line);
}

void PackedLines::append(PackedLines&& other) {
  if (&other == this) return;
  if (bases_.size() > kMostBases - other.bases_.size()) {
    throw std::length_error("too many lines to hold");
  }
  const uint64_t shift = static_cast<uint64_t>(bases_.size()) << (kOffsetBits + kSizeBits);
  text_.Adopt(std::move(other.text_));
  bases_.insert(bases_.end(), other.bases_.begin(), other.bases_.end());
  // Each of other's chunks goes as soon as its places are taken, so that a program's lines never
  // hold their places twice.
  for (size_t i = 0; i < other.size_; ++i) {
    AddPlace(other.chunks_[i / kChunkLines][i % kChunkLines] + shift);
    if ((i + 1) % kChunkLines == 0 || i + 1 == other.size_) other.chunks_[i / kChunkLines].reset();
  }
  other = PackedLines();
}

std::vector<std::string> PackedLines::Copied() const {
  std::vector<std::string> lines;
  lines.reserve(size());
  for (std::string_view line : *this) lines.emplace_back(line);
  return lines;
}

}  // namespace tolvex
