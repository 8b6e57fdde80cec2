#include "conversion/tables.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace tolvex {
namespace {
const std::string kEmpty;
}  // namespace

std::string_view ControlTable::get(int dialog, int entry, int field) const {
  if (dialog < 0 || entry < 0 || field < 0) return {};
  if (static_cast<size_t>(dialog) >= rows_.size()) return {};
  const auto& row = rows_[static_cast<size_t>(dialog)];
  if (static_cast<size_t>(entry) >= row.size()) return {};
  const Entry e = row[static_cast<size_t>(entry)];
  if (static_cast<uint32_t>(field) >= e.width) return {};
  const Field f = fields_[e.first + static_cast<uint32_t>(field)];
  if (f.size == 0) return {};
  const char* block = blocks_[f.at >> kOffsetBits].get();
  return {block + (f.at & ((uint32_t{1} << kOffsetBits) - 1)), f.size};
}

void ControlTable::set(int dialog, int entry, int field, std::string_view text) {
  if (dialog < 0 || entry < 0 || field < 0 || field >= kFields) return;
  if (dialog == 0) defineIndexStale_ = true;
  if (static_cast<size_t>(dialog) >= rows_.size()) rows_.resize(static_cast<size_t>(dialog) + 1);
  auto& row = rows_[static_cast<size_t>(dialog)];
  if (static_cast<size_t>(entry) >= row.size()) row.resize(static_cast<size_t>(entry) + 1);
  Entry& e = row[static_cast<size_t>(entry)];
  constexpr size_t kMost = std::numeric_limits<uint32_t>::max();

  if (static_cast<uint32_t>(field) >= e.width) {
    // The entry moves to the end with room for all its fields; a define's name and value need two.
    const uint32_t width = dialog == 0 && field < 2 ? 2 : kFields;
    if (fields_.size() > kMost - width) {
      throw std::length_error("the designed conversion's table passes 4 G fields");
    }
    const auto first = static_cast<uint32_t>(fields_.size());
    fields_.resize(fields_.size() + width);
    for (uint32_t k = 0; k < e.width; ++k) fields_[first + k] = fields_[e.first + k];
    e = Entry{first, width};
  }

  Field& f = fields_[e.first + static_cast<uint32_t>(field)];
  if (text.empty()) {
    f = Field{};
    return;
  }
  // Blocks grow to a megabyte; a longer text takes a block of its own, full at once. Text taken
  // from the table itself is copied safely: it lies in bytes already written, never in new ones.
  constexpr size_t kLargestBlock = size_t{1} << kOffsetBits;
  if (blockSize_ - blockUsed_ < text.size()) {
    if (blocks_.size() >= (size_t{1} << (32 - kOffsetBits)) || text.size() > kMost) {
      throw std::length_error("the designed conversion's table passes 4 GiB of text");
    }
    blockSize_ =
        std::max(std::min(std::max(blockSize_ * 2, size_t{4096}), kLargestBlock), text.size());
    blockUsed_ = 0;
    blocks_.emplace_back(new char[blockSize_]);  // not zeroed: only written bytes are read
  }
  const auto at = static_cast<uint32_t>(((blocks_.size() - 1) << kOffsetBits) | blockUsed_);
  std::memcpy(blocks_.back().get() + blockUsed_, text.data(), text.size());
  blockUsed_ += text.size();
  if (blockSize_ > kLargestBlock) blockUsed_ = blockSize_;
  f = Field{at, static_cast<uint32_t>(text.size())};
}

int ControlTable::entryCount(int dialog) const {
  if (dialog < 0 || static_cast<size_t>(dialog) >= rows_.size()) return 0;
  return static_cast<int>(rows_[static_cast<size_t>(dialog)].size());
}

int ControlTable::firstDefineEntry(std::string_view name) const {
  const std::hash<std::string_view> hash;
  // The slot holding name's entry, or the free slot where it would go.
  const auto slotOf = [&](std::string_view wanted) -> int& {
    const size_t mask = defineSlots_.size() - 1;
    for (size_t i = hash(wanted) & mask;; i = (i + 1) & mask) {
      int& slot = defineSlots_[i];
      if (slot == 0 || get(0, slot, 0) == wanted) return slot;
    }
  };
  if (defineIndexStale_) {
    // At most half the slots are taken, so that a search soon meets a free one.
    size_t slots = 16;
    while (slots < 2 * static_cast<size_t>(entryCount(0))) slots *= 2;
    defineSlots_.assign(slots, 0);
    for (int entry = 1; entry < entryCount(0); ++entry) {
      int& slot = slotOf(get(0, entry, 0));
      if (slot == 0) slot = entry;
    }
    defineIndexStale_ = false;
  }
  return slotOf(name);
}

const std::string& DialogTable::get(int dialog, int field) const {
  if (dialog < 0 || field < 0 || field >= kFields) return kEmpty;
  if (static_cast<size_t>(dialog) >= rows_.size()) return kEmpty;
  return rows_[static_cast<size_t>(dialog)][static_cast<size_t>(field)];
}

void DialogTable::set(int dialog, int field, std::string text) {
  if (dialog < 0 || field < 0 || field >= kFields) return;
  if (static_cast<size_t>(dialog) >= rows_.size()) rows_.resize(static_cast<size_t>(dialog) + 1);
  rows_[static_cast<size_t>(dialog)][static_cast<size_t>(field)] = std::move(text);
}

}  // namespace tolvex
