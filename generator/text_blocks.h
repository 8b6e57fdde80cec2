// Text kept in blocks that never move: what is stored stays where it is while more is added, and
// growing copies nothing already held. Blocks grow from 4 KiB to a megabyte; a longer text takes a
// block of its own, full at once, so that every offset within a block fits kOffsetBits.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace tolvex {

class TextBlocks {
 public:
  static constexpr unsigned kOffsetBits = 20;
  struct Place {
    char* at;
    size_t block;   // the block's number
    size_t offset;  // in the block; 0 when the text starts a block
    size_t size;    // of the text stored, its NUL not counted
  };

  // Copies text, then a NUL when nulAfter. text may lie in what is already stored.
  Place Store(std::string_view text, bool nulAfter);
  // Copies the pieces one after another, then a NUL.
  Place StoreJoined(const std::string_view* pieces, size_t count);
  const char* Block(size_t number) const { return blocks_[number].get(); }
  // Takes other's blocks after these; what is stored next goes on in other's last block. other is
  // left empty.
  void Adopt(TextBlocks&& other);

 private:
  // Where `needed` more bytes go: the last block, or a new one.
  Place Room(size_t needed);

  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t used_ = 0, size_ = 0;  // of the last block
};

}  // namespace tolvex
