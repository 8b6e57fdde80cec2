#include "conversion/tables.h"

namespace tolvex {
namespace {
const std::string kEmpty;
}  // namespace

const std::string& ControlTable::get(int dialog, int entry, int field) const {
  if (dialog < 0 || entry < 0 || field < 0 || field >= kFields) return kEmpty;
  if (static_cast<size_t>(dialog) >= rows_.size()) return kEmpty;
  const auto& row = rows_[static_cast<size_t>(dialog)];
  if (static_cast<size_t>(entry) >= row.size()) return kEmpty;
  const auto& fields = row[static_cast<size_t>(entry)];
  return static_cast<size_t>(field) < fields.size() ? fields[static_cast<size_t>(field)] : kEmpty;
}

void ControlTable::set(int dialog, int entry, int field, std::string text) {
  if (dialog < 0 || entry < 0 || field < 0 || field >= kFields) return;
  if (dialog == 0) defineIndexStale_ = true;
  if (static_cast<size_t>(dialog) >= rows_.size()) rows_.resize(static_cast<size_t>(dialog) + 1);
  auto& row = rows_[static_cast<size_t>(dialog)];
  if (static_cast<size_t>(entry) >= row.size()) row.resize(static_cast<size_t>(entry) + 1);
  auto& fields = row[static_cast<size_t>(entry)];
  if (static_cast<size_t>(field) >= fields.size()) {
    // A define's entry holds two fields; a control's takes all of them at once rather than
    // growing twice into room for fourteen.
    if (field >= 2) fields.reserve(kFields);
    fields.resize(static_cast<size_t>(field) + 1);
  }
  fields[static_cast<size_t>(field)] = std::move(text);
}

int ControlTable::entryCount(int dialog) const {
  if (dialog < 0 || static_cast<size_t>(dialog) >= rows_.size()) return 0;
  return static_cast<int>(rows_[static_cast<size_t>(dialog)].size());
}

int ControlTable::firstDefineEntry(const std::string& name) const {
  if (defineIndexStale_) {
    defineIndex_.clear();
    defineIndex_.reserve(static_cast<size_t>(entryCount(0)));
    for (int entry = 1; entry < entryCount(0); ++entry)
      defineIndex_.emplace(get(0, entry, 0), entry);
    defineIndexStale_ = false;
  }
  const auto it = defineIndex_.find(name);
  return it == defineIndex_.end() ? 0 : it->second;
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
