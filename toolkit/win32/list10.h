// The toolkit's registry list: nodes of a key, a value and a text, searched from the oldest node.
// Gadget ids, window handles and colours share one key space: the first match wins.
#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

namespace tolvex::win32 {

using Key = std::intptr_t;

struct LISTNODE10 {
  Key key = 0;
  Key value = 0;
  std::string text;
  LISTNODE10* previous = nullptr;
  LISTNODE10* next = nullptr;
};

class LIST10 {
 public:
  LIST10() = default;
  LIST10(const LIST10&) = delete;
  LIST10& operator=(const LIST10&) = delete;
  ~LIST10();

  // Appends a node whose key and value are both v; returns v.
  Key ADDLASTIN10(Key v);
  // Appends a node holding text, keyed one past the last node's key (1 for the first); returns
  // the key.
  Key ADDLASTS10(const std::string& text);
  LISTNODE10* FINDBYID10(Key k) const;
  // Removes the node keyed k and the one after it (an id and its handle).
  void REMOVE10(Key k);
  // Removes the node keyed k and the two after it (a handle and its two colours).
  void REMOVECOLOR(Key k);
  HWND GETGURRENT() const { return current_; }
  int SETGURRENT(HWND window) {
    current_ = window;
    return 1;
  }

 private:
  void RemoveRun(LISTNODE10* first, int count);
  void Append(LISTNODE10* node);

  LISTNODE10* first_ = nullptr;
  LISTNODE10* last_ = nullptr;
  HWND current_ = nullptr;
};

}  // namespace tolvex::win32
