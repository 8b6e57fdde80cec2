#include "tests/rc_compare/res_file.h"

namespace tolvex::rc_compare {
namespace {

// Little-endian fields of a byte range; a read past the end sets `failed` and gives zeros.
class Cursor {
 public:
  explicit Cursor(std::string_view bytes) : bytes_(bytes) {}

  std::uint32_t Read(size_t size) {
    if (failed || size > bytes_.size() - at_) {
      failed = true;
      return 0;
    }
    std::uint32_t value = 0;
    for (size_t i = 0; i < size; ++i) {
      value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[at_ + i])) << (8 * i);
    }
    at_ += size;
    return value;
  }
  std::uint32_t U32() { return Read(4); }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Read(2)); }
  std::uint8_t U8() { return static_cast<std::uint8_t>(Read(1)); }
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }

  std::string String() {
    std::u16string units;
    for (std::uint16_t unit = U16(); unit != 0 && !failed; unit = U16()) units += char16_t(unit);
    return Utf8FromUtf16(units);
  }

  // 0xFFFF and an ordinal, or a string (empty: nothing named).
  ResName Name() {
    ResName name;
    const size_t start = at_;
    if (U16() == 0xFFFF) {
      name.ordinal = U16();
    } else {
      at_ = start;
      name.text = String();
    }
    return name;
  }

  void Align(size_t to) {
    while (at_ % to != 0 && at_ < bytes_.size()) ++at_;
  }
  bool AtEnd() const { return at_ >= bytes_.size(); }
  size_t At() const { return at_; }
  void Skip(size_t size) {
    if (size > bytes_.size() - at_) failed = true;
    at_ = failed ? bytes_.size() : at_ + size;
  }

  bool failed = false;

 private:
  std::string_view bytes_;
  size_t at_ = 0;
};

constexpr std::uint32_t kSetFont = 0x40;  // DS_SETFONT: a font follows the caption

//  DIALOG: style, exstyle; DIALOGEX: helpID, exstyle, style
void ReadStyles(Cursor& in, bool extended, ResFrame& f) {
  if (extended) f.helpId = in.U32();
  (extended ? f.exStyle : f.style) = in.U32();
  (extended ? f.style : f.exStyle) = in.U32();
}

void ReadGeometry(Cursor& in, ResFrame& f) {
  for (std::int16_t* field : {&f.x, &f.y, &f.width, &f.height}) *field = in.I16();
}

//  MENU:   flags [, id unless a pop-up (0x10)], text; a pop-up's items follow it
//  MENUEX: type, state, id, flags (16 bits), text, aligned to 4; a pop-up's (0x01) help id and
//          items follow it
//  0x80 marks the last item of a level.
void ReadItems(Cursor& in, bool extended, int depth, std::vector<ResMenuItem>& items) {
  for (;;) {
    ResMenuItem item;
    item.depth = depth;
    if (extended) {
      item.type = in.U32();
      item.state = in.U32();
      item.id = in.U32();
      item.flags = in.U16();
    } else {
      item.flags = in.U16();
      if (!(item.flags & 0x10)) item.id = in.U16();
    }
    item.text = in.String();
    if (extended) in.Align(4);
    if (in.failed) return;
    items.push_back(item);
    if (item.flags & (extended ? 0x01 : 0x10)) {
      if (extended) in.U32();
      if (depth < 64) ReadItems(in, extended, depth + 1, items);
    }
    if ((item.flags & 0x80) || in.failed || in.AtEnd()) return;
  }
}

}  // namespace

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

//  DataSize, HeaderSize, type, name, (align 4) DataVersion, MemoryFlags, LanguageId, Version,
//  Characteristics, then DataSize bytes, aligned to 4
bool ReadResFile(std::string_view bytes, std::vector<ResEntry>& entries, std::string& error) {
  Cursor in(bytes);
  while (!in.AtEnd()) {
    const size_t start = in.At();
    const std::uint32_t dataSize = in.U32();
    const std::uint32_t headerSize = in.U32();
    ResEntry entry;
    entry.type = in.Name();
    entry.name = in.Name();
    if (in.failed || headerSize < in.At() - start || headerSize > bytes.size() - start ||
        dataSize > bytes.size() - start - headerSize) {
      error = "an entry's header at byte " + std::to_string(start) + " is cut short";
      return false;
    }
    entry.data = std::string(bytes.substr(start + headerSize, dataSize));
    in.Skip(start + headerSize + dataSize - in.At());
    in.Align(4);
    // The first entry of every .res is an empty one of type 0.
    if (!(entry.type.ordinal && *entry.type.ordinal == 0)) entries.push_back(std::move(entry));
  }
  return true;
}

//  DIALOG:   styles, count, x, y, cx, cy, menu, class, caption [, size, face]
//  DIALOGEX: 1, 0xFFFF, styles, count, x, y, cx, cy, menu, class, caption
//            [, size, weight, italic, charset, face]
//  then each control, aligned to 4: styles, x, y, cx, cy, id (DIALOG: 16 bits, DIALOGEX: 32),
//  class, text, extra size, extra
bool ReadTemplate(std::string_view data, ResDialog& d, std::string& error) {
  Cursor in(data);
  d.extended = data.size() >= 4 && in.U16() == 1 && in.U16() == 0xFFFF;
  if (!d.extended) in = Cursor(data);
  ReadStyles(in, d.extended, d);
  const std::uint16_t count = in.U16();
  ReadGeometry(in, d);
  d.menu = in.Name();
  d.className = in.Name();
  d.caption = in.String();
  if (d.style & kSetFont) {
    ResFont font;
    font.size = in.U16();
    if (d.extended) {
      font.weight = in.U16();
      font.italic = in.U8();
      font.charset = in.U8();
    }
    font.face = in.String();
    d.font = font;
  }
  for (std::uint16_t i = 0; i < count && !in.failed; ++i) {
    in.Align(4);
    ResControl c;
    ReadStyles(in, d.extended, c);
    ReadGeometry(in, c);
    c.id = d.extended ? in.U32() : in.U16();
    c.className = in.Name();
    c.text = in.Name();
    in.Skip(in.U16());
    d.controls.push_back(std::move(c));
  }
  if (in.failed) error = "the dialog template is cut short";
  return !in.failed;
}

bool ReadTemplate(std::string_view data, ResMenu& menu, std::string& error) {
  Cursor in(data);
  menu.extended = in.U16() == 1;
  const std::uint16_t offset = in.U16();
  if (menu.extended) in.Skip(offset);
  ReadItems(in, menu.extended, 0, menu.items);
  if (in.failed) error = "the menu template is cut short";
  return !in.failed;
}

}  // namespace tolvex::rc_compare
