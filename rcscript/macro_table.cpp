#include "rcscript/macro_table.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tolvex::rc {

const Macro* MacroTable::Find(std::string_view name) const {
  const std::uint32_t entry = index_.Find(name, [this](std::uint32_t e) { return NameOf(e); });
  return entry == NameIndex::kNone ? nullptr : &entries_[entry].macro;
}

void MacroTable::Define(const char* name, const std::vector<Token>& body,
                        std::string_view lasting) {
  Put(name, name, body, lasting);
}

void MacroTable::DefineOwnName(std::string_view name, const std::vector<Token>& body) {
  Put(name, nullptr, body, {});
}

void MacroTable::Put(std::string_view name, const char* lastingName, const std::vector<Token>& body,
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
  // A name the table copies is copied once, when it is new.
  if (lastingName == nullptr) {
    char* copy = texts_.Take(name.size() + 1);
    std::memcpy(copy, name.data(), name.size());
    copy[name.size()] = '\0';
    lastingName = copy;
  }
  entries_.push_back(Entry{macro, lastingName});
}

void MacroTable::Erase(std::string_view name) {
  const std::uint32_t entry = index_.Erase(name, [this](std::uint32_t e) { return NameOf(e); });
  if (entry != NameIndex::kNone) entries_[entry].macro = Macro{};
}

Macro MacroTable::Keep(const std::vector<Token>& body, std::string_view lasting) {
  if (body.empty()) return Macro{};
  MacroToken* first = tokens_.Take(body.size());
  for (size_t i = 0; i < body.size(); ++i) {
    const Token& t = body[i];
    if (t.text.size() > UINT32_MAX) throw std::length_error("a define's token too long to hold");
    const std::string_view text =
        !lasting.empty() && t.text == lasting ? lasting : KeepText(t.text);
    first[i] = MacroToken{text.data(),      static_cast<std::uint32_t>(text.size()),
                          t.number,         t.kind,
                          t.numberValid,    t.coding.utf8,
                          t.coding.codePage};
  }
  return Macro{first, static_cast<std::uint32_t>(body.size())};
}

std::string_view MacroTable::KeepText(std::string_view text) {
  if (text.empty()) return "";  // a view of no bytes still points at some, as a token's does
  char* kept = texts_.Take(text.size());
  std::memcpy(kept, text.data(), text.size());
  return {kept, text.size()};
}

}  // namespace tolvex::rc
