#include "toolkit/headless/headless_gadgets.h"

#include <array>
#include <map>

#include "toolkit/gadget_ops.h"
#include "toolkit/headless/line_list.h"

namespace tolvex::headless {
namespace {

struct Gadget {
  GadgetKind kind;
  std::string text;
  LineList items;  // list boxes only
  int checkState = 0;
  bool visible = true;
};

std::map<int, Gadget>& Gadgets() {
  static std::map<int, Gadget> gadgets;
  return gadgets;
}

// A conversion asks for its two list boxes and the main window's fields thousands of times: each
// id's gadget is remembered in a small table by its low bits (the main window's sixteen ids fill it
// without a clash). Map nodes stay where they are until all gadgets are freed, which empties it.
struct Remembered {
  int id = 0;
  Gadget* gadget = nullptr;
};
std::array<Remembered, 16>& RecentlyFound() {
  static std::array<Remembered, 16> recent;
  return recent;
}

Gadget* Find(int id) {
  Remembered& slot = RecentlyFound()[static_cast<unsigned>(id) % 16];
  if (slot.gadget != nullptr && slot.id == id) return slot.gadget;
  auto it = Gadgets().find(id);
  if (it == Gadgets().end()) return nullptr;
  slot = {id, &it->second};
  return slot.gadget;
}

Gadget* FindListBox(int id) {
  Gadget* g = Find(id);
  return g != nullptr && g->kind == GadgetKind::kListBox ? g : nullptr;
}

}  // namespace

void CreateGadget(int id, GadgetKind kind, const std::string& text, bool visible) {
  Gadget g;
  g.kind = kind;
  // A list box is created with an empty text; a window text stops at its first NUL.
  g.text = kind == GadgetKind::kListBox ? std::string() : std::string(text.c_str());
  g.visible = visible;
  Gadgets()[id] = std::move(g);
}

void SetCheckState(int id, int state) {
  if (Gadget* g = Find(id); g != nullptr && g->kind == GadgetKind::kCheckBox) g->checkState = state;
}

bool IsVisible(int id) {
  const Gadget* g = Find(id);
  return g != nullptr && g->visible;
}

void FreeAllGadgets() {
  Gadgets().clear();
  RecentlyFound().fill({});
}

}  // namespace tolvex::headless

using tolvex::GadgetKind;
using tolvex::headless::Find;
using tolvex::headless::FindListBox;

extern "C" {

int AddListBoxItem(int id, const char* text, int position) {
  auto* g = FindListBox(id);
  if (g == nullptr) return -1;
  const char* stored = (text == nullptr || *text == '\0') ? " " : text;
  const int count = static_cast<int>(g->items.size());
  if (position == -1) position = count;
  if (position < 0 || position > count) return -1;
  g->items.insert(static_cast<size_t>(position), stored);
  return position;
}

int CountItemListBox(int id) {
  auto* g = FindListBox(id);
  return g == nullptr ? 0 : static_cast<int>(g->items.size());
}

char* GetListBoxText(int id, int index) {
  auto* g = FindListBox(id);
  if (g == nullptr || index < 0 || index >= static_cast<int>(g->items.size())) {
    return tolvex::GiveText("");
  }
  return tolvex::GiveText(std::string(g->items.at(static_cast<size_t>(index))));
}

int ResetAllListBox(int id) {
  if (auto* g = FindListBox(id)) g->items.clear();
  return 0;
}

char* GetGadgetText(int id, int sizeClass) {
  auto* g = Find(id);
  if (g == nullptr) return tolvex::GiveText("");
  const size_t most = static_cast<size_t>(tolvex::GadgetTextCapacity(sizeClass)) - 1;
  return tolvex::GiveText(g->text.substr(0, most));
}

int SetGadgetText(int id, const char* text) {
  auto* g = Find(id);
  if (g == nullptr) return 0;
  g->text = text == nullptr ? "" : text;
  return 1;
}

int GETGADGETSTATE(int id) {
  auto* g = Find(id);
  if (g == nullptr || g->kind != GadgetKind::kCheckBox) return 0;
  return g->checkState == 1 || g->checkState == 2 ? g->checkState : 0;
}

int HideGadget(int id, int state) {
  auto* g = Find(id);
  if (g == nullptr) return 0;
  const bool wasVisible = g->visible;
  g->visible = (state & 0xFF) != 1;
  return wasVisible ? 1 : 0;
}

}  // extern "C"
