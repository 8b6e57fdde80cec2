#include "rcscript/macro_table.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tolvex::rc {
namespace {
// A script of a few defines takes a small chunk; a large one grows to chunks of 128 KiB.
constexpr size_t kFirstChunkTokens = 64;
constexpr size_t kLargestChunkTokens = 4096;
constexpr size_t kFirstTextChunk = 1024, kLargestTextChunk = 64 * 1024;
}  // namespace

const Macro* MacroTable::Find(std::string_view name) const {
  const std::uint32_t entry = index_.Find(name, [this](std::uint32_t e) { return NameOf(e); });
  return entry == NameIndex::kNone ? nullptr : &entries_[entry].macro;
}

void MacroTable::Define(const char* name, const std::vector<Token>& body,
                        std::string_view lasting) {
  // The last two numbers mark a slot free or erased.
  if (entries_.size() >= NameIndex::kNone - 1) throw std::length_error("too many defines to hold");
  if (body.size() > UINT32_MAX) throw std::length_error("a define too long to hold");
  const Macro macro = Keep(body, lasting);
  const std::uint32_t entry = index_.Insert(name, static_cast<std::uint32_t>(entries_.size()),
                                            [this](std::uint32_t e) { return NameOf(e); });
  if (entry != NameIndex::kNone) {
    entries_[entry].macro = macro;
    return;
  }
  entries_.push_back(Entry{macro, name});
}

void MacroTable::Erase(std::string_view name) {
  const std::uint32_t entry = index_.Erase(name, [this](std::uint32_t e) { return NameOf(e); });
  if (entry != NameIndex::kNone) entries_[entry].macro = Macro{};
}

Macro MacroTable::Keep(const std::vector<Token>& body, std::string_view lasting) {
  if (body.empty()) return Macro{};
  if (chunks_.empty() || chunkSize_ - chunkUsed_ < body.size()) {
    chunkSize_ =
        std::max(std::clamp(chunkSize_ * 2, kFirstChunkTokens, kLargestChunkTokens), body.size());
    chunkUsed_ = 0;
    chunks_.emplace_back(new MacroToken[chunkSize_]);
  }
  MacroToken* first = chunks_.back().get() + chunkUsed_;
  for (size_t i = 0; i < body.size(); ++i) {
    const Token& t = body[i];
    const std::string_view text =
        !lasting.empty() && t.text == lasting ? lasting : KeepText(t.text);
    first[i] = MacroToken{text.data(),      static_cast<std::uint32_t>(text.size()),
                          t.number,         t.kind,
                          t.numberValid,    t.coding.utf8,
                          t.coding.codePage};
  }
  chunkUsed_ += body.size();
  return Macro{first, static_cast<std::uint32_t>(body.size())};
}

std::string_view MacroTable::KeepText(std::string_view text) {
  if (text.empty()) return "";  // a view of no bytes still points at some, as a token's does
  if (textChunks_.empty() || textSize_ - textUsed_ < text.size()) {
    textSize_ =
        std::max(std::clamp(textSize_ * 2, kFirstTextChunk, kLargestTextChunk), text.size());
    textUsed_ = 0;
    textChunks_.emplace_back(new char[textSize_]);
  }
  char* kept = textChunks_.back().get() + textUsed_;
  std::memcpy(kept, text.data(), text.size());
  textUsed_ += text.size();
  return {kept, text.size()};
}

}  // namespace tolvex::rc
