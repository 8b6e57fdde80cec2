#include "rcscript/dump.h"

#include <sstream>

#include <cstdio>

#include "rcscript/diagnostics.h"
#include "rcscript/reader.h"

namespace tolvex::rc {
namespace {

std::string Printed(const Value& v) {
  if (!v.number) return v.text + "=?";
  const std::string number = std::to_string(*v.number);
  if (v.text.empty() || v.text == number) return number;
  return v.text + "=" + number;
}

std::string Printed(const Style& s) {
  std::string number = "?";
  if (s.number) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(*s.number));
    number = hex;
  }
  return number + " {" + s.text + "}";
}

std::string Place(const SourcePlace& p) { return " @" + p.file() + ":" + std::to_string(p.line); }

void Optional(std::string& line, const char* label, const std::optional<Value>& v) {
  if (v) line += std::string(" ") + label + " " + Printed(*v);
}

void Optional(std::string& line, const char* label, const std::optional<Style>& s) {
  if (s) line += std::string(" ") + label + " " + Printed(*s);
}

std::string ControlTextOf(const ControlText& t) {
  switch (t.kind) {
    case ControlText::Kind::kString: return QuotedWhole(t.string);
    case ControlText::Kind::kReference: return Printed(t.reference);
    case ControlText::Kind::kNone: break;
  }
  return "-";
}

void DumpDialog(const Dialog& d, std::string& out) {
  std::string line = "dialog " + Printed(d.name) + " " + d.statement + " x " + Printed(d.x) +
                     " y " + Printed(d.y) + " w " + Printed(d.width) + " h " + Printed(d.height);
  Optional(line, "help", d.helpId);
  if (d.caption) line += " caption " + QuotedWhole(*d.caption);
  if (d.font) {
    line += " font " + Printed(d.font->size) + " " + QuotedWhole(d.font->face);
    for (const auto* field : {&d.font->weight, &d.font->italic, &d.font->charset}) {
      if (*field) line += " " + Printed(**field);
    }
  }
  line += " style " + Printed(d.style) + " exstyle " + Printed(d.exStyle);
  Optional(line, "menu", d.menu);
  Optional(line, "class", d.className);
  out += line + Place(d.place) + "\n";
  for (const Control& c : d.controls) {
    std::string l = "  control " + c.statement + " " + ControlTextOf(c.text) + " id " +
                    Printed(c.id) + " class " + QuotedWhole(c.className) + " x " + Printed(c.x) +
                    " y " + Printed(c.y) + " w " + Printed(c.width) + " h " + Printed(c.height) +
                    " style " + Printed(c.style) + " exstyle " + Printed(c.exStyle);
    Optional(l, "help", c.helpId);
    out += l + Place(c.place) + "\n";
  }
}

void DumpItems(const std::vector<MenuItem>& items, const std::string& indent, std::string& out) {
  static const char* const kKinds[] = {"item", "separator", "popup"};
  for (const MenuItem& item : items) {
    std::string line = indent + kKinds[static_cast<int>(item.kind)];
    const bool bare = item.kind == MenuItem::Kind::kSeparator && item.text.empty() && !item.id &&
                      !item.type && !item.state;
    if (!bare) line += " " + QuotedWhole(item.text);
    Optional(line, "id", item.id);
    if (!item.options.empty()) line += " options " + item.options;
    Optional(line, "type", item.type);
    Optional(line, "state", item.state);
    Optional(line, "help", item.helpId);
    out += line + Place(item.place) + "\n";
    DumpItems(item.items, indent + "  ", out);
  }
}

}  // namespace

void DumpModel(const Model& model, std::ostream& stream) {
  // Written a piece at a time: the listing of a large script is never held whole.
  constexpr size_t kPiece = 1 << 16;
  std::string out;
  const auto flush = [&out, &stream](size_t atLeast) {
    if (out.size() < atLeast) return;
    stream.write(out.data(), static_cast<std::streamsize>(out.size()));
    out.clear();
  };
  for (const Define& d : model.defines) {
    std::string value = "?";
    if (d.string) value = QuotedWhole(*d.string);
    if (d.number) value = std::to_string(*d.number);
    out += "define " + d.name + " {" + d.text + "} = " + value + Place(d.place) + "\n";
    flush(kPiece);
  }
  for (const Dialog& d : model.dialogs) {
    DumpDialog(d, out);
    flush(kPiece);
  }
  for (const Menu& m : model.menus) {
    out += "menu " + Printed(m.name) + " " + m.statement + Place(m.place) + "\n";
    DumpItems(m.items, "  ", out);
    flush(kPiece);
  }
  for (const SkippedResource& s : model.skipped) {
    out += "skipped " + (s.name.empty() ? "" : s.name + " ") + s.type + Place(s.place) + "\n";
    flush(kPiece);
  }
  flush(0);
}

std::string DumpModel(const Model& model) {
  std::ostringstream listing;
  DumpModel(model, listing);
  return listing.str();
}

}  // namespace tolvex::rc
