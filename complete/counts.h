// What a script holds, counted as the hint line reports it, and the hint itself.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "complete/menu_names.h"
#include "complete/program.h"
#include "rcscript/model.h"

namespace tolvex::complete {

// A script's dialogs and menus counted as the hint reports them, each as it comes: a reading can
// hand them over one at a time and keep none. Until the end only a menu's name and figures and
// the name of the menu a dialog names are kept, since a menu may follow the dialogs naming it.
class ResourceCounts {
 public:
  void Add(const rc::Dialog& dialog);
  void Add(const rc::Menu& menu);
  // The model's dialogs and menus.
  void Add(const rc::Model& model);
  // Counts the model's dialogs and menus and takes them out of it.
  void TakeFrom(rc::Model& model);

  // The dialogs, controls and menu items (separators and pop-ups aside) counted.
  WrittenCounts Held() const { return held_; }
  // What the complete conversion writes of them: a window for every dialog and for every menu no
  // dialog names, a gadget for every control of a known kind, and the items in the pop-ups of
  // every menu each time a window gets it.
  WrittenCounts Complete() const;

 private:
  WrittenCounts held_;
  int gadgets_ = 0;
  MenuNames menuNames_;
  // Of each menu, the items its written lines hold: its pop-ups'; the bar's own get none.
  std::vector<int> popupItems_;
  std::vector<rc::Value> namedMenus_;  // of the dialogs that name a menu, in order
};

// When the designed program left out windows, controls or menu items the model holds: the hint
// saying how many of each it wrote and how many the complete conversion writes.
std::optional<std::string> LeftOutHint(const WrittenCounts& designed, const WrittenCounts& held,
                                       const WrittenCounts& complete);

}  // namespace tolvex::complete
