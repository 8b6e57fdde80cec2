#include "complete/program_names.h"

#include <stdexcept>
#include <string_view>

#include "generator/line_shapes.h"
#include "generator/numbers.h"

namespace tolvex::complete {
using rc::IsIdentifier;
namespace {

// The ids the reader knows by itself; the gadget library's headers may define them, so the program
// writes them as numbers and never defines them.
constexpr std::string_view kStandardIds[] = {"IDOK",     "IDCANCEL",  "IDABORT", "IDRETRY",
                                             "IDIGNORE", "IDYES",     "IDNO",    "IDCLOSE",
                                             "IDHELP",   "IDC_STATIC"};

bool IsStandardId(std::string_view name) {
  for (std::string_view id : kStandardIds) {
    if (id == name) return true;
  }
  return false;
}

// The names the program declares itself, in upper case: a window per dialog (hwnd<n>), a menu bar
// and its pop-ups (hMessages<n>, MenName<n>), the list views (LSV, LSV<n>), the event and the
// screen size. A script's define of such a name would declare it twice.
bool IsProgramName(const std::string& upper) {
  static constexpr std::string_view kNumbered[] = {"HWND", "HMESSAGES", "MENNAME", "LSV"};
  static constexpr std::string_view kFixed[] = {"LSV", "EVENT", "SCREEN_X", "SCREEN_Y"};
  for (std::string_view name : kFixed) {
    if (upper == name) return true;
  }
  for (std::string_view stem : kNumbered) {
    if (upper.size() <= stem.size() || upper.compare(0, stem.size(), stem) != 0) continue;
    if (upper.find_first_not_of("0123456789", stem.size()) == std::string::npos) return true;
  }
  return false;
}

bool IsPlainDecimal(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::string NumberText(std::int64_t number) { return IntegerText(static_cast<double>(number)); }

}  // namespace

// A define's name as a key of the index compares it: upper-cased.
struct UpperCaseOf {
  std::string_view text;
  bool operator==(std::string_view upper) const { return rc::UpperCaseIs(text, upper); }
};

// The index's names: of the defined names, and of the ids nothing defines.
template <class Names>
auto DefinedNamesOf(const Names& names) {
  return [&names](std::uint32_t entry) { return UpperCaseOf{names[entry].define->name}; };
}
template <class Unknowns>
auto UnknownKeysOf(const Unknowns& unknown) {
  return [&unknown](std::uint32_t entry) { return std::string_view(unknown[entry].key); };
}

ProgramNames::ProgramNames(const rc::Model& model, const std::string& scriptFile)
    : modelDefines_(model.defines) {
  // Entries are numbered in 32 bits, as the indexes number them.
  if (model.defines.size() >= rc::NameIndex::kNone) {
    throw std::length_error("too many defines to hold");
  }
  names_.reserve(model.defines.size());
  defines_.reserve(model.defines.size());
  std::uint32_t count = 0;
  for (const rc::Define& define : model.defines) {
    const std::uint32_t at = count++;
    if (!define.number || IsStandardId(define.name)) continue;
    const std::string key = UpperCase(define.name);
    if (IsProgramName(key)) {
      if (define.place.file() == scriptFile) clashes_.push_back(&define);
      continue;
    }
    const bool fromScript = define.place.file() == scriptFile;
    const auto next = static_cast<std::uint32_t>(names_.size());
    std::uint32_t entry = nameIndex_.Insert(key, next, DefinedNamesOf(names_));
    if (entry == rc::NameIndex::kNone) {
      entry = next;
      names_.push_back({&define, 0, false, fromScript});
      if (fromScript) scriptOrder_.push_back(entry);
    } else if (fromScript && !names_[entry].fromScript) {
      names_[entry] = {&define, 0, false, true};
      scriptOrder_.push_back(entry);
    }
    if (fromScript) {
      defines_.push_back({at, entry});
    }
  }
}

std::uint32_t ProgramNames::FindName(std::string_view key) const {
  return nameIndex_.Find(key, DefinedNamesOf(names_));
}

std::string ProgramId::Written() const { return valued ? NumberText(number) : std::string(); }

std::string ProgramId::CaseLabel() const { return name.empty() ? Written() : std::string(name); }

ProgramId ProgramNames::Resolve(const rc::Value& id, const rc::SourcePlace& place) {
  const bool name = IsIdentifier(id.text) && !IsStandardId(id.text);
  if (name) {
    const std::uint32_t found = FindName(UpperCase(id.text));
    if (found != rc::NameIndex::kNone) {
      Name& defined = names_[found];
      if (!defined.used) {
        defined.kept = id.number ? *id.number : *defined.define->number;
        defined.used = true;
        if (!defined.fromScript) usedIncludedOrder_.push_back(found);
      }
      return {defined.kept, id.text.view(), ProgramId::kKnown, true};
    }
  }
  if (id.number) return {*id.number, {}, ProgramId::kKnown, true};
  std::string key = UpperCase(id.text);
  const auto next = static_cast<std::uint32_t>(unknown_.size());
  std::uint32_t entry = unknownIndex_.Insert(key, next, UnknownKeysOf(unknown_));
  if (entry == rc::NameIndex::kNone) {
    entry = next;
    unknown_.push_back({key, id.text, place, name && !IsProgramName(key), 0});
  }
  return {0, {}, entry, false};
}

void ProgramNames::GiveValues(std::int64_t above, const std::vector<std::string>& unreadIncludes,
                              rc::DiagnosticList& warnings) {
  std::string why;
  if (!unreadIncludes.empty()) {
    why = " (" + rc::Listed(unreadIncludes) +
          (unreadIncludes.size() == 1 ? " was not read)" : " were not read)");
  }
  for (Unknown& unknown : unknown_) {
    unknown.value = ++above;
    warnings.Warning(unknown.place.file(), unknown.place.line, 0,
                     unknown.text + " has no value" + why + ": " +
                         (unknown.defined ? "defined as " : "written as ") +
                         NumberText(unknown.value));
  }
}

void ProgramNames::Settle(ProgramId& id) const {
  if (id.valued || id.unknown == ProgramId::kKnown) return;
  // No unknown id is added once ids are settled, so the name stays where it is viewed.
  const Unknown& unknown = unknown_[id.unknown];
  if (unknown.value == 0) return;  // GiveValues has not run
  id.number = unknown.value;
  id.valued = true;
  id.name = unknown.defined ? std::string_view(unknown.text) : std::string_view();
  id.unknown = ProgramId::kKnown;
}

bool ProgramNames::EachDefineLine(const ProgramLines::Take& take) const {
  LineFeed feed(take);
  for (const std::uint32_t entry : scriptOrder_) {
    if (!feed.taken()) return false;
    const Name& name = names_[entry];
    const std::int64_t value = name.Value();
    const bool asWritten = value == *name.define->number && IsPlainDecimal(name.define->text);
    const std::string number = asWritten ? std::string() : NumberText(value);
    feed(shapes::DefineLinePieces(name.define->name,
                                  asWritten ? std::string_view(name.define->text) : number));
  }
  for (const std::uint32_t entry : usedIncludedOrder_) {
    const Name& name = names_[entry];
    feed(shapes::DefineLinePieces(name.define->name, NumberText(name.kept)));
  }
  for (const Unknown& unknown : unknown_) {
    if (unknown.defined && unknown.value != 0) {
      feed(shapes::DefineLinePieces(unknown.text, NumberText(unknown.value)));
    }
  }
  return feed.taken();
}

void ProgramNames::DefineWarnings(rc::DiagnosticList& warnings) const {
  for (const rc::Define* define : clashes_) {
    warnings.Warning(define->place.file(), define->place.line, 0,
                     define->name +
                         " is a name the program declares itself: its #define is not "
                         "written and its uses are written as " +
                         NumberText(*define->number));
  }
  for (const ScriptDefine& script : defines_) {
    const rc::Define& define = modelDefines_[script.define];
    const Name& name = names_[script.name];
    const std::int64_t value = name.Value();
    if (*define.number == value) continue;
    warnings.Warning(define.place.file(), define.place.line, 0,
                     name.define->name +
                         " is defined with more than one value: the program keeps " +
                         NumberText(value));
  }
}

}  // namespace tolvex::complete
