#include "conversion/tables.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <stdexcept>

namespace tolvex {
namespace {
const std::string kEmpty;
}  // namespace

std::string_view ControlTable::get(int dialog, int entry, int field) const {
  if (dialog < 0 || entry < 0 || field < 0 || field >= kFields) return {};
  if (static_cast<size_t>(dialog) >= rows_.size()) return {};
  const auto& row = rows_[static_cast<size_t>(dialog)];
  if (static_cast<size_t>(entry) >= row.size()) return {};
  const Field f = row[static_cast<size_t>(entry)][static_cast<size_t>(field)];
  return std::string_view(text_).substr(f.at, f.size);
}

void ControlTable::set(int dialog, int entry, int field, std::string_view text) {
  if (dialog < 0 || entry < 0 || field < 0 || field >= kFields) return;
  if (dialog == 0) defineIndexStale_ = true;
  if (static_cast<size_t>(dialog) >= rows_.size()) rows_.resize(static_cast<size_t>(dialog) + 1);
  auto& row = rows_[static_cast<size_t>(dialog)];
  if (static_cast<size_t>(entry) >= row.size()) row.resize(static_cast<size_t>(entry) + 1);

  // Text taken from the table itself is found again after the table's bytes have grown.
  const char* const bytes = text_.data();
  const bool own = !text.empty() && text.data() >= bytes && text.data() < bytes + text_.size();
  const size_t ownAt = own ? static_cast<size_t>(text.data() - bytes) : 0;
  const size_t at = text_.size();
  if (text.size() > std::numeric_limits<uint32_t>::max() - at) {
    throw std::length_error("the designed conversion's table passes 4 GiB of text");
  }
  if (at + text.size() > text_.capacity()) {
    text_.reserve(std::max(2 * text_.capacity(), at + text.size()));
  }
  if (own) text = std::string_view(text_.data() + ownAt, text.size());
  text_.append(text.data(), text.size());
  row[static_cast<size_t>(entry)][static_cast<size_t>(field)] =
      Field{static_cast<uint32_t>(at), static_cast<uint32_t>(text.size())};
}

int ControlTable::entryCount(int dialog) const {
  if (dialog < 0 || static_cast<size_t>(dialog) >= rows_.size()) return 0;
  return static_cast<int>(rows_[static_cast<size_t>(dialog)].size());
}

int ControlTable::firstDefineEntry(std::string_view name) const {
  const std::hash<std::string_view> hash;
  // The entry of each name once, the first, so that a name defined again and again costs one look.
  const auto find = [&](std::string_view wanted, size_t key) {
    const auto [from, to] = defineIndex_.equal_range(key);
    for (auto it = from; it != to; ++it) {
      if (get(0, it->second, 0) == wanted) return it->second;
    }
    return 0;
  };
  if (defineIndexStale_) {
    defineIndex_.clear();
    defineIndex_.reserve(static_cast<size_t>(entryCount(0)));
    for (int entry = 1; entry < entryCount(0); ++entry) {
      const std::string_view entryName = get(0, entry, 0);
      const size_t key = hash(entryName);
      if (find(entryName, key) == 0) defineIndex_.emplace(key, entry);
    }
    defineIndexStale_ = false;
  }
  return find(name, hash(name));
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
