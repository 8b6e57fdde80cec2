// The designed conversion's two tables: the controls (with the defines in row 0) and the dialogs.
// Every value in them is text, numbers included.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "generator/text_blocks.h"
#include "rcscript/name_index.h"

namespace tolvex {

// SIDNAME: row 0 is the define table, row d (1, 2, ...) the controls of the d-th dialog.
// Rows and entries grow as they are written, so no script is too large; reading a place never
// written gives the empty text and allocates nothing.
class ControlTable {
 public:
  static constexpr int kFields = 8;

  // The text stays valid until the next set.
  std::string_view get(int dialog, int entry, int field) const;
  // text may be another field's, as get gave it.
  void set(int dialog, int entry, int field, std::string_view text);
  // One past the highest entry the row holds; entries from there on are all empty.
  int entryCount(int dialog) const;
  // The lowest entry of the define table (row 0, from entry 1 on) whose name (field 0) equals
  // name exactly; 0 when none does. Constant time: the table keeps an index of row 0, made anew
  // at the first question after row 0 changed, which is once per conversion.
  int firstDefineEntry(std::string_view name) const;

 private:
  // A field is a place in text_. A large script has a hundred thousand defines and as many
  // controls: a string each took four times the bytes of the fields themselves.
  struct Field {
    uint32_t at = 0, size = 0;
  };
  // Where an entry's fields start in fields_, and how many there are: a define's two, a
  // control's eight. An entry never written has none.
  struct Entry {
    uint32_t first = 0, width = 0;
  };

  // Every text ever set; a field set again points to its new bytes. A field's place is its
  // block's number above kOffsetBits and its offset in that block below.
  static constexpr uint32_t kOffsetBits = TextBlocks::kOffsetBits;
  TextBlocks text_;
  std::deque<Field> fields_;
  std::vector<std::vector<Entry>> rows_;
  // The define entries by their names; a name defined again has only its first entry here.
  mutable rc::NameIndex defineIndex_;
  mutable bool defineIndexStale_ = true;
};

// SDIALVAL: row d (1, 2, ...) describes the d-th dialog: x, y, width, height, caption, font size,
// font face.
class DialogTable {
 public:
  static constexpr int kFields = 7;

  const std::string& get(int dialog, int field) const;
  void set(int dialog, int field, std::string text);

 private:
  std::deque<std::array<std::string, kFields>> rows_;
};

}  // namespace tolvex
