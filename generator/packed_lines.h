// Lines packed into blocks of text: a script's lines as loaded, a generated program's as written.
// A large script makes half a million program lines; held as a string each they took four times
// the bytes of the program itself. The blocks never move once filled, so the lines grow without
// copying what they already hold.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "generator/line_shapes.h"

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
  // A line left where it is, in bytes that outlive these lines: nothing is copied, and no NUL
  // need follow it.
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
    return chunks_[index / kChunkLines][index % kChunkLines];
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
  // The lines' places go in chunks that never move either: half a million program lines grow
  // without the copying and the fresh pages that one growing array of places cost.
  static constexpr size_t kChunkLines = 4096;
  void Add(std::string_view line);

  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t blockUsed_ = 0, blockSize_ = 0;  // of the last block
  // Each into a block, followed there by a NUL, or borrowed.
  std::vector<std::unique_ptr<std::string_view[]>> chunks_;
  size_t size_ = 0;
};

}  // namespace tolvex
