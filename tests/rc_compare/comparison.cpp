#include "tests/rc_compare/comparison.h"

#include <cstdio>
#include <functional>

namespace tolvex::rc_compare {
namespace {

constexpr std::uint16_t kDialogType = 5, kMenuType = 4;
constexpr std::uint16_t kPopup = 0x10, kEnd = 0x80;                  // MENU item flags
constexpr std::uint16_t kExtendedPopup = 0x01, kExtendedEnd = 0x80;  // MENUEX item flags
constexpr std::uint32_t kSeparatorType = 0x0800;                     // MFT_SEPARATOR

std::string Upper(std::string s) {
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return s;
}

// Each known deviation: why, and how it turns the model's text and the compiler's into texts that
// agree when the deviation is all that parts them.
struct Deviation {
  KnownDeviation known;
  std::function<void(std::string& model, std::string& compiler)> allow;
};

const std::vector<Deviation>& Deviations() {
  static const std::vector<Deviation> deviations = {
      {{"texts",
        "\\a is BEL (7) in the reader, as in C and as documented; the compiler writes "
        "backspace (8)"},
       [](std::string& m, std::string&) {
         for (char& c : m) c = c == '\a' ? '\b' : c;
       }},
  };
  return deviations;
}

class Comparer {
 public:
  Comparer(const std::string& script, Counts& counts) : script_(script), counts_(counts) {}

  void Number(const char* field, const std::optional<std::int64_t>& model, std::int64_t compiler,
              const std::string& written = "") {
    ++counts_.fields;
    if (model && *model == compiler) return;
    Differ(field, model ? std::to_string(*model) : written + "=?", std::to_string(compiler));
  }

  void Bits(const char* field, const std::optional<std::uint32_t>& model, std::uint32_t compiler,
            const std::string& written) {
    ++counts_.fields;
    if (model && *model == compiler) return;
    Differ(field, (model ? Hex(*model) : std::string("?")) + " {" + written + "}", Hex(compiler));
  }

  // Texts: the model's are UTF-8, as the compiler's are read back. A difference that known
  // deviations explain, alone or together, is counted against them.
  void Text(const char* field, const std::string& model, const std::string& compiler) {
    ++counts_.fields;
    if (model == compiler) return;
    const auto& deviations = Deviations();
    for (size_t set = 1; set < (size_t{1} << deviations.size()); ++set) {
      std::string m = model, c = compiler;
      for (size_t i = 0; i < deviations.size(); ++i) {
        if (set & (size_t{1} << i)) deviations[i].allow(m, c);
      }
      if (m != c) continue;
      for (size_t i = 0; i < deviations.size(); ++i) {
        if (set & (size_t{1} << i)) counts_.deviationsSeen.push_back(static_cast<int>(i));
      }
      return;
    }
    Differ(field, Quoted(model), Quoted(compiler));
  }

  // A name: the model's number when it has one, else its text, against the compiler's ordinal
  // or string (which it keeps in upper case).
  void Name(const char* field, const std::optional<rc::Value>& model, const ResName& compiler) {
    ++counts_.fields;
    std::string m = "-";
    if (model && model->number) {
      m = "#" + std::to_string(*model->number & 0xFFFF);
    } else if (model) {
      m = Upper(model->text);
    }
    std::string c = NameKey(compiler);
    if (!compiler.ordinal && compiler.text.empty()) c = "-";
    if (m != c) Differ(field, m, c);
  }

  void Differ(const std::string& field, const std::string& model, const std::string& compiler) {
    differences.push_back({script_, resource, field, model, compiler});
  }

  static std::string Hex(std::uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(v));
    return text;
  }

  static std::string Quoted(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
      if (static_cast<unsigned char>(c) < 0x20) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(c));
        out += hex;
      } else {
        out += c;
      }
    }
    return out + "\"";
  }

  std::string resource;
  std::vector<Difference> differences;

 private:
  std::string script_;
  Counts& counts_;
};

std::optional<std::int64_t> Of16(const rc::Value& v) {
  if (!v.number) return std::nullopt;
  return static_cast<std::int16_t>(*v.number);
}

std::optional<std::int64_t> OfBits(const rc::Value& v, std::uint32_t mask) {
  if (!v.number) return std::nullopt;
  return static_cast<std::uint32_t>(*v.number) & mask;
}

const char* const kClassAtoms[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};

std::string ClassName(const ResName& name) {
  if (name.ordinal && *name.ordinal >= 0x80 && *name.ordinal <= 0x85) {
    return kClassAtoms[*name.ordinal - 0x80];
  }
  return NameKey(name);
}

void CompareControl(Comparer& cmp, const rc::Control& m, const ResControl& c, bool extended) {
  const std::uint32_t idMask = extended ? 0xFFFFFFFFu : 0xFFFFu;
  cmp.Number("id", OfBits(m.id, idMask), c.id, m.id.text);
  cmp.Text("class", Upper(m.className), ClassName(c.className));
  switch (m.text.kind) {
    case rc::ControlText::Kind::kString:
      if (c.text.ordinal) {
        cmp.Differ("text", Comparer::Quoted(m.text.string), NameKey(c.text));
      } else {
        cmp.Text("text", m.text.string, c.text.text);
      }
      break;
    case rc::ControlText::Kind::kReference: cmp.Name("text", m.text.reference, c.text); break;
    case rc::ControlText::Kind::kNone: cmp.Text("text", "", c.text.text); break;
  }
  cmp.Number("x", Of16(m.x), c.x, m.x.text);
  cmp.Number("y", Of16(m.y), c.y, m.y.text);
  cmp.Number("cx", Of16(m.width), c.width, m.width.text);
  cmp.Number("cy", Of16(m.height), c.height, m.height.text);
  cmp.Bits("style", m.style.number, c.style, m.style.text);
  cmp.Bits("exstyle", m.exStyle.number, c.exStyle, m.exStyle.text);
}

void CompareDialog(Comparer& cmp, const rc::Dialog& m, const ResDialog& c, Counts& counts) {
  ++counts.dialogs;
  cmp.Number("x", Of16(m.x), c.x, m.x.text);
  cmp.Number("y", Of16(m.y), c.y, m.y.text);
  cmp.Number("cx", Of16(m.width), c.width, m.width.text);
  cmp.Number("cy", Of16(m.height), c.height, m.height.text);
  cmp.Bits("style", m.style.number, c.style, m.style.text);
  cmp.Bits("exstyle", m.exStyle.number, c.exStyle, m.exStyle.text);
  cmp.Text("caption", m.caption.value_or(""), c.caption);
  cmp.Number("font", m.font ? 1 : 0, c.font ? 1 : 0);
  if (m.font && c.font) {
    cmp.Number("font size", OfBits(m.font->size, 0xFFFF), c.font->size, m.font->size.text);
    cmp.Text("font face", m.font->face, c.font->face);
  }
  cmp.Name("menu", m.menu, c.menu);
  cmp.Name("class", m.className, c.className);
  const std::string dialog = cmp.resource;
  cmp.Number("controls", static_cast<std::int64_t>(m.controls.size()),
             static_cast<std::int64_t>(c.controls.size()));
  for (size_t i = 0; i < m.controls.size() && i < c.controls.size(); ++i) {
    ++counts.controls;
    cmp.resource = dialog + " control " + std::to_string(i + 1) + " (" + m.controls[i].statement +
                   " line " + std::to_string(m.controls[i].place.line) + ")";
    CompareControl(cmp, m.controls[i], c.controls[i], c.extended);
  }
  cmp.resource = dialog;
}

// The model's items in the template's order, each with the flags and fields the compiler writes
// for it.
void Flatten(const std::vector<rc::MenuItem>& items, int depth, bool extended,
             std::vector<std::pair<const rc::MenuItem*, ResMenuItem>>& out) {
  static const struct {
    const char* word;
    std::uint16_t flag;
  } kOptions[] = {{"GRAYED", 0x01},       {"INACTIVE", 0x02},  {"CHECKED", 0x08},
                  {"MENUBARBREAK", 0x20}, {"MENUBREAK", 0x40}, {"HELP", 0x4000}};
  for (size_t i = 0; i < items.size(); ++i) {
    const rc::MenuItem& m = items[i];
    const bool popup = m.kind == rc::MenuItem::Kind::kPopup;
    const bool last = i + 1 == items.size();
    ResMenuItem e;
    e.depth = depth;
    e.text = m.text;
    e.id = m.id && m.id->number ? static_cast<std::uint32_t>(*m.id->number) : 0;
    if (extended) {
      e.flags =
          static_cast<std::uint16_t>((popup ? kExtendedPopup : 0) | (last ? kExtendedEnd : 0));
      e.type = m.type && m.type->number ? *m.type->number : 0;
      if (m.kind == rc::MenuItem::Kind::kSeparator && !m.type) e.type = kSeparatorType;
      e.state = m.state && m.state->number ? *m.state->number : 0;
    } else {
      e.flags = static_cast<std::uint16_t>((popup ? kPopup : 0) | (last ? kEnd : 0));
      for (const auto& o : kOptions) {
        const std::string words = " " + m.options + " ";
        if (words.find(std::string(" ") + o.word + " ") != std::string::npos) e.flags |= o.flag;
      }
      e.id &= 0xFFFF;
    }
    out.push_back({&m, e});
    Flatten(m.items, depth + 1, extended, out);
  }
}

void CompareMenu(Comparer& cmp, const rc::Menu& m, const ResMenu& c, Counts& counts) {
  ++counts.menus;
  std::vector<std::pair<const rc::MenuItem*, ResMenuItem>> expected;
  Flatten(m.items, 0, c.extended, expected);
  const std::string menu = cmp.resource;
  cmp.Number("items", static_cast<std::int64_t>(expected.size()),
             static_cast<std::int64_t>(c.items.size()));
  for (size_t i = 0; i < expected.size() && i < c.items.size(); ++i) {
    ++counts.items;
    const rc::MenuItem& item = *expected[i].first;
    const ResMenuItem& e = expected[i].second;
    const ResMenuItem& r = c.items[i];
    cmp.resource =
        menu + " item " + std::to_string(i + 1) + " (line " + std::to_string(item.place.line) + ")";
    cmp.Number("depth", e.depth, r.depth);
    cmp.Text("text", e.text, r.text);
    const bool idKnown = !item.id || item.id->number;
    cmp.Number("id", idKnown ? std::optional<std::int64_t>(e.id) : std::nullopt, r.id,
               item.id ? item.id->text : "");
    cmp.Number("flags", e.flags, r.flags);
    if (c.extended) {
      cmp.Bits("type", !item.type || item.type->number ? std::optional(e.type) : std::nullopt,
               r.type, item.type ? item.type->text : "");
      cmp.Bits("state", !item.state || item.state->number ? std::optional(e.state) : std::nullopt,
               r.state, item.state ? item.state->text : "");
    }
  }
  cmp.resource = menu;
}

// The model's name of a resource as the compiler keys it.
std::string ModelKey(const rc::Value& name) {
  if (name.number) return "#" + std::to_string(*name.number & 0xFFFF);
  return Upper(name.text);
}

}  // namespace

std::string NameKey(const ResName& name) {
  if (name.ordinal) return "#" + std::to_string(*name.ordinal);
  return Upper(name.text);
}

const std::vector<KnownDeviation>& KnownDeviations() {
  static const std::vector<KnownDeviation> known = [] {
    std::vector<KnownDeviation> list;
    for (const Deviation& d : Deviations()) list.push_back(d.known);
    return list;
  }();
  return known;
}

std::vector<Difference> Compare(const std::string& script, const rc::Model& model,
                                const std::vector<ResEntry>& entries, std::vector<bool>& matched,
                                Counts& counts) {
  Comparer cmp(script, counts);
  // The compiler's entry of a type and name not yet matched, in the script's order.
  const auto find = [&](std::uint16_t type, const std::string& key) -> const ResEntry* {
    for (size_t i = 0; i < entries.size(); ++i) {
      const ResEntry& e = entries[i];
      if (!matched[i] && e.type.ordinal && *e.type.ordinal == type && NameKey(e.name) == key) {
        matched[i] = true;
        return &e;
      }
    }
    return nullptr;
  };
  for (const rc::Dialog& d : model.dialogs) {
    cmp.resource = "dialog " + ModelKey(d.name) + " (line " + std::to_string(d.place.line) + ")";
    const ResEntry* entry = find(kDialogType, ModelKey(d.name));
    ResDialog template_;
    std::string error;
    if (!entry) {
      cmp.Differ("resource", "present", "missing");
    } else if (!ReadDialogTemplate(entry->data, template_, error)) {
      cmp.Differ("template", "", error);
    } else {
      CompareDialog(cmp, d, template_, counts);
    }
  }
  for (const rc::Menu& m : model.menus) {
    cmp.resource = "menu " + ModelKey(m.name) + " (line " + std::to_string(m.place.line) + ")";
    const ResEntry* entry = find(kMenuType, ModelKey(m.name));
    ResMenu template_;
    std::string error;
    if (!entry) {
      cmp.Differ("resource", "present", "missing");
    } else if (!ReadMenuTemplate(entry->data, template_, error)) {
      cmp.Differ("template", "", error);
    } else {
      CompareMenu(cmp, m, template_, counts);
    }
  }
  return std::move(cmp.differences);
}

std::vector<Difference> UnmatchedResources(const std::string& label,
                                           const std::vector<ResEntry>& entries,
                                           const std::vector<bool>& matched) {
  std::vector<Difference> differences;
  for (size_t i = 0; i < entries.size(); ++i) {
    const ResEntry& e = entries[i];
    if (matched[i] || !e.type.ordinal) continue;
    if (*e.type.ordinal == kDialogType || *e.type.ordinal == kMenuType) {
      const char* type = *e.type.ordinal == kDialogType ? "dialog " : "menu ";
      differences.push_back({label, type + NameKey(e.name), "resource", "missing", "present"});
    }
  }
  return differences;
}

}  // namespace tolvex::rc_compare
