#include "rcscript/dump.h"

#include <charconv>
#include <cstdint>
#include <string_view>

#include "rcscript/diagnostics.h"
#include "rcscript/reader.h"

namespace tolvex::rc {
namespace {

// Every piece is appended to the one text being written: a listing line is never built of
// temporary strings.
// A number's digits, in `digits`; returns them. Made by std::to_chars: a listing prints a number
// for nearly every field, and the formatting functions of the C library cost more than the rest.
std::string_view Digits(std::int64_t number, char (&digits)[24]) {
  const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
  return {digits, static_cast<size_t>(end.ptr - digits)};
}

void AppendNumber(std::int64_t number, std::string& out) {
  char digits[24];
  out += Digits(number, digits);
}

void Print(const Value& v, std::string& out) {
  if (!v.number) {
    out += v.text;
    out += "=?";
    return;
  }
  char buffer[24];
  const std::string_view number = Digits(*v.number, buffer);
  if (!v.text.empty() && v.text != number) {
    out += v.text;
    out += '=';
  }
  out += number;
}

void Print(const Style& s, std::string& out) {
  if (s.number) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    char hex[10] = {'0', 'x'};
    for (int i = 0; i < 8; ++i) hex[2 + i] = kHexDigits[*s.number >> (28 - 4 * i) & 0xF];
    out.append(hex, sizeof hex);
  } else {
    out += '?';
  }
  out += " {";
  out += s.text;
  out += '}';
}

void Place(const SourcePlace& p, std::string& out) {
  out += " @";
  out += p.file();
  out += ':';
  AppendNumber(p.line, out);
  out += '\n';
}

template <typename OptionalField>
void Optional(const char* label, const OptionalField& field, std::string& out) {
  if (!field) return;
  out += ' ';
  out += label;
  out += ' ';
  Print(*field, out);
}

template <typename Printed>
void Field(const char* label, const Printed& field, std::string& out) {
  out += label;
  Print(field, out);
}

void PrintControlText(const ControlText& t, std::string& out) {
  switch (t.kind) {
    case ControlText::Kind::kString: out += QuotedWhole(t.value.text); return;
    case ControlText::Kind::kReference: Print(t.value, out); return;
    case ControlText::Kind::kNone: break;
  }
  out += '-';
}

void DumpDialog(const Dialog& d, std::string& out) {
  out += "dialog ";
  Print(d.name, out);
  out += ' ';
  out += d.statement;
  Field(" x ", d.rect.x(), out);
  Field(" y ", d.rect.y(), out);
  Field(" w ", d.rect.width(), out);
  Field(" h ", d.rect.height(), out);
  Optional("help", d.helpId, out);
  if (d.caption) {
    out += " caption ";
    out += QuotedWhole(*d.caption);
  }
  if (d.font) {
    Field(" font ", d.font->size, out);
    out += ' ';
    out += QuotedWhole(d.font->face);
    for (const auto* field : {&d.font->weight, &d.font->italic, &d.font->charset}) {
      if (*field) Field(" ", **field, out);
    }
  }
  Field(" style ", d.style, out);
  Field(" exstyle ", d.exStyle, out);
  Optional("menu", d.menu, out);
  Optional("class", d.className, out);
  Place(d.place, out);
  for (const Control& c : d.controls) {
    out += "  control ";
    out += c.statement;
    out += ' ';
    PrintControlText(c.text, out);
    Field(" id ", c.id, out);
    out += " class ";
    out += QuotedWhole(c.className);
    Field(" x ", c.rect.x(), out);
    Field(" y ", c.rect.y(), out);
    Field(" w ", c.rect.width(), out);
    Field(" h ", c.rect.height(), out);
    Field(" style ", c.style, out);
    Field(" exstyle ", c.exStyle, out);
    Optional("help", c.helpId, out);
    Place(c.place, out);
  }
}

void DumpItems(const std::vector<MenuItem>& items, const std::string& indent, std::string& out) {
  static const char* const kKinds[] = {"item", "separator", "popup"};
  for (const MenuItem& item : items) {
    out += indent;
    out += kKinds[static_cast<int>(item.kind)];
    const bool bare = item.kind == MenuItem::Kind::kSeparator && item.text.empty() && !item.id &&
                      !item.type && !item.state;
    if (!bare) {
      out += ' ';
      out += QuotedWhole(item.text);
    }
    Optional("id", item.id, out);
    if (!item.options.empty()) {
      out += " options ";
      out += item.options;
    }
    Optional("type", item.type, out);
    Optional("state", item.state, out);
    Optional("help", item.helpId, out);
    Place(item.place, out);
    DumpItems(item.items, indent + "  ", out);
  }
}

// The listing's lines, appended to `out`; after each resource flush(kPiece) may take what is
// there, and flush(0) takes the rest.
constexpr size_t kPiece = 1 << 16;
template <class Flush>
void List(const Model& model, std::string& out, const Flush& flush) {
  for (const Define& d : model.defines) {
    out += "define ";
    out += d.name;
    out += " {";
    out += d.text;
    out += "} = ";
    if (d.number) {
      AppendNumber(*d.number, out);
    } else if (d.string) {
      out += QuotedWhole(*d.string);
    } else {
      out += '?';
    }
    Place(d.place, out);
    flush(kPiece);
  }
  for (const Dialog& d : model.dialogs) {
    DumpDialog(d, out);
    flush(kPiece);
  }
  for (const Menu& m : model.menus) {
    out += "menu ";
    Print(m.name, out);
    out += ' ';
    out += m.statement;
    Place(m.place, out);
    DumpItems(m.items, "  ", out);
    flush(kPiece);
  }
  for (const SkippedResource& s : model.skipped) {
    out += "skipped ";
    if (!s.name.empty()) {
      out += s.name;
      out += ' ';
    }
    out += s.type;
    Place(s.place, out);
    flush(kPiece);
  }
  flush(0);
}

}  // namespace

void DumpModel(const Model& model, std::ostream& stream) {
  // Written a piece at a time: the listing of a large script is never held whole.
  std::string out;
  List(model, out, [&out, &stream](size_t atLeast) {
    if (out.size() < atLeast) return;
    stream.write(out.data(), static_cast<std::streamsize>(out.size()));
    out.clear();
  });
}

std::string DumpModel(const Model& model) {
  std::string listing;
  List(model, listing, [](size_t) {});
  return listing;
}

}  // namespace tolvex::rc
