// A program's lines as parts in order: lines held, and lines made again each time they are read
// from what the conversion keeps anyway. A large complete program's define lines and event loop
// are a third of its text; made when the program is written, they never take room beside the
// model they are made from.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/line_shapes.h"
#include "generator/packed_lines.h"

namespace tolvex {

class ProgramLines {
 public:
  // Takes one line; false stops the reading.
  using Take = std::function<bool(std::string_view)>;
  // Hands its lines to take, in order, until take returns false; returns false when it did. It
  // must hand the same lines every time.
  using Make = std::function<bool(const Take& take)>;

  ProgramLines() = default;
  explicit ProgramLines(PackedLines lines) { Add(std::move(lines)); }

  void Add(PackedLines lines);
  void Add(const shapes::Lines& lines);
  void AddMade(Make make);
  // Keeps owner as long as the lines: what the made parts read and do not own themselves.
  void Keep(std::shared_ptr<const void> owner) { kept_.push_back(std::move(owner)); }

  // Hands every line to take, in order, until take returns false; returns false when it did.
  bool Each(const Take& take) const;
  // The lines as strings of their own, for what keeps them apart (the listing, the preview).
  std::vector<std::string> Copied() const;

 private:
  struct Part {
    PackedLines held;
    Make made;  // when empty, the part is held
  };
  std::vector<Part> parts_;
  std::vector<std::shared_ptr<const void>> kept_;
};

// Feeds a made part's lines to its take: whole lines, shapes' lists of lines, and lines joined
// from their pieces in a room of its own that serves the next. Once take refuses a line, the rest
// are passed over.
class LineFeed {
 public:
  explicit LineFeed(const ProgramLines::Take& take) : take_(take) {}

  void operator()(std::string_view line) {
    if (taking_) taking_ = take_(line);
  }
  void operator()(const shapes::Lines& lines) {
    for (const std::string& line : lines) (*this)(line);
  }
  template <size_t N>
  void operator()(const shapes::LinePieces<N>& pieces) {
    joined_.clear();
    shapes::AppendAll(joined_, pieces.data(), N);
    (*this)(joined_);
  }
  // Whether every line was taken.
  bool taken() const { return taking_; }

 private:
  const ProgramLines::Take& take_;
  std::string joined_;
  bool taking_ = true;
};

}  // namespace tolvex
