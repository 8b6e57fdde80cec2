// The designed conversion's two tables: the controls (with the defines in row 0) and the dialogs.
// Every value in them is text, numbers included.
#pragma once

#include <array>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

namespace tolvex {

// SIDNAME: row 0 is the define table, row d (1, 2, ...) the controls of the d-th dialog.
// Rows and entries grow as they are written, so no script is too large; reading a place never
// written gives the empty text and allocates nothing.
class ControlTable {
 public:
  static constexpr int kFields = 8;

  const std::string& get(int dialog, int entry, int field) const;
  void set(int dialog, int entry, int field, std::string text);
  // One past the highest entry the row holds; entries from there on are all empty.
  int entryCount(int dialog) const;
  // The lowest entry of the define table (row 0, from entry 1 on) whose name (field 0) equals
  // name exactly; 0 when none does. Constant time: the table keeps an index of row 0, made anew
  // at the first question after row 0 changed, which is once per conversion.
  int firstDefineEntry(const std::string& name) const;

 private:
  // Entries stay where they are as a row grows, and each holds the fields up to the last one
  // written: a define entry two, a control eight.
  std::vector<std::deque<std::vector<std::string>>> rows_;
  mutable std::unordered_map<std::string, int> defineIndex_;
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
