#include "complete/program.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "complete/basic_text.h"
#include "complete/gadget_classes.h"
#include "complete/menu_lines.h"
#include "complete/menu_names.h"
#include "complete/program_names.h"
#include "complete/program_texts.h"
#include "generator/numbers.h"
#include "generator/scaling.h"

namespace tolvex::complete {
namespace {

// One control: a gadget line, or a comment line where its kind is null.
struct Gadget {
  const rc::Control* control = nullptr;
  const GadgetKindLines* kind = nullptr;
  ProgramId id;
  // Its id is a number above every id the program uses, in place of an id that a gadget before it
  // has, or that is a static label's.
  bool fresh = false;
  bool hasCase = false;
};

// Numbers each taken once, open addressed at a power-of-two size never more than half full: one is
// looked up for every gadget and every menu item.
class NumberSet {
 public:
  // Whether the number was not there before.
  bool Insert(std::int64_t number) {
    if (number == kFree) return !std::exchange(holdsFree_, true);
    if ((taken_ + 1) * 2 > slots_.size()) Grow();
    std::int64_t& slot = slots_[SlotOf(number)];
    if (slot == number) return false;
    slot = number;
    ++taken_;
    return true;
  }

 private:
  // Marks a free slot; the number itself is held apart.
  static constexpr std::int64_t kFree = INT64_MIN;

  size_t SlotOf(std::int64_t number) const {
    // Fibonacci hashing: the product's top bits spread ids that run in steps over the table.
    size_t i = static_cast<size_t>(static_cast<std::uint64_t>(number) * 0x9E3779B97F4A7C15ull >>
                                   (64 - bits_));
    const size_t mask = slots_.size() - 1;
    while (slots_[i] != kFree && slots_[i] != number) i = (i + 1) & mask;
    return i;
  }
  void Grow() {
    bits_ = std::max(bits_ + 1, 6u);
    std::vector<std::int64_t> old =
        std::exchange(slots_, std::vector<std::int64_t>(size_t{1} << bits_, kFree));
    for (const std::int64_t number : old) {
      if (number != kFree) slots_[SlotOf(number)] = number;
    }
  }

  std::vector<std::int64_t> slots_;
  unsigned bits_ = 0;
  size_t taken_ = 0;
  bool holdsFree_ = false;
};

// A dialog's gadgets are the run of the program's that starts at firstGadget.
struct DialogPlan {
  const rc::Dialog* dialog = nullptr;
  const rc::Menu* menu = nullptr;
  size_t firstGadget = 0, gadgetCount = 0;
};

// The font of a window whose script gives none: the designed example's, so that its line compiles.
constexpr const char* kFontFace = "MS Sans Serif";
constexpr const char* kFontSize = "8";

// The dialog units of a window made for a menu that no dialog names.
constexpr struct { double width, height; } kMenuWindowUnits = {300, 200};

class Converter {
 public:
  Converter(const rc::Model& model, const CompleteOptions& options)
      : model_(model),
        options_(options),
        names_(model, options.scriptFile),
        scaleX_(HorizontalScale(options.globalX)),
        scaleY_(VerticalScale(options.globalY)) {}

  // self: this converter, which the program's made lines keep.
  static CompleteProgram Run(const std::shared_ptr<Converter>& self) {
    Converter& c = *self;
    c.Plan();
    c.GiveValues();
    c.AssignGadgetIds();
    CompleteProgram program;
    PackedLines body = c.Body(program.written);
    c.texts_.LackingWarnings(c.warnings_);
    c.names_.DefineWarnings(c.warnings_);
    program.lines.Add(shapes::IncludeLines());
    program.lines.AddMade(
        [self](const ProgramLines::Take& take) { return self->names_.EachDefineLine(take); });
    if (c.options_.screen) program.lines.Add(shapes::ScreenBlockLines());
    program.lines.Add(std::move(body));
    program.lines.AddMade(
        [self](const ProgramLines::Take& take) { return self->EachLoopLine(take); });
    program.warnings = c.warnings_.Take();
    return program;
  }

 private:
  // Every id resolved in the order the program writes them: a dialog's menu, then its controls;
  // then the menus no dialog names, each the menu of a window of its own.
  void Plan() {
    for (const rc::Menu& menu : model_.menus) menuNames_.Add(menu.name);
    std::set<const rc::Menu*> named;
    size_t controls = 0;
    for (const rc::Dialog& dialog : model_.dialogs) controls += dialog.controls.size();
    gadgets_.reserve(controls);
    dialogs_.reserve(model_.dialogs.size());
    for (const rc::Dialog& dialog : model_.dialogs) {
      DialogPlan plan{&dialog, MenuOf(dialog), gadgets_.size(), dialog.controls.size()};
      if (plan.menu != nullptr) {
        named.insert(plan.menu);
        ResolveMenuIds(*plan.menu, names_, menuIds_, warnings_);
      }
      for (const rc::Control& control : dialog.controls) {
        const GadgetKindLines* kind = KindOfControl(control);
        if (kind == nullptr) {
          warnings_.Warning(control.place.file(), control.place.line, 0,
                            "control " + control.id.text + " of class " +
                                rc::Quoted(control.className) +
                                " has no gadget kind: a comment line stands in its place");
          gadgets_.push_back({&control, nullptr, {}});
          continue;
        }
        gadgets_.push_back({&control, kind, names_.Resolve(control.id, control.place)});
      }
      dialogs_.push_back(plan);
    }
    for (const rc::Menu& menu : model_.menus) {
      if (named.count(&menu) != 0) continue;
      menuWindows_.push_back(&menu);
      ResolveMenuIds(menu, names_, menuIds_, warnings_);
    }
  }

  // The highest number among the gadget and menu-item ids the program uses; 0 when none has one.
  std::int64_t HighestId() const {
    std::int64_t highest = 0;
    const auto raise = [&highest](const ProgramId& id) {
      if (id.valued) highest = std::max(highest, id.number);
    };
    for (const Gadget& gadget : gadgets_) raise(gadget.id);
    for (const ProgramId& id : menuIds_.ids()) raise(id);
    return highest;
  }

  // Ids without a value get numbers above every id the program uses.
  void GiveValues() {
    names_.GiveValues(HighestId(), model_.unreadIncludes, warnings_);
    for (Gadget& gadget : gadgets_) names_.Settle(gadget.id);
    for (ProgramId& id : menuIds_.ids()) names_.Settle(id);
  }

  const rc::Menu* MenuOf(const rc::Dialog& dialog) {
    if (!dialog.menu) return nullptr;
    if (const size_t menu = menuNames_.Find(*dialog.menu); menu != MenuNames::kNone) {
      return &model_.menus[menu];
    }
    warnings_.Warning(dialog.place.file(), dialog.place.line, 0,
                      "dialog " + dialog.name.text + " names the menu " + dialog.menu->text +
                          ", which the script does not hold: no menu is written for it");
    return nullptr;
  }

  // The gadget library keeps one gadget per id: a static label (-1) and every id given before
  // take a fresh number above every id the program uses.
  void AssignGadgetIds() {
    std::int64_t fresh = HighestId();
    NumberSet given;
    for (Gadget& gadget : gadgets_) {
      if (gadget.kind == nullptr) continue;
      const bool label = gadget.id.valued && gadget.id.number == -1;
      gadget.hasCase = !label;
      if (label || !given.Insert(gadget.id.number)) {
        gadget.fresh = true;
        gadget.id = {++fresh, {}, ProgramId::kKnown, true};
      }
    }
  }

  struct Gadgets {
    const Gadget* first;
    const Gadget* last;
    const Gadget* begin() const { return first; }
    const Gadget* end() const { return last; }
  };
  Gadgets GadgetsOf(const DialogPlan& plan) const {
    const Gadget* first = gadgets_.data() + plan.firstGadget;
    return {first, first + plan.gadgetCount};
  }

  double Units(const rc::Value& value, const rc::SourcePlace& place) {
    if (value.number) return *value.number;
    warnings_.Warning(place.file(), place.line, 0,
                      value.text + " has no known value: 0 is written in its place");
    return 0;
  }

  std::string Pixels(const rc::Value& value, float scale, const rc::SourcePlace& place) {
    return IntegerText(ControlPixels(Units(value, place), scale));
  }

  std::string Text(std::string_view text, const rc::TextCoding& coding,
                   const rc::SourcePlace& place) {
    return texts_.Of(text, coding, place, warnings_);
  }

  shapes::Lines Window(int number, const rc::Dialog& dialog) {
    const BasicText caption =
        BasicTextOf(Text(dialog.caption.value_or(""), dialog.texts, dialog.place));
    // A dialog without a font gets the designed example's font, so that its line still compiles.
    const BasicText face =
        BasicTextOf(dialog.font ? Text(dialog.font->face, dialog.texts, dialog.place) : kFontFace);
    const std::string size =
        " " + (dialog.font ? IntegerText(Units(dialog.font->size, dialog.place)) : kFontSize);
    const std::string x = " " + IntegerText(Units(dialog.rect.x(), dialog.place));
    const std::string y = IntegerText(Units(dialog.rect.y(), dialog.place));
    const std::string width = IntegerText(
        WindowWidthPixels(Units(dialog.rect.width(), dialog.place), scaleX_, options_.windowX));
    const std::string height = IntegerText(
        WindowHeightPixels(Units(dialog.rect.height(), dialog.place), scaleY_, options_.windowY));
    return shapes::WindowLines(
        {number, caption.body, x, y, width, height, face.body, size, caption.mark, face.mark});
  }

  // A menu no dialog names, in the window the original program built for it in code: captioned
  // with the menu's name, at 0,0, sized as a dialog of kMenuWindowUnits.
  shapes::Lines MenuWindow(int number, const rc::Menu& menu) {
    const BasicText caption = BasicTextOf(Text(menu.name.text, menu.texts, menu.place));
    const BasicText face = BasicTextOf(kFontFace);
    const std::string width =
        IntegerText(WindowWidthPixels(kMenuWindowUnits.width, scaleX_, options_.windowX));
    const std::string height =
        IntegerText(WindowHeightPixels(kMenuWindowUnits.height, scaleY_, options_.windowY));
    return shapes::WindowLines({number, caption.body, " 0", "0", width, height, face.body,
                                std::string(" ") + kFontSize, caption.mark, face.mark});
  }

  void AppendGadgetLines(const rc::Dialog& dialog, const Gadget& gadget, PackedLines& lines) {
    const rc::Control& control = *gadget.control;
    if (gadget.kind == nullptr) {
      lines.push_back(NoGadgetLine(dialog, control));
      return;
    }
    const BasicText caption =
        BasicTextOf(control.text.kind == rc::ControlText::Kind::kString
                        ? Text(control.text.value.text, dialog.texts, control.place)
                        : std::string());
    std::string variant;
    if (gadget.kind->prefix == "IDC_LSV" && listViews_++ > 0) variant = std::to_string(listViews_);
    const std::string x = Pixels(control.rect.x(), scaleX_, control.place);
    const std::string y = Pixels(control.rect.y(), scaleY_, control.place);
    const std::string width = Pixels(control.rect.width(), scaleX_, control.place);
    const std::string height = Pixels(control.rect.height(), scaleY_, control.place);
    shapes::EachGadgetLine(*gadget.kind,
                           {gadget.id.Written(), x, y, width, height, caption.body,
                            BarOrientationOf(*gadget.kind, control), caption.mark, variant},
                           lineScratch_,
                           [&lines](std::string_view line) { lines.push_back(line); });
  }

  // What a user needs to place by hand a control no gadget kind rebuilds.
  std::string NoGadgetLine(const rc::Dialog& dialog, const rc::Control& control) {
    std::string text = "\"\"";
    if (control.text.kind == rc::ControlText::Kind::kString) {
      text = BasicLiteral(Text(control.text.value.text, dialog.texts, control.place));
    } else if (control.text.kind == rc::ControlText::Kind::kReference) {
      text = control.text.value.text;
    }
    const BasicText className = BasicTextOf(Text(control.className, dialog.texts, control.place));
    return shapes::NoGadgetLine(
        className.mark.empty() ? className.body : className.mark + "\"" + className.body + "\"",
        control.id.text, Pixels(control.rect.x(), scaleX_, control.place),
        Pixels(control.rect.y(), scaleY_, control.place),
        Pixels(control.rect.width(), scaleX_, control.place),
        Pixels(control.rect.height(), scaleY_, control.place), text);
  }

  PackedLines Body(WrittenCounts& written) {
    PackedLines lines;
    int nextPopup = 0;
    const auto menuOf = [&](const rc::Menu& menu, int number) {
      // Handles run from the window's tens, like the designed program's, and never repeat.
      nextPopup = std::max(nextPopup, number * 10 + 1);
      lines.append(
          MenuLines(menu, {number, nextPopup, menuIds_, texts_, warnings_, written.menuItems}));
      WrittenMenu(menu);
    };
    int number = 0;
    for (const DialogPlan& plan : dialogs_) {
      lines.append(Window(++number, *plan.dialog));
      ++written.windows;
      if (plan.menu != nullptr) menuOf(*plan.menu, number);
      for (const Gadget& gadget : GadgetsOf(plan)) {
        AppendGadgetLines(*plan.dialog, gadget, lines);
        if (gadget.kind != nullptr) ++written.controls;
      }
    }
    for (const rc::Menu* unnamed : menuWindows_) {
      lines.append(MenuWindow(++number, *unnamed));
      ++written.windows;
      menuOf(*unnamed, number);
    }
    lines.push_back("");
    lines.push_back("");
    return lines;
  }

  // The menu branch answers every id a written menu sends, each once.
  void WrittenMenu(const rc::Menu& menu) { WrittenItems(menu.items, true); }
  void WrittenItems(const std::vector<rc::MenuItem>& items, bool bar) {
    for (const rc::MenuItem& item : items) {
      if (item.kind == rc::MenuItem::Kind::kPopup) WrittenItems(item.items, false);
      if (item.kind != rc::MenuItem::Kind::kItem || bar) continue;
      const ProgramId& id = menuIds_.At(item);
      if (caseNumbers_.Insert(id.number)) menuCases_.push_back(&id);
    }
  }

  bool EachLoopLine(const ProgramLines::Take& take) const {
    LineFeed feed(take);
    feed(shapes::LoopHeadLines());
    if (!menuCases_.empty()) {
      feed(shapes::MenuBranchHeadLines());
      for (const ProgramId* id : menuCases_) {
        feed(shapes::MenuCaseLines(id->CaseLabel(), id->Written()));
      }
      feed(shapes::MenuBranchTailLines());
    }
    feed(shapes::GadgetBranchHeadLines());
    for (const DialogPlan& plan : dialogs_) {
      for (const Gadget& gadget : GadgetsOf(plan)) {
        if (!feed.taken()) return false;
        if (gadget.kind == nullptr || !gadget.hasCase) continue;
        if (gadget.fresh) {
          feed(shapes::GadgetCaseLines(
              gadget.id.Written(),
              CommentText(gadget.control->id.text) + " in " + CommentText(plan.dialog->name.text)));
        } else {
          const std::string label = gadget.id.CaseLabel(), written = gadget.id.Written();
          for (const auto& line : shapes::GadgetCaseLinePieces(label, written)) feed(line);
        }
      }
    }
    feed(shapes::LoopTailLines());
    return feed.taken();
  }

  const rc::Model& model_;
  const CompleteOptions options_;
  ProgramNames names_;
  float scaleX_, scaleY_;
  rc::DiagnosticList warnings_;
  ProgramTexts texts_;
  std::vector<Gadget> gadgets_;  // every dialog's, in the order the program writes them
  std::vector<DialogPlan> dialogs_;
  std::vector<const rc::Menu*> menuWindows_;  // the menus no dialog names
  MenuNames menuNames_;                       // of the model's menus
  MenuItemIds menuIds_;
  NumberSet caseNumbers_;  // the ids of menuIds_ the menu branch answers
  std::vector<const ProgramId*> menuCases_;
  std::string lineScratch_;  // each gadget line is made here before it joins the program
  int listViews_ = 0;
};

}  // namespace

CompleteProgram ConvertModel(const rc::Model& model, const CompleteOptions& options) {
  return Converter::Run(std::make_shared<Converter>(model, options));
}

}  // namespace tolvex::complete
