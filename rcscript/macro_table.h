// The preprocessor's defines by name, found through the index every identifier is looked up in.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string_view>
#include <vector>

#include "rcscript/name_index.h"
#include "rcscript/tokens.h"

namespace tolvex::rc {

// A define's token as a use puts it in place: what the use takes from it and no more, in 24
// bytes where a token takes 64. A use gives the tokens it puts in place its own place in the
// script.
struct MacroToken {
  const char* text = "";
  std::uint32_t size = 0;  // of the text
  std::uint32_t number = 0;
  TokenKind kind = TokenKind::kEnd;
  bool numberValid = false;
  bool utf8 = false;
  int codePage = 0;

  std::string_view Text() const { return {text, size}; }
  // The token with no place yet.
  Token Placeless() const {
    Token token;
    token.kind = kind;
    token.text = Text();
    token.number = number;
    token.numberValid = numberValid;
    token.coding = {utf8, codePage};
    return token;
  }
};
static_assert(sizeof(MacroToken) <= 24);

// A define's tokens, where the table keeps them.
struct Macro {
  const MacroToken* first = nullptr;
  std::uint32_t count = 0;
  const MacroToken* begin() const { return first; }
  const MacroToken* end() const { return first + count; }
  size_t size() const { return count; }
};

// Room for items that never move: chunks that double from kFirst items up to kLargest, a larger
// request taking a chunk of its own size. A script of a few defines takes a small chunk.
template <class T, size_t kFirst, size_t kLargest>
class Chunks {
 public:
  T* Take(size_t count) {
    if (chunks_.empty() || size_ - used_ < count) {
      size_ = std::max(std::clamp(size_ * 2, kFirst, kLargest), count);
      used_ = 0;
      chunks_.emplace_back(new T[size_]);
    }
    T* room = chunks_.back().get() + used_;
    used_ += count;
    return room;
  }

 private:
  std::vector<std::unique_ptr<T[]>> chunks_;
  size_t used_ = 0, size_ = 0;  // of the last chunk
};

class MacroTable {
 public:
  // The macro of that name, or none; valid until the table next changes.
  const Macro* Find(std::string_view name) const;
  bool Contains(std::string_view name) const { return Find(name) != nullptr; }
  // Defines the name, again or for the first time, as the body's tokens. The name must outlive the
  // table (the reader's defines and the predefined names do); the table keeps its own copy of the
  // tokens' texts, since a script read in pieces frees the lines they were read from, but for a
  // text equal to `lasting`, a text of the caller's that outlives the table too (a define's text
  // as the model holds it, which is its one token's text for most defines).
  void Define(const char* name, const std::vector<Token>& body, std::string_view lasting = {});
  // The same for a name of no lasting owner: the table keeps its own copy of it.
  void DefineOwnName(std::string_view name, const std::vector<Token>& body);
  void Erase(std::string_view name);
  // Room for so many defines in all, made at once.
  void Reserve(size_t names) { index_.Reserve(names); }

 private:
  // The names in the order they were defined (an erased one keeps its place, emptied).
  struct Entry {
    Macro macro;
    const char* name;  // the caller's, ending in a NUL, which no name holds
  };
  std::string_view NameOf(std::uint32_t entry) const { return entries_[entry].name; }
  // Defines name; lastingName is name where it outlives the table, or null for a copy of it.
  void Put(std::string_view name, const char* lastingName, const std::vector<Token>& body,
           std::string_view lasting);
  // The body's tokens copied to the end of the last chunk, or to a new one. The tokens of a
  // define made again or erased stay where they are: they are never more than the tokens of the
  // #define lines read.
  Macro Keep(const std::vector<Token>& body, std::string_view lasting);
  // The text's bytes at the end of the last text chunk, or in a new one; they never move.
  std::string_view KeepText(std::string_view text);

  std::deque<Entry> entries_;
  NameIndex index_;
  Chunks<MacroToken, 64, 4096> tokens_;  // a large script's in chunks of 96 KiB
  Chunks<char, 1024, 64 * 1024> texts_;
};

}  // namespace tolvex::rc
