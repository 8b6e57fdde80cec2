// Lines packed into blocks of text: a script's lines as loaded, a generated program's as written.
// A large script makes half a million program lines; held as a string each they took four times
// the bytes of the program itself. The blocks never move once filled, so the lines grow without
// copying what they already hold.
#pragma once

#include <cstddef>
#include <initializer_list>
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

  // Room for so many lines in all, so that a count known beforehand costs no regrowth.
  void reserve(size_t lines) { lines_.reserve(lines); }
  void push_back(std::string_view line);
  // A line left where it is, in bytes that outlive these lines: nothing is copied, and no NUL
  // need follow it.
  void push_back_borrowed(std::string_view line) { lines_.push_back(line); }
  void append(const shapes::Lines& lines);
  void clear() { *this = PackedLines(); }

  size_t size() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }
  // The line's bytes; unless borrowed a NUL follows them, so data() is also the line as a C
  // string.
  std::string_view operator[](size_t index) const { return lines_[index]; }
  auto begin() const { return lines_.begin(); }
  auto end() const { return lines_.end(); }
  // The lines as strings of their own, for what keeps them apart (the listing, the preview).
  std::vector<std::string> Copied() const;

  bool operator==(const PackedLines& other) const { return lines_ == other.lines_; }
  bool operator!=(const PackedLines& other) const { return !(*this == other); }

 private:
  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t blockUsed_ = 0, blockSize_ = 0;  // of the last block
  std::vector<std::string_view> lines_;   // each into a block, followed there by a NUL, or borrowed
};

}  // namespace tolvex
