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
    if (Peek16() == 0xFFFF) {
      U16();
      name.ordinal = U16();
    } else {
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
  std::uint16_t Peek16() {
    if (bytes_.size() - at_ < 2) return 0;
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes_[at_]) |
                                      static_cast<unsigned char>(bytes_[at_ + 1]) << 8);
  }

  std::string_view bytes_;
  size_t at_ = 0;
};

constexpr std::uint32_t kSetFont = 0x40;  // DS_SETFONT: a font follows the caption

}  // namespace

std::string Utf8FromUtf16(const std::u16string& units) {
  std::string out;
  for (size_t i = 0; i < units.size(); ++i) {
    std::uint32_t c = units[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
      ++i;
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
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

//  DIALOG:   style, exstyle, count, x, y, cx, cy, menu, class, caption [, size, face]
//  DIALOGEX: 1, 0xFFFF, helpID, exstyle, style, count, x, y, cx, cy, menu, class, caption
//            [, size, weight, italic, charset, face]
//  then each control, aligned to 4:
//  DIALOG:   style, exstyle, x, y, cx, cy, id (16 bits), class, text, extra size, extra
//  DIALOGEX: helpID, exstyle, style, x, y, cx, cy, id (32 bits), class, text, extra size, extra
bool ReadDialogTemplate(std::string_view data, ResDialog& d, std::string& error) {
  Cursor in(data);
  d.extended = data.size() >= 4 && in.U16() == 1 && in.U16() == 0xFFFF;
  if (!d.extended) in = Cursor(data);
  if (d.extended) {
    d.helpId = in.U32();
    d.exStyle = in.U32();
    d.style = in.U32();
  } else {
    d.style = in.U32();
    d.exStyle = in.U32();
  }
  const std::uint16_t count = in.U16();
  d.x = in.I16();
  d.y = in.I16();
  d.width = in.I16();
  d.height = in.I16();
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
    if (d.extended) {
      c.helpId = in.U32();
      c.exStyle = in.U32();
      c.style = in.U32();
    } else {
      c.style = in.U32();
      c.exStyle = in.U32();
    }
    c.x = in.I16();
    c.y = in.I16();
    c.width = in.I16();
    c.height = in.I16();
    c.id = d.extended ? in.U32() : in.U16();
    c.className = in.Name();
    c.text = in.Name();
    in.Skip(in.U16());
    d.controls.push_back(std::move(c));
  }
  if (in.failed) error = "the dialog template is cut short";
  return !in.failed;
}

namespace {

//  MENU:   flags [, id unless a pop-up], text; a pop-up's items follow it; MF_END (0x80) marks
//          the last item of a level
void ReadMenuItems(Cursor& in, int depth, std::vector<ResMenuItem>& items) {
  for (;;) {
    ResMenuItem item;
    item.depth = depth;
    item.flags = in.U16();
    if (!(item.flags & 0x10)) item.id = in.U16();
    item.text = in.String();
    if (in.failed) return;
    items.push_back(item);
    if ((item.flags & 0x10) && depth < 64) ReadMenuItems(in, depth + 1, items);
    if ((item.flags & 0x80) || in.failed || in.AtEnd()) return;
  }
}

//  MENUEX: type, state, id, flags (16 bits), text, aligned to 4; a pop-up's help id and items
//          follow it; 0x80 marks the last item of a level
void ReadExtendedItems(Cursor& in, int depth, std::vector<ResMenuItem>& items) {
  for (;;) {
    ResMenuItem item;
    item.depth = depth;
    item.type = in.U32();
    item.state = in.U32();
    item.id = in.U32();
    item.flags = in.U16();
    item.text = in.String();
    in.Align(4);
    if (in.failed) return;
    items.push_back(item);
    if (item.flags & 0x01) {
      in.U32();  // the pop-up's help id
      if (depth < 64) ReadExtendedItems(in, depth + 1, items);
    }
    if ((item.flags & 0x80) || in.failed || in.AtEnd()) return;
  }
}

}  // namespace

bool ReadMenuTemplate(std::string_view data, ResMenu& menu, std::string& error) {
  Cursor in(data);
  const std::uint16_t version = in.U16();
  const std::uint16_t offset = in.U16();
  menu.extended = version == 1;
  if (menu.extended) {
    in.Skip(offset);
    ReadExtendedItems(in, 0, menu.items);
  } else {
    ReadMenuItems(in, 0, menu.items);
  }
  if (in.failed) error = "the menu template is cut short";
  return !in.failed;
}

}  // namespace tolvex::rc_compare
