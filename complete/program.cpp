#include "complete/program.h"

#include <algorithm>
#include <map>
#include <set>

#include "complete/basic_text.h"
#include "complete/gadget_classes.h"
#include "complete/menu_lines.h"
#include "complete/program_names.h"
#include "generator/numbers.h"
#include "generator/scaling.h"

namespace tolvex::complete {
namespace {

// One control that gets a gadget line.
struct Gadget {
  const rc::Control* control = nullptr;
  const GadgetKindLines* kind = nullptr;
  ProgramId id;
};

struct DialogPlan {
  const rc::Dialog* dialog = nullptr;
  const rc::Menu* menu = nullptr;
  std::vector<Gadget> gadgets;
};

// A gadget's id once every id in the program is known, with its Case when it has one.
struct GadgetId {
  std::string written;
  bool hasCase = false;
  std::string caseLabel, caseComment;
};

bool SameName(const rc::Value& a, const rc::Value& b) {
  if (a.number && b.number) return *a.number == *b.number;
  return UpperCase(a.text) == UpperCase(b.text);
}

void Append(shapes::Lines& to, const shapes::Lines& lines) {
  to.insert(to.end(), lines.begin(), lines.end());
}

class Converter {
 public:
  Converter(const rc::Model& model, const CompleteOptions& options)
      : model_(model),
        options_(options),
        names_(model, options.scriptFile),
        scaleX_(HorizontalScale(options.globalX)),
        scaleY_(VerticalScale(options.globalY)) {}

  CompleteProgram Run() {
    Plan();
    AssignGadgetIds();
    CompleteProgram program;
    shapes::Lines body = Body(program.written);
    program.lines = shapes::IncludeLines();
    Append(program.lines, names_.DefineLines(warnings_));
    if (options_.screen) Append(program.lines, shapes::ScreenBlockLines());
    Append(program.lines, body);
    Append(program.lines, Loop());
    program.warnings = warnings_.Take();
    return program;
  }

 private:
  // Every id resolved in the order the program writes them: a dialog's menu, then its controls.
  void Plan() {
    std::set<const rc::Menu*> named;
    for (const rc::Dialog& dialog : model_.dialogs) {
      DialogPlan plan{&dialog, MenuOf(dialog), {}};
      if (plan.menu != nullptr) {
        named.insert(plan.menu);
        ResolveMenuIds(*plan.menu, names_, menuIds_, warnings_);
      }
      for (const rc::Control& control : dialog.controls) {
        const GadgetKindLines* kind = KindOfControl(control);
        if (kind == nullptr) {
          warnings_.Warning(control.place.file, control.place.line, 0,
                            "control " + control.id.text + " of class " +
                                rc::Quoted(control.className) +
                                " has no gadget kind: no line is written for it");
          continue;
        }
        plan.gadgets.push_back(
            {&control, kind, names_.Resolve(control.id, control.place, warnings_)});
      }
      dialogs_.push_back(std::move(plan));
    }
    for (const rc::Menu& menu : model_.menus) {
      if (named.count(&menu) != 0) continue;
      warnings_.Warning(
          menu.place.file, menu.place.line, 0,
          "menu " + menu.name.text + " is named by no dialog: nothing is written for it");
    }
  }

  const rc::Menu* MenuOf(const rc::Dialog& dialog) {
    if (!dialog.menu) return nullptr;
    for (const rc::Menu& menu : model_.menus) {
      if (SameName(menu.name, *dialog.menu)) return &menu;
    }
    warnings_.Warning(dialog.place.file, dialog.place.line, 0,
                      "dialog " + dialog.name.text + " names the menu " + dialog.menu->text +
                          ", which the script does not hold: no menu is written for it");
    return nullptr;
  }

  // The gadget library keeps one gadget per id: a static label (-1) and every id given before
  // take a fresh number above every id the program uses.
  void AssignGadgetIds() {
    std::int64_t fresh = 0;
    const auto raise = [&fresh](const ProgramId& id) {
      if (id.number) fresh = std::max(fresh, *id.number);
    };
    for (const DialogPlan& plan : dialogs_) {
      for (const Gadget& gadget : plan.gadgets) raise(gadget.id);
    }
    for (const auto& entry : menuIds_) raise(entry.second);

    std::set<std::string> given;
    for (const DialogPlan& plan : dialogs_) {
      for (const Gadget& gadget : plan.gadgets) {
        const bool label = gadget.id.number && *gadget.id.number == -1;
        GadgetId id;
        if (label || !given.insert(gadget.id.key).second) {
          id.written = IntegerText(static_cast<double>(++fresh));
          id.hasCase = !label;
          id.caseLabel = id.written;
          id.caseComment = gadget.control->id.text + " in " + plan.dialog->name.text;
        } else {
          id = {gadget.id.written, true, gadget.id.caseLabel, gadget.id.written};
        }
        gadgetIds_[gadget.control] = id;
      }
    }
  }

  double Units(const rc::Value& value, const rc::SourcePlace& place) {
    if (value.number) return *value.number;
    warnings_.Warning(place.file, place.line, 0,
                      value.text + " has no known value: 0 is written in its place");
    return 0;
  }

  std::string Pixels(const rc::Value& value, float scale, const rc::SourcePlace& place) {
    return IntegerText(ControlPixels(Units(value, place), scale));
  }

  shapes::Lines Window(int number, const rc::Dialog& dialog) {
    const BasicText caption = BasicTextOf(dialog.caption.value_or(""));
    // A dialog without a font gets the designed example's font, so that its line still compiles.
    const BasicText face = BasicTextOf(dialog.font ? dialog.font->face : "MS Sans Serif");
    const std::string size =
        " " + (dialog.font ? IntegerText(Units(dialog.font->size, dialog.place)) : "8");
    const std::string x = " " + IntegerText(Units(dialog.x, dialog.place));
    const std::string y = IntegerText(Units(dialog.y, dialog.place));
    const std::string width = IntegerText(
        WindowWidthPixels(Units(dialog.width, dialog.place), scaleX_, options_.windowX));
    const std::string height = IntegerText(
        WindowHeightPixels(Units(dialog.height, dialog.place), scaleY_, options_.windowY));
    return shapes::WindowLines(
        {number, caption.body, x, y, width, height, face.body, size, caption.mark, face.mark});
  }

  shapes::Lines GadgetLines(const Gadget& gadget) {
    const rc::Control& control = *gadget.control;
    const BasicText caption =
        BasicTextOf(control.text.kind == rc::ControlText::Kind::kString ? control.text.string : "");
    std::string variant;
    if (gadget.kind->prefix == "IDC_LSV" && listViews_++ > 0) variant = std::to_string(listViews_);
    const std::string x = Pixels(control.x, scaleX_, control.place);
    const std::string y = Pixels(control.y, scaleY_, control.place);
    const std::string width = Pixels(control.width, scaleX_, control.place);
    const std::string height = Pixels(control.height, scaleY_, control.place);
    return shapes::GadgetLines(*gadget.kind,
                               {gadgetIds_.at(&control).written, x, y, width, height, caption.body,
                                BarOrientationOf(*gadget.kind, control), caption.mark, variant});
  }

  shapes::Lines Body(WrittenCounts& written) {
    shapes::Lines lines;
    int nextPopup = 0;
    for (size_t i = 0; i < dialogs_.size(); ++i) {
      const DialogPlan& plan = dialogs_[i];
      const int number = static_cast<int>(i) + 1;
      Append(lines, Window(number, *plan.dialog));
      ++written.windows;
      if (plan.menu != nullptr) {
        // Handles run from the dialog's tens, like the designed program's, and never repeat.
        nextPopup = std::max(nextPopup, number * 10 + 1);
        Append(lines, MenuLines(*plan.menu, number, nextPopup, menuIds_, written.menuItems));
        WrittenMenu(*plan.menu);
      }
      for (const Gadget& gadget : plan.gadgets) {
        Append(lines, GadgetLines(gadget));
        ++written.controls;
      }
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
      const ProgramId& id = menuIds_.at(&item);
      if (caseKeys_.insert(id.key).second) menuCases_.push_back(&id);
    }
  }

  shapes::Lines Loop() {
    shapes::Lines lines = shapes::LoopHeadLines();
    if (!menuCases_.empty()) {
      Append(lines, shapes::MenuBranchHeadLines());
      for (const ProgramId* id : menuCases_)
        Append(lines, shapes::MenuCaseLines(id->caseLabel, id->written));
      Append(lines, shapes::MenuBranchTailLines());
    }
    Append(lines, shapes::GadgetBranchHeadLines());
    for (const DialogPlan& plan : dialogs_) {
      for (const Gadget& gadget : plan.gadgets) {
        const GadgetId& id = gadgetIds_.at(gadget.control);
        if (id.hasCase) Append(lines, shapes::GadgetCaseLines(id.caseLabel, id.caseComment));
      }
    }
    Append(lines, shapes::LoopTailLines());
    return lines;
  }

  const rc::Model& model_;
  const CompleteOptions& options_;
  ProgramNames names_;
  float scaleX_, scaleY_;
  rc::DiagnosticList warnings_;
  std::vector<DialogPlan> dialogs_;
  MenuItemIds menuIds_;
  std::map<const rc::Control*, GadgetId> gadgetIds_;
  std::set<std::string> caseKeys_;
  std::vector<const ProgramId*> menuCases_;
  int listViews_ = 0;
};

}  // namespace

CompleteProgram ConvertModel(const rc::Model& model, const CompleteOptions& options) {
  return Converter(model, options).Run();
}

}  // namespace tolvex::complete
