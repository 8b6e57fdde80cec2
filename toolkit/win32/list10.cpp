#include "toolkit/win32/list10.h"

namespace tolvex::win32 {

LIST10::~LIST10() {
  while (first_ != nullptr) RemoveRun(first_, 1);
}

void LIST10::Append(LISTNODE10* node) {
  node->previous = last_;
  if (last_ != nullptr) last_->next = node;
  last_ = node;
  if (first_ == nullptr) first_ = node;
}

Key LIST10::ADDLASTIN10(Key v) {
  auto* node = new LISTNODE10;
  node->key = v;
  node->value = v;
  Append(node);
  return v;
}

Key LIST10::ADDLASTS10(const std::string& text) {
  auto* node = new LISTNODE10;
  node->key = last_ == nullptr ? 1 : last_->key + 1;
  node->text = text;
  Append(node);
  return node->key;
}

LISTNODE10* LIST10::FINDBYID10(Key k) const {
  for (LISTNODE10* node = first_; node != nullptr; node = node->next) {
    if (node->key == k) return node;
  }
  return nullptr;
}

// Unlinks up to count nodes from first on and frees them; the neighbours of the run are joined.
void LIST10::RemoveRun(LISTNODE10* first, int count) {
  LISTNODE10* end = first;
  for (int i = 0; i < count && end != nullptr; ++i) end = end->next;
  LISTNODE10* before = first->previous;
  if (before != nullptr) {
    before->next = end;
  } else {
    first_ = end;
  }
  if (end != nullptr) {
    end->previous = before;
  } else {
    last_ = before;
  }
  while (first != end) {
    LISTNODE10* next = first->next;
    delete first;
    first = next;
  }
}

void LIST10::REMOVE10(Key k) {
  if (LISTNODE10* node = FINDBYID10(k)) RemoveRun(node, 2);
}

void LIST10::REMOVECOLOR(Key k) {
  if (LISTNODE10* node = FINDBYID10(k)) RemoveRun(node, 3);
}

}  // namespace tolvex::win32
