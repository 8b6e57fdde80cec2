#include "conversion/tables.h"

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
  const char* block = text_.Block(f.at >> kOffsetBits);
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
  // Text taken from the table itself stays where it is while it is copied.
  const TextBlocks::Place place = text_.Store(text, false);
  if (text.size() > kMost || place.block >> (32 - kOffsetBits) != 0) {
    throw std::length_error("the designed conversion's table passes 4 GiB of text");
  }
  const auto at = static_cast<uint32_t>(place.block << kOffsetBits | place.offset);
  f = Field{at, static_cast<uint32_t>(text.size())};
}

int ControlTable::entryCount(int dialog) const {
  if (dialog < 0 || static_cast<size_t>(dialog) >= rows_.size()) return 0;
  return static_cast<int>(rows_[static_cast<size_t>(dialog)].size());
}

int ControlTable::firstDefineEntry(std::string_view name) const {
  const auto nameOf = [this](std::uint32_t entry) { return get(0, static_cast<int>(entry), 0); };
  if (defineIndexStale_) {
    defineIndex_.Clear(static_cast<size_t>(entryCount(0)));
    for (int entry = 1; entry < entryCount(0); ++entry) {
      defineIndex_.Insert(get(0, entry, 0), static_cast<std::uint32_t>(entry), nameOf);
    }
    defineIndexStale_ = false;
  }
  const std::uint32_t entry = defineIndex_.Find(name, nameOf);
  return entry == rc::NameIndex::kNone ? 0 : static_cast<int>(entry);
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
