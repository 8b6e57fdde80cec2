#include "tests/rc_compare/rc_compare.h"

#include <cstdio>
#include <deque>

#include "rcscript/ascii.h"

namespace tolvex::rc_compare {
namespace {

constexpr std::uint16_t kDialogType = 5, kMenuType = 4;
constexpr std::uint32_t kSetFont = 0x40;          // DS_SETFONT: a font follows the caption
constexpr std::uint32_t kSeparatorType = 0x0800;  // MFT_SEPARATOR

// A name as the compiler keys it: "#N" or the name in upper case.
std::string NameKey(const ResName& name) {
  return name.ordinal ? "#" + std::to_string(*name.ordinal) : rc::UpperCase(name.text);
}
std::string ModelKey(const rc::Value& name) {
  return name.number ? "#" + std::to_string(*name.number & 0xFFFF) : rc::UpperCase(name.text);
}

const char* const kClassAtoms[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};

std::string ClassName(const ResName& name) {
  if (name.ordinal && *name.ordinal >= 0x80 && *name.ordinal <= 0x85) {
    return kClassAtoms[*name.ordinal - 0x80];
  }
  return NameKey(name);
}

// A value's number as the compiler stores it; unknown when a name in it has no value, 0 when
// nothing is written.
std::optional<std::int64_t> Of16(const rc::Value& v) {
  if (!v.number) return std::nullopt;
  return static_cast<std::int16_t>(*v.number);
}
std::optional<std::int64_t> OfBits(const rc::Value& v, std::uint32_t mask) {
  if (!v.number) return std::nullopt;
  return static_cast<std::uint32_t>(*v.number) & mask;
}
std::optional<std::int64_t> OfBits(const std::optional<rc::Value>& v, std::uint32_t mask) {
  return v ? OfBits(*v, mask) : std::optional<std::int64_t>(0);
}
template <typename T>
std::string Written(const T& v) {
  return v ? v->text : "";
}

// The model's menu items in the template's order, each with its depth and the flags the compiler
// writes for it: MF_POPUP 0x10 (MENUEX 0x01), 0x80 on the last of a level, and MENU's options.
struct FlatItem {
  const rc::MenuItem* item;
  int depth;
  std::uint16_t flags;
};

void Flatten(const std::vector<rc::MenuItem>& items, int depth, bool extended,
             std::vector<FlatItem>& out) {
  static const struct {
    const char* word;
    std::uint16_t flag;
  } kOptions[] = {{"GRAYED", 0x01},       {"INACTIVE", 0x02},  {"CHECKED", 0x08},
                  {"MENUBARBREAK", 0x20}, {"MENUBREAK", 0x40}, {"HELP", 0x4000}};
  for (size_t i = 0; i < items.size(); ++i) {
    const rc::MenuItem& m = items[i];
    const bool popup = m.kind == rc::MenuItem::Kind::kPopup;
    auto flags = static_cast<std::uint16_t>((popup ? (extended ? 0x01 : 0x10) : 0) |
                                            (i + 1 == items.size() ? 0x80 : 0));
    const std::string words = " " + m.options + " ";
    for (const auto& o : kOptions) {
      if (!extended && words.find(std::string(" ") + o.word + " ") != std::string::npos) {
        flags |= o.flag;
      }
    }
    out.push_back({&m, depth, flags});
    Flatten(m.items, depth + 1, extended, out);
  }
}

class Comparer {
 public:
  Comparer(const std::string& script, const std::vector<ResEntry>& entries,
           std::vector<bool>& matched, Counts& counts)
      : script_(script), entries_(entries), matched_(matched), counts_(counts) {}

  // Each resource of the model against the compiler's entry of its type and name not yet
  // matched, in the script's order.
  template <typename Resource>
  void Resources(const char* kind, std::uint16_t type, const std::deque<Resource>& resources) {
    for (const Resource& r : resources) {
      const std::string key = ModelKey(r.name);
      resource_ = kind + (" " + key) + " (line " + std::to_string(r.place.line) + ")";
      size_t i = 0;
      while (i < entries_.size() && (matched_[i] || entries_[i].type.ordinal != type ||
                                     NameKey(entries_[i].name) != key)) {
        ++i;
      }
      if (i == entries_.size()) {
        Differ("resource", "present", "missing");
        continue;
      }
      matched_[i] = true;
      Cursor in{entries_[i].data};
      One(r, in);
      if (in.failed) Differ("template", "", "cut short");
    }
  }

  std::vector<Difference> differences;

 private:
  //  DIALOG:   style, exstyle, count, x, y, cx, cy, menu, class, caption [, size, face]
  //  DIALOGEX: 1, 0xFFFF, helpID, exstyle, style, count, x, y, cx, cy, menu, class, caption
  //            [, size, weight, italic, charset, face]
  //  then each control, aligned to 4:
  //  DIALOG:   style, exstyle, x, y, cx, cy, id (16 bits), class, text, extra size, extra
  //  DIALOGEX: helpID, exstyle, style, x, y, cx, cy, id (32 bits), class, text, extra size, extra
  void One(const rc::Dialog& m, Cursor& in) {
    ++counts_.dialogs;
    const bool extended = in.U32() == 0xFFFF0001;
    if (!extended) in = Cursor{in.bytes};
    const std::uint32_t style = Styles(m, in, extended);
    const std::uint16_t count = in.U16();
    Geometry(m, in);
    Name("menu", m.menu, in.Name());
    Name("class", m.className, in.Name());
    Text("caption", m.caption.value_or(""), in.String());
    Number("font", m.font ? 1 : 0, style & kSetFont ? 1 : 0);
    if (style & kSetFont) {
      const std::uint16_t size = in.U16();
      in.Skip(extended ? 4 : 0);  // weight, italic, charset
      const std::string face = in.String();
      if (m.font) {
        Number("font size", OfBits(m.font->size, 0xFFFF), size, m.font->size.text);
        Text("font face", m.font->face, face);
      }
    }
    Number("controls", static_cast<std::int64_t>(m.controls.size()), count);
    const std::string dialog = resource_;
    for (size_t i = 0; i < m.controls.size() && i < count; ++i) {
      ++counts_.controls;
      const rc::Control& c = m.controls[i];
      resource_ = dialog + " control " + std::to_string(i + 1) + " (" + c.statement + " line " +
                  std::to_string(c.place.line) + ")";
      in.Align4();
      Styles(c, in, extended);
      Geometry(c, in);
      Number("id", OfBits(c.id, extended ? 0xFFFFFFFFu : 0xFFFFu), extended ? in.U32() : in.U16(),
             c.id.text);
      Text("class", rc::UpperCase(c.className), ClassName(in.Name()));
      const ResName text = in.Name();
      switch (c.text.kind) {
        case rc::ControlText::Kind::kString:
          if (text.ordinal) {
            Differ("text", Quoted(c.text.value.text), NameKey(text));
          } else {
            Text("text", c.text.value.text, text.text);
          }
          break;
        case rc::ControlText::Kind::kReference: Name("text", c.text.value, text); break;
        case rc::ControlText::Kind::kNone: Text("text", "", text.text); break;
      }
      in.Skip(in.U16());
    }
    resource_ = dialog;
  }

  // DIALOG: style, exstyle; DIALOGEX: helpID, exstyle, style. The style read.
  template <typename Resource>
  std::uint32_t Styles(const Resource& m, Cursor& in, bool extended) {
    if (extended) in.U32();
    const std::uint32_t first = in.U32(), second = in.U32();
    Bits("style", m.style.number, extended ? second : first, m.style.text);
    Bits("exstyle", m.exStyle.number, extended ? first : second, m.exStyle.text);
    return extended ? second : first;
  }

  template <typename Resource>
  void Geometry(const Resource& m, Cursor& in) {
    for (const auto& [field, value] : {std::pair<const char*, rc::Value>{"x", m.rect.x()},
                                       {"y", m.rect.y()},
                                       {"cx", m.rect.width()},
                                       {"cy", m.rect.height()}}) {
      Number(field, Of16(value), in.I16(), value.text);
    }
  }

  //  MENU:   0, 0, then items: flags [, id unless a pop-up (0x10)], text
  //  MENUEX: 1, offset to the items; each: type, state, id, flags (16 bits), text, aligned to 4,
  //          and a pop-up's (0x01) help id
  //  A pop-up's items follow it; 0x80 marks the last item of a level.
  void One(const rc::Menu& m, Cursor& in) {
    ++counts_.menus;
    const bool extended = in.U16() == 1;
    const std::uint16_t offset = in.U16();
    in.Skip(extended ? offset : 0);
    std::vector<FlatItem> expected;
    Flatten(m.items, 0, extended, expected);
    const std::string menu = resource_;
    size_t index = 0;
    const auto items = [&](const auto& self, int depth) -> void {
      for (;;) {
        std::uint32_t type = 0, state = 0, id = 0;
        std::uint16_t flags = 0;
        if (extended) {
          type = in.U32();
          state = in.U32();
          id = in.U32();
          flags = in.U16();
        } else {
          flags = in.U16();
          if (!(flags & 0x10)) id = in.U16();
        }
        const std::string text = in.String();
        if (extended) in.Align4();
        if (in.failed) return;
        if (index < expected.size()) {
          ++counts_.items;
          const rc::MenuItem& item = *expected[index].item;
          resource_ = menu + " item " + std::to_string(index + 1) + " (line " +
                      std::to_string(item.place.line) + ")";
          Number("depth", expected[index].depth, depth);
          Text("text", item.text, text);
          Number("id", OfBits(item.id, extended ? 0xFFFFFFFFu : 0xFFFFu), id, Written(item.id));
          Number("flags", expected[index].flags, flags);
          if (extended) {
            const bool separator = item.kind == rc::MenuItem::Kind::kSeparator;
            Bits("type", item.type ? item.type->number : (separator ? kSeparatorType : 0u), type,
                 Written(item.type));
            Bits("state", item.state ? item.state->number : 0u, state, Written(item.state));
          }
        }
        ++index;
        if (flags & (extended ? 0x01 : 0x10)) {
          if (extended) in.U32();
          if (depth < 64) self(self, depth + 1);
        }
        if ((flags & 0x80) || in.failed || in.at >= in.bytes.size()) return;
      }
    };
    items(items, 0);
    resource_ = menu;
    Number("items", static_cast<std::int64_t>(expected.size()), static_cast<std::int64_t>(index));
  }

  // A number, unknown in the model when a name in it has no value; the model's side of a
  // difference shows it as written.
  void Number(const char* field, std::optional<std::int64_t> model, std::int64_t compiler,
              const std::string& written = "", bool hex = false) {
    ++counts_.fields;
    if (model == compiler) return;
    const auto show = [&](std::int64_t v) {
      char text[24];
      std::snprintf(text, sizeof text, hex ? "0x%08llX" : "%lld", static_cast<long long>(v));
      return std::string(text);
    };
    Differ(field, (model ? show(*model) : "?") + (written.empty() ? "" : " {" + written + "}"),
           show(compiler));
  }
  void Bits(const char* field, std::optional<std::uint32_t> model, std::uint32_t compiler,
            const std::string& written) {
    Number(field, model, compiler, written, true);
  }

  // Texts: the model's are UTF-8, as the compiler's are read back. A difference that known
  // deviations explain, alone or together, is counted against them.
  void Text(const char* field, const std::string& model, const std::string& compiler) {
    ++counts_.fields;
    if (model == compiler) return;
    const auto& known = KnownDeviations();
    for (size_t set = 1; set < (size_t{1} << known.size()); ++set) {
      std::string m = model, c = compiler;
      for (size_t i = 0; i < known.size(); ++i) {
        if (set >> i & 1) known[i].allow(m, c);
      }
      if (m != c) continue;
      for (size_t i = 0; i < known.size(); ++i) {
        if (set >> i & 1) ++counts_.allowed[i];
      }
      return;
    }
    Differ(field, Quoted(model), Quoted(compiler));
  }

  // A name: the model's number when it has one, else its text, against the compiler's ordinal
  // or string (which it keeps in upper case); "-" for none.
  void Name(const char* field, const std::optional<rc::Value>& model, const ResName& compiler) {
    ++counts_.fields;
    const std::string m = model ? ModelKey(*model) : "-";
    const std::string c = compiler.ordinal || !compiler.text.empty() ? NameKey(compiler) : "-";
    if (m != c) Differ(field, m, c);
  }

  void Differ(const std::string& field, const std::string& model, const std::string& compiler) {
    differences.push_back({script_, resource_, field, model, compiler});
  }

  static std::string Quoted(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
      out += static_cast<unsigned char>(c) < 0x20 ? std::string(hex) : std::string(1, c);
    }
    return out + "\"";
  }

  std::string script_, resource_;
  const std::vector<ResEntry>& entries_;
  std::vector<bool>& matched_;
  Counts& counts_;
};

}  // namespace

const std::vector<KnownDeviation>& KnownDeviations() {
  static const std::vector<KnownDeviation> known = {
      {"texts",
       "\\a is BEL (7) in the reader, as in C and as documented; the compiler writes backspace (8)",
       [](std::string& m, std::string&) {
         for (char& c : m) c = c == '\a' ? '\b' : c;
       }},
  };
  return known;
}

std::vector<Difference> Compare(const std::string& script, const rc::Model& model,
                                const std::vector<ResEntry>& entries, std::vector<bool>& matched,
                                Counts& counts) {
  Comparer cmp(script, entries, matched, counts);
  cmp.Resources("dialog", kDialogType, model.dialogs);
  cmp.Resources("menu", kMenuType, model.menus);
  return std::move(cmp.differences);
}

std::vector<Difference> UnmatchedResources(const std::string& label,
                                           const std::vector<ResEntry>& entries,
                                           const std::vector<bool>& matched) {
  std::vector<Difference> differences;
  for (size_t i = 0; i < entries.size(); ++i) {
    const auto type = entries[i].type.ordinal;
    if (matched[i] || !type || (*type != kDialogType && *type != kMenuType)) continue;
    const std::string kind = *type == kDialogType ? "dialog " : "menu ";
    differences.push_back(
        {label, kind + NameKey(entries[i].name), "resource", "missing", "present"});
  }
  return differences;
}

// The .res file read back.

std::string Utf8FromUtf16(const std::u16string& units) {
  std::string out;
  for (size_t i = 0; i < units.size(); ++i) {
    std::uint32_t c = units[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00u);
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
    }
    // The lead byte holds as many high bits set as the sequence has bytes.
    const int tail = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    out += static_cast<char>(tail == 0 ? c : ((0xFFu << (7 - tail)) & 0xFFu) | c >> (6 * tail));
    for (int k = tail - 1; k >= 0; --k) out += static_cast<char>(0x80u | (c >> (6 * k) & 0x3Fu));
  }
  return out;
}

std::string Utf16FromUtf8(const std::string& text) {
  std::string out = "\xFF\xFE";
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const size_t length = c < 0xC0 ? 1 : c < 0xE0 ? 2 : 3;
    std::uint32_t code = length == 1 ? c : c & (length == 2 ? 0x1Fu : 0x0Fu);
    for (size_t k = 1; k < length && i + k < text.size(); ++k) {
      code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    }
    out += static_cast<char>(code & 0xFF);
    out += static_cast<char>(code >> 8);
    i += length;
  }
  return out;
}

std::uint32_t Cursor::Read(size_t size) {
  if (failed || size > bytes.size() - at) {
    failed = true;
    return 0;
  }
  std::uint32_t value = 0;
  for (size_t i = 0; i < size; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  at += size;
  return value;
}

std::string Cursor::String() {
  std::u16string units;
  for (std::uint16_t unit = U16(); unit != 0 && !failed; unit = U16()) units += char16_t(unit);
  return Utf8FromUtf16(units);
}

ResName Cursor::Name() {
  ResName name;
  const size_t start = at;
  if (U16() == 0xFFFF) {
    name.ordinal = U16();
  } else {
    at = start;
    name.text = String();
  }
  return name;
}

void Cursor::Align4() {
  while (at % 4 != 0 && at < bytes.size()) ++at;
}

void Cursor::Skip(size_t size) {
  if (size > bytes.size() - at) failed = true;
  at = failed ? bytes.size() : at + size;
}

//  DataSize, HeaderSize, type, name, (align 4) DataVersion, MemoryFlags, LanguageId, Version,
//  Characteristics, then DataSize bytes, aligned to 4
bool ReadResFile(std::string_view bytes, std::vector<ResEntry>& entries, std::string& error) {
  Cursor in{bytes};
  while (in.at < bytes.size()) {
    const size_t start = in.at;
    const std::uint32_t dataSize = in.U32();
    const std::uint32_t headerSize = in.U32();
    ResEntry entry{in.Name(), in.Name(), ""};
    if (in.failed || headerSize < in.at - start || headerSize > bytes.size() - start ||
        dataSize > bytes.size() - start - headerSize) {
      error = "an entry's header at byte " + std::to_string(start) + " is cut short";
      return false;
    }
    entry.data = std::string(bytes.substr(start + headerSize, dataSize));
    in.Skip(start + headerSize + dataSize - in.at);
    in.Align4();
    // The first entry of every .res is an empty one of type 0.
    if (entry.type.ordinal != 0) entries.push_back(std::move(entry));
  }
  return true;
}

}  // namespace tolvex::rc_compare
