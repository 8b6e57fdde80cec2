// Lines packed into blocks of text: a script's lines as loaded, a generated program's as written.
// A large script makes half a million program lines; held as a string each they took four times
// the bytes of the program itself. The blocks never move once filled, so the lines grow without
// copying what they already hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "generator/line_shapes.h"
#include "generator/text_blocks.h"

namespace tolvex {

class PackedLines {
 public:
  PackedLines() = default;
  PackedLines(std::initializer_list<std::string_view> lines);
  PackedLines(const PackedLines& other);
  PackedLines& operator=(const PackedLines& other);
  // What is moved from is left empty, ready for lines of its own.
  PackedLines(PackedLines&& other) noexcept;
  PackedLines& operator=(PackedLines&& other) noexcept;

  void push_back(std::string_view line);
  // The line the pieces make, joined where it is kept.
  template <size_t N>
  void push_back(const shapes::LinePieces<N>& pieces) {
    PushJoined(pieces.data(), N);
  }
  // A line left where it is, in bytes that outlive these lines (lines borrowed one after another
  // lie in one buffer): nothing is copied, and no NUL need follow it.
  void push_back_borrowed(std::string_view line);
  void append(const shapes::Lines& lines);
  // Takes other's lines after these, their bytes left where they are: only their places are
  // copied. other is left empty.
  void append(PackedLines&& other);
  void clear() { *this = PackedLines(); }

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  // The line's bytes; unless borrowed a NUL follows them, so data() is also the line as a C
  // string.
  std::string_view operator[](size_t index) const {
    const uint64_t place = chunks_[index / kChunkLines][index % kChunkLines];
    const Base& base = bases_[place >> (kOffsetBits + kSizeBits)];
    const auto size = static_cast<size_t>(place & kSizeMask);
    return {base.at + ((place >> kSizeBits) & kOffsetMask),
            size == kSizeMask ? base.longSize : size};
  }

  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;
    const_iterator() = default;
    const_iterator(const PackedLines* lines, size_t index) : lines_(lines), index_(index) {}
    std::string_view operator*() const { return (*lines_)[index_]; }
    const_iterator& operator++() {
      ++index_;
      return *this;
    }
    const_iterator operator++(int) { return {lines_, index_++}; }
    bool operator==(const const_iterator& other) const { return index_ == other.index_; }
    bool operator!=(const const_iterator& other) const { return index_ != other.index_; }

   private:
    const PackedLines* lines_ = nullptr;
    size_t index_ = 0;
  };
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size_}; }
  // The lines as strings of their own, for what keeps them apart (the listing, the preview).
  std::vector<std::string> Copied() const;

  bool operator==(const PackedLines& other) const;
  bool operator!=(const PackedLines& other) const { return !(*this == other); }

 private:
  // A line's place takes eight bytes: the base it is counted from, its offset from there and its
  // size. A base is a point in a block or in borrowed bytes, from which the lines that follow it
  // within a megabyte are counted; a line of kSizeMask bytes or more has a base of its own that
  // keeps its size. The places go in chunks that never move: half a million program lines grow
  // without copying, at half the bytes of a view each.
  struct Base {
    const char* at;
    size_t longSize;  // 0 but for a long line's own base
    bool borrowed;
  };
  static constexpr unsigned kSizeBits = 20, kOffsetBits = TextBlocks::kOffsetBits;
  static constexpr uint64_t kSizeMask = (uint64_t{1} << kSizeBits) - 1;
  static constexpr uint64_t kOffsetMask = (uint64_t{1} << kOffsetBits) - 1;
  static constexpr size_t kMostBases = size_t{1} << (64 - kOffsetBits - kSizeBits);
  static constexpr size_t kChunkLines = 4096;
  // freshBlock: the line starts a block of its own, never counted from a base in another.
  void Add(const char* at, size_t size, bool borrowed, bool freshBlock);
  void PushJoined(const std::string_view* pieces, size_t count);
  void AddPlace(uint64_t place);

  TextBlocks text_;  // the lines' own bytes, each followed by a NUL
  std::vector<Base> bases_;
  std::vector<std::unique_ptr<uint64_t[]>> chunks_;
  size_t size_ = 0;
};

}  // namespace tolvex
